// The functions of a data-access class that change or read one record.
#include "generator/CodeWriter.h"
#include "generator/DalClass.h"
#include "generator/MemberKind.h"
#include "generator/SqlNames.h"
#include "generator/VbNames.h"

namespace {

const std::string q = Q;
using sql_names::Name;

template <typename Entry>
std::string Joined(const TMemberList& members, Entry entry) {
  std::string list;
  for (const auto& m : members) list += (list.empty() ? "" : ",") + entry(m);
  return list;
}

std::string Column(const TMember& m) { return Name(m.memberName); }
std::string Marker(const TMember& m) { return "@" + m.memberName; }

std::string ParameterEntry(const std::string& name, const std::string& type) {
  return "new SqlParameter(" + q + "@" + name + q + ",SqlDbType." + type + ")";
}

std::string KeyParameterType(const TDalClass& c) { return IsIntegerKey(c.key) ? "Int" : "VarChar"; }

const char* const kExecuteChange = "Return If((DBHelp.ExecuteNonQuery(sql, parm) > 0), True, False)";

}  // namespace

std::string BuildAdd(const TDalClass& c) {
  const TMemberList members =
      IsIntegerKey(c.key) ? c.project->GetNonKeyMembers(c.classId) : c.project->GetMembers(c.classId);
  const std::string& C = c.className;
  const std::string& O = c.objName;
  TCodeWriter w;
  w.Line(4, "'添加" + c.friendName + "实现");
  w.Line(4, "Public Shared Function " + ProcedureName("Add", C) + "(ByVal " + O + " As Model." + C + ") As Boolean");
  // A class whose only member is its integer key has no column to name.
  const std::string insert = members.empty() ? "insert into " + Name(C) + " default values"
                                             : "insert into " + Name(C) + "(" + Joined(members, Column) + ") values(" +
                                                   Joined(members, Marker) + ")";
  w.Line(8, "Dim sql As String = " + q + insert + q);
  w.Line(7, "'构建sql参数");
  w.Line(8, "Dim parm As SqlParameter() = New SqlParameter() {");
  for (std::size_t n = 0; n < members.size(); ++n)
    w.Line(13, ParameterEntry(members[n].memberName, ParameterType(c, members[n])) +
                   (n + 1 < members.size() ? "," : ""));
  w.Line(0, "}");
  w.Line(8, "'给参数赋值");
  for (std::size_t n = 0; n < members.size(); ++n) {
    w.Line(8, "'" + members[n].memberComment);
    w.Line(12, "parm(" + std::to_string(n) + ").Value = " + O + "." + members[n].memberName);
  }
  w.Blank();
  w.Line(8, "'执行sql进行添加");
  w.Line(8, kExecuteChange);
  EndFunction(w);
  return w.Take();
}

namespace {

void ReadLine(TCodeWriter& w, const TDalClass& c, const TMember& m) {
  const std::string target = c.objName + "." + m.memberName + " = ";
  const std::string field = "DataRead(" + q + m.memberName + q + ")";
  switch (KindOf(m)) {
    case TMemberKind::String: w.Line(13, target + field + ".ToString()"); return;
    case TMemberKind::Picture: w.Line(12, target + "DirectCast(" + field + ", Byte())"); return;
    case TMemberKind::Integer: w.Line(12, target + "Convert.ToInt32(" + field + ")"); return;
    case TMemberKind::Float: w.Line(12, target + "Single.Parse(" + field + ".ToString())"); return;
    case TMemberKind::DateTime: w.Line(12, target + "Convert.ToDateTime(" + field + ".ToString())"); return;
    case TMemberKind::Reference:
      if (IsIntegerKey(RequireReferencedKey(*c.project, c.className, m)))
        w.Line(12, target + "Convert.ToInt32(" + field + ")");
      else
        w.Line(12, target + field + ".ToString()");
      return;
  }
}

}  // namespace

std::string BuildGetSome(const TDalClass& c) {
  const std::string& C = c.className;
  const std::string& K = c.key.memberName;
  const bool integerKey = IsIntegerKey(c.key);
  TCodeWriter w;
  w.Line(4, "'根据" + K + "获取某条" + c.friendName + "记录");
  const std::string& param = c.keyParam;
  w.Line(4, "Public Shared Function " + ProcedureName("getSome", C) + "(ByVal " + param + " As " + (integerKey ? "Integer" : "String") +
                ") As Model." + C);
  w.Line(8, "'构建查询sql");
  w.Line(8, "Dim sql As String = " + q + "select * from " + Name(C) + " where " + Name(K) + "=@" + K + q);
  w.Line(8, "Dim DataRead As SqlDataReader = DBHelp.ExecuteReader(sql, New SqlParameter() {" +
                ParameterEntry(K, KeyParameterType(c)) + " With {.Value = " + param + "}})");
  w.Line(8, "Dim " + c.objName + " As New Model." + C + "()");
  w.Line(8, "'如果查询存在记录，就包装到对象中返回");
  w.Line(8, "If DataRead.Read() Then");
  for (const auto& m : c.project->GetMembers(c.classId)) ReadLine(w, c, m);
  w.Line(8, "End If");
  w.Line(8, "DataRead.Close()");
  w.Line(8, "Return " + c.returnName);
  EndFunction(w);
  return w.Take();
}

std::string BuildEdit(const TDalClass& c) {
  const TMemberList members = c.project->GetNonKeyMembers(c.classId);
  const std::string& C = c.className;
  const std::string& O = c.objName;
  const std::string& K = c.key.memberName;
  // With only a key there is no column to set: the key's own variable is
  // assigned instead, so the statement still counts the record it finds.
  const std::string assignments = members.empty()
                                      ? "@" + K + "=@" + K
                                      : Joined(members, [](const TMember& m) { return Column(m) + "=" + Marker(m); });
  std::string parameters;
  for (const auto& m : members) parameters += ParameterEntry(m.memberName, ParameterType(c, m)) + ",";
  parameters += ParameterEntry(K, KeyParameterType(c)) + "}";

  TCodeWriter w;
  w.Line(4, "'更新" + c.friendName + "实现");
  w.Line(4, "Public Shared Function " + ProcedureName("Edit", C) + "(ByVal " + O + " As Model." + C + ") As Boolean");
  w.Line(8,
         "Dim sql As String = " + q + "update " + Name(C) + " set " + assignments + " where " + Name(K) + "=@" + K + q);
  w.Line(8, "'构建sql参数信息");
  w.Line(8, "Dim parm As SqlParameter() = New SqlParameter() {");
  w.Line(0, parameters);
  w.Line(8, "'为参数赋值");
  for (std::size_t n = 0; n < members.size(); ++n)
    w.Line(8, "parm(" + std::to_string(n) + ").Value = " + O + "." + members[n].memberName);
  w.Line(8, "parm(" + std::to_string(members.size()) + ").Value = " + O + "." + K);
  w.Line(8, "'执行更新");
  w.Line(8, kExecuteChange);
  EndFunction(w);
  return w.Take();
}

std::string BuildDel(const TDalClass& c) {
  TCodeWriter w;
  w.Line(4, "'删除" + c.friendName);
  w.Line(4, "Public Shared Function " + ProcedureName("Del", c.className) + "(ByVal p As String) As Boolean");
  // Each key of the comma-separated list goes into the in-list as a parameter of its own.
  w.Line(8, "Dim sql As String = " + q + q);
  w.Line(8, "Dim ids As String() = p.Split(" + q + "," + q + "c)");
  w.Line(8, "Dim parm(ids.Length - 1) As SqlParameter");
  w.Line(8, "For i As Integer = 0 To ids.Length - 1");
  w.Line(12, "If i <> ids.Length - 1 Then");
  w.Line(16, "sql += " + q + "@p" + q + " & i & " + q + "," + q);
  w.Line(12, "Else");
  w.Line(16, "sql += " + q + "@p" + q + " & i");
  w.Line(12, "End If");
  w.Line(12, "parm(i) = new SqlParameter(" + q + "@p" + q + " & i,SqlDbType." + KeyParameterType(c) + ")");
  w.Line(12, "parm(i).Value = ids(i)");
  w.Line(8, "Next");
  w.Line(8, "sql = " + q + "delete from " + Name(c.className) + " where " + Name(c.key.memberName) + " in (" + q +
                " & sql & " + q + ")" + q);
  w.Line(8, "Return If(((DBHelp.ExecuteNonQuery(sql, parm)) > 0), True, False)");
  EndFunction(w);
  return w.Take();
}

// The functions of a data-access class that change or read one record.
#include "generator/CodeWriter.h"
#include "generator/DalClass.h"
#include "generator/MemberKind.h"
#include "generator/VbNames.h"

namespace {

const std::string q = Q;

std::string Joined(const TMemberList& members, const std::string& before, const std::string& after) {
  std::string list;
  for (const auto& m : members) list += (list.empty() ? "" : ",") + before + m.memberName + after;
  return list;
}

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
  w.Line(8, "Dim sql As String = " + q + "insert into " + C + "(" + Joined(members, "", "") + ") values(" +
                Joined(members, "@", "") + ")" + q);
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
  if (integerKey)
    w.Line(8, "Dim sql As String = " + q + "select * from " + C + " where " + K + "=" + q + " & " + param);
  else
    w.Line(8, "Dim sql As String = " + q + "select * from " + C + " where " + K + "='" + q + " & " + param + " & " +
                  q + "'" + q);
  w.Line(8, "Dim DataRead As SqlDataReader = DBHelp.ExecuteReader(sql, Nothing)");
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
  std::string assignments;
  for (const auto& m : members) assignments += (assignments.empty() ? "" : ",") + m.memberName + "=@" + m.memberName;
  std::string parameters;
  for (const auto& m : members) parameters += ParameterEntry(m.memberName, ParameterType(c, m)) + ",";
  parameters += ParameterEntry(K, KeyParameterType(c)) + "}";

  TCodeWriter w;
  w.Line(4, "'更新" + c.friendName + "实现");
  w.Line(4, "Public Shared Function " + ProcedureName("Edit", C) + "(ByVal " + O + " As Model." + C + ") As Boolean");
  w.Line(8, "Dim sql As String = " + q + "update " + C + " set " + assignments + " where " + K + "=@" + K + q);
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

namespace {

// Each key of the comma-separated list goes into the in-list between single quotes.
void QuotedKeyList(TCodeWriter& w, const TDalClass& c) {
  w.Line(8, "Dim sql As String = " + q + q);
  w.Line(8, "Dim ids As String() = p.Split(" + q + "," + q + "c)");
  w.Line(8, "For i As Integer = 0 To ids.Length - 1");
  w.Line(12, "If i <> ids.Length - 1 Then");
  w.Line(16, "sql += " + q + "'" + q + " & ids(i) & " + q + "'," + q);
  w.Line(12, "Else");
  w.Line(16, "sql += " + q + "'" + q + " & ids(i) & " + q + "'" + q);
  w.Line(12, "End If");
  w.Line(8, "Next");
  w.Line(8, "sql = " + q + "delete from " + c.className + " where " + c.key.memberName + " in (" + q + " & sql & " + q +
                ")" + q);
}

}  // namespace

std::string BuildDel(const TDalClass& c) {
  const std::string& C = c.className;
  TCodeWriter w;
  w.Line(4, "'删除" + c.friendName);
  w.Line(4, "Public Shared Function " + ProcedureName("Del", C) + "(ByVal p As String) As Boolean");
  if (IsIntegerKey(c.key))
    w.Line(8, "Dim sql As String = " + q + "delete from " + C + " where " + c.key.memberName + " in (" + q + " + p + " +
                  q + ") " + q);
  else
    QuotedKeyList(w, c);
  w.Line(8, "Return If(((DBHelp.ExecuteNonQuery(sql, Nothing)) > 0), True, False)");
  EndFunction(w);
  return w.Take();
}

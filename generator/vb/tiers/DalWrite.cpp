// The functions of a data-access class that change or read one record.
#include "generator/CodeWriter.h"
#include "generator/vb/tiers/DalClass.h"
#include "metadata/ReferencedKey.h"
#include "generator/naming/SqlNames.h"
#include "generator/naming/VbNamer.h"

namespace {

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
  return "new SqlParameter(" + VbQuoted("@" + name) + ",SqlDbType." + type + ")";
}

std::string KeyParameterType(const TDalClass& c) { return IsIntegerKey(c.key) ? "Int" : "VarChar"; }

const char* const kExecuteChange = "Return If((DBHelp.ExecuteNonQuery(sql, parm) > 0), True, False)";

}  // namespace

std::string BuildAdd(const TDalClass& c) {
  const TMemberList members =
      IsIntegerKey(c.key) ? c.project->GetNonKeyMembers(c.classId) : c.project->GetMembers(c.classId);
  const std::string& C = c.className;
  const std::string& O = c.objName;
  // A class whose only member is its integer key has no column to name.
  const std::string insert = members.empty() ? "insert into " + Name(C) + " default values"
                                             : "insert into " + Name(C) + "(" + Joined(members, Column) + ") values(" +
                                                   Joined(members, Marker) + ")";
  TCodeWriter w;
  w.Set("f", c.friendName)
      .Set("add", VbNamer::Procedure(TProcedure::Add, C))
      .Set("O", O)
      .Set("C", C)
      .Set("insert", insert)
      .Lines(R"(
    '添加$f$实现
    Public Shared Function $add$(ByVal $O$ As Model.$C$) As Boolean
        Dim sql As String = "$insert$"
       '构建sql参数
        Dim parm As SqlParameter() = New SqlParameter() {
)");
  // The parameters stand 13 spaces in; the closing brace at the margin.
  for (std::size_t n = 0; n < members.size(); ++n)
    w.Set("parameter", ParameterEntry(members[n].memberName, ParameterType(c, members[n])) +
                           (n + 1 < members.size() ? "," : ""))
        .Line(13, "$parameter$");
  w.Line("}");
  auto body = w.Indent(8);
  w.Line("'给参数赋值");
  for (std::size_t n = 0; n < members.size(); ++n)
    w.Set("n", static_cast<int>(n))
        .Set("comment", members[n].memberComment)
        .Set("m", members[n].memberName)
        .Lines(R"(
'$comment$
    parm($n$).Value = $O$.$m$
)");
  w.Blank().Line("'执行sql进行添加").Line(kExecuteChange);
  EndFunction(w);
  return w.Take();
}

namespace {

// A string's line stands one space further in than the others'.
void ReadLine(TCodeWriter& w, const TDalClass& c, const TMember& m) {
  w.Set("target", c.objName + "." + m.memberName).Set("field", "DataRead(" + VbQuoted(m.memberName) + ")");
  switch (KindOf(m)) {
    case TMemberKind::String: w.Line(13, "$target$ = $field$.ToString()"); return;
    case TMemberKind::Picture: w.Line(12, "$target$ = DirectCast($field$, Byte())"); return;
    case TMemberKind::Integer: w.Line(12, "$target$ = Convert.ToInt32($field$)"); return;
    case TMemberKind::Float: w.Line(12, "$target$ = Single.Parse($field$.ToString())"); return;
    case TMemberKind::DateTime: w.Line(12, "$target$ = Convert.ToDateTime($field$.ToString())"); return;
    case TMemberKind::Reference:
      if (IsIntegerKey(RequireReferencedKey(*c.project, c.className, m)))
        w.Line(12, "$target$ = Convert.ToInt32($field$)");
      else
        w.Line(12, "$target$ = $field$.ToString()");
      return;
  }
}

}  // namespace

std::string BuildGetSome(const TDalClass& c) {
  const std::string& C = c.className;
  const std::string& K = c.key.memberName;
  TCodeWriter w;
  w.Set("K", K)
      .Set("f", c.friendName)
      .Set("getSome", VbNamer::Procedure(TProcedure::GetSome, C))
      .Set("param", c.keyParam)
      .Set("keyType", IsIntegerKey(c.key) ? "Integer" : "String")
      .Set("C", C)
      .Set("select", "select * from " + Name(C) + " where " + Name(K) + "=@" + K)
      .Set("parameter", ParameterEntry(K, KeyParameterType(c)))
      .Set("O", c.objName)
      .Set("result", c.returnName)
      .Lines(R"(
    '根据$K$获取某条$f$记录
    Public Shared Function $getSome$(ByVal $param$ As $keyType$) As Model.$C$
        '构建查询sql
        Dim sql As String = "$select$"
        Dim DataRead As SqlDataReader = DBHelp.ExecuteReader(sql, New SqlParameter() {$parameter$ With {.Value = $param$}})
        Dim $O$ As New Model.$C$()
        '如果查询存在记录，就包装到对象中返回
        If DataRead.Read() Then
)");
  for (const auto& m : c.project->GetMembers(c.classId)) ReadLine(w, c, m);
  w.Lines(R"(
        End If
        DataRead.Close()
        Return $result$
)");
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
  w.Set("f", c.friendName)
      .Set("edit", VbNamer::Procedure(TProcedure::Edit, C))
      .Set("O", O)
      .Set("C", C)
      .Set("update", "update " + Name(C) + " set " + assignments + " where " + Name(K) + "=@" + K)
      .Set("parameters", parameters)
      .Lines(R"(
    '更新$f$实现
    Public Shared Function $edit$(ByVal $O$ As Model.$C$) As Boolean
        Dim sql As String = "$update$"
        '构建sql参数信息
        Dim parm As SqlParameter() = New SqlParameter() {
$parameters$
        '为参数赋值
)");
  auto body = w.Indent(8);
  for (std::size_t n = 0; n < members.size(); ++n)
    w.Set("n", static_cast<int>(n)).Set("m", members[n].memberName).Line("parm($n$).Value = $O$.$m$");
  w.Set("n", static_cast<int>(members.size())).Set("m", K).Lines(R"(
parm($n$).Value = $O$.$m$
'执行更新
)");
  w.Line(kExecuteChange);
  EndFunction(w);
  return w.Take();
}

std::string BuildDel(const TDalClass& c) {
  TCodeWriter w;
  w.Set("f", c.friendName)
      .Set("del", VbNamer::Procedure(TProcedure::Del, c.className))
      .Set("type", KeyParameterType(c))
      .Set("delete", "delete from " + Name(c.className) + " where " + Name(c.key.memberName) + " in (")
      .Lines(R"vb(
    '删除$f$
    Public Shared Function $del$(ByVal p As String) As Boolean
)vb");
  // A text key may hold a comma: such keys come one by one through an
  // overload, and the comma-separated list is only split into them.
  if (IsIntegerKey(c.key))
    w.Lines(R"vb(
        Dim sql As String = ""
        Dim ids As String() = p.Split(","c)
)vb");
  else
    w.Lines(R"vb(
        Return $del$(p.Split(","c))
    End Function

    '删除$f$：主键逐个给出，可含逗号和单引号
    Public Shared Function $del$(ByVal ids As String()) As Boolean
        If ids.Length = 0 Then Return False
        Dim sql As String = ""
)vb");
  // Each key goes into the in-list as a parameter of its own.
  w.Lines(R"vb(
        Dim parm(ids.Length - 1) As SqlParameter
        For i As Integer = 0 To ids.Length - 1
            If i <> ids.Length - 1 Then
                sql += "@p" & i & ","
            Else
                sql += "@p" & i
            End If
            parm(i) = new SqlParameter("@p" & i,SqlDbType.$type$)
            parm(i).Value = ids(i)
        Next
        sql = "$delete$" & sql & ")"
        Return If(((DBHelp.ExecuteNonQuery(sql, parm)) > 0), True, False)
)vb");
  EndFunction(w);
  return w.Take();
}

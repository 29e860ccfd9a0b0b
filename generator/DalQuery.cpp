// The functions of a data-access class that read many records.
#include "generator/DalClass.h"
#include "generator/MemberKind.h"
#include "generator/VbNames.h"

namespace {

const std::string q = Q;

// The referenced classes joined into the paged query, so that a referenced
// record shows its display member instead of the stored key.
struct TJoin {
  std::string columns;
  std::string tables;
  std::string conditions;
};

TJoin Joins(const TDalClass& c) {
  TJoin join;
  for (const auto& m : c.project->GetReferenceMembers(c.classId)) {
    const std::string& R = m.memberType;
    const std::string RK = RequireReferencedKey(*c.project, c.className, m).memberName;
    const std::string RD = RequireReferencedDisplay(*c.project, c.className, m).memberName;
    join.columns += "," + R + "." + RD;
    join.tables += "," + R;
    join.conditions += " and  " + c.className + "." + m.memberName + "=" + R + "." + RK;
  }
  return join;
}

std::string ShowColumn(const TDalClass& c, const TMember& m) {
  const std::string alias = " as " + m.memberComment;
  switch (KindOf(m)) {
    case TMemberKind::DateTime: return "convert(char(11)," + m.memberName + ",20)" + alias;
    case TMemberKind::Reference: return RequireReferencedDisplay(*c.project, c.className, m).memberName + alias;
    default: return m.memberName + alias;
  }
}

std::string ShowList(const TDalClass& c) {
  std::string show = c.key.memberName + " as " + c.key.memberComment + ",";
  const TMemberList members = c.project->GetQueryDisplayMembers(c.classId);
  for (std::size_t k = 0; k < members.size(); ++k)
    show += ShowColumn(c, members[k]) + (k + 1 < members.size() ? "," : "");
  return show;
}

void CatchAndRethrow(TCodeWriter& w) {
  w.Line(8, "Catch ex As Exception");
  w.Line(12, "Throw ex");
  w.Line(8, "End Try");
  EndFunction(w);
}

}  // namespace

std::string BuildGet(const TDalClass& c) {
  const std::string& C = c.className;
  const std::string& K = c.key.memberName;
  const TJoin join = Joins(c);
  const std::string pager = IsIntegerKey(c.key) ? "ExecutePager" : "ExecutePagerWhenPrimaryIsString";
  TCodeWriter w;
  w.Line(4, "'查询图书");
  w.Line(4, "Public Shared Function " + ProcedureName("Get", C) +
                "(ByVal PageIndex As Integer, ByVal PageSize As Integer, ByRef PageCount As Integer, ByRef "
                "RecordCount As Integer, ByVal strWhere As String) As System.Data.DataTable");
  w.Line(8, "Try");
  w.Line(12, "Dim strSql As String = " + q + " select " + C + ".*" + join.columns + " from " + C + join.tables +
                 " where 1=1" + join.conditions + q);
  w.Line(12, "Dim strShow As String = " + q + VbLiteral(ShowList(c)) + q);
  w.Line(12, "Return DAL.DBHelp." + pager + "(PageIndex, PageSize, " + q + K + q + ", strShow, strSql, strWhere, " + q +
                 " " + K + " asc " + q + ", PageCount, RecordCount)");
  CatchAndRethrow(w);
  return w.Take();
}

std::string BuildGetAll(const TDalClass& c) {
  TCodeWriter w;
  w.Line(4, "Public Shared Function " + ProcedureName("getAll", c.className) + "() As DataSet");
  w.Line(8, "Try");
  w.Line(12, "Dim strSql As String = " + q + "select * from " + c.className + q);
  w.Line(12, "Return DBHelp.ExecuteDataSet(strSql, Nothing)");
  CatchAndRethrow(w);
  return w.Take();
}

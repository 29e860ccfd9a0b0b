// The functions of a data-access class that read many records.
#include <algorithm>
#include <map>
#include <vector>

#include "generator/vb/tiers/DalClass.h"
#include "metadata/ReferencedKey.h"
#include "generator/naming/SqlNames.h"
#include "generator/naming/VbNamer.h"
#include "metadata/NameRules.h"

namespace {

using sql_names::Name;

bool Taken(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(),
                     [&](const std::string& other) { return name_rules::EqualsIgnoringCase(other, name); });
}

// The referenced classes joined into the paged query, so that a referenced
// record shows its display member instead of the stored key. A class joined
// a second time (or the class itself) gets an alias per member, and a display
// column named like a column already selected gets an alias, so that the
// selection names each table and each column once.
struct TJoin {
  std::string columns;
  std::string tables;
  std::string conditions;
  std::map<std::string, std::string> shownColumn;  // reference member: its display column in the selection
};

TJoin Joins(const TDalClass& c) {
  TJoin join;
  const TMemberList references = c.project->GetReferenceMembers(c.classId);
  std::vector<std::string> tables = {c.className};
  for (const auto& m : references) tables.push_back(m.memberType);
  std::vector<std::string> columns;
  for (const auto& m : c.project->GetMembers(c.classId)) columns.push_back(m.memberName);

  std::vector<std::string> joined = {c.className};
  for (const auto& m : references) {
    const std::string& R = m.memberType;
    const std::string RK = RequireReferencedKey(*c.project, c.className, m).memberName;
    const std::string RD = RequireReferencedDisplay(*c.project, c.className, m).memberName;
    std::string table = R;
    if (Taken(joined, R)) {
      table = sql_names::Unused(m.memberName, tables);
      tables.push_back(table);
      join.tables += "," + Name(R) + " as " + Name(table);
    } else {
      join.tables += "," + Name(R);
    }
    joined.push_back(table);
    std::string column = RD;
    join.columns += "," + Name(table) + "." + Name(RD);
    if (Taken(columns, RD)) {
      column = sql_names::Unused(m.memberName + "_" + RD, columns);
      join.columns += " as " + Name(column);
    }
    columns.push_back(column);
    join.shownColumn[m.memberName] = column;
    join.conditions += " and  " + Name(c.className) + "." + Name(m.memberName) + "=" + Name(table) + "." + Name(RK);
  }
  return join;
}

// The query grid's columns, each named by its caption; an empty caption
// leaves the column's own name, and a name met before gets a number, since
// the pager selects from the list as from a table.
class TShowList {
 public:
  void Add(const std::string& expression, const std::string& ownName, const std::string& caption) {
    const std::string name = sql_names::Unused(caption.empty() ? ownName : caption, names_);
    names_.push_back(name);
    const bool named = !ownName.empty() && name == ownName && expression == Name(ownName);
    text_ += (text_.empty() ? "" : ",") + expression + (named ? "" : " as " + Name(name));
  }
  const std::string& Text() const { return text_; }

 private:
  std::vector<std::string> names_;
  std::string text_;
};

std::string ShowList(const TDalClass& c, const TJoin& join) {
  TShowList show;
  show.Add(Name(c.key.memberName), c.key.memberName, c.key.memberComment);
  for (const auto& m : c.project->GetQueryDisplayMembers(c.classId)) {
    switch (KindOf(m)) {
      case TMemberKind::DateTime:
        show.Add("convert(char(11)," + Name(m.memberName) + ",20)", m.memberName, m.memberComment);
        break;
      case TMemberKind::Reference: {
        const std::string& column = join.shownColumn.at(m.memberName);
        show.Add(Name(column), column, m.memberComment);
        break;
      }
      case TMemberKind::String:
      case TMemberKind::Integer:
      case TMemberKind::Float:
      case TMemberKind::Picture: show.Add(Name(m.memberName), m.memberName, m.memberComment); break;
    }
  }
  // The list keeps its trailing comma when the key is its only column.
  return show.Text() + (c.project->GetQueryDisplayMembers(c.classId).empty() ? "," : "");
}

void CatchAndRethrow(TCodeWriter& w) {
  w.Lines(R"(
        Catch ex As Exception
            Throw ex
        End Try
)");
  EndFunction(w);
}

}  // namespace

// The comment has always named the sample class.
std::string BuildGet(const TDalClass& c) {
  const std::string& C = c.className;
  const std::string& K = c.key.memberName;
  const TJoin join = Joins(c);
  TCodeWriter w;
  w.Set("get", VbNamer::Procedure(TProcedure::Get, C))
      .Set("select", VbQuoted(" select " + Name(C) + ".*" + join.columns + " from " + Name(C) + join.tables +
                              " where 1=1" + join.conditions))
      .Set("show", VbQuoted(ShowList(c, join)))
      .Set("pager", IsIntegerKey(c.key) ? "ExecutePager" : "ExecutePagerWhenPrimaryIsString")
      .Set("key", VbQuoted(Name(K)))
      .Set("order", VbQuoted(" " + Name(K) + " asc "))
      .Lines(R"(
    '查询图书
    Public Shared Function $get$(ByVal PageIndex As Integer, ByVal PageSize As Integer, ByRef PageCount As Integer, ByRef RecordCount As Integer, ByVal strWhere As String) As System.Data.DataTable
        Try
            Dim strSql As String = $select$
            Dim strShow As String = $show$
            Return DAL.DBHelp.$pager$(PageIndex, PageSize, $key$, strShow, strSql, strWhere, $order$, PageCount, RecordCount)
)");
  CatchAndRethrow(w);
  return w.Take();
}

std::string BuildGetAll(const TDalClass& c) {
  TCodeWriter w;
  w.Set("getAll", VbNamer::Procedure(TProcedure::GetAll, c.className))
      .Set("select", VbQuoted("select * from " + Name(c.className)))
      .Lines(R"(
    Public Shared Function $getAll$() As DataSet
        Try
            Dim strSql As String = $select$
            Return DBHelp.ExecuteDataSet(strSql, Nothing)
)");
  CatchAndRethrow(w);
  return w.Take();
}

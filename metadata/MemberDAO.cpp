#include "metadata/MemberDAO.h"

#include "metadata/ClassDAO.h"

namespace {

TSqlValue Num(int n) { return std::int64_t{n}; }

// A row of t_member, from a read result set or a running selection alike.
template <typename TRow>
TMember FromRow(const TRow& rs) {
  TMember m;
  m.memberId = static_cast<int>(rs.GetInt("memberId"));
  m.projectId = static_cast<int>(rs.GetInt("projectId"));
  m.classId = static_cast<int>(rs.GetInt("classId"));
  m.memberName = rs.GetStr("memberName");
  m.memberType = rs.GetStr("memberType");
  m.memberLength = static_cast<int>(rs.GetInt("memberLength"));
  m.memberIsPri = static_cast<int>(rs.GetInt("memberIsPri"));
  m.memberComment = rs.GetStr("memberComment");
  m.memberIsMust = static_cast<int>(rs.GetInt("memberIsMust"));
  m.memberIsInteger = static_cast<int>(rs.GetInt("memberIsInteger"));
  m.memberIsFloat = static_cast<int>(rs.GetInt("memberIsFloat"));
  m.queryFlag = static_cast<int>(rs.GetInt("queryFlag"));
  m.memberIsDisplay = static_cast<int>(rs.GetInt("memberIsDisplay"));
  m.memberQueryDisplay = static_cast<int>(rs.GetInt("memberQueryDisplay"));
  return m;
}

const char* const kUpdate =
    "update t_member set memberName=?,memberType=?,memberLength=?,memberIsPri=?,memberComment=?,memberIsMust=?,"
    "memberIsInteger=?,memberIsFloat=?,queryFlag=?,memberIsDisplay=?,memberQueryDisplay=? where memberId=?";

TSqlParams UpdateParams(const TMember& m) {
  return {m.memberName,      m.memberType,         Num(m.memberLength),  Num(m.memberIsPri),
          m.memberComment,   Num(m.memberIsMust),  Num(m.memberIsInteger), Num(m.memberIsFloat),
          Num(m.queryFlag),  Num(m.memberIsDisplay), Num(m.memberQueryDisplay), Num(m.memberId)};
}

}  // namespace

int TMemberDAO::AddMember(const TMember& m) const {
  return static_cast<int>(db_.Insert(
      "insert into t_member(projectId,classId,memberName,memberType,memberLength,memberIsPri,memberComment,"
      "memberIsMust,memberIsInteger,memberIsFloat,queryFlag,memberIsDisplay,memberQueryDisplay) "
      "values (?,?,?,?,?,?,?,?,?,?,?,?,?)",
      {Num(m.projectId), Num(m.classId), m.memberName, m.memberType, Num(m.memberLength), Num(m.memberIsPri),
       m.memberComment, Num(m.memberIsMust), Num(m.memberIsInteger), Num(m.memberIsFloat), Num(m.queryFlag),
       Num(m.memberIsDisplay), Num(m.memberQueryDisplay)}));
}

void TMemberDAO::UpdateMember(const TMember& m) const { db_.ExecSql(kUpdate, UpdateParams(m)); }

void TMemberDAO::DeleteMember(int memberId) const {
  db_.ExecSql("delete from t_member where memberId=?", {Num(memberId)});
}

void TMemberDAO::Swap(int a, int b) const {
  TDbHelper::InTransaction([&] {
    auto ma = GetMember(a);
    auto mb = GetMember(b);
    if (!ma || !mb) throw TDbError("成员不存在，无法交换: " + std::to_string(ma ? b : a));
    ma->memberId = b;
    mb->memberId = a;
    UpdateMember(*ma);
    UpdateMember(*mb);
  });
}

TMemberList TMemberDAO::Select(const std::string& sql, const TSqlParams& params) const {
  TMemberList list;
  db_.ForEachRow(sql, params, [&](const TRowReader& row) { list.push_back(FromRow(row)); });
  return list;
}

std::optional<TMember> TMemberDAO::SelectOne(const std::string& sql, const TSqlParams& params) const {
  auto rs = db_.OpenQuery(sql, params);
  rs.First();
  if (rs.Eof()) return std::nullopt;
  return FromRow(rs);
}

TMemberList TMemberDAO::GetMembers(int classId) const {
  return Select("select * from t_member where classId=? order by memberId", {Num(classId)});
}

TMemberList TMemberDAO::GetPictureMembers(int classId) const {
  return Select("select * from t_member where memberType='图片型' and classId=? order by memberId", {Num(classId)});
}

TMemberList TMemberDAO::GetReferenceMembers(int classId) const {
  return Select(
      "select * from t_member where memberType<>'字符串' and memberType<>'整型' and memberType<>'浮点型' and "
      "memberType<>'日期型' and memberType<>'图片型' and classId=? order by memberId",
      {Num(classId)});
}

TMemberList TMemberDAO::GetQueryDisplayMembers(int classId) const {
  return Select(
      "select * from t_member where memberQueryDisplay = 1 and memberIsPri = 0 and classId=? order by memberId",
      {Num(classId)});
}

TMemberList TMemberDAO::GetNonKeyMembers(int classId) const {
  return Select("select * from t_member where memberIsPri=0 and classId=? order by memberId", {Num(classId)});
}

TMemberList TMemberDAO::GetProjectMembers(int projectId) const {
  TMemberList list;
  ForEachProjectMember(projectId, [&](TMember&& member) { list.push_back(std::move(member)); });
  return list;
}

void TMemberDAO::ForEachProjectMember(int projectId, const std::function<void(TMember&&)>& each) const {
  db_.ForEachRow(
      "select * from t_member where classId in (select classId from t_class where projectId=?) "
      "order by classId, memberId",
      {Num(projectId)}, [&](const TRowReader& row) { each(FromRow(row)); });
}

std::optional<TMember> TMemberDAO::GetMember(int memberId) const {
  return SelectOne("select * from t_member where memberId=?", {Num(memberId)});
}

std::optional<TMember> TMemberDAO::GetKeyMember(int classId) const {
  return SelectOne("select * from t_member where memberIsPri=1 and classId=? order by memberId", {Num(classId)});
}

std::optional<TMember> TMemberDAO::GetDisplayMember(int projectId, const std::string& className) const {
  const int classId = TClassDAO().GetClassId(projectId, className);
  return SelectOne("select * from t_member where memberIsDisplay=1 and projectId=? and classId=? order by memberId",
                   {Num(projectId), Num(classId)});
}

std::optional<TMember> TMemberDAO::GetKeyMemberOf(int projectId, const std::string& className) const {
  const int classId = TClassDAO().GetClassId(projectId, className);
  return SelectOne("select * from t_member where memberIsPri=1 and projectId=? and classId=? order by memberId",
                   {Num(projectId), Num(classId)});
}

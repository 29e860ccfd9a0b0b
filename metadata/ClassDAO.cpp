#include "metadata/ClassDAO.h"

namespace {
TSqlValue Id(int id) { return std::int64_t{id}; }
}  // namespace

std::string TClassDAO::GetClassName(int classId) const {
  return db_.GetStr("select className from t_class where classId=?", {Id(classId)});
}

std::string TClassDAO::GetFriendName(int classId) const {
  return db_.GetStr("select friendName from t_class where classId=?", {Id(classId)});
}

int TClassDAO::GetFrontShowFlag(int classId) const {
  return static_cast<int>(db_.GetInt("select frontShowFlag from t_class where classId=?", {Id(classId)}));
}

int TClassDAO::GetClassId(int projectId, const std::string& className) const {
  return static_cast<int>(db_.GetInt(
      "select classId from t_class where projectId=? and className=? order by classId", {Id(projectId), className}));
}

int TClassDAO::GetProjectId(int classId) const {
  return static_cast<int>(db_.GetInt("select projectId from t_class where classId=?", {Id(classId)}));
}

int TClassDAO::CountByName(int projectId, const std::string& className, int exceptClassId) const {
  return static_cast<int>(db_.GetInt("select count(*) from t_class where projectId=? and className=? and classId<>?",
                                     {Id(projectId), className, Id(exceptClassId)}));
}

bool TClassDAO::IsOtherClass(int projectId, int classId, const std::string& className) const {
  // The store's comparison finds the candidates through the name index; a type names its class exactly.
  auto rs = db_.OpenQuery("select className from t_class where projectId=? and className=? and classId<>?",
                          {Id(projectId), className, Id(classId)});
  for (rs.First(); !rs.Eof(); rs.Next())
    if (rs.GetStr("className") == className) return true;
  return false;
}

int TClassDAO::AddClass(int projectId, const std::string& className, const std::string& friendName,
                        int frontShowFlag) const {
  return static_cast<int>(
      db_.Insert("insert into t_class(projectId,className,friendName,frontShowFlag) values (?,?,?,?)",
                 {Id(projectId), className, friendName, Id(frontShowFlag)}));
}

void TClassDAO::UpdateClass(int projectId, int classId, const std::string& className, const std::string& friendName,
                            int frontShowFlag) const {
  TDbHelper::InTransaction([&] {
    const std::string oldName = GetClassName(classId);
    db_.ExecSql("update t_class set friendName=?,className=?,frontShowFlag=? where classId=?",
                {friendName, className, Id(frontShowFlag), Id(classId)});
    db_.ExecSql("update t_member set memberType=? where projectId=? and memberType=?",
                {className, Id(projectId), oldName});
  });
}

void TClassDAO::DeleteClass(int classId) const {
  db_.ExecBatch({{"delete from t_class where classId=?", {Id(classId)}},
                 {"delete from t_member where classId=?", {Id(classId)}}});
}

TClassList TClassDAO::GetClassList(int projectId) const {
  TClassList list;
  auto rs = db_.OpenQuery("select classId,className from t_class where projectId=? order by classId", {Id(projectId)});
  for (rs.First(); !rs.Eof(); rs.Next())
    list.push_back({rs.GetStr("className"), static_cast<int>(rs.GetInt("classId"))});
  return list;
}

TClassList TClassDAO::GetOtherClasses(int projectId, int classId) const {
  TClassList list;
  auto rs = db_.OpenQuery("select classId,className from t_class where classId<>? and projectId=? order by classId",
                          {Id(classId), Id(projectId)});
  for (rs.First(); !rs.Eof(); rs.Next())
    list.push_back({rs.GetStr("className"), static_cast<int>(rs.GetInt("classId"))});
  return list;
}

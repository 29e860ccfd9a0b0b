#include "metadata/ProjectDAO.h"

int TProjectDAO::CountByName(const std::string& projectName, int exceptProjectId) const {
  return static_cast<int>(db_.GetInt("select count(*) from t_project where projectName=? and projectId<>?",
                                     {projectName, std::int64_t{exceptProjectId}}));
}

int TProjectDAO::AddProject(const std::string& projectName) const {
  return static_cast<int>(db_.Insert("insert into t_project(projectName) values (?)", {projectName}));
}

void TProjectDAO::RenameProject(int projectId, const std::string& projectName) const {
  db_.ExecSql("update t_project set projectName=? where projectId=?", {projectName, std::int64_t{projectId}});
}

void TProjectDAO::DeleteProject(int projectId) const {
  const TSqlParams id = {std::int64_t{projectId}};
  // A member belongs to the project both through its own projectId and through its class.
  db_.ExecBatch({{"delete from t_member where projectId=? or classId in (select classId from t_class where projectId=?)",
                  {std::int64_t{projectId}, std::int64_t{projectId}}},
                 {"delete from t_class where projectId=?", id},
                 {"delete from t_setting where projectId=?", id},
                 {"delete from t_project where projectId=?", id}});
}

TNameList TProjectDAO::GetAll() const {
  TNameList list;
  auto rs = db_.OpenQuery("select projectId,projectName from t_project order by projectId");
  for (rs.First(); !rs.Eof(); rs.Next())
    list.push_back({rs.GetStr("projectName"), static_cast<int>(rs.GetInt("projectId"))});
  return list;
}

int TProjectDAO::GetProjectId(const std::string& projectName) const {
  return static_cast<int>(
      db_.GetInt("select projectId from t_project where projectName=? order by projectId", {projectName}));
}

std::string TProjectDAO::GetProjectName(int projectId) const {
  return db_.GetStr("select projectName from t_project where projectId=?", {std::int64_t{projectId}});
}

bool TProjectDAO::Exists(int projectId) const {
  return db_.GetInt("select count(*) from t_project where projectId=?", {std::int64_t{projectId}}) > 0;
}

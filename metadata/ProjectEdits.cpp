#include "metadata/ProjectEdits.h"

#include "metadata/EditTransaction.h"
#include "metadata/InputRules.h"
#include "metadata/ProjectDAO.h"
#include "metadata/SettingsDAO.h"
#include "metadata/Utf8Text.h"

namespace edits {

int AddProject(const std::string& name) {
  int projectId = 0;
  InEditTransaction([&] {
    utf8_text::Require(TInputField::ProjectName, name, "工程名称");
    input_rules::CheckNewProjectName(name);
    projectId = TProjectDAO().AddProject(name);
  });
  return projectId;
}

void RenameProject(int projectId, const std::string& name) {
  InEditTransaction([&] {
    RequireProject(projectId);
    utf8_text::Require(TInputField::ProjectName, name, "工程名称");
    input_rules::CheckProjectRename(projectId, name);
    TProjectDAO().RenameProject(projectId, name);
  });
}

void DeleteProject(int projectId) {
  InEditTransaction([&] {
    RequireProject(projectId);
    TProjectDAO().DeleteProject(projectId);
  });
}

void ChangeSettings(int projectId, const std::function<void(TGenerationSettings&)>& change) {
  InEditTransaction([&] {
    RequireProject(projectId);
    const TSettingsDAO dao;
    TGenerationSettings settings = dao.GetSettings(projectId);
    change(settings);
    dao.SaveSettings(projectId, settings);
  });
}

void RequireProject(int projectId) {
  if (!TProjectDAO().Exists(projectId)) throw TInputError(TInputField::Selection, "该工程已不存在!");
}

}  // namespace edits

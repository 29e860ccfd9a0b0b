#pragma once
// A home folder holding the smallest templates and resource folders a whole
// run reads (so that the tests do not depend on the shipped ones), projects
// stored straight through the access classes, and a listener that records
// what a run reports.

#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "generator/AutoCode.h"
#include "generator/DataSideProjects.h"
#include "metadata/ProjectDAO.h"
#include "platform/Platform.h"
#include "support/TempHome.h"

namespace generation {

namespace fs = std::filesystem;

inline constexpr const char* kBom = "\xEF\xBB\xBF";

class THome {
 public:
  THome() : temp_(false) {
    const fs::path t = dir() / "template";
    const fs::path ui = t / "project_name" / "project_name";
    WriteBytes(t / "project_name.sln", std::string(kBom) + "Solution $project_name ($project_name)\r\n");
    WriteBytes(ui / "My Project" / "Application.Designer.vb", std::string(kBom) + "Namespace $project_name\r\n");
    WriteBytes(ui / "My Project" / "Settings.Designer.vb", std::string(kBom) + "Settings\r\n");
    WriteBytes(t / "Model" / "Model.vbproj", std::string(kBom) + "<Project>\r\n$CompileString</Project>\r\n");
    WriteBytes(t / "BLL" / "BLL.vbproj", std::string(kBom) + "<Project>\r\n$CompileString</Project>\r\n");
    WriteBytes(t / "DAL" / "DAL.vbproj", std::string(kBom) + "<Project>\r\n$CompileString</Project>\r\n");
    WriteBytes(t / "project_name" / "project_name.vbproj",
               std::string(kBom) + "<Project $project_name>\r\n$CompileString$EmbeddedResourceString</Project>\r\n");
    WriteBytes(ui / u8"Frm主面.vb", std::string(kBom) + "$vbString\r\n");
    WriteBytes(ui / u8"Frm主面.designer.vb",
               std::string(kBom) + "$designerString1$designerString2$designerString3$designerString4\r\n");
    for (const char* resx : {"FrmAdd.resx", "FrmEdit.resx", "FrmQuery.resx"}) WriteBytes(ui / resx, "<root/>\r\n");

    const fs::path bak = dir() / "bak";
    WriteBytes(bak / "BLL" / "Readme.txt", "bll resource\r\n");
    WriteBytes(bak / "DAL" / "DBHelp.vb", "Public Class DBHelp\r\n");
    fs::create_directories(bak / "Model");
    WriteBytes(bak / "project_name" / "App.config", "<configuration/>\r\n");
    WriteBytes(bak / "project_name" / "pic" / "NoImage.jpg", "jpeg");
  }

  const fs::path& dir() const { return temp_.dir(); }
  fs::path Output(const std::string& relative) const { return dir() / "projects" / platform::PathFromUtf8(relative); }

  TRunSettings Settings(int projectId) const {
    TRunSettings settings;
    settings.home = dir();
    settings.projectId = projectId;
    for (const auto& p : TProjectDAO().GetAll())
      if (p.tag == projectId) settings.projectName = p.text;
    return settings;
  }

 private:
  TTempHome temp_;
};

using data_side::AddProject;

inline int AddClass(int projectId, const std::string& className,
                    std::initializer_list<data_side::TMemberSpec> members) {
  return data_side::AddClass(projectId, className, className + "信息", members);
}

// A class that passes every check: an integer key and a displayed name.
inline int AddPlainClass(int projectId, const std::string& className) {
  return AddClass(projectId, className,
                  {{"id", member_type::kInteger, "编号", 0, true},
                   {"name", member_type::kString, "名称", 20, false, true, true}});
}

// Records the run's reports; safe to fill from the run's thread.
class TRecorder : public IRunListener {
 public:
  void Progress(const std::string& line) override { Add(line); }
  void CheckFailed(const TCheckFailure& failure) override {
    Add("<check failed>");
    std::lock_guard lock(mutex_);
    failure_ = failure;
  }
  void Finished() override { Add("<finished>"); }
  void Failed(const std::string& error) override { Add("<failed> " + error); }

  std::vector<std::string> events() const {
    std::lock_guard lock(mutex_);
    return events_;
  }
  TCheckFailure failure() const {
    std::lock_guard lock(mutex_);
    return failure_;
  }

 private:
  void Add(const std::string& event) {
    std::lock_guard lock(mutex_);
    events_.push_back(event);
  }

  mutable std::mutex mutex_;
  std::vector<std::string> events_;
  TCheckFailure failure_{TCheckKind::PrimaryKey, 0, ""};
};

inline std::vector<std::string> RunProject(const THome& home, int projectId,
                                    TSourceEncoding encoding = TSourceEncoding::Gbk) {
  TRunSettings settings = home.Settings(projectId);
  settings.sourceEncoding = encoding;
  TRecorder recorder;
  TAutoCode(settings, recorder).Execute();
  return recorder.events();
}

}  // namespace generation

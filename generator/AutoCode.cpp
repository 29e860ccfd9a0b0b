#include "generator/AutoCode.h"

#include <optional>

#include "generator/BLLOperate.h"
#include "generator/DALOperate.h"
#include "generator/EntityOperate.h"
#include "generator/FileOperate.h"
#include "generator/UIOperate.h"
#include "metadata/ClassDAO.h"
#include "metadata/MemberDAO.h"

namespace {

std::string ClassNameIn(const TClassList& list, int classId) {
  for (const auto& entry : list)
    if (entry.tag == classId) return entry.text;
  return TClassDAO().GetClassName(classId);
}

// The two checks of every class, then every reference must name a class of the
// project that has a key member; the first fault found is returned.
std::optional<TCheckFailure> CheckClasses(int projectId, const TClassList& list) {
  const TClassDAO classDao;
  std::optional<TCheckFailure> failure;
  const auto fail = [&](TCheckKind kind, const char* message) {
    return [&failure, &list, kind, message](int classId) {
      failure = TCheckFailure{kind, classId, ClassNameIn(list, classId) + message};
    };
  };
  if (!classDao.CheckPrimaryKeys(list, fail(TCheckKind::PrimaryKey, "表主键设置错误，每个类只能设置一个主键!")))
    return failure;
  if (!classDao.CheckDisplayMembers(list,
                                    fail(TCheckKind::Display, "表显示成员设置错误，每个类有且只能设置一个显示成员!")))
    return failure;

  const TMemberDAO memberDao;
  for (const auto& entry : list) {
    for (const auto& member : memberDao.GetReferenceMembers(entry.tag)) {
      if (memberDao.GetKeyMemberOf(projectId, member.memberType)) continue;
      const std::string where = entry.text + "类的成员" + member.memberName + "引用的类" + member.memberType;
      const bool classExists = classDao.GetClassId(projectId, member.memberType) > 0;
      return TCheckFailure{TCheckKind::Reference, entry.tag,
                           where + (classExists ? "没有主键，请为该类设置一个主键!"
                                                : "不存在，请修改该成员的类型!")};
    }
  }
  return std::nullopt;
}

void WriteFromTemplate(const TGenContext& context, const std::string& templatePath,
                       const std::filesystem::path& folder, const std::string& outputPath) {
  const std::string text = ReplaceAll(context.ReadTemplate(templatePath), "$project_name", context.projectName);
  context.SaveUtf8(folder, outputPath, text);
  context.Progress(outputPath + "生成完毕");
}

}  // namespace

TAutoCode::TAutoCode(TRunSettings settings, IRunListener& listener)
    : settings_(std::move(settings)), listener_(listener) {}

std::thread TAutoCode::Start(TRunSettings settings, IRunListener& listener) {
  return std::thread([settings = std::move(settings), &listener]() mutable {
    TAutoCode(std::move(settings), listener).Execute();
  });
}

void TAutoCode::Execute() {
  TGenContext context;
  context.home = settings_.home;
  context.projectName = settings_.projectName;
  context.projectId = settings_.projectId;
  context.nameSpace = settings_.nameSpace;
  context.sourceEncoding = settings_.sourceEncoding;
  context.progress = [this](const std::string& line) { listener_.Progress(line); };

  std::optional<TCheckFailure> failure;
  try {
    const TClassList list = TClassDAO().GetClassList(context.projectId);
    failure = CheckClasses(context.projectId, list);
    if (!failure) {
      TEntityOperate::GenerateModel(context, list);
      TBLLOperate::GenerateBll(context, list);
      TDALOperate::GenerateDal(context, list);
      TUIOperate(context).GenerateUI(list);

      CopyResources(context);
    }
  } catch (const std::exception& error) {
    listener_.Failed(error.what());
    return;
  } catch (...) {
    listener_.Failed("未知错误");
    return;
  }
  if (failure)
    listener_.CheckFailed(*failure);
  else
    listener_.Finished();
}

void TAutoCode::CopyResources(const TGenContext& context) {
  const std::string& p = context.projectName;
  const std::filesystem::path bak = context.home / "bak";
  const std::filesystem::path solution = context.SolutionFolder();
  const std::string root = "projects/" + p + "/";

  context.Progress("正在移动资源文件。。。");
  TFileOperate::CopyFolder(bak / "BLL", solution / "BLL", true);
  TFileOperate::CopyFolder(bak / "DAL", solution / "DAL", true);
  TFileOperate::CopyFolder(bak / "Model", solution / "Model", true);
  TFileOperate::CopyFolder(bak / "project_name", solution / p, true);
  WriteFromTemplate(context, "template/project_name.sln", solution, root + p + ".sln");
  const std::filesystem::path myProject = solution / p / "My Project";
  WriteFromTemplate(context, "template/project_name/project_name/My Project/Application.Designer.vb", myProject,
                    root + p + "/My Project/Application.Designer.vb");
  WriteFromTemplate(context, "template/project_name/project_name/My Project/Settings.Designer.vb", myProject,
                    root + p + "/My Project/Settings.Designer.vb");
  context.Progress("移动资源文件完毕!");
}

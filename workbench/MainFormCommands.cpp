// The edit commands of the main window: projects, classes and members.
#include <QComboBox>
#include <QListWidget>

#include "metadata/ClassEdits.h"
#include "metadata/MemberEdits.h"
#include "metadata/ProjectEdits.h"
#include "workbench/FormAddClass.h"
#include "workbench/FormAddMember.h"
#include "workbench/FormUpdateClass.h"
#include "workbench/FormUpdateMember.h"
#include "workbench/Guard.h"
#include "workbench/MainForm.h"
#include "workbench/MemberGrid.h"

namespace {

// Runs an edit of a row another program may have removed since the lists were
// filled; when it has, reload reads them again before the edits' message shows.
template <typename Edit, typename Reload>
void OnListedRow(Edit&& edit, Reload&& reload) {
  try {
    edit();
  } catch (const TInputError&) {
    reload();
    throw;
  }
}

}  // namespace

void TFormMain::F2Click() {
  Guarded(prompt_, this, [this] {
    const QString name = prompt_.Input(this, QStringLiteral("请输入工程名称"), QString(), QString());
    edits::AddProject(name.toStdString());
    LoadProjects();
    ShowMessage("工程名称添加成功！");
  });
}

void TFormMain::N1Click() {
  Guarded(prompt_, this, [this] {
    const int projectId = SelectedProjectId();
    if (projectId < 0) return ShowMessage("当前未有任何项目被选中!");
    const QString name = prompt_.Input(this, QStringLiteral("请输入项目名称"), QString(), QString());
    edits::RenameProject(projectId, name.toStdString());
    projectIndex_ = CB_Project->currentIndex();
    ShowMessage("工程名称修改成功！");
    LoadProjects();
  });
}

void TFormMain::D1Click() {
  Guarded(prompt_, this, [this] {
    const int projectId = SelectedProjectId();
    if (projectId < 0) return ShowMessage("未有任何项目被选中!");
    if (!prompt_.Confirm(this, QStringLiteral("确认删除当前项目吗?"), QStringLiteral("删除提示"))) return;
    OnListedRow([&] { edits::DeleteProject(projectId); }, [this] { projectIndex_ = -1, LoadProjects(); });
    projectIndex_ = -1;
    ShowMessage("删除成功!");
    LoadProjects();
  });
}

void TFormMain::A2Click() {
  Guarded(prompt_, this, [this] {
    if (SelectedProjectId() < 0) return ShowMessage("当前未有任何项目被选中!");
    TAddClassForm(*this).exec();
  });
}

void TFormMain::N2Click() {
  Guarded(prompt_, this, [this] {
    const int classId = SelectedClassId();
    if (classId < 0) return ShowMessage("没有类被选中!");
    TUpdateClassForm form(*this);
    form.SetClassId(classId);
    form.exec();
  });
}

void TFormMain::S1Click() {
  Guarded(prompt_, this, [this] {
    const int classId = SelectedClassId();
    if (classId < 0) return ShowMessage("没有类被选中!");
    if (!prompt_.Confirm(this, QStringLiteral("确认删除此类对象！"), QStringLiteral("提示"))) return;
    OnListedRow([&] { edits::DeleteClass(classId); }, [this] { LoadClasses(SelectedProjectId()); });
    fillingClasses_ = true;
    delete LB_Object->takeItem(LB_Object->currentRow());
    LB_Object->setCurrentRow(-1);
    LB_Object->clearSelection();
    fillingClasses_ = false;
    LV_Member->Clear();
    ShowMessage("类对象删除成功!");
  });
}

void TFormMain::M1Click() {
  Guarded(prompt_, this, [this] {
    if (SelectedClassId() < 0) return ShowMessage("请先选择类对象");
    TAddMemberForm(*this).exec();
  });
}

void TFormMain::N3Click() {
  Guarded(prompt_, this, [this] {
    const std::vector<int> rows = LV_Member->SelectedRows();
    if (rows.empty()) return ShowMessage("请先选择一个成员");
    const int memberId = LV_Member->MemberIdAt(rows.front());
    OnListedRow([&] { edits::RequireMember(memberId); }, [this] { LoadMembers(SelectedClassId()); });
    TUpdateMemberForm(*this, memberId).exec();
  });
}

void TFormMain::C1Click() {
  Guarded(prompt_, this, [this] {
    const std::vector<int> rows = LV_Member->SelectedRows();
    if (rows.empty()) return ShowMessage("请先选择一个成员");
    if (!prompt_.Confirm(this, QStringLiteral("确定删除当前成员属性?"), QStringLiteral("删除提示"))) return;
    const int memberId = LV_Member->MemberIdAt(rows.front());
    OnListedRow([&] { edits::DeleteMember(memberId); }, [this] { LoadMembers(SelectedClassId()); });
    ShowMessage("成员属性删除成功");
    LoadMembers(SelectedClassId());
  });
}

void TFormMain::E1Click() {
  Guarded(prompt_, this, [this] {
    const std::vector<int> rows = LV_Member->SelectedRows();
    if (rows.size() != 2) return ShowMessage("请选中2条记录!");
    edits::SwapMembers(LV_Member->MemberIdAt(rows[0]), LV_Member->MemberIdAt(rows[1]));
    LoadMembers(SelectedClassId());
  });
}

void TFormMain::N5Click() { MoveMember(-1); }

void TFormMain::L1Click() { MoveMember(+1); }

// Moves the first selected member one place by exchanging it with its neighbour.
void TFormMain::MoveMember(int offset) {
  Guarded(prompt_, this, [&] {
    const std::vector<int> rows = LV_Member->SelectedRows();
    if (rows.empty()) return ShowMessage("请先选择一个成员");
    edits::MoveMember(LV_Member->MemberIdAt(rows.front()), offset);
    LoadMembers(SelectedClassId());
  });
}

void TFormMain::CB_ProjectChange() {
  Guarded(prompt_, this, [this] {
    LV_Member->Clear();
    if (SelectedProjectId() >= 0) LoadClasses(SelectedProjectId());
  });
}

void TFormMain::LB_ObjectClick() {
  Guarded(prompt_, this, [this] {
    if (SelectedClassId() >= 0) LoadMembers(SelectedClassId());
  });
}

void TFormMain::LV_MemberDblClick() {
  if (SelectedClassId() >= 0 && LV_Member->SelectedRows().empty())
    M1Click();
  else
    N3Click();
}

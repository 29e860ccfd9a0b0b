// The three lists of the main window and what is selected in them.
#include <QComboBox>
#include <QListWidget>

#include "metadata/ClassDAO.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectDAO.h"
#include "workbench/MainForm.h"
#include "workbench/MemberGrid.h"

void TFormMain::LoadProjects() {
  CB_Project->clear();
  for (const TListEntry& project : TProjectDAO().GetAll())
    CB_Project->addItem(QString::fromStdString(project.text), project.tag);
  ClearClasses();
  if (CB_Project->count() > 0) {
    const bool keep = projectIndex_ != -1 && projectIndex_ < CB_Project->count();
    CB_Project->setCurrentIndex(keep ? projectIndex_ : 0);
    LoadClasses(SelectedProjectId());
  }
}

void TFormMain::LoadClasses(int projectId) {
  ClearClasses();
  fillingClasses_ = true;
  for (const TListEntry& entry : TClassDAO().GetClassList(projectId)) {
    auto* item = new QListWidgetItem(QString::fromStdString(entry.text), LB_Object);
    item->setData(Qt::UserRole, entry.tag);
  }
  if (LB_Object->count() > 0) LB_Object->setCurrentRow(0);
  fillingClasses_ = false;
  if (LB_Object->count() > 0) LoadMembers(SelectedClassId());
}

void TFormMain::LoadMembers(int classId) { LV_Member->Fill(TMemberDAO().GetMembers(classId)); }

// The grid only ever shows the members of the selected class: rows of a class
// that is no longer listed would lead the member commands astray.
void TFormMain::ClearClasses() {
  fillingClasses_ = true;
  LB_Object->clear();
  fillingClasses_ = false;
  LV_Member->Clear();
}

int TFormMain::SelectedProjectId() const {
  return CB_Project->currentIndex() < 0 ? -1 : CB_Project->currentData().toInt();
}

QString TFormMain::SelectedProjectName() const { return CB_Project->currentText(); }

int TFormMain::SelectedClassId() const {
  const QListWidgetItem* item = LB_Object->currentItem();
  return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
}

QString TFormMain::SelectedClassName() const {
  const QListWidgetItem* item = LB_Object->currentItem();
  return item && item->isSelected() ? item->text() : QString();
}

void TFormMain::SetSelectedClassName(const QString& className) {
  if (QListWidgetItem* item = LB_Object->currentItem()) item->setText(className);
}

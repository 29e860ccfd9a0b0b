#include "Workbench.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "metadata/ClassDAO.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectDAO.h"

// The start-up timer would open the about page in the middle of a slow test.
void TWorkbench::Start() {
  window = std::make_unique<TFormMain>(home.dir(), prompt, shell);
  Find<QTimer>("Timer1")->stop();
}

TWorkbench::~TWorkbench() { window.reset(); }

QStringList TWorkbench::ProjectNames() const {
  QStringList names;
  for (int i = 0; i < Projects()->count(); ++i) names << Projects()->itemText(i);
  return names;
}

QStringList TWorkbench::ClassNames() const {
  QStringList names;
  for (int i = 0; i < Classes()->count(); ++i) names << Classes()->item(i)->text();
  return names;
}

QStringList TWorkbench::GridColumn(int column) const {
  QStringList cells;
  for (int row = 0; row < Grid()->rowCount(); ++row) cells << Grid()->Cell(row, column);
  return cells;
}

void TWorkbench::SelectRows(std::initializer_list<int> rows) const {
  Grid()->clearSelection();
  for (int row : rows)
    Grid()->selectionModel()->select(Grid()->model()->index(row, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void TWorkbench::SelectClass(int row) const {
  QListWidget* list = Classes();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

int AddProject(const std::string& name) {
  TProjectDAO().AddProject(name);
  return TProjectDAO().GetProjectId(name);
}

int AddClass(int projectId, const std::string& name, const std::string& friendName) {
  TClassDAO().AddClass(projectId, name, friendName, 1);
  return TClassDAO().GetClassId(projectId, name);
}

int AddMember(int projectId, int classId, const TMemberSpec& spec) {
  TMember m;
  m.projectId = projectId;
  m.classId = classId;
  m.memberName = spec.name;
  m.memberType = spec.type;
  m.memberLength = spec.type == member_type::kString ? spec.length : 0;
  m.memberIsPri = spec.isPri;
  m.memberIsDisplay = spec.isDisplay;
  m.memberIsMust = 1;
  m.memberIsInteger = spec.type == member_type::kInteger ? 1 : 0;
  m.memberIsFloat = spec.type == member_type::kFloat ? 1 : 0;
  m.memberComment = spec.name + "注释";
  TMemberDAO().AddMember(m);
  return TMemberDAO().GetMembers(classId).back().memberId;
}

TShop SeedShop() {
  TShop s;
  s.shop = AddProject("Shop");
  s.book = AddClass(s.shop, "Book");
  s.author = AddClass(s.shop, "Author");
  AddClass(AddProject("School"), "Pupil");
  return s;
}

void OnNextDialog(std::function<void(QDialog&)> handler) {
  auto* poll = new QTimer;
  poll->setInterval(1);
  QObject::connect(poll, &QTimer::timeout, [poll, handler] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    handler(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  poll->start();
}

namespace {

template <typename Widget>
Widget* Component(QDialog& dialog, const char* name) {
  auto* widget = dialog.findChild<Widget*>(name);
  if (!widget) qFatal("dialog has no component named %s", name);
  return widget;
}

}  // namespace

void Click(QDialog& dialog, const char* button) {
  QTest::mouseClick(Component<QPushButton>(dialog, button), Qt::LeftButton);
}

void Type(QDialog& dialog, const char* edit, const QString& text) {
  // Key clicks cover ASCII only; other text is entered as an input method would.
  auto* box = Component<QLineEdit>(dialog, edit);
  box->selectAll();
  box->insert(text);
}

void Check(QDialog& dialog, const char* box, bool checked) { Component<QCheckBox>(dialog, box)->setChecked(checked); }

void ChooseType(QDialog& dialog, const QString& type) {
  auto* types = Component<QComboBox>(dialog, "CB_MemberType");
  const int index = types->findText(type);
  if (index < 0) qFatal("type not offered");
  types->setCurrentIndex(index);
}

#include "workbench/MemberForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "metadata/ClassDAO.h"
#include "metadata/MemberEdits.h"
#include "workbench/DialogSubmit.h"
#include "workbench/MainForm.h"

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

TMemberForm::TMemberForm(TFormMain& owner, TMemberDialog kind, int memberId, const QString& caption, QSize size)
    : QDialog(&owner), owner_(owner), kind_(kind), memberId_(memberId) {
  setWindowTitle(caption);
  setFixedSize(size);
  BuildComponents();
}

void TMemberForm::BuildComponents() {
  Edt_MemberName = Named(new QLineEdit(this), "Edt_MemberName");
  CB_MemberType = Named(new QComboBox(this), "CB_MemberType");
  CB_MemberType->setEditable(false);
  Edt_MemberLength = Named(new QLineEdit(QStringLiteral("20"), this), "Edt_MemberLength");
  CB_MemberIsPri = Named(new QCheckBox(QStringLiteral("是否主键"), this), "CB_MemberIsPri");
  CB_MemberIsMust = Named(new QCheckBox(QStringLiteral("是否必填"), this), "CB_MemberIsMust");
  CB_QueryFlag = Named(new QCheckBox(QStringLiteral("是否参与查询"), this), "CB_QueryFlag");
  CB_MemberIsDisplay = Named(new QCheckBox(QStringLiteral("下拉框显示字段"), this), "CB_MemberIsDisplay");
  CB_MemberQueryDisplay = Named(new QCheckBox(QStringLiteral("查询界面是否显示"), this), "CB_MemberQueryDisplay");
  CB_MemberQueryDisplay->setChecked(kind_ == TMemberDialog::Add);
  Edt_MemberComment = Named(new QLineEdit(this), "Edt_MemberComment");
  Button1 = Named(new QPushButton(QStringLiteral("确定"), this), "Button1");
  Button2 = Named(new QPushButton(QStringLiteral("取消"), this), "Button2");
  Button1->setAutoDefault(false);
  Button2->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, &TMemberForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(24, 18, 24, 14);
  grid->addWidget(new QLabel(QStringLiteral("成员名称："), this), 0, 0);
  grid->addWidget(Edt_MemberName, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("成员类型："), this), 1, 0);
  grid->addWidget(CB_MemberType, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("长度： "), this), 2, 0);
  auto* lengthRow = new QHBoxLayout;
  lengthRow->addWidget(Edt_MemberLength);
  lengthRow->addWidget(new QLabel(QStringLiteral("(字符串类型有效)     "), this));
  grid->addLayout(lengthRow, 2, 1);
  auto* flags = new QGridLayout;
  flags->addWidget(CB_MemberIsPri, 0, 0);
  flags->addWidget(CB_MemberIsMust, 0, 1);
  flags->addWidget(CB_QueryFlag, 1, 0);
  flags->addWidget(CB_MemberIsDisplay, 1, 1);
  flags->addWidget(CB_MemberQueryDisplay, 2, 0);
  grid->addLayout(flags, 3, 1);
  grid->addWidget(new QLabel(QStringLiteral("成员注释："), this), 4, 0);
  grid->addWidget(Edt_MemberComment, 4, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  buttons->addStretch();
  grid->setRowStretch(5, 1);
  grid->addLayout(buttons, 6, 0, 1, 2);
}

// The five type words, then the other classes of the project: a class cannot
// hold a member of its own type.
void TMemberForm::FillTypes() {
  CB_MemberType->clear();
  for (const char* word : member_type::kWords) CB_MemberType->addItem(QString::fromUtf8(word));
  for (const TListEntry& other : TClassDAO().GetOtherClasses(owner_.SelectedProjectId(), owner_.SelectedClassId()))
    CB_MemberType->addItem(QString::fromStdString(other.text));
}

void TMemberForm::SetInput(const TMemberInput& input) {
  Edt_MemberName->setText(QString::fromStdString(input.name));
  CB_MemberType->setCurrentIndex(CB_MemberType->findText(QString::fromStdString(input.type)));
  Edt_MemberLength->setText(QString::fromStdString(input.lengthText));
  CB_MemberIsMust->setChecked(input.isMust);
  CB_QueryFlag->setChecked(input.queryFlag);
  CB_MemberIsPri->setChecked(input.isPri);
  CB_MemberIsDisplay->setChecked(input.isDisplay);
  CB_MemberQueryDisplay->setChecked(input.queryDisplay);
  Edt_MemberComment->setText(QString::fromStdString(input.comment));
}

TMemberInput TMemberForm::Input() const {
  TMemberInput input;
  input.name = Edt_MemberName->text().toStdString();
  input.type = CB_MemberType->currentText().toStdString();
  input.lengthText = Edt_MemberLength->text().toStdString();
  input.isPri = CB_MemberIsPri->isChecked();
  input.isMust = CB_MemberIsMust->isChecked();
  input.queryFlag = CB_QueryFlag->isChecked();
  input.isDisplay = CB_MemberIsDisplay->isChecked();
  input.queryDisplay = CB_MemberQueryDisplay->isChecked();
  input.comment = Edt_MemberComment->text().toStdString();
  return input;
}

void TMemberForm::Button1Click() {
  SubmitDialog(*this, owner_.Prompt(),
               {{TInputField::MemberName, Edt_MemberName},
                {TInputField::MemberType, CB_MemberType},
                {TInputField::MemberLength, Edt_MemberLength},
                {TInputField::MemberComment, Edt_MemberComment}},
               [this] { Store(); });
}

void TMemberForm::Store() {
  const int classId = owner_.SelectedClassId();
  const TMemberInput input = Input();
  const bool adding = kind_ == TMemberDialog::Add;
  if (adding)
    edits::AddMember(classId, input);
  else
    edits::UpdateMember(memberId_, [&](TMemberInput& stored) { stored = input; });
  owner_.LoadMembers(classId);
  owner_.Prompt().Message(this, adding ? QStringLiteral("类成员属性添加成功!") : QStringLiteral("类成员属性更新成功!"));
}

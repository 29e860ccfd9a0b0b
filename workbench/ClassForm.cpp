#include "workbench/ClassForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "workbench/DialogSubmit.h"
#include "workbench/MainForm.h"

TClassForm::TClassForm(TFormMain& owner, const QString& caption, QSize size, bool frontShowDefault)
    : QDialog(&owner), owner_(owner) {
  setWindowTitle(caption);
  setFixedSize(size);
  Edt_ClassName = new QLineEdit(this);
  Edt_ClassName->setObjectName("Edt_ClassName");
  Edt_FriendName = new QLineEdit(this);
  Edt_FriendName->setObjectName("Edt_FriendName");
  CB_FrontShowFlag = new QCheckBox(QStringLiteral("是否前台显示"), this);
  CB_FrontShowFlag->setObjectName("CB_FrontShowFlag");
  CB_FrontShowFlag->setChecked(frontShowDefault);
  Button1 = new QPushButton(QStringLiteral("确定"), this);
  Button1->setObjectName("Button1");
  Button1->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, &TClassForm::Button1Click);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(20, 20, 20, 16);
  grid->setVerticalSpacing(14);
  grid->addWidget(new QLabel(QStringLiteral("类英文名称:  "), this), 0, 0);
  grid->addWidget(Edt_ClassName, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("中文友好名称:"), this), 1, 0);
  grid->addWidget(Edt_FriendName, 1, 1);
  grid->addWidget(CB_FrontShowFlag, 2, 1);
  grid->setRowStretch(3, 1);
  grid->addWidget(Button1, 4, 0, 1, 2, Qt::AlignCenter);
}

std::string TClassForm::ClassNameText() const { return Edt_ClassName->text().toStdString(); }

std::string TClassForm::FriendNameText() const { return Edt_FriendName->text().toStdString(); }

int TClassForm::FrontShowFlag() const { return CB_FrontShowFlag->isChecked() ? 1 : 0; }

void TClassForm::Button1Click() {
  SubmitDialog(*this, owner_.Prompt(),
               {{TInputField::ClassName, Edt_ClassName}, {TInputField::FriendName, Edt_FriendName}},
               [this] { Store(); });
}

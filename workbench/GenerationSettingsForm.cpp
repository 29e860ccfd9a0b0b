#include "workbench/GenerationSettingsForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "metadata/ProjectEdits.h"
#include "metadata/SettingsDAO.h"
#include "workbench/Guard.h"
#include "workbench/MainForm.h"

TGenerationSettingsForm::TGenerationSettingsForm(TFormMain& owner, int projectId)
    : QDialog(&owner), owner_(owner), projectId_(projectId) {
  setObjectName("GenerationSettingsForm");
  setWindowTitle(QStringLiteral("生成设置"));
  const TGenerationSettings settings = TSettingsDAO().GetSettings(projectId);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(20, 20, 20, 16);
  grid->setVerticalSpacing(14);
  int row = 0;
  for (const auto& field : kSettingFields) {
    auto* box = new QComboBox(this);
    box->setObjectName(QStringLiteral("CB_") + QString::fromUtf8(field.key));
    for (const auto& choice : field.choices)
      box->addItem(QString::fromUtf8(choice.word) + QStringLiteral(" - ") + QString::fromUtf8(choice.caption));
    box->setCurrentIndex(field.get(settings));
    grid->addWidget(new QLabel(QString::fromUtf8(field.caption) + QStringLiteral(":"), this), row, 0);
    grid->addWidget(box, row++, 1);
    boxes_.push_back(box);
  }
  grid->setRowStretch(row++, 1);
  Button1 = new QPushButton(QStringLiteral("确定"), this);
  Button1->setObjectName("Button1");
  Button1->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, &TGenerationSettingsForm::Button1Click);
  grid->addWidget(Button1, row, 0, 1, 2, Qt::AlignCenter);
  setFixedSize(QSize(360, 100 + 40 * static_cast<int>(kSettingFields.size())));
}

void TGenerationSettingsForm::Button1Click() {
  Guarded(owner_.Prompt(), this, [this] {
    edits::ChangeSettings(projectId_, [this](TGenerationSettings& settings) {
      for (std::size_t i = 0; i < kSettingFields.size(); ++i) kSettingFields[i].set(settings, boxes_[i]->currentIndex());
    });
    owner_.Prompt().Message(this, QStringLiteral("生成设置修改成功！"));
    accept();
  });
}

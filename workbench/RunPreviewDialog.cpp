#include "workbench/RunPreviewDialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "generator/output/TextForm.h"

namespace {

// What the run does to a file, in the window's words (the command line's are
// fixed English words for scripts).
QString StateText(TFileState state) {
  switch (state) {
    case TFileState::New: return QStringLiteral("新建");
    case TFileState::Changed: return QStringLiteral("改写");
    case TFileState::Unchanged: return QStringLiteral("不变");
    case TFileState::Merged: return QStringLiteral("合并");
    case TFileState::Conflict: return QStringLiteral("冲突");
    case TFileState::Kept: return QStringLiteral("保留");
    case TFileState::DeletedByUser: return QStringLiteral("用户已删除");
    case TFileState::Orphaned: return QStringLiteral("不再生成");
  }
  return {};
}

// The word and blanks up to a column of 12 half widths: a Chinese character
// takes two in the fixed font.
QString Column(const QString& word) { return word + QString(12 - 2 * word.size(), QLatin1Char(' ')); }

// "新建 3，改写 1，..." over all files.
QString Counts(const std::vector<TFileReport>& files) {
  std::array<int, kFileStates.size()> counts{};
  for (const TFileReport& file : files) ++counts[static_cast<std::size_t>(file.state)];
  QStringList parts;
  for (std::size_t i = 0; i < kFileStates.size(); ++i)
    parts << StateText(kFileStates[i]) + " " + QString::number(counts[i]);
  return parts.join(QStringLiteral("，"));
}

}  // namespace

TRunPreviewDialog::TRunPreviewDialog(QWidget* parent, std::vector<TFileReport> files)
    : QDialog(parent), files_(std::move(files)) {
  setObjectName("RunPreviewDialog");
  setWindowTitle(QStringLiteral("生成预览"));
  resize(900, 600);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(Counts(files_), this));

  LB_Files = new QListWidget(this);
  LB_Files->setObjectName("LB_Files");
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  LB_Files->setFont(fixed);
  for (const TFileReport& file : files_)
    LB_Files->addItem(Column(StateText(file.state)) + QString::fromStdString(file.path));
  connect(LB_Files, &QListWidget::currentRowChanged, this, &TRunPreviewDialog::LB_FilesChange);
  layout->addWidget(LB_Files, 1);

  Memo_Diff = new QPlainTextEdit(this);
  Memo_Diff->setObjectName("Memo_Diff");
  Memo_Diff->setReadOnly(true);
  Memo_Diff->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo_Diff->setFont(fixed);
  layout->addWidget(Memo_Diff, 2);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  Btn_Generate = new QPushButton(QStringLiteral("生成"), this);
  Btn_Generate->setObjectName("Btn_Generate");
  Btn_Cancel = new QPushButton(QStringLiteral("取消"), this);
  Btn_Cancel->setObjectName("Btn_Cancel");
  connect(Btn_Generate, &QPushButton::clicked, this, &QDialog::accept);
  connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(Btn_Generate);
  buttons->addWidget(Btn_Cancel);
  layout->addLayout(buttons);
  if (!files_.empty()) LB_Files->setCurrentRow(0);
}

// The diff of what the run writes against the file on disk; a file the run
// leaves alone says so, and one holding hand edits what becomes of them.
void TRunPreviewDialog::LB_FilesChange() {
  const int row = LB_Files->currentRow();
  if (row < 0) return Memo_Diff->clear();
  const TFileReport& file = files_[static_cast<std::size_t>(row)];
  if (file.diff.empty()) {
    const std::string edits = EditLine(file);
    return Memo_Diff->setPlainText(edits.empty() ? QStringLiteral("该文件不会被改写。") : QString::fromStdString(edits));
  }
  // The diff holds the file's own bytes, which may be code page 936.
  const TTextForm form = DetectForm(file.diff);
  Memo_Diff->setPlainText(QString::fromStdString(ConvertForm(file.diff, form, {TTextEncoding::Utf8, form.crlf})));
}

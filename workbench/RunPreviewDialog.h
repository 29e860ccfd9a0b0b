#pragma once
// "生成预览": what a generation run is about to do, before it writes. One line
// per file with what will become of it; the selected file's diff below;
// 生成 starts the run, 取消 leaves everything as it is.

#include <QDialog>
#include <vector>

#include "generator/output/FileReport.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TRunPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  TRunPreviewDialog(QWidget* parent, std::vector<TFileReport> files);

 private:
  void LB_FilesChange();

  std::vector<TFileReport> files_;
  QListWidget* LB_Files = nullptr;
  QPlainTextEdit* Memo_Diff = nullptr;
  QPushButton* Btn_Generate = nullptr;
  QPushButton* Btn_Cancel = nullptr;
};

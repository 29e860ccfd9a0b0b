#include "workbench/QtPrompt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "workbench/RunPreviewDialog.h"

namespace {

// Plain messages carry the program's name as caption, as the desktop's own do.
QString ProgramCaption() { return QApplication::applicationDisplayName(); }

}  // namespace

void TQtPrompt::Message(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, ProgramCaption(), text, QMessageBox::Ok, parent);
  box.exec();
}

void TQtPrompt::Information(QWidget* parent, const QString& text, const QString& caption) {
  QMessageBox::information(parent, caption, text, QMessageBox::Ok);
}

bool TQtPrompt::Confirm(QWidget* parent, const QString& text, const QString& caption) {
  return QMessageBox::information(parent, caption, text, QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Cancel;
}

void TQtPrompt::Error(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, ProgramCaption(), text, QMessageBox::Ok);
}

QString TQtPrompt::Input(QWidget* parent, const QString& caption, const QString& label, const QString& value) {
  bool ok = false;
  const QString answer = QInputDialog::getText(parent, caption, label, QLineEdit::Normal, value, &ok);
  return ok ? answer : QString();
}

QString TQtPrompt::OpenFile(QWidget* parent, const QString& caption, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

bool TQtPrompt::Preview(QWidget* parent, const std::vector<TFileReport>& files) {
  return TRunPreviewDialog(parent, files).exec() == QDialog::Accepted;
}

void TDesktopShell::Open(const QUrl& url) { QDesktopServices::openUrl(url); }

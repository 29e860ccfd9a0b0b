#pragma once
// The real message boxes, input box and desktop.

#include "workbench/Prompt.h"

class TQtPrompt : public IPrompt {
 public:
  void Message(QWidget* parent, const QString& text) override;
  void Information(QWidget* parent, const QString& text, const QString& caption) override;
  bool Confirm(QWidget* parent, const QString& text, const QString& caption) override;
  void Error(QWidget* parent, const QString& text) override;
  QString Input(QWidget* parent, const QString& caption, const QString& label, const QString& value) override;
  QString OpenFile(QWidget* parent, const QString& caption, const QString& filter) override;
  bool Preview(QWidget* parent, const std::vector<TFileReport>& files) override;
};

class TDesktopShell : public IShell {
 public:
  void Open(const QUrl& url) override;
};

#pragma once
// Everything the windows ask of the user or of the desktop goes through these
// two interfaces, so that tests can answer in place of a person.

#include <QString>
#include <QUrl>
#include <vector>

#include "generator/output/FileReport.h"

class QWidget;

class IPrompt {
 public:
  virtual ~IPrompt() = default;
  // A plain message with one OK button.
  virtual void Message(QWidget* parent, const QString& text) = 0;
  // OK with the information icon.
  virtual void Information(QWidget* parent, const QString& text, const QString& caption) = 0;
  // OK and Cancel with the information icon; false only when the user cancels.
  virtual bool Confirm(QWidget* parent, const QString& text, const QString& caption) = 0;
  // The report of an unexpected error (database, file system).
  virtual void Error(QWidget* parent, const QString& text) = 0;
  // A one-line input box; an empty text when the user cancels.
  virtual QString Input(QWidget* parent, const QString& caption, const QString& label, const QString& value) = 0;
  // A file dialog for one existing file; an empty text when the user cancels.
  virtual QString OpenFile(QWidget* parent, const QString& caption, const QString& filter) = 0;
  // What a generation run will do to each file, before it writes; false when the user cancels.
  virtual bool Preview(QWidget* parent, const std::vector<TFileReport>& files) = 0;
};

class IShell {
 public:
  virtual ~IShell() = default;
  // Opens a folder in the file manager or a page in the browser.
  virtual void Open(const QUrl& url) = 0;
};

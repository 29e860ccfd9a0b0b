#pragma once
// Stand-ins for the user and the desktop: they record what the windows show
// and answer input boxes and confirmations from queues.

#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>

#include "workbench/Prompt.h"

struct TShown {
  QString kind;  // "message", "information", "confirm", "error"
  QString text;
  QString caption;
};

class TFakePrompt : public IPrompt {
 public:
  void Message(QWidget* parent, const QString& text) override;
  void Information(QWidget* parent, const QString& text, const QString& caption) override;
  bool Confirm(QWidget* parent, const QString& text, const QString& caption) override;
  void Error(QWidget* parent, const QString& text) override;
  QString Input(QWidget* parent, const QString& caption, const QString& label, const QString& value) override;
  QString OpenFile(QWidget* parent, const QString& caption, const QString& filter) override;
  bool Preview(QWidget* parent, const std::vector<TFileReport>& files) override;

  // The texts shown, in order, of every kind.
  QStringList Texts() const;
  QString LastText() const { return shown.empty() ? QString() : shown.back().text; }

  std::vector<TShown> shown;
  // Input boxes: what they were opened with, and the answers given (empty when the queue is empty).
  struct TAsked {
    QString caption, label, value;
  };
  std::vector<TAsked> asked;
  std::deque<QString> answers;
  // File dialogs: the files chosen, in order (cancelled when the queue is empty).
  std::deque<QString> files;
  // Confirmations answer OK unless a false is queued.
  std::deque<bool> confirmations;
  // Run previews: the files each listed; 生成 unless a false is queued.
  std::vector<std::vector<TFileReport>> previews;
  std::deque<bool> previewAnswers;
  // Called after anything is shown, on the window's thread.
  std::function<void(const TShown&)> onShown;

 private:
  void Record(const TShown& what);
};

class TFakeShell : public IShell {
 public:
  void Open(const QUrl& url) override { opened.push_back(url); }
  std::vector<QUrl> opened;
};

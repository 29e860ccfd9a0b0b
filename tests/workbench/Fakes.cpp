#include "Fakes.h"

void TFakePrompt::Record(const TShown& what) {
  shown.push_back(what);
  if (onShown) onShown(what);
}

void TFakePrompt::Message(QWidget*, const QString& text) { Record({"message", text, {}}); }

void TFakePrompt::Information(QWidget*, const QString& text, const QString& caption) {
  Record({"information", text, caption});
}

bool TFakePrompt::Confirm(QWidget*, const QString& text, const QString& caption) {
  Record({"confirm", text, caption});
  if (confirmations.empty()) return true;
  const bool answer = confirmations.front();
  confirmations.pop_front();
  return answer;
}

void TFakePrompt::Error(QWidget*, const QString& text) { Record({"error", text, {}}); }

QString TFakePrompt::Input(QWidget*, const QString& caption, const QString& label, const QString& value) {
  asked.push_back({caption, label, value});
  if (answers.empty()) return {};
  const QString answer = answers.front();
  answers.pop_front();
  return answer;
}

QString TFakePrompt::OpenFile(QWidget*, const QString&, const QString&) {
  if (files.empty()) return {};
  const QString file = files.front();
  files.pop_front();
  return file;
}

bool TFakePrompt::Preview(QWidget*, const std::vector<TFileReport>& files) {
  previews.push_back(files);
  if (previewAnswers.empty()) return true;
  const bool answer = previewAnswers.front();
  previewAnswers.pop_front();
  return answer;
}

QStringList TFakePrompt::Texts() const {
  QStringList texts;
  for (const TShown& s : shown) texts << s.text;
  return texts;
}

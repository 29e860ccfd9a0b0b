#include "workbench/DialogSubmit.h"

#include "workbench/Guard.h"

void SubmitDialog(QDialog& dialog, IPrompt& prompt, const TFieldWidgets& fields, const std::function<void()>& body) {
  try {
    body();
  } catch (const TInputError& e) {
    prompt.Message(&dialog, QString::fromStdString(e.what()));
    if (const auto field = fields.find(e.field()); field != fields.end()) field->second->setFocus();
    return;
  } catch (const std::exception& e) {
    prompt.Error(&dialog, QString::fromStdString(e.what()));
    return;
  }
  dialog.accept();
}

#pragma once
// Exceptions must not cross Qt's event loop: every command runs guarded. An
// input fault is shown as a plain message; any other error ends the command
// and is shown by the error report.

#include <exception>

#include "metadata/InputRules.h"
#include "workbench/Prompt.h"

template <typename Command>
void Guarded(IPrompt& prompt, QWidget* parent, Command&& command) {
  try {
    command();
  } catch (const TInputError& e) {
    prompt.Message(parent, QString::fromStdString(e.what()));
  } catch (const std::exception& e) {
    prompt.Error(parent, QString::fromStdString(e.what()));
  }
}

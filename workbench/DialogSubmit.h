#pragma once
// The "确定" of every dialog: the checks and the store run; an input fault is
// shown and puts the focus on its field, and the dialog stays open; any other
// error is shown by the error report, and the dialog stays open as well.

#include <QDialog>
#include <functional>
#include <map>

#include "metadata/InputRules.h"
#include "workbench/Prompt.h"

using TFieldWidgets = std::map<TInputField, QWidget*>;

// Closes the dialog (accepted) when body returns.
void SubmitDialog(QDialog& dialog, IPrompt& prompt, const TFieldWidgets& fields, const std::function<void()>& body);

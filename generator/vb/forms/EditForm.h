#pragma once
// The edit form of one class, built as text from the class's metadata: the
// code file "FrmEdit" + C + ".vb" and the designer file "FrmEdit" + C + ".Designer.vb".

#include <string>

#include "generator/vb/forms/FormModel.h"

std::string EditFormCode(const TFormModel& form);
std::string EditFormDesigner(const TFormModel& form);

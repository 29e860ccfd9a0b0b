#pragma once
// The add form of one class, built as text from the class's metadata: the code
// file "FrmAdd" + C + ".vb" and the designer file "FrmAdd" + C + ".Designer.vb".

#include <string>

#include "generator/vb/forms/FormModel.h"

std::string AddFormCode(const TFormModel& form);
std::string AddFormDesigner(const TFormModel& form);

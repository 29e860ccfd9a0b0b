#pragma once
// The query form: a plain window per class, opened from the main menu.

#include <string>

// "FrmQuery" + C + ".vb"
std::string QueryFormCodeText(const std::string& className);
// "FrmQuery" + C + ".Designer.vb"
std::string QueryFormDesignerText(const std::string& className, const std::string& friendName);

#pragma once
// The main form's menu: one top-level item per class, opening its add and query forms.

#include <string>

#include "generator/CodeWriter.h"

struct TMainFormTexts {
  TCodeWriter handlers;    // "$vbString"
  TCodeWriter creation;    // "$designerString1"
  TCodeWriter stripItems;  // "$designerString2"
  TCodeWriter properties;  // "$designerString3"
  TCodeWriter fields;      // "$designerString4"
};

// The menu of class C (friendly name F) with menu number N.
void AppendClassMenu(TMainFormTexts& texts, int menuNumber, const std::string& className,
                     const std::string& friendName);

std::string MainFormCodeText(const std::string& templateText, const TMainFormTexts& texts);
std::string MainFormDesignerText(const std::string& templateText, const TMainFormTexts& texts);

#pragma once
// The UI project file: its compile and embedded-resource items, three forms per class.

#include <string>

#include "generator/CodeWriter.h"

struct TUiProjectItems {
  TCodeWriter compile;    // fills "$CompileString"
  TCodeWriter resources;  // fills "$EmbeddedResourceString"
};

// The add, edit and query forms of class C: 18 compile lines, 9 resource lines.
void AppendFormItems(TUiProjectItems& items, const std::string& className);

// The template with its four placeholders filled.
std::string UiProjectFileText(const std::string& templateText, const TUiProjectItems& items,
                              const std::string& projectName);

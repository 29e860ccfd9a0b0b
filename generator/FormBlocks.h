#pragma once
// Blocks the add and edit forms share word for word.

#include <string>
#include <vector>

#include "generator/CodeWriter.h"

// The Imports lines that open every form's code file, the aliases among them
// (FormTypeAliases) and the empty line after them.
void WriteFormImports(TCodeWriter& out, const std::vector<std::string>& aliases);

// The settings of a picture row's picture box (after its comment line), path
// box and upload button, for a row whose label stands at y with tab index tab.
void WritePictureRowControls(TCodeWriter& out, const std::string& box, const std::string& path,
                             const std::string& upload, int y, int tab);

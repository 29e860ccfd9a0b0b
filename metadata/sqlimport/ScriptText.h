#pragma once
// The bytes of a script file as UTF-8 text: UTF-8 with or without a byte-order
// mark, UTF-16 with a mark (what SSMS saves), or code page 936.

#include <string>

#include "metadata/SourceEncoding.h"

// Raises TSqlScriptError naming the line of the first byte that is not text
// in the encoding.
std::string ScriptText(const std::string& bytes, TSourceEncoding encoding);

#pragma once
// The fixed start of every table script: the two user-account tables and the
// default administrator account (CR LF line ends).

#include <string>

#include "generator/CodeWriter.h"

std::string TableScriptPreamble();

// The two lines that drop a table of the script where it exists already: the
// script makes every table afresh, so that it can run again.
void DropTableIfExists(TCodeWriter& w, const std::string& table);

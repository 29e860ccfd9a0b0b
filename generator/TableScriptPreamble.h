#pragma once
// The fixed start of every table script: the two user-account tables and the
// default administrator account (CR LF line ends).

#include <string>

std::string TableScriptPreamble();

#pragma once
// The shipped sample, made through the command line like the other build checks' projects.

#include "ProjectScript.h"

TProjectScript SampleScript(const std::string& project);

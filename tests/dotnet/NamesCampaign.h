#pragma once
// A project of common entity names: classes named like framework types and
// namespaces, like keywords once a verb is put in front, like members of Form;
// members named with T-SQL reserved words and names the generated code uses.

#include "ProjectScript.h"

// Adds one class per name, each referring to the one before it.
void AddCommonNameClasses(TProjectScript& script);

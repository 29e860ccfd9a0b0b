#pragma once
// Classes, members, flags and references drawn at random within the dialogs'
// rules, reproducible from a seed.

#include "ProjectScript.h"

// Adds count classes to the script; their members may refer to any class the
// script already has or adds. Every class gets one key and one display member.
void AddRandomClasses(TProjectScript& script, unsigned seed, int count);

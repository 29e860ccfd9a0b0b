#pragma once
// Finds what a command names. A project, a class of a project or a member of a
// class is named by its name, compared as the store compares names, or by "@"
// and its key as the lists show it; no name can begin with "@", so the two
// never clash. A name that several entries share must be given by key, since
// a store written by an older version may hold two projects or two classes of
// one name.
// An unknown or shared name raises TCliExit with code 2.

#include <string>

#include "metadata/ListEntry.h"
#include "metadata/Member.h"

// text: the stored name; tag: the key.
TListEntry FindProject(const std::string& text);
TListEntry FindClass(int projectId, const std::string& text);
TMember FindMember(int classId, const std::string& text);

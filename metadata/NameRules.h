#pragma once
// Naming rules shared by the input checks and the generators.

#include <string>

namespace name_rules {

// The generated entity object's name: the class name with a leading ASCII
// capital lowered, otherwise unchanged.
std::string ObjectName(const std::string& className);

// ASCII letters, digits and underscore after the first character.
bool IsIdentifierTail(const std::string& name);

// A VB.NET reserved keyword, compared without regard to case as VB does.
bool IsReservedWord(const std::string& name);

// One plain folder name that is also safe inside the generated solution's
// XML and MSBuild files.
bool IsPlainFolderName(const std::string& name);

bool EqualsIgnoringCase(const std::string& a, const std::string& b);

// Model, BLL or DAL: the library projects of every generated solution.
bool IsTierProjectName(const std::string& name);

// Namespaces the generated code refers to by name, and Visual Basic's My.
bool IsGeneratedNamespace(const std::string& name);

// The user-interface project's root namespace: the project name with every
// character that cannot stand in an identifier replaced by "_", and "_" in
// front when it does not begin with a letter.
std::string RootNamespaceOf(const std::string& projectName);

}  // namespace name_rules

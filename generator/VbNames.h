#pragma once
// Names in generated VB.NET code, which compares names without regard to case.

#include <initializer_list>
#include <string>

// name, or "_" + name when it equals one of taken: a class or member named
// like a local or a type of the generated function ("Parm", "sql", "DAL")
// would redeclare or hide it. Only such names change; all others stay plain.
std::string UnclashedName(const std::string& name, std::initializer_list<std::string> taken);

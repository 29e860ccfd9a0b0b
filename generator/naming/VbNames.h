#pragma once
// Names in generated VB.NET code, which compares names without case and finds
// the framework's names before a project's own where they meet.

#include <initializer_list>
#include <string>
#include <vector>

// name, or name with as many "_" in front as it takes to equal none of taken:
// a class or member named like a local or a type of the generated function
// ("Parm", "sql", "DAL") would redeclare or hide it. Only such names change;
// all others stay plain.
std::string UnclashedName(const std::string& name, std::initializer_list<std::string> taken);

// A Model class where the form's Imports are in force: "Model." + C when a type
// of an imported namespace, a nested type of Form, a top-level
// namespace or the user-interface project's root namespace would be found first.
std::string ModelClassRef(const std::string& className, const std::string& rootNamespace);

// verb + className ("Get" + "Type"), escaped as [GetType] where it spells a keyword.
std::string ProcedureName(const std::string& verb, const std::string& className);

// A local of the form code: name with "_" in front until it equals none of
// taken and no framework type the form code names bare (a local image would
// take Image.FromFile for itself).
std::string FormLocalName(const std::string& name, std::initializer_list<std::string> taken);

// A field of a form: a FormLocalName that also hides no member of Form
// (Me.Name), no WithEvents field of the designer (labelN, which also declares
// _labelN), equals none of declared (the form's other names and its handlers'
// locals, VbNamer::FormDeclaredNames) and is not hidden by the handlers'
// parameters sender and e or their fixed locals (ms, fs, bw, openFileDialog1).
std::string FormFieldName(const std::string& name, const std::vector<std::string>& declared);

// "Imports T = System.X.T" for every framework type the form code names bare
// (Form, Image, MessageBox ...) that one of classNames is also called: the alias
// wins over Imports Model, so the bare name keeps meaning the framework's type.
std::vector<std::string> FormTypeAliases(const std::vector<std::string>& classNames);

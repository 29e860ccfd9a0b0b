#pragma once
// .NET names that the VB compiler finds before a generated project's own, each
// lowered (VB compares names without case), sorted and once. The tables are
// made from the reference assemblies by tests/dotnet_names.

#include <string_view>
#include <vector>

namespace dotnet_names {

// Types of the namespaces the generated sources import.
extern const std::vector<std::string_view> kImportedTypes;
// Members and nested types of System.Windows.Forms.Form and its bases.
extern const std::vector<std::string_view> kFormMembers;
// The nested types alone.
extern const std::vector<std::string_view> kFormTypes;
// The first part of every namespace of the referenced assemblies, and My.
extern const std::vector<std::string_view> kTopNamespaces;

}  // namespace dotnet_names

#pragma once
// The files every tier project of the generated solution has in common: its
// project file with one compile entry per class, and one source per class.

#include <string>

#include "generator/GenContext.h"
#include "metadata/ListEntry.h"

// The name of a class's source file in a tier, without ".vb" (VbNamer::DalClass).
using TTierSourceName = std::string (*)(const std::string& className);

// The template's "$CompileString" replaced by one line per class:
// <Compile Include="{sourceName(className)}.vb" />
std::string TierProjectText(const std::string& templateText, TTierSourceName sourceName, const TClassList& classes);

// Reads "template/{tier}/{tier}.vbproj" and writes "projects/P/{tier}/{tier}.vbproj".
void WriteTierProject(const TGenContext& context, const std::string& tier, TTierSourceName sourceName,
                      const TClassList& classes);

// Writes "projects/P/{tier}/{fileName}" as a generated source.
void WriteTierSource(const TGenContext& context, const std::string& tier, const std::string& fileName,
                     const std::string& text);

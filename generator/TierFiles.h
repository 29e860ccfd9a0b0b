#pragma once
// The files every tier project of the generated solution has in common: its
// project file with one compile entry per class, and one source per class.

#include <string>

#include "generator/GenContext.h"
#include "metadata/ListEntry.h"

// The template's "$CompileString" replaced by one line per class:
// <Compile Include="{prefix}{className}.vb" />
std::string TierProjectText(const std::string& templateText, const std::string& sourcePrefix,
                            const TClassList& classes);

// Reads "template/{tier}/{tier}.vbproj" and writes "projects/P/{tier}/{tier}.vbproj".
void WriteTierProject(const TGenContext& context, const std::string& tier, const std::string& sourcePrefix,
                      const TClassList& classes);

// Writes "projects/P/{tier}/{fileName}" as a generated source.
void WriteTierSource(const TGenContext& context, const std::string& tier, const std::string& fileName,
                     const std::string& text);

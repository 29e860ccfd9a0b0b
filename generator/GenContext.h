#pragma once
// What a generator needs of its caller, taken once when a run starts.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "generator/output/OutputWriter.h"
#include "metadata/GenerationSettings.h"
#include "metadata/ProjectSnapshot.h"
#include "metadata/SourceEncoding.h"
#include "platform/Platform.h"

using TProgressSink = std::function<void(const std::string& line)>;

struct TGenContext {
  std::filesystem::path home;  // E: templates, resources and the output tree live below it
  std::string projectName;     // P
  int projectId = 0;
  std::string nameSpace = "brindlemoor";
  TSourceEncoding sourceEncoding = TSourceEncoding::Gbk;
  TGenerationSettings settings;  // the project's, read when the run starts
  TProgressSink progress;
  // The project as the run found it when it started; none outside a run.
  std::shared_ptr<const TProjectSnapshot> snapshot;
  // Where every file of the run goes; an overwriting one when the run set none.
  mutable std::shared_ptr<TOutputWriter> output;
  // The bytes of the text file being written, in one buffer for all.
  mutable std::string encoded;
  mutable std::shared_ptr<platform::TGbkEncoder> gbk;

  // home / "projects": nothing below it is a link the run writes through.
  std::filesystem::path OutputRoot() const { return home / "projects"; }
  // home / "projects" / P
  std::filesystem::path SolutionFolder() const { return OutputRoot() / platform::PathFromUtf8(projectName); }
  // A relative path such as "projects/P/Model/Model.vbproj" or "template/..." resolved against home.
  std::filesystem::path Abs(const std::string& relative) const { return home / platform::PathFromUtf8(relative); }
  void Progress(const std::string& line) const {
    if (progress) progress(line);
  }

  // The run's snapshot, or the project read afresh when there is none.
  std::shared_ptr<const TProjectSnapshot> Snapshot() const;

  TOutputWriter& Output() const;
  // Creates folder with its parents unless this run has done so already;
  // refuses (TFileRefused) a symbolic link on its way below the output root.
  void MakeFolder(const std::filesystem::path& folder) const;

  // "template/..." as the run's target has it: a target other than net48
  // keeps its own copy of a template that differs in "template/<target>/...".
  std::string TemplatePath(const std::string& relative) const;
  // Reads TemplatePath(relative) below home.
  std::string ReadTemplate(const std::string& relative) const;
  // Project, solution and template-based files: UTF-8 with byte-order mark.
  void SaveUtf8(const std::filesystem::path& folder, const std::string& relative, const std::string& text) const;
  // Generated .vb sources: code page 936 without a mark, or UTF-8 with mark
  // when the run asks for it.
  void SaveSource(const std::filesystem::path& folder, const std::string& relative, const std::string& text) const;
  // A file copied byte for byte from "template/..." to relative.
  void CopyTemplateFile(const std::string& templatePath, const std::string& relative) const;
};

// The folder inside template/ and bak/ that holds what a target has of its
// own; none for net48, whose files lie at their plain paths.
std::string TargetFolder(TFramework framework);
inline constexpr TFramework kFrameworks[] = {TFramework::Net48, TFramework::Net10Windows};

// Replaces every occurrence, left to right; inserted text is not searched again.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

#pragma once
// A generation run: checks a project's classes, calls the generators in their
// order (Model, BLL, DAL, user interface), copies the resource folders and
// writes the solution-level files. It reaches its caller only through
// IRunListener, from the thread it runs on.

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "generator/GenContext.h"

enum class TCheckKind {
  PrimaryKey,  // a class has not exactly one key member
  Display,     // a class has not exactly one display member
  Reference,   // a reference names no class of the project, or a class without key
  Name,        // a name or text read from the store breaks an input rule
};

struct TCheckFailure {
  TCheckKind kind;
  int classId = 0;
  std::string message;  // the text the user is shown, naming the class (and member)
};

class IRunListener {
 public:
  virtual ~IRunListener() = default;
  virtual void Progress(const std::string& line) = 0;
  // Nothing has been written; the run ends after this returns.
  virtual void CheckFailed(const TCheckFailure& failure) = 0;
  // Every step is done.
  virtual void Finished() = 0;
  // An error stopped the run; what was written so far stays.
  virtual void Failed(const std::string& error) = 0;
  // What a merge run or a dry run decided for one file, as it decides it.
  virtual void File(const TFileReport& report) { (void)report; }
};

struct TRunSettings {
  std::filesystem::path home;
  std::string projectName;
  int projectId = 0;
  std::string nameSpace = "brindlemoor";
  std::optional<TSourceEncoding> sourceEncoding;  // none: the target's own
  bool dryRun = false;     // decide every file, write nothing
  bool withDiffs = false;  // reports carry their diffs
};

// The encoding of the run's .vb sources: code page 936 for net48 unless UTF-8
// is asked for; always UTF-8 for .NET 10, which reads code page 936 only
// through an extra provider, so that GBK asked for is refused (runtime_error).
TSourceEncoding SourceEncodingFor(TFramework framework, std::optional<TSourceEncoding> asked);

class TAutoCode {
 public:
  TAutoCode(TRunSettings settings, IRunListener& listener);

  // The run's body, on the calling thread. Reports exactly one of
  // CheckFailed, Finished or Failed.
  void Execute();

  // Runs Execute on a new thread; the caller joins or detaches it.
  static std::thread Start(TRunSettings settings, IRunListener& listener);

 private:
  void PrepareOutputTree(const TGenContext& context) const;
  void CopyResources(const TGenContext& context);
  void Generate(const TGenContext& context);
  bool Replayed(const TGenContext& context, const std::string& inputs);
  void Record(const TGenContext& context, const std::string& inputs) const;
  std::string Choices() const;
  void Decided(const TFileReport& report);
  void ReportEdits(const TGenContext& context) const;

  TRunSettings settings_;
  IRunListener& listener_;
  std::vector<TFileReport> edits_;  // the files whose hand edits the run met
  // What the run told its listener, in order, for the record a rerun replays.
  std::vector<TRunRecord::TEvent> told_;
};

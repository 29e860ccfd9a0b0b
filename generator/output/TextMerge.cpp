#include "generator/output/TextMerge.h"

#include <git2.h>

#include <memory>
#include <stdexcept>

namespace {

// libgit2 keeps global state; it is set up once for the process and kept.
void InitLibgit2() {
  static const int initialised = git_libgit2_init();
  if (initialised < 0) throw std::runtime_error("libgit2 无法初始化");
}

[[noreturn]] void RaiseGitError(const char* what) {
  const git_error* error = git_error_last();
  throw std::runtime_error(std::string(what) + ": " + (error && error->message ? error->message : "libgit2"));
}

git_merge_file_input Input(std::string_view bytes) {
  git_merge_file_input input = GIT_MERGE_FILE_INPUT_INIT;
  input.ptr = bytes.data();
  input.size = bytes.size();
  return input;
}

}  // namespace

std::optional<TMergeResult> MergeText(std::string_view base, std::string_view ours, std::string_view theirs,
                                      const TMergeLabels& labels) {
  InitLibgit2();
  const git_merge_file_input baseInput = Input(base), oursInput = Input(ours), theirsInput = Input(theirs);
  git_merge_file_options options = GIT_MERGE_FILE_OPTIONS_INIT;
  options.our_label = labels.ours.c_str();
  options.their_label = labels.theirs.c_str();
  git_merge_file_result result{};
  if (git_merge_file(&result, &baseInput, &oursInput, &theirsInput, &options) != 0) RaiseGitError("合并失败");
  const std::unique_ptr<git_merge_file_result, void (*)(git_merge_file_result*)> owned(&result,
                                                                                       git_merge_file_result_free);
  // A side libgit2 takes for binary (a NUL byte, UTF-16) leaves no text at all, not an empty one.
  if (!result.automergeable && !result.ptr) return std::nullopt;
  return TMergeResult{std::string(result.ptr, result.len), result.automergeable != 0};
}

std::string UnifiedDiff(std::string_view before, std::string_view after, const std::string& path) {
  if (before == after) return {};
  InitLibgit2();
  git_patch* raw = nullptr;
  if (git_patch_from_buffers(&raw, before.data(), before.size(), path.c_str(), after.data(), after.size(), path.c_str(),
                             nullptr) != 0)
    RaiseGitError("无法比较文件");
  const std::unique_ptr<git_patch, void (*)(git_patch*)> patch(raw, git_patch_free);
  git_buf text{};
  if (git_patch_to_buf(&text, patch.get()) != 0) RaiseGitError("无法比较文件");
  std::string diff(text.ptr, text.size);
  git_buf_dispose(&text);
  return diff;
}

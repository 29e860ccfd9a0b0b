#include "generator/output/FileReport.h"

const char* StateWord(TFileState state) {
  switch (state) {
    case TFileState::New: return "new";
    case TFileState::Changed: return "changed";
    case TFileState::Unchanged: return "unchanged";
    case TFileState::Merged: return "merged";
    case TFileState::Conflict: return "conflict";
    case TFileState::Kept: return "kept";
    case TFileState::DeletedByUser: return "deleted-by-user";
    case TFileState::Orphaned: return "orphaned";
  }
  return "";
}

std::string EditLine(const TFileReport& report) {
  const std::string& path = report.path;
  switch (report.state) {
    case TFileState::Merged: return path + " 已合并你的修改";
    case TFileState::Conflict:
      if (!report.movedTo.empty())
        return path + " 不再生成 (类已改名)，其中你的修改无法自动并入 " + report.movedTo + ": 请手动把修改移到 " +
               report.movedTo + " 后删除 " + path;
      if (!report.aside.empty())
        return path + " 无法按文本合并 (含有 NUL 字节，或是 UTF-16 等编码)，保持原样未动；本次生成的内容写在 " +
               report.aside + ": 请把其中的改动并入 " + path + " 后删除 " + report.aside;
      return path + " 有冲突，请解决文件中的冲突标记";
    case TFileState::Kept: return path + " 已被你修改，保留未覆盖";
    case TFileState::DeletedByUser: return path + " 已被你删除，未重新生成";
    case TFileState::Orphaned:
      if (!report.movedTo.empty())
        return path + " 不再生成 (类已改名)，你的修改已并入 " + report.movedTo + ": 确认后可以删除 " + path;
      return path + " 不再生成，但有你的修改，它已不在生成的解决方案中: 请把需要的修改移到别处后删除它";
    case TFileState::New:
    case TFileState::Changed:
    case TFileState::Unchanged: break;
  }
  return {};
}

#include "cli/Lookup.h"

#include <algorithm>
#include <charconv>

#include "cli/Commands.h"
#include "metadata/ClassDAO.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectDAO.h"

namespace {

// The store's text columns ignore ASCII letter case and nothing else.
bool SameName(const std::string& a, const std::string& b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The key of "@123"; 0 (never a key) for anything else.
int KeyOf(const std::string& text) {
  if (text.size() < 2 || text[0] != '@') return 0;
  int key = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data() + 1, end, key);
  return ec == std::errc() && ptr == end && key > 0 ? key : 0;
}

TListEntry FindEntry(const TNameList& list, const std::string& text, const std::string& what) {
  if (const int key = KeyOf(text)) {
    const auto found = std::find_if(list.begin(), list.end(), [&](const TListEntry& e) { return e.tag == key; });
    if (found != list.end()) return *found;
  } else {
    TNameList named;
    std::copy_if(list.begin(), list.end(), std::back_inserter(named),
                 [&](const TListEntry& e) { return SameName(e.text, text); });
    if (named.size() == 1) return named.front();
    if (named.size() > 1) {
      std::string keys;
      for (const auto& e : named) keys += " @" + std::to_string(e.tag);
      throw TCliExit(2, what + "名称 '" + text + "' 不唯一，请用编号指定:" + keys);
    }
  }
  throw TCliExit(2, what + " '" + text + "' 不存在!");
}

}  // namespace

TListEntry FindProject(const std::string& text) { return FindEntry(TProjectDAO().GetAll(), text, "工程"); }

TListEntry FindClass(int projectId, const std::string& text) {
  return FindEntry(TClassDAO().GetClassList(projectId), text, "类");
}

TMember FindMember(int classId, const std::string& text) {
  const TMemberList members = TMemberDAO().GetMembers(classId);
  TNameList list;
  for (const auto& m : members) list.push_back({m.memberName, m.memberId});
  const int memberId = FindEntry(list, text, "成员").tag;
  return *std::find_if(members.begin(), members.end(), [&](const TMember& m) { return m.memberId == memberId; });
}

#include "RandomProject.h"

#include <array>
#include <random>
#include <set>

namespace {

// Words end in a number, so no name meets a reserved word or a name the
// generated code declares itself (sql, parm, ms, fs, ...).
constexpr std::array<const char*, 12> kWords = {"title", "amount", "remark", "created", "photo", "owner",
                                                "code", "level", "score", "address", "price", "birthday"};
// Captions with the punctuation a show list must quote: commas, brackets, quotes.
constexpr std::array<const char*, 11> kComments = {"",           "名称",          "备注说明",     "价格（元）",
                                                   "Created at", "编号 No",       "状态",         "数量, 单位(个)",
                                                   "O'Brien",    "标签 [主] 名称", "a]b, c) as d"};
constexpr std::array<const char*, 5> kFriendNames = {"图书", "读者信息", "借阅记录", "Order line", "类别"};

class TRandom {
 public:
  explicit TRandom(unsigned seed) : engine_(seed) {}
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
  bool Chance(int percent) { return Below(100) < percent; }
  template <typename List>
  auto Pick(const List& list) {
    return list[static_cast<std::size_t>(Below(static_cast<int>(list.size())))];
  }

 private:
  std::mt19937 engine_;
};

enum class TKind { String, Integer, Float, DateTime, Picture, Reference };

std::string TypeWord(TKind kind) {
  switch (kind) {
    case TKind::String: return "字符串";
    case TKind::Integer: return "整型";
    case TKind::Float: return "浮点型";
    case TKind::DateTime: return "日期型";
    case TKind::Picture: return "图片型";
    case TKind::Reference: break;
  }
  return "";
}

// Flags that the member dialogs accept for the kind, drawn at random.
TMemberSpec RandomMember(TRandom& random, const std::string& name, TKind kind, const std::string& type) {
  TMemberSpec m;
  m.name = name;
  m.type = type;
  m.comment = random.Pick(kComments);
  const bool optionalAllowed = kind == TKind::String || kind == TKind::Picture;
  m.required = !optionalAllowed || random.Chance(50);
  const bool queryAllowed = kind == TKind::String || kind == TKind::DateTime || kind == TKind::Reference;
  m.query = queryAllowed && random.Chance(40);
  m.queryDisplay = random.Chance(70);
  if (kind == TKind::String && random.Chance(50)) m.length = std::to_string(1 + random.Below(200));
  return m;
}

struct TClassPlan {
  std::string name;
  std::vector<TMemberSpec> members;
};

// An integer or string key (the add dialog's kinds), up to five more members of
// any kind, sometimes none; a reference is now and then followed by a second
// one to the same class.
TClassPlan PlanClass(TRandom& random, const std::string& name, const std::vector<std::string>& others) {
  TClassPlan plan{name, {}};
  std::set<std::string> used;
  auto freshName = [&] {
    std::string candidate;
    do candidate = std::string(random.Pick(kWords)) + std::to_string(random.Below(100));
    while (!used.insert(candidate).second);
    return candidate;
  };

  const TKind keyKind = random.Chance(50) ? TKind::Integer : TKind::String;
  plan.members.push_back(RandomMember(random, freshName(), keyKind, TypeWord(keyKind)));
  plan.members.back().key = true;

  const int extra = random.Below(6);
  for (int i = 0; i < extra; ++i) {
    const int pick = random.Below(others.empty() ? 5 : 6);
    const TKind kind = static_cast<TKind>(pick);
    const std::string type = kind == TKind::Reference ? random.Pick(others) : TypeWord(kind);
    plan.members.push_back(RandomMember(random, freshName(), kind, type));
    if (kind == TKind::Reference && random.Chance(25)) plan.members.push_back(RandomMember(random, freshName(), kind, type));
  }
  plan.members[static_cast<std::size_t>(random.Below(static_cast<int>(plan.members.size())))].display = true;
  return plan;
}

}  // namespace

void AddRandomClasses(TProjectScript& script, unsigned seed, int count) {
  TRandom random(seed);
  std::vector<std::string> names = script.classes();
  std::vector<std::string> added;
  for (int i = 0; i < count; ++i) {
    const std::string name = "R" + std::to_string(seed) + "_" + static_cast<char>('A' + i % 26) + "x" + std::to_string(i);
    names.push_back(name);
    added.push_back(name);
    script.Class(name, random.Pick(kFriendNames));
  }
  for (const auto& name : added) {
    std::vector<std::string> others;
    for (const auto& other : names)
      if (other != name) others.push_back(other);
    const TClassPlan plan = PlanClass(random, name, others);
    for (const auto& member : plan.members) script.Member(name, member);
  }
}

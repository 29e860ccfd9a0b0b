// Several vbgen processes on one store at once: every check and its write are
// one transaction, so racing adds of one name store it once, and waiting for
// another program's lock never surfaces as an error.
#include <algorithm>
#include <memory>
#include <set>

#include "cli/EditingCli.h"
#include "support/StoreSeed.h"

namespace {

using TProcesses = std::vector<std::unique_ptr<TVbgenProcess>>;

class Concurrency : public EditingCliTest {
 protected:
  void Start(TProcesses& processes, const std::vector<std::string>& args) const {
    processes.push_back(std::make_unique<TVbgenProcess>(home.dir(), args));
  }

  // Names the store holds more than once (its own comparison), over one table.
  static std::int64_t Duplicates(const std::string& table, const std::string& scope, const std::string& name) {
    return TDbHelper().GetInt("select count(*) from (select 1 from " + table + " group by " + scope + name +
                              " having count(*) > 1)");
  }
};

TEST_F(Concurrency, RacingAddsOfOneNameStoreItOnce) {
  constexpr int kRounds = 8;  // each round races one pair of project, class and member adds
  const int shop = SeedProject("Shop");
  SeedClass(shop, "Book");
  int refused = 0;
  for (int round = 0; round < kRounds; ++round) {
    const std::string n = std::to_string(round);
    const std::vector<std::vector<std::string>> adds = {{"project", "add", "P" + n},
                                                        {"class", "add", "Shop", "C" + n, "类"},
                                                        {"member", "add", "Shop", "Book", "m" + n, "字符串"}};
    TProcesses racing;
    for (const auto& add : adds) {
      Start(racing, add);
      Start(racing, add);
    }
    for (auto& process : racing) {
      const TVbgenResult r = process->Wait();
      EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 2) << r.err;
      if (r.exitCode == 2) {
        ++refused;
        EXPECT_TRUE(r.err == "该工程名称已经存在!\n" || r.err == "该类名称已经存在!\n" ||
                    r.err == "该成员名称已经存在!\n")
            << r.err;
      }
    }
  }
  EXPECT_EQ(refused, 3 * kRounds);  // one of each pair
  EXPECT_EQ(Duplicates("t_project", "", "projectName"), 0);
  EXPECT_EQ(Duplicates("t_class", "projectId,", "className"), 0);
  EXPECT_EQ(Duplicates("t_member", "classId,", "memberName"), 0);
  EXPECT_EQ(TDbHelper().GetInt("select count(*) from t_project"), 1 + kRounds);
}

TEST_F(Concurrency, SwapsAndImportsRacingOneStoreAllComplete) {
  constexpr int kSwaps = 10, kImports = 6;
  const int shop = SeedProject("Shop");
  const int book = SeedClass(shop, "Book");
  for (const char* name : {"a", "b", "c", "d"}) {
    TMember member = NewMember(shop, book, name, "字符串");
    member.memberLength = 20;
    SeedMember(member);
  }
  const auto exported = Run({"export", "Shop", "-o", (home.dir() / "shop.json").string()});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;

  TProcesses racing;
  for (int i = 0; i < std::max(kSwaps, kImports); ++i) {
    if (i < kSwaps) Start(racing, {"member", "swap", "Shop", "Book", i % 2 ? "a" : "b", i % 3 ? "c" : "d"});
    if (i < kImports)
      Start(racing, {"import", (home.dir() / "shop.json").string(), "--as", "Copy" + std::to_string(i)});
  }
  for (auto& process : racing) {
    const TVbgenResult r = process->Wait();
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
  }
  std::multiset<std::string> names;
  for (const auto& m : TMemberDAO().GetMembers(book)) names.insert(m.memberName);
  EXPECT_EQ(names, (std::multiset<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(TDbHelper().GetInt("select count(*) from t_project"), 1 + kImports);
  EXPECT_EQ(TDbHelper().GetInt("select count(*) from t_member"), 4 * (1 + kImports));
}

}  // namespace

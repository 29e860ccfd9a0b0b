// Faults of the store and its edits: what another program, an old store or an
// unlucky moment can do to the metadata, and what the edits layer refuses.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <functional>
#include <thread>

#include "metadata/ClassEdits.h"
#include "metadata/MemberEdits.h"
#include "metadata/ProjectEdits.h"
#include "metadata/ProjectJson.h"
#include "platform/Platform.h"
#include "support/StoreSeed.h"
#include "support/TempHome.h"

namespace {

using namespace std::chrono_literals;
using namespace member_type;

void ExpectRefused(const std::function<void()>& edit, const std::string& message) {
  try {
    edit();
    ADD_FAILURE() << "accepted; expected: " << message;
  } catch (const TInputError& e) {
    EXPECT_EQ(e.what(), message);
  }
}

std::string ErrorOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "(no error)";
}

std::int64_t Rows(const std::string& sql) { return TDbHelper().GetInt(sql); }

TMemberInput Field(const std::string& name, const std::string& type) {
  TMemberInput in;
  in.name = name;
  in.type = type;
  in.isMust = true;
  return in;
}

// Another program's connection, holding the store's write lock for as long as it lives.
class TOtherWriter {
 public:
  explicit TOtherWriter(const std::filesystem::path& file) {
    sqlite3_open(platform::Utf8FromPath(file).c_str(), &db_);
    sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
  }
  ~TOtherWriter() {
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
  }

 private:
  sqlite3* db_ = nullptr;
};

class StoreFaults : public ::testing::Test {
 protected:
  ~StoreFaults() override { TDbHelper::SetLockWait(10s); }

  TTempHome home{false};
  int shop = SeedProject("Shop");
  int library = SeedProject("Library");
  int book = SeedClass(shop, "Book");
  int reader = SeedClass(shop, "Reader");
};

TEST_F(StoreFaults, RenamingOntoAnotherNameIsRefusedWhateverItsCase) {
  ExpectRefused([&] { edits::RenameProject(library, "sHOP"); }, "该工程名称已经存在!");
  ExpectRefused([&] { edits::UpdateClass(reader, [](edits::TClassInput& c) { c.className = "BOOK"; }); },
                "该类名称已经存在!");
  EXPECT_EQ(TProjectDAO().GetProjectName(library), "Library");
  EXPECT_EQ(TClassDAO().GetClassName(reader), "Reader");
  edits::RenameProject(library, "LIBRARY");
  edits::UpdateClass(reader, [](edits::TClassInput& c) { c.className = "READER"; });
  EXPECT_EQ(TClassDAO().GetClassName(reader), "READER");
}

TEST_F(StoreFaults, DeletingAProjectLeavesNoRowOfIt) {
  edits::AddMember(book, Field("title", kString));
  edits::AddMember(reader, Field("borrowed", "Book"));
  edits::DeleteProject(shop);
  EXPECT_EQ(Rows("select count(*) from t_class"), 0);
  EXPECT_EQ(Rows("select count(*) from t_member"), 0);
}

TEST_F(StoreFaults, UpdatesKeepTheAddDialogsKeyRule) {
  const int day = edits::AddMember(book, Field("day", kDateTime)).memberId;
  const int cover = edits::AddMember(book, Field("cover", kPicture)).memberId;
  ExpectRefused([&] { edits::UpdateMember(day, [](TMemberInput& m) { m.isPri = true; }); },
                "主键字段必须是整型或字符串型!");
  ExpectRefused([&] { edits::UpdateMember(cover, [](TMemberInput& m) { m.isPri = true; }); },
                "主键字段必须是整型或字符串型!");
  EXPECT_EQ(Rows("select count(*) from t_member where memberIsPri=1"), 0);
}

// What another program may delete between a command's lookup and its edit.
TEST_F(StoreFaults, EditsOfRowsThatAreGoneAreRefusedAndLeaveNoOrphans) {
  const int title = edits::AddMember(book, Field("title", kString)).memberId;
  edits::DeleteClass(book);
  ExpectRefused([&] { edits::AddMember(book, Field("isbn", kString)); }, "该类已不存在!");
  ExpectRefused([&] { edits::UpdateMember(title, [](TMemberInput&) {}); }, "该成员已不存在!");
  ExpectRefused([&] { edits::UpdateClass(book, [](edits::TClassInput&) {}); }, "该类已不存在!");
  ExpectRefused([&] { edits::DeleteMember(title); }, "该成员已不存在!");
  ExpectRefused([&] { edits::DeleteClass(book); }, "该类已不存在!");
  edits::DeleteProject(library);
  ExpectRefused([&] { edits::AddClass(library, {"Novel", "小说", 1}); }, "该工程已不存在!");
  ExpectRefused([&] { edits::RenameProject(library, "Books"); }, "该工程已不存在!");
  ExpectRefused([&] { edits::ChangeSettings(library, [](TGenerationSettings&) {}); }, "该工程已不存在!");
  ExpectRefused([&] { edits::DeleteProject(library); }, "该工程已不存在!");
  EXPECT_EQ(Rows("select count(*) from t_setting"), 0);
  EXPECT_EQ(Rows("select count(*) from t_member"), 0);
  EXPECT_EQ(Rows("select count(*) from t_class where classId<>" + std::to_string(reader)), 0);
}

TEST_F(StoreFaults, MovesStopAtEitherEndAndExchangesStayInOneClass) {
  const int first = edits::AddMember(book, Field("first", kString)).memberId;
  const int last = edits::AddMember(book, Field("last", kString)).memberId;
  const int other = edits::AddMember(reader, Field("other", kString)).memberId;
  ExpectRefused([&] { edits::MoveMember(first, -1); }, "第一个成员无法上移了！");
  ExpectRefused([&] { edits::MoveMember(last, +1); }, "最后一个成员无法下移了！");
  ExpectRefused([&] { edits::SwapMembers(first, first); }, "请选中2条记录!");
  ExpectRefused([&] { edits::SwapMembers(first, other); }, "只能交换同一个类的成员!");
  edits::MoveMember(first, +1);
  EXPECT_EQ(TMemberDAO().GetMember(first)->memberName, "last");
  EXPECT_EQ(TMemberDAO().GetMember(other)->classId, reader);
}

TEST_F(StoreFaults, AFileThatIsNotOurStoreIsNamedWithTheFix) {
  const auto empty = home.dir() / "empty.db";
  const auto garbage = home.dir() / "garbage.db";
  WriteBytes(empty, "");
  WriteBytes(garbage, std::string(4096, 'x'));
  TDbHelper::SetDatabaseFile(empty);
  const std::string noTables = ErrorOf([] { TProjectDAO().GetAll(); });
  EXPECT_NE(noTables.find("文件 " + empty.string() + " 不是 vbgen 的元数据库"), std::string::npos) << noTables;
  EXPECT_EQ(noTables.find("no such table"), std::string::npos) << noTables;
  TDbHelper::SetDatabaseFile(garbage);
  const std::string notADatabase = ErrorOf([] { TProjectDAO().GetAll(); });
  EXPECT_NE(notADatabase.find(garbage.string() + " 已损坏或不是数据库文件"), std::string::npos) << notADatabase;
}

TEST_F(StoreFaults, AWriteLockHeldTooLongIsToldAsAnotherProgramWriting) {
  TDbHelper::SetLockWait(200ms);
  {
    TOtherWriter other(home.database());
    for (const auto& operation :
         std::vector<std::function<void()>>{[] { edits::AddProject("Late"); }, [] { TProjectDAO().GetAll(); }}) {
      const std::string error = ErrorOf(operation);
      EXPECT_EQ(error, "另一个程序正在写入元数据库 " + home.database().string() +
                           "，等待 0.2 秒后仍未结束: 请等它完成后再试。");
    }
  }
  // A lock released within the wait only delays the edit.
  TDbHelper::SetLockWait(5s);
  auto other = std::make_unique<TOtherWriter>(home.database());
  std::thread release([&] {
    std::this_thread::sleep_for(300ms);
    other.reset();
  });
  EXPECT_GT(edits::AddProject("Patient"), 0);
  release.join();
}

TEST_F(StoreFaults, ExportNamesAStoredTextThatIsNotUtf8) {
  const int title = edits::AddMember(book, Field("title", kString)).memberId;
  TDbHelper().ExecSql("update t_member set memberComment=? where memberId=?",
                      {std::string("书\xff"), std::int64_t{title}});
  EXPECT_EQ(ErrorOf([&] {
              project_json::ExportProject({"Shop", shop});
            }),
            "类 Book 的成员 title, 字段 memberComment 不是有效的 UTF-8 文本，无法导出: 请先在工作台或用 vbgen "
            "的修改命令改正它。");
}

}  // namespace

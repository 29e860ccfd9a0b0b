#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "generator/GenerationFixture.h"

namespace {

using namespace generation;
using namespace member_type;

std::vector<std::string> ResourceLines(const std::string& p) {
  return {
      "正在移动资源文件。。。",
      "projects/" + p + "/" + p + ".sln生成完毕",
      "projects/" + p + "/" + p + "/My Project/Application.Designer.vb生成完毕",
      "projects/" + p + "/" + p + "/My Project/Settings.Designer.vb生成完毕",
      "移动资源文件完毕!",
  };
}

std::vector<std::string> Tail(const std::vector<std::string>& events, std::size_t n) {
  if (events.size() < n) return events;
  return std::vector<std::string>(events.end() - static_cast<std::ptrdiff_t>(n), events.end());
}

class AutoCode : public ::testing::Test {
 protected:
  THome home;
};

// Whole runs

TEST_F(AutoCode, RunReportsModelFirstAndResourcesLastThenFinishes) {
  const int p = AddProject("Shop");
  AddPlainClass(p, "Goods");
  AddPlainClass(p, "Order");
  const auto events = RunProject(home, p);
  ASSERT_GE(events.size(), 9u);
  EXPECT_EQ(std::vector<std::string>(events.begin(), events.begin() + 3),
            (std::vector<std::string>{"projects/Shop/Model/Model.vbproj生成完成!",
                                      "projects/Shop/Model/Goods.vb生成完毕!",
                                      "projects/Shop/Model/Order.vb生成完毕!"}));
  auto expectedTail = ResourceLines("Shop");
  expectedTail.push_back("<finished>");
  EXPECT_EQ(Tail(events, 6), expectedTail);
}

TEST_F(AutoCode, RunWritesTheSolutionFilesAndCopiesTheResources) {
  const int p = AddProject("Shop");
  AddPlainClass(p, "Goods");
  RunProject(home, p);
  EXPECT_EQ(ReadBytes(home.Output("Shop/Shop.sln")), std::string(kBom) + "Solution Shop (Shop)\r\n");
  EXPECT_EQ(ReadBytes(home.Output("Shop/Shop/My Project/Application.Designer.vb")),
            std::string(kBom) + "Namespace Shop\r\n");
  EXPECT_TRUE(fs::exists(home.Output("Shop/Shop/My Project/Settings.Designer.vb")));
  EXPECT_EQ(ReadBytes(home.Output("Shop/BLL/Readme.txt")), "bll resource\r\n");
  EXPECT_EQ(ReadBytes(home.Output("Shop/DAL/DBHelp.vb")), "Public Class DBHelp\r\n");
  EXPECT_EQ(ReadBytes(home.Output("Shop/Shop/pic/NoImage.jpg")), "jpeg");
  EXPECT_EQ(ReadBytes(home.Output("Shop/Shop/App.config")), "<configuration/>\r\n");
}

TEST_F(AutoCode, ProjectWithoutClassesCompletes) {
  const int p = AddProject("Empty");
  const auto events = RunProject(home, p);
  EXPECT_EQ(events.front(), "projects/Empty/Model/Model.vbproj生成完成!");
  EXPECT_EQ(events.back(), "<finished>");
}

TEST_F(AutoCode, GeneratedFileWinsOverAResourceOfTheSameName) {
  WriteBytes(home.dir() / "bak/Model/Goods.vb", "resource");
  const int p = AddProject("Shop");
  AddPlainClass(p, "Goods");
  RunProject(home, p);
  EXPECT_NE(ReadBytes(home.Output("Shop/Model/Goods.vb")), "resource");
}

TEST_F(AutoCode, SourceEncodingChoosesTheWriterOfTheSources) {
  const int p = AddProject("Shop");
  AddPlainClass(p, "Goods");
  RunProject(home, p, TSourceEncoding::Utf8Bom);
  const std::string source = ReadBytes(home.Output("Shop/Model/Goods.vb"));
  EXPECT_EQ(source.substr(0, 3), kBom);
  EXPECT_NE(source.find("'编号\r\n"), std::string::npos);
}

// Checks: nothing is written when one fails

class AutoCodeCheck : public AutoCode {
 protected:
  void ExpectRefused(int projectId, TCheckKind kind, int classId, const std::string& message) {
    TRecorder recorder;
    TAutoCode(home.Settings(projectId), recorder).Execute();
    EXPECT_EQ(recorder.events(), std::vector<std::string>{"<check failed>"});
    EXPECT_EQ(recorder.failure().kind, kind);
    EXPECT_EQ(recorder.failure().classId, classId);
    EXPECT_EQ(recorder.failure().message, message);
    EXPECT_FALSE(fs::exists(home.dir() / "projects"));
  }
};

TEST_F(AutoCodeCheck, ClassWithoutKeyIsNamed) {
  const int p = AddProject("Shop");
  AddPlainClass(p, "Goods");
  const int order = AddClass(p, "Order", {{"name", kString, "", 0, false, true, true}});
  ExpectRefused(p, TCheckKind::PrimaryKey, order, "Order表主键设置错误，每个类只能设置一个主键!");
}

TEST_F(AutoCodeCheck, ClassWithTwoDisplayMembersIsNamed) {
  const int p = AddProject("Shop");
  const int goods =
      AddClass(p, "Goods", {{"id", kInteger, "", 0, true, true, true}, {"name", kString, "", 0, false, true, true}});
  ExpectRefused(p, TCheckKind::Display, goods, "Goods表显示成员设置错误，每个类有且只能设置一个显示成员!");
}

TEST_F(AutoCodeCheck, KeyCheckComesBeforeDisplayCheck) {
  const int p = AddProject("Shop");
  AddClass(p, "Goods", {{"id", kInteger, "", 0, true}});
  const int order = AddClass(p, "Order", {{"name", kString, "", 0, false, true, true}});
  ExpectRefused(p, TCheckKind::PrimaryKey, order, "Order表主键设置错误，每个类只能设置一个主键!");
}

TEST_F(AutoCodeCheck, ReferenceToAClassThatIsGoneNamesClassAndMember) {
  const int p = AddProject("Shop");
  const int goods = AddClass(p, "Goods", {{"id", kInteger, "", 0, true, true, true}, {"maker", "Maker", ""}});
  ExpectRefused(p, TCheckKind::Reference, goods, "Goods类的成员maker引用的类Maker不存在，请修改该成员的类型!");
}

TEST_F(AutoCodeCheck, ReferenceToAClassOfAnotherProjectIsRefused) {
  const int other = AddProject("Other");
  AddPlainClass(other, "Maker");
  const int p = AddProject("Shop");
  const int goods = AddClass(p, "Goods", {{"id", kInteger, "", 0, true, true, true}, {"maker", "Maker", ""}});
  ExpectRefused(p, TCheckKind::Reference, goods, "Goods类的成员maker引用的类Maker不存在，请修改该成员的类型!");
}

// Errors after the checks

TEST_F(AutoCode, MissingResourceFolderStopsTheRunWithoutCompletion) {
  fs::remove_all(home.dir() / "bak/DAL");
  const int p = AddProject("Shop");
  AddPlainClass(p, "Goods");
  const auto events = RunProject(home, p);
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[events.size() - 2], "正在移动资源文件。。。");
  EXPECT_EQ(events.back().rfind("<failed> ", 0), 0u) << events.back();
  EXPECT_NE(events.back().find(platform::Utf8FromPath(home.dir() / "bak" / "DAL")), std::string::npos) << events.back();
  EXPECT_TRUE(fs::exists(home.Output("Shop/BLL/Readme.txt")));
  EXPECT_TRUE(fs::exists(home.Output("Shop/Model/Goods.vb")));
  EXPECT_FALSE(fs::exists(home.Output("Shop/Shop.sln")));
}

TEST_F(AutoCode, MissingTemplateStopsTheRunWithItsPath) {
  fs::remove(home.dir() / "template/project_name.sln");
  const int p = AddProject("Shop");
  const auto events = RunProject(home, p);
  EXPECT_EQ(events.back().rfind("<failed> ", 0), 0u) << events.back();
  EXPECT_NE(events.back().find("project_name.sln"), std::string::npos) << events.back();
  EXPECT_EQ(std::count(events.begin(), events.end(), "<finished>"), 0);
}

TEST_F(AutoCode, SecondRunLeavesUnchangedFilesUntouched) {
  WriteBytes(home.dir() / "bak/DAL/sub/Extra.vb", "extra");
  const int p = AddProject("Shop");
  AddPlainClass(p, "Goods");
  ASSERT_EQ(RunProject(home, p).back(), "<finished>");
  const auto longAgo = WholeSeconds(fs::file_time_type::clock::now() - std::chrono::hours(48));
  const fs::path generated = home.Output("Shop/Model/Goods.vb");
  const fs::path solution = home.Output("Shop/Shop.sln");
  fs::last_write_time(generated, longAgo);
  fs::last_write_time(solution, longAgo);
  WriteBytes(home.Output("Shop/DAL/DBHelp.vb"), "edited by hand");
  WriteBytes(home.Output("Shop/DAL/sub/Extra.vb"), "edited by hand");

  const auto second = RunProject(home, p);
  EXPECT_EQ(second.back(), "<finished>");
  EXPECT_EQ(fs::last_write_time(generated), longAgo);
  EXPECT_EQ(fs::last_write_time(solution), longAgo);
  EXPECT_EQ(ReadBytes(home.Output("Shop/DAL/DBHelp.vb")), "edited by hand");
  EXPECT_EQ(ReadBytes(home.Output("Shop/DAL/sub/Extra.vb")), "extra");
}

// Threads

TEST_F(AutoCode, RunOnItsThreadWhileTheStoreIsEdited) {
  const int p = AddProject("Shop");
  for (int i = 0; i < 30; ++i) AddPlainClass(p, "Goods" + std::to_string(i));
  const int other = AddProject("Other");

  TRecorder recorder;
  std::thread run = TAutoCode::Start(home.Settings(p), recorder);
  for (int i = 0; i < 30; ++i) {
    const int classId = AddPlainClass(other, "Part" + std::to_string(i));
    TClassDAO().UpdateClass(other, classId, "Piece" + std::to_string(i), "零件", 0);
  }
  run.join();

  const auto events = recorder.events();
  ASSERT_EQ(events.back(), "<finished>");
  EXPECT_EQ(events[30], "projects/Shop/Model/Goods29.vb生成完毕!");
  EXPECT_TRUE(fs::exists(home.Output("Shop/Model/Goods29.vb")));
  EXPECT_FALSE(fs::exists(home.Output("Other")));
}

TEST_F(AutoCode, TwoRunsAtOnceOverDifferentProjects) {
  const int a = AddProject("Alpha");
  const int b = AddProject("Beta");
  for (int i = 0; i < 10; ++i) {
    AddPlainClass(a, "A" + std::to_string(i));
    AddPlainClass(b, "B" + std::to_string(i));
  }
  TRecorder first;
  TRecorder second;
  std::thread one = TAutoCode::Start(home.Settings(a), first);
  std::thread two = TAutoCode::Start(home.Settings(b), second);
  one.join();
  two.join();
  EXPECT_EQ(first.events().back(), "<finished>");
  EXPECT_EQ(second.events().back(), "<finished>");
  EXPECT_EQ(ReadBytes(home.Output("Alpha/Model/A9.vb")).substr(0, 10), "Imports Sy");
  EXPECT_EQ(ReadBytes(home.Output("Beta/Model/B9.vb")).substr(0, 10), "Imports Sy");
}

}  // namespace

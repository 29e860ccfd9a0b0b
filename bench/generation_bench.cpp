// Measures a whole generation run on synthetic projects of N classes with M
// members, against the cost of the output's bytes alone: copying the produced
// tree file by file. Prints one line per N.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "generator/AutoCode.h"
#include "metadata/ClassDAO.h"
#include "metadata/DbHelper.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectDAO.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 5;
constexpr int kMembers = 20;

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

fs::path MakeHome() {
  std::string pattern = (fs::temp_directory_path() / "vbgen-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  const fs::path home = pattern, runtime = VBGEN_RUNTIME_DIR;
  TDbHelper::CreateDatabase(home / "projects.db", ReadAll(runtime / "schema.sql"));
  for (const char* folder : {"template", "bak"}) fs::copy(runtime / folder, home / folder, fs::copy_options::recursive);
  TDbHelper::SetDatabaseFile(home / "projects.db");
  return home;
}

TMember Member(int projectId, int classId, const std::string& name, const std::string& type) {
  TMember m;
  m.projectId = projectId;
  m.classId = classId;
  m.memberName = name;
  m.memberType = type;
  m.memberIsMust = 1;
  m.memberIsInteger = type == member_type::kInteger;
  m.memberIsFloat = type == member_type::kFloat;
  m.memberLength = type == member_type::kString ? 50 : 0;
  m.memberComment = "成员" + name;
  return m;
}

// Classes alternate integer and string keys; a fifth of the members refer to
// the following classes; the rest cycle through the five type words.
int MakeProject(const std::string& name, int classes) {
  TProjectDAO().AddProject(name);
  const int projectId = TProjectDAO().GetProjectId(name);
  TClassDAO classDao;
  TMemberDAO memberDao;
  TDbHelper::InTransaction([&] {
    for (int c = 0; c < classes; ++c)
      classDao.AddClass(projectId, "Entity" + std::to_string(c), "实体" + std::to_string(c), 1);
    const auto list = classDao.GetClassList(projectId);
    for (int c = 0; c < classes; ++c) {
      const int classId = list[static_cast<std::size_t>(c)].tag;
      TMember key = Member(projectId, classId, "id", c % 2 ? member_type::kString : member_type::kInteger);
      key.memberIsPri = 1;
      memberDao.AddMember(key);
      TMember display = Member(projectId, classId, "title", member_type::kString);
      display.memberIsDisplay = 1;
      display.queryFlag = 1;
      memberDao.AddMember(display);
      for (int m = 2; m < kMembers; ++m) {
        const bool reference = classes > 1 && m % 5 == 0;
        const std::string type = reference ? list[static_cast<std::size_t>((c + m / 5) % classes)].text
                                           : member_type::kWords[m % 5];
        if (reference && type == list[static_cast<std::size_t>(c)].text) continue;
        TMember member = Member(projectId, classId, "field" + std::to_string(m), type);
        member.queryFlag = type == member_type::kString || type == member_type::kDateTime;
        memberDao.AddMember(member);
      }
    }
  });
  return projectId;
}

class TQuietListener : public IRunListener {
 public:
  void Progress(const std::string&) override {}
  void CheckFailed(const TCheckFailure& f) override { error = f.message; }
  void Finished() override { finished = true; }
  void Failed(const std::string& e) override { error = e; }
  bool finished = false;
  std::string error;
};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double TimeRun(const TRunSettings& settings) {
  TQuietListener listener;
  const auto start = Clock::now();
  TAutoCode(settings, listener).Execute();
  const auto elapsed = Clock::now() - start;
  if (!listener.finished) throw std::runtime_error("run failed: " + listener.error);
  return Ms(elapsed);
}

struct TTreeSize {
  std::size_t files = 0;
  std::uintmax_t bytes = 0;
};

TTreeSize Measure(const fs::path& tree) {
  TTreeSize size;
  for (const auto& entry : fs::recursive_directory_iterator(tree))
    if (entry.is_regular_file()) ++size.files, size.bytes += entry.file_size();
  return size;
}

// The reference cost: read every file of the tree and write it anew elsewhere.
double TimeCopy(const fs::path& tree, const fs::path& target) {
  fs::remove_all(target);
  const auto start = Clock::now();
  for (const auto& entry : fs::recursive_directory_iterator(tree)) {
    const fs::path to = target / fs::relative(entry.path(), tree);
    if (entry.is_directory()) {
      fs::create_directories(to);
    } else {
      fs::create_directories(to.parent_path());
      const std::string bytes = ReadAll(entry.path());
      std::ofstream(to, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
  }
  return Ms(Clock::now() - start);
}

long PeakRssMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes = {10, 100, 1000};
  if (argc > 1) {
    sizes.clear();
    for (int i = 1; i < argc; ++i) sizes.push_back(std::stoi(argv[i]));
  }
  const fs::path home = MakeHome();
  std::cout << "runs per figure: " << kRuns << " (median), members per class: " << kMembers << "\n";
  for (const int n : sizes) {
    const std::string name = "Bench" + std::to_string(n);
    TRunSettings settings{home, name, MakeProject(name, n), "brindlemoor", TSourceEncoding::Gbk};
    const fs::path tree = home / "projects" / name;

    std::vector<double> generation, copy, rerun;
    std::uint64_t statements = 0;
    for (int run = 0; run < kRuns; ++run) {
      fs::remove_all(tree);
      const auto before = TDbHelper::StatementCount();
      generation.push_back(TimeRun(settings));
      statements = TDbHelper::StatementCount() - before;
      rerun.push_back(TimeRun(settings));
      copy.push_back(TimeCopy(tree, home / "copy"));
    }
    const TTreeSize size = Measure(tree);
    const double gen = Median(generation), cp = Median(copy);
    std::printf(
        "N=%d M=%d generate=%.1fms (%.2fms/class) rerun=%.1fms files=%zu bytes=%ju sql=%ju peak_rss=%ldMB "
        "copy=%.1fms generate/copy=%.2f\n",
        n, kMembers, gen, gen / n, Median(rerun), size.files, size.bytes, static_cast<std::uintmax_t>(statements),
        PeakRssMb(), cp, gen / cp);
    std::fflush(stdout);
  }
  fs::remove_all(home);
  return 0;
}

// Measures a whole generation run on synthetic projects of N classes with M
// members, against the cost of the output's bytes alone: copying the produced
// tree file by file into a new folder. Prints one line per N.
//
// Every timed step writes into a folder that does not exist yet, and no tree is
// deleted before the benchmark ends: ext4 skips recently deleted inodes when it
// allocates new ones, so deleting a tree between runs would slow down whichever
// step came next, not the step being measured. Likewise every timed step starts
// with the page cache flushed, so that it does not pay for writing back the
// bytes of the step before.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "bench/BenchHome.h"
#include "generator/AutoCode.h"
#include "metadata/ClassDAO.h"
#include "metadata/DbHelper.h"
#include "metadata/MemberDAO.h"
#include "metadata/ProjectDAO.h"
#include "metadata/SettingsDAO.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 3;
constexpr int kMembers = 20;

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

double CpuSeconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

// The process's user and system CPU time so far, in seconds.
std::pair<double, double> CpuTimes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return {CpuSeconds(usage.ru_utime), CpuSeconds(usage.ru_stime)};
}

struct TRunTimes {
  double wallMs = 0, userS = 0, systemS = 0;
};

TRunTimes TimeRun(const TRunSettings& settings) {
  TQuietListener listener;
  ::sync();
  const auto [user, system] = CpuTimes();
  const auto start = Clock::now();
  TAutoCode(settings, listener).Execute();
  const auto elapsed = Clock::now() - start;
  const auto [userAfter, systemAfter] = CpuTimes();
  if (!listener.finished) throw std::runtime_error("run failed: " + listener.error);
  return {Ms(elapsed), userAfter - user, systemAfter - system};
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

void WriteFile(const fs::path& to, const std::string& bytes) {
  const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) || ::close(fd) != 0)
    throw std::runtime_error("cannot write " + to.string());
}

// As a safe writer must: a temporary file beside the target, renamed over it.
void WriteFileThroughTemp(const fs::path& to, const std::string& bytes) {
  fs::path temp = to;
  temp += ".tmp";
  WriteFile(temp, bytes);
  if (::rename(temp.c_str(), to.c_str()) != 0) throw std::runtime_error("cannot rename to " + to.string());
}

// The reference cost: read every file of the tree and write it anew into a
// folder that does not exist yet.
double TimeCopy(const fs::path& tree, const fs::path& target, void (*write)(const fs::path&, const std::string&)) {
  ::sync();
  const auto start = Clock::now();
  fs::create_directories(target);
  for (const auto& entry : fs::recursive_directory_iterator(tree)) {
    const fs::path to = target / fs::relative(entry.path(), tree);
    if (entry.is_directory())
      fs::create_directory(to);
    else
      write(to, ReadAll(entry.path()));
  }
  return Ms(Clock::now() - start);
}

using TModificationTimes = std::map<fs::path, fs::file_time_type>;

TModificationTimes ModificationTimes(const fs::path& tree) {
  TModificationTimes times;
  for (const auto& entry : fs::recursive_directory_iterator(tree))
    if (entry.is_regular_file()) times.emplace(entry.path(), entry.last_write_time());
  return times;
}

// Files of the tree that are new or have another modification time.
std::size_t Touched(const TModificationTimes& before, const fs::path& tree) {
  std::size_t touched = 0;
  for (const auto& [file, time] : ModificationTimes(tree)) {
    const auto found = before.find(file);
    touched += found == before.end() || found->second != time;
  }
  return touched;
}

void SetEdits(int projectId, TEditMode mode) {
  TGenerationSettings settings = TSettingsDAO().GetSettings(projectId);
  settings.edits = mode;
  TSettingsDAO().SaveSettings(projectId, settings);
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
  const fs::path home = MakeBenchHome(true);
  const fs::path kept = home / "kept";
  std::cout << "runs per figure: " << kRuns << " (median), members per class: " << kMembers << "\n"
            << "copy: the generated tree read and written file by file into a new folder; copy_via_temp: the same,\n"
            << "each file through a temporary file renamed over it; rerun: the run again over its unchanged output,\n"
            << "rerun_rewrote: files whose modification time the rerun changed; merge_rerun: the rerun in merge mode\n"
            << "over unchanged output and bases (after one merge run that recorded the bases); user/sys: CPU seconds\n"
            << "of the first run; text_MB/s_user: the tree's bytes per second of the first run's user CPU time;\n"
            << "cpu_*: the reruns' CPU time (user and system) over the first run's\n";
  struct {
    int n = 0;
    double generate = 0, copy = 0;
  } previous;
  for (const int n : sizes) {
    const std::string name = "Bench" + std::to_string(n);
    TRunSettings settings{home, name, MakeProject(name, n), "brindlemoor", TSourceEncoding::Gbk};
    const fs::path tree = home / "projects" / name;

    std::vector<double> generation, user, system, copy, safeCopy, rerun, rerunCpu, mergeRerun, mergeRerunCpu;
    std::uint64_t statements = 0;
    std::size_t rewritten = 0;
    for (int run = 0; run < kRuns; ++run) {
      const std::string tag = name + "-" + std::to_string(run);
      if (fs::exists(tree)) fs::rename(tree, kept / ("generated-" + tag));
      const auto before = TDbHelper::StatementCount();
      const TRunTimes first = TimeRun(settings);
      generation.push_back(first.wallMs);
      user.push_back(first.userS);
      system.push_back(first.systemS);
      statements = TDbHelper::StatementCount() - before;
      const TModificationTimes written = ModificationTimes(tree);
      const TRunTimes again = TimeRun(settings);
      rerun.push_back(again.wallMs);
      rerunCpu.push_back((again.userS + again.systemS) / (first.userS + first.systemS));
      rewritten = std::max(rewritten, Touched(written, tree));
      copy.push_back(TimeCopy(tree, kept / ("copy-" + tag), WriteFile));
      safeCopy.push_back(TimeCopy(tree, kept / ("safe-copy-" + tag), WriteFileThroughTemp));
      SetEdits(settings.projectId, TEditMode::Merge);
      TimeRun(settings);
      const TModificationTimes merged = ModificationTimes(tree);
      const TRunTimes mergeAgain = TimeRun(settings);
      mergeRerun.push_back(mergeAgain.wallMs);
      mergeRerunCpu.push_back((mergeAgain.userS + mergeAgain.systemS) / (first.userS + first.systemS));
      rewritten = std::max(rewritten, Touched(merged, tree));
      SetEdits(settings.projectId, TEditMode::Overwrite);
      // The bases are no part of the generated tree that the figures measure.
      fs::rename(tree / ".vbgen", kept / ("bases-" + tag));
    }
    const TTreeSize size = Measure(tree);
    const double gen = Median(generation), cp = Median(copy), userS = Median(user);
    std::printf(
        "N=%d M=%d generate=%.1fms ms/class=%.2f user=%.2fs sys=%.2fs text_MB/s_user=%.0f files=%zu bytes=%ju "
        "sql=%ju peak_rss=%ldMB copy=%.1fms copy_via_temp=%.1fms rerun=%.1fms merge_rerun=%.1fms "
        "rerun/generate=%.2f merge_rerun/generate=%.2f cpu_rerun/generate=%.2f cpu_merge_rerun/generate=%.2f "
        "rerun_rewrote=%zu generate/copy=%.2f\n",
        n, kMembers, gen, gen / n, userS, Median(system), static_cast<double>(size.bytes) / 1e6 / userS, size.files,
        size.bytes, static_cast<std::uintmax_t>(statements), PeakRssMb(), cp, Median(safeCopy), Median(rerun),
        Median(mergeRerun), Median(rerun) / gen, Median(mergeRerun) / gen, Median(rerunCpu), Median(mergeRerunCpu),
        rewritten, gen / cp);
    if (previous.n > 0)
      std::printf("  growth from N=%d: generate x%.1f, copy x%.1f\n", previous.n, gen / previous.generate,
                  cp / previous.copy);
    previous = {n, gen, cp};
    std::fflush(stdout);
  }
  fs::remove_all(home);
  return 0;
}

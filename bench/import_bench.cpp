// Measures vbgen import on synthetic project files of N classes with 20
// members each (both key kinds, every member type, a fifth of the members
// references to other classes), into a fresh store. Prints one line per N with
// the time per class, so that growth beyond linear shows at once.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "bench/BenchHome.h"
#include "metadata/DbHelper.h"
#include "metadata/Member.h"
#include "metadata/ProjectJson.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kMembers = 20;

nlohmann::ordered_json Member(const std::string& name, const std::string& type, int isPri, int isDisplay) {
  using namespace member_type;
  const bool optional = type == kString || type == kPicture;
  return {{"memberName", name},
          {"memberType", type},
          {"memberLength", type == kString ? 50 : 0},
          {"memberIsPri", isPri},
          {"memberComment", "成员" + name},
          {"memberIsMust", optional ? 0 : 1},
          {"memberIsInteger", type == kInteger ? 1 : 0},
          {"memberIsFloat", type == kFloat ? 1 : 0},
          {"queryFlag", 0},
          {"memberIsDisplay", isDisplay},
          {"memberQueryDisplay", 1}};
}

// User and system time of the process: on a shared machine it shows the work
// done, where the wall time also shows the other programs.
double CpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

std::string ClassName(int c) { return "Entity" + std::to_string(c); }

std::string ProjectFile(int classes) {
  nlohmann::ordered_json file = {{"format", "vbgen-project"}, {"version", 1}, {"projectName", "Bench"}};
  file["classes"] = nlohmann::ordered_json::array();
  for (int c = 0; c < classes; ++c) {
    auto members = nlohmann::ordered_json::array();
    members.push_back(Member("id", c % 2 ? member_type::kString : member_type::kInteger, 1, 0));
    members.push_back(Member("title", member_type::kString, 0, 1));
    for (int m = 2; m < kMembers; ++m) {
      const std::string type = m % 5 == 0 ? ClassName((c + m) % classes == c ? (c + 1) % classes : (c + m) % classes)
                                          : member_type::kWords[m % 5];
      members.push_back(Member("field" + std::to_string(m), type, 0, 0));
    }
    file["classes"].push_back({{"className", ClassName(c)},
                               {"friendName", "实体" + std::to_string(c)},
                               {"frontShowFlag", 1},
                               {"members", members}});
  }
  return file.dump(2) + "\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes = {1000, 2000, 5000, 10000};
  if (argc > 1) {
    sizes.clear();
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  }
  const fs::path home = MakeBenchHome(false);
  std::printf("members per class: %d; one import per N into one store, each as a new project\n", kMembers);
  double previous = 0;
  int previousN = 0;
  for (const int n : sizes) {
    const std::string text = ProjectFile(n);
    const auto statements = TDbHelper::StatementCount();
    const double cpuBefore = CpuMs();
    const auto start = Clock::now();
    project_json::ImportProject(text, "Bench" + std::to_string(n));
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("N=%d import=%.0fms (%.3fms/class) cpu=%.0fms file=%zuKB sql=%ju", n, ms, ms / n, CpuMs() - cpuBefore,
                text.size() / 1024, static_cast<std::uintmax_t>(TDbHelper::StatementCount() - statements));
    if (previousN > 0)
      std::printf(" growth from N=%d: x%.2f for x%.2f classes", previousN, ms / previous,
                  static_cast<double>(n) / previousN);
    std::printf("\n");
    std::fflush(stdout);
    previous = ms;
    previousN = n;
  }
  fs::remove_all(home);
  return 0;
}

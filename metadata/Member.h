#pragma once
// One row of t_member, and the member-type vocabulary the generators branch on.

#include <string>

struct TMember {
  int memberId = 0;
  int projectId = 0;
  int classId = 0;
  std::string memberName;
  std::string memberType;
  int memberLength = 0;
  int memberIsPri = 0;
  std::string memberComment;
  int memberIsMust = 0;
  int memberIsInteger = 0;
  int memberIsFloat = 0;
  int queryFlag = 0;
  int memberIsDisplay = 0;
  int memberQueryDisplay = 1;

  bool operator==(const TMember&) const = default;
};

// The five type words, in the order the member dialogs offer them.
namespace member_type {
inline constexpr const char* kString = "字符串";
inline constexpr const char* kInteger = "整型";
inline constexpr const char* kFloat = "浮点型";
inline constexpr const char* kDateTime = "日期型";
inline constexpr const char* kPicture = "图片型";
inline constexpr const char* kWords[] = {kString, kInteger, kFloat, kDateTime, kPicture};

// A reference is any type that is none of the five words; it names a class.
bool IsReference(const std::string& type);
}  // namespace member_type

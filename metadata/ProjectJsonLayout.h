#pragma once
// The layout of a project file, shared by the code that reads one and the code
// that writes and stores one.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "metadata/GenerationSettings.h"
#include "metadata/Member.h"
#include "metadata/ProjectJson.h"

namespace project_json {

// ordered_json keeps keys in insertion order, which fixes the layout.
using TJson = nlohmann::ordered_json;

// The member fields in file order; every number but memberLength is a 0/1 flag.
struct TMemberField {
  const char* key;
  std::string TMember::*text;
  int TMember::*number;
};
inline constexpr TMemberField kMemberFields[] = {
    {"memberName", &TMember::memberName, nullptr},
    {"memberType", &TMember::memberType, nullptr},
    {"memberLength", nullptr, &TMember::memberLength},
    {"memberIsPri", nullptr, &TMember::memberIsPri},
    {"memberComment", &TMember::memberComment, nullptr},
    {"memberIsMust", nullptr, &TMember::memberIsMust},
    {"memberIsInteger", nullptr, &TMember::memberIsInteger},
    {"memberIsFloat", nullptr, &TMember::memberIsFloat},
    {"queryFlag", nullptr, &TMember::queryFlag},
    {"memberIsDisplay", nullptr, &TMember::memberIsDisplay},
    {"memberQueryDisplay", nullptr, &TMember::memberQueryDisplay},
};
inline constexpr const char* kLength = "memberLength";

// One member's fields under their file keys, in file order.
TJson MemberToJson(const TMember& member);

struct TClassFile {
  std::string className;
  std::string friendName;
  int frontShowFlag = 0;
  std::vector<TMember> members;
};

struct TProjectFile {
  std::string projectName;
  TGenerationSettings settings;  // a file without them has the defaults
  std::vector<TClassFile> classes;
};

inline constexpr const char* kFileWhere = "项目文件";
inline constexpr const char* kSettings = "settings";

// How messages name the parts of a file: "类 Book 的成员 title, 字段 memberType".
std::string FieldWhere(const std::string& where, const std::string& key);
std::string ClassWhere(const std::string& className, std::size_t index);
std::string MemberWhere(const std::string& classWhere, const std::string& memberName, std::size_t index);
[[noreturn]] void Fault(const std::string& where, const std::string& problem);

// A whole file, its shape and value types checked; raises TProjectFileError.
TProjectFile ReadProject(const std::string& text);

// Stores a project read or built elsewhere as ImportProject does: all or
// nothing, through the dialogs' rules. A refused class or member raises
// TProjectFileError carrying the class's index; nameWhere names the project
// name in the message of a refused name.
TListEntry StoreProject(const TProjectFile& file, const std::string& nameWhere);

}  // namespace project_json

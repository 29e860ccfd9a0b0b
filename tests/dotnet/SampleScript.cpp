#include "SampleScript.h"

#include <nlohmann/json.hpp>

#include "support/TempHome.h"

TProjectScript SampleScript(const std::string& project) {
  const auto file = nlohmann::json::parse(ReadBytes(std::filesystem::path(VBGEN_BIN_DIR) / "samples" / "library.json"));
  TProjectScript script(project);
  for (const auto& c : file["classes"]) script.Class(c["className"], c["friendName"]);
  for (const auto& c : file["classes"])
    for (const auto& m : c["members"]) {
      TMemberSpec spec;
      spec.name = m["memberName"];
      spec.type = m["memberType"];
      spec.comment = m["memberComment"];
      spec.key = m["memberIsPri"] == 1;
      spec.required = m["memberIsMust"] == 1;
      spec.query = m["queryFlag"] == 1;
      spec.display = m["memberIsDisplay"] == 1;
      spec.queryDisplay = m["memberQueryDisplay"] == 1;
      if (spec.type == "字符串") spec.length = std::to_string(m["memberLength"].get<int>());
      script.Member(c["className"], spec);
    }
  return script;
}

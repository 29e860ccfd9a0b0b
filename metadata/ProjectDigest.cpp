#include "metadata/ProjectDigest.h"

#include <cstdio>
#include <functional>

#include "metadata/DbHelper.h"

namespace project_digest {

std::string Of(int projectId) {
  const TSqlParams id{std::int64_t{projectId}};
  std::string rows;
  TDbHelper::InReadTransaction([&] {
    const TDbHelper db;
    for (const char* selection : {"select * from t_project where projectId=?",
                                  "select * from t_class where projectId=? order by classId",
                                  "select * from t_member where classId in (select classId from t_class where projectId=?) "
                                  "order by classId, memberId",
                                  "select * from t_setting where projectId=? order by settingName"}) {
      db.AppendRowsText(rows, selection, id);
      rows += '\x1e';
    }
  });
  return OfBytes(rows);
}

// A 64-bit hash and the length: two texts that differ read alike only by
// accident, and then about once in 2^64.
std::string OfBytes(std::string_view bytes) {
  char digest[40];
  std::snprintf(digest, sizeof digest, "%016llx-%zx",
                static_cast<unsigned long long>(std::hash<std::string_view>{}(bytes)), bytes.size());
  return digest;
}

}  // namespace project_digest

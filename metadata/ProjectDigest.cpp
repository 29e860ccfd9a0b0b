#include "metadata/ProjectDigest.h"

#include <cstdio>
#include <functional>
#include <variant>

#include "metadata/DbHelper.h"

namespace project_digest {

namespace {

// Each cell with its kind and length, so that no two different row sets read alike.
void Append(std::string& serial, TResultSet rows) {
  serial += '\x1e';
  for (rows.First(); !rows.Eof(); rows.Next()) {
    for (const TSqlValue& cell : rows.Row()) {
      const std::string text =
          std::holds_alternative<std::int64_t>(cell) ? std::to_string(std::get<std::int64_t>(cell)) : std::get<std::string>(cell);
      serial += std::holds_alternative<std::int64_t>(cell) ? 'i' : 's';
      serial += std::to_string(text.size()) + ':' + text;
    }
    serial += '\n';
  }
}

}  // namespace

std::string Of(int projectId) {
  const TSqlParams id{std::int64_t{projectId}};
  std::string serial;
  TDbHelper::InReadTransaction([&] {
    const TDbHelper db;
    Append(serial, db.OpenQuery("select * from t_project where projectId=?", id));
    Append(serial, db.OpenQuery("select * from t_class where projectId=? order by classId", id));
    Append(serial, db.OpenQuery("select * from t_member where projectId=? order by memberId", id));
    Append(serial, db.OpenQuery("select * from t_setting where projectId=? order by settingName", id));
  });
  return OfBytes(serial);
}

// Two 64-bit hashes, the second of the bytes behind a salt: 128 bits against an accidental match.
std::string OfBytes(std::string_view bytes) {
  const std::hash<std::string_view> hash;
  char digest[33];
  std::snprintf(digest, sizeof digest, "%016llx%016llx", static_cast<unsigned long long>(hash(bytes)),
                static_cast<unsigned long long>(hash(std::string("\x1f") + std::string(bytes))));
  return digest;
}

}  // namespace project_digest

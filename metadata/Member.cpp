#include "metadata/Member.h"

namespace member_type {
bool IsReference(const std::string& type) {
  for (const char* word : kWords)
    if (type == word) return false;
  return true;
}
}  // namespace member_type

#include "generator/VbNames.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameVbName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string UnclashedName(const std::string& name, std::initializer_list<std::string> taken) {
  const bool clashes =
      std::any_of(taken.begin(), taken.end(), [&](const std::string& other) { return SameVbName(name, other); });
  return clashes ? "_" + name : name;
}

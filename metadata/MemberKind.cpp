#include "metadata/MemberKind.h"

#include <stdexcept>

#include "metadata/NameRules.h"

static_assert([] {
  for (std::size_t i = 0; i < kMemberKinds.size(); ++i)
    if (static_cast<std::size_t>(kMemberKinds[i].kind) != i) return false;
  return true;
}());

TMemberKind KindOfType(const std::string& type) {
  for (const TMemberKindTraits& traits : kMemberKinds)
    if (!traits.word.empty() && type == traits.word) return traits.kind;
  const bool className = !type.empty() && ((type[0] >= 'A' && type[0] <= 'Z') || (type[0] >= 'a' && type[0] <= 'z')) &&
                         name_rules::IsIdentifierTail(type);
  if (!className) throw std::invalid_argument("成员类型 '" + type + "' 无效: 既不是五种类型之一，也不是类名!");
  return TMemberKind::Reference;
}

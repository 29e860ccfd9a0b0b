#include "generator/NamedValues.h"

#include <utility>

namespace {

// Names are a few letters long: compared in place rather than through a call.
bool SameName(const std::string& held, std::string_view name) {
  if (held.size() != name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (held[i] != name[i]) return false;
  return true;
}

}  // namespace

// The slot holding name, or the free slot where it would go.
std::size_t TNamedValues::SlotOf(std::string_view name, std::size_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = hash & mask;
  while (!slots_[at].name.empty() && !SameName(slots_[at].name, name)) at = (at + 1) & mask;
  return at;
}

const std::string* TNamedValues::Find(std::string_view name, std::size_t hash) const {
  const TSlot& slot = slots_[SlotOf(name, hash)];
  return slot.name.empty() ? nullptr : &slot.value;
}

void TNamedValues::Set(std::string_view name, std::size_t hash, std::string_view value) {
  TSlot* slot = &slots_[SlotOf(name, hash)];
  if (!slot->name.empty()) {
    slot->value.assign(value);
    return;
  }
  if (2 * (used_ + 1) > slots_.size()) {
    const std::string kept(value);  // value may be the view of a value the growth moves
    Grow();
    slot = &slots_[SlotOf(name, hash)];
    slot->value = kept;
  } else {
    slot->value.assign(value);
  }
  slot->name = name;
  ++used_;
}

void TNamedValues::Grow() {
  std::vector<TSlot> old(slots_.size() * 2);
  old.swap(slots_);
  for (TSlot& slot : old)
    if (!slot.name.empty()) slots_[SlotOf(slot.name, HashOf(slot.name))] = std::move(slot);
}

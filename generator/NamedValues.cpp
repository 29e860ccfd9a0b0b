#include "generator/NamedValues.h"

#include <utility>

namespace {

std::size_t HashOf(std::uint64_t key) { return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> 32); }

// Equal keys: only the letters past the key's can still differ.
bool SameName(const std::string& held, std::string_view name) {
  for (std::size_t i = TNamedValues::kKeyLetters; i < name.size(); ++i)
    if (held[i] != name[i]) return false;
  return true;
}

}  // namespace

std::size_t TNamedValues::SlotOf(std::string_view name, std::uint64_t key) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = HashOf(key) & mask;
  while (slots_[at].key != 0 && (slots_[at].key != key || !SameName(slots_[at].name, name))) at = (at + 1) & mask;
  return at;
}

const std::string* TNamedValues::Find(std::string_view name, std::uint64_t key) const {
  const TSlot& slot = slots_[SlotOf(name, key)];
  return slot.key == 0 ? nullptr : &slot.value;
}

void TNamedValues::Set(std::string_view name, std::uint64_t key, std::string_view value) {
  TSlot* slot = &slots_[SlotOf(name, key)];
  if (slot->key != 0) {
    slot->value.assign(value);
    return;
  }
  if (2 * (used_ + 1) > slots_.size()) {
    const std::string kept(value);  // value may be the view of a value the growth moves
    Grow();
    slot = &slots_[SlotOf(name, key)];
    slot->value = kept;
  } else {
    slot->value.assign(value);
  }
  slot->key = key;
  slot->name = name;
  ++used_;
}

void TNamedValues::Grow() {
  std::vector<TSlot> old(slots_.size() * 2);
  old.swap(slots_);
  for (TSlot& slot : old)
    if (slot.key != 0) slots_[SlotOf(slot.name, slot.key)] = std::move(slot);
}

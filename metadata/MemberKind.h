#pragma once
// The member kinds, and in one table what each kind means wherever the code
// branches on a member's type: stored type word, VB and T-SQL type, input
// control and the member rules that depend on the type.

#include <array>
#include <string>
#include <string_view>

#include "metadata/Member.h"

enum class TMemberKind { String, Integer, Float, DateTime, Picture, Reference };

enum class TInputControl { TextBox, DatePicker, PictureBox, ComboBox };

struct TMemberKindTraits {
  TMemberKind kind;
  std::string_view word;     // stored in t_member; a reference stores its class's name instead
  std::string_view vbType;   // the entity property's type; a reference takes its class key's
  std::string_view sqlType;  // the column's type; a reference takes its class key's
  TInputControl control;     // what the add and edit forms offer
  bool canBeKey;
  bool canBeCriterion;  // may be marked as a query form's search criterion
  bool alwaysRequired;  // the must flag has to be set
};

inline constexpr std::array<TMemberKindTraits, 6> kMemberKinds = {{
    {TMemberKind::String, member_type::kString, "String", "varchar", TInputControl::TextBox, true, true, false},
    {TMemberKind::Integer, member_type::kInteger, "Integer", "int", TInputControl::TextBox, true, false, true},
    {TMemberKind::Float, member_type::kFloat, "Single", "float", TInputControl::TextBox, false, false, true},
    {TMemberKind::DateTime, member_type::kDateTime, "DateTime", "datetime", TInputControl::DatePicker, false, true,
     true},
    {TMemberKind::Picture, member_type::kPicture, "Byte()", "image", TInputControl::PictureBox, false, false, false},
    {TMemberKind::Reference, "", "", "", TInputControl::ComboBox, false, true, true},
}};

constexpr const TMemberKindTraits& Traits(TMemberKind kind) { return kMemberKinds[static_cast<std::size_t>(kind)]; }

// The kind a type word stands for. Any other word must read as a class name
// to be a reference; anything else is refused with std::invalid_argument.
TMemberKind KindOfType(const std::string& type);
inline TMemberKind KindOf(const TMember& member) { return KindOfType(member.memberType); }

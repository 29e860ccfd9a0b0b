#include "metadata/MemberEdits.h"

#include <algorithm>

#include "metadata/ClassEdits.h"
#include "metadata/EditTransaction.h"
#include "metadata/MemberDAO.h"
#include "metadata/Utf8Text.h"

namespace edits {

namespace {

[[noreturn]] void Refuse(const std::string& message) { throw TInputError(TInputField::Selection, message); }

// The member the dialogs would store from input, after the checks.
TMember Checked(const TMemberInput& input, int projectId, int classId, int memberId) {
  utf8_text::Require(TInputField::MemberName, input.name, "成员名称");
  utf8_text::Require(TInputField::MemberType, input.type, "成员类型");
  utf8_text::Require(TInputField::MemberLength, input.lengthText, "长度");
  utf8_text::Require(TInputField::MemberComment, input.comment, "成员注释");
  input_rules::CheckMember(input, projectId, classId, memberId);
  return input_rules::BuildMember(input, projectId, classId, memberId);
}

}  // namespace

TMember AddMember(int classId, const TMemberInput& input) {
  TMember member;
  InEditTransaction([&] {
    member = Checked(input, ProjectOfClass(classId), classId, 0);
    member.memberId = TMemberDAO().AddMember(member);
  });
  return member;
}

void UpdateMember(int memberId, const std::function<void(TMemberInput&)>& change) {
  InEditTransaction([&] {
    const TMember stored = RequireMember(memberId);
    TMemberInput input = input_rules::InputOf(stored);
    change(input);
    TMemberDAO().UpdateMember(Checked(input, stored.projectId, stored.classId, memberId));
  });
}

void DeleteMember(int memberId) {
  InEditTransaction([&] {
    RequireMember(memberId);
    TMemberDAO().DeleteMember(memberId);
  });
}

TMember RequireMember(int memberId) {
  const auto member = TMemberDAO().GetMember(memberId);
  if (!member) Refuse("该成员已不存在!");
  return *member;
}

void SwapMembers(int a, int b) {
  InEditTransaction([&] {
    if (a == b) Refuse("请选中2条记录!");
    // Rows keep their class: exchanging across classes would move members between them.
    if (RequireMember(a).classId != RequireMember(b).classId) Refuse("只能交换同一个类的成员!");
    TMemberDAO().Swap(a, b);
  });
}

void MoveMember(int memberId, int step) {
  InEditTransaction([&] {
    const TMemberList members = TMemberDAO().GetMembers(RequireMember(memberId).classId);
    const auto at =
        std::find_if(members.begin(), members.end(), [&](const TMember& m) { return m.memberId == memberId; });
    const auto neighbour = (at - members.begin()) + step;
    if (neighbour < 0) Refuse("第一个成员无法上移了！");
    if (neighbour >= static_cast<std::ptrdiff_t>(members.size())) Refuse("最后一个成员无法下移了！");
    TMemberDAO().Swap(memberId, members[static_cast<std::size_t>(neighbour)].memberId);
  });
}

}  // namespace edits

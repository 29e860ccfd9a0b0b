// Reordering: the store keeps no order column, so every move exchanges the
// contents of two rows of the class, as the workbench's grid commands do.
#include <memory>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Lookup.h"
#include "cli/MemberTarget.h"
#include "metadata/MemberEdits.h"

namespace {

void AddExchange(CLI::App* group) {
  struct TArgs {
    TMemberTarget target;
    std::string other;
  };
  auto args = std::make_shared<TArgs>();
  auto* swap = AddMemberCommand(group, "swap", "成员交换: 交换两个成员的位置", args->target);
  AddMemberArgument(swap, "member", args->target.member);
  AddMemberArgument(swap, "other", args->other);
  swap->callback([args] {
    const TMember first = args->target.Member();
    edits::SwapMembers(first.memberId, FindMember(first.classId, args->other).memberId);
  });
}

// step -1 moves the member up, +1 down.
void AddMove(CLI::App* group, const std::string& name, const std::string& help, int step) {
  auto target = std::make_shared<TMemberTarget>();
  auto* move = AddMemberCommand(group, name, help, *target);
  AddMemberArgument(move, "member", target->member);
  move->callback([target, step] { edits::MoveMember(target->Member().memberId, step); });
}

}  // namespace

void AddMemberOrderCommands(CLI::App& group) {
  AddExchange(&group);
  AddMove(&group, "up", "成员上移", -1);
  AddMove(&group, "down", "成员下移", +1);
}

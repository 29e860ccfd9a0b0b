// Reordering: the store keeps no order column, so every move exchanges the
// contents of two rows of the class, as the workbench's grid commands do.
#include <algorithm>
#include <memory>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Lookup.h"
#include "cli/MemberTarget.h"
#include "metadata/MemberDAO.h"

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
    const TMember second = FindMember(first.classId, args->other);
    if (first.memberId == second.memberId) throw TCliExit(2, "请选中2条记录!");
    TMemberDAO().Swap(first.memberId, second.memberId);
  });
}

// step -1 moves the member up, +1 down; refused past either end of the class.
void AddMove(CLI::App* group, const std::string& name, const std::string& help, int step,
             const std::string& refusal) {
  auto target = std::make_shared<TMemberTarget>();
  auto* move = AddMemberCommand(group, name, help, *target);
  AddMemberArgument(move, "member", target->member);
  move->callback([target, step, refusal] {
    const TMember member = target->Member();
    const TMemberList members = TMemberDAO().GetMembers(member.classId);
    const auto at = std::find(members.begin(), members.end(), member) - members.begin();
    const auto neighbour = at + step;
    if (neighbour < 0 || neighbour >= static_cast<std::ptrdiff_t>(members.size())) throw TCliExit(2, refusal);
    TMemberDAO().Swap(member.memberId, members[static_cast<std::size_t>(neighbour)].memberId);
  });
}

}  // namespace

void AddMemberOrderCommands(CLI::App& group) {
  AddExchange(&group);
  AddMove(&group, "up", "成员上移", -1, "第一个成员无法上移了！");
  AddMove(&group, "down", "成员下移", +1, "最后一个成员无法下移了！");
}

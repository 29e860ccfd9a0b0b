#include "generator/vb/forms/FormModel.h"
#include "metadata/ReferencedKey.h"
#include "generator/vb/forms/QueryFormFull.h"
#include "generator/vb/forms/QueryFormText.h"
#include "generator/vb/forms/UIOperate.h"
#include "generator/naming/VbNamer.h"

namespace {

// A member marked as search criterion gets the field of its kind. The member
// rules allow the mark only on strings, dates and references.
std::optional<TSearchField> SearchField(const TMember& member, const TFormModel& form) {
  switch (KindOf(member)) {
    case TMemberKind::String:
      return TSearchField{member, TSearchKind::Contains, std::nullopt};
    case TMemberKind::DateTime:
      return TSearchField{member, TSearchKind::DateRange, std::nullopt};
    case TMemberKind::Integer:
    case TMemberKind::Float:
    case TMemberKind::Picture:
      return std::nullopt;
    case TMemberKind::Reference:
      return TSearchField{member, TSearchKind::Choice, form.referenced.at(member.memberType)};
  }
  return std::nullopt;
}

}  // namespace

TQueryFormModel TUIOperate::LoadQueryFormModel() {
  const TFormModel& form = LoadFormModel();
  TQueryFormModel model{form.className, form.friendName, form.key, {}, project_->GetQueryDisplayMembers(curClassId)};
  for (const TMember& member : form.members)
    if (member.queryFlag == 1)
      if (auto field = SearchField(member, form)) model.fields.push_back(std::move(*field));
  return model;
}

bool TUIOperate::FullQueryForms() const { return context_.settings.queryForms == TQueryForms::Full; }

void TUIOperate::WriteQueryFormCode(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource(VbNamer::QueryForm(curClassName) + ".vb", FullQueryForms() ? FullQueryFormCodeText(LoadQueryFormModel())
                                                                       : QueryFormCodeText(curClassName));
  }
}

void TUIOperate::WriteQueryFormDesigner(const TClassList& classes) {
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    SaveFormSource(VbNamer::QueryForm(curClassName) + ".Designer.vb",
                   FullQueryForms() ? FullQueryFormDesignerText(LoadQueryFormModel())
                                    : QueryFormDesignerText(curClassName, curFriendName));
    CopyFormResource("FrmQuery", VbNamer::QueryForm(curClassName));
  }
}

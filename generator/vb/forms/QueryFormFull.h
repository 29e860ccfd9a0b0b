#pragma once
// The full query form: search fields for the members marked as search
// criteria, a read-only grid of the query-display columns filled a page at a
// time through the business layer's paged query, paging buttons, and buttons
// that open the add and edit forms and delete the selected rows.

#include <optional>
#include <string>
#include <vector>

#include "generator/vb/forms/ReferencedClass.h"
#include "metadata/Member.h"
#include "metadata/MemberDAO.h"

enum class TSearchKind {
  Contains,   // a string: a text box, rows whose value contains the text
  DateRange,  // a date: from and to, each optional, both days included
  Choice,     // a reference: the referenced class's display values and "全部"
};

struct TSearchField {
  TMember member;
  TSearchKind kind;
  std::optional<TReferencedClass> referenced;  // for a Choice
};

struct TQueryFormModel {
  std::string className;   // C
  std::string friendName;  // F
  TMember key;
  std::vector<TSearchField> fields;  // in member order; pictures have none
  TMemberList columns;               // the non-key query-display members, in the paged query's order
};

// The caption of a member's label and grid column: its comment, or its name when it has none.
std::string CaptionOf(const TMember& member);

// "FrmQuery" + C + ".vb"
std::string FullQueryFormCodeText(const TQueryFormModel& form);
// "FrmQuery" + C + ".Designer.vb"
std::string FullQueryFormDesignerText(const TQueryFormModel& form);

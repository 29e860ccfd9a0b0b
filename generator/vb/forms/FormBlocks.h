#pragma once
// Blocks the add, edit and query forms share. Where one form's copy of a block
// has always differed from another's (an empty line, an indent, a space after
// a comment mark), the difference is data the form passes in.

#include <string>
#include <string_view>
#include <vector>

#include "generator/CodeWriter.h"
#include "generator/vb/forms/FormModel.h"
#include "metadata/Member.h"

// The Imports lines that open the add and edit forms' code files, the aliases
// among them (FormTypeAliases) and the empty line after them.
void WriteFormImports(TCodeWriter& out, const std::vector<std::string>& aliases);

// Where a form's designer header has its own empty lines and indents.
struct TDesignerHeadQuirks {
  bool blankAfterInherits = true;
  bool blankInTry = false;
  bool blankInIf = false;
  bool blankAfterDispose = false;
  bool blankAfterComponentsComment = false;
  bool blankAfterComponents = false;
  bool blankBeforeInitialize = false;
  int noteColumn = 4;
  std::string_view noteEnd = "";  // the character the note's first line ends with
  int stepThroughColumn = 4;
  int initializeColumn = 4;
};
inline constexpr TDesignerHeadQuirks kAddFormHead{.blankAfterInherits = false,
                                                   .blankAfterDispose = true,
                                                   .noteColumn = 1,
                                                   .noteEnd = ";",
                                                   .stepThroughColumn = 2,
                                                   .initializeColumn = 3};
inline constexpr TDesignerHeadQuirks kEditFormHead{.blankInIf = true,
                                                    .blankAfterDispose = true,
                                                    .blankAfterComponents = true,
                                                    .blankBeforeInitialize = true};
inline constexpr TDesignerHeadQuirks kQueryFormHead{.blankInTry = true, .blankAfterComponentsComment = true};

// A designer file from its first line to InitializeComponent's resources line.
void WriteDesignerHead(TCodeWriter& out, const std::string& formClass, const TDesignerHeadQuirks& quirks);

// The form's own properties at the end of InitializeComponent, and its end.
struct TFormProperties {
  std::string comment;  // the name in the comment line before them
  std::string button;   // the one button added to the form last; none if empty
  std::string size;
  std::string border;
  std::string name;
  std::string text;
};
void WriteFormProperties(TCodeWriter& out, const TFormProperties& form);
// Of those, the scaling and the client size ("601, 513"); newWord as in TRowSpelling.
void WriteAutoScale(TCodeWriter& out, const std::string& size, std::string_view newWord);
// Of those, the window's: border, icon, boxes, name, position and text.
void WriteWindowProperties(TCodeWriter& out, const std::string& border, const std::string& name,
                           const std::string& text);

// A caption label's number, the next tab index and the row's top.
struct TRowLayout {
  int label = 0;
  int tab = 0;
  int y = 0;
};

// How a row of the add and edit designers spells what the other rows spell
// otherwise: the add form's key and string rows write "New" and "True", its
// string rows' label comment stands 6 spaces in, its number and picture rows
// write "' " before some names.
struct TRowSpelling {
  std::string_view newWord = "new";  // the constructors' and the label location's
  std::string_view trueWord = "true";
  int labelCommentColumn = 8;
  std::string_view labelComment = "'";
  std::string_view controlComment = "'";
};
inline constexpr TRowSpelling kPlainRow{};
inline constexpr TRowSpelling kAddStringRow{.newWord = "New", .trueWord = "True", .labelCommentColumn = 6};
inline constexpr TRowSpelling kAddNumberRow{.controlComment = "' "};
inline constexpr TRowSpelling kAddPictureRow{.labelComment = "' ", .controlComment = "' "};
inline constexpr TRowSpelling kAddKeyRow{.newWord = "New", .trueWord = "True"};

// The key's row, label1 and its text box, at fixed positions; the label's top is the form's own.
void WriteKeyRow(TCodeWriter& out, const TMember& key, const TRowSpelling& spelling, int labelTop);
// One member's row of the add and edit forms' designers, by its kind, and the move past it.
void WriteTextBoxRow(TCodeWriter& out, const TMember& member, const TRowLayout& at, const TRowSpelling& spelling);
void WriteDateTimeRow(TCodeWriter& out, const TMember& member, const TRowLayout& at);
void WritePictureRow(TCodeWriter& out, const TMember& member, const TRowLayout& at, const TRowSpelling& spelling);
void WriteReferenceRow(TCodeWriter& out, const TMember& member, const TRowLayout& at);
void AdvanceRow(TRowLayout& at, const TMember& member);

// The spellings of the string, number and picture rows of one form.
struct TFormRowSpellings {
  TRowSpelling string;
  TRowSpelling number;
  TRowSpelling picture;
};
inline constexpr TFormRowSpellings kAddFormRows{kAddStringRow, kAddNumberRow, kAddPictureRow};
inline constexpr TFormRowSpellings kEditFormRows{kPlainRow, kPlainRow, kPlainRow};
// The member's row by its kind, and the move past it.
void WriteMemberRow(TCodeWriter& out, const TMember& member, TRowLayout& at, const TFormRowSpellings& spellings);
// The button under the rows, named name, with its text.
void WriteFormButton(TCodeWriter& out, const std::string& name, const std::string& text, const TRowLayout& at);

// The WithEvents fields of a member's label and controls.
void WriteMemberFields(TCodeWriter& out, const TMember& member, int label);

// The picture upload button's handler, which shows the chosen file and keeps its bytes in object.
void WriteUploadHandler(TCodeWriter& out, const std::string& object, const std::string& member);

// How the update handler's assignments differ from the add handler's: an
// integer's line stands 16 spaces in with a stray note, and an integer-keyed
// reference's line ends in the member's comment.
struct TAssignmentSpelling {
  int integerColumn = 12;
  std::string_view integerNote = "";
  bool referenceComment = false;
};
inline constexpr TAssignmentSpelling kAddAssignments{};
inline constexpr TAssignmentSpelling kEditAssignments{16, "  '图书库存", true};
// Reads a non-key member's control back into the form's object; a picture's
// bytes are stored by its upload handler.
void WriteMemberAssignment(TCodeWriter& out, const TFormModel& form, const TMember& member,
                           const TAssignmentSpelling& spelling);

// The check that a required member's text box is not empty, at the scope's indent.
void WriteRequiredTextCheck(TCodeWriter& out, const TMember& member);
// The check that a drop-down list has a row chosen, at the scope's indent.
void WriteChoiceCheck(TCodeWriter& out, const TMember& member);
// The Try block around a number's conversion, at the scope's indent;
// assignment stands at its own column.
void WriteNumberAssignment(TCodeWriter& out, const TMember& member, int column, std::string_view assignment);
// The end of the add and update handlers: stores the object by call, tells
// whether it did ("F添加成功!" where verb is "添加") and closes the form when
// it did; a failure leaves the form open with the user's entries.
void WriteStoreCall(TCodeWriter& out, const std::string& call, const std::string& friendName, const std::string& verb);
// The end of a Try whose failure the user is told of ("failure：" and the
// reason), after firstStatement when one is given; at the scope's indent.
void WriteFailureCatch(TCodeWriter& out, const std::string& failure, std::string_view firstStatement = {});

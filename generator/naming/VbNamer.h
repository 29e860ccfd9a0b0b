#pragma once
// Every name the generated VB code derives from a class or member name: a
// declaration and the code that uses it take the name from here, so the two
// cannot drift apart. The escapes and clash rules are VbNames' and SqlNames'.

#include <string>
#include <vector>

#include "generator/naming/VbNames.h"
#include "metadata/MemberDAO.h"
#include "metadata/NameRules.h"

// The functions a data-access class declares and its business class forwards.
enum class TProcedure { Add, GetSome, Edit, Del, Get, GetAll };

class VbNamer {
 public:
  // As declared, escaped where it spells a keyword ([GetType]).
  static std::string Procedure(TProcedure procedure, const std::string& className) {
    return ProcedureName(Verb(procedure), className);
  }
  // Bare, as the query form calls it: after a dot VB reads a keyword as a name.
  static std::string ProcedureAfterDot(TProcedure procedure, const std::string& className) {
    return Verb(procedure) + className;
  }

  static std::string BllClass(const std::string& className) { return "bll" + className; }
  static std::string DalClass(const std::string& className) { return "dal" + className; }
  // A business class as the forms name it.
  static std::string Bll(const std::string& className) { return "BLL." + BllClass(className); }

  static std::string AddForm(const std::string& className) { return "FrmAdd" + className; }
  static std::string EditForm(const std::string& className) { return "FrmEdit" + className; }
  static std::string QueryForm(const std::string& className) { return "FrmQuery" + className; }
  // The Name the edit form's designer gives the form, which is not its class's.
  static std::string EditFormDesignName(const std::string& className) { return "FrmUpdate" + className; }

  // The main form's menu of a class, numbered n, and its two items.
  static std::string MenuItem(int number) { return "toolStripMenuItem_" + std::to_string(number); }
  static std::string AddMenuItem(const std::string& className) { return className + "Add_ToolStripMenuItem"; }
  static std::string ManageMenuItem(const std::string& className) { return className + "Manage_ToolStripMenuItem"; }

  // A member's controls on the add, edit and query forms.
  static std::string TextBox(const std::string& member) { return "txt_" + member; }
  static std::string DatePicker(const std::string& member) { return "dtp_" + member; }
  static std::string PictureBox(const std::string& member) { return "pictureBox_" + member; }
  // A picture's upload button; the member's name gets "_" in front where the
  // button would be the form's own Btn_Add or Btn_Update.
  static std::string UploadButton(const std::string& member) {
    std::string name = "btn_" + member;
    while (name_rules::EqualsIgnoringCase(name, "Btn_Add") || name_rules::EqualsIgnoringCase(name, "Btn_Update"))
      name.insert(4, "_");
    return name;
  }
  static std::string ComboBox(const std::string& member) { return "cb_" + member; }
  // The full query form's pickers of a date range.
  static std::string DateFrom(const std::string& member) { return "dtpFrom_" + member; }
  static std::string DateTo(const std::string& member) { return "dtpTo_" + member; }
  // The full query form's labels of a search row: its caption, and the 至 between two dates.
  static std::string SearchLabel(const std::string& member) { return "lbl_" + member; }
  static std::string DateToLabel(const std::string& member) { return "lblTo_" + member; }
  // The designer's caption labels.
  static std::string Label(int number) { return "label" + std::to_string(number); }
  // The edit form's field holding the query form it was opened from.
  static std::string QueryFormField(const std::string& className) { return "frmQuery" + className; }
  // The add form's load handler reads a picture member's placeholder through these locals.
  static std::string PictureStream(const std::string& member) { return "fs_" + member; }
  static std::string PictureReader(const std::string& member) { return "bw_" + member; }
  // A load handler's local holding the rows of a referenced class.
  static std::string DataSetLocal(const std::string& name) { return name + "Ds"; }

  // The names an add or edit form of className declares besides the fields
  // of the record and the key: the controls of every member and their
  // handlers, the buttons, the query form's field and the load handlers'
  // locals (referencedObjects: the referenced classes' object names). A
  // derived field must equal none of them (FormFieldName).
  static std::vector<std::string> FormDeclaredNames(const std::string& className, const TMemberList& members,
                                                    const std::vector<std::string>& referencedObjects);

 private:
  static std::string Verb(TProcedure procedure) {
    switch (procedure) {
      case TProcedure::Add: return "Add";
      case TProcedure::GetSome: return "getSome";
      case TProcedure::Edit: return "Edit";
      case TProcedure::Del: return "Del";
      case TProcedure::Get: return "Get";
      case TProcedure::GetAll: return "getAll";
    }
    return "";
  }
};

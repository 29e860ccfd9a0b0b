#pragma once
// Every name the generated VB code derives from a class or member name: a
// declaration and the code that uses it take the name from here, so the two
// cannot drift apart. The escapes and clash rules are VbNames' and SqlNames'.

#include <string>

#include "generator/naming/VbNames.h"

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
  static std::string UploadButton(const std::string& member) { return "btn_" + member; }
  static std::string ComboBox(const std::string& member) { return "cb_" + member; }
  // The full query form's pickers of a date range.
  static std::string DateFrom(const std::string& member) { return "dtpFrom_" + member; }
  static std::string DateTo(const std::string& member) { return "dtpTo_" + member; }
  // The designer's caption labels.
  static std::string Label(int number) { return "label" + std::to_string(number); }

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

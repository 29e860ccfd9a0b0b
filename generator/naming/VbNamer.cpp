#include "generator/naming/VbNamer.h"

std::vector<std::string> VbNamer::FormDeclaredNames(const std::string& className, const TMemberList& members,
                                                    const std::vector<std::string>& referencedObjects) {
  std::vector<std::string> names;
  names.reserve(10 + 16 * members.size() + referencedObjects.size());
  names.insert(names.end(), {QueryFormField(className), AddForm(className) + "_Load", EditForm(className) + "_Load",
                             "InitializeComponent"});
  // A WithEvents field X also declares _X behind it; a button has its X_Click.
  const auto withEvents = [&](const std::string& control, bool button) {
    names.insert(names.end(), {control, "_" + control});
    if (button) names.push_back(control + "_Click");
  };
  withEvents("Btn_Add", true);
  withEvents("Btn_Update", true);
  for (const TMember& m : members) {
    const std::string& name = m.memberName;
    for (const std::string& control : {TextBox(name), DatePicker(name), PictureBox(name), ComboBox(name)})
      withEvents(control, false);
    withEvents(UploadButton(name), true);
    names.insert(names.end(), {PictureStream(name), PictureReader(name), DataSetLocal(name)});
  }
  for (const std::string& object : referencedObjects) names.push_back(DataSetLocal(object));
  return names;
}

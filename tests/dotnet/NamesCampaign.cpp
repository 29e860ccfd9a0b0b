#include "NamesCampaign.h"

#include <array>
#include <set>
#include <string_view>
#include <utility>

#include "metadata/NameRules.h"

namespace {

constexpr std::array<std::string_view, 176> kClassNames = {
    // Types of the imported namespaces, members of Form, namespaces found first.
    "Order", "User", "Group", "File", "Image", "Message", "Timer", "Type", "Form", "Name", "Text", "Controls", "E",
    "View", "Size", "Path", "Color", "Icon", "Application", "Region", "Point", "Menu", "Label", "Font", "Control",
    "Button", "MS", "FxResources", "Mine", "Handler", "RessOf", "Egate", "XmlNamespace", "DateTime", "Convert",
    "MessageBox", "EventArgs", "DataSet", "Environment", "Encoding", "Stream", "Directory", "Random", "Math",
    "Console", "Exception", "Attribute", "Action", "Collection", "Connection", "Command", "Column", "Row", "Cell",
    "Graphics", "Brush", "Pen", "Bitmap", "Cursor", "Clipboard", "Screen", "Panel", "Buffer", "Array", "List",
    "Dictionary", "Tuple", "Version", "Process", "Thread", "Task", "Int32", "Guid", "Uri", "Parent", "Location",
    "Visible", "Tag", "Site", "Container", "Component", "Binding", "Padding", "Margin", "Dock", "Anchor",
    "ControlCollection", "Sql", "Parm", "DataRead", "DBHelp",
    // Everyday entities, several of them T-SQL reserved words.
    "Account", "Address", "Customer", "Product", "Category", "Invoice", "Payment", "Employee", "Department",
    "Company", "Project", "Note", "Comment", "Post", "Role", "Permission", "Session", "Log", "Status", "State",
    "Country", "City", "Province", "Supplier", "Vendor", "Warehouse", "Stock", "Item", "Cart", "Price", "Discount",
    "Coupon", "Shipment", "Contract", "Schedule", "Calendar", "Meeting", "Room", "Asset", "Vehicle", "Driver",
    "Route", "Ticket", "Booking", "Hotel", "Guest", "Member", "Student", "Teacher", "Course", "Exam", "Grade",
    "Book", "Author", "Article", "Page", "Document", "Report", "Table", "Index", "Key", "Percent", "Top", "Plan",
    "Transaction", "Transfer", "Balance", "Budget", "Salary", "Job", "Skill", "Photo", "Video", "Song", "Channel",
    "Setting", "Parameter", "Result", "Record", "Entry", "Detail", "Summary", "Unit", "Device", "Alarm"};

// Members named with T-SQL reserved words and with names the framework or the
// generated code gives a meaning of its own.
constexpr std::array<std::string_view, 52> kMemberNames = {
    "order", "user", "group", "table", "index", "key", "percent", "top", "plan", "distinct", "from", "where",
    "values", "insert", "update", "delete", "primary", "references", "column", "view", "file", "identity",
    "transaction", "union", "open", "current", "left", "right", "e", "sender", "name", "text", "controls",
    "size", "location", "visible", "ms", "fs", "sql", "parm", "dataRead", "p", "strWhere", "components",
    "label1", "value", "image", "type", "identitycol", "rowguidcol", "load", "precision"};

// Picture members named like the event handlers' parameters and the stream local.
constexpr std::array<std::string_view, 4> kPictureNames = {"e", "sender", "ms", "image"};

constexpr std::array<const char*, 4> kTypes = {"字符串", "整型", "浮点型", "日期型"};

// Classes named like the form handlers' locals (the upload handler's fs, bw
// and dialog, the load handler's fs_photo and bookDs), with keys named like
// what the edit form derives (its button, its query form's field, another
// member's controls).
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kDerivedNameClasses = {{
    {"Fs", "btn_Update"}, {"Bw", "frmQueryBw"}, {"OpenFileDialog1", "txt_title"}, {"Fs_photo", "btn_Add"},
    {"BookDs", "id"}, {"Identitycol", "rowguidcol"}}};

TMemberSpec Member(const std::string& name, const std::string& type, bool key = false) {
  TMemberSpec m;
  m.name = name;
  m.type = type;
  m.comment = name + "（说明）";
  m.key = key;
  m.required = key || (type != "字符串" && type != "图片型");
  return m;
}

}  // namespace

void AddCommonNameClasses(TProjectScript& s) {
  for (const auto name : kClassNames) s.Class(std::string(name), std::string(name) + "表");
  std::size_t next = 0;
  for (std::size_t i = 0; i < kClassNames.size(); ++i) {
    const std::string c(kClassNames[i]);
    std::set<std::string> used;
    // A member of the class's name is refused, as is one named twice.
    auto free = [&](const std::string& name) {
      return !name_rules::EqualsIgnoringCase(name, c) && !used.contains(name);
    };
    auto take = [&] {
      std::string name;
      do name = std::string(kMemberNames[next++ % kMemberNames.size()]);
      while (!free(name));
      used.insert(name);
      return name;
    };
    const bool integerKey = i % 2 == 0;
    s.Member(c, Member(take(), integerKey ? "整型" : "字符串", true));
    TMemberSpec display = Member(take(), "字符串");
    display.display = true;
    display.query = i % 3 == 0;
    s.Member(c, display);
    s.Member(c, Member(take(), kTypes[i % kTypes.size()]));
    if (i % 4 == 1) {
      const std::string picture(kPictureNames[i / 4 % kPictureNames.size()]);
      s.Member(c, Member(free(picture) ? *used.insert(picture).first : take(), "图片型"));
    }
    // References to the class before, twice in every fifth class.
    if (i > 0) {
      const std::string target(kClassNames[i - 1]);
      TMemberSpec reference = Member(take(), target);
      reference.query = i % 2 == 1;
      s.Member(c, reference);
      if (i % 5 == 0) s.Member(c, Member(take(), target));
    }
  }
  // Each with two captions of T-SQL's longest name side by side in the query
  // grid, an upload button named like the forms' own buttons, and Book.
  for (std::size_t i = 0; i < kDerivedNameClasses.size(); ++i) {
    const std::string c(kDerivedNameClasses[i].first);
    s.Class(c, c + "表").Member(c, Member(std::string(kDerivedNameClasses[i].second), kTypes[i % 2], true));
    for (const char* caption : {"title", "subtitle"}) {
      TMemberSpec m = Member(caption, "字符串");
      m.comment = std::string(128, 'c');
      m.display = caption == std::string("title");
      s.Member(c, m);
    }
    s.Member(c, Member("photo", "图片型")).Member(c, Member("update", "图片型")).Member(c, Member("book", "Book"));
  }
}

// The full query form's designer file: the controls, laid out in rows from the
// top: one row per search field (caption label on the left, the fields aligned
// in one column), the row of buttons, the grid, and the paging row. The window
// keeps the empty form's width and height unless the search rows need more.
#include <algorithm>

#include "generator/CodeWriter.h"
#include "generator/vb/forms/QueryFormFull.h"
#include "generator/vb/forms/FormBlocks.h"
#include "generator/naming/VbNamer.h"

namespace {

constexpr int kClientWidth = 758;
constexpr int kMinClientHeight = 500;
constexpr int kMargin = 20;
constexpr int kRowPitch = 30;
constexpr int kFieldHeight = 21;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 5;
constexpr int kMinGridHeight = 250;
constexpr int kGap = 10;

std::string N(int value) { return std::to_string(value); }

struct TControl {
  std::string name;
  std::string type;  // below System.Windows.Forms
  int x, y, width, height;
  std::vector<std::string> properties;  // the settings after Location, Name, Size and TabIndex
};

// Pixels the form's font (9 pt) needs for text: ASCII half the width of other characters.
int TextWidth(const std::string& text) {
  int width = 0;
  for (unsigned char ch : text)
    if (ch < 0x80)
      width += 6;
    else if ((ch & 0xC0) != 0x80)
      width += 12;
  return width;
}

TControl Label(const std::string& name, const std::string& text, int x, int y, int width, int height,
               const char* align) {
  return {name, "Label", x, y, width, height,
          {"Text = " + VbQuoted(text), std::string("TextAlign = System.Drawing.ContentAlignment.") + align}};
}

TControl Button(const std::string& name, const std::string& text, int x, int y) {
  return {name, "Button", x, y, kButtonWidth, kButtonHeight, {"Text = " + VbQuoted(text), "UseVisualStyleBackColor = true"}};
}

// Appends the controls of one search row at top y, its fields starting at x.
void AddSearchRow(std::vector<TControl>& controls, const TSearchField& field, int labelWidth, int x, int y) {
  const std::string& m = field.member.memberName;
  controls.push_back(Label(VbNamer::SearchLabel(m), CaptionOf(field.member) + "：", kMargin, y, labelWidth, kFieldHeight, "MiddleRight"));
  const auto picker = [&](const std::string& name, int at) {
    return TControl{name, "DateTimePicker", at, y, 130, kFieldHeight,
                    {"ShowCheckBox = true", "Checked = false", "Format = System.Windows.Forms.DateTimePickerFormat.Short"}};
  };
  switch (field.kind) {
    case TSearchKind::Contains:
      controls.push_back({VbNamer::TextBox(m), "TextBox", x, y, 240, kFieldHeight, {}});
      return;
    case TSearchKind::DateRange:
      controls.push_back(picker(VbNamer::DateFrom(m), x));
      controls.push_back(Label(VbNamer::DateToLabel(m), "至", x + 134, y, 24, kFieldHeight, "MiddleCenter"));
      controls.push_back(picker(VbNamer::DateTo(m), x + 162));
      return;
    case TSearchKind::Choice:
      controls.push_back({VbNamer::ComboBox(m), "ComboBox", x, y, 240, kFieldHeight,
                          {"DropDownStyle = System.Windows.Forms.ComboBoxStyle.DropDownList", "FormattingEnabled = true"}});
      return;
  }
}

struct TLayout {
  std::vector<TControl> controls;  // in tab order
  int clientHeight = 0;
};

TLayout Layout(const TQueryFormModel& form) {
  TLayout layout;
  auto& controls = layout.controls;
  int labelWidth = 60;
  for (const auto& field : form.fields)
    labelWidth = std::max(labelWidth, TextWidth(CaptionOf(field.member) + "：") + 4);
  labelWidth = std::min(labelWidth, 200);
  const int fieldX = kMargin + labelWidth + 8;

  int y = 15;
  for (const auto& field : form.fields) {
    AddSearchRow(controls, field, labelWidth, fieldX, y);
    y += kRowPitch;
  }
  const int step = kButtonWidth + kButtonGap;
  controls.push_back(Button("btn_Query", "查询", kMargin, y));
  controls.push_back(Button("btn_Reset", "重置", kMargin + step, y));
  const int right = kClientWidth - kMargin - 3 * kButtonWidth - 2 * kButtonGap;
  controls.push_back(Button("btn_Add", "添加", right, y));
  controls.push_back(Button("btn_Edit", "修改", right + step, y));
  controls.push_back(Button("btn_Delete", "删除", right + 2 * step, y));
  y += kButtonHeight + kGap;

  const int fixedBelow = kGap + kButtonHeight + 15;
  const int gridHeight = std::max(kMinGridHeight, kMinClientHeight - y - fixedBelow);
  controls.push_back({"dgv_List",
                      "DataGridView",
                      kMargin,
                      y,
                      kClientWidth - 2 * kMargin,
                      gridHeight,
                      {"AllowUserToAddRows = false", "AllowUserToDeleteRows = false",
                       "AutoSizeColumnsMode = System.Windows.Forms.DataGridViewAutoSizeColumnsMode.DisplayedCells",
                       "ColumnHeadersHeightSizeMode = System.Windows.Forms.DataGridViewColumnHeadersHeightSizeMode.AutoSize",
                       "MultiSelect = true", "ReadOnly = true",
                       "SelectionMode = System.Windows.Forms.DataGridViewSelectionMode.FullRowSelect"}});
  y += gridHeight + kGap;

  controls.push_back(Button("btn_First", "首页", kMargin, y));
  controls.push_back(Button("btn_Prev", "上一页", kMargin + step, y));
  controls.push_back(Button("btn_Next", "下一页", kMargin + 2 * step, y));
  controls.push_back(Button("btn_Last", "末页", kMargin + 3 * step, y));
  const int infoX = kMargin + 4 * step + kGap;
  controls.push_back(Label("lblPageInfo", "第 1/1 页，共 0 条", infoX, y, kClientWidth - kMargin - infoX, kButtonHeight,
                           "MiddleLeft"));
  layout.clientHeight = y + kButtonHeight + 15;
  return layout;
}

void WriteControl(TCodeWriter& out, const TControl& c, int tab) {
  out.Set("name", c.name)
      .Set("x", c.x)
      .Set("y", c.y)
      .Set("width", c.width)
      .Set("height", c.height)
      .Set("tab", tab)
      .Lines(R"(
'
'$name$
'
Me.$name$.Location = New System.Drawing.Point($x$, $y$)
Me.$name$.Name = "$name$"
Me.$name$.Size = New System.Drawing.Size($width$, $height$)
Me.$name$.TabIndex = $tab$
)");
  for (const auto& property : c.properties) out.Set("property", property).Line("Me.$name$.$property$");
}

void InitializeComponent(TCodeWriter& out, const TQueryFormModel& form, const TLayout& layout) {
  auto body = out.Indent(8);
  for (const auto& control : layout.controls)
    out.Set("name", control.name).Set("type", control.type).Line("Me.$name$ = New System.Windows.Forms.$type$()");
  out.Lines(R"(
CType(Me.dgv_List, System.ComponentModel.ISupportInitialize).BeginInit()
Me.SuspendLayout()
)");
  int tab = 0;
  for (const auto& control : layout.controls) WriteControl(out, control, tab++);
  out.Set("form", VbNamer::QueryForm(form.className)).Lines(R"(
'
'$form$
'
)");
  WriteAutoScale(out, N(kClientWidth) + ", " + N(layout.clientHeight), "New");
  for (const auto& control : layout.controls) out.Set("name", control.name).Line("Me.Controls.Add(Me.$name$)");
  WriteWindowProperties(out, "FixedSingle", VbNamer::QueryForm(form.className), form.friendName + "信息查询");
  out.Lines(R"(
CType(Me.dgv_List, System.ComponentModel.ISupportInitialize).EndInit()
Me.ResumeLayout(false)
Me.PerformLayout()
)");
  out.Line(4, "End Sub").Blank();
  for (const auto& control : layout.controls)
    out.Set("name", control.name).Set("type", control.type).Line(4, "Friend WithEvents $name$ As System.Windows.Forms.$type$");
}

}  // namespace

std::string FullQueryFormDesignerText(const TQueryFormModel& form) {
  TCodeWriter out;
  WriteDesignerHead(out, VbNamer::QueryForm(form.className), kQueryFormHead);
  InitializeComponent(out, form, Layout(form));
  out.Line(0, "End Class");
  return out.Take();
}

#include "generator/vb/forms/MainFormText.h"
#include "generator/vb/forms/UIOperate.h"

namespace {
constexpr int kFirstMenuNumber = 8;  // the template's own menu items use the numbers below
constexpr const char* kTemplateFolder = "template/project_name/project_name/";
}  // namespace

void TUIOperate::WriteMainForm(const TClassList& classes) {
  TMainFormTexts texts;
  for (std::size_t i = 0; i < classes.size(); ++i) {
    SelectClass(classes, i);
    AppendClassMenu(texts, kFirstMenuNumber + static_cast<int>(i), curClassName, curFriendName);
  }
  const std::string code = MainFormCodeText(context_.ReadTemplate(std::string(kTemplateFolder) + "Frm主面.vb"), texts);
  context_.SaveUtf8(UiFolder(), UiPath("Frm主面.vb"), code);
  context_.Progress(UiPath("Frm主面.vb") + "生成完成!");

  const std::string designer =
      MainFormDesignerText(context_.ReadTemplate(std::string(kTemplateFolder) + "Frm主面.designer.vb"), texts);
  context_.SaveUtf8(UiFolder(), UiPath("Frm主面.designer.vb"), designer);
  context_.Progress(UiPath("Frm主面.designer.vb") + "生成完成!");
}

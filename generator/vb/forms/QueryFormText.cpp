#include "generator/vb/forms/QueryFormText.h"

#include "generator/CodeWriter.h"
#include "generator/vb/forms/FormBlocks.h"
#include "generator/naming/VbNamer.h"

std::string QueryFormCodeText(const std::string& className) {
  TCodeWriter out;
  WriteImports(out, {"System", "System.Collections.Generic", "System.ComponentModel", "System.Data", "System.Drawing",
                     "System.Linq", "System.Text", "System.Windows.Forms"});
  out.Set("form", VbNamer::QueryForm(className)).Lines(R"(

Partial Public Class $form$
    Inherits Form
    Public Sub New()
        InitializeComponent()
    End Sub
  End Class
)");
  return out.Take();
}

std::string QueryFormDesignerText(const std::string& className, const std::string& friendName) {
  const std::string formClass = VbNamer::QueryForm(className);
  TCodeWriter out;
  WriteDesignerHead(out, formClass, kQueryFormHead);
  // The form's comment has always named the sample class it was drawn for.
  WriteFormProperties(out, {"FrmQueryBook", "", "758, 500", "FixedSingle", formClass, friendName + "信息查询"});
  out.Line("End Class");
  return out.Take();
}

#include <gtest/gtest.h>

#include "generator/CodeWriter.h"

// Scopes nest and unwind, values replace only whole $name$, odd columns stay where a block puts them.
TEST(CodeWriter, ScopesValuesAndColumns) {
  TCodeWriter out;
  out.Set("c", "Book").Set("n", 2);
  out.Line("Class $c$");
  {
    auto body = out.Indent(4);
    out.Lines(R"(
Sub Show$n$()
    MsgBox("$this.Icon $c$ $x$ $$")

End Sub
    )");
    out.Line(1, "'note $c$");
  }
  out.Line("End Class");
  EXPECT_EQ(out.Text(),
            "Class Book\r\n    Sub Show2()\r\n        MsgBox(\"$this.Icon Book $x$ $$\")\r\n\r\n    End Sub\r\n"
            " 'note Book\r\nEnd Class\r\n");
}

TEST(CodeWriter, TemplatesAndQuotes) {
  EXPECT_EQ(FillTemplate("$a1 $a10 $b", {{"$a1", "x$b"}, {"$a10", "y"}, {"$b", "z"}}), "x$b y z");
  EXPECT_EQ(VbQuoted(R"(say "hi")"), R"("say ""hi""")");
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// A literal line is read once and kept: written again under other values, or
// given as text that is no literal, it comes out as the text would.
TEST(CodeWriter, LiteralsAndOtherTextExpandAlike) {
  const auto both = [](TCodeWriter& out, const auto& literal) {
    out.Line(literal);
    out.Line(std::string(literal));
  };
  TCodeWriter out;
  out.Set("b", "B");
  both(out, "$a$b$ $b$$b$ $ $1$ end$");  // a name without a value leaves its closing "$" to open the next
  out.Set("a", "A").Set("b", "$b$");     // a value is never read for placeholders
  both(out, "$a$b$ $b$$b$ $ $1$ end$");
  for (int i = 0; i < 100; ++i) out.Set("name" + std::to_string(i), i);  // the table grows and keeps every value
  both(out, "$name0$ $name42$ $name99$ $a$");
  const std::vector<std::string> lines = {
      "$aB BB $ $1$ end$", "$aB BB $ $1$ end$", "Ab$ $b$$b$ $ $1$ end$", "Ab$ $b$$b$ $ $1$ end$",
      "0 42 99 A", "0 42 99 A"};
  std::string expected;
  for (const std::string& line : lines) expected += line + "\r\n";
  EXPECT_EQ(out.Text(), expected);
}

#include "generator/FormBlocks.h"

namespace {
std::string N(int value) { return std::to_string(value); }
}  // namespace

void WriteFormImports(TCodeWriter& out, const std::vector<std::string>& aliases) {
  out.Line(0, "Imports System.Collections.Generic")
      .Line(0, "Imports System.ComponentModel")
      .Line(0, "Imports System.Data")
      .Line(0, "Imports System.Drawing")
      .Line(0, "Imports System.Linq")
      .Line(0, "Imports System.Text")
      .Line(0, "Imports System.Windows.Forms")
      .Line(0, "Imports System.IO")
      .Line(0, "Imports Model");
  for (const std::string& alias : aliases) out.Line(0, alias);
  out.Blank();
}

void WritePictureRowControls(TCodeWriter& out, const std::string& box, const std::string& path,
                             const std::string& upload, int y, int tab) {
  out.Line(8, "Me." + box + ".BackgroundImageLayout = System.Windows.Forms.ImageLayout.Stretch")
      .Line(8, "Me." + box + ".Location = new System.Drawing.Point(194, " + N(y - 3) + ")")
      .Line(8, "Me." + box + ".Name = " + Q + box + Q)
      .Line(8, "Me." + box + ".Size = new System.Drawing.Size(156, 140)")
      .Line(8, "Me." + box + ".SizeMode = System.Windows.Forms.PictureBoxSizeMode.StretchImage")
      .Line(8, "Me." + box + ".TabIndex = " + N(tab + 1))
      .Line(8, "Me." + box + ".TabStop = false")
      .Line(8, "'" + path)
      .Line(8, "Me." + path + ".Location = new System.Drawing.Point(194, " + N(y + 146) + ")")
      .Line(8, "Me." + path + ".Name = " + Q + path + Q)
      .Line(8, "Me." + path + ".ReadOnly = true")
      .Line(8, "Me." + path + ".Size = new System.Drawing.Size(300, 21)")
      .Line(8, "Me." + path + ".TabIndex = " + N(tab + 2))
      .Line(8, "'" + upload)
      .Line(8, "Me." + upload + ".Location = new System.Drawing.Point(365, " + N(y + 114) + ")")
      .Line(8, "Me." + upload + ".Name = " + Q + upload + Q)
      .Line(8, "Me." + upload + ".Size = new System.Drawing.Size(60, 26)")
      .Line(8, "Me." + upload + ".TabIndex = " + N(tab + 3))
      .Line(8, "Me." + upload + ".Text = " + Q + "上 传" + Q)
      .Line(8, "Me." + upload + ".UseVisualStyleBackColor = true");
}

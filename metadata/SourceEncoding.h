#pragma once
// The encodings text files come in: scripts read for an import, and the .vb
// sources a run writes.

enum class TSourceEncoding {
  Detect,   // reading only: by the mark; without one UTF-8 when the bytes are UTF-8, else code page 936
  Utf8,     // reading only: UTF-8, with or without a mark
  Gbk,      // code page 936, no mark
  Utf8Bom,  // writing only: UTF-8 behind a byte-order mark
};

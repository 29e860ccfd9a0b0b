#pragma once
// The shape of every list the store hands out: a name with its key as tag.

#include <string>
#include <vector>

struct TListEntry {
  std::string text;
  int tag = 0;
  bool operator==(const TListEntry&) const = default;
};

using TNameList = std::vector<TListEntry>;
// The classes of one project in ascending classId order.
using TClassList = TNameList;

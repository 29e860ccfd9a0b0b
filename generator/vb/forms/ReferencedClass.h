#pragma once

#include <string>

// What a form needs to know of the class R that a reference member names.
struct TReferencedClass {
  std::string className;    // R
  std::string objName;      // r
  std::string friendName;   // RF
  std::string displayName;  // D: memberName of R's display member
  std::string keyName;      // V: memberName of R's key member
  int keyIsInteger = 0;     // VI: memberIsInteger of R's key member
};

// The language table's built-in English texts.
#pragma once

#include <span>

namespace hd {

struct TEnglishText {
  int Number;
  const char* Text;  // UTF-8
};

// The numbered texts in ascending order; a number not listed holds a single blank.
std::span<const TEnglishText> English_Texts();

}  // namespace hd

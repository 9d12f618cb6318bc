// The box a table window's check shows, with the built-in English texts.
#pragma once

#include <string>

#include "app/english_texts.h"
#include "tables/table_check.h"

namespace hd::testkit {

// "" for a check that passed.
inline std::string English_Check_Text(const TTableCheck& check, int prefixText) {
  if (check.Passed()) return {};
  return check.Message(prefixText, [](int number) {
    for (const TEnglishText& t : English_Texts())
      if (t.Number == number) return std::string(t.Text);
    return std::string(" ");
  });
}

}  // namespace hd::testkit

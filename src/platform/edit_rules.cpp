#include "platform/edit_rules.h"

#include "platform/sysutils.h"

namespace hd {

std::string CasedText(const std::string& text, TEditCharCase charCase) {
  switch (charCase) {
    case ecUpperCase: return AnsiUpperCase(text);
    case ecLowerCase: return AnsiLowerCase(text);
    default: return text;
  }
}

std::string FittingText(const std::string& add, int length, int selected, int maxLength) {
  if (maxLength <= 0) return add;
  int room = maxLength - (length - selected);
  if (room <= 0) return {};
  return Utf8Copy(add, 1, room);
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

}  // namespace hd

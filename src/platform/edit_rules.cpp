#include "platform/edit_rules.h"

#include "platform/sysutils.h"

namespace hd {

namespace {

std::string Mapped(const std::string& text, TEditCharCase charCase) {
  return charCase == ecUpperCase ? AnsiUpperCase(text) : AnsiLowerCase(text);
}

}  // namespace

std::string CasedText(const std::string& text, TEditCharCase charCase) {
  if (charCase == ecNormal) return text;
  std::string whole = Mapped(text, charCase);
  if (Utf8Length(whole) == Utf8Length(text)) return whole;
  // The edit maps character for character: one that would become several (the German sharp
  // s upper-cased) stays as it is.
  std::u32string out;
  for (char32_t c : Utf8ToCodePoints(text)) {
    std::u32string one = Utf8ToCodePoints(Mapped(CodePointsToUtf8(std::u32string(1, c)), charCase));
    out += one.size() == 1 ? one[0] : c;
  }
  return CodePointsToUtf8(out);
}

std::string FittingText(const std::string& add, int length, int selected, int maxLength) {
  if (maxLength <= 0) return add;
  int room = maxLength - (length - selected);
  if (room <= 0) return {};
  return Utf8Copy(add, 1, room);
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

}  // namespace hd

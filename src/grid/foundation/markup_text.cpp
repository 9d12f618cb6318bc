#include "grid/foundation/markup_text.h"

#include "platform/sysutils.h"

namespace hd {

namespace {

// Every occurrence of Tag, in any case, becomes CR LF.
std::string LineBreakTag(const std::string& Text, const std::string& Tag) {
  std::string upper = UpperCase(Text);
  std::string out;
  size_t from = 0;
  for (size_t at = upper.find(Tag); at != std::string::npos; at = upper.find(Tag, from)) {
    out.append(Text, from, at - from);
    out += "\r\n";
    from = at + Tag.size();
  }
  out.append(Text, from, std::string::npos);
  return out;
}

}  // namespace

std::string MarkupToText(const std::string& Markup) {
  std::string s = LineBreakTag(LineBreakTag(Markup, "<BR>"), "<HR>");
  std::string out;
  size_t from = 0;
  while (from < s.size()) {
    size_t open = s.find('<', from);
    if (open == std::string::npos) break;
    size_t close = s.find('>', open);
    if (close == std::string::npos) break;
    out.append(s, from, open - from);
    from = close + 1;
  }
  out.append(s, from, std::string::npos);
  return out;
}

}  // namespace hd

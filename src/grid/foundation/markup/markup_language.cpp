#include "grid/foundation/markup/markup_language.h"

#include <algorithm>
#include <cctype>

namespace hd {

namespace {

struct TNamedColor {
  const char* name;
  TColor value;
};

constexpr TNamedColor kPlainColors[] = {
    {"clred", 0x0000FF},    {"clblack", 0x000000},  {"clblue", 0xFF0000},   {"clgreen", 0x008000},
    {"claqua", 0xFFFF00},   {"clyellow", 0x00FFFF}, {"clfuchsia", 0xFF00FF}, {"clwhite", 0xFFFFFF},
    {"cllime", 0x00FF00},   {"clsilver", 0xC0C0C0}, {"clgray", 0x808080},   {"clolive", 0x008080},
    {"clnavy", 0x800000},   {"clpurple", 0x800080}, {"clteal", 0x808000},   {"clmaroon", 0x000080},
};

constexpr const char* kSystemColors[] = {
    "clbackground",  "clactivecaption", "clinactivecaption", "clmenu",          "clwindow",
    "clwindowframe", "clmenutext",      "clwindowtext",      "clcaptiontext",   "clactiveborder",
    "clinactiveborder", "clappworkspace", "clhighlight",     "clhighlighttext", "clbtnface",
    "clbtnshadow",   "clgraytext",      "clbtntext",         "clinactivecaptiontext", "clbtnhighlight",
    "cl3ddkshadow",  "cl3dlight",       "clinfotext",        "clinfobk",
};

// Swept in this order until a sweep replaces nothing.
constexpr const char* kPreparedEntities[][2] = {
    {"&amp;", "&&"}, {"&quot;", "\""}, {"&sect;", "§"},   {"&permil;", "‰"}, {"&reg;", "®"},
    {"&copy;", "©"}, {"&para;", "¶"},  {"&trade;", "™"}, {"&euro;", "€"},
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

int HexChannel(const std::string& Text, size_t at) {
  int hi = at < Text.size() ? HexDigit(Text[at]) : 0;
  int lo = at + 1 < Text.size() ? HexDigit(Text[at + 1]) : 0;
  return hi * 16 + lo;
}

void SweepEntities(std::string& Text) {
  if (Text.find('&') == std::string::npos) return;
  for (bool replaced = true; replaced;) {
    replaced = false;
    for (const auto& e : kPreparedEntities) replaced = ReplaceFirst(e[0], e[1], Text) || replaced;
  }
}

// Entities are decoded in the text between tags only: a tag's quoted values (a control's
// escaped value, a link with "&amp;") keep their quotes and ampersands.
std::string DecodeOutsideTags(const std::string& Text) {
  std::string out, run;
  size_t i = 0;
  while (i < Text.size()) {
    size_t open = Text.find('<', i);
    while (open != std::string::npos && open + 1 < Text.size() && Text[open + 1] == '#') open = Text.find('<', open + 1);
    size_t close = open == std::string::npos ? std::string::npos : Text.find('>', open);
    size_t runEnd = close == std::string::npos ? Text.size() : open;
    run.assign(Text, i, runEnd - i);
    SweepEntities(run);
    out += run;
    if (close == std::string::npos) break;
    out.append(Text, open, close - open + 1);
    i = close + 1;
  }
  return out;
}

}  // namespace

std::string MarkupUpper(const std::string& Text) {
  std::string s = Text;
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

TColor ColorFromName(const std::string& Name) {
  std::string lower = Name;
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  for (const TNamedColor& c : kPlainColors)
    if (lower == c.name) return c.value;
  for (size_t i = 0; i < std::size(kSystemColors); ++i)
    if (lower == kSystemColors[i]) return SystemColor(static_cast<int>(i) + 1);
  return clBlack;
}

TColor HexToColor(const std::string& Text) {
  return RGB(HexChannel(Text, 1), HexChannel(Text, 3), HexChannel(Text, 5));
}

bool ReplaceFirst(const std::string& Pattern, const std::string& Replacement, std::string& Text) {
  size_t at = MarkupUpper(Text).find(MarkupUpper(Pattern));
  if (at == std::string::npos || Pattern.empty()) return false;
  Text.replace(at, Pattern.size(), Replacement);
  return true;
}

std::string PrepareMarkup(const std::string& Text) {
  std::string s = DecodeOutsideTags(Text);
  for (size_t at = s.find("<#"); at != std::string::npos; at = s.find("<#", at)) {
    s.erase(at, 1);
    size_t close = s.find('>', at);
    if (close != std::string::npos) s.erase(close, 1);
  }
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c == '\r')
      out += "<BR>";
    else if (c != '\n')
      out += c;
  }
  return out;
}

std::string DecodeMarkupRun(const std::string& Run) {
  if (Run.find('&') == std::string::npos) return Run;
  std::string out;
  out.reserve(Run.size());
  for (size_t i = 0; i < Run.size();) {
    if (Run.compare(i, 6, "&nbsp;") == 0) {
      out += ' ';
      i += 6;
    } else if (Run.compare(i, 4, "&lt;") == 0) {
      out += '<';
      i += 4;
    } else if (Run.compare(i, 4, "&gt;") == 0) {
      out += '>';
      i += 4;
    } else {
      out += Run[i++];
    }
  }
  return out;
}

namespace {

// The text between the first two double quotes at or after From.
std::string QuotedValue(const std::string& Source, size_t From, bool* Found) {
  if (Found) *Found = false;
  size_t open = Source.find('"', From);
  if (open == std::string::npos) return "";
  size_t close = Source.find('"', open + 1);
  if (close == std::string::npos) return "";
  if (Found) *Found = true;
  return Source.substr(open + 1, close - open - 1);
}

}  // namespace

std::string MarkupAttribute(const std::string& Source, const std::string& UpperTag, const std::string& Name,
                            bool* Found) {
  if (Found) *Found = false;
  size_t at = UpperTag.find(Name);
  return at == std::string::npos ? "" : QuotedValue(Source, at + Name.size(), Found);
}

std::string MarkupValueAfterLetter(const std::string& Tag, char Letter) {
  size_t at = MarkupUpper(Tag).find(static_cast<char>(std::toupper(static_cast<unsigned char>(Letter))));
  return at == std::string::npos ? "" : QuotedValue(Tag, at, nullptr);
}

int MarkupNumber(const std::string& Text, int Default) {
  long long n = 0;
  size_t i = 0;
  while (i < Text.size() && std::isdigit(static_cast<unsigned char>(Text[i]))) {
    n = std::min<long long>(n * 10 + (Text[i] - '0'), 1000000000);
    ++i;
  }
  return i == 0 ? Default : static_cast<int>(n);
}

int MarkupFontSize(const std::string& UpperTag) {
  size_t at = UpperTag.find("SIZE");
  if (at == std::string::npos) return 0;
  size_t eq = UpperTag.find('=', at);
  if (eq == std::string::npos) return 0;
  size_t from = eq + 1;
  if (from < UpperTag.size() && UpperTag[from] == '"') ++from;
  int n = MarkupNumber(UpperTag.substr(from), 0);
  if (n >= 1 && n <= 5) return 6 + 2 * n;
  return std::min(n, kMaxMarkupFontSize);
}

TColor MarkupColor(const std::string& Value) {
  return !Value.empty() && Value[0] == '#' ? HexToColor(MarkupUpper(Value)) : ColorFromName(Value);
}

}  // namespace hd

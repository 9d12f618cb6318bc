#include "platform/rtf.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "platform/text_file.h"
#include "platform/unicode.h"

namespace hd {

void TRichText::Append(const std::string& Text, const TRichFormat& Format) {
  if (Text.empty()) return;
  if (!Runs.empty() && Runs.back().Format == Format) {
    Runs.back().Text += Text;
    return;
  }
  // A line break takes the format of the text before it.
  std::size_t breaks = Runs.empty() ? 0 : std::min(Text.find_first_not_of('\n'), Text.size());
  if (breaks > 0) Runs.back().Text.append(breaks, '\n');
  if (breaks < Text.size()) Runs.push_back({Text.substr(breaks), Format});
}

bool TRichText::Empty() const {
  return std::all_of(Runs.begin(), Runs.end(), [](const TRichRun& r) { return r.Text.empty(); });
}

std::string TRichText::PlainText() const {
  std::string out;
  for (const TRichRun& r : Runs)
    for (char c : r.Text) {
      if (c == '\n')
        out += "\r\n";
      else
        out += c;
    }
  return out;
}

bool IsRtf(const std::string& Text) { return Text.rfind("{\\rtf", 0) == 0; }

namespace {

// Where the characters of a group go.
enum class TDest { Text, FontTable, FontEntry, ColorTable, Skip };

struct TGroupState {
  TRichFormat Format;
  TDest Dest = TDest::Text;
  int FontNumber = 0;
  int UnicodeSkip = 1;
};

// Destinations whose contents are not text of the document.
bool IsHiddenDestination(const std::string& word) {
  static const char* kHidden[] = {"stylesheet", "info",   "pict",    "header",   "footer",   "headerl",
                                  "headerr",    "footerl", "footerr", "footnote", "generator", "object",
                                  "listtable",  "listoverridetable", "revtbl", "xmlnstbl", "themedata",
                                  "colorschememapping", "latentstyles", "datastore", "filetbl", "fldinst",
                                  "bkmkstart", "bkmkend", "field"};
  return std::any_of(std::begin(kHidden), std::end(kHidden), [&](const char* h) { return word == h; });
}

class TRtfReader {
 public:
  explicit TRtfReader(const std::string& rtf) : s_(rtf) {}

  TRichText Read() {
    stack_.push_back({});
    while (i_ < s_.size()) {
      char c = s_[i_];
      if (c == '{') {
        ++i_;
        Flush();
        stack_.push_back(stack_.back());
        if (stack_.back().Dest == TDest::FontTable) stack_.back().Dest = TDest::FontEntry;
        groupStart_ = true;
        continue;
      }
      if (c == '}') {
        ++i_;
        Flush();
        if (stack_.size() > 1) stack_.pop_back();
        groupStart_ = false;
        continue;
      }
      if (c == '\\') {
        ControlSymbol();
        groupStart_ = false;
        continue;
      }
      ++i_;
      groupStart_ = false;
      // Line ends in the file are no text of the document.
      if (c == '\r' || c == '\n') continue;
      Char(static_cast<unsigned char>(c));
    }
    Flush();
    return std::move(out_);
  }

 private:
  TGroupState& State() { return stack_.back(); }

  void ControlSymbol() {
    ++i_;  // the backslash
    if (i_ >= s_.size()) return;
    char c = s_[i_];
    if (!std::isalpha(static_cast<unsigned char>(c))) {
      ++i_;
      switch (c) {
        case '\\':
        case '{':
        case '}': Char(static_cast<unsigned char>(c)); return;
        case '~': Unicode(0xA0); return;
        case '_': Unicode(0x2011); return;
        case '\'': {
          int v = Hex2();
          if (v >= 0) Byte(static_cast<unsigned char>(v));
          return;
        }
        case '*': State().Dest = TDest::Skip; return;
        case '\r':
        case '\n': Break(); return;  // a backslash before a line end is \par
        default: return;             // \- and the like: nothing to show
      }
    }
    std::size_t start = i_;
    while (i_ < s_.size() && std::isalpha(static_cast<unsigned char>(s_[i_]))) ++i_;
    std::string word = s_.substr(start, i_ - start);
    bool hasParam = false;
    long param = 0;
    bool negative = false;
    if (i_ < s_.size() && s_[i_] == '-') {
      negative = true;
      ++i_;
    }
    while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) {
      hasParam = true;
      if (param < 100000000) param = param * 10 + (s_[i_] - '0');
      ++i_;
    }
    if (negative) param = -param;
    // One blank ends the word and belongs to it.
    if (i_ < s_.size() && s_[i_] == ' ') ++i_;
    Word(word, hasParam, static_cast<int>(param));
  }

  int Hex2() {
    auto digit = [](char c) -> int {
      if (c >= '0' && c <= '9') return c - '0';
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (c >= 'a' && c <= 'f') return c - 'a' + 10;
      return -1;
    };
    if (i_ + 1 >= s_.size()) return -1;
    int hi = digit(s_[i_]), lo = digit(s_[i_ + 1]);
    if (hi < 0 || lo < 0) return -1;
    i_ += 2;
    return hi * 16 + lo;
  }

  void Word(const std::string& w, bool hasParam, int param) {
    TGroupState& st = State();
    TRichFormat& f = st.Format;
    bool on = !hasParam || param != 0;
    if (groupStart_ && (w == "fonttbl")) {
      st.Dest = TDest::FontTable;
      return;
    }
    if (groupStart_ && w == "colortbl") {
      st.Dest = TDest::ColorTable;
      colors_.clear();
      red_ = green_ = blue_ = 0;
      sawColor_ = false;
      return;
    }
    if (groupStart_ && IsHiddenDestination(w)) {
      st.Dest = TDest::Skip;
      return;
    }
    if (st.Dest == TDest::Skip) return;
    if (st.Dest == TDest::FontEntry || st.Dest == TDest::FontTable) {
      if (w == "f") st.FontNumber = param;
      return;
    }
    if (st.Dest == TDest::ColorTable) {
      if (w == "red") red_ = param;
      if (w == "green") green_ = param;
      if (w == "blue") blue_ = param;
      sawColor_ = sawColor_ || w == "red" || w == "green" || w == "blue";
      return;
    }
    if (w == "deff") {
      defaultFont_ = param;
    } else if (w == "b") {
      SetStyle(f, fsBold, on);
    } else if (w == "i") {
      SetStyle(f, fsItalic, on);
    } else if (w == "ul") {
      SetStyle(f, fsUnderline, on);
    } else if (w == "ulnone") {
      SetStyle(f, fsUnderline, false);
    } else if (w == "strike") {
      SetStyle(f, fsStrikeOut, on);
    } else if (w == "fs") {
      f.Size = hasParam ? std::max(param, 0) / 2 : 0;
    } else if (w == "f") {
      // The default font is the font of the control that shows the text.
      auto it = fonts_.find(param);
      f.FontName = it != fonts_.end() && param != defaultFont_ ? it->second : std::string();
    } else if (w == "cf") {
      f.Color = param > 0 && param < static_cast<int>(colors_.size()) ? colors_[static_cast<std::size_t>(param)]
                : param == 0 && !colors_.empty()                      ? colors_[0]
                                                                       : clNone;
    } else if (w == "up") {
      f.Offset = (hasParam ? param : 6) * 10;  // half-points to twips
    } else if (w == "dn") {
      f.Offset = -(hasParam ? param : 6) * 10;
    } else if (w == "nosupersub") {
      f.Offset = 0;
    } else if (w == "plain") {
      f = TRichFormat{};
    } else if (w == "par" || w == "line") {
      Break();
    } else if (w == "tab") {
      Char('\t');
    } else if (w == "u") {
      int code = param < 0 ? param + 65536 : param;
      Unicode(static_cast<char32_t>(code));
      pendingSkip_ = st.UnicodeSkip;
    } else if (w == "uc") {
      st.UnicodeSkip = std::max(param, 0);
    } else if (w == "emdash") {
      Unicode(0x2014);
    } else if (w == "endash") {
      Unicode(0x2013);
    } else if (w == "bullet") {
      Unicode(0x2022);
    } else if (w == "lquote") {
      Unicode(0x2018);
    } else if (w == "rquote") {
      Unicode(0x2019);
    } else if (w == "ldblquote") {
      Unicode(0x201C);
    } else if (w == "rdblquote") {
      Unicode(0x201D);
    }
  }

  static void SetStyle(TRichFormat& f, TFontStyle s, bool on) {
    if (on)
      f.Style.Include(s);
    else
      f.Style.Exclude(s);
  }

  // A character of the file's own text: ASCII, or a byte of the code page.
  void Char(unsigned char c) {
    if (c >= 0x80) {
      Byte(c);
      return;
    }
    if (SkipFallback()) return;
    TGroupState& st = State();
    switch (st.Dest) {
      case TDest::Text: Add(std::string(1, static_cast<char>(c))); return;
      case TDest::FontEntry:
      case TDest::FontTable:
        if (c == ';') {
          fonts_[st.FontNumber] = fontName_;
          fontName_.clear();
        } else {
          fontName_ += static_cast<char>(c);
        }
        return;
      case TDest::ColorTable:
        if (c == ';') {
          // An entry with no colour words is the default colour.
          colors_.push_back(sawColor_ ? RGB(red_, green_, blue_) : clNone);
          red_ = green_ = blue_ = 0;
          sawColor_ = false;
        }
        return;
      case TDest::Skip: return;
    }
  }

  void Byte(unsigned char b) {
    if (SkipFallback()) return;
    std::string one(1, static_cast<char>(b));
    std::string text = b < 0x80 ? one : Windows1252ToUtf8(one);
    if (State().Dest == TDest::Text) Add(text);
    if (State().Dest == TDest::FontEntry || State().Dest == TDest::FontTable) fontName_ += text;
  }

  // The fallback characters after \uN are dropped.
  bool SkipFallback() {
    if (pendingSkip_ <= 0) return false;
    --pendingSkip_;
    return true;
  }

  void Unicode(char32_t code) {
    pendingSkip_ = 0;
    if (State().Dest != TDest::Text) return;
    // A pair of surrogates written as two \u words makes one character.
    if (code >= 0xD800 && code < 0xDC00) {
      highSurrogate_ = code;
      return;
    }
    if (code >= 0xDC00 && code < 0xE000 && highSurrogate_) {
      code = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (code - 0xDC00);
    }
    highSurrogate_ = 0;
    WideString w;
    if (code >= 0x10000) {
      w += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      w += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      w += static_cast<char16_t>(code);
    }
    Add(WideToUtf8(w));
  }

  void Break() {
    if (State().Dest == TDest::Text) Add("\n");
  }

  void Add(const std::string& text) {
    const TRichFormat& f = State().Format;
    if (text == "\n" && (!pending_.empty() || !out_.Runs.empty())) {
      if (pending_.empty()) out_.Runs.back().Text += text;
      else pending_ += text;
      return;
    }
    if (!pending_.empty() && !(pendingFormat_ == f)) Flush();
    pendingFormat_ = f;
    pending_ += text;
  }

  void Flush() {
    out_.Append(pending_, pendingFormat_);
    pending_.clear();
  }

  const std::string& s_;
  std::size_t i_ = 0;
  std::vector<TGroupState> stack_;
  TRichText out_;
  std::string pending_;
  TRichFormat pendingFormat_;
  bool groupStart_ = false;
  int pendingSkip_ = 0;
  char32_t highSurrogate_ = 0;
  std::map<int, std::string> fonts_;
  std::string fontName_;
  std::vector<TColor> colors_;
  int red_ = 0, green_ = 0, blue_ = 0;
  bool sawColor_ = false;
  int defaultFont_ = 0;
};

// The tables of a written text: every font name and colour its runs use.
struct TRtfTables {
  std::vector<std::string> Fonts{"Tahoma"};
  std::vector<TColor> Colors;  // written after the default entry, so index + 1

  int FontIndex(const std::string& name) {
    if (name.empty()) return 0;
    auto it = std::find(Fonts.begin(), Fonts.end(), name);
    if (it != Fonts.end()) return static_cast<int>(it - Fonts.begin());
    Fonts.push_back(name);
    return static_cast<int>(Fonts.size()) - 1;
  }
  int ColorIndex(TColor c) {
    if (c == clNone) return 0;
    auto it = std::find(Colors.begin(), Colors.end(), c);
    if (it != Colors.end()) return static_cast<int>(it - Colors.begin()) + 1;
    Colors.push_back(c);
    return static_cast<int>(Colors.size());
  }
};

void AppendEscaped(std::string& out, const std::string& text) {
  WideString w = Utf8ToWide(text);
  for (char16_t c : w) {
    if (c == u'\n') {
      out += "\\par ";  // no line end: saved cells lose theirs
    } else if (c == u'\t') {
      out += "\\tab ";
    } else if (c == u'\\' || c == u'{' || c == u'}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == u'\r') {
      // CR LF is one break, carried by the LF.
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      // The control word's number is a signed 16-bit value.
      int n = c > 32767 ? static_cast<int>(c) - 65536 : static_cast<int>(c);
      out += "\\u" + std::to_string(n) + "?";
    }
  }
}

}  // namespace

TRichText PlainRichText(const std::string& Plain) {
  TRichText t;
  std::string text;
  for (std::size_t i = 0; i < Plain.size(); ++i) {
    if (Plain[i] == '\r') {
      text += '\n';
      if (i + 1 < Plain.size() && Plain[i + 1] == '\n') ++i;
    } else {
      text += Plain[i];
    }
  }
  t.Append(text, {});
  return t;
}

TRichText RtfToRich(const std::string& Rtf) {
  if (!IsRtf(Rtf)) return PlainRichText(Rtf);
  return TRtfReader(Rtf).Read();
}

std::string RichToRtf(const TRichText& Text) {
  TRtfTables tables;
  for (const TRichRun& r : Text.Runs) {
    tables.FontIndex(r.Format.FontName);
    tables.ColorIndex(r.Format.Color);
  }
  std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
  for (std::size_t i = 0; i < tables.Fonts.size(); ++i) {
    out += "{\\f" + std::to_string(i) + "\\fnil ";
    AppendEscaped(out, tables.Fonts[i]);
    out += ";}";
  }
  out += "}";
  if (!tables.Colors.empty()) {
    out += "{\\colortbl ;";
    for (TColor c : tables.Colors)
      out += "\\red" + std::to_string(GetRValue(c)) + "\\green" + std::to_string(GetGValue(c)) + "\\blue" +
             std::to_string(GetBValue(c)) + ";";
    out += "}";
  }
  out += "\n\\uc1\\pard ";
  TRichFormat cur;
  for (const TRichRun& r : Text.Runs) {
    const TRichFormat& f = r.Format;
    std::string words;
    auto toggle = [&](TFontStyle s, const char* on, const char* off) {
      if (f.Style.Contains(s) != cur.Style.Contains(s)) words += f.Style.Contains(s) ? on : off;
    };
    toggle(fsBold, "\\b", "\\b0");
    toggle(fsItalic, "\\i", "\\i0");
    toggle(fsUnderline, "\\ul", "\\ulnone");
    toggle(fsStrikeOut, "\\strike", "\\strike0");
    if (f.FontName != cur.FontName) words += "\\f" + std::to_string(tables.FontIndex(f.FontName));
    if (f.Size != cur.Size) words += "\\fs" + std::to_string(f.Size * 2);
    if (f.Color != cur.Color) words += "\\cf" + std::to_string(tables.ColorIndex(f.Color));
    if (f.Offset != cur.Offset) {
      // Offsets are written in half-points.
      if (f.Offset > 0)
        words += "\\up" + std::to_string(f.Offset / 10);
      else if (f.Offset < 0)
        words += "\\dn" + std::to_string(-f.Offset / 10);
      else
        words += "\\up0";
    }
    if (!words.empty()) out += words + " ";
    AppendEscaped(out, r.Text);
    cur = f;
  }
  out += "\n}";
  return out;
}

}  // namespace hd

#include "grid/foundation/markup/markup_utils.h"

#include <cstring>
#include <vector>

#include "grid/foundation/markup/markup_language.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

// Accented letters and signs written as named entities, in the order they are replaced.
constexpr const char* kNamedEntities[][2] = {
    {"é", "&eacute;"}, {"è", "&egrave;"}, {"ë", "&euml;"},   {"ê", "&ecirc;"},  {"ó", "&oacute;"}, {"ò", "&ograve;"},
    {"ö", "&ouml;"},   {"ô", "&ocirc;"},  {"í", "&iacute;"}, {"ì", "&igrave;"}, {"ï", "&iuml;"},   {"î", "&icirc;"},
    {"ú", "&uacute;"}, {"ù", "&ugrave;"}, {"ü", "&uuml;"},   {"û", "&ucirc;"},  {"á", "&aacute;"}, {"à", "&agrave;"},
    {"ä", "&auml;"},   {"â", "&acirc;"},  {"É", "&Eacute;"}, {"È", "&Egrave;"}, {"Ë", "&Euml;"},   {"Ê", "&Ecirc;"},
    {"Ó", "&Oacute;"}, {"Ò", "&Ograve;"}, {"Ö", "&Ouml;"},   {"Ô", "&Ocirc;"},  {"Í", "&Iacute;"}, {"Ì", "&Igrave;"},
    {"Ï", "&Iuml;"},   {"Î", "&Icirc;"},  {"Ú", "&Uacute;"}, {"Ù", "&Ugrave;"}, {"Ü", "&Uuml;"},   {"Û", "&Ucirc;"},
    {"Á", "&Aacute;"}, {"À", "&Agrave;"}, {"Ä", "&Auml;"},   {"Â", "&Acirc;"},  {"ç", "&ccedil;"}, {"Ç", "&Ccedil;"},
    {"ø", "&oslash;"}, {"Ø", "&Oslash;"}, {"å", "&aring;"},  {"Å", "&Aring;"},  {"©", "&copy;"},   {"®", "&reg;"},
    {"€", "&euro;"},   {"«", "&laquo;"},  {"»", "&raquo;"},
};

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

namespace {
TColor gHighlightColor = clHighlight;
TColor gHighlightTextColor = clHighlightText;
}  // namespace

void SetMarkupHighlightColors(TColor Background, TColor Text) {
  gHighlightColor = Background;
  gHighlightTextColor = Text;
}
TColor MarkupHighlightColor() { return gHighlightColor; }
TColor MarkupHighlightTextColor() { return gHighlightTextColor; }

std::string VisibleText(const std::string& Markup) {
  std::string out;
  size_t from = 0;
  for (;;) {
    size_t open = Markup.find('<', from);
    size_t close = Markup.find('>', from);
    if (open == std::string::npos || close == std::string::npos || close < open) break;
    out.append(Markup, from, open - from);
    from = close + 1;
  }
  out.append(Markup, from, std::string::npos);
  return out;
}

int MarkupPosOfVisible(const std::string& Markup, int n) {
  if (n <= 1) return n == 1 ? 1 : 0;
  int visible = 0;
  bool inTag = false;
  for (size_t i = 0; i < Markup.size(); ++i) {
    char c = Markup[i];
    if (c == '<') inTag = true;
    if (!inTag && ++visible == n - 1) return static_cast<int>(i) + 2;
    if (c == '>') inTag = false;
  }
  return 0;
}

int FindVisible(const std::string& Search, const std::string& Visible, int Offset, bool CaseSensitive) {
  if (Offset < 0 || static_cast<size_t>(Offset) > Visible.size() || Search.empty()) return 0;
  std::string hay = Visible.substr(static_cast<size_t>(Offset));
  std::string needle = Search;
  if (!CaseSensitive) {
    hay = AnsiUpperCase(hay);
    needle = AnsiUpperCase(needle);
  }
  size_t at = hay.find(needle);
  return at == std::string::npos ? 0 : Offset + static_cast<int>(at) + 1;
}

void HighlightMarkup(const std::string& Markup, const std::string& Search, const std::string& Tag,
                     std::string& Result, bool CaseSensitive) {
  std::string markup = Markup, search = Search;
  std::string visible = VisibleText(markup);
  if (markup.find(search) != std::string::npos && visible.find_first_of("<>") != std::string::npos) {
    auto escape = [](const std::string& t) { return StringReplaceAll(StringReplaceAll(t, "<", "&lt;"), ">", "&gt;"); };
    visible = escape(visible);
    search = escape(search);
    markup = visible;
  }
  const std::string open = "<" + Tag + ">", close = "</" + Tag + ">";
  int offset = 0;
  for (int at = FindVisible(search, visible, offset, CaseSensitive); at > 0;
       at = FindVisible(search, visible, offset, CaseSensitive)) {
    markup.insert(static_cast<size_t>(MarkupPosOfVisible(markup, at) - 1), open);
    offset = at + static_cast<int>(search.size());
    int end = MarkupPosOfVisible(markup, offset);
    if (end > 0) markup.insert(static_cast<size_t>(end - 1), close);
  }
  Result = markup;
}

std::string UnHighlightMarkup(const std::string& Markup, const std::string& Tag) {
  std::string upper = UpperCase(Markup);
  const std::string open = "<" + UpperCase(Tag) + ">", close = "</" + UpperCase(Tag) + ">";
  std::string out;
  for (size_t i = 0; i < Markup.size();) {
    if (upper.compare(i, open.size(), open) == 0) {
      i += open.size();
    } else if (upper.compare(i, close.size(), close) == 0) {
      i += close.size();
    } else {
      out += Markup[i++];
    }
  }
  return StringReplaceAll(StringReplaceAll(out, "&lt;", "<"), "&gt;", ">");
}

std::string EscapeHTML(const std::string& Text, bool Named) {
  std::string out;
  out.reserve(Text.size());
  for (size_t i = 0; i < Text.size();) {
    const char* entity = nullptr;
    size_t length = 1;
    switch (Text[i]) {
      case '&': entity = "&amp;"; break;
      case '"': entity = "&quot;"; break;
      case '<': entity = "&lt;"; break;
      case '>': entity = "&gt;"; break;
      default:
        if (Named && static_cast<unsigned char>(Text[i]) >= 0x80)
          for (const auto& e : kNamedEntities)
            if (Text.compare(i, std::strlen(e[0]), e[0]) == 0) {
              entity = e[1];
              length = std::strlen(e[0]);
              break;
            }
    }
    if (entity)
      out += entity;
    else
      out.append(Text, i, length);
    i += length;
  }
  return out;
}

std::string UnescapeHTML(const std::string& Text, bool Named) {
  static constexpr const char* kPlain[][2] = {{"<", "&lt;"}, {">", "&gt;"}, {"&", "&amp;"}, {"\"", "&quot;"}};
  std::string out;
  out.reserve(Text.size());
  for (size_t i = 0; i < Text.size();) {
    const char* character = nullptr;
    size_t length = 1;
    auto match = [&](const char* const(&e)[2]) {
      if (Text.compare(i, std::strlen(e[1]), e[1]) != 0) return false;
      character = e[0];
      length = std::strlen(e[1]);
      return true;
    };
    if (Text[i] == '&') {
      bool found = false;
      for (const auto& e : kPlain)
        if ((found = match(e))) break;
      if (!found && Named)
        for (const auto& e : kNamedEntities)
          if (match(e)) break;
    }
    if (character)
      out += character;
    else
      out += Text[i];
    i += length;
  }
  return out;
}

std::string SpacesToNbsp(const std::string& Text) { return StringReplaceAll(Text, " ", "&nbsp;"); }

std::string MaskText(const std::string& Text) { return std::string(static_cast<size_t>(Utf8Length(Text)), '*'); }

namespace {

// The CONTROL tags of a markup text: where each starts and how long it is.
struct TTagSpan {
  size_t start;
  size_t length;
};

std::vector<TTagSpan> ControlTags(const std::string& Markup) {
  std::vector<TTagSpan> tags;
  std::string upper = UpperCase(Markup);
  for (size_t at = upper.find("<CONTROL "); at != std::string::npos; at = upper.find("<CONTROL ", at + 1)) {
    size_t end = Markup.find('>', at);
    if (end == std::string::npos) break;
    tags.push_back({at, end - at + 1});
  }
  return tags;
}

}  // namespace

TControlTag ParseControlTag(const std::string& Tag) {
  std::string upper = UpperCase(Tag);
  TControlTag t;
  t.Type = UpperCase(MarkupAttribute(Tag, upper, "TYPE="));
  t.ID = MarkupAttribute(Tag, upper, "ID=");
  t.MaxLen = MarkupAttribute(Tag, upper, "MAXLEN=");
  t.Prop = UnescapeHTML(MarkupAttribute(Tag, upper, "PROP="), true);
  t.Height = MarkupAttribute(Tag, upper, "HEIGHT=");
  t.Width = MarkupAttribute(Tag, upper, "WIDTH=");
  t.Value = UnescapeHTML(MarkupAttribute(Tag, upper, "VALUE="), true);
  return t;
}

bool HasControlTag(const std::string& Markup) { return UpperCase(Markup).find("<CONTROL") != std::string::npos; }

namespace {

// The first CONTROL tag with that ID, parsed, and where it stands.
bool FindControl(const std::string& Markup, const std::string& ID, TControlTag& Tag, TTagSpan* Span = nullptr) {
  for (const TTagSpan& span : ControlTags(Markup)) {
    TControlTag tag = ParseControlTag(Markup.substr(span.start, span.length));
    if (tag.ID != ID) continue;
    Tag = tag;
    if (Span) *Span = span;
    return true;
  }
  return false;
}

}  // namespace

std::string NextEditControlID(const std::string& Markup, const std::string& ID) {
  bool found = ID.empty();
  for (const TTagSpan& span : ControlTags(Markup)) {
    TControlTag tag = ParseControlTag(Markup.substr(span.start, span.length));
    if (found && tag.Type != "BUTTON" && tag.Type != "CHECK" && tag.Type != "RADIO") return tag.ID;
    if (tag.ID == ID) found = true;
  }
  return "";
}

bool GetControlValue(const std::string& Markup, const std::string& ID, std::string& Value) {
  TControlTag tag;
  if (!FindControl(Markup, ID, tag)) return false;
  Value = tag.Value;
  return true;
}

std::string GetControlProp(const std::string& Markup, const std::string& ID) {
  TControlTag tag;
  return FindControl(Markup, ID, tag) ? tag.Prop : "";
}

int GetControlMaxLen(const std::string& Markup, const std::string& ID) {
  TControlTag tag;
  return FindControl(Markup, ID, tag) ? StrToIntDef(tag.MaxLen, 0) : 0;
}

bool SetControlValue(std::string& Markup, const std::string& ID, const std::string& Value) {
  TControlTag old;
  TTagSpan span{};
  if (!FindControl(Markup, ID, old, &span)) return false;
  std::string tag = "<CONTROL ID=\"" + old.ID + "\" VALUE=\"" + EscapeHTML(Value, true) + "\" WIDTH=\"" + old.Width +
                    "\" TYPE=\"" + old.Type + "\"";
  if (!old.Prop.empty()) tag += " PROP=\"" + EscapeHTML(old.Prop, true) + "\"";
  if (!old.MaxLen.empty()) tag += " MAXLEN=\"" + old.MaxLen + "\"";
  // A height the tag had stays, so the control keeps its size after an edit.
  if (!old.Height.empty()) tag += " HEIGHT=\"" + old.Height + "\"";
  tag += ">";
  Markup.replace(span.start, span.length, tag);
  return true;
}

std::string ClearRadioControls(const std::string& Markup) {
  std::string out = Markup;
  for (const TTagSpan& span : ControlTags(Markup)) {
    TControlTag tag = ParseControlTag(Markup.substr(span.start, span.length));
    if (tag.Type == "RADIO") SetControlValue(out, tag.ID, "FALSE");
  }
  return out;
}

}  // namespace hd

#include "grid/foundation/markup_text.h"

#include <vector>

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

std::string EscapeHTML(const std::string& Text, bool Named) {
  // "&" goes in two steps, so a "*amp;" already in the text ends as "&amp;" too.
  std::string s = StringReplaceAll(Text, "&", "*amp;");
  s = StringReplaceAll(s, "*amp;", "&amp;");
  s = StringReplaceAll(s, "\"", "&quot;");
  s = StringReplaceAll(s, "<", "&lt;");
  s = StringReplaceAll(s, ">", "&gt;");
  if (Named)
    for (const auto& e : kNamedEntities) s = StringReplaceAll(s, e[0], e[1]);
  return s;
}

std::string UnescapeHTML(const std::string& Text, bool Named) {
  std::string s = StringReplaceAll(Text, "&lt;", "<");
  s = StringReplaceAll(s, "&gt;", ">");
  s = StringReplaceAll(s, "&amp;", "&");
  s = StringReplaceAll(s, "&quot;", "\"");
  if (Named)
    for (const auto& e : kNamedEntities) s = StringReplaceAll(s, e[1], e[0]);
  return s;
}

namespace {

// The text between the first two double quotes after NAME= (found in any case anywhere in
// the tag, so also inside another attribute).
std::string Attribute(const std::string& Tag, const std::string& UpperTag, const std::string& Name) {
  size_t at = UpperTag.find(Name + "=");
  if (at == std::string::npos) return "";
  size_t open = Tag.find('"', at);
  if (open == std::string::npos) return "";
  size_t close = Tag.find('"', open + 1);
  if (close == std::string::npos) return "";
  return Tag.substr(open + 1, close - open - 1);
}

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
  t.Type = UpperCase(Attribute(Tag, upper, "TYPE"));
  t.ID = Attribute(Tag, upper, "ID");
  t.MaxLen = Attribute(Tag, upper, "MAXLEN");
  t.Prop = UnescapeHTML(Attribute(Tag, upper, "PROP"), true);
  t.Height = Attribute(Tag, upper, "HEIGHT");
  t.Width = Attribute(Tag, upper, "WIDTH");
  t.Value = UnescapeHTML(Attribute(Tag, upper, "VALUE"), true);
  return t;
}

bool GetControlValue(const std::string& Markup, const std::string& ID, std::string& Value) {
  for (const TTagSpan& span : ControlTags(Markup)) {
    TControlTag tag = ParseControlTag(Markup.substr(span.start, span.length));
    if (tag.ID != ID) continue;
    Value = tag.Value;
    return true;
  }
  return false;
}

bool SetControlValue(std::string& Markup, const std::string& ID, const std::string& Value) {
  for (const TTagSpan& span : ControlTags(Markup)) {
    TControlTag old = ParseControlTag(Markup.substr(span.start, span.length));
    if (old.ID != ID) continue;
    std::string tag = "<CONTROL ID=\"" + old.ID + "\" VALUE=\"" + EscapeHTML(Value, true) + "\" WIDTH=\"" + old.Width +
                      "\" TYPE=\"" + old.Type + "\"";
    if (!old.Prop.empty()) tag += " PROP=\"" + EscapeHTML(old.Prop, true) + "\"";
    if (!old.MaxLen.empty()) tag += " MAXLEN=\"" + old.MaxLen + "\"";
    tag += ">";
    Markup.replace(span.start, span.length, tag);
    return true;
  }
  return false;
}

}  // namespace hd

// String operations over cell markup that the grid needs outside drawing.
#pragma once

#include <string>

namespace hd {

// The plain text of a markup text: "<BR>" and "<HR>" (any case) become CR LF, every other tag
// (from "<" to the first ">" after it) goes; a "<" without a ">" after it keeps the rest of the
// text as it is. Entities stay as written.
std::string MarkupToText(const std::string& Markup);

// "&", double quotes, "<" and ">" as entities; with Named also the accented letters and signs
// of the named-entity table ("&eacute;", "&euro;", ...).
std::string EscapeHTML(const std::string& Text, bool Named);
// The four plain entities back (and with Named those of the table, matched with their case).
std::string UnescapeHTML(const std::string& Text, bool Named);

// The attributes of a CONTROL tag through which a cell hosts a control; absent ones are empty.
struct TControlTag {
  std::string Type;  // upper case
  std::string ID;
  std::string MaxLen;
  std::string Prop;
  std::string Height;
  std::string Width;
  std::string Value;
};
TControlTag ParseControlTag(const std::string& Tag);
// The VALUE of the first CONTROL tag with that ID (IDs compared exactly); false when none.
bool GetControlValue(const std::string& Markup, const std::string& ID, std::string& Value);
// Rewrites the first CONTROL tag with that ID with the new value, keeping its ID, WIDTH and
// TYPE, and its PROP and MAXLEN when it had them; false, the markup unchanged, when none.
bool SetControlValue(std::string& Markup, const std::string& ID, const std::string& Value);

}  // namespace hd

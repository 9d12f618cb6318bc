// String operations over cell markup that the grid needs outside drawing: plain text, search
// highlighting, escaping, and the inline CONTROL tags through which a cell hosts controls.
#pragma once

#include <string>

#include "platform/types.h"

namespace hd {

// The colours of the HI tag, shared by every renderer call; the selection colours at start.
void SetMarkupHighlightColors(TColor Background, TColor Text);
TColor MarkupHighlightColor();
TColor MarkupHighlightTextColor();

// The plain text of a markup text: "<BR>" and "<HR>" (any case) become CR LF, every other tag
// (from "<" to the first ">" after it) goes; a "<" without a ">" after it keeps the rest of the
// text as it is. Entities stay as written.
std::string MarkupToText(const std::string& Markup);

// The text outside tags, for highlighting: text before a "<" whose ">" follows it is kept and
// the tag dropped; a ">" before the next "<" ends the work with the rest kept as it is.
std::string VisibleText(const std::string& Markup);
// The 1-based position in the markup just after visible character n - 1 (tag characters are
// not visible); the length + 1 when there are exactly n - 1, 0 when there are fewer.
int MarkupPosOfVisible(const std::string& Markup, int n);
// Offset + the 1-based position of Search in Visible after its first Offset characters; 0 when
// it is not there.
int FindVisible(const std::string& Search, const std::string& Visible, int Offset, bool CaseSensitive);
// Every match of Search in the visible text wrapped in "<Tag>" and "</Tag>". A match that
// follows the previous one directly is left alone.
void HighlightMarkup(const std::string& Markup, const std::string& Search, const std::string& Tag,
                     std::string& Result, bool CaseSensitive);
// The tags HighlightMarkup put in (any case) removed, and "&lt;" / "&gt;" back to brackets.
std::string UnHighlightMarkup(const std::string& Markup, const std::string& Tag);

// "&", double quotes, "<" and ">" as entities; with Named also the accented letters and signs
// of the named-entity table ("&eacute;", "&euro;", ...). One pass: nothing is escaped twice.
std::string EscapeHTML(const std::string& Text, bool Named);
// The four plain entities back (and with Named those of the table, matched with their case),
// in one pass, so that an escaped entity ("&amp;quot;") comes back as written.
std::string UnescapeHTML(const std::string& Text, bool Named);
// Every blank as "&nbsp;".
std::string SpacesToNbsp(const std::string& Text);

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
bool HasControlTag(const std::string& Markup);
// The ID of the first editable control (not a button, check box or radio button) after the one
// with that ID, or the first one for an empty ID; empty when there is none.
std::string NextEditControlID(const std::string& Markup, const std::string& ID);
// The VALUE of the first CONTROL tag with that ID (IDs compared exactly); false when none.
bool GetControlValue(const std::string& Markup, const std::string& ID, std::string& Value);
std::string GetControlProp(const std::string& Markup, const std::string& ID);
// MAXLEN as a number; 0 without the control or a number.
int GetControlMaxLen(const std::string& Markup, const std::string& ID);
// Rewrites the first CONTROL tag with that ID with the new value, keeping its ID, WIDTH and
// TYPE, and its PROP, MAXLEN and HEIGHT when it had them; false, the markup unchanged, when
// none.
bool SetControlValue(std::string& Markup, const std::string& ID, const std::string& Value);
// Every radio control set to "FALSE".
std::string ClearRadioControls(const std::string& Markup);
// One "*" per character, as a password control shows its value.
std::string MaskText(const std::string& Text);

}  // namespace hd

// The cell markup language as the renderer reads it: preparation of a text, run decoding,
// tags and attribute values, colour names and hex colours.
#pragma once

#include <string>

#include "platform/types.h"

namespace hd {

// The lower-cased name in the colour table ("clred", "clbtnface", ...): the plain colours
// first, the system colours only when that gives 0; black for a name not in the table.
TColor ColorFromName(const std::string& Name);
// "#RRGGBB" as a colour. A missing or non-hex digit reads as 0, so a short or odd value never
// reads past the text or into the next channel.
TColor HexToColor(const std::string& Text);
// Replaces the first occurrence of Pattern, found in any case; true when there was one.
bool ReplaceFirst(const std::string& Pattern, const std::string& Replacement, std::string& Text);
// The whole text made ready for layout: entities outside tags swept until none is left
// ("&amp;" becomes the "&&" that draws one "&"), "<#...>" left as plain text, CR as "<BR>",
// LF dropped.
std::string PrepareMarkup(const std::string& Text);
// A run as drawn: "&nbsp;", "&lt;" and "&gt;" (lower case) decoded.
std::string DecodeMarkupRun(const std::string& Run);

// Attribute lookups on a tag. The name is found as a plain substring of the upper-cased tag;
// the value is the text between the first two double quotes after it, read from Source (the
// upper-cased tag, or the tag as written where case matters). Empty when absent or unquoted.
std::string MarkupAttribute(const std::string& Source, const std::string& UpperTag, const std::string& Name,
                            bool* Found = nullptr);
// The first double-quoted text after the first Letter (any case) of the tag.
std::string MarkupValueAfterLetter(const std::string& Tag, char Letter);
// A whole number at the start of Text (digits only); Default without one.
int MarkupNumber(const std::string& Text, int Default);
// The FONT SIZE of a tag in points: 1-5 give 8-16, another number is points; 0 when absent,
// zero or unreadable. Quoted or not.
int MarkupFontSize(const std::string& UpperTag);
// A colour value: "#" hex, else a colour name.
TColor MarkupColor(const std::string& Value);

// ASCII upper case that keeps every byte where it was.
std::string MarkupUpper(const std::string& Text);

// Caps that keep a hostile text from asking for giant fonts or pictures.
inline constexpr int kMaxMarkupFontSize = 200;
inline constexpr int kMaxMarkupPictureSide = 4096;

}  // namespace hd

// A grid's look as a file of key=value lines (ANSI, CR LF): each setting a line in a fixed
// order, read back by key in the order of the table that applies them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace hd {

class TExtStringGrid;

// One line of the file: its key, the setting's value as text, and how a text read is applied.
// Apply raises EConvertError for a text that does not convert.
struct TVisualProp {
  std::string Key;
  std::function<std::string()> Value;
  std::function<void(const std::string&)> Apply;
};

// The value forms.
std::string BoolToVisualText(bool Value);
// True exactly for "true" in any case.
bool VisualTextToBool(const std::string& Text);
// The set members' names ("fsBold" ...) joined by ","; read back by finding each name anywhere.
std::string FontStyleToVisualText(const TFontStyles& Style);
TFontStyles VisualTextToFontStyle(const std::string& Text);
// An empty text reads as clNone; otherwise a colour name or a whole number.
TColor VisualTextToColor(const std::string& Text);

// Writes every entry's line in order, replacing the file; "Cannot Create " + name (EFCreateError)
// when it cannot be written.
void WriteVisualProps(const std::vector<TVisualProp>& Table, const std::string& FileName);
// Reads the file whole ("Cannot open file " + name, EFOpenError, when it cannot), then applies
// the entries in the table's order, each with the text after the first "=" of the first line
// whose key matches without regard to case (empty when none does). A value that does not
// convert ends the reading with its error; what was applied before stays.
void ReadVisualProps(const std::vector<TVisualProp>& Table, const std::string& FileName);

// The grid's 69 entries in the order they are written; with ForReading, in the order they are
// applied (the grid lines right after the search footer, before the grouping colours).
std::vector<TVisualProp> GridVisualProps(TExtStringGrid& Grid, bool ForReading);

}  // namespace hd

// The platform's standard colour names: the identifiers files and streams use for the colours
// that have one.
#pragma once

#include <string>

#include "platform/types.h"

namespace hd {

// The name of a standard colour (the first entry of the list that has the value); false when
// the colour has none.
bool ColorToIdent(TColor Color, std::string& Ident);
// The value of a standard colour name, compared without regard to case; false for another text.
bool IdentToColor(const std::string& Ident, TColor& Color);

// A colour as its name, or "$" and its 32-bit value in eight upper-case hexadecimal digits.
std::string ColorToString(TColor Color);
// A name, or a whole number in decimal or with "$"/"0x"; EConvertError for any other text.
TColor StringToColor(const std::string& Text);

}  // namespace hd

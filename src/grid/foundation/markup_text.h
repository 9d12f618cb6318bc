// String operations over cell markup that the grid needs outside drawing.
#pragma once

#include <string>

namespace hd {

// The plain text of a markup text: "<BR>" and "<HR>" (any case) become CR LF, every other tag
// (from "<" to the first ">" after it) goes; a "<" without a ">" after it keeps the rest of the
// text as it is. Entities stay as written.
std::string MarkupToText(const std::string& Markup);

}  // namespace hd

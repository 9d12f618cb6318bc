// The typing rules of the edit controls, without a widget: what typed or pasted text becomes
// under the edit's character case and length limit. Lengths count characters, not bytes.
#pragma once

#include <string>

namespace hd {

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The text in the case, character for character.
std::string CasedText(const std::string& text, TEditCharCase charCase);
// The part of `add` that fits when it replaces `selected` of the `length` characters of the
// text; MaxLength limits only what the user types or pastes, 0 is no limit.
std::string FittingText(const std::string& add, int length, int selected, int maxLength);
// A single-line edit takes pasted text up to its first line break.
std::string FirstLine(const std::string& text);

}  // namespace hd

// Wide (UTF-16) text and the Unicode character rules the platform applies to any script.
#pragma once

#include <string>

namespace hd {

// Text as UTF-16 code units, where the grid hands wide text to its events.
using WideString = std::u16string;

// Malformed UTF-8 and lone surrogates become U+FFFD.
WideString Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const WideString& wide);

// One-to-one case mapping of a character (no special casing: the length never changes).
char32_t CharUpper(char32_t c);
char32_t CharLower(char32_t c);
// A character of Unicode's number categories (decimal digits of any script, letter-like and
// other numbers such as "Ⅻ" or "½").
bool IsNumberCharacter(char32_t c);

// Case mapping of every character, whatever its script.
std::string CharUpperText(const std::string& s);
WideString WideUpperCase(const WideString& s);

}  // namespace hd

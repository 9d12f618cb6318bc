#include <QChar>

#include "platform/unicode.h"

namespace hd {

char32_t CharUpper(char32_t c) { return QChar::toUpper(c); }

char32_t CharLower(char32_t c) { return QChar::toLower(c); }

bool IsNumberCharacter(char32_t c) { return QChar::isNumber(c); }

}  // namespace hd

// Case mapping and character classes of the locale, for every character.
#include <QChar>
#include <QString>

#include "platform/qt/qt_native.h"
#include "platform/sysutils.h"

namespace hd {

std::string AnsiUpperCase(const std::string& s) { return FromQString(ToQString(s).toUpper()); }
std::string AnsiLowerCase(const std::string& s) { return FromQString(ToQString(s).toLower()); }
bool IsCharAlpha(char32_t c) { return QChar::isLetter(c); }
bool IsCharAlphaNumeric(char32_t c) { return QChar::isLetterOrNumber(c); }

}  // namespace hd

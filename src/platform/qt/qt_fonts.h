// The font families drawn for the font names the windows use: free files with the advances
// of the fonts the windows were laid out for, and one fallback family for every other name,
// so that text has the same metrics on every machine.
#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "platform/canvas.h"

namespace hd {

// Registers the families with Qt's font database (once); false when the fallback's files are
// missing. A name whose files are missing is drawn with the fallback.
bool RegisterShippedFonts();
QString ShippedFontFamily();
// The family drawn for a font name, and its index (0: the fallback), case ignored.
QString FontFamily(const std::string& name);
int FontFamilyIndex(const std::string& name);
// The QFont for a font at a pixel height: negative for the character height, positive for
// the cell height (ascent + descent), as the platform gives font heights. No antialiasing.
QFont MakeQFont(const TFont& font, int pixelHeight);

}  // namespace hd

// The one shipped font family that serves every font name, so that text has the same
// metrics on every machine.
#pragma once

#include <QFont>
#include <QString>

#include "platform/canvas.h"

namespace hd {

// Registers the family with Qt's font database (once); false when its files are missing.
bool RegisterShippedFonts();
QString ShippedFontFamily();
// The QFont for a font at a pixel height: negative for the character height, positive for
// the cell height (ascent + descent), as the platform gives font heights. No antialiasing.
QFont MakeQFont(const TFont& font, int pixelHeight);

}  // namespace hd

// Fonts on the Qt side, shared by the controls and the canvas so that both measure alike.
// On the offscreen platform (tests) every font name maps to one shipped family, so metrics are
// the same on every machine; HD_FONT_FAMILY names another family to use for all fonts.
#pragma once

#include <QFont>
#include <QString>

#include "platform/canvas.h"

namespace hd {

// The family used for a font name.
QString QtFontFamily(const std::string& name);
// The Qt font of a font: pixel size from the point size at its PixelsPerInch.
QFont ToQFont(const TFont& font);
// The pixel height of a font's size (positive), as the platform rounds it.
int FontPixelHeight(const TFont& font);
// Called once when the Qt application starts.
void SetupFonts();

}  // namespace hd

// JPEG pictures through libjpeg.
#pragma once

#include <string>

#include "platform/bitmap.h"

namespace hd::jpeg {

// The data starts with the JPEG start-of-image marker.
bool IsJpeg(const std::string& bytes);
// A pf24bit bitmap; EInvalidGraphic with libjpeg's message for data it cannot decode, and for
// a picture whose 32-bit pixels would take over 128 MB.
TBitmap Decode(const std::string& bytes);
// Baseline JPEG of the bitmap's colours, quality 1 to 100.
std::string Encode(const TBitmap& bmp, int quality = 90);

}  // namespace hd::jpeg

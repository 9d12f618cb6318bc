// JPEG pictures through libjpeg.
#pragma once

#include <cstdint>
#include <string>

#include "platform/bitmap.h"

namespace hd::jpeg {

// The data starts with the JPEG start-of-image marker.
bool IsJpeg(const std::string& bytes);
// Progressive files of more scans are refused: each scan costs a pass over the whole picture,
// and a small file of empty scans would stall the program for seconds.
constexpr int kMaxScans = 100;

// A pf24bit bitmap; EInvalidGraphic with libjpeg's message for data it cannot decode, for data
// that ends early, for more than kMaxScans scans, and for more than maxPixels pixels (checked
// on the header, before anything is decoded).
TBitmap Decode(const std::string& bytes, std::int64_t maxPixels = kMaxPicturePixels);
// Baseline JPEG of the bitmap's colours, quality 1 to 100.
std::string Encode(const TBitmap& bmp, int quality = 90);

}  // namespace hd::jpeg

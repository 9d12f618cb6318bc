#include "app/dialog_buttons.h"

#include <string>
#include <vector>

#include "app/lb_button.h"
#include "platform/bitmap_resources.h"

namespace hd {

namespace {

constexpr TColor kFaceColor = 0xEDF7F8;
constexpr TColor kWhenDown = 0x0080FF;

const std::vector<std::string> kPingGlyph = {
    "................", "................", ".####......####.", ".#..#......#..#.",
    ".#..#......#..#.", ".####......####.", "..#..........#..", "..############..",
    "................", "......####......", "......#..#......", "......#..#......",
    "......####......", ".......##.......", "................", "................",
};
const std::vector<std::string> kNextGlyph = {
    "................", "........#.......", "........##......", "........###.....",
    "........####....", ".############...", ".#############..", ".##############.",
    ".#############..", ".############...", "........####....", "........###.....",
    "........##......", "........#.......", "................", "................",
};
const std::vector<std::string> kUpdateGlyph = {
    "......####......", "......####......", "......####......", "......####......",
    "......####......", "..############..", "...##########...", "....########....",
    ".....######.....", "......####......", ".......##.......", "................",
    ".##############.", ".##############.", "................", "................",
};

TBitmap FromRows(const std::vector<std::string>& rows, TColor ink) {
  TBitmap b = BitmapFromRows(rows, {{'#', ink}});
  b.SetTransparentColor(clFuchsia);
  return b;
}

// The first, enabled image of a stock two-image strip.
TBitmap FirstOfStrip(const std::string& resource) {
  TBitmap strip = BitmapResource(resource);
  const int side = strip.Height();
  TBitmap b(side, side);
  b.Canvas().CopyRect(Rect(0, 0, side, side), strip.Canvas(), Rect(0, 0, side, side));
  b.SetTransparent(true);
  b.SetTransparentColor(clFuchsia);
  return b;
}

}  // namespace

TBitmap DialogGlyph(TDialogGlyph kind) {
  switch (kind) {
    case TDialogGlyph::OK:
      return FirstOfStrip("LBOK");
    case TDialogGlyph::Cancel:
      return FirstOfStrip("LBCANCEL");
    case TDialogGlyph::Ping:
      return FromRows(kPingGlyph, RGB(0, 90, 170));
    case TDialogGlyph::Next:
      return FromRows(kNextGlyph, RGB(0, 140, 0));
    case TDialogGlyph::Update:
      return FromRows(kUpdateGlyph, RGB(0, 90, 170));
  }
  return {};
}

void StyleDialogButton(TLbButton& button, TColor hotTrackColor, const TBitmap& glyph) {
  button.SetColor(kFaceColor);
  button.SetLightColor(clGray);
  button.SetColorWhenDown(kWhenDown);
  button.SetHotTrackColor(hotTrackColor);
  button.SetUseHotTrackFont(false);
  button.SetStyle(bsEncarta);
  button.SetGlyph(&glyph);
  button.SetNumGlyphs(1);
}

}  // namespace hd

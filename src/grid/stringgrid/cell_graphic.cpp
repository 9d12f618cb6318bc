#include "grid/stringgrid/cell_graphic.h"

#include <algorithm>
#include <cmath>

#include "grid/foundation/lists.h"
#include "platform/bitmap.h"
#include "platform/icon.h"
#include "platform/picture.h"
#include "platform/string_list.h"

namespace hd {

TCellGraphic::~TCellGraphic() {
  if (OwnsBitmap()) FreeSlot(FCellBitmap);
  if (FCellType == ctIcon && FCellCreated) FreeSlot(FCellIcon);
}

bool TCellGraphic::OwnsBitmap() const {
  switch (FCellType) {
    case ctImages:
    case ctBalloon:
      return true;
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
      return FCellCreated;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
      // The balloon texts riding on the box.
      return FCellAngle == 1;
    default:
      return false;
  }
}

void TCellGraphic::FreeSlot(TCellSlot& Slot) {
  std::visit(
      [](auto v) {
        using V = decltype(v);
        if constexpr (std::is_pointer_v<V>) delete v;
      },
      Slot);
  Slot = std::monostate{};
}

void TCellGraphic::Assign(const TPersistent* Source) {
  auto* S = dynamic_cast<const TCellGraphic*>(Source);
  if (!S) {
    TPersistent::Assign(Source);
    return;
  }
  FCellType = S->FCellType;
  FCellHAlign = S->FCellHAlign;
  FCellVAlign = S->FCellVAlign;
  FCellIndex = S->FCellIndex;
  FCellTransparent = S->FCellTransparent;
  FCellValue = S->FCellValue;
  FCellAngle = S->FCellAngle;
  FCellBoolean = S->FCellBoolean;
  FCellErrFrom = S->FCellErrFrom;
  FCellErrLen = S->FCellErrLen;
  FCellText = S->FCellText;
  FCellCreated = S->FCellCreated;
}

TPoint TCellGraphic::GetPictureSize(int cw, int rh, bool /*hastext*/) const {
  int w = 0, h = 0;
  if (FCellType == ctPicture) {
    const TPicture* pic = SlotObject<TPicture>(FCellBitmap);
    if (!pic) return {0, 0};
    w = pic->Width();
    h = pic->Height();
  } else if (FCellType == ctFilePicture) {
    const TFilePicture* pic = SlotObject<TFilePicture>(FCellBitmap);
    if (!pic) return {0, 0};
    w = pic->Width();
    h = pic->Height();
  } else {
    return {0, 0};
  }
  cw -= FCellIndex;
  rh -= FCellIndex;
  auto round = [](double v) { return static_cast<int>(std::nearbyint(v)); };
  double rx = w > 0 ? static_cast<double>(cw) / w : 1.0;
  double ry = h > 0 ? static_cast<double>(rh) / h : 1.0;
  switch (static_cast<TStretchMode>(FCellAngle)) {
    case Stretch:
      return {cw, rh};
    case Shrink:
      return w > cw || h > rh ? TPoint{cw, rh} : TPoint{w, h};
    case StretchWithAspectRatio:
      return rx < ry ? TPoint{cw, round(h * rx)} : TPoint{round(w * ry), rh};
    case ShrinkWithAspectRatio:
      if (w <= cw && h <= rh) return {w, h};
      rx = std::min(rx, 1.0);
      ry = std::min(ry, 1.0);
      return rx < ry ? TPoint{cw, round(h * rx)} : TPoint{round(w * ry), rh};
    default:
      return {w, h};
  }
}

void TCellGraphic::SetAngle(int AAngle) {
  FCellType = ctRotated;
  // The angle is kept as the platform's 16-bit value.
  int a = static_cast<std::int16_t>(AAngle);
  while (a < 0) a += 360;
  while (a > 360) a -= 360;
  FCellAngle = a;
}

}  // namespace hd

#include "grid/stringgrid/cell_graphic.h"

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

void TCellGraphic::SetAngle(int AAngle) {
  FCellType = ctRotated;
  // The angle is kept as the platform's 16-bit value.
  int a = static_cast<std::int16_t>(AAngle);
  while (a < 0) a += 360;
  while (a > 360) a -= 360;
  FCellAngle = a;
}

}  // namespace hd

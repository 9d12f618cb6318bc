// The room a cell's object takes on screen, which the automatic sizing adds to the text.
#include <algorithm>

#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/bitmap.h"
#include "platform/icon.h"
#include "platform/string_list.h"

namespace hd {

namespace {

// An image beside the text counts across, one above or under it counts down; without text
// it counts both ways.
TPoint ImageBesideText(const TCellGraphic& record, bool hasText, int w, int h) {
  bool across = record.CellHAlign() == haBeforeText || record.CellHAlign() == haAfterText || !hasText;
  bool down = record.CellVAlign() == vaUnderText || record.CellVAlign() == vaAboveText || !hasText;
  return {across ? w : 0, down ? h : 0};
}

}  // namespace

TPoint TExtStringGrid::CalcCellGraphicSize(int ACol, int ARow, int /*PaddingY*/) {
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  if (!record) return {0, 0};
  bool hasText = !GetCellEx(ACol, ARow).empty();
  bool noFullWidth = false;
  TPoint size{0, 0};
  TCanvas& canvas = Canvas();
  switch (record->CellType()) {
    case ctBitmap:
      if (const TBitmap* b = TCellGraphic::SlotObject<TBitmap>(record->CellBitmap()))
        size = ImageBesideText(*record, hasText, b->Width(), b->Height());
      break;
    case ctIcon:
      if (const TIcon* icon = TCellGraphic::SlotObject<TIcon>(record->CellIcon())) {
        size = ImageBesideText(*record, hasText, icon->Width(), icon->Height());
        size.Y = icon->Height();
      }
      break;
    case ctButton:
    case ctBitButton: {
      size = {record->CellIndex() & 0xFFFF, (record->CellIndex() >> 16) & 0xFFFF};
      if (hasText) {
        if (record->CellHAlign() == haCenter) size.X = 0;
        if (record->CellHAlign() == haFull) size.X = canvas.TextWidth(record->CellText()) + 4;
        if (record->CellVAlign() == vaUnderText || record->CellVAlign() == vaAboveText)
          size.X = 0;
        else
          size.Y = 0;
      } else if (record->CellHAlign() == haFull) {
        TFont saved = canvas.Font();
        canvas.Font() = Font();
        size.X = canvas.TextWidth(record->CellText()) + 4;
        canvas.Font() = saved;
        noFullWidth = !record->CellText().empty();
      }
      break;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: {
      int s = FP->ControlLook->CheckSize();
      size = {s, s};
      break;
    }
    case ctRadioButton: {
      int s = FP->ControlLook->RadioSize();
      size = {s, s};
      break;
    }
    case ctProgressPie:
      size = {20, 20};
      break;
    case ctRadio:
      if (const TStringList* items = TCellGraphic::SlotObject<TStringList>(record->CellBitmap())) {
        int gh = canvas.TextHeight("gh");
        if (record->CellBoolean()) {
          for (int i = 0; i < items->Count(); ++i) size.X += canvas.TextWidth((*items)[i]) + 12;
          size.Y = gh;
        } else {
          size.X = 12;
          for (int i = 0; i < items->Count(); ++i) size.X = std::max(size.X, canvas.TextWidth((*items)[i]) + 12);
          size.Y = std::max(16, gh) * items->Count();
        }
      }
      break;
    case ctRating:
      size = {record->CellAngle() * 18, 16};
      noFullWidth = true;
      break;
    default:
      break;
  }
  bool fullHeight = record->CellVAlign() == vaFull;
  bool fullWidth = record->CellHAlign() == haFull;
  if (fullHeight || (fullWidth && !noFullWidth)) {
    TRect r = CellRect(RealToDisplCol(ACol), ARow);
    if (fullHeight) size.Y = r.Height();
    if (fullWidth) size.X = r.Width();
  }
  return size;
}

}  // namespace hd

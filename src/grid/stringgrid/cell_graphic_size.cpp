// The room a cell's object takes on screen, which the automatic sizing adds to the text.
#include <algorithm>
#include <cmath>

#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/bitmap.h"
#include "grid/foundation/lists.h"
#include "platform/icon.h"
#include "platform/image_list.h"
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

// The size an application object reports, (0, 0) when it offers no size.
TPoint InterfaceSize(const TCellGraphic& record) {
  auto* cell = TCellGraphic::SlotObject<IInterfacedCell>(record.CellBitmap());
  return cell ? TPoint{cell->GetWidth(), cell->GetHeight()} : TPoint{0, 0};
}

// An image list's images: a list of indexes side by side or stacked.
TPoint ImageStripSize(const TCellGraphic& record, const TImageList& images) {
  const TIntList* list = TCellGraphic::SlotObject<TIntList>(record.CellBitmap());
  int n = list ? list->Count() : 0;
  if (record.CellBoolean()) return {n * images.Width(), images.Height()};
  return {images.Width(), n * images.Height()};
}

}  // namespace

TPoint TExtStringGrid::CalcCellGraphicSize(int ACol, int ARow, int PaddingY) {
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
    case ctImageList:
    case ctDataImage:
      if (const TImageList* images = GetGridImages())
        size = ImageBesideText(*record, hasText, images->Width(), images->Height());
      break;
    case ctImages:
      if (const TImageList* images = GetGridImages()) size = ImageStripSize(*record, *images);
      break;
    case ctPicture:
    case ctFilePicture: {
      TPoint cell = CellSize(RealToDisplCol(ACol), ARow);
      int h = cell.Y - 1 - GetVertXYOffset() - PaddingY;
      int w = cell.X - 1 - GetHorzXYOffset();
      size = record->GetPictureSize(w, h, hasText);
      break;
    }
    case ctInterface: {
      size = InterfaceSize(*record);
      if (size.X == 0 || size.Y == 0) size = CellSize(RealToDisplCol(ACol), ARow);
      break;
    }
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

TPoint TExtStringGrid::CalcPrintCellGraphicSize(int ACol, int ARow, int CW, int CH, double Scale) {
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  if (!record) return {0, 0};
  bool hasText = !GetCellEx(ACol, ARow).empty();
  TCanvas& canvas = Canvas();
  const TImageList* images = GetGridImages();
  switch (record->CellType()) {
    case ctBitmap:
      if (const TBitmap* b = TCellGraphic::SlotObject<TBitmap>(record->CellBitmap())) return {b->Width(), b->Height()};
      return {0, 0};
    case ctIcon:
      if (const TIcon* i = TCellGraphic::SlotObject<TIcon>(record->CellIcon())) return {i->Width(), i->Height()};
      return {0, 0};
    case ctImageList: {
      if (!images) return {0, 0};
      bool across = record->CellHAlign() == haBeforeText || record->CellHAlign() == haAfterText || !hasText;
      return {across ? images->Width() : 0, images->Height()};
    }
    case ctDataImage:
      return images ? TPoint{images->Width(), images->Height()} : TPoint{0, 0};
    case ctImages:
      return images ? ImageStripSize(*record, *images) : TPoint{0, 0};
    case ctPicture:
    case ctFilePicture: {
      TPoint s = record->GetPictureSize(CW, CH, hasText);
      if (Scale == 0) return s;
      return {static_cast<int>(std::nearbyint(s.X / Scale)), static_cast<int>(std::nearbyint(s.Y / Scale))};
    }
    case ctButton:
    case ctBitButton:
      return {record->CellIndex() & 0xFFFF, (record->CellIndex() >> 16) & 0xFFFF};
    case ctInterface: {
      if (!TCellGraphic::SlotObject<IInterfacedCell>(record->CellBitmap())) return {0, 0};
      TPoint s = InterfaceSize(*record);
      TRect r = CellRect(RealToDisplCol(ACol), ARow);
      if (s.X == 0) s.X = r.Width();
      if (s.Y == 0) s.Y = r.Height();
      return s;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: {
      int s = FP->ControlLook->CheckSize();
      return {s, s};
    }
    case ctRadioButton: {
      int s = FP->ControlLook->RadioSize();
      return {s, s};
    }
    case ctProgressPie:
    case ctNode:
      return {20, 20};
    case ctRadio: {
      TPoint size{0, 0};
      const TStringList* items = TCellGraphic::SlotObject<TStringList>(record->CellBitmap());
      if (!items) return size;
      int gh = canvas.TextHeight("gh");
      if (record->CellBoolean()) {
        for (int i = 0; i < items->Count(); ++i) size.X += canvas.TextWidth((*items)[i]) + 12;
        size.Y = gh;
      } else {
        size.X = 12;
        for (int i = 0; i < items->Count(); ++i) size.X = std::max(size.X, canvas.TextWidth((*items)[i]) + 12);
        size.Y = gh * items->Count();
      }
      return size;
    }
    case ctProgress:
    case ctXPProgress:
      return {ColWidths(RealToDisplCol(ACol)), RowHeights(ARow)};
    case ctShape: {
      int h = RowHeights(ARow) - 2 * FP->Text.FXYOffset.Y;
      return {h, h};
    }
    default:
      return {0, 0};
  }
}

TRect TExtStringGrid::GetExpandRect(int ACol, int ARow) {
  if (!HasCellGraphicType(ACol, ARow, {ctExpand})) return {};
  TRect R = CellRect(ACol, ARow);
  return Rect(R.Right - 13, R.Top + 2, R.Right - 2, R.Top + 13);
}

}  // namespace hd

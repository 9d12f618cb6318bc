// Cell objects of every kind: adding them, asking for them, changing and removing them, and the
// cell-store hooks that go with them (the displayed text, node indents).
#include <cstdint>

#include "grid/foundation/lists.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/bitmap.h"
#include "platform/icon.h"
#include "platform/image_list.h"
#include "platform/picture.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr TColor kNoShapeColor = static_cast<TColor>(0x1FFFFFFF);

std::intptr_t ColorSlot(TColor c) { return static_cast<std::intptr_t>(c); }

}  // namespace

// --- Pictures of every source.

void TExtStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                               TCellVAlign val) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctBitmap);
  r->SetCellBitmap(ABmp);
  r->SetCellTransparent(Transparent);
  r->SetCellHAlign(hal);
  r->SetCellVAlign(val);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

TBitmap* TExtStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0) return nullptr;
  auto* bmp = new TBitmap;
  AddBitmap(ACol, ARow, bmp, Transparent, hal, val);
  GetCellGraphic(ACol, ARow)->SetCellCreated(true);
  return bmp;
}

void TExtStringGrid::RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }

bool TExtStringGrid::HasBitmap(int ACol, int ARow) { return GetCellType(ACol, ARow) == ctBitmap; }

TBitmap* TExtStringGrid::GetBitmap(int ACol, int ARow) {
  if (!HasBitmap(ACol, ARow)) return nullptr;
  return TCellGraphic::SlotObject<TBitmap>(GetCellGraphic(ACol, ARow)->CellBitmap());
}

void TExtStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                                int Padding, TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctPicture);
  r->SetCellBitmap(APicture);
  r->SetCellTransparent(Transparent);
  r->SetCellAngle(static_cast<int>(StretchMode));
  r->SetCellIndex(Padding);
  r->SetCellHAlign(hal);
  r->SetCellVAlign(val);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

TPicture* TExtStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                        TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0) return nullptr;
  auto* pic = new TPicture;
  AddPicture(ACol, ARow, pic, Transparent, StretchMode, Padding, hal, val);
  GetCellGraphic(ACol, ARow)->SetCellCreated(true);
  return pic;
}

void TExtStringGrid::RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }

bool TExtStringGrid::HasPicture(int ACol, int ARow) { return GetCellType(ACol, ARow) == ctPicture; }

TPicture* TExtStringGrid::GetPicture(int ACol, int ARow) {
  if (!HasPicture(ACol, ARow)) return nullptr;
  return TCellGraphic::SlotObject<TPicture>(GetCellGraphic(ACol, ARow)->CellBitmap());
}

void TExtStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                    TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctFilePicture);
  r->SetCellBitmap(static_cast<TObject*>(AFilePicture));
  r->SetCellTransparent(Transparent);
  r->SetCellAngle(static_cast<int>(StretchMode));
  r->SetCellIndex(Padding);
  r->SetCellHAlign(hal);
  r->SetCellVAlign(val);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

TFilePicture* TExtStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                                int Padding, TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0) return nullptr;
  auto* pic = new TFilePicture;
  AddFilePicture(ACol, ARow, pic, Transparent, StretchMode, Padding, hal, val);
  GetCellGraphic(ACol, ARow)->SetCellCreated(true);
  return pic;
}

void TExtStringGrid::RemoveFilePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }

TFilePicture* TExtStringGrid::GetFilePicture(int ACol, int ARow) {
  if (GetCellType(ACol, ARow) != ctFilePicture) return nullptr;
  return TCellGraphic::SlotObject<TFilePicture>(GetCellGraphic(ACol, ARow)->CellBitmap());
}

void TExtStringGrid::AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctIcon);
  r->SetCellIcon(AIcon);
  r->SetCellHAlign(hal);
  r->SetCellVAlign(val);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

TIcon* TExtStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0) return nullptr;
  auto* icon = new TIcon;
  AddIcon(ACol, ARow, icon, hal, val);
  GetCellGraphic(ACol, ARow)->SetCellCreated(true);
  return icon;
}

void TExtStringGrid::RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }

// --- Image-list images.

void TExtStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0 || !GetGridImages()) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctImageList);
  r->SetCellIndex(Aidx);
  r->SetCellHAlign(hal);
  r->SetCellVAlign(val);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::RemoveImageIdx(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImageList); }

bool TExtStringGrid::GetImageIdx(int ACol, int ARow, int& Idx) {
  if (!GetGridImages() || GetCellType(ACol, ARow) != ctImageList) return false;
  Idx = GetCellGraphic(ACol, ARow)->CellIndex();
  return true;
}

void TExtStringGrid::SetImageIdx(int ACol, int ARow, int Idx) {
  if (!GetGridImages() || GetCellType(ACol, ARow) != ctImageList) return;
  GetCellGraphic(ACol, ARow)->SetCellIndex(Idx);
}

void TExtStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0 || !GetGridImages()) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctDataImage);
  r->SetCellIndex(Aidx);
  r->SetCellHAlign(hal);
  r->SetCellVAlign(val);
  if (Cells(ACol, ARow).empty()) SetInts(ACol, ARow, Aidx);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::RemoveDataImage(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctDataImage);
  SetCells(ACol, ARow, "");
}

bool TExtStringGrid::HasDataImage(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctDataImage}); }

void TExtStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0 || !GetGridImages()) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctImages);
  auto* list = new TIntList(ACol, ARow);
  // A changed list repaints its cell wherever the cell is shown now.
  list->OnChange = [this](TObject*, int c, int row) { RepaintCell(RealToDisplCol(c), row); };
  r->SetCellBitmap(static_cast<TObject*>(list));
  r->SetCellBoolean(Dir == 0);
  r->SetCellHAlign(hal);
  r->SetCellVAlign(val);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::RemoveMultiImage(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImages); }

TIntList* TExtStringGrid::GetCellImages(int ACol, int ARow) {
  if (GetCellType(ACol, ARow) != ctImages) return nullptr;
  return TCellGraphic::SlotObject<TIntList>(GetCellGraphic(ACol, ARow)->CellBitmap());
}

TImageList* TExtStringGrid::GetGridImages() { return FP->Colors.FGridImages; }
TImageList* TExtStringGrid::GridImages() const { return FP->Colors.FGridImages; }
void TExtStringGrid::SetGridImages(TImageList* Value) { FP->Colors.FGridImages = Value; }

std::intptr_t TExtStringGrid::GetCellImageKey(int ACol, int ARow) {
  TCellGraphic* r = GetCellGraphic(ACol, ARow);
  if (!r) return -1;
  switch (r->CellType()) {
    case ctBitmap: return reinterpret_cast<std::intptr_t>(TCellGraphic::SlotObject<TBitmap>(r->CellBitmap()));
    case ctIcon: return reinterpret_cast<std::intptr_t>(TCellGraphic::SlotObject<TIcon>(r->CellIcon()));
    case ctImageList: return r->CellIndex();
    default: return -1;
  }
}

// --- Progress bars, pies and range indicators.

void TExtStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                          TColor BKTextColor, const std::string& Fmt, int Min, int Max) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctProgress);
  r->SetCellHAlign(haLeft);
  r->SetCellVAlign(vaTop);
  r->SetCellBitmap(ColorSlot(FGColor));
  r->SetCellIcon(ColorSlot(BKColor));
  r->SetCellIndex(static_cast<int>(FGTextColor));
  r->SetCellAngle(static_cast<int>(BKTextColor));
  r->SetCellBoolean(true);
  r->SetCellText(Fmt);
  r->SetCellErrFrom(Min);
  r->SetCellErrLen(Max);
  if (FP->Text.FAutoNumAlign) SetAlignments(ACol, ARow, taRightJustify);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor) {
  AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, "", 0, 100);
}

void TExtStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor) {
  AddProgressFormatted(ACol, ARow, FGColor, clNone, BKColor, clNone, "", 0, 100);
  if (TCellGraphic* r = GetCellGraphic(ACol, ARow); r && r->CellType() == ctProgress) {
    r->SetCellBoolean(false);
    r->SetCellIndex(0);
    r->SetCellAngle(0);
  }
}

void TExtStringGrid::RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }

bool TExtStringGrid::HasProgress(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctProgress}); }

void TExtStringGrid::AddExtProgress(int ACol, int ARow, int Min, int Max) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctXPProgress);
  r->SetCellHAlign(haLeft);
  r->SetCellVAlign(vaTop);
  r->SetCellErrFrom(Min);
  r->SetCellErrLen(Max);
  r->SetCellBoolean(false);
  r->SetCellText("");
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::RemoveExtProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }

void TExtStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctProgressPie);
  r->SetCellBitmap(ColorSlot(Color));
  r->SetCellAngle(Value);
  r->SetCellHAlign(haBeforeText);
  r->SetCellVAlign(vaTop);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::SetProgressPie(int ACol, int ARow, int Value) {
  TCellGraphic* r = GetCellGraphic(ACol, ARow);
  if (!r || r->CellType() != ctProgressPie) return;
  r->SetCellAngle(Value);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::RemoveProgressPie(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }

void TExtStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                       bool ShowValue) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctRangeIndicator);
  r->SetCellBitmap(ColorSlot(NegColor));
  r->SetCellIcon(ColorSlot(PosColor));
  r->SetCellIndex(Range);
  r->SetCellBoolean(ShowValue);
  r->SetCellHAlign(haLeft);
  r->SetCellVAlign(vaTop);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::RemoveRangeIndicator(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
}

// --- Comments.

void TExtStringGrid::AddColorComment(int ACol, int ARow, const std::string& Comment, TColor Color) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctComment);
  r->SetCellHAlign(haLeft);
  r->SetCellVAlign(vaTop);
  r->SetCellText(Comment);
  r->SetCellIndex(static_cast<int>(Color));
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::AddComment(int ACol, int ARow, const std::string& Comment) {
  AddColorComment(ACol, ARow, Comment, FP->ControlLook->CommentColor());
}

void TExtStringGrid::RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctComment); }

bool TExtStringGrid::IsComment(int ACol, int ARow, std::string& Comment) {
  TCellGraphic* r = GetCellGraphic(ACol, ARow);
  if (!r || r->CellType() != ctComment) return false;
  Comment = r->CellText();
  return true;
}

std::string TExtStringGrid::GetComment(int ACol, int ARow) {
  std::string comment;
  IsComment(ACol, ARow, comment);
  return comment;
}

void TExtStringGrid::SetComment(int ACol, int ARow, const std::string& Value) {
  TCellGraphic* r = GetCellGraphic(ACol, ARow);
  if (!r)
    AddComment(ACol, ARow, Value);
  else if (r->CellType() == ctComment)
    r->SetCellText(Value);
}

void TExtStringGrid::RemoveAllComments() {
  std::string comment;
  for (int c = 0; c < ColCount(); ++c)
    for (int r = 0; r < RowCount(); ++r)
      if (IsComment(c, r, comment)) RemoveComment(c, r);
}

// --- Shapes, ratings and scroll bars.

void TExtStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                              TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctShape);
  r->SetCellAngle(static_cast<int>(Shape));
  r->SetCellIndex(static_cast<int>(FillColor));
  r->SetCellBitmap(ColorSlot(LineColor));
  r->SetCellHAlign(hal);
  r->SetCellVAlign(val);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctShape); }

void TExtStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor) {
  if (GetCellType(ACol, ARow) == ctShape) GetCellGraphic(ACol, ARow)->SetCellIndex(static_cast<int>(FillColor));
}

TColor TExtStringGrid::GetShapeColor(int ACol, int ARow) {
  if (GetCellType(ACol, ARow) != ctShape) return kNoShapeColor;
  return static_cast<TColor>(GetCellGraphic(ACol, ARow)->CellIndex());
}

void TExtStringGrid::RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRating); }

void TExtStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctScrollbar);
  r->SetCellIndex(0);
  r->SetCellAngle(0);
  r->SetCellErrFrom(100);
  r->SetCellBoolean(AutoRange);
  if (AutoRange) CellTextChanged(ACol, ARow);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::RemoveScrollBar(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }

bool TExtStringGrid::HasScrollBar(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctScrollbar}); }

bool TExtStringGrid::HasAutoRangeScrollBar(int ACol, int ARow) {
  if (!HasScrollBar(ACol, ARow)) return false;
  TPoint b = BaseCell(ACol, ARow);
  return GetCellGraphic(b.X, b.Y)->CellBoolean();
}

void TExtStringGrid::SetScrollPosition(int ACol, int ARow, int Pos) {
  if (!HasScrollBar(ACol, ARow)) return;
  TPoint b = BaseCell(ACol, ARow);
  GetCellGraphic(b.X, b.Y)->SetCellIndex(Pos);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

int TExtStringGrid::GetScrollPosition(int ACol, int ARow) {
  if (!HasScrollBar(ACol, ARow)) return -1;
  TPoint b = BaseCell(ACol, ARow);
  return GetCellGraphic(b.X, b.Y)->CellIndex();
}

void TExtStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop) {
  if (!HasScrollBar(ACol, ARow)) return;
  TPoint b = BaseCell(ACol, ARow);
  TCellGraphic* r = GetCellGraphic(b.X, b.Y);
  r->SetCellAngle(Prop.PageSize);
  r->SetCellErrFrom(Prop.Range);
}

TScrollProp TExtStringGrid::GetScrollProp(int ACol, int ARow) {
  if (!HasScrollBar(ACol, ARow)) return {-1, -1};
  TPoint b = BaseCell(ACol, ARow);
  TCellGraphic* r = GetCellGraphic(b.X, b.Y);
  return {r->CellAngle(), r->CellErrFrom()};
}

// --- Buttons.

void TExtStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TBitmap* Glyph,
                                  TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0) return;
  AddButton(ACol, ARow, bw, bh, Caption, hal, val);
  TCellGraphic* r = GetCellGraphic(ACol, ARow);
  r->SetCellType(ctBitButton);
  r->SetCellBitmap(Glyph);
}

TBitmap* TExtStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const std::string& Caption,
                                         TCellHAlign hal, TCellVAlign val) {
  if (ACol < 0 || ARow < 0) return nullptr;
  auto* glyph = new TBitmap;
  AddBitButton(ACol, ARow, bw, bh, Caption, glyph, hal, val);
  GetCellGraphic(ACol, ARow)->SetCellCreated(true);
  return glyph;
}

void TExtStringGrid::RemoveBitButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }

void TExtStringGrid::RemoveButton(int ACol, int ARow) {
  RemoveCellGraphicOfType(ACol, ARow, ctButton);
  RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TExtStringGrid::RemoveAllButtons() {
  for (int c = 0; c < ColCount(); ++c)
    for (int r = 0; r < RowCount(); ++r)
      if (HasButton(c, r)) RemoveButton(c, r);
}

void TExtStringGrid::SetButtonText(int ACol, int ARow, const std::string& Caption) {
  TCellGraphic* r = GetCellGraphic(RealColIndex(ACol), ARow);
  if (!r) return;
  r->SetCellText(Caption);
  RepaintCell(ACol, ARow);
}

std::string TExtStringGrid::GetButtonText(int ACol, int ARow) {
  TCellGraphic* r = GetCellGraphic(RealColIndex(ACol), ARow);
  return r ? r->CellText() : std::string();
}

// --- Application objects.

void TExtStringGrid::AddInterfacedCell(int ACol, int ARow, TObject* AObject) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = CreateCellGraphic(ACol, ARow);
  r->SetCellType(ctInterface);
  r->SetCellBitmap(AObject);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::RemoveInterfacedCell(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctInterface); }

TObject* TExtStringGrid::GetInterfacedCell(int ACol, int ARow) {
  if (GetCellType(ACol, ARow) != ctInterface) return nullptr;
  return TCellGraphic::SlotObject<TObject>(GetCellGraphic(ACol, ARow)->CellBitmap());
}

// --- Error markers.

void TExtStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* r = GetCellGraphic(ACol, ARow);
  if (!r) {
    r = CreateCellGraphic(ACol, ARow);
    r->SetCellType(ctEmpty);
  }
  r->SetCellErrFrom(ErrPos);
  r->SetCellErrLen(ErrLen);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

void TExtStringGrid::RemoveMarker(int ACol, int ARow) {
  TCellGraphic* r = GetCellGraphic(ACol, ARow);
  if (!r) return;
  if (r->CellType() == ctEmpty) {
    RemoveCellGraphic(ACol, ARow);
    return;
  }
  r->SetCellErrFrom(0);
  r->SetCellErrLen(0);
}

void TExtStringGrid::RemoveAllMarkers() {
  for (int c = 0; c < ColCount(); ++c)
    for (int r = 0; r < RowCount(); ++r) RemoveMarker(c, r);
}

void TExtStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) {
  TCellGraphic* r = GetCellGraphic(ACol, ARow);
  ErrPos = r ? r->CellErrFrom() : 0;
  ErrLen = r ? r->CellErrLen() : 0;
}

// --- Events of the picker drop-downs.

void TExtStringGrid::DoColorSelect(TColor Color, const std::string& Value) {
  if (OnColorSelect) OnColorSelect(this, Col(), Row(), Color, Value);
}

void TExtStringGrid::DoImageSelect(int Index) {
  if (OnImageSelect) OnImageSelect(this, Col(), Row(), Index);
}

// --- Cell-store hooks.

bool TExtStringGrid::URLShowInText() const { return FP->Text.FURLShowInText; }

void TExtStringGrid::SetURLShowInText(bool Value) {
  if (FP->Text.FURLShowInText == Value) return;
  FP->Text.FURLShowInText = Value;
  Invalidate();
}

int TExtStringGrid::NumNodes() const { return FP->NumNodes; }
void TExtStringGrid::SetNumNodes(int Value) { FP->NumNodes = Value; }
bool TExtStringGrid::HasNodes() const { return FP->NumNodes > 0; }

int TExtStringGrid::GetRowIndent(int ARow) const {
  if (!HasNodes() || ARow < 0) return 0;
  const TCellProperties* props = FindCellProperties(0, ARow);
  return props ? props->NodeLevel() * FP->CellNode->NodeIndent() : 0;
}

void TExtStringGrid::GetDisplText(int ACol, int ARow, std::string& Value) const {
  TBaseGrid::GetDisplText(ACol, ARow, Value);
  if (FP->Text.FURLShowInText) {
    static const char* const kPrefixes[] = {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://"};
    for (const char* prefix : kPrefixes) {
      std::string linked;
      if (HyperlinkText(Value, prefix, linked)) {
        Value = linked;
        break;
      }
    }
  }
  const TGrouping& grouping = *FP->Grouping;
  if (!grouping.ShowGroupCount() || ACol != 1 || ARow < 0 || ARow >= RowCount()) return;
  // A header row's own rows: its span less the header and its sub-group headers.
  auto* node = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(0, ARow));
  if (!node || node->CellType() != ctNode) return;
  int n = node->CellIndex() - 1 - node->CellErrFrom();
  Value += grouping.GroupCountFormat().empty() ? " (" + IntToStr(n) + ")" : Format(grouping.GroupCountFormat(), {n});
}

}  // namespace hd

// The remembered column order and the lookups built on it, radio groups the grid owns,
// balloons on cells, the re-merging of merged columns, and the selection's picture on a form
// of its own.
#include <algorithm>

#include "grid/foundation/lists.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/no_active_form.h"
#include "platform/ext_ctrls.h"
#include "platform/string_list.h"

namespace hd {

namespace {

constexpr TCellTypes kBalloonCarriers{ctCheckBox, ctDataCheckBox, ctRadioButton};

}  // namespace

// --- Column order.

void TExtStringGrid::ResetColumnOrder() {
  UnHideColumnsAll();
  TIntList& order = *FP->ColumnOrder;
  if (order.Count() == 0) {
    SetColumnOrder();
    return;
  }
  // Each move brings a column back to its recorded place; the list follows the moves, so
  // passes end once every entry stands at its own index.
  bool moved = true;
  while (moved) {
    moved = false;
    for (int i = 0; i < std::min(order.Count(), ColCount()); ++i) {
      int e = order.Items(i);
      if (e < i && e >= 0) {
        MoveColumn(i, e);
        moved = true;
      }
    }
  }
}

int TExtStringGrid::ColumnPosition(int ACol) {
  const TIntList& order = *FP->ColumnOrder;
  if (order.Count() == 0) return ACol;
  int limit = std::min(order.Count(), ColCount() + FP->NumHidden);
  int pos = ACol;
  for (int i = 0; i < limit; ++i)
    if (order.Items(i) == ACol) {
      pos = i;
      break;
    }
  if (FP->Layout.FGroupColumn != -1 && ACol >= FP->Layout.FGroupColumn) --pos;
  return pos;
}

int TExtStringGrid::ColumnAtPosition(int ACol) {
  TIntList& order = *FP->ColumnOrder;
  if (order.Count() == 0) SetColumnOrder();
  if (order.Count() == 0 || ACol < 0 || ACol >= order.Count()) return ACol;
  int e = order.Items(ACol);
  if (FP->Layout.FGroupColumn != -1 && e >= FP->Layout.FGroupColumn) ++e;
  return e;
}

int TExtStringGrid::ColumnByHeader(const std::string& AValue) {
  for (int c = 0; c < TotalColCount(); ++c)
    if (AllCells(c, 0) == AValue) return c;
  return -1;
}

std::string TExtStringGrid::OriginalCells(int ACol, int ARow) {
  int c = ColumnPosition(ACol);
  return Cells(c < 0 ? ACol : c, ARow);
}

void TExtStringGrid::SetOriginalCells(int ACol, int ARow, const std::string& Value) {
  int c = ColumnPosition(ACol);
  SetCells(c < 0 ? ACol : c, ARow, Value);
}

// --- Radio groups the grid owns.

TStringList* TExtStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio) {
  if (ACol < 0 || ARow < 0) return nullptr;
  auto* items = new TStringList;
  AddRadio(ACol, ARow, DirRadio, IdxRadio, items);
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  record->SetCellCreated(true);
  record->SetCellAngle(0);
  return items;
}

void TExtStringGrid::RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }

// --- Balloons.

void TExtStringGrid::AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text,
                                TBalloonIcon Icon) {
  if (ACol < 0 || ARow < 0) return;
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  if (record) {
    if (!kBalloonCarriers.Contains(record->CellType())) return;
    // A balloon already on the box gives way to the new one.
    if (record->CellAngle() == 1) delete TCellGraphic::SlotObject<TStringList>(record->CellBitmap());
    record->SetCellAngle(1);
  } else {
    record = CreateCellGraphic(ACol, ARow);
    record->SetCellType(ctBalloon);
    record->SetCellAngle(0);
  }
  auto* texts = new TStringList;
  texts->Add(Title);
  texts->Add(Text);
  record->SetCellIndex(static_cast<int>(Icon));
  record->SetCellBitmap(texts);
}

void TExtStringGrid::RemoveBalloon(int ACol, int ARow) {
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  if (!record) return;
  if (kBalloonCarriers.Contains(record->CellType())) {
    if (record->CellAngle() != 1) return;
    record->SetCellAngle(0);
    delete TCellGraphic::SlotObject<TStringList>(record->CellBitmap());
    record->SetCellBitmap({});
    return;
  }
  RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TExtStringGrid::HasBalloon(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctBalloon}); }

bool TExtStringGrid::IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon) {
  TCellGraphic* record = GetCellGraphic(ACol, ARow);
  if (!record) return false;
  bool riding = kBalloonCarriers.Contains(record->CellType()) && record->CellAngle() == 1;
  if (record->CellType() != ctBalloon && !riding) return false;
  const TStringList* texts = TCellGraphic::SlotObject<TStringList>(record->CellBitmap());
  if (!texts) return false;
  Title = texts->Count() > 0 ? texts->Strings(0) : std::string();
  Text = texts->Count() > 1 ? texts->Strings(1) : std::string();
  Icon = static_cast<TBalloonIcon>(record->CellIndex());
  return true;
}

// --- Merged columns.

void TExtStringGrid::SplitAllColumns() {
  for (int c = 0; c < ColCount(); ++c) SplitColumnCells(c);
}

void TExtStringGrid::RemergeColumns() {
  const TIntList& columns = *FP->MergedColumns;
  for (int i = 0; i < columns.Count(); ++i) MergeColumnCells(columns.Items(i), i == 0);
}

}  // namespace hd

namespace hd {

// --- The selection as a picture on its own form.

TNoActiveForm* TExtStringGrid::SelectionToForm(const TGridRect& ARect) {
  TBitmap picture(Width(), Height());
  PaintTo(picture.Canvas());
  TRect first = UnclippedCellRect(ARect.Left, ARect.Top);
  TRect second = UnclippedCellRect(ARect.Right, ARect.Bottom);
  // The first rectangle becomes the upper-left one, whichever corners ARect names.
  if (second.Left < first.Left) std::swap(first, second);
  if (second.Top < first.Top) {
    std::swap(first.Top, second.Top);
    std::swap(first.Bottom, second.Bottom);
  }
  const int W = std::max(1, second.Right - first.Left + 1), H = std::max(1, second.Bottom - first.Top + 1);
  TBitmap part(W, H);
  TCanvas& canvas = part.Canvas();
  canvas.CopyRect(Rect(0, 0, W, H), picture.Canvas(),
                  Rect(first.Left + 1, first.Top + 1, second.Right + 2, second.Bottom + 2));
  // The fixed lines the copy starts inside of are drawn again along its edges.
  canvas.Pen().Color = GridFixedLineColor();
  if (ARect.Left == 0 && FixedCols() > 0 && Options().Contains(goFixedHorzLine)) {
    canvas.MoveTo(0, 0);
    canvas.LineTo(0, H);
  }
  if (ARect.Top == 0 && FixedRows() > 0 && Options().Contains(goFixedVertLine)) {
    canvas.MoveTo(0, 0);
    canvas.LineTo(W, 0);
  }
  auto* form = new TNoActiveForm(this);
  form->SetBorderStyle(bsNone);
  form->SetBounds(form->Left(), form->Top(), W, H);
  form->SetFormStyle(fsStayOnTop);
  auto* image = new TImage(form);
  image->SetParent(form);
  image->SetAlign(alClient);
  image->Picture().Assign(part);
  form->SetAlphaBlend(true);
  form->SetAlphaBlendValue(192);
  return form;
}

}  // namespace hd

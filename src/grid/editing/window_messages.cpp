// The window messages the grid takes before the platform grid sees them: a new size keeps the
// columns in proportion or stretches one and shows the scroll bars the columns and rows need;
// a scrolled view closes a special editor, keeps a selection rectangle whole and moves what
// follows the cells.
#include "grid/editing/edit_session.h"
#include "grid/editing/grid_pointer.h"
#include "grid/editing/inplace_text_edit.h"
#include <cmath>

#include "grid/stringgrid/column_size.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/scroll_bars.h"
#include "grid/stringgrid/scroll_control.h"

namespace hd {

void TExtStringGrid::WMSize(TMessage& message) {
  TExtStringGridPrivate& p = *FP;
  if (!p.ColumnSize || !p.OrigColSizes) {
    StandardHandling(message);
    return;
  }
  const TColumnSize& sizes = *p.ColumnSize;
  // The columns keep the proportions they had to the grid's first width.
  if (sizes.SynchWithGrid() && p.OldSize > 0) {
    HideInplaceEdit();
    const double factor = (Width() + (BorderStyle() == bsSingle ? 2 : 0)) / static_cast<double>(p.OldSize);
    const TIntList& orig = *p.OrigColSizes;
    const int from = sizes.SynchNormalCellsOnly() ? FixedCols() : 0;
    const int to = sizes.SynchNormalCellsOnly() ? ColCount() - p.Layout.FFixedRightCols : ColCount();
    for (int c = from; c < to && c < orig.Count(); ++c)
      if (orig.Items(c) >= 0) SetColWidths(c, static_cast<int>(std::lround(orig.Items(c) * factor)));
  }
  const TScrollBarAlways always = p.Scrolling.FScrollBarAlways;
  bool stretched = false;
  if (sizes.Stretch() && (always == saNone || always == saVert) && ColCount() > 0) {
    const int col = sizes.StretchColumn() == -1 ? ColCount() - 1 : sizes.StretchColumn();
    int others = 0;
    for (int c = 0; c < ColCount(); ++c)
      if (c != col) others += ColWidths(c);
    stretched = col >= 0 && col < ColCount() && others < ClientWidth();
    StretchColumn(sizes.StretchColumn());
  }
  if (always == saNone && HandleAllocated()) {
    const bool horz = ScrollBars() == ssHorizontal || ScrollBars() == ssBoth;
    const bool vert = ScrollBars() == ssVertical || ScrollBars() == ssBoth;
    int total = 0;
    for (int c = 0; c < ColCount(); ++c) total += ColWidths(c);
    if (horz) ShowScrollBar(Handle(), SB_HORZ, ClientWidth() < total);
    if (vert) ShowScrollBar(Handle(), SB_VERT, VisibleRowCount() < RowCount() - FixedRows());
  }
  // The platform's sizing always runs after these: it measures the scroll range and places
  // the editor.
  StandardHandling(message);
  if (stretched && always == saNone) {
    if (OnGridResize) OnGridResize(this);
    return;
  }
  if (p.Scrolling.FScrollProportional && !IsDesigning()) {
    UpdateVertScrollProportional();
    UpdateHorzScrollProportional();
  }
  if (!stretched && !p.StretchInProgress && p.ScrollLooks.FlatInitialised) UpdateFlatScrollBars();
}

void TExtStringGrid::ShowEditor() {
  TBaseGrid::ShowEditor();
  if (FP->FocusHelper->Enabled() && EditorMode() && NormalEdit() && NormalEdit()->Visible())
    ShowFocusWindow(CellRect(Col(), Row()));
}

void TExtStringGrid::HideEditor() {
  TBaseGrid::HideEditor();
  HideFocusWindow();
}

void TExtStringGrid::TopLeftChanged() {
  TExtStringGridPrivate& p = *FP;
  TBaseGrid::TopLeftChanged();
  const TGridRect sel = Selection();
  if (p.Colors.FSelectionRectangle && sel.Bottom > sel.Top) InvalidateGrid();
  if (p.Session->EditMode && p.Session->EditControl != edNormal) HideInplaceEdit();
  if (p.ScrollLooks.Vert) p.ScrollLooks.Vert->Invalidate();
  if (p.ScrollLooks.Horz) p.ScrollLooks.Horz->Invalidate();
  UpdateFooter();
  CellControlsUpdate(false);
  MoveFocusWindow();
  p.OldLeftCol = LeftCol();
  p.OldTopRow = TopRow();
  if (IsDesigning()) InvalidateGrid();
  if (auto* other = dynamic_cast<TExtStringGrid*>(p.SyncGrid->Grid())) {
    if (p.SyncGrid->ScrollVertical() && other->TopRow() != TopRow()) other->SetTopRow(TopRow());
    if (p.SyncGrid->ScrollHorizontal() && other->LeftCol() != LeftCol()) other->SetLeftCol(LeftCol());
  }
}

}  // namespace hd

namespace hd {

// --- The settings of the pointer, the wheel and the hints.
bool TExtStringGrid::URLUnderlineOnHover() const { return FP->Pointer->URLUnderlineOnHover; }
void TExtStringGrid::SetURLUnderlineOnHover(bool Value) { FP->Pointer->URLUnderlineOnHover = Value; }
bool TExtStringGrid::HintShowCells() const { return FP->Pointer->HintShowCells; }
void TExtStringGrid::SetHintShowCells(bool Value) { FP->Pointer->HintShowCells = Value; }
bool TExtStringGrid::HintShowLargeText() const { return FP->Pointer->HintShowLargeText; }
void TExtStringGrid::SetHintShowLargeText(bool Value) { FP->Pointer->HintShowLargeText = Value; }
bool TExtStringGrid::HintShowSizing() const { return FP->Pointer->HintShowSizing; }
void TExtStringGrid::SetHintShowSizing(bool Value) { FP->Pointer->HintShowSizing = Value; }
bool TExtStringGrid::HTMLHint() const { return FP->Pointer->HTMLHint; }
void TExtStringGrid::SetHTMLHint(bool Value) { FP->Pointer->HTMLHint = Value; }
bool TExtStringGrid::EnableBlink() const { return FP->Pointer->EnableBlink; }
void TExtStringGrid::SetEnableBlink(bool Value) { FP->Pointer->EnableBlink = Value; }
bool TExtStringGrid::Hovering() const { return FP->Pointer->Hovering; }
void TExtStringGrid::SetHovering(bool Value) { FP->Pointer->Hovering = Value; }
bool TExtStringGrid::DoubleBuffered() const { return FP->Pointer->DoubleBuffered; }
void TExtStringGrid::SetDoubleBuffered(bool Value) { FP->Pointer->DoubleBuffered = Value; }
TIntelliPan TExtStringGrid::IntelliPan() const { return FP->Pointer->IntelliPan; }
void TExtStringGrid::SetIntelliPan(TIntelliPan Value) { FP->Pointer->IntelliPan = Value; }

}  // namespace hd

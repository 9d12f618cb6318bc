// The window messages the grid takes before the platform grid sees them: a scrolled view closes
// a special editor, keeps a selection rectangle whole and moves what follows the cells.
#include "grid/editing/edit_session.h"
#include "grid/editing/grid_pointer.h"
#include "grid/editing/inplace_text_edit.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/scroll_control.h"

namespace hd {

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

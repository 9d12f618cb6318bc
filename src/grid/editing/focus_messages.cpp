// The messages around the focus and the pointer that must not disturb an edit: the grid gaining
// and losing the focus (AlwaysEdit reopens the editor), entering and leaving it, its click, the
// cursor of the pointer's state, the cell hint, the search footer's accelerators and the
// component notifications.
#include "grid/editing/edit_session.h"
#include "grid/editing/grid_cursors.h"
#include "grid/editing/grid_pointer.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/editing/inplace_text_edit.h"
#include "platform/application.h"
#include "platform/forms.h"

namespace hd {

void TExtStringGrid::WMSetFocus(TMessage& message) {
  TExtStringGridPrivate& p = *FP;
  // The grid moved the focus itself: nothing of the focus handling runs.
  if (p.Pointer->InvokedFocusChange) return;
  StandardHandling(message);
  const int RC = RealColIndex(Col());
  if (HasCheckBox(RC, Row())) return;
  TGridEditSession& s = *p.Session;
  const bool visible = Col() >= LeftCol() && Col() < LeftCol() + VisibleColCount() && Row() >= TopRow() &&
                       Row() < TopRow() + VisibleRowCount();
  const bool moving = FGridState == gsColMoving || FGridState == gsRowMoving;
  if (p.Navigation->AlwaysEdit() && !moving && visible) {
    bool canEdit = true;
    CanEditCell(RC, Row(), canEdit);
    if (TExtInplaceEdit* edit = NormalEdit()) {
      if (static_cast<HWND>(message.WParam) != edit->Handle() && s.EditControl == edNormal && canEdit) {
        ShowInplaceEdit();
        message.Result = 0;
        return;
      }
    } else if (canEdit) {
      TEditorType kind = edNormal;
      QueryCellEditor(RC, Row(), kind);
      const bool combo = !p.MouseActions->DirectEdit() && !p.ControlLook->DropDownAlwaysVisible() &&
                         HasComboBox(RC, Row());
      if (combo || kind == edNormal) ShowInplaceEdit();
    }
  }
  if (IsMergedCell(Col(), Row())) {
    const TPoint span = CellSpan(Col(), Row());
    RepaintRect(Rect(Col(), Row(), Col() + span.X, Row() + span.Y));
  }
}

void TExtStringGrid::WMKillFocus(TMessage& message) {
  TExtStringGridPrivate& p = *FP;
  // A read-back that moves the focus is not a loss of the focus.
  if (p.Session->BlockKill) {
    message.Result = 1;
    return;
  }
  StandardHandling(message);
  if (IsMergedCell(Col(), Row())) {
    const TPoint span = CellSpan(Col(), Row());
    RepaintRect(Rect(Col(), Row(), Col() + span.X, Row() + span.Y));
  }
  if (p.Pointer->CtrlDown) {
    p.Pointer->CtrlDown = false;
    RepaintCell(p.Pointer->CtrlXY.X, p.Pointer->CtrlXY.Y);
  }
}

void TExtStringGrid::DoEnter() {
  TExtStringGridPrivate& p = *FP;
  if (p.Session->BlockFocus) return;
  // The current cell is recorded for validation even when a handler raises.
  struct TStore {
    TExtStringGrid& G;
    ~TStore() { G.StoreOldCell(G.Col(), G.Row()); }
  } store{*this};
  TBaseGrid::DoEnter();
  if (Options().Contains(goEditing) || p.MouseActions->RangeSelectAndEdit()) SelectCell(Col(), Row());
}

void TExtStringGrid::DoExit() {
  TExtStringGridPrivate& p = *FP;
  // A read-back moving the focus leaves the row marks alone; the platform's exit still runs,
  // since the editors it hides rely on it.
  if (p.Session->BlockKill) {
    TBaseGrid::DoExit();
    return;
  }
  if (p.SelChange && p.MouseActions->DisjunctRowSelect()) SyncRowSelectWithSelection(false);
  p.SelChange = false;
  TBaseGrid::DoExit();
}

void TExtStringGrid::Click() {
  TBaseGrid::Click();
  FP->Session->Entered = false;
  StoreOldCell(Col(), Row());
}

void TGridPointer::SetCursorMessage(TMessage& message) {
  const TGridState state = H.GridState();
  const bool sizing = state == gsColSizing || state == gsRowSizing;
  TCursor own = crDefault;
  if (MouseSelectMode != msNormal && !sizing) {
    switch (MouseSelectMode) {
      case msColumn: own = TExtStringGrid::crColSelect; break;
      case msRow: own = TExtStringGrid::crRowSelect; break;
      case msAll:
      case msResize: own = TExtStringGrid::crAllSelect; break;
      default: return;  // a link keeps the cursor the move gave it
    }
  } else if (CellSelectorMode) {
    own = TExtStringGrid::crCellSelector;
  }
  if (own != crDefault && EnsureGridCursor(own)) {
    SetCursorInvoked(own);
    message.Result = 1;
  } else {
    H.DefaultHandling(message);
    const TPoint at = H.ScreenToClient(GetCursorPos());
    int ACol = -1, ARow = -1;
    H.MouseToCell(at.X, at.Y, ACol, ARow);
    if (ACol >= 0 && ARow >= 0) H.GetCellCursor(ACol, ARow, at.X, at.Y);
  }
  if (SizeFixed || SizingFixed) SetCursorInvoked(crHSplit);
  if (SizeFixedR || SizingFixedR) SetCursorInvoked(crVSplit);
}

void TGridPointer::CursorChanged() {
  if (!InvokedChange) {
    // A cursor the program gives the grid is the one it comes back to.
    MouseSelectMode = msNormal;
    H.SetPlainCursor(H.Cursor());
  }
  InvokedChange = false;
}

void TExtStringGrid::WMSetCursor(TMessage& message) { FP->Pointer->SetCursorMessage(message); }

void TExtStringGrid::DoGetCellCursor(int ACol, int ARow, int X, int Y) {
  if (!OnGetCellCursor) return;
  TCursor c = Cursor();
  OnGetCellCursor(this, ACol, ARow, X, Y, c);
  FP->Pointer->SetCursorInvoked(c);
}

void TExtStringGrid::CMHintShow(TMessage& message) {
  auto* info = reinterpret_cast<THintInfo*>(message.LParam);
  if (info) FillCellHintInfo(info->HintStr, *info);
  message.Result = 0;
}

// The accelerators of the search footer's buttons; without a visible footer none applies.
void TExtStringGrid::CMDialogChar(TMessage& message) {
  message.Result = SearchFooterDialogChar(static_cast<TKeyChar>(message.WParam)) ? 1 : 0;
}

void TExtStringGrid::CMCursorChanged(TMessage& message) {
  StandardHandling(message);
  FP->Pointer->CursorChanged();
}

// No application style applies on this platform: the grid keeps its own colours.
void TExtStringGrid::ApplyActiveStyleColors() {}

void TExtStringGrid::SetCurrentEditText(const std::string& Value) {
  const TGridCoord base = CurrentBaseCell();
  if (IsMergedCell(base.X, base.Y))
    SetEditText(RealToDisplCol(base.X), base.Y, Value);
  else
    SetEditText(Col(), Row(), Value);
}

TEditorType TExtStringGrid::CurrentEditor() const { return FP->Session->EditControl; }

}  // namespace hd

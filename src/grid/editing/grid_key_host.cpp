// The string grid as the host of its keyboard: each question the keys may ask answered by the
// grid's own members, with the steps of other concerns a key starts (a check box, radio or
// button cell clicked from the keyboard).
#include "grid/editing/edit_session.h"
#include "grid/editing/grid_keyboard.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/forms.h"

namespace hd {

class TExtStringGrid::TKeyHost final : public TGridKeyHost {
 public:
  explicit TKeyHost(TExtStringGrid& Grid) : G(Grid), P(*Grid.FP) {}

  HWND Handle() override { return G.Handle(); }
  void DefaultHandling(TMessage& Message) override { G.StandardHandling(Message); }
  bool FormPreviewsKeys() override {
    TCustomForm* form = FindParentForm(&G);
    return form && form->KeyPreview();
  }
  bool Focused() override { return G.Focused(); }
  bool CanFocus() override { return G.CanFocus(); }
  void SetFocus() override { G.SetFocus(); }
  TGridOptions Options() override { return G.Options(); }
  void SetOptions(TGridOptions Value) override { G.SetOptions(Value); }
  TKeyLooks Looks() override {
    TKeyLooks l;
    l.FixedRowAlways = P.Layout.FFixedRowAlways;
    l.FixedFooters = P.Layout.FFixedFooters;
    l.FixedRightCols = P.Layout.FFixedRightCols;
    l.SelectionRectangle = P.Colors.FSelectionRectangle;
    l.FooterVisible = P.FloatingFooter->Visible();
    return l;
  }
  TNavigation& Navigation() override { return *P.Navigation; }
  TMouseActions& MouseActions() override { return *P.MouseActions; }

  int ColCount() override { return G.ColCount(); }
  int RowCount() override { return G.RowCount(); }
  void SetRowCount(int Value) override { G.SetRowCount(Value); }
  int FixedCols() override { return G.FixedCols(); }
  int FixedRows() override { return G.FixedRows(); }
  int Col() override { return G.Col(); }
  int Row() override { return G.Row(); }
  void SetCol(int Value) override { G.SetCol(Value); }
  void SetRow(int Value) override { G.SetRow(Value); }
  int LeftCol() override { return G.LeftCol(); }
  int TopRow() override { return G.TopRow(); }
  void SetLeftCol(int Value) override { G.SetLeftCol(Value); }
  void SetTopRow(int Value) override { G.SetTopRow(Value); }
  int VisibleColCount() override { return G.VisibleColCount(); }
  int VisibleRowCount() override { return G.VisibleRowCount(); }
  int VisibleFixedRightCols() override { return G.VisibleFixedRightCols(); }
  int FirstDataCol() override { return G.FirstDataCol(); }
  bool IsLastNormalRow(int ARow) override { return G.IsLastNormalRow(ARow); }
  int RealColIndex(int ACol) override { return G.RealColIndex(ACol); }
  int DisplToRealRow(int ARow) override { return G.DisplToRealRow(ARow); }
  TPoint CellSpan(int ACol, int ARow) override { return G.CellSpan(ACol, ARow); }
  TPoint BaseCell(int ACol, int ARow) override { return G.BaseCell(ACol, ARow); }
  bool IsBaseCell(int ACol, int ARow) override { return G.IsBaseCell(ACol, ARow); }
  bool IsMergedNonBaseCell(int ACol, int ARow) override { return G.IsMergedNonBaseCell(ACol, ARow); }
  void MoveToBaseCell() override { G.MoveToBaseCell(); }
  bool IsNode(int ARow) override { return G.IsNode(ARow); }
  bool IsFocusFixed(int ACol, int ARow) override { return G.IsFocusFixed(ACol, ARow); }
  bool IsEditable(int ACol, int ARow) override { return G.IsEditable(ACol, ARow); }
  bool CanEditCell(int ARealCol, int ARow, bool Default) override {
    G.CanEditCell(ARealCol, ARow, Default);
    return Default;
  }
  bool HasClickableGraphic(int ARealCol, int ARow) override { return G.HasClickableGraphic(ARealCol, ARow); }
  bool SkipsDisabledRows() override { return P.UseEnabledRows; }
  bool RowEnabled(int ARow) override { return G.GetRowEnabled(ARow); }
  bool CanTabToCell(int ACol, int ARow) override { return G.CanTabToCell(ACol, ARow); }
  int FirstTabCol(int ARow) override { return G.FirstTabCol(ARow); }
  int LastTabCol(int ARow) override { return G.LastTabCol(ARow); }
  bool ChangeCellAllowed(int OldCol, int OldRow, int NewCol, int NewRow) override {
    return G.ChangeCellAllowed(OldCol, OldRow, NewCol, NewRow);
  }
  void GotoFirstRow() override { G.GotoFirstRow(); }
  void ClampInView(TGridCoord Cell) override { G.ClampInView(Cell); }
  void MoveRow(int FromIndex, int ToIndex) override { G.MoveRow(FromIndex, ToIndex); }
  void ClearRowTexts(int ARow) override { G.ClearRowTexts(G.RealRowIndex(ARow)); }

  TGridRect Selection() override { return G.Selection(); }
  void SetSelection(const TGridRect& Value) override { G.SetSelection(Value); }
  void SetForceSel(bool Value) override { P.ForceSel = Value; }
  void SelectionChanged(const TGridRect& Now) override {
    G.DoSelectionChanged(Now.Left, Now.Top, Now.Right, Now.Bottom);
  }
  void InvalidateRange(const TGridRect& Range) override { G.InvalidateRect(Range); }
  void InvalidateGrid() override { G.InvalidateGrid(); }
  void RepaintCell(int ACol, int ARow) override { G.RepaintCell(ACol, ARow); }
  void RepaintRow(int ARow) override { G.RepaintRow(ARow); }
  void ClearRowSelect() override { G.ClearRowSelect(); }
  void ClearColSelect() override { G.ClearColSelect(); }
  bool RowSelect(int ARow) override { return G.GetRowSelect(ARow); }
  bool ColSelect(int ACol) override { return G.GetColSelect(ACol); }
  void SetRowSelect(int ARow, bool Value) override { G.SetRowSelect(ARow, Value); }
  void SetColSelect(int ACol, bool Value) override { G.SetColSelect(ACol, Value); }
  void SyncRowSelectWithSelection(bool Value) override { G.SyncRowSelectWithSelection(Value); }
  void SyncColSelectWithSelection(bool Value) override { G.SyncColSelectWithSelection(Value); }
  TIntList& SelectedCells() override { return *P.SelectedCells; }

  bool Editing() override { return G.Editing(); }
  bool EditorMode() override { return G.EditorMode(); }
  void ShowInplaceEdit() override { G.ShowInplaceEdit(); }
  void ShowEditorChar(TKeyChar Ch) override { G.ShowEditorChar(Ch); }
  void SetStartEditChar(TKeyChar Ch) override { P.Session->StartEditChar = Ch; }
  void RestoreCellCache() override { G.RestoreCellCache(); }
  void StoreOldCell(int ACol, int ARow) override { G.StoreOldCell(ACol, ARow); }
  void AdvanceToNextCell(int ACol, int ARow, bool FromEditor) override {
    G.AdvanceToNextCell(ACol, ARow, false, false, true, false, FromEditor);
  }
  void SilentClick(int ACol, int ARow) override { G.SilentClick(ACol, ARow); }
  void ClearSearchText() override { P.SearchInc.clear(); }

  bool ClickGraphic(WORD Key) override;
  bool ClipboardKey(WORD Key, bool Ctrl, bool Shift) override { return G.ClipboardKey(Key, Ctrl, Shift); }
  bool InsertRowKey() override { return G.InsertRowKey(); }
  bool DeleteRowKey() override { return G.DeleteRowKey(); }

  void InheritedKeyDown(WORD& Key, TShiftState Shift) override { G.TBaseGrid::KeyDown(Key, Shift); }
  void InheritedKeyPress(TKeyChar& Key) override { G.TBaseGrid::KeyPress(Key); }
  void InheritedKeyUp(WORD& Key, TShiftState Shift) override { G.TBaseGrid::KeyUp(Key, Shift); }
  void KeyDownEvent(WORD& Key, TShiftState Shift) override {
    if (G.OnKeyDown) G.OnKeyDown(&G, Key, Shift);
  }
  void FocusSearchFooterEdit() override { G.FocusSearchFooterEdit(); }
  void TypeAheadChar(TKeyChar Key) override { G.TypeAheadChar(Key); }
  void KeyPressEvent(TKeyChar& Key) override {
    if (G.OnKeyPress) G.OnKeyPress(&G, Key);
  }
  bool SelectCellEvent(int ACol, int ARow) override {
    bool canSelect = true;
    if (G.OnSelectCell) G.OnSelectCell(&G, ACol, ARow, canSelect);
    return canSelect;
  }
  bool CanAddRow() override {
    bool canAdd = true;
    if (G.OnCanAddRow) G.OnCanAddRow(&G, canAdd);
    return canAdd;
  }
  void AutoAddRow(int ARow) override {
    if (G.OnAutoAddRow) G.OnAutoAddRow(&G, ARow);
  }
  bool TabToParent() override {
    if (!G.Parent()) return false;
    PostMessage(G.Parent()->Handle(), WM_KEYDOWN, VK_TAB, 0);
    return true;
  }

 private:
  TExtStringGrid& G;
  TExtStringGridPrivate& P;
};

// Return or Space on a check box, radio or button cell; false when the grid went away.
bool TExtStringGrid::TKeyHost::ClickGraphic(WORD Key) {
  const int RC = G.RealColIndex(G.Col()), row = G.Row();
  bool active = G.Options().Contains(goEditing) || P.MouseActions->RangeSelectAndEdit();
  G.CanEditCell(RC, row, active);
  const TControlLook& look = *P.ControlLook;
  HWND self = G.Handle();
  if (Key == VK_SPACE && G.HasCheckBox(RC, row) && (active || look.CheckAlwaysActive())) {
    G.ToggleCheckBoxCell(RC, row, true);
    if (P.ShowModified->Enabled()) G.SetRowModified(G.RealRowIndex(row), true);
    bool state = false;
    G.GetCheckBoxState(RC, G.RealRowIndex(row), state);
    G.DoCheckBoxClick(RC, row, state);
  } else if (Key == VK_SPACE && G.IsRadio(RC, row) && (active || look.RadioAlwaysActive())) {
    G.SelectNextRadio(RC, row, true);
    if (G.OnRadioClick) G.OnRadioClick(&G, RC, row, G.RadioItemIndex(RC, row));
  } else if (Key == VK_SPACE && G.HasRadioButton(RC, row) && (active || look.RadioAlwaysActive())) {
    G.SetRadioButtonColumnIndex(RC, row);
    if (G.OnRadioButtonClick) G.OnRadioButtonClick(&G, RC, row);
  } else if (G.HasButton(RC, row) && active) {
    G.DoButtonClick(RC, row);
  }
  if (!IsWindow(self)) return false;
  G.RepaintCell(G.Col(), G.Row());
  return true;
}

void TExtStringGrid::CreateKeyboard() {
  FP->KeyHost.reset(new TKeyHost(*this));
  FP->Keyboard.reset(new TGridKeyboard(*FP->KeyHost));
}

void TEditingFree::operator()(TGridKeyboard* Keyboard) const noexcept { delete Keyboard; }

void TEditingFree::operator()(TGridKeyHost* Host) const noexcept { delete Host; }

}  // namespace hd

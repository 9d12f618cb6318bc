// The grid's side of the fixed-cell editors: which press opens them, the open one asked to
// stop first, the kind and items the program may change, their place over the cell, and the
// change reports.
#include "grid/editing/fixed_cell_editors.h"

#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

namespace {

// A press this close to a header border belongs to the line sizing.
constexpr int kSizingBorder = 4;

class TGridFixedHost : public TFixedCellEditorHost {
 public:
  explicit TGridFixedHost(TExtStringGrid& Grid) : G(Grid) {}
  bool ValidateFixedCell(int ACol, int ARow, std::string& Value) override {
    bool valid = true;
    if (G.OnCellValidate) G.OnCellValidate(&G, ACol, ARow, Value, valid);
    return valid;
  }
  void StoreFixedCell(int ACol, int ARow, const std::string& Value) override {
    if (G.OnEditingDone) G.OnEditingDone(&G);
    G.SetCellEx(ACol, ARow, Value);
  }

 private:
  TExtStringGrid& G;
};

template <class T>
T* MakeFixedEditor(TExtStringGrid* Grid, TFixedCellEditorHost* Host) {
  T* editor = New<T>(Grid, Host);
  editor->SetParent(Grid);
  editor->SetVisible(false);
  editor->OnChange = [Grid](TObject* Sender) { Grid->FixedEditChange(Sender); };
  return editor;
}

}  // namespace

void TEditingFree::operator()(TFixedCellEditorHost* Host) const noexcept { delete Host; }

TPopupMenu* TExtStringGrid::FixedDropDownMenu() const { return FP->Header.FixedDropDownMenu; }
void TExtStringGrid::SetFixedDropDownMenu(TPopupMenu* Value) { FP->Header.FixedDropDownMenu = Value; }
int TExtStringGrid::FixedColEdit() const { return FP->Header.FixedColEdit; }
int TExtStringGrid::FixedRowEdit() const { return FP->Header.FixedRowEdit; }

TGridTransEdit* TExtStringGrid::EditTrans() {
  auto& h = FP->Header;
  if (!h.FixedHost) h.FixedHost.reset(new TGridFixedHost(*this));
  if (!h.EditTrans) h.EditTrans = MakeFixedEditor<TGridTransEdit>(this, h.FixedHost.get());
  return h.EditTrans;
}

TGridTransCombo* TExtStringGrid::ComboTrans() {
  auto& h = FP->Header;
  if (!h.FixedHost) h.FixedHost.reset(new TGridFixedHost(*this));
  if (!h.ComboTrans) h.ComboTrans = MakeFixedEditor<TGridTransCombo>(this, h.FixedHost.get());
  return h.ComboTrans;
}

void TExtStringGrid::FixedEditChange(TObject* Sender) {
  if (!OnEditChange) return;
  auto& h = FP->Header;
  std::string text;
  if (Sender == h.EditTrans)
    text = h.EditTrans->Text();
  else if (Sender == h.ComboTrans)
    text = h.ComboTrans->Text();
  else
    return;
  OnEditChange(this, h.FixedColEdit, h.FixedRowEdit, text);
}

bool TExtStringGrid::StartFixedCellEdit(int ACol, int ARow) {
  auto& h = FP->Header;
  HWND self = Handle();
  if (h.EditTrans && h.EditTrans->Visible() && !h.EditTrans->StopEdit()) return false;
  if (!IsWindow(self)) return false;
  if (h.ComboTrans && h.ComboTrans->Visible() && !h.ComboTrans->StopEdit()) return false;
  if (!IsWindow(self)) return false;
  bool allow = true;
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, allow);
  if (!allow || !IsWindow(self)) return false;
  h.FixedColEdit = ACol;
  h.FixedRowEdit = ARow;
  const TMouseActions& ma = *FP->MouseActions;
  TGridFixedCellEditor kind = ACol == 0 ? ma.FixedColsEditor() : ma.FixedRowsEditor();
  TStringList values;
  values.Assign(ma.FixedComboValues());
  kind = DoFixedEdit(ACol, ARow, kind, values);
  if (!IsWindow(self)) return false;
  TRect r = CellRect(ACol, ARow);
  InflateRect(r, -1, -1);
  const int RC = RealColIndex(ACol);
  const std::string text = Cells(RC, ARow);
  TWinControl* shown = nullptr;
  if (kind == fceEdit) {
    TGridTransEdit* edit = EditTrans();
    edit->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    edit->SetText(text);
    edit->SetCell(RC, ARow);
    shown = edit;
  } else {
    TGridTransCombo* combo = ComboTrans();
    combo->SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
    combo->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top);
    combo->Items().Assign(values);
    if (kind == fceComboList)
      combo->SetItemIndex(combo->Items().IndexOf(text));
    else
      combo->SetText(text);
    combo->SetCell(RC, ARow);
    shown = combo;
  }
  shown->SetEnabled(true);
  shown->SetVisible(true);
  if (shown->CanFocus()) shown->SetFocus();
  return true;
}

void TExtStringGrid::FixedEditPress(TMouseButton Button, int X, int Y) {
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (ACol < 0 || ARow < 0) return;
  const bool fixedRow = ARow < FixedRows(), fixedCol = ACol < FixedCols();
  if (!fixedRow && !fixedCol) return;
  auto& h = FP->Header;
  // An open editor that refused its value kept the focus; the press opens nothing.
  if ((h.EditTrans && h.EditTrans->Visible() && h.EditTrans->Focused()) ||
      (h.ComboTrans && h.ComboTrans->Visible() && h.ComboTrans->Focused()))
    return;
  const TMouseActions& ma = *FP->MouseActions;
  const TGridFixedCellEdit want = Button == mbLeft ? fceLeftClick : Button == mbRight ? fceRightClick : fceNone;
  if (want == fceNone) return;
  const bool byRow = fixedRow && ma.FixedRowsEdit() == want;
  const bool byCol = fixedCol && ma.FixedColsEdit() == want;
  if (!byRow && !byCol) return;
  if (want == fceLeftClick) {
    // With sizing on, a press near a border sizes the line instead.
    TRect r = CellRect(ACol, ARow);
    const TGridOptions o = Options();
    if (byRow && o.Contains(goColSizing) && (X - r.Left < kSizingBorder || r.Right - X < kSizingBorder)) return;
    if (!byRow && o.Contains(goRowSizing) && (Y - r.Top < kSizingBorder || r.Bottom - Y < kSizingBorder)) return;
  }
  StartFixedCellEdit(ACol, ARow);
}

}  // namespace hd

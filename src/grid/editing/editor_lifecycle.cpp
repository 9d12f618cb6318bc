// The editor life cycle of the string grid: which cells may be edited and with which editor
// kind, goEditing switched per cell as the focus moves, opening the text editor through the
// platform grid or a special editor through the set-up, reading a closed editor back and
// reporting the end of an edit at once (OnEditingDone) and later (the posted "GridEditDone").
#include "grid/editing/check_editors.h"
#include "grid/editing/inplace_combo.h"
#include "grid/editing/inplace_text_edit.h"
#include "grid/foundation/markup/markup_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

namespace {

bool IsTextKind(TEditorType kind) {
  switch (kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edPositiveFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars: return true;
    default: return false;
  }
}

// Restores a flag when the scope ends, also when a handler throws.
class TFlagScope {
 public:
  TFlagScope(bool& flag, bool value) : flag_(flag), old_(flag) { flag_ = value; }
  ~TFlagScope() { flag_ = old_; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

}  // namespace

bool TExtStringGrid::IsCellEditable(int ACol, int ARow) {
  TPoint base = IsMergedNonBaseCell(RealColIndex(ACol), ARow) ? BaseCell(RealColIndex(ACol), ARow)
                                                               : TPoint{RealColIndex(ACol), ARow};
  bool canEdit = true;
  CanEditCell(base.X, base.Y, canEdit);
  bool fixed = false;
  IsFixedCell(base.X, base.Y, fixed);
  return canEdit && !fixed;
}

bool TExtStringGrid::IsEditable(int ACol, int ARow) {
  if (!Options().Contains(goEditing) && !FP->MouseActions->RangeSelectAndEdit() && !FP->EditDisable) return false;
  return IsCellEditable(ACol, ARow);
}

bool TExtStringGrid::IsFocusFixed(int ACol, int ARow) {
  TPoint base = BaseCell(RealColIndex(ACol), ARow);
  int col = RealToDisplCol(base.X);
  if (base.Y >= RowCount() - FFixedFooters) return true;
  if (col >= ColCount() - FFixedRightCols && col < ColCount()) return true;
  bool fixed = false;
  IsFixedCell(base.X, base.Y, fixed);
  return fixed;
}

void TExtStringGrid::Select() { SelectCell(Col(), Row()); }

bool TExtStringGrid::SelectCell(int ACol, int ARow) {
  TExtStringGridPrivate& p = *FP;
  if (p.ForceSel) return true;
  if (!Parent()) return true;
  bool result = false;
  bool allow = true;
  if (ACol < 0 || ARow < 0) return false;
  // The last row is the footer itself while the floating footer shows it.
  if (p.FloatingFooter->Visible() && p.FloatingFooter->FooterStyle() == fsFixedLastRow && ARow == RowCount() - 1)
    return false;
  int real = RealColIndex(ACol);
  p.EditText = GetCellEx(real, ARow);
  if (IsMergedNonBaseCell(real, ARow) && !Options().Contains(goRangeSelect)) {
    TPoint base = BaseCell(real, ARow);
    MoveColRow(RealToDisplCol(base.X), base.Y, true, true);
    RepaintCell(base.X, base.Y);
    if (p.MouseActions->DirectEdit() ||
        (p.ControlLook->DropDownAlwaysVisible() && HasComboBox(real, ARow)))
      ShowEditor();
    return false;
  }
  int oldRow = Row();
  std::string newText = GetCellEx(real, ARow);
  bool editorFocused = FInplaceEdit && FInplaceEdit->Focused();
  bool editing = Options().Contains(goEditing);
  bool rangeEdit = p.MouseActions->RangeSelectAndEdit();
  // The repaint an option change asks for through Invalidate is dropped; a flag the change
  // did not use up must not swallow a later one.
  auto setOptions = [this](TGridOptions options) {
    FP->EditChange = true;
    SetOptions(options);
    FP->EditChange = false;
  };
  if (HasClickableGraphic(real, ARow)) {
    bool canEdit = true;
    CanEditCell(real, ARow, canEdit);
    if (!p.EditDisable) p.EditDisable = !canEdit && (editing || rangeEdit);
    if (!editing && !Options().Contains(goRowSelect) && canEdit) setOptions(Options() + TGridOptions{goEditing});
  } else {
    bool canEdit = editing || p.EditDisable;
    CanEditCell(real, ARow, canEdit);
    if (canEdit && p.MouseActions->DirectEdit()) {
      p.EditControl = FDefaultEditor;
      canEdit = !IsNoEditorCell(real, ARow);
    }
    if (p.MouseActions->EditOnDblClickOnly()) canEdit = false;
    if (canEdit) {
      p.EditDisable = false;
      // The record follows the focus whenever no edit is under way, so that the next edit is
      // validated against the cell it is made in.
      if (!p.Editing) StoreOldCell(ACol, ARow);
      if (!Options().Contains(goEditing)) {
        TGridOptions options = Options();
        if (options.Contains(goRowSelect) && rangeEdit) options -= TGridOptions{goRowSelect};
        setOptions(options + TGridOptions{goEditing});
      }
      if (p.Editing) {
        HideInplaceEdit();
        newText = GetCellEx(real, ARow);
      }
    } else {
      if (p.Editing) {
        HideInplaceEdit();
        newText = GetCellEx(real, ARow);
      }
      if (Options().Contains(goEditing)) {
        p.EditMode = false;
        p.EditDisable = true;
        setOptions(Options() - TGridOptions{goEditing});
        SetEditorMode(false);
      }
    }
  }
  if (p.Editing && !editorFocused) {
    std::string saved = p.CellCache;
    if (IsWideCell(RealColIndex(Col()), Row()))
      result = ValidateCellWide(p.EditWideText);
    else
      result = ValidateCell(CurrentCell());
    DoCellChanging(ACol, ARow, allow);
    if (!allow) result = false;
    if (result) result = TBaseGrid::SelectCell(ACol, ARow);
    if (!result) newText = saved;
  } else {
    DoCellChanging(ACol, ARow, allow);
    if (!IsFocusFixed(ACol, ARow) && allow)
      result = TBaseGrid::SelectCell(ACol, ARow);
    else
      result = (allow && Options().Contains(goRowSelect)) || (FFixedRowAlways && RowCount() == FixedRows());
  }
  if (!Loading() && ARow != p.LastReportedRow && OnRowChanged && result && ARow != oldRow) {
    int old = p.LastReportedRow;
    p.LastReportedRow = ARow;
    OnRowChanged(this, old, ARow);
  }
  p.CellCache = newText;
  return result;
}

bool TExtStringGrid::CanEditShow() {
  TExtStringGridPrivate& p = *FP;
  if (p.Validating) return false;
  bool result = TBaseGrid::CanEditShow();
  if (IsDesigning()) return result;
  TPoint base = BaseCell(RealColIndex(Col()), Row());
  if (result && !p.EditMode && HasClickableGraphic(base.X, base.Y)) return false;
  if (result && !p.EditMode) {
    p.NoEditChange = true;
    p.CellCache = CurrentCell();
    p.EditControl = FDefaultEditor;
    GetCellEditor(base.X, base.Y, p.EditControl);
    if (p.EditControl == edNone) {
      p.NoEditChange = false;
      return false;
    }
    p.EditMode = true;
    if (!IsTextKind(p.EditControl)) {
      SetupEditor(RealToDisplCol(base.X), base.Y);
      p.Entered = true;
      p.NoEditChange = false;
      return false;
    }
    p.ShowEditProcess = true;
  }
  if (result) {
    p.Entered = true;
    p.Editing = true;
  }
  return result;
}

void TExtStringGrid::ShowInplaceEdit() {
  if (HasClickableGraphic(RealColIndex(Col()), Row())) return;
  if (Row() < TopRow()) SetTopRow(Row());
  if (Col() < LeftCol()) SetLeftCol(Col());
  FP->EditText = GetCellEx(RealColIndex(Col()), Row());
  ShowEditor();
}

void TExtStringGrid::ShowCellEdit() {
  TMessage message{WM_KEYDOWN, VK_F2, 0, 0};
  WndProc(message);
}

void TExtStringGrid::HideInplaceEdit() {
  TExtStringGridPrivate& p = *FP;
  if (!p.EditMode) return;
  HideEditor();
  ReadBackEditor(Col(), Row());
  p.EditMode = false;
  SelectCell(Col(), Row());
}

void TExtStringGrid::HideCellEdit() { ReadBackEditor(Col(), Row()); }

void TExtStringGrid::ReadBackEditor(int ACol, int ARow) {
  TExtStringGridPrivate& p = *FP;
  if (ComponentState().Contains(csDestroying)) return;
  p.SpecialEditor = false;
  TFlagScope blockKill(p.BlockKill, true);
  int real = RealColIndex(ACol);
  p.StartEditChar = 0;
  auto hide = [](TWinControl* control) {
    if (!control) return;
    control->SetVisible(false);
    control->SetEnabled(false);
  };
  switch (p.EditControl) {
    case edComboEdit:
    case edComboList:
      if (p.EditMode) {
        p.EditMode = false;
        SetEditedCellText(real, ARow, p.Combo->Text());
      }
      hide(p.Combo);
      break;
    case edCheckBox:
      p.EditMode = false;
      hide(p.CheckEdit);
      break;
    case edButton:
      p.EditMode = false;
      hide(p.ButtonEdit);
      break;
    default: break;
  }
  if (p.EditControl != edNormal && p.EditActive) NotifyEditDone(real, ARow);
  p.EditActive = false;
}

void TExtStringGrid::DoneInplaceEdit(WORD Key, TShiftState Shift) {
  TExtStringGridPrivate& p = *FP;
  TFlagScope blockFocus(p.BlockFocus, true);
  p.Editing = false;
  HideInplaceEdit();
  if (p.Navigation->AppendOnArrowDown() && Key == VK_DOWN && IsLastNormalRow(Row())) AppendRowOnArrowDown();
  if (Key == VK_TAB || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN) {
    WORD key = Key;
    KeyDown(key, Shift);
  }
  TNavigation& navigation = *p.Navigation;
  bool alwaysEdit = navigation.AlwaysEdit();
  navigation.SetAlwaysEdit(false);
  try {
    if (CanFocus()) SetFocus();
    if (Key == VK_RETURN) AdvanceToNextCell(Col(), Row(), false, true, true, false, false);
  } catch (...) {
    navigation.SetAlwaysEdit(alwaysEdit);
    throw;
  }
  navigation.SetAlwaysEdit(alwaysEdit);
}

void TExtStringGrid::NotifyEditDone(int ACol, int ARow) {
  if (OnEditingDone) OnEditingDone(this);
  FP->EditMode = false;
  if (HandleAllocated())
    PostMessage(Handle(), GridEditDoneMessage(), static_cast<WPARAM>(ACol), static_cast<LPARAM>(ARow));
}

void TExtStringGrid::SetCellQuietly(int ACol, int ARow, const std::string& Value) {
  BeginEditUpdate();
  try {
    SetCellEx(ACol, ARow, Value);
  } catch (...) {
    EndEditUpdate();
    throw;
  }
  EndEditUpdate();
}

void TExtStringGrid::WndProc(TMessage& Message) {
  if (Message.Msg == WM_COMMAND && FInplaceEdit && static_cast<HWND>(Message.LParam) == FInplaceEdit->Handle() &&
      HIWORD(Message.WParam) == EN_CHANGE) {
    // The editor's own change handling first (OnEditChange), then its text to the cell; a
    // text the editor is loaded with is not written back.
    SendMessage(FInplaceEdit->Handle(), CN_COMMAND, Message.WParam, Message.LParam);
    if (!FP->NoEditChange) TBaseGrid::WndProc(Message);
    return;
  }
  if (Message.Msg == WM_COMMAND && FP->Combo && static_cast<HWND>(Message.LParam) == FP->Combo->Handle()) {
    ComboNotification(HIWORD(Message.WParam));
    TBaseGrid::WndProc(Message);
    return;
  }
  // The character that opens an editor is handed on to a special editor when it opens.
  if (Message.Msg == WM_CHAR && !FP->EditMode && Options().Contains(goEditing)) {
    auto ch = static_cast<TKeyChar>(Message.WParam);
    if (ch == 8 || ch >= 32) FP->StartEditChar = ch;
  }
  if (Message.Msg == GridEditDoneMessage() && GridEditDoneMessage() != 0) {
    if (OnEditCellDone) OnEditCellDone(this, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
    if (FP->MouseActions->EditOnDblClickOnly()) {
      HideInplaceEdit();
      FP->EditMode = false;
      ClearEditingOption();
    }
  }
  TBaseGrid::WndProc(Message);
}

void TExtStringGrid::ComboNotification(WORD Code) {
  TExtStringGridPrivate& p = *FP;
  TGridCombo* combo = p.Combo;
  int real = RealColIndex(Col());
  switch (Code) {
    case CBN_SELCHANGE:
    case CBN_EDITCHANGE:
      if (p.EditMode) combo->FireComboChange(combo->ItemIndex());
      break;
    case CBN_CLOSEUP:
      if (p.MouseActions->DirectComboClose() && p.EditMode) {
        // With nothing selected the combo keeps its text.
        int index = combo->ItemIndex();
        if (index >= 0) combo->SetText(combo->Items()[index]);
        combo->FireComboChange(index);
        TMouseActions& actions = *p.MouseActions;
        bool direct = actions.DirectEdit();
        actions.SetDirectEdit(false);
        try {
          HideInplaceEdit();
        } catch (...) {
          actions.SetDirectEdit(direct);
          throw;
        }
        actions.SetDirectEdit(direct);
        if (CanFocus()) SetFocus();
      }
      DoComboCloseUp(Row(), real);
      break;
    case CBN_DROPDOWN: DoComboDropDown(Row(), real); break;
    default: break;
  }
}

void TExtStringGrid::SetEditedCellText(int ACol, int ARow, const std::string& Value) {
  SetEditText(RealToDisplCol(ACol), ARow, Value);
  SetCellEx(ACol, ARow, Value);
}

std::string TExtStringGrid::GetEditText(int ACol, int ARow) {
  TPoint base = BaseCell(RealColIndex(ACol), ARow);
  std::string text = GetGridCell(base.X, base.Y);
  if (TExtInplaceEdit* editor = NormalEdit()) {
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    GetCellAlign(base.X, base.Y, ha, va);
    editor->SetVAlign(ha == taRightJustify);
  }
  if (!FEditWithTags) text = MarkupToText(text);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  return text;
}

void TExtStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
  TPoint base = BaseCell(RealColIndex(ACol), ARow);
  if (GetGridCell(base.X, base.Y) != Value) SetCellQuietly(base.X, base.Y, Value);
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

void TExtStringGrid::CursorWalk(bool Forward, const std::string& Text, bool ShowAgain) {
  TExtStringGridPrivate& p = *FP;
  int span = Forward ? CellSpan(RealColIndex(Col()), Row()).X : 0;
  int target = Forward ? Col() + span + 1 : Col() - 1;
  bool inside = Forward ? Col() < ColCount() - FFixedRightCols - 1 : Col() > FixedCols();
  // A control cell beside takes the focus itself; any other cell is walked to as Return would.
  if (inside && HasClickableGraphic(RealColIndex(target), Row())) {
    if (ValidateCell(Text)) {
      HideInplaceEdit();
      SetCol(target);
    }
    return;
  }
  if (!ValidateCell(Text)) return;
  HideInplaceEdit();
  if (CanFocus()) SetFocus();
  TNavigation& navigation = *p.Navigation;
  TAdvanceDirection direction = navigation.AdvanceDirection();
  navigation.SetAdvanceDirection(adLeftRight);
  try {
    AdvanceToNextCell(Col(), Row(), true, true, Forward, false, true);
  } catch (...) {
    navigation.SetAdvanceDirection(direction);
    throw;
  }
  navigation.SetAdvanceDirection(direction);
  if (ShowAgain && navigation.CursorWalkAlwaysEdit()) ShowInplaceEdit();
}

TInplaceEdit* TExtStringGrid::CreateEditor() { return New<TExtInplaceEdit>(this); }

TExtInplaceEdit* TExtStringGrid::NormalEdit() const { return dynamic_cast<TExtInplaceEdit*>(FInplaceEdit); }

void TExtStringGrid::DoGetEditorProp(int ACol, int ARow, TEditLink* AEditLink) {
  if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, AEditLink);
  // The event's type names its integers row and column; it gets the column first.
  if (OnGetEditorPropInt) OnGetEditorPropInt(this, ACol, ARow);
}

void TExtStringGrid::DoCellChanging(int ACol, int ARow, bool& Allow) {
  if (ARow != Row() && OnRowChanging) OnRowChanging(this, Row(), ARow, Allow);
  if (ACol != Col() && OnColChanging) OnColChanging(this, Col(), ACol, Allow);
  if ((ACol != Col() || ARow != Row()) && !FP->DisableChange && OnCellChanging)
    OnCellChanging(this, Row(), Col(), ARow, ACol, Allow);
}

void TExtStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State) {
  if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

void TExtStringGrid::DoEllipsClick(const std::string& Text, std::string& S) {
  S = Text;
  if (OnEllipsClick) OnEllipsClick(this, RealColIndex(Col()), Row(), S);
}

bool TExtStringGrid::EditorHandlesTab() const {
  return Options().Contains(goTabs) || OnCellValidate || OnCellValidateWide;
}

bool TExtStringGrid::CellIsPassword(int ACol, int ARow) {
  bool password = false;
  IsPasswordCell(ACol, ARow, password);
  return password;
}

std::string TExtStringGrid::CurrentCell() {
  TPoint base = BaseCell(RealColIndex(Col()), Row());
  return GetGridCell(base.X, base.Y);
}

void TExtStringGrid::SetCurrentCell(const std::string& Value) {
  TPoint base = BaseCell(RealColIndex(Col()), Row());
  SetCellQuietly(base.X, base.Y, Value);
}

bool TExtStringGrid::IsWideCell(int ACol, int ARow) { return GetCellEx(ACol, ARow).starts_with("|\\"); }

TEditorType TExtStringGrid::EditControl() const { return FP->EditControl; }
bool TExtStringGrid::EditMode() const { return FP->EditMode; }
void TExtStringGrid::SetEditMode(bool Value) { FP->EditMode = Value; }
bool TExtStringGrid::Editing() const { return FP->Editing; }
void TExtStringGrid::SetStartEditChar(TKeyChar Value) { FP->StartEditChar = Value; }
void TExtStringGrid::SetLButFlg(bool Value) { FP->LButFlg = Value; }

}  // namespace hd

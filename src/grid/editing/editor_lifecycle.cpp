// The editor life cycle of the string grid: which cells may be edited and with which editor
// kind, goEditing switched per cell as the focus moves, opening the text editor through the
// platform grid or a special editor through the set-up, reading a closed editor back and
// reporting the end of an edit at once (OnEditingDone) and later (the posted "GridEditDone").
#include "grid/editing/check_editors.h"
#include "grid/editing/edit_session.h"
#include "grid/editing/grid_keyboard.h"
#include "grid/editing/editor_host.h"
#include "grid/editing/inplace_combo.h"
#include "grid/editing/inplace_edit_button.h"
#include "grid/editing/inplace_spin.h"
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

// OnComboChange and OnComboObjectChange for an item of the combo editor (-1: none, with the
// combo's text).
void FireComboItemChange(TGridEditorHost& Host, TEsgComboBox& Combo, int Index) {
  bool item = Index >= 0 && Index < Combo.Items().Count();
  Host.FireComboChange(Index, item ? Combo.Items()[Index] : Combo.Text(), item ? Combo.Items().Objects(Index) : nullptr);
}

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
  if (base.Y >= RowCount() - FP->Layout.FFixedFooters) return true;
  if (col >= ColCount() - FP->Layout.FFixedRightCols && col < ColCount()) return true;
  bool fixed = false;
  IsFixedCell(base.X, base.Y, fixed);
  return fixed;
}

void TExtStringGrid::Select() { SelectCell(Col(), Row()); }

bool TExtStringGrid::SelectCell(int ACol, int ARow) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  if (p.ForceSel) return true;
  if (!Parent()) return true;
  if (ACol < 0 || ARow < 0) return false;
  // The last row is the footer itself while the floating footer shows it.
  if (p.FloatingFooter->Visible() && p.FloatingFooter->FooterStyle() == fsFixedLastRow && ARow == RowCount() - 1)
    return false;
  int real = RealColIndex(ACol);
  session.EditText = GetCellEx(real, ARow);
  if (IsMergedNonBaseCell(real, ARow) && !Options().Contains(goRangeSelect)) {
    SelectMergedBaseCell(real, ARow);
    return false;
  }
  int oldRow = Row();
  std::string newText = GetCellEx(real, ARow);
  bool editorFocused = FInplaceEdit && FInplaceEdit->Focused();
  if (HasClickableGraphic(real, ARow))
    EditingForGraphicCell(real, ARow);
  else
    EditingForTextCell(ACol, ARow, real, newText);
  bool result = session.Editing && !editorFocused ? LeaveEditedCell(ACol, ARow, newText) : LeaveCell(ACol, ARow);
  if (!Loading() && ARow != p.LastReportedRow && OnRowChanged && result && ARow != oldRow) {
    int old = p.LastReportedRow;
    p.LastReportedRow = ARow;
    OnRowChanged(this, old, ARow);
  }
  session.CellCache = newText;
  return result;
}

// A covered cell of a merged range hands the focus to the range's base cell.
void TExtStringGrid::SelectMergedBaseCell(int ACol, int ARow) {
  TExtStringGridPrivate& p = *FP;
  TPoint base = BaseCell(ACol, ARow);
  MoveColRow(RealToDisplCol(base.X), base.Y, true, true);
  RepaintCell(base.X, base.Y);
  if (p.MouseActions->DirectEdit() || (p.ControlLook->DropDownAlwaysVisible() && HasComboBox(ACol, ARow)))
    ShowEditor();
}

// The repaint an option change asks for through Invalidate is dropped; a flag the change did
// not use up must not swallow a later one.
void TExtStringGrid::SetOptionsWithoutRepaint(TGridOptions Options) {
  FP->EditChange = true;
  SetOptions(Options);
  FP->EditChange = false;
}

// A check box, radio or button cell takes goEditing so that a click reaches it.
void TExtStringGrid::EditingForGraphicCell(int ACol, int ARow) {
  TExtStringGridPrivate& p = *FP;
  bool editing = Options().Contains(goEditing);
  bool rangeEdit = p.MouseActions->RangeSelectAndEdit();
  bool canEdit = true;
  CanEditCell(ACol, ARow, canEdit);
  if (!p.EditDisable) p.EditDisable = !canEdit && (editing || rangeEdit);
  if (!editing && !Options().Contains(goRowSelect) && canEdit)
    SetOptionsWithoutRepaint(Options() + TGridOptions{goEditing});
}

// goEditing follows whether the cell (real column ARealCol) can be edited; an editor open on
// the cell left is closed and NewText read again after it.
void TExtStringGrid::EditingForTextCell(int ACol, int ARow, int ARealCol, std::string& NewText) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  bool canEdit = Options().Contains(goEditing) || p.EditDisable;
  CanEditCell(ARealCol, ARow, canEdit);
  if (canEdit && p.MouseActions->DirectEdit()) {
    session.EditControl = FP->EditRules.FDefaultEditor;
    canEdit = !IsNoEditorCell(ARealCol, ARow);
  }
  if (p.MouseActions->EditOnDblClickOnly()) canEdit = false;
  if (canEdit) {
    p.EditDisable = false;
    // The record follows the focus whenever no edit is under way, so that the next edit is
    // validated against the cell it is made in.
    if (!session.Editing) StoreOldCell(ACol, ARow);
    if (!Options().Contains(goEditing)) {
      TGridOptions options = Options();
      if (options.Contains(goRowSelect) && p.MouseActions->RangeSelectAndEdit()) options -= TGridOptions{goRowSelect};
      SetOptionsWithoutRepaint(options + TGridOptions{goEditing});
    }
    if (session.Editing) {
      HideInplaceEdit();
      NewText = GetCellEx(ARealCol, ARow);
    }
  } else {
    if (session.Editing) {
      HideInplaceEdit();
      NewText = GetCellEx(ARealCol, ARow);
    }
    if (Options().Contains(goEditing)) {
      session.EditMode = false;
      p.EditDisable = true;
      SetOptionsWithoutRepaint(Options() - TGridOptions{goEditing});
      SetEditorMode(false);
    }
  }
}

// Leaving a cell under edit: its value validated, then OnCellChanging; refused, the text the
// cell had is kept as the one the focus stays on.
bool TExtStringGrid::LeaveEditedCell(int ACol, int ARow, std::string& NewText) {
  TGridEditSession& session = *FP->Session;
  bool allow = true;
  std::string saved = session.CellCache;
  bool result;
  if (IsWideCell(RealColIndex(Col()), Row()))
    result = ValidateCellWide(session.EditWideText);
  else
    result = ValidateCell(CurrentCell());
  DoCellChanging(ACol, ARow, allow);
  if (!allow) result = false;
  if (result) result = TBaseGrid::SelectCell(ACol, ARow);
  if (!result) NewText = saved;
  return result;
}

bool TExtStringGrid::LeaveCell(int ACol, int ARow) {
  bool allow = true;
  DoCellChanging(ACol, ARow, allow);
  if (!IsFocusFixed(ACol, ARow) && allow) return TBaseGrid::SelectCell(ACol, ARow);
  return (allow && Options().Contains(goRowSelect)) || (FP->Layout.FFixedRowAlways && RowCount() == FixedRows());
}

bool TExtStringGrid::CanEditShow() {
  TGridEditSession& session = *FP->Session;
  if (session.Validating) return false;
  bool result = TBaseGrid::CanEditShow();
  if (IsDesigning()) return result;
  TPoint base = BaseCell(RealColIndex(Col()), Row());
  if (result && !session.EditMode && HasClickableGraphic(base.X, base.Y)) return false;
  if (result && !session.EditMode) {
    session.NoEditChange = true;
    session.CellCache = CurrentCell();
    session.EditControl = FP->EditRules.FDefaultEditor;
    GetCellEditor(base.X, base.Y, session.EditControl);
    if (session.EditControl == edNone) {
      session.NoEditChange = false;
      return false;
    }
    session.EditMode = true;
    if (!IsTextKind(session.EditControl)) {
      SetupEditor(RealToDisplCol(base.X), base.Y);
      session.Entered = true;
      session.NoEditChange = false;
      return false;
    }
    session.ShowEditProcess = true;
  }
  if (result) {
    session.Entered = true;
    session.Editing = true;
  }
  return result;
}

void TExtStringGrid::ShowInplaceEdit() {
  if (HasClickableGraphic(RealColIndex(Col()), Row())) return;
  if (Row() < TopRow()) SetTopRow(Row());
  if (Col() < LeftCol()) SetLeftCol(Col());
  FP->Session->EditText = GetCellEx(RealColIndex(Col()), Row());
  ShowEditor();
}

void TExtStringGrid::ShowCellEdit() {
  TMessage message{WM_KEYDOWN, VK_F2, 0, 0};
  WndProc(message);
}

void TExtStringGrid::HideInplaceEdit() {
  TGridEditSession& session = *FP->Session;
  if (!session.EditMode) return;
  HideEditor();
  ReadBackEditor(Col(), Row());
  session.EditMode = false;
  SelectCell(Col(), Row());
}

void TExtStringGrid::HideCellEdit() { ReadBackEditor(Col(), Row()); }

void TExtStringGrid::ReadBackEditor(int ACol, int ARow) {
  TGridEditSession& session = *FP->Session;
  if (ComponentState().Contains(csDestroying)) return;
  session.SpecialEditor = false;
  TFlagScope blockKill(session.BlockKill, true);
  int real = RealColIndex(ACol);
  session.StartEditChar = 0;
  auto hide = [this, ACol, ARow](TWinControl* control) {
    if (!control) return;
    const bool shown = control->Visible();
    const TRect was = control->BoundsRect();
    control->SetVisible(false);
    control->SetEnabled(false);
    // What the editor drew over the cell's lines goes with it: the cell and the place it
    // took are painted again.
    if (shown && HandleAllocated()) {
      TRect r;
      UnionRect(r, was, CellRect(ACol, ARow));
      InflateRect(r, 1, 1);
      hd::InvalidateRect(Handle(), &r, false);
    }
  };
  switch (session.EditControl) {
    case edComboEdit:
    case edComboList:
      if (session.EditMode) {
        session.EditMode = false;
        SetEditedCellText(real, ARow, session.Combo->Text());
      }
      hide(session.Combo);
      break;
    case edCheckBox:
      session.EditMode = false;
      hide(session.CheckEdit);
      break;
    case edButton:
      session.EditMode = false;
      hide(session.ButtonEdit);
      break;
    default:
      if (!ReadBackSpinEditor(real, ARow) && !ReadBackDateEditor(real, ARow) && !ReadBackRichEditor(real, ARow) &&
          !ReadBackCustomEditor(real, ARow))
        ReadBackEditBtnEditor(real, ARow);
      break;
  }
  if (session.EditControl != edNormal && session.EditActive) NotifyEditDone(real, ARow);
  session.EditActive = false;
}

void TExtStringGrid::DoneInplaceEdit(WORD Key, TShiftState Shift) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  TFlagScope blockFocus(session.BlockFocus, true);
  session.Editing = false;
  HideInplaceEdit();
  if (p.Navigation->AppendOnArrowDown() && Key == VK_DOWN && IsLastNormalRow(Row())) p.Keyboard->AppendRowOnArrowDown();
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
  FP->Session->EditMode = false;
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

void TExtStringGrid::WMCommand(TMessage& Message) {
  if (FInplaceEdit && static_cast<HWND>(Message.LParam) == FInplaceEdit->Handle() &&
      HIWORD(Message.WParam) == EN_CHANGE) {
    // The editor's own change handling first (OnEditChange), then its text to the cell; a
    // text the editor is loaded with is not written back.
    SendMessage(FInplaceEdit->Handle(), CN_COMMAND, Message.WParam, Message.LParam);
    if (!FP->Session->NoEditChange) TBaseGrid::WndProc(Message);
    return;
  }
  if (EditorChangeNotification(Message)) return;
  const TGridCombo* combo = FP->Session->Combo;
  if (combo && static_cast<HWND>(Message.LParam) == combo->Handle()) ComboNotification(HIWORD(Message.WParam));
  TBaseGrid::WndProc(Message);
}

// A change in an open spin or edit-button editor: its own change handling first, then, while
// the grid shows every change at once, its text into the cell (not while it is loaded).
bool TExtStringGrid::EditorChangeNotification(TMessage& Message) {
  TGridEditSession& session = *FP->Session;
  if (HIWORD(Message.WParam) != EN_CHANGE || Message.LParam == 0) return false;
  auto from = static_cast<HWND>(Message.LParam);
  TCustomEdit* editor = nullptr;
  if (session.Spin && from == session.Spin->Handle()) editor = session.Spin;
  if (session.EditBtn && from == session.EditBtn->Handle()) editor = session.EditBtn;
  if (!editor) return false;
  TBaseGrid::WndProc(Message);
  if (session.ShowEditProcess && session.EditMode && !session.NoEditChange && IsWindow(from))
    SetEditText(Col(), Row(), editor->Text());
  return true;
}

// The character that opens an editor is handed on to a special editor when it opens.
void TExtStringGrid::NoteStartEditChar(const TMessage& Message) {
  if (FP->Session->EditMode || !Options().Contains(goEditing)) return;
  auto ch = static_cast<TKeyChar>(Message.WParam);
  if (ch == 8 || ch >= 32) FP->Session->StartEditChar = ch;
}

void TExtStringGrid::WMGridEditDone(const TMessage& Message) {
  if (OnEditCellDone) OnEditCellDone(this, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
  if (FP->MouseActions->EditOnDblClickOnly()) {
    HideInplaceEdit();
    FP->Session->EditMode = false;
    ClearEditingOption();
  }
}

void TExtStringGrid::ComboNotification(WORD Code) {
  TExtStringGridPrivate& p = *FP;
  TGridEditSession& session = *p.Session;
  TGridCombo* combo = session.Combo;
  int real = RealColIndex(Col());
  switch (Code) {
    case CBN_SELCHANGE:
    case CBN_EDITCHANGE:
      if (session.EditMode) FireComboItemChange(*p.EditorHost, *combo, combo->ItemIndex());
      break;
    case CBN_CLOSEUP:
      if (p.MouseActions->DirectComboClose() && session.EditMode) {
        // With nothing selected the combo keeps its text.
        int index = combo->ItemIndex();
        if (index >= 0) combo->SetText(combo->Items()[index]);
        FireComboItemChange(*p.EditorHost, *combo, index);
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
  if (!FP->EditRules.FEditWithTags) text = MarkupToText(text);
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
  bool inside = Forward ? Col() < ColCount() - FP->Layout.FFixedRightCols - 1 : Col() > FixedCols();
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

TInplaceEdit* TExtStringGrid::CreateEditor() { return New<TExtInplaceEdit>(this, *FP->EditorHost); }

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

TEditorType TExtStringGrid::EditControl() const { return FP->Session->EditControl; }
bool TExtStringGrid::EditMode() const { return FP->Session->EditMode; }
void TExtStringGrid::SetEditMode(bool Value) { FP->Session->EditMode = Value; }
bool TExtStringGrid::Editing() const { return FP->Session->Editing; }
void TExtStringGrid::SetStartEditChar(TKeyChar Value) { FP->Session->StartEditChar = Value; }
void TExtStringGrid::SetLButFlg(bool Value) { FP->Session->LButFlg = Value; }

}  // namespace hd

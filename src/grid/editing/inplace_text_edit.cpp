// The grid's text editor: loading and placing over the cell, the filters of each text kind
// for typed and pasted text, the keys that validate and leave, the report of the end of the
// edit when the focus goes, and lookup completion.
#include "grid/editing/inplace_text_edit.h"

#include "grid/foundation/input_settings.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/regional.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

bool Contains(const std::string& s, char c) { return s.find(c) != std::string::npos; }

std::string CharToUtf8(TKeyChar ch) { return CodePointsToUtf8(std::u32string(1, ch)); }

}  // namespace

TExtInplaceEdit::TExtInplaceEdit(TComponent* AOwner) : TInplaceEdit(AOwner) {}

TExtStringGrid* TExtInplaceEdit::Grid() const { return dynamic_cast<TExtStringGrid*>(TInplaceEdit::Grid()); }

void TExtInplaceEdit::SetVAlign(bool Value) {
  if (FValign == Value) return;
  FValign = Value;
  RecreateWnd();
}

void TExtInplaceEdit::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  RecreateWnd();
}

void TExtInplaceEdit::CreateParams(TCreateParams& Params) {
  TInplaceEdit::CreateParams(Params);
  if (TExtStringGrid* grid = Grid()) {
    FWordWrap = grid->WordWrap();
    if (grid->FP->EditControl == edPassword) {
      Params.Style |= ES_PASSWORD;
      Params.Style &= ~static_cast<unsigned>(ES_MULTILINE);
    }
  }
  if (FValign) Params.Style |= ES_RIGHT;
  if (FWordWrap) Params.Style &= ~static_cast<unsigned>(ES_AUTOHSCROLL);
  Params.Style |= ES_WANTRETURN;
  GotKey = false;
  Workmode = true;
}

void TExtInplaceEdit::CreateWnd() {
  TInplaceEdit::CreateWnd();
  TExtStringGrid* grid = Grid();
  if (!grid) return;
  if (grid->FP->EditControl == edPassword) SetPasswordChar(static_cast<TKeyChar>(grid->PasswordChar()));
  FLengthLimit = grid->GetEditLimit();
}

void TExtInplaceEdit::UpdateContents() {
  TExtStringGrid* grid = Grid();
  if (!grid) {
    TInplaceEdit::UpdateContents();
    return;
  }
  bool& noChange = grid->FP->NoEditChange;
  noChange = true;
  try {
    TInplaceEdit::UpdateContents();
  } catch (...) {
    noChange = false;
    throw;
  }
  noChange = false;
  // Password cells hide what is typed; other kinds show it.
  TKeyChar password = grid->FP->EditControl == edPassword ? static_cast<TKeyChar>(grid->PasswordChar()) : 0;
  if (PasswordChar() != password) SetPasswordChar(password);
  int real = grid->RealColIndex(grid->Col());
  TBrush brush;
  brush.Color = grid->Color();
  TFont font = grid->Font();
  grid->GetCellColor(real, grid->Row(), TGridDrawState{}, brush, font);
  if (brush.Color != clNone) SetColor(brush.Color);
  SetFont(font);
  FColE = grid->Col();
  FRowE = grid->Row();
  grid->DoGetEditorProp(grid->Col(), grid->Row(), nullptr);
}

void TExtInplaceEdit::WndProc(TMessage& Message) {
  TExtStringGrid* grid = Grid();
  if (!grid) {
    TInplaceEdit::WndProc(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_SYSKEYDOWN:
      if (Message.WParam == VK_BACK) FAltBack = true;
      break;
    case WM_SYSKEYUP:
      if (Message.WParam == VK_BACK) FAltBack = false;
      break;
    case WM_KEYDOWN: {
      bool remark = false;
      if (WMKeyDown(Message, remark)) return;
      HWND self = Handle();
      TInplaceEdit::WndProc(Message);
      // An arrow that left the editor for another row moves the disjunct row mark along.
      if (remark && IsWindow(self) && grid->MouseActions().DisjunctRowSelect()) {
        grid->ClearRowSelect();
        grid->SetRowSelect(grid->Row(), true);
      }
      return;
    }
    case WM_CHAR:
      if (WMChar(Message)) return;
      break;
    case CM_WANTSPECIALKEY:
      TInplaceEdit::WndProc(Message);
      // Tab stays in the editor when it validates before moving on.
      if (Message.WParam == VK_TAB && grid->EditorHandlesTab()) Message.Result = 1;
      return;
    case WM_PASTE: WMPaste(); return;
    case WM_COPY:
    case WM_CUT: {
      bool allow = true;
      auto& event = Message.Msg == WM_COPY ? grid->OnClipboardCopy : grid->OnClipboardCut;
      if (event) event(this, allow);
      if (!allow) return;
      break;
    }
    case WM_KILLFOCUS:
      WMKillFocus(Message);
      return;
    case WM_SETFOCUS:
      TInplaceEdit::WndProc(Message);
      WMSetFocus();
      return;
    case WM_LBUTTONDBLCLK:
      TInplaceEdit::WndProc(Message);
      if (grid->OnDblClickCell) grid->OnDblClickCell(grid, grid->Row(), grid->Col());
      return;
    default: break;
  }
  TInplaceEdit::WndProc(Message);
}

void TExtInplaceEdit::WMSetFocus() {
  TExtStringGrid* grid = Grid();
  FGotFocus = true;
  grid->FP->NoEditChange = false;
  FLengthLimit = grid->GetEditLimit();
  if (!IsMasked()) SetMaxLength(FLengthLimit > 0 ? FLengthLimit : 0);
  TNavigation& navigation = grid->Navigation();
  if (IsMasked() && navigation.ImproveMaskSel() && !grid->FP->LButFlg) {
    SetSelStart(0);
    SetSelLength(1);
  } else if (!navigation.EditSelectAll()) {
    Deselect();
  }
  if (grid->FP->LButFlg) {
    grid->FP->LButFlg = false;
    TPoint mouse = ScreenToClient(GetCursorPos());
    if (mouse.X >= 0 && mouse.Y >= 0 && mouse.X <= Width() && mouse.Y <= Height()) {
      LRESULT at = Perform(EM_CHARFROMPOS, 0, MAKELPARAM(mouse.X, mouse.Y));
      SetSelStart(LOWORD(at));
      SetSelLength(0);
    }
  }
}

void TExtInplaceEdit::WMKillFocus(TMessage& Message) {
  TExtStringGrid* grid = Grid();
  TExtStringGridPrivate& p = *grid->FP;
  p.StartEditChar = 0;
  std::string text = Text();
  if (grid->LookupHistory() && grid->LookupItems().IndexOf(text) < 0) grid->LookupItems().Add(text);
  HWND self = Handle();
  TInplaceEdit::WndProc(Message);
  if (!IsWindow(self)) return;
  if (!FAltBack) {
    if (static_cast<HWND>(Message.WParam) != grid->Handle() && !p.BlockKill) {
      grid->ValidateCell(text);
      {
        bool noChange = p.NoEditChange;
        p.NoEditChange = true;
        SetText(grid->CurrentCell());
        p.NoEditChange = noChange;
      }
      grid->HideInplaceEdit();
      p.Editing = false;
      p.EditMode = false;
      if (FColE >= 0 && FRowE >= 0 && FColE < grid->ColCount() && FRowE < grid->RowCount())
        grid->SelectCell(FColE, FRowE);
    }
    if (FGotFocus) {
      FGotFocus = false;
      if (FColE >= 0 && FRowE >= 0) grid->NotifyEditDone(grid->RealColIndex(FColE), FRowE);
    }
  }
}

bool TExtInplaceEdit::StoreAndValidate(const std::string& Text, const std::string& Saved) {
  TExtStringGrid* grid = Grid();
  TExtStringGridPrivate& p = *grid->FP;
  {
    bool validating = p.Validating;
    p.Validating = true;
    grid->SetCurrentCell(Text);
    p.Validating = validating;
  }
  if (grid->ValidateCell(Text)) return true;
  Refused(Saved, Utf8Length(Text));
  Invalidate();
  return false;
}

void TExtInplaceEdit::Refused(const std::string& Saved, int Caret) {
  TExtStringGrid* grid = Grid();
  TExtStringGridPrivate& p = *grid->FP;
  // The editor may be a fresh load now; it shows the validation's proposal.
  SetText(p.NewCellText);
  if (grid->Navigation().EditSelectAll()) {
    SelectAll();
  } else {
    SetSelStart(Caret < 0 ? Utf8Length(EditText()) : Caret);
    SetSelLength(0);
  }
  p.OldCellText = Saved;
}

bool TExtInplaceEdit::CaretOnFirstLine() { return Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(SelStart())) == 0; }

bool TExtInplaceEdit::CaretOnLastLine() {
  LRESULT caretLine = Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(SelStart()));
  LRESULT lastLine = Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(Utf8Length(EditText())));
  return caretLine >= lastLine;
}

bool TExtInplaceEdit::WMKeyDown(TMessage& Message, bool& Remark) {
  TExtStringGrid* grid = Grid();
  TExtStringGridPrivate& p = *grid->FP;
  TNavigation& navigation = grid->Navigation();
  auto key = static_cast<WORD>(Message.WParam);
  TShiftState shift = KeyDataToShiftState(Message.LParam);
  auto swallow = [&] {
    Message.Result = 1;
    return true;
  };
  HWND self = Handle();
  FOldSelStart = SelStart();
  if (key == VK_ESCAPE) {
    SetText(p.CellCache);
    grid->HideInplaceEdit();
    if (!IsWindow(self)) return true;
  }
  bool ctrl = shift.Contains(ssCtrl);
  if (key == 'A' && ctrl && !shift.Contains(ssAlt)) {
    SelectAll();
    return swallow();
  }
  bool multi = grid->WordWrap() || grid->Multilinecells();
  if (key == VK_RETURN && ctrl && !(navigation.AllowCtrlEnter() && multi)) return swallow();
  std::string text = Text();
  std::string saved = p.OldCellText;
  if (key == VK_TAB && grid->EditorHandlesTab()) {
    if (!grid->ValidateCell(text)) {
      Refused(saved, -1);
      return swallow();
    }
    SetText(p.NewCellText);
    grid->HideInplaceEdit();
    if (grid->Options().Contains(goTabs)) {
      grid->TabToNextCell(shift.Contains(ssShift));
      return swallow();
    }
    PostMessage(grid->Handle(), WM_KEYDOWN, VK_TAB, 0);
    return swallow();
  }
  const bool shifted = shift.Contains(ssShift);
  if (shifted && navigation.CursorWalkEditor() &&
      ((key == VK_LEFT && SelStart() == 0) || (key == VK_RIGHT && SelStart() == Utf8Length(EditText())))) {
    // Shift at an end of the text closes the editor on its cell.
    if (!StoreAndValidate(text, saved)) return swallow();
    SetText(p.NewCellText);
    grid->HideInplaceEdit();
    if (grid->CanFocus()) grid->SetFocus();
    return swallow();
  }
  if ((key == VK_UP && CaretOnFirstLine()) || (key == VK_DOWN && CaretOnLastLine())) {
    if (!StoreAndValidate(text, saved)) return swallow();
    if (IsWindow(self) && Visible()) SetText(p.NewCellText);
    Remark = true;
    return false;
  }
  if (key == VK_RETURN && !navigation.LineFeedOnEnter() && !ctrl) {
    if (!grid->ValidateCell(text)) {
      Refused(saved, -1);
      return swallow();
    }
    SetText(p.NewCellText);
    return false;
  }
  if (key == VK_HOME && shift.Empty()) SetSelStart(0);
  if (key == VK_END && shift.Empty()) {
    SetSelStart(Utf8Length(EditText()));
    SetSelLength(0);
  }
  return false;
}

void TExtInplaceEdit::GrowRow(const std::string& Text) {
  TExtStringGrid* grid = Grid();
  TColumnSize& sizes = grid->ColumnSize();
  bool synch = sizes.SynchWithGrid();
  sizes.SetSynchWithGrid(false);
  // The line the key is about to add counts already.
  int lines = CountLines(Text + "\r\n ", grid->Multilinecells());
  int row = grid->Row();
  if (lines < grid->GetMaxLinesInRow(row))
    grid->AutoSizeRow(row, 0);
  else
    grid->SetRowLineHeight(row, lines, grid->GetVertXYOffset());
  sizes.SetSynchWithGrid(synch);
  if (grid->OnEndRowSize) grid->OnEndRowSize(grid, row);
}

void TExtInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TExtStringGrid* grid = Grid();
  FSelKeyDown = SelStart();
  if (!grid) {
    TInplaceEdit::KeyDown(Key, Shift);
    return;
  }
  switch (Key) {
    case VK_BACK:
    case VK_DELETE: Workmode = false; break;
    case VK_RETURN:
      if (!grid->Navigation().AllowCtrlEnter() && (grid->WordWrap() || grid->Multilinecells()))
        grid->FP->Editing = false;
      if ((Shift.Contains(ssShift) || Shift.Contains(ssCtrl)) && grid->SizeWhileTyping().Height() &&
          grid->Multilinecells())
        GrowRow(Text());
      break;
    case VK_UP:
      // Inside a text of several lines the arrows move the caret only.
      if (!CaretOnFirstLine()) return;
      Workmode = true;
      break;
    case VK_DOWN:
      if (!CaretOnLastLine()) return;
      Workmode = true;
      break;
    default: Workmode = true;
  }
  TInplaceEdit::KeyDown(Key, Shift);
}

bool TExtInplaceEdit::FilterChar(TKeyChar& Ch, bool& KindRuleRan) {
  TExtStringGrid* grid = Grid();
  TFormatSettings fs = FormatSettings();
  auto beep = [] {
    MessageBeep(0);
    return false;
  };
  std::string text = EditText();
  std::string selected = SelText();
  bool control = Ch == 8 || Ch == 9 || Ch == 13 || Ch == 27;
  KindRuleRan = true;
  switch (grid->FP->EditControl) {
    case edNormal:
    case edPassword: return true;
    case edNumeric:
      if (control || (Ch >= '0' && Ch <= '9')) return true;
      if (Ch == '-') {
        if (Contains(text, '-') || SelStart() != 0) return beep();
        return true;
      }
      return beep();
    case edPositiveNumeric:
      if (control || (Ch >= '0' && Ch <= '9')) return true;
      return beep();
    case edFloat:
    case edPositiveFloat: {
      bool positive = grid->FP->EditControl == edPositiveFloat;
      bool candidate = control || (Ch >= '0' && Ch <= '9') || Ch == ',' || Ch == '.' || (Ch == '-' && !positive);
      if (!candidate) {
        if (GetKeyState(VK_CONTROL) < 0) return true;
        KindRuleRan = false;
        return false;
      }
      if (Ch == static_cast<TKeyChar>(fs.DecimalSeparator) && Contains(text, fs.DecimalSeparator) &&
          !Contains(selected, fs.DecimalSeparator)) {
        KindRuleRan = false;
        return false;
      }
      if (Ch == static_cast<TKeyChar>(fs.ThousandSeparator)) {
        KindRuleRan = false;
        return false;
      }
      if (Ch == '-') {
        bool ok = (SelStart() == 0 && !Contains(text, '-')) || Contains(selected, '-');
        if (!ok) {
          MessageBeep(0);
          KindRuleRan = false;
          return false;
        }
      }
      return true;
    }
    case edCapital:
    case edUpperCase: {
      std::string upper = AnsiUpperCase(CharToUtf8(Ch));
      std::u32string cps = Utf8ToCodePoints(upper);
      if (cps.size() == 1) Ch = cps[0];
      return true;
    }
    case edLowerCase: {
      std::u32string cps = Utf8ToCodePoints(AnsiLowerCase(CharToUtf8(Ch)));
      if (cps.size() == 1) Ch = cps[0];
      return true;
    }
    case edMixedCase: return true;
    case edValidChars: {
      if (Ch == 8 || Ch == 13) return true;
      const std::string& valid = grid->ValidChars();
      if (!valid.empty()) return Ch < 128 && Contains(valid, static_cast<char>(Ch)) ? true : beep();
      return Ch <= 255 && Contains(grid->ValidCharSet(), static_cast<char>(Ch)) ? true : beep();
    }
    default: KindRuleRan = false; return false;
  }
}

bool TExtInplaceEdit::WMChar(TMessage& Message) {
  TExtStringGrid* grid = Grid();
  TExtStringGridPrivate& p = *grid->FP;
  TNavigation& navigation = grid->Navigation();
  auto ch = static_cast<TKeyChar>(Message.WParam);
  if (grid->ExcelStyleDecimalSeparator() && ch == '.' && (Message.LParam & (1 << 22)))
    ch = static_cast<TKeyChar>(FormatSettings().DecimalSeparator);
  if (ch == 1) return true;
  bool multi = grid->WordWrap() || grid->Multilinecells();
  if (ch == 10 && !(navigation.AllowCtrlEnter() && multi)) return true;
  if (FLengthLimit > 0 && Utf8Length(EditText()) >= FLengthLimit && SelLength() == 0 && ch != 8 && ch != 27 &&
      ch != 13)
    return true;
  TEditorType kind = p.EditControl;
  bool textKind = kind == edNormal || kind == edCapital || kind == edMixedCase || kind == edLowerCase ||
                  kind == edUpperCase || kind == edValidChars;
  if (textKind && ch == 13 && navigation.LineFeedOnEnter()) return false;
  bool ran = false;
  HWND self = Handle();
  if (FilterChar(ch, ran)) {
    Message.WParam = ch;
    TInplaceEdit::WndProc(Message);
    if (!IsWindow(self)) return true;
    if (kind == edMixedCase && ch >= 32) {
      int caret = SelStart();
      SetText(MixedCaseText(EditText()));
      SetSelStart(caret);
      SetSelLength(0);
    }
  }
  if (ran && navigation.AdvanceAuto() && navigation.AdvanceOnEnter() && grid->MaxEditLength() > 0 &&
      Utf8Length(EditText()) == grid->MaxEditLength() && SelLength() == 0 && SelStart() == Utf8Length(EditText())) {
    TKeyChar enter = 13;
    grid->KeyPress(enter);
  }
  return true;
}

bool TExtInplaceEdit::AcceptPaste(std::string& New) const {
  TExtStringGrid* grid = Grid();
  switch (grid->FP->EditControl) {
    case edNumeric: return ClassifyNumber(New) == 0;
    case edPositiveNumeric: return ClassifyNumber(New) == 0 && !Contains(New, '-');
    case edFloat: return ClassifyNumber(New) <= 1;
    case edPositiveFloat: return ClassifyNumber(New) <= 1 && !Contains(New, '-');
    case edMixedCase: New = MixedCaseText(New); return true;
    case edLowerCase: New = AnsiLowerCase(New); return true;
    case edUpperCase: New = AnsiUpperCase(New); return true;
    case edValidChars:
      for (char c : New)
        if (!Contains(grid->ValidChars(), c)) return false;
      return true;
    default: return true;
  }
}

void TExtInplaceEdit::WMPaste() {
  TExtStringGrid* grid = Grid();
  std::optional<std::string> clip = Clipboard().HasFormat(CF_TEXT) ? std::optional(Clipboard().AsText()) : std::nullopt;
  bool allow = clip.has_value();
  std::string value = clip.value_or("");
  if (grid->OnClipboardPaste) grid->OnClipboardPaste(this, allow);
  if (!allow) return;
  if (grid->OnClipboardBeforePasteCell) grid->OnClipboardBeforePasteCell(this, grid->Col(), grid->Row(), value, allow);
  if (!allow) return;
  if (FLengthLimit >= 1 && Utf8Length(value) > FLengthLimit) return;
  if (value.size() >= 2 && value.find("\r\n") == value.size() - 2) value.resize(value.size() - 2);
  std::u32string text = Utf8ToCodePoints(EditText());
  int start = SelStart(), length = SelLength();
  std::u32string inserted = Utf8ToCodePoints(value);
  std::u32string merged = text.substr(0, static_cast<size_t>(start)) + inserted +
                          text.substr(static_cast<size_t>(start + length));
  std::string candidate = CodePointsToUtf8(merged);
  if (FLengthLimit >= 1 && Utf8Length(candidate) > FLengthLimit) return;
  if (AcceptPaste(candidate)) SetText(candidate);
  grid->SetEditText(grid->Col(), grid->Row(), EditText());
  // Taken or not, the selection goes where the pasted text was meant to go.
  if (length > 0) {
    SetSelStart(start);
    SetSelLength(static_cast<int>(inserted.size()));
  } else {
    SetSelStart(start + static_cast<int>(inserted.size()));
    SetSelLength(0);
  }
  if (grid->OnClipboardAfterPasteCell) grid->OnClipboardAfterPasteCell(this, grid->Col(), grid->Row(), EditText());
}

void TExtInplaceEdit::KeyPress(TKeyChar& Key) {
  TExtStringGrid* grid = Grid();
  if (grid && Key == 13 && !grid->Navigation().LineFeedOnEnter()) {
    if (!grid->ValidateCell(Text())) {
      SetText(grid->CurrentCell());
      Key = 0;
      return;
    }
  }
  const TKeyChar typed = Key;
  HWND self = Handle();
  TInplaceEdit::KeyPress(Key);
  if (!grid || !IsWindow(self)) return;
  // A typed character that fills the mask moves on as Return would.
  if (typed >= 32 && grid->Navigation().AdvanceAuto() && IsMasked() && Text().find(' ') == std::string::npos &&
      SelStart() == Utf8Length(EditText())) {
    Key = 13;
    grid->KeyPress(Key);
  }
}

void TExtInplaceEdit::KeyUp(WORD& Key, TShiftState Shift) {
  TExtStringGrid* grid = Grid();
  HWND self = Handle();
  if (grid && grid->Navigation().CursorWalkEditor() && Shift.Empty() && SelLength() == 0) {
    int length = Utf8Length(EditText());
    bool left = Key == VK_LEFT && SelStart() == 0 && FSelKeyDown == 0;
    bool right = Key == VK_RIGHT && FSelKeyDown == length;
    if (left || right) {
      Key = 0;
      grid->CursorWalk(right, Text(), true);
      return;
    }
  }
  if (Key == VK_LEFT || Key == VK_RIGHT) return;
  TInplaceEdit::KeyUp(Key, Shift);
  if (!IsWindow(self)) return;
  DoChange();
  // The column grows with the text typed into it, and a wrapping row with its lines.
  if (!grid) return;
  if (grid->SizeWhileTyping().Width()) grid->DoAutoSizeCol(grid->Col(), true);
  if (grid->SizeWhileTyping().Height() && grid->WordWrap()) {
    TColumnSize& sizes = grid->ColumnSize();
    bool synch = sizes.SynchWithGrid();
    sizes.SetSynchWithGrid(false);
    grid->AutoSizeRow(grid->Row(), 0);
    sizes.SetSynchWithGrid(synch);
    if (grid->OnEndRowSize) grid->OnEndRowSize(grid, grid->Row());
  }
}

void TExtInplaceEdit::DoChange() {
  TExtStringGrid* grid = Grid();
  if (!grid || !Workmode || SelLength() != 0 || !grid->Lookup()) return;
  const TStringList& items = grid->LookupItems();
  if (items.Count() == 0) return;
  bool caseSensitive = grid->LookupCaseSensitive();
  std::string typed = Utf8Copy(EditText(), 1, SelStart());
  if (typed.empty()) return;
  std::string prefix = caseSensitive ? typed : AnsiUpperCase(typed);
  int prefixLength = Utf8Length(typed);
  for (int i = 0; i < items.Count(); ++i) {
    std::string item = caseSensitive ? items[i] : AnsiUpperCase(items[i]);
    if (!item.starts_with(prefix)) continue;
    std::string rest = Utf8Copy(items[i], prefixLength + 1, 255);
    SetText(typed + rest);
    SetSelStart(prefixLength);
    SetSelLength(Utf8Length(rest));
    GotKey = false;
    return;
  }
}

void TExtInplaceEdit::Change() {
  TInplaceEdit::Change();
  TExtStringGrid* grid = Grid();
  if (grid && !grid->FP->NoEditChange && grid->OnEditChange)
    grid->OnEditChange(grid, grid->Col(), grid->Row(), Text());
}

}  // namespace hd

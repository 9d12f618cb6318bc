// The grid's text editor: loading and placing over the cell, the filters of each text kind
// for typed and pasted text, the keys that validate and leave, the report of the end of the
// edit when the focus goes, and lookup completion.
#include "grid/editing/inplace_text_edit.h"

#include "grid/editing/edit_session.h"
#include "grid/editing/editor_host.h"
#include "grid/foundation/input_settings.h"
#include "grid/foundation/text_utils.h"
#include "platform/application.h"
#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/regional.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

bool Contains(const std::string& s, char c) { return s.find(c) != std::string::npos; }

std::string CharToUtf8(TKeyChar ch) { return CodePointsToUtf8(std::u32string(1, ch)); }

// A wrapping editor lays its text out again as it changes, and the row follows its lines;
// without a limit of the column's own it takes as many characters as the one-line editor, so
// each key stays quick and a huge paste is refused at once.
constexpr int kWrappedTextLimit = 32767;

int LengthLimitOf(TGridEditorHost& host, bool wrap) {
  const int own = host.EditLimit();
  return own > 0 ? own : wrap ? kWrappedTextLimit : 0;
}

}  // namespace

TExtInplaceEdit::TExtInplaceEdit(TComponent* AOwner, TGridEditorHost& Host) : TInplaceEdit(AOwner), FHost(&Host) {}

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
  FWordWrap = FHost->WordWrap();
  if (FHost->Session().EditControl == edPassword) {
    Params.Style |= ES_PASSWORD;
    Params.Style &= ~static_cast<unsigned>(ES_MULTILINE);
  }
  if (FValign) Params.Style |= ES_RIGHT;
  if (FWordWrap) Params.Style &= ~static_cast<unsigned>(ES_AUTOHSCROLL);
  Params.Style |= ES_WANTRETURN;
  GotKey = false;
  Workmode = true;
}

void TExtInplaceEdit::CreateWnd() {
  TInplaceEdit::CreateWnd();
  TGridEditorHost& host = *FHost;
  if (host.Session().EditControl == edPassword) SetPasswordChar(host.PasswordChar());
  FLengthLimit = LengthLimitOf(host, FWordWrap);
}

void TExtInplaceEdit::UpdateContents() {
  TGridEditorHost& host = *FHost;
  bool& noChange = host.Session().NoEditChange;
  noChange = true;
  try {
    TInplaceEdit::UpdateContents();
  } catch (...) {
    noChange = false;
    throw;
  }
  noChange = false;
  // Password cells hide what is typed; other kinds show it.
  TKeyChar password = host.Session().EditControl == edPassword ? host.PasswordChar() : 0;
  if (PasswordChar() != password) SetPasswordChar(password);
  TColor color = clNone;
  TFont font;
  host.CellLook(color, font);
  if (color != clNone) SetColor(color);
  SetFont(font);
  FColE = host.Col();
  FRowE = host.Row();
  host.GetEditorProp(host.Col(), host.Row());
}

void TExtInplaceEdit::WndProc(TMessage& Message) {
  TGridEditorHost& host = *FHost;
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
      if (remark && IsWindow(self) && host.MouseActions().DisjunctRowSelect()) host.MarkOnlyRow(host.Row());
      return;
    }
    case WM_CHAR:
      if (WMChar(Message)) return;
      break;
    case CM_WANTSPECIALKEY:
      TInplaceEdit::WndProc(Message);
      // Tab stays in the editor when it validates before moving on.
      if (Message.WParam == VK_TAB && host.EditorHandlesTab()) Message.Result = 1;
      return;
    case WM_PASTE: WMPaste(); return;
    case WM_COPY:
    case WM_CUT: {
      if (!host.ClipboardAllowed(this, Message.Msg, true)) return;
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
      host.FireDblClickCell();
      return;
    default: break;
  }
  TInplaceEdit::WndProc(Message);
}

void TExtInplaceEdit::WMSetFocus() {
  TGridEditorHost& host = *FHost;
  FGotFocus = true;
  host.Session().NoEditChange = false;
  FLengthLimit = LengthLimitOf(host, FWordWrap);
  if (!IsMasked()) SetMaxLength(FLengthLimit > 0 ? FLengthLimit : 0);
  TNavigation& navigation = host.Navigation();
  if (IsMasked() && navigation.ImproveMaskSel() && !host.Session().LButFlg) {
    SetSelStart(0);
    SetSelLength(1);
  } else if (!navigation.EditSelectAll()) {
    Deselect();
  }
  if (host.Session().LButFlg) {
    host.Session().LButFlg = false;
    TPoint mouse = ScreenToClient(GetCursorPos());
    if (mouse.X >= 0 && mouse.Y >= 0 && mouse.X <= Width() && mouse.Y <= Height()) {
      LRESULT at = Perform(EM_CHARFROMPOS, 0, MAKELPARAM(mouse.X, mouse.Y));
      SetSelStart(LOWORD(at));
      SetSelLength(0);
    }
  }
}

void TExtInplaceEdit::WMKillFocus(TMessage& Message) {
  TGridEditorHost& host = *FHost;
  TGridEditSession& p = host.Session();
  p.StartEditChar = 0;
  std::string text = Text();
  if (host.LookupHistory() && host.LookupItems().IndexOf(text) < 0) host.LookupItems().Add(text);
  HWND self = Handle();
  TInplaceEdit::WndProc(Message);
  if (!IsWindow(self)) return;
  if (!FAltBack) {
    if (static_cast<HWND>(Message.WParam) != host.Window().Handle() && !p.BlockKill) {
      host.ValidateCell(text);
      {
        bool noChange = p.NoEditChange;
        p.NoEditChange = true;
        SetText(host.CurrentCell());
        p.NoEditChange = noChange;
      }
      host.HideInplaceEdit();
      p.Editing = false;
      p.EditMode = false;
      if (FColE >= 0 && FRowE >= 0 && FColE < host.ColCount() && FRowE < host.RowCount())
        host.SelectCell(FColE, FRowE);
    }
    if (FGotFocus) {
      FGotFocus = false;
      if (FColE >= 0 && FRowE >= 0) host.NotifyEditDone(host.RealColIndex(FColE), FRowE);
    }
  }
}

bool TExtInplaceEdit::StoreAndValidate(const std::string& Text, const std::string& Saved) {
  TGridEditorHost& host = *FHost;
  TGridEditSession& p = host.Session();
  {
    bool validating = p.Validating;
    p.Validating = true;
    host.SetCurrentCell(Text);
    p.Validating = validating;
  }
  if (host.ValidateCell(Text)) return true;
  Refused(Saved, Utf8Length(Text));
  Invalidate();
  return false;
}

void TExtInplaceEdit::Refused(const std::string& Saved, int Caret) {
  TGridEditorHost& host = *FHost;
  TGridEditSession& p = host.Session();
  // The editor may be a fresh load now; it shows the validation's proposal.
  SetText(p.NewCellText);
  if (host.Navigation().EditSelectAll()) {
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
  TGridEditorHost& host = *FHost;
  TGridEditSession& p = host.Session();
  TNavigation& navigation = host.Navigation();
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
    host.HideInplaceEdit();
    if (!IsWindow(self)) return true;
  }
  bool ctrl = shift.Contains(ssCtrl);
  if (key == 'A' && ctrl && !shift.Contains(ssAlt)) {
    SelectAll();
    return swallow();
  }
  bool multi = host.WordWrap() || host.Multilinecells();
  if (key == VK_RETURN && ctrl && !(navigation.AllowCtrlEnter() && multi)) return swallow();
  std::string text = Text();
  std::string saved = p.OldCellText;
  if (key == VK_TAB && host.EditorHandlesTab()) {
    if (!host.ValidateCell(text)) {
      Refused(saved, -1);
      return swallow();
    }
    SetText(p.NewCellText);
    host.HideInplaceEdit();
    if (host.TabsMoveCells()) {
      host.TabToNextCell(shift.Contains(ssShift));
      return swallow();
    }
    PostMessage(host.Window().Handle(), WM_KEYDOWN, VK_TAB, 0);
    return swallow();
  }
  const bool shifted = shift.Contains(ssShift);
  if (shifted && navigation.CursorWalkEditor() &&
      ((key == VK_LEFT && SelStart() == 0) || (key == VK_RIGHT && SelStart() == Utf8Length(EditText())))) {
    // Shift at an end of the text closes the editor on its cell.
    if (!StoreAndValidate(text, saved)) return swallow();
    SetText(p.NewCellText);
    host.HideInplaceEdit();
    if (host.Window().CanFocus()) host.Window().SetFocus();
    return swallow();
  }
  if ((key == VK_UP && CaretOnFirstLine()) || (key == VK_DOWN && CaretOnLastLine())) {
    if (!StoreAndValidate(text, saved)) return swallow();
    if (IsWindow(self) && Visible()) SetText(p.NewCellText);
    Remark = true;
    return false;
  }
  if (key == VK_RETURN && !navigation.LineFeedOnEnter() && !ctrl) {
    if (!host.ValidateCell(text)) {
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
  // The line the key is about to add counts already.
  FHost->SizeRowToLines(FHost->Row(), CountLines(Text + "\r\n ", FHost->Multilinecells()));
}

void TExtInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TGridEditorHost& host = *FHost;
  FSelKeyDown = SelStart();
  switch (Key) {
    case VK_BACK:
    case VK_DELETE: Workmode = false; break;
    case VK_RETURN:
      if (!host.Navigation().AllowCtrlEnter() && (host.WordWrap() || host.Multilinecells()))
        host.Session().Editing = false;
      if ((Shift.Contains(ssShift) || Shift.Contains(ssCtrl)) && host.RowsGrowWhileTyping() &&
          host.Multilinecells())
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
  TGridEditorHost& host = *FHost;
  TFormatSettings fs = FormatSettings();
  auto beep = [] {
    MessageBeep(0);
    return false;
  };
  std::string text = EditText();
  std::string selected = SelText();
  bool control = Ch == 8 || Ch == 9 || Ch == 13 || Ch == 27;
  KindRuleRan = true;
  switch (host.Session().EditControl) {
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
      bool positive = host.Session().EditControl == edPositiveFloat;
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
      const std::string& valid = host.ValidChars();
      if (!valid.empty()) return Ch < 128 && Contains(valid, static_cast<char>(Ch)) ? true : beep();
      return Ch <= 255 && Contains(host.ValidCharSet(), static_cast<char>(Ch)) ? true : beep();
    }
    default: KindRuleRan = false; return false;
  }
}

bool TExtInplaceEdit::WMChar(TMessage& Message) {
  TGridEditorHost& host = *FHost;
  TGridEditSession& p = host.Session();
  TNavigation& navigation = host.Navigation();
  auto ch = static_cast<TKeyChar>(Message.WParam);
  if (host.ExcelStyleDecimalSeparator() && ch == '.' && (Message.LParam & (1 << 22)))
    ch = static_cast<TKeyChar>(FormatSettings().DecimalSeparator);
  if (ch == 1) return true;
  bool multi = host.WordWrap() || host.Multilinecells();
  if (ch == 10 && !(navigation.AllowCtrlEnter() && multi)) return true;
  if (FLengthLimit > 0 && Utf8Length(EditText()) >= FLengthLimit && SelLength() == 0 && ch != 8 && ch != 27 &&
      ch != 13) {
    MessageBeep(0);
    return true;
  }
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
  if (ran && navigation.AdvanceAuto() && navigation.AdvanceOnEnter() && host.MaxEditLength() > 0 &&
      Utf8Length(EditText()) == host.MaxEditLength() && SelLength() == 0 && SelStart() == Utf8Length(EditText())) {
    TKeyChar enter = 13;
    host.GridKeyPress(enter);
  }
  return true;
}

bool TExtInplaceEdit::AcceptPaste(std::string& New) const {
  TGridEditorHost& host = *FHost;
  switch (host.Session().EditControl) {
    case edNumeric: return ClassifyNumber(New) == 0;
    case edPositiveNumeric: return ClassifyNumber(New) == 0 && !Contains(New, '-');
    case edFloat: return ClassifyNumber(New) <= 1;
    case edPositiveFloat: return ClassifyNumber(New) <= 1 && !Contains(New, '-');
    case edMixedCase: New = MixedCaseText(New); return true;
    case edLowerCase: New = AnsiLowerCase(New); return true;
    case edUpperCase: New = AnsiUpperCase(New); return true;
    case edValidChars:
      for (char c : New)
        if (!Contains(host.ValidChars(), c)) return false;
      return true;
    default: return true;
  }
}

void TExtInplaceEdit::WMPaste() {
  TGridEditorHost& host = *FHost;
  std::optional<std::string> clip = Clipboard().HasFormat(CF_TEXT) ? std::optional(Clipboard().AsText()) : std::nullopt;
  bool allow = clip.has_value();
  std::string value = clip.value_or("");
  if (!host.ClipboardAllowed(this, WM_PASTE, allow)) return;
  if (!host.BeforePasteCell(this, value)) return;
  auto tooLong = [] { MessageBeep(0); };
  if (FLengthLimit >= 1 && Utf8Length(value) > FLengthLimit) return tooLong();
  if (value.size() >= 2 && value.find("\r\n") == value.size() - 2) value.resize(value.size() - 2);
  std::u32string text = Utf8ToCodePoints(EditText());
  int start = SelStart(), length = SelLength();
  std::u32string inserted = Utf8ToCodePoints(value);
  std::u32string merged = text.substr(0, static_cast<size_t>(start)) + inserted +
                          text.substr(static_cast<size_t>(start + length));
  std::string candidate = CodePointsToUtf8(merged);
  if (FLengthLimit >= 1 && Utf8Length(candidate) > FLengthLimit) return tooLong();
  if (AcceptPaste(candidate)) SetText(candidate);
  host.SetEditText(host.Col(), host.Row(), EditText());
  // Taken or not, the caret goes after where the pasted text was meant to go, with nothing
  // selected: a pasted text left selected would be replaced by the next key.
  SetSelStart(start + static_cast<int>(inserted.size()));
  SetSelLength(0);
  host.AfterPasteCell(this, EditText());
}

void TExtInplaceEdit::KeyPress(TKeyChar& Key) {
  TGridEditorHost& host = *FHost;
  if (Key == 13 && !host.Navigation().LineFeedOnEnter()) {
    if (!host.ValidateCell(Text())) {
      SetText(host.CurrentCell());
      Key = 0;
      return;
    }
  }
  const TKeyChar typed = Key;
  HWND self = Handle();
  TInplaceEdit::KeyPress(Key);
  if (!IsWindow(self)) return;
  // A typed character that fills the mask moves on as Return would.
  if (typed >= 32 && host.Navigation().AdvanceAuto() && IsMasked() && Text().find(' ') == std::string::npos &&
      SelStart() == Utf8Length(EditText())) {
    Key = 13;
    host.GridKeyPress(Key);
  }
}

void TExtInplaceEdit::KeyUp(WORD& Key, TShiftState Shift) {
  TGridEditorHost& host = *FHost;
  HWND self = Handle();
  if (host.Navigation().CursorWalkEditor() && Shift.Empty() && SelLength() == 0) {
    int length = Utf8Length(EditText());
    bool left = Key == VK_LEFT && SelStart() == 0 && FSelKeyDown == 0;
    bool right = Key == VK_RIGHT && FSelKeyDown == length;
    if (left || right) {
      Key = 0;
      host.CursorWalk(right, Text(), true);
      return;
    }
  }
  if (Key == VK_LEFT || Key == VK_RIGHT) return;
  TInplaceEdit::KeyUp(Key, Shift);
  if (!IsWindow(self)) return;
  DoChange();
  // The column grows with the text typed into it, and a wrapping row with its lines.
  host.SizeColWhileTyping();
  if (host.RowsGrowWhileTyping() && host.WordWrap()) host.SizeRowToLines(host.Row(), 0);
}

void TExtInplaceEdit::DoChange() {
  TGridEditorHost& host = *FHost;
  if (!Workmode || SelLength() != 0 || !host.Lookup()) return;
  const TStringList& items = host.LookupItems();
  if (items.Count() == 0) return;
  bool caseSensitive = host.LookupCaseSensitive();
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
  TGridEditorHost& host = *FHost;
  if (!host.Session().NoEditChange) host.FireEditChange(host.Col(), host.Row(), Text());
}

}  // namespace hd

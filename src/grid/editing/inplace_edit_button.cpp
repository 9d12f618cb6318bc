// The edit-button editors while they are open: the keys that end the edit, the characters of
// the numeric and float kinds, paste, type-ahead, the walk to the cells beside, and the
// button whose press passes the text through OnEllipsClick.
#include "grid/editing/inplace_edit_button.h"

#include "grid/editing/edit_session.h"
#include "grid/editing/editor_host.h"
#include "grid/foundation/input_settings.h"
#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/regional.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

bool IsEditorKey(WORD Key) {
  return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP ||
         Key == VK_DOWN;
}

bool IsDigit(TKeyChar c) { return c >= '0' && c <= '9'; }

bool CtrlDown() { return GetKeyState(VK_CONTROL) < 0; }

std::string Selection(const std::string& Text, int Start, int Length) { return Utf8Copy(Text, Start + 1, Length); }

// The kind's character rule on a typed character; false drops it (with a beep when asked).
bool FilterTyped(TCustomEdit& Edit, int Kind, TKeyChar& Ch) {
  bool beep = false;
  bool taken = EditBtnCharTaken(EditBtnFilterOf(Kind), Ch, Edit.Text(), Edit.SelStart(), Edit.SelLength(), CtrlDown(), beep);
  if (beep) MessageBeep(0);
  return taken;
}

// The button's event gives the editor its new text; false when the handler freed the editor.
bool TakeEllipsisValue(TEsgEditBtn& Edit, TGridEditorHost& Host) {
  HWND self = Edit.Handle();
  std::string value = Host.EllipsClick(Edit.Text());
  if (!IsWindow(self)) return false;
  Edit.SetText(value);
  Edit.SelectAll();
  Edit.Invalidate();
  return true;
}

void HideAndFocusGrid(TGridEditorHost& Host) {
  Host.HideInplaceEdit();
  if (Host.Window().CanFocus()) Host.Window().SetFocus();
}

}  // namespace

TEditBtnFilter EditBtnFilterOf(int EditorKind) {
  switch (static_cast<TEditorType>(EditorKind)) {
    case edEditBtn:
    case edMaskEditBtn:
    case edUnitEditBtn: return TEditBtnFilter::Plain;
    case edNumericEditBtn:
    case edNumericUnitEditBtn: return TEditBtnFilter::Numeric;
    case edFloatEditBtn:
    case edFloatUnitEditBtn: return TEditBtnFilter::Float;
    default: return TEditBtnFilter::None;
  }
}

bool EditBtnCharTaken(TEditBtnFilter Filter, TKeyChar& Ch, const std::string& Text, int SelStart, int SelLength,
                      bool Ctrl, bool& Beep) {
  Beep = false;
  bool editing = Ch == 8 || Ch == 9 || Ch == 13 || Ch == 27;
  bool hasMinus = Text.find('-') != std::string::npos;
  switch (Filter) {
    case TEditBtnFilter::Plain: return true;
    case TEditBtnFilter::None: return false;
    case TEditBtnFilter::Numeric:
      if (editing || IsDigit(Ch) || (Ch == '-' && !hasMinus && SelStart == 0)) return true;
      // Shortcuts (Ctrl+C, Ctrl+V ...) are the window's; they are neither typed nor beeped.
      if (Ch < 32 && Ctrl) return true;
      Beep = true;
      return false;
    case TEditBtnFilter::Float: {
      TFormatSettings fs = FormatSettings();
      auto ds = static_cast<TKeyChar>(fs.DecimalSeparator), gs = static_cast<TKeyChar>(fs.ThousandSeparator);
      bool candidate = editing || IsDigit(Ch) || Ch == ',' || Ch == '-' || Ch == '.';
      if (!candidate) return Ctrl;
      if (Ch == ds) {
        std::string sep(1, fs.DecimalSeparator);
        bool outside = Text.find(sep) != std::string::npos &&
                       Selection(Text, SelStart, SelLength).find(sep) == std::string::npos;
        return !outside;
      }
      if (Ch == gs) return false;
      if (Ch == '-') {
        bool ok = (SelStart == 0 && !hasMinus) || Selection(Text, SelStart, SelLength).find('-') != std::string::npos;
        Beep = !ok;
        return ok;
      }
      return true;
    }
  }
  return false;
}

TGridEditBtn::TGridEditBtn(TComponent* AOwner, TGridEditorHost& Host) : TEsgEditBtn(AOwner), FHost(&Host) {
  OnClickBtn = [this](TObject* Sender) { ButtonClick(Sender); };
}

void TGridEditBtn::ButtonClick(TObject* /*Sender*/) {
  if (TakeEllipsisValue(*this, *FHost) && FStopEditAfterClick) HideAndFocusGrid(*FHost);
}

void TGridEditBtn::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_WANTSPECIALKEY: {
      TEsgEditBtn::WndProc(Message);
      WORD key = static_cast<WORD>(Message.WParam);
      if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FHost->EditorHandlesTab())) Message.Result = 1;
      return;
    }
    case WM_CHAR: {
      auto ch = static_cast<TKeyChar>(Message.WParam);
      if (ch == 13 || ch == 9) {
        Message.Result = 1;
        return;
      }
      if (!FilterTyped(*this, FHost->Session().EditControl, ch)) return;
      Message.WParam = static_cast<WPARAM>(ch);
      break;
    }
    case WM_PASTE: WMPaste(); return;
    default: break;
  }
  TEsgEditBtn::WndProc(Message);
}

void TGridEditBtn::WMPaste() {
  TGridEditorHost& host = *FHost;
  bool allow = Clipboard().HasFormat(CF_TEXT);
  std::string pasted = allow ? Clipboard().AsText() : std::string();
  allow = host.ClipboardAllowed(this, WM_PASTE, allow);
  if (allow) allow = host.BeforePasteCell(this, pasted);
  if (!allow) return;
  // One line break closing the text is the copied cell's end, not part of the value.
  size_t lineBreak = pasted.find("\r\n");
  if (lineBreak != std::string::npos && lineBreak + 2 == pasted.size()) pasted.resize(lineBreak);
  int start = SelStart();
  bool replaced = SelLength() > 0;
  std::string text = Text();
  std::string result = Utf8Copy(text, 1, start) + pasted + Utf8Copy(text, start + SelLength() + 1, Utf8Length(text));
  SetText(result);
  host.SetEditText(host.Col(), host.Row(), result);
  if (replaced) {
    SetSelStart(start);
    SetSelLength(Utf8Length(pasted));
  } else {
    SetSelStart(start + Utf8Length(pasted));
  }
}

void TGridEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  TGridEditorHost& host = *FHost;
  TGridEditSession& session = host.Session();
  bool editorKey = IsEditorKey(Key);
  if (!editorKey) host.FireKeyDown(Key, Shift);
  FWorkMode = !(Key == VK_BACK || Key == VK_DELETE);
  FSelKeyDown = SelStart();
  if (Shift.Contains(ssCtrl) || !editorKey) {
    TEsgEditBtn::KeyDown(Key, Shift);
    return;
  }
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
  TEditorType kind = session.EditControl;
  bool tabValidates = Key == VK_TAB && host.EditorHandlesTab();
  // Tab that the editor handles is validated once, below.
  if ((Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN || Key == VK_TAB) && !tabValidates) {
    host.SetCurrentCell(Text());
    bool valid = host.ValidateCell(Text());
    SetText(session.NewCellText);
    if (!valid) {
      // The edit goes on in this editor, which stays the open one.
      session.EditMode = true;
      SelectAll();
      Invalidate();
      Key = 0;
      session.EditControl = kind;
      return;
    }
  }
  if (tabValidates) {
    host.SetCurrentCell(Text());
    if (!host.ValidateCell(Text())) {
      session.EditMode = true;
      SetText(session.NewCellText);
      SetSelStart(Utf8Length(Text()));
      Invalidate();
      Key = 0;
      return;
    }
    if (host.TabsMoveCells()) {
      HideAndFocusGrid(host);
      host.TabToNextCell(Shift.Contains(ssShift));
      Key = 0;
      return;
    }
    PostMessage(host.Window().Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_ESCAPE) SetText(session.CellCache);
  WORD key = Key;
  host.DoneInplaceEdit(key, Shift);
  Key = 0;
}

void TGridEditBtn::KeyUp(WORD& Key, TShiftState Shift) {
  TGridEditorHost& host = *FHost;
  HWND self = Handle();
  host.FireKeyUp(Key, Shift);
  if (!IsWindow(self)) return;
  bool plain = Shift * TShiftState{ssShift, ssCtrl, ssAlt} == TShiftState{};
  if (plain && SelLength() == 0 && host.Navigation().CursorWalkEditor()) {
    bool right = Key == VK_RIGHT && SelStart() == Utf8Length(Text());
    bool left = Key == VK_LEFT && FSelKeyDown == 0;
    if (right || left) {
      Key = 0;
      host.CursorWalk(right, Text(), true);
      return;
    }
  }
  if (Key != VK_RETURN) TEsgEditBtn::KeyUp(Key, Shift);
  if (IsWindow(self)) DoLookup();
}

void TGridEditBtn::DoLookup() {
  TGridEditorHost& host = *FHost;
  if (!FWorkMode || SelLength() != 0 || !host.Lookup()) return;
  TStringList& items = host.LookupItems();
  if (items.Count() == 0) return;
  bool caseSensitive = host.LookupCaseSensitive();
  std::string text = Text();
  int typedLength = SelStart();
  std::string typed = Utf8Copy(text, 1, typedLength);
  if (typed.empty()) return;
  std::string prefix = caseSensitive ? typed : AnsiUpperCase(typed);
  for (int i = 0; i < items.Count(); ++i) {
    std::string item = caseSensitive ? items[i] : AnsiUpperCase(items[i]);
    if (!item.starts_with(prefix)) continue;
    std::string completed = typed + Utf8Copy(items[i], typedLength + 1, 255);
    SetText(completed);
    SetSelStart(typedLength);
    SetSelLength(Utf8Length(completed) - typedLength);
    return;
  }
}

void TGridEditBtn::KeyPress(TKeyChar& Key) {
  FHost->FireKeyPress(&FHost->Window(), Key);
  if (Key != 9) TEsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::Change() {
  TEsgEditBtn::Change();
  FHost->FireEditChange(FHost->Col(), FHost->Row(), Text());
}

void TGridEditBtn::DblClick() {
  TEsgEditBtn::DblClick();
  FHost->FireDblClickCell();
}

void TGridEditBtn::DoExit() {
  FHost->HideInplaceEdit();
  TEsgEditBtn::DoExit();
}

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner, TGridEditorHost& Host) : TEsgUnitEditBtn(AOwner), FHost(&Host) {
  OnClickBtn = [this](TObject* Sender) { ButtonClick(Sender); };
}

void TGridUnitEditBtn::ButtonClick(TObject* /*Sender*/) { TakeEllipsisValue(*this, *FHost); }

void TGridUnitEditBtn::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_WANTSPECIALKEY: {
      TEsgUnitEditBtn::WndProc(Message);
      WORD key = static_cast<WORD>(Message.WParam);
      if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FHost->TabsMoveCells())) Message.Result = 1;
      return;
    }
    case WM_CHAR: {
      auto ch = static_cast<TKeyChar>(Message.WParam);
      if (ch == 13) {
        Message.Result = 0;
        return;
      }
      if (!FilterTyped(*this, FHost->Session().EditControl, ch)) return;
      Message.WParam = static_cast<WPARAM>(ch);
      break;
    }
    default: break;
  }
  TEsgUnitEditBtn::WndProc(Message);
}

void TGridUnitEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  if (!IsEditorKey(Key)) {
    TEsgUnitEditBtn::KeyDown(Key, Shift);
    return;
  }
  TGridEditorHost& host = *FHost;
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    host.SetCurrentCell(TextAndUnit());
    if (!host.ValidateCell(TextAndUnit())) {
      host.Session().EditMode = true;
      // The cell's text holds its unit: split again, so that the unit is not stored twice.
      std::string cell = host.CurrentCell();
      SetUnitID("");
      SetText(cell);
      SetTextAndUnit(cell);
      return;
    }
    SetTextAndUnit(host.CurrentCell());
  }
  if (host.Navigation().AdvanceOnEnter() && Key == VK_RETURN) {
    HideAndFocusGrid(host);
    Key = 0;
    host.AdvanceOnReturn();
    return;
  }
  if (Key == VK_TAB && host.TabsMoveCells()) {
    HideAndFocusGrid(host);
    host.TabToNextCell(Shift.Contains(ssShift));
    Key = 0;
    return;
  }
  if (Key == VK_ESCAPE) {
    SetUnitID("");
    SetText(host.CurrentCell());
  }
  WORD key = Key;
  host.DoneInplaceEdit(key, Shift);
  Key = 0;
}

void TGridUnitEditBtn::DoExit() {
  FHost->HideInplaceEdit();
  TEsgUnitEditBtn::DoExit();
}

}  // namespace hd

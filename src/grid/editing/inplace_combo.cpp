// The combo editor while it is open: the keys that end the edit (storing, validating and
// moving the grid), type-ahead, the wheel stepping through the items, and the change events
// it fires for the grid.
#include "grid/editing/inplace_combo.h"

#include <algorithm>

#include "grid/editing/edit_session.h"
#include "grid/editing/editor_host.h"
#include "grid/foundation/input_settings.h"
#include "platform/application.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

// Holds a flag of the grid's settings at a value for a scope.
template <class Get, class Set>
class THeld {
 public:
  THeld(Get get, Set set, bool value) : set_(set), old_(get()) { set_(value); }
  ~THeld() { set_(old_); }
  THeld(const THeld&) = delete;
  THeld& operator=(const THeld&) = delete;

 private:
  Set set_;
  bool old_;
};

}  // namespace

TGridCombo::TGridCombo(TComponent* AOwner, TGridEditorHost& Host) : TEsgComboBox(AOwner), FHost(&Host) {
  SetButtonWidth(16);
}

bool TGridCombo::IsEditorKey(WORD Key, TShiftState Shift) const {
  if (Key == VK_DOWN && Shift.Contains(ssAlt)) return false;
  if (Style() == csDropDownList || DroppedDown())
    return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_LEFT || Key == VK_RIGHT;
  return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
         Key == VK_END || Key == VK_UP || Key == VK_DOWN;
}

bool TGridCombo::HandleTab(WORD& Key, TShiftState Shift) {
  TGridEditorHost& host = *FHost;
  TGridEditSession& p = host.Session();
  host.SetCurrentCell(Text());
  if (!host.ValidateCell(Text())) {
    SetText(p.NewCellText);
    SetSelStart(Utf8Length(Text()));
    Invalidate();
    Key = 0;
    return false;
  }
  if (Style() == csDropDownList)
    SetItemIndex(Items().IndexOf(host.CurrentCell()));
  else
    SetText(host.CurrentCell());
  if (host.TabsMoveCells()) {
    host.HideInplaceEdit();
    if (host.Window().CanFocus()) host.Window().SetFocus();
    host.TabToNextCell(Shift.Contains(ssShift));
    Key = 0;
    return false;
  }
  PostMessage(host.Window().Handle(), WM_KEYDOWN, VK_TAB, 0);
  return true;
}

void TGridCombo::KeyDown(WORD& Key, TShiftState Shift) {
  TGridEditorHost& host = *FHost;
  TGridEditSession& p = host.Session();
  TNavigation& navigation = host.Navigation();
  bool editorKey = IsEditorKey(Key, Shift);
  FWorkMode = !(Key == VK_BACK || Key == VK_DELETE);
  if ((Key == VK_UP || Key == VK_DOWN) && !navigation.ComboGetUpDown() && !DroppedDown()) {
    host.HideInplaceEdit();
    {
      THeld held([&] { return navigation.AlwaysEdit(); }, [&](bool v) { navigation.SetAlwaysEdit(v); }, false);
      if (host.Window().CanFocus()) host.Window().SetFocus();
    }
    host.GridKeyDown(Key, Shift);
    Key = 0;
    return;
  }
  if (!editorKey) {
    TEsgComboBox::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) {
    std::string old = host.CurrentCell();
    int index = Items().IndexOf(old);
    if (Style() != csDropDownList) SetText(old);
    if (index >= 0) SetItemIndex(index);
    // Nothing is read back: a list whose items lack the cell's text would store an item.
    p.EditMode = false;
    p.Editing = false;
    host.ReadBackEditor();
    if (host.Window().CanFocus()) host.Window().SetFocus();
    Key = 0;
    return;
  }
  if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
    host.SetCurrentCell(Text());
    if (!host.ValidateCell(Text())) {
      SetText(p.NewCellText);
      if (Style() != csDropDownList) SelectAll();
      Invalidate();
      Key = 0;
      return;
    }
    if (Style() == csDropDownList) {
      int index = Items().IndexOf(host.CurrentCell());
      if (index >= 0) SetItemIndex(index);
    } else {
      SetText(host.CurrentCell());
    }
  }
  if (Key == VK_TAB) {
    if (!host.EditorHandlesTab()) return;
    if (!HandleTab(Key, Shift)) return;
  }
  if (Style() == csDropDownList || DroppedDown()) {
    {
      TMouseActions& actions = host.MouseActions();
      THeld held([&] { return actions.DirectComboClose(); }, [&](bool v) { actions.SetDirectComboClose(v); }, false);
      host.HideInplaceEdit();
    }
    if (Key == VK_LEFT || Key == VK_RIGHT) {
      if (host.Window().CanFocus()) host.Window().SetFocus();
      host.GridKeyDown(Key, Shift);
    }
    if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN)
      Key = 0;
  } else if (Key == VK_END) {
    TEsgComboBox::KeyDown(Key, Shift);
    return;
  }
  WORD key = Key;
  host.DoneInplaceEdit(key, Shift);
  if (navigation.AdvanceOnEnter() && navigation.AdvanceAutoEdit() && key == VK_RETURN) host.ShowInplaceEdit();
  Key = 0;
}

void TGridCombo::KeyPress(TKeyChar& Key) {
  TGridEditorHost& host = *FHost;
  int before = ItemIndex();
  host.FireKeyPress(this, Key);
  if (Key == 27) Key = 0;
  if (Key == 13 && OnReturnKey) OnReturnKey(this);
  if (Key == 13 || Key == 9) Key = 0;
  // A selection the platform's own search makes is reported through its notification.
  TEsgComboBox::KeyPress(Key);
  (void)before;
}

void TGridCombo::KeyUp(WORD& Key, TShiftState Shift) {
  HWND self = Handle();
  TGridEditorHost& host = *FHost;
  if (Style() == csDropDown && host.Navigation().CursorWalkEditor() && SelLength() == 0 && Shift.Empty()) {
    bool left = Key == VK_LEFT && SelStart() == 0;
    bool right = Key == VK_RIGHT && SelStart() == Utf8Length(Text());
    if (left || right) {
      Key = 0;
      host.CursorWalk(right, Text(), true);
      return;
    }
  }
  if (Key != VK_RETURN) TEsgComboBox::KeyUp(Key, Shift);
  if (IsWindow(self)) DoChange();
}

void TGridCombo::DoChange() {
  TGridEditorHost& host = *FHost;
  if (!FWorkMode || !host.Lookup()) return;
  bool caseSensitive = host.LookupCaseSensitive();
  std::string typed = Utf8Copy(Text(), 1, SelStart());
  if (typed.empty()) return;
  std::string prefix = caseSensitive ? typed : AnsiUpperCase(typed);
  int length = Utf8Length(typed);
  auto find = [&](const TStringList& list) {
    for (int i = 0; i < list.Count(); ++i) {
      std::string item = caseSensitive ? list[i] : AnsiUpperCase(list[i]);
      if (item.starts_with(prefix)) return i;
    }
    return -1;
  };
  auto complete = [&](const std::string& item) {
    std::string text = typed + Utf8Copy(item, length + 1, 255);
    SetText(text);
    SetSelStart(length);
    SetSelLength(Utf8Length(text) - length);
  };
  if (int i = find(Items()); i >= 0) {
    // The item first: selecting it shows its text, which the typed characters then replace.
    SetItemIndex(i);
    complete(Items()[i]);
    return;
  }
  if (int i = find(host.LookupItems()); i >= 0) complete(host.LookupItems()[i]);
}

void TGridCombo::MouseWheelStep(bool Down) {
  int index = ItemIndex();
  if (Down) {
    if (index < Items().Count() - 1) SetItemIndex(index + 1);
  } else if (index > 0) {
    SetItemIndex(index - 1);
  }
  TGridEditorHost& host = *FHost;
  index = ItemIndex();
  std::string selection = index >= 0 ? Items()[index] : std::string();
  host.FireEditChange(host.RealColIndex(host.Col()), host.Row(), selection);
  host.FireComboChange(index, selection, index >= 0 ? Items().Objects(index) : nullptr);
}

void TGridCombo::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEWHEEL:
      MouseWheelStep(static_cast<short>(HIWORD(Message.WParam)) < 0);
      Message.Result = 0;
      return;
    case CM_WANTSPECIALKEY: {
      TEsgComboBox::WndProc(Message);
      WORD key = static_cast<WORD>(Message.WParam);
      if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FHost->EditorHandlesTab())) Message.Result = 1;
      return;
    }
    case WM_SETFOCUS: {
      TEsgComboBox::WndProc(Message);
      TGridEditSession& p = FHost->Session();
      if (!FHost->Navigation().EditSelectAll() && Style() == csDropDown) {
        SetSelStart(Utf8Length(Text()));
        SetSelLength(0);
      }
      // A click opened the combo: the caret goes where the mouse is.
      if (p.LButFlg) {
        TPoint mouse = ScreenToClient(GetCursorPos());
        if (mouse.X >= 0 && mouse.Y >= 0 && mouse.X <= Width() && mouse.Y <= Height()) {
          LRESULT at = Perform(EM_CHARFROMPOS, 0, MAKELPARAM(mouse.X, mouse.Y));
          if (at >= 0) {
            SetSelStart(LOWORD(at));
            SetSelLength(0);
          }
        }
      }
      // Cleared in every case, so that a later editor opened by the keyboard does not take it.
      p.LButFlg = false;
      return;
    }
    default: TEsgComboBox::WndProc(Message);
  }
}

void TGridCombo::Change() {
  TEsgComboBox::Change();
  TGridEditorHost& host = *FHost;
  host.FireEditChange(host.Col(), host.Row(), Text());
}

void TGridCombo::DoExit() {
  TGridEditorHost& host = *FHost;
  if (host.LookupHistory() && !Text().empty() && Items().IndexOf(Text()) < 0) Items().Add(Text());
  host.HideInplaceEdit();
  TEsgComboBox::DoExit();
}

void TGridCombo::SizeDropDownWidth() {
  int w = Width();
  bool scrolls = Items().Count() > DropDownCount();
  TCanvas& canvas = Canvas();
  for (int i = 0; i < Items().Count(); ++i) {
    int t = canvas.TextWidth(Items()[i]);
    if (scrolls && t > w - 25) w = t + 25;
    if (!scrolls && t > w - 5) w = t + 8;
  }
  Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(w));
}

}  // namespace hd

#include <algorithm>

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/timers.h"

namespace hd {

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  MarkDestroying();
  if (track_) KillTimer(Handle(), kScrollRepeatTimerId);
  // Leave the parent while this is still a windowed control: from ~TControl on, the parent
  // could no longer tell, and would keep it in its tab order and its form in its focus.
  if (TWinControl* parent = Parent()) parent->RemoveControl(this);
  // Children still parented here go with us, last first.
  while (!controls_.empty()) {
    TControl* c = controls_.back();
    RemoveControl(c);
    delete c;
  }
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowInvisible) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if ((c->Visible() || allowInvisible) && (c->Enabled() || allowDisabled) && c->BoundsRect().Contains(p)) return c;
  }
  return nullptr;
}

int TWinControl::TabOrder() const {
  TWinControl* p = Parent();
  if (!p) return -1;
  auto& list = p->tab_list_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  TWinControl* p = Parent();
  if (!p) return;
  auto& list = p->tab_list_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* c : tab_list_) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  int count = static_cast<int>(list.size());
  auto found = std::find(list.begin(), list.end(), current);
  int start = found == list.end() ? (goForward ? count - 1 : 0) : static_cast<int>(found - list.begin());
  int i = start;
  do {
    if (goForward) {
      if (++i == count) i = 0;
    } else {
      if (i == 0) i = count;
      --i;
    }
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c->CanFocus() && (!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this)) return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}

void TWinControl::SelectFirst() {
  if (TWinControl* first = FindNextControl(nullptr, true, true, false)) first->SetFocus();
}

bool TWinControl::CanFocus() const {
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  for (const TControl* c = this; c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return form->Visible() && form->Enabled() && !form->BlockedByModal();
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) {
    form->FocusControl(this);
    return;
  }
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  hd::SetFocus(Handle());
}

void TWinControl::Broadcast(TMessage& m) {
  // Handlers may add or remove controls; walk a copy and skip the ones that went away.
  std::vector<HWND> handles;
  handles.reserve(controls_.size());
  for (TControl* c : controls_) handles.push_back(c->Handle());
  for (HWND h : handles) {
    auto* c = dynamic_cast<TControl*>(FindWindowTarget(h));
    if (!c) continue;
    c->WindowProc(m);
    if (m.Result != 0) return;
  }
}

void TWinControl::EnableAlign() {
  if (align_disabled_ > 0 && --align_disabled_ == 0 && align_pending_) Realign();
}

void TWinControl::Realign() {
  if (align_disabled_ > 0) {
    align_pending_ = true;
    return;
  }
  align_pending_ = false;
  ++align_disabled_;
  TRect r = ClientRect();
  AlignControls(r);
  --align_disabled_;
}

void TWinControl::AlignControls(TRect& r) {
  const TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
  for (TAlign kind : order) {
    std::vector<TControl*> list;
    for (TControl* c : controls_)
      if (c->Align() == kind && c->Visible()) list.push_back(c);
    std::stable_sort(list.begin(), list.end(), [kind](TControl* a, TControl* b) {
      switch (kind) {
        case alTop: return a->Top() < b->Top();
        case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft: return a->Left() < b->Left();
        case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
      }
    });
    for (TControl* c : list) {
      int w = c->Width(), h = c->Height();
      switch (kind) {
        case alTop: c->SetBounds(r.Left, r.Top, r.Width(), h); r.Top += h; break;
        case alBottom: c->SetBounds(r.Left, r.Bottom - h, r.Width(), h); r.Bottom -= h; break;
        case alLeft: c->SetBounds(r.Left, r.Top, w, r.Height()); r.Left += w; break;
        case alRight: c->SetBounds(r.Right - w, r.Top, w, r.Height()); r.Right -= w; break;
        case alClient: c->SetBounds(r.Left, r.Top, r.Width(), r.Height()); break;
        default: break;
      }
    }
  }
}

void TWinControl::BoundsChanged(int oldCw, int oldCh) {
  int dx = ClientWidth() - oldCw, dy = ClientHeight() - oldCh;
  if (dx != 0 || dy != 0) {
    DisableAlign();
    for (TControl* c : controls_) {
      if (c->Align() != alNone) continue;
      TAnchors a = c->Anchors();
      int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
      if (a.Contains(akRight)) {
        if (a.Contains(akLeft)) w += dx; else l += dx;
      } else if (!a.Contains(akLeft)) {
        l += dx / 2;
      }
      if (a.Contains(akBottom)) {
        if (a.Contains(akTop)) h += dy; else t += dy;
      } else if (!a.Contains(akTop)) {
        t += dy / 2;
      }
      c->SetBounds(l, t, w, h);
    }
    align_pending_ = true;
    EnableAlign();
  }
}

void TWinControl::InsertControl(TControl* c) {
  controls_.push_back(c);
  if (auto* w = dynamic_cast<TWinControl*>(c)) tab_list_.push_back(w);
  c->parent_ = this;
  c->NativeSetParent();
  if (auto* w = dynamic_cast<TWinControl*>(c); w && handle_allocated_ && w->Visible()) w->HandleNeeded();
  if (c->parent_color_) c->ParentColorChanged(Color());
  if (c->parent_font_) c->ParentFontChanged(Font());
  if (c->Align() != alNone) Realign();
  ControlsChanged(c, true);
}

void TWinControl::RemoveControl(TControl* c) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    tab_list_.erase(std::remove(tab_list_.begin(), tab_list_.end(), w), tab_list_.end());
    // Out of the lists first: a control being freed must hear nothing of the focus it loses.
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(w, true);
  }
  c->parent_ = nullptr;
  c->NativeSetParent();
  if (c->Align() != alNone && !Destroying()) Realign();
  if (!Destroying()) ControlsChanged(c, false);
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS: {
      // The form's exit, enter and activation notifications run inside the new window's
      // WM_SETFOCUS; when one of them moved the focus elsewhere, this window stops here.
      TCustomForm* form = GetParentForm(this);
      if (form && !form->SetFocusedControl(this)) return;
      break;
    }
    default:
      break;
  }
  TControl::WndProc(m);
}

void TWinControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      HandleCNKeyDown(m);
      break;
    case CN_KEYUP:
    case CN_SYSKEYUP:
      m.Result = 0;
      break;
    case CN_CHAR: {
      m.Result = 0;
      if ((Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0)
        if (TCustomForm* form = GetParentForm(this)) m.Result = form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0;
      break;
    }
    case CN_SYSCHAR: {
      // Alt+letter: the accelerators of the form's controls.
      m.Result = 0;
      if (TCustomForm* form = GetParentForm(this)) m.Result = form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0;
      break;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      HWND self = Handle();
      int vk = static_cast<int>(m.WParam);
      if (DoKeyDown(m)) break;
      DefaultHandler(m);
      // The menu key and Shift+F10 ask for the context menu, at no point (LParam -1).
      bool shiftOnly = KeyboardStateToShiftState() * TShiftState{ssShift, ssCtrl, ssAlt} == TShiftState{ssShift};
      if (IsWindow(self) && (vk == VK_APPS || (vk == VK_F10 && shiftOnly))) Perform(WM_CONTEXTMENU, self, -1);
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (!DoKeyUp(m)) DefaultHandler(m);
      break;
    case WM_CHAR:
      if (!DoKeyPress(m)) DefaultHandler(m);
      break;
    case CM_ENTER:
      DoEnter();
      break;
    case CM_EXIT:
      DoExit();
      break;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
      Broadcast(m);
      break;
    case CM_CHILDKEY:
      m.Result = Parent() ? Parent()->Perform(CM_CHILDKEY, m.WParam, m.LParam) : 0;
      break;
    case WM_COMMAND: {
      // A child's notification goes back to the child, reflected once.
      auto child = static_cast<HWND>(m.LParam);
      if (child != 0 && child != Handle() && IsWindow(child))
        m.Result = SendMessage(child, CN_COMMAND, m.WParam, m.LParam);
      else
        DefaultHandler(m);
      break;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONUP:
      if (!HandleNonClientMouse(m)) TControl::Dispatch(m);
      break;
    case WM_CAPTURECHANGED:
      // Losing the mouse ends the bar input as a release would.
      if (track_ && static_cast<HWND>(m.LParam) != Handle()) ScrollBarRelease();
      TControl::Dispatch(m);
      break;
    case WM_TIMER:
      if (m.WParam == kScrollRepeatTimerId && track_) {
        ScrollBarRepeat();
        break;
      }
      TControl::Dispatch(m);
      break;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
      if (hdr && hdr->hwndFrom != Handle() && IsWindow(hdr->hwndFrom))
        m.Result = SendMessage(hdr->hwndFrom, CN_NOTIFY, m.WParam, m.LParam);
      else
        DefaultHandler(m);
      break;
    }
    default:
      TControl::Dispatch(m);
  }
}

void TWinControl::HandleCNKeyDown(TMessage& m) {
  HWND self = Handle();
  m.Result = 1;
  if (Perform(CM_CHILDKEY, m.WParam, reinterpret_cast<LPARAM>(this)) != 0 || !IsWindow(self)) return;
  LRESULT mask = 0;
  switch (static_cast<int>(m.WParam)) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN: case VK_ESCAPE: case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: break;
  }
  if (mask != 0 && Perform(CM_WANTSPECIALKEY, m.WParam, 0) == 0 && IsWindow(self) &&
      (Perform(WM_GETDLGCODE) & mask) == 0 && IsWindow(self)) {
    if (TCustomForm* form = GetParentForm(this))
      if (form->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0) return;
  }
  m.Result = 0;
}

bool TWinControl::DoKeyDown(TMessage& m) {
  HWND self = Handle();
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyDown(m)) return true;
  if (!IsWindow(self)) return true;
  if (!control_style_.Contains(csNoStdEvents)) {
    WORD key = static_cast<WORD>(m.WParam);
    KeyDown(key, KeyDataToShiftState(m.LParam));
    m.WParam = key;
    if (key == 0 || !IsWindow(self)) return true;
  }
  return false;
}

bool TWinControl::DoKeyUp(TMessage& m) {
  HWND self = Handle();
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyUp(m)) return true;
  if (!IsWindow(self)) return true;
  if (!control_style_.Contains(csNoStdEvents)) {
    WORD key = static_cast<WORD>(m.WParam);
    KeyUp(key, KeyDataToShiftState(m.LParam));
    m.WParam = key;
    if (key == 0 || !IsWindow(self)) return true;
  }
  return false;
}

bool TWinControl::DoKeyPress(TMessage& m) {
  HWND self = Handle();
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyPress(m)) return true;
  if (!IsWindow(self)) return true;
  if (!control_style_.Contains(csNoStdEvents)) {
    TKeyChar ch = static_cast<TKeyChar>(m.WParam);
    KeyPress(ch);
    m.WParam = ch;
    if (ch == 0 || !IsWindow(self)) return true;
  }
  return false;
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(TKeyChar& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

}  // namespace hd

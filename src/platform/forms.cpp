#include "platform/forms.h"

#include <algorithm>
#include <utility>

#include "platform/application.h"
#include "platform/modal_loop.h"
#include "platform/native_bridge_p.h"
#include "platform/top_level_p.h"

namespace hd {
namespace {

// The focus model serves SetFocus(HWND) for the whole layer.
const bool kFocusHookInstalled = [] {
  MessageHooks().SetFocus = [](HWND h) { return TScreen::FocusWindow(h); };
  return true;
}();

bool ContainsWindow(const TWinControl* control, HWND h) {
  auto* c = dynamic_cast<TControl*>(FindWindowTarget(h));
  return c && control->ContainsControl(c);
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  (void)kFocusHookInstalled;
  SetVisibleFlag(false);
  control_style_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetParentColor(false);
  SetParentFont(false);
  color_ = clBtnFace;
  AttachNative(CreateFormWindow(this));
  NativeSetFormStyle(this);
  FrameMetrics f = Frame();
  SetBounds(0, 0, 320 + f.left + f.right, 240 + f.top + f.bottom);
  Screen().AddForm(this);
}

TCustomForm::~TCustomForm() {
  MarkDestroying();
  StopSizing();
  auto& scr = Screen();
  scr.RemoveForm(this);
  // Popups of this form stay, on their own.
  for (TCustomForm* f : scr.forms_)
    if (f->popup_parent_ == this) f->SetPopupParent(nullptr);
  if (scr.focused_form_ == this) scr.focused_form_ = nullptr;
}

void TCustomForm::AfterConstruction() {
  if (created_) return;
  created_ = true;
  DoCreate();
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

TCustomForm::FrameMetrics TCustomForm::Frame() const {
  switch (border_style_) {
    case bsNone: return {0, 0, 0, 0};
    case bsSingle:
    case bsDialog: return {3, 26, 3, 3};
    case bsToolWindow: return {3, 22, 3, 3};
    case bsSizeToolWin: return {8, 27, 8, 8};
    case bsSizeable: break;
  }
  return {8, 31, 8, 8};
}

int TCustomForm::ClientWidth() const {
  FrameMetrics f = Frame();
  return std::max(0, Width() - f.left - f.right);
}

int TCustomForm::ClientHeight() const {
  FrameMetrics f = Frame();
  return std::max(0, Height() - f.top - f.bottom);
}

void TCustomForm::SetClientSize(int w, int h) {
  FrameMetrics f = Frame();
  SetBounds(Left(), Top(), w + f.left + f.right, h + f.top + f.bottom);
}

TPoint TCustomForm::ClientOrigin() const {
  FrameMetrics f = Frame();
  return {Left() + f.left, Top() + f.top};
}

void TCustomForm::SetBorderStyle(TFormBorderStyle s) {
  if (s == border_style_) return;
  int cw = ClientWidth(), ch = ClientHeight();
  border_style_ = s;
  NativeSetFormStyle(this);
  SetClientSize(cw, ch);
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  border_icons_ = icons;
  NativeSetFormStyle(this);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (active_control_ == control) return;
  if (control && !(control != this && GetParentForm(control) == this && control->CanFocus()))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  active_control_ = control;
  if (active_) hd::SetFocus(control ? control->Handle() : Handle());
}

void TCustomForm::FocusControl(TWinControl* control) {
  bool wasActive = active_;
  SetActiveControl(control);
  if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus() {
  if (active_) return;
  if (!Visible() || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  TWinControl* target = active_control_ && active_control_->CanFocus() ? active_control_ : this;
  hd::SetFocus(target->Handle());
  NativeActivateForm(this);
}

void TCustomForm::ActivateForm() {
  if (!Visible() || BlockedByModal()) return;
  TWinControl* target = nullptr;
  if (active_control_ && active_control_->CanFocus())
    target = active_control_;
  else
    target = FindNextControl(nullptr, true, true, false);
  if (!target) target = this;
  hd::SetFocus(target->Handle());
  NativeActivateForm(this);
}

void TCustomForm::FitIntoWorkArea() {
  if (!fit_to_work_area_) return;
  MONITORINFO info;
  if (!GetMonitorInfo(MonitorFromRect(BoundsRect(), MONITOR_DEFAULTTONEAREST), info)) return;
  const TRect& work = info.rcWork;
  if (work.Width() <= 0 || work.Height() <= 0) return;
  if (Width() <= work.Width() && Height() <= work.Height()) return;
  // Larger than the work area, its far edge (its scroll bars, its close box) could never be
  // reached: it shrinks to the area and moves into it; what it holds scrolls.
  const int w = std::min(Width(), work.Width()), h = std::min(Height(), work.Height());
  const int x = std::clamp(Left(), work.Left, work.Right - w), y = std::clamp(Top(), work.Top, work.Bottom - h);
  SetBounds(x, y, w, h);
}

void TCustomForm::ApplyPosition() {
  FitIntoWorkArea();
  TCustomForm* main = Application().MainForm();
  TPoint at{(Screen().Width() - Width()) / 2, (Screen().Height() - Height()) / 2};
  switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
      break;
    case poMainFormCenter:
    case poOwnerFormCenter:
      if (main && main != this && main->Visible())
        at = {main->Left() + (main->Width() - Width()) / 2, main->Top() + (main->Height() - Height()) / 2};
      break;
    default:
      return;
  }
  // A window centred past the work area's edge keeps its title bar on it, like the platform's.
  const TRect work = Screen().WorkAreaRect();
  SetBounds(std::max(std::min(at.X, work.Right - Width()), work.Left),
            std::max(std::min(at.Y, work.Bottom - Height()), work.Top), Width(), Height());
}

void TCustomForm::SetVisible(bool v) {
  if (v == Visible()) return;
  HWND self = Handle();
  if (v) {
    // The form's window and those of its visible controls exist from its first showing on.
    HandleNeeded();
    ApplyPosition();
    SetVisibleFlag(true);
    try {
      DoShow();
    } catch (...) {
      if (IsWindow(self)) NativeSetVisible();
      throw;
    }
    if (!IsWindow(self) || !Visible()) return;
    NativeSetVisible();
    Perform(CM_VISIBLECHANGED, 1);
    if (IsWindow(self)) ShowingChanged();
    if (IsWindow(self) && !show_no_activate_) ActivateForm();
    return;
  }
  bool hadFocus = ContainsWindow(this, GetFocus());
  DoHide();
  if (!IsWindow(self)) return;
  SetVisibleFlag(false);
  NativeSetVisible();
  Perform(CM_VISIBLECHANGED, 0);
  if (IsWindow(self)) ShowingChanged();
  if (!IsWindow(self) || modal_ || !hadFocus) return;
  // The form that was active before takes over, as the platform activates the next window.
  if (TCustomForm* next = Screen().LastActiveVisible(this))
    next->ActivateForm();
  else
    hd::SetFocus(0);
}

void TCustomForm::Close() {
  if (modal_) {
    modal_result_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  HWND self = Handle();
  DoClose(action);
  if (!IsWindow(self) || action == caNone) return;
  if (Application().MainForm() == this)
    Application().Terminate();
  else if (action == caHide || action == caMinimize)
    Hide();
  else
    Release();
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Release() { PostMessage(Handle(), CM_RELEASE); }

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  HWND self = Handle();
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (!IsWindow(self)) return;
  if (action == caNone)
    modal_result_ = mrNone;
  else if (action == caFree)
    Release();
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND cap = GetCapture()) {
    SendMessage(cap, WM_CANCELMODE);
    ReleaseCapture();
  }
  HWND self = Handle();
  TCustomForm* previous = Screen().ActiveForm();
  HWND previousHandle = previous ? previous->Handle() : 0;
  std::vector<HWND> blocked;
  for (TCustomForm* f : Screen().forms_) {
    if (f == this) continue;
    ++f->modal_blocks_;
    blocked.push_back(f->Handle());
  }
  modal_ = true;
  NativeSetModal(this, true);
  auto unblock = [&] {
    for (HWND h : blocked)
      if (auto* f = dynamic_cast<TCustomForm*>(FindWindowTarget(h))) --f->modal_blocks_;
    if (IsWindow(self)) {
      modal_ = false;
      NativeSetModal(this, false);
    }
  };
  TModalResult result = mrCancel;
  try {
    modal_result_ = mrNone;
    Show();
    modal_result_ = mrNone;
    while (IsWindow(self)) {
      TModalLoop loop{TModalKind::Form, this,
                      [this, self] { return !IsWindow(self) || modal_result_ != mrNone || Application().Terminated(); },
                      [this, self] { if (IsWindow(self)) modal_result_ = mrCancel; }};
      RunModalLoop(loop);
      if (!IsWindow(self)) break;
      if (Application().Terminated()) {
        modal_result_ = mrCancel;
        break;
      }
      CloseModal();
      if (!IsWindow(self) || modal_result_ != mrNone) break;
    }
    if (IsWindow(self)) {
      result = modal_result_;
      // The modal form hears that it is no longer active before it hides.
      if (Screen().focused_form_ == this) {
        Screen().focused_form_ = nullptr;
        SendMessage(self, WM_NCACTIVATE, 0);
        if (IsWindow(self)) SendMessage(self, WM_ACTIVATE, WA_INACTIVE, 0);
        if (IsWindow(self)) SendMessage(self, CM_DEACTIVATE);
      }
      if (IsWindow(self)) Hide();
    }
  } catch (...) {
    if (IsWindow(self) && Visible()) {
      SetVisibleFlag(false);
      NativeSetVisible();
    }
    unblock();
    throw;
  }
  unblock();
  if (auto* prev = dynamic_cast<TCustomForm*>(FindWindowTarget(previousHandle)); prev && prev->Visible())
    prev->ActivateForm();
  else if (auto* next = Screen().LastActiveVisible(nullptr))
    next->ActivateForm();
  else if (IsWindow(self) && ContainsWindow(this, GetFocus()))
    hd::SetFocus(0);
  return result;
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  auto& scr = Screen();
  int count = ++scr.focus_count_;
  if (control != this)
    active_control_ = control;
  else
    active_control_ = nullptr;
  // Each notification may move the focus itself; then this one is stale and stops.
  auto send = [&](HWND h, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
    SendMessage(h, msg, wp, lp);
    return scr.focus_count_ == count;
  };
  if (scr.focused_form_ != this) {
    // The form losing the activation learns which window takes it (a popup keeps open for a
    // window it owns); the one taking it learns which window had it.
    HWND self = Handle();
    HWND before = 0;
    if (TCustomForm* old = scr.focused_form_) {
      before = old->Handle();
      scr.focused_form_ = nullptr;
      if (!send(before, WM_NCACTIVATE, 0) || !send(before, WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(self)) ||
          !send(before, CM_DEACTIVATE))
        return false;
    }
    scr.focused_form_ = this;
    scr.NoteActivated(this);
    if (!send(self, WM_NCACTIVATE, 1) || !send(self, WM_ACTIVATE, WA_ACTIVE, static_cast<LPARAM>(before)) ||
        !send(self, CM_ACTIVATE))
      return false;
  }
  if (!focused_control_) focused_control_ = this;
  if (focused_control_ != control) {
    while (focused_control_ && !focused_control_->ContainsControl(control)) {
      HWND h = focused_control_->Handle();
      focused_control_ = focused_control_->Parent();
      if (!send(h, CM_EXIT)) return false;
    }
    while (focused_control_ && focused_control_ != control) {
      TWinControl* step = control;
      while (step->Parent() != focused_control_) step = step->Parent();
      focused_control_ = step;
      if (!send(step->Handle(), CM_ENTER)) return false;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
  }
  return true;
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
  if (removing && focused_control_ && control->ContainsControl(focused_control_))
    focused_control_ = control->Parent();
  bool focusInside = ContainsWindow(control, GetFocus());
  if (active_control_ && control->ContainsControl(active_control_)) active_control_ = nullptr;
  if (!focusInside) return;
  if (removing) {
    // The window is going away: it gets no more messages.
    SetFocusHandle(0);
    if (ContainsWindow(control, FocusNotifiedWindow())) SetFocusNotifiedWindow(0);
    if (active_ && CanFocus()) hd::SetFocus(Handle());
  } else if (CanFocus()) {
    hd::SetFocus(Handle());
  } else {
    hd::SetFocus(0);
  }
}

void TCustomForm::HandleDialogKey(TMessage& m) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (static_cast<int>(m.WParam)) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(active_control_, GetKeyState(VK_SHIFT) >= 0, true);
          m.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (active_control_ && active_control_->Parent()) {
          bool forward = m.WParam == VK_RIGHT || m.WParam == VK_DOWN;
          active_control_->Parent()->SelectNext(active_control_, forward, false);
          m.Result = 1;
        }
        return;
      default:
        break;
    }
  }
  TWinControl::Dispatch(m);
}

void TCustomForm::Dispatch(TMessage& m) {
  if (HandleSizing(m)) return;
  switch (m.Msg) {
    case WM_NCACTIVATE:
      caption_active_ = m.WParam != 0;
      m.Result = 1;
      break;
    case WM_CLOSE:
      Close();
      break;
    case CM_ACTIVATE:
      active_ = true;
      Activate();
      break;
    case CM_DEACTIVATE:
      active_ = false;
      Deactivate();
      break;
    case CM_DIALOGKEY:
      HandleDialogKey(m);
      break;
    case CM_RELEASE: {
      // The form hides before it hears that it goes, so that the form active before it takes
      // the focus back, as when the platform destroys the active window.
      HWND self = Handle();
      if (Visible()) Hide();
      if (!IsWindow(self)) break;
      if (OnDestroy) {
        TNotifyEvent handler = OnDestroy;
        OnDestroy = nullptr;
        handler(this);
      }
      ReleaseAfterDispatch();
      break;
    }
    default:
      TWinControl::Dispatch(m);
  }
}

TWinControl* TScreen::ActiveControl() const { return focused_form_ ? focused_form_->ActiveControl() : nullptr; }



std::vector<TCustomForm*> TScreen::VisibleFormsInZOrder() const {
  std::vector<TCustomForm*> out;
  for (auto it = activation_order_.rbegin(); it != activation_order_.rend(); ++it)
    if ((*it)->Visible()) out.push_back(*it);
  for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
    if ((*it)->Visible() && std::find(out.begin(), out.end(), *it) == out.end()) out.push_back(*it);
  // Topmost forms lie above the others, and a popup above the form that owns it.
  std::stable_partition(out.begin(), out.end(), [](TCustomForm* f) { return IsTopmostForm(f); });
  for (size_t i = 0; i < out.size(); ++i) {
    TCustomForm* owner = out[i]->PopupParent();
    auto at = std::find(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(i), owner);
    if (owner && at != out.begin() + static_cast<std::ptrdiff_t>(i)) {
      TCustomForm* popup = out[i];
      out.erase(out.begin() + static_cast<std::ptrdiff_t>(i));
      out.insert(at, popup);
    }
  }
  return out;
}

void TScreen::RemoveForm(TCustomForm* f) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
  activation_order_.erase(std::remove(activation_order_.begin(), activation_order_.end(), f), activation_order_.end());
}

void TScreen::NoteActivated(TCustomForm* f) {
  activation_order_.erase(std::remove(activation_order_.begin(), activation_order_.end(), f), activation_order_.end());
  activation_order_.push_back(f);
}

TCustomForm* TScreen::LastActiveVisible(const TCustomForm* except) const {
  for (auto it = activation_order_.rbegin(); it != activation_order_.rend(); ++it)
    if (*it != except && (*it)->Visible() && !(*it)->BlockedByModal()) return *it;
  for (TCustomForm* f : forms_)
    if (f != except && f->Visible() && !f->BlockedByModal()) return f;
  return nullptr;
}

HWND TScreen::FocusWindow(HWND h) {
  auto& scr = Screen();
  HWND old = GetFocus();
  if (h == 0) {
    MoveFocusWithMessages(0);
    if (TCustomForm* f = scr.focused_form_) {
      scr.focused_form_ = nullptr;
      HWND fh = f->Handle();
      SendMessage(fh, WM_NCACTIVATE, 0);
      if (IsWindow(fh)) SendMessage(fh, WM_ACTIVATE, WA_INACTIVE, 0);
      if (IsWindow(fh)) SendMessage(fh, CM_DEACTIVATE);
    }
    NativeFocusChanged(GetFocus());
    return old;
  }
  auto* control = dynamic_cast<TWinControl*>(FindWindowTarget(h));
  if (!control || !control->CanFocus()) return 0;
  if (old == h) return old;
  // A press that its form answered with MA_NOACTIVATE leaves the focus where it is.
  if (HWND held = NoActivateForm()) {
    TCustomForm* form = GetParentForm(control);
    if (form && form->Handle() == held && form != scr.focused_form_) return 0;
  }
  // The focus changes first; the old window hears of it, then the new one, unless the old
  // one's handler moved the focus again.
  MoveFocusWithMessages(h);
  NativeFocusChanged(GetFocus());
  return old;
}

TScreen& Screen() {
  static TScreen* screen = new TScreen;
  return *screen;
}

}  // namespace hd

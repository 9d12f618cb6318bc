#include "app/lb_button.h"
#include "platform/std_ctrls.h"
#include "platform/sysutils.h"
#include "platform/ext_ctrls.h"
#include "platform/timers.h"

namespace hd {
namespace {

bool IsPressKey(WORD key) { return key == VK_RETURN || key == VK_SPACE; }

// The first form up the owner chain.
TCustomForm* OwningForm(const TComponent* c) {
  for (TComponent* o = c->Owner(); o; o = o->Owner())
    if (auto* form = dynamic_cast<TCustomForm*>(o)) return form;
  return nullptr;
}

// A push button of any kind; radio buttons are not.
bool IsButtonClass(const TControl* c) {
  const std::string name = UpperCase(c->ClassName());
  return name.find("BUTTON") != std::string::npos && name.find("RADIOBUTTON") == std::string::npos;
}

}  // namespace

bool TLbButton::ParentShowing() const { return Parent() && Parent()->Showing(); }

void TLbButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && Enabled()) {
    bDown = true;
    if (CanFocus()) SetFocus();
    Repaint();
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TLbButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  // Wherever the pointer is now: the button holds the capture while pressed.
  const HWND self = Handle();
  if (bDown) Click();
  if (!IsWindow(self)) return;
  bDown = false;
  Repaint();
  TCustomControl::MouseUp(button, shift, x, y);
}

void TLbButton::KeyDown(WORD& key, TShiftState shift) {
  if (IsPressKey(key) && Enabled()) {
    bDown = true;
    Repaint();
  }
  TCustomControl::KeyDown(key, shift);
}

void TLbButton::KeyUp(WORD& key, TShiftState shift) {
  // Only a key this button saw go down: the key up that follows a dialog closing on Enter
  // lands on the button that opened the dialog and must not open it again.
  const HWND self = Handle();
  if (IsPressKey(key) && bDown) Click();
  if (!IsWindow(self)) return;
  Repaint();
  TCustomControl::KeyUp(key, shift);
}

void TLbButton::Click() {
  bDown = true;
  DoButtonClick();
  // The control's own click would only fire OnClick a second time.
}

void TLbButton::DoButtonClick() {
  if (!Visible() || !Enabled() || !bDown) return;
  bDown = false;
  const HWND self = Handle();
  if (OnClick) OnClick(this);
  // The handler may have freed the button with its form.
  if (!IsWindow(self)) return;
  if (FModalResult != mrNone)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
}

bool TLbButton::DialogChar(TMessage& m) {
  if (!Visible() || !Enabled() || !ParentShowing()) return false;
  if (!IsAccel(static_cast<TKeyChar>(m.WParam), Caption())) return false;
  bDown = true;
  Click();
  return true;
}

bool TLbButton::DialogKey(TMessage& m) {
  const bool enter = m.WParam == VK_RETURN && FDefault;
  const bool escape = m.WParam == VK_ESCAPE && FCancel && KeyDataToShiftState(m.LParam).Empty() && Visible() &&
                      Enabled();
  if (!enter && !escape) return false;
  if (TCustomForm* form = OwningForm(this))
    if (form->ActiveControl() && IsButtonClass(form->ActiveControl())) return false;
  bDown = true;
  Click();
  return true;
}

void TLbButton::MouseEnter() {
  if (!Enabled() || !Visible() || !ParentShowing()) return;
  bCursorOnButton = true;
  FHotTrackStep = 8;
  // A fade still running from the last leave would dim the face under the pointer.
  EndFade();
  Repaint();
  if (OnMouseEnter) OnMouseEnter(this);
}

void TLbButton::MouseLeave() {
  bCursorOnButton = false;
  if (FSlowDecease && FFadeTimer) {
    FFadeTimer->SetEnabled(true);
  } else {
    FHotTrackStep = 0;
    Repaint();
  }
  if (Enabled() && Visible() && ParentShowing() && OnMouseExit) OnMouseExit(this);
}

void TLbButton::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_DIALOGKEY:
      if (DialogKey(m)) {
        m.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (DialogChar(m)) {
        m.Result = 1;
        return;
      }
      break;
    case CM_FOCUSCHANGED:
      Repaint();
      break;
    case WM_KILLFOCUS:
      // Also when the focus leaves the form, which tells its controls nothing.
      Invalidate();
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      const bool own = m.LParam == 0;
      const bool enter = m.Msg == CM_MOUSEENTER;
      TCustomControl::Dispatch(m);
      if (own) enter ? MouseEnter() : MouseLeave();
      return;
    }
    default:
      break;
  }
  TCustomControl::Dispatch(m);
}

}  // namespace hd

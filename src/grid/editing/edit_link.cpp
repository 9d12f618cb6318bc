// The custom editor link's own behaviour: the keys that leave it, its focus with the grid's
// window procedure on the control, the popup form's deactivation and hiding the editor.
#include "grid/editing/edit_link.h"

#include "grid/stringgrid/ext_string_grid.h"
#include "platform/forms.h"

namespace hd {

TEditLink::TEditLink(TComponent* AOwner) : TComponent(AOwner) {}

TEditLink::~TEditLink() {
  // A control still hooked gets its own procedure back.
  if (FHooked && FSavedProc) FHooked->WindowProc = FSavedProc;
  if (FHooked) FHooked->RemoveFreeNotification(this);
  // The popup form stays with the application; it must not call a link that is gone.
  if (FPopupForm) {
    FPopupForm->OnDeactivate = nullptr;
    FPopupForm->RemoveFreeNotification(this);
  }
}

void TEditLink::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FHooked) {
    FHooked = nullptr;
    FSavedProc = nullptr;
    FSubClassed = false;
  }
  if (AComponent == FPopupForm) FPopupForm = nullptr;
}

void TEditLink::SetPopupForm(TForm* Form) {
  if (FPopupForm) FPopupForm->RemoveFreeNotification(this);
  FPopupForm = Form;
  if (FPopupForm) FPopupForm->FreeNotification(this);
}

void TEditLink::EditKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
  (void)Sender;
  if (!FOwner) return;
  bool leaving = Shift.Contains(ssAlt);
  switch (Key) {
    case VK_TAB: leaving = !FWantTabs; break;
    case VK_RETURN: leaving = !FWantKeyReturn; break;
    case VK_ESCAPE: leaving = !FWantKeyEscape; break;
    case VK_PRIOR:
    case VK_NEXT: leaving = !FWantKeyPriorNext; break;
    case VK_END: leaving = !FWantKeyHomeEnd; break;
    case VK_HOME: leaving = leaving && !FWantKeyHomeEnd; break;
    case VK_LEFT:
    case VK_RIGHT: leaving = !FWantKeyLeftRight; break;
    case VK_UP:
    case VK_DOWN: leaving = !FWantKeyUpDown; break;
    default: break;
  }
  if (!leaving) return;
  FOwner->EditLinkKeyDown(*this, Key, Shift);
}

void TEditLink::FocusGrid() {
  if (!FOwner) return;
  FForcedExit = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{FForcedExit};
  if (FOwner->CanFocus()) FOwner->SetFocus();
}

void TEditLink::SetFocus(bool Value) {
  TWinControl* control = GetEditControl();
  // Without a control there is nothing to focus; the grid keeps the focus.
  if (!control) return;
  if (Value) {
    if (!control->Visible()) control->SetVisible(true);
    if (!control->Enabled()) control->SetEnabled(true);
  }
  if (FEditStyle == esInplace && !FSubClassed && FOwner) {
    FHooked = control;
    control->FreeNotification(this);
    FSavedProc = control->WindowProc;
    TExtStringGrid* grid = FOwner;
    std::function<void(TMessage&)> saved = FSavedProc;
    // Copies first: a key may end the edit and put the control's own procedure back while
    // this one runs.
    control->WindowProc = [grid, saved](TMessage& m) {
      TExtStringGrid* g = grid;
      std::function<void(TMessage&)> own = saved;
      g->EditLinkControlWndProc(m, own);
    };
    FSubClassed = true;
  }
  if (Value) {
    if (control->CanFocus()) control->SetFocus();
  } else if (FOwner && FOwner->CanFocus()) {
    FOwner->SetFocus();
  }
}

void TEditLink::SetRect(TRect r) {
  TWinControl* control = GetEditControl();
  if (!control || !FOwner) return;
  const int line = FOwner->GridLineWidth();
  control->SetBounds(r.Left, r.Top, r.Right - r.Left - line, r.Bottom - r.Top - line);
}

void TEditLink::SetVisible(bool Value) {
  if (TWinControl* control = GetEditControl()) control->SetVisible(Value);
}

void TEditLink::EditExit(TObject* Sender) {
  (void)Sender;
  HideEditor();
  if (FEditStyle == esPopup && FPopupForm) {
    DestroyEditor();
    FPopupForm->Hide();
  }
}

void TEditLink::FormExit(TObject* Sender) {
  if (!FOwner) return;
  FOwner->EditLinkFormExit(*this, Sender);
}

TWinControl* TEditLink::GetParent() {
  if (FEditStyle == esPopup && FPopupForm) return FPopupForm;
  return FOwner;
}

std::string TEditLink::GetCellValue() {
  if (!FOwner) return {};
  return FOwner->Cells(FOwner->RealColIndex(FOwner->Col()), FOwner->Row());
}

void TEditLink::SetCellValue(const std::string& s) {
  if (!FOwner) return;
  FOwner->SetEditedCellText(FOwner->RealColIndex(FOwner->Col()), FOwner->Row(), s);
}

void TEditLink::HideEditor() {
  SetCellValue(GetEditorValue());
  if (FOwner) FOwner->HideInplaceEdit();
  RestoreWinProc();
}

void TEditLink::RestoreWinProc() {
  TWinControl* control = GetEditControl();
  if (!control || FEditStyle != esInplace) return;
  if (FSubClassed && FHooked == control && FSavedProc) control->WindowProc = FSavedProc;
  if (FHooked) FHooked->RemoveFreeNotification(this);
  FHooked = nullptr;
  FSavedProc = nullptr;
  FSubClassed = false;
  if (control->HandleAllocated()) control->SetVisible(false);
}

}  // namespace hd

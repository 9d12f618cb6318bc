#include <algorithm>

#include "grid/editors/dropdown/dropdown_edit.h"
#include "grid/editors/dropdown_drawing.h"
#include "platform/scroll_bars.h"
#include "platform/timers.h"

namespace hd {
namespace {

// Paints the popup's background and frame behind everything the popup holds.
class TDropDownBackground : public TCustomControl {
 public:
  TDropDownBackground(TDropDownForm* Form) : TCustomControl(Form), form_(Form) {
    control_style_.Exclude(csAcceptsControls);
  }
  const char* ClassName() const override { return "TDropDownBackground"; }

 protected:
  void Paint() override { form_->PaintBackground(Canvas()); }

 private:
  TDropDownForm* form_;
};

}  // namespace

TDropDownForm::TDropDownForm(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsNone);
  FBackground = new TDropDownBackground(this);
  FBackground->SetParent(this);
  FBackground->SetBounds(0, 0, Width(), Height());
}

TDropDownForm::~TDropDownForm() {
  MarkDestroying();
  if (OnDestroy) OnDestroy(this);
}

TCustomControl* TDropDownForm::BackgroundControl() const { return FBackground; }

void TDropDownForm::InitializeAndUpdate() {
  if (!FExtDropDown) return;
  THeaderAppearance& header = FExtDropDown->DropDownHeader();
  if (FHeader) {
    FHeader->AttachDropDown(FExtDropDown);
    FHeader->BuildButtons();
    FHeader->SetVisible(header.Visible());
  } else if (header.Visible()) {
    FHeader = new TExtHeader(this);
    FHeader->SetParent(this);
    FHeader->SetBounds(0, 0, Width(), header.Height());
    FHeader->AttachDropDown(FExtDropDown);
    FHeader->BuildButtons();
    FHeader->SetAlign(alTop);
  }
  if (FHeader) {
    FHeader->OnDrawBackGround = FExtDropDown->OnDrawHeader;
    FHeader->OnGetText = FExtDropDown->OnGetHeaderText;
  }
  TFooterAppearance& footer = FExtDropDown->DropDownFooter();
  if (FFooter) {
    FFooter->AttachDropDown(FExtDropDown);
    FFooter->BuildButtons();
    FFooter->SetVisible(footer.Visible());
  } else if (footer.Visible()) {
    FFooter = new TExtFooter(this);
    FFooter->SetParent(this);
    FFooter->SetBounds(0, Height() - footer.Height(), Width(), footer.Height());
    FFooter->AttachDropDown(FExtDropDown);
    FFooter->BuildButtons();
    FFooter->SetAlign(alBottom);
  }
  if (FFooter) {
    FFooter->OnDrawBackGround = FExtDropDown->OnDrawFooter;
    FFooter->OnGetText = FExtDropDown->OnGetFooterText;
  }
}

void TDropDownForm::AlignControls(TRect& rect) {
  const int w = FExtDropDown ? FExtDropDown->DropDownBorderWidth() : 0;
  rect = TRect{rect.Left + w, rect.Top + w, rect.Right - w, rect.Bottom - w};
  TForm::AlignControls(rect);
}

void TDropDownForm::PaintBackground(TCanvas& Canvas) {
  if (!FExtDropDown) return;
  const int w = FExtDropDown->DropDownBorderWidth();
  const TRect client{0, 0, Width(), Height()};
  const TRect r{client.Left + w, client.Top + w, client.Right - w, client.Bottom - w};
  const TColor from = FExtDropDown->DropDownColor(), to = FExtDropDown->DropDownColorTo();
  if (from != clNone && to != clNone) {
    DrawSteppedGradient(Canvas, from, to, 80, r, FExtDropDown->DropDownGradient() == gdHorizontal);
  } else if (from != clNone) {
    Canvas.Brush() = TBrush{from, bsSolid};
    Canvas.FillRect(r);
  }
  if (w > 0) {
    Canvas.Brush().Style = bsClear;
    Canvas.Pen() = TPen{FExtDropDown->DropDownBorderColor(), w, psSolid, pmCopy};
    Canvas.Rectangle(w / 2, w / 2, client.Right - (w - 1) / 2, client.Bottom - (w - 1) / 2);
  }
}

void TDropDownForm::Activated(WPARAM State, HWND Other) {
  if (State != WA_INACTIVE) {
    // The edit's form keeps its title bar drawn active while its popup has the focus.
    if (FExtDropDown)
      if (TCustomForm* owner = GetParentForm(FExtDropDown)) SendMessage(owner->Handle(), WM_NCACTIVATE, 1);
    return;
  }
  if (!Visible()) return;
  FDeActivate = GetTickCount();
  for (HWND h = GetParent(Other); h; h = GetParent(h))
    if (h == Handle()) return;
  FHidingOnDeactivate = true;
  if (FExtDropDown)
    FExtDropDown->DoHideDropDown(FCancelOnDeActivate);
  else
    Hide();
  FHidingOnDeactivate = false;
}

void TDropDownForm::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_SHOWINGCHANGED:
      TForm::Dispatch(m);
      // The background's window may be made after the content's: it goes behind them again,
      // and lets presses through to the popup, whose corner sizes it.
      if (FBackground && m.WParam) {
        FBackground->HandleNeeded();
        SetWindowLongPtr(FBackground->Handle(), GWL_EXSTYLE, WS_EX_TRANSPARENT);
        FBackground->SendToBack();
      }
      return;
    case WM_ACTIVATE: {
      HWND self = Handle();
      TForm::Dispatch(m);
      if (IsWindow(self) && !FBlockActivate) Activated(m.WParam, static_cast<HWND>(m.LParam));
      return;
    }
    case WM_NCHITTEST: {
      const TPoint p = ScreenToClient({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      m.Result = FSizeable && p.X > Width() - 10 && p.Y > Height() - 10 ? HTBOTTOMRIGHT : 0;
      return;
    }
    case WM_SIZING:
      TForm::Dispatch(m);
      if (OnSizing) OnSizing(this);
      return;
    case WM_SIZE:
      TForm::Dispatch(m);
      if (FBackground) {
        FBackground->SetBounds(0, 0, Width(), Height());
        FBackground->SendToBack();
        FBackground->Invalidate();
      }
      return;
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
      return;
    default:
      TForm::Dispatch(m);
  }
}

}  // namespace hd

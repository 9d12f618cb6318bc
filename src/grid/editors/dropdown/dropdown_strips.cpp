#include "grid/editors/dropdown/dropdown_strips.h"

#include <algorithm>

#include "grid/editors/dropdown/dropdown_edit.h"
#include "grid/editors/dropdown/dropdown_styles.h"
#include "grid/editors/dropdown_drawing.h"
#include "grid/foundation/draw_utils.h"
#include "platform/application.h"
#include "platform/desktop.h"
#include "platform/exceptions.h"
#include "platform/forms.h"
#include "platform/image_list.h"
#include "platform/std_ctrls.h"

namespace hd {

// The list.

void* TDbgList::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError("Index out of bounds in list read access");
  return FItems[static_cast<std::size_t>(Index)];
}

void TDbgList::SetItems(int Index, void* Value) {
  if (Index < 0 || Index >= Count()) throw EListError("Index out of bounds in list write access");
  FItems[static_cast<std::size_t>(Index)] = Value;
}

void TDbgList::Delete(int Index) {
  if (Index < 0 || Index >= Count()) throw EListError("Index out of bounds in list write access");
  FItems.erase(FItems.begin() + Index);
}

void TDbgList::AssignList(const TDbgList& ListA) {
  if (&ListA == this) return;
  FItems = ListA.FItems;
}

// The button.

TExtButton::TExtButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 22, 23);
  TFont f = Font();
  f.Name = "Tahoma";
  SetFont(f);
  SetShowHint(false);
  FUnHotTimer = new TTimer(this);
  FUnHotTimer->SetEnabled(false);
  // Asked for 1 ms; the platform runs it at its shortest interval.
  FUnHotTimer->SetInterval(1);
  FUnHotTimer->OnTimer = [this](TObject*) { UnHotTimerTick(); };
}

TExtButton::~TExtButton() = default;

void TExtButton::FitToContent() {
  if (!FAppearance) return;
  TCanvas& c = Canvas();
  c.SetFont(FAppearance->Font());
  TSize s = GetTextSize(c, Caption());
  if (FImages && FImageIndex >= 0) {
    s.cx = std::max(s.cx, FImages->Width());
    s.cy = std::max(s.cy, FImages->Height());
  }
  SetBounds(Left(), Top(), s.cx + 8, s.cy + 4);
}

void TExtButton::Paint() {
  if (!Enabled()) {
    FState = absDisabled;
    FDragging = false;
  } else if (FState == absDisabled) {
    FState = FDown && FGroupIndex != 0 ? absExclusive : absUp;
  }
  if (FStyle == tasCheck && FDown) FState = absDown;
  TCanvas& c = Canvas();
  // The parent's look under the button, then the face.
  TWinControl* parent = Parent();
  if (auto* own = dynamic_cast<TOwnDrawing*>(parent)) {
    TBitmap under;
    under.SetSize(parent->ClientWidth(), parent->ClientHeight());
    own->PaintTo(under.Canvas(), TRect{Left(), Top(), Left() + Width(), Top() + Height()});
    c.CopyRect(TRect{0, 0, Width(), Height()}, under.Canvas(), TRect{Left(), Top(), Left() + Width(), Top() + Height()});
  } else if (parent) {
    FillRectColor(c, TRect{0, 0, Width(), Height()}, parent->Color());
  }
  DrawFace(c);
}

void TExtButton::DrawFace(TCanvas& Canvas) {
  if (!FAppearance) return;
  const TExtButtonAppearance& a = *FAppearance;
  TColor fill, fillTo, border;
  if (!Enabled()) {
    fill = a.ColorDisabled();
    fillTo = a.ColorDisabledTo();
    border = a.BorderColorDisabled();
  } else if (FMouseDownInControl && FMouseInControl) {
    fill = fillTo = a.ColorDown();
    border = a.BorderColorDown();
  } else if (FDown) {
    fill = fillTo = a.ColorChecked();
    border = a.BorderColorChecked();
  } else if (FMouseInControl || Focused()) {
    fill = fillTo = a.ColorHot();
    border = a.BorderColorHot();
  } else {
    fill = a.Color();
    fillTo = a.ColorTo();
    border = a.BorderColor();
  }
  const TRect r{0, 0, ClientWidth(), ClientHeight()};
  DrawButtonBackground(&Canvas, r, fill, fillTo, clNone, 0, a.Gradient() == gdVertical);
  if (border != clNone) {
    Canvas.Brush().Style = bsClear;
    Canvas.Pen() = TPen{border, 1, psSolid, pmCopy};
    Canvas.Rectangle(r);
  }
  Canvas.Brush().Style = bsClear;
  Canvas.SetFont(a.Font());
  DrawImageAndText(&Canvas, r, Caption(), FImageIndex, FImages);
}

void TExtButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled() || ComponentState().Contains(csDesigning)) return;
  FMouseDownInControl = true;
  if (!FDown) {
    FState = absDown;
    Invalidate();
  }
  if (FStyle == tasCheck) {
    FState = absDown;
    Repaint();
  }
  FDragging = true;
}

void TExtButton::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (FDragging) {
    TExtButtonState s = FDown ? absExclusive : absUp;
    if (Inside(X, Y)) s = FDown ? absExclusive : absDown;
    if (FStyle == tasCheck && FDown) s = absDown;
    if (s != FState) {
      FState = s;
      Invalidate();
    }
  } else if (!FMouseInControl) {
    UpdateTracking();
  }
}

void TExtButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (ComponentState().Contains(csDesigning)) return;
  FMouseDownInControl = false;
  Invalidate();
  if (FDragging) {
    FDragging = false;
    const bool inside = Inside(X, Y);
    if (FGroupIndex != 0) {
      if (inside) {
        SetDownState(!FDown);
        if (FDown) Invalidate();
      } else if (FDown) {
        FState = absExclusive;
        Invalidate();
      }
    } else {
      FState = absUp;
      FMouseInControl = false;
      FHot = false;
      if (FStyle == tasCheck) {
        FDown = !FDown;
        FState = absUp;
      }
      if (inside) Invalidate();
    }
  }
  UpdateTracking();
}

void TExtButton::Click() {
  // The popup closes first; the strip's button event (OnClick) follows.
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  if (FExtDropDown) {
    switch (FModalResult) {
      case mrOk: case mrYes: case mrAll: case mrYesToAll: FExtDropDown->HideDropDown(false); break;
      case mrCancel: case mrAbort: case mrIgnore: case mrNo: case mrNoToAll: FExtDropDown->HideDropDown(true); break;
      default: break;
    }
  }
  if (!FInternalClick) TCustomControl::Click();
}

void TExtButton::SetDownState(bool Value) {
  if (ComponentState().Contains(csLoading)) FInitialDown = Value;
  if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
  if (FStyle == tasCheck) {
    FDown = Value;
    FState = Value ? absDown : absUp;
    Repaint();
    return;
  }
  if (Value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = Value;
  if (Value) {
    if (FState == absUp) Invalidate();
    FState = absExclusive;
  } else {
    FState = absUp;
    Repaint();
  }
  if (Value && Parent()) {
    TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
    for (int i = 0; i < Parent()->ControlCount(); ++i) Parent()->Controls(i)->Dispatch(m);
  }
}

void TExtButton::ButtonPressed(int Group, TExtButton* Sender) {
  if (Group != FGroupIndex || Sender == this) return;
  if (Sender->FDown && FDown) {
    FDown = false;
    FState = absUp;
    Invalidate();
  }
  FAllowAllUp = Sender->FAllowAllUp;
}

void TExtButton::UpdateTracking() {
  if (!Enabled()) return;
  const TPoint p = GetCursorPos();
  HWND under = WindowFromPoint(p);
  const bool over = under == Handle();
  Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
}

void TExtButton::UnHotTimerTick() {
  const TPoint p = ScreenToClient(GetCursorPos());
  if (TRect{0, 0, ClientWidth(), ClientHeight()}.Contains(p)) return;
  FUnHotTimer->SetEnabled(false);
  FMouseInControl = false;
  FHot = false;
  if (Enabled()) Invalidate();
}

void TExtButton::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
      TCustomControl::Dispatch(m);
      if (ComponentState().Contains(csDesigning)) return;
      FMouseInControl = true;
      if (Enabled()) Invalidate();
      FUnHotTimer->SetEnabled(true);
      if (OnMouseEnter) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      TCustomControl::Dispatch(m);
      FUnHotTimer->SetEnabled(false);
      FMouseInControl = false;
      FHot = false;
      if (Enabled()) Invalidate();
      if (OnMouseLeave) OnMouseLeave(this);
      return;
    case CM_ENABLEDCHANGED:
    case CM_FOCUSCHANGED:
      TCustomControl::Dispatch(m);
      Invalidate();
      return;
    case CM_BUTTONPRESSED:
      ButtonPressed(static_cast<int>(m.WParam), reinterpret_cast<TExtButton*>(m.LParam));
      return;
    case WM_KEYDOWN:
      if (m.WParam == VK_RETURN || m.WParam == VK_SPACE) {
        if (!FDown) {
          FState = absDown;
          if (FStyle == tasCheck) Repaint(); else Invalidate();
        }
        HWND self = Handle();
        FInternalClick = true;
        Click();
        if (!IsWindow(self)) return;
        FInternalClick = false;
      }
      break;
    case CM_DIALOGCHAR:
      if (Enabled() && IsAccel(static_cast<TKeyChar>(m.WParam), Caption())) {
        Click();
        m.Result = 1;
        return;
      }
      break;
    default: break;
  }
  TCustomControl::Dispatch(m);
}

// The strips.

TExtStrip::TExtStrip(TComponent* AOwner) : TCustomControl(AOwner) {}

TExtStrip::~TExtStrip() = default;

void TExtStrip::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  for (int i = FButtonList.Count() - 1; i >= 0; --i)
    if (FButtonList.Items(i) == static_cast<void*>(AComponent)) FButtonList.Delete(i);
}

void TExtStrip::BuildButtons() {
  if (FExtDropDown) CreateButtons();
}

void TExtStrip::CreateButtons() {
  TAppearanceButtons* items = ButtonItems();
  if (!FExtDropDown || !items) return;
  FreeButtons();
  const TRect area = ButtonArea();
  for (int i = 0; i < items->Count(); ++i) {
    auto* item = static_cast<TAppearanceButton*>(items->Items(i));
    auto* b = new TExtButton(this);
    b->SetParent(this);
    b->SetAppearance(&FExtDropDown->ButtonAppearance());
    b->SetCaption(item->Caption());
    b->SetImageList(FImages);
    b->SetImageIndex(item->ImageIndex());
    b->SetEnabled(item->Enabled());
    if (IsFooter()) {
      b->AttachDropDown(FExtDropDown);
      if (auto* f = dynamic_cast<TFooterButton*>(item)) b->SetModalResult(f->ModalResult());
    }
    b->FitToContent();
    int w = b->Width(), h = b->Height();
    if (item->Width() > 0) w = item->Width();
    if (item->Height() > 0) h = item->Height();
    h = std::min(h, area.Height());
    b->SetBounds(b->Left(), b->Top(), w, h);
    b->SetTag(i);
    b->OnClick = [this](TObject* Sender) {
      if (auto* btn = dynamic_cast<TExtButton*>(Sender)) ButtonClicked(static_cast<int>(btn->Tag()));
    };
    FButtonList.Add(b);
  }
  PlaceButtons();
}

void TExtStrip::FreeButtons() {
  for (int i = FButtonList.Count() - 1; i >= 0; --i) delete static_cast<TExtButton*>(FButtonList.Items(i));
  FButtonList.Clear();
}

void TExtStrip::RefreshButtons() {
  TAppearanceButtons* items = ButtonItems();
  for (int i = 0; i < FButtonList.Count(); ++i) {
    TExtButton* b = Button(i);
    if (FExtDropDown) b->SetAppearance(&FExtDropDown->ButtonAppearance());
    b->SetImageList(FImages);
    if (items && i < items->Count()) {
      auto* item = static_cast<TAppearanceButton*>(items->Items(i));
      b->SetCaption(item->Caption());
      b->SetImageIndex(item->ImageIndex());
      b->SetEnabled(item->Enabled());
    }
  }
  PlaceButtons();
}

void TExtStrip::PlaceButtons() {
  const TRect area = ButtonArea();
  const bool right = Strip().ButtonAlignment() == baRight;
  int edge = right ? area.Right : area.Left;
  for (int i = 0; i < FButtonList.Count(); ++i) {
    TExtButton* b = Button(i);
    // Kept as the strips always placed them: the larger of the area's top and half of
    // (area bottom - button height).
    const int top = std::max(area.Top, (area.Bottom - b->Height()) / 2);
    if (right) {
      edge -= b->Width();
      b->SetBounds(edge, top, b->Width(), b->Height());
    } else {
      b->SetBounds(edge, top, b->Width(), b->Height());
      edge += b->Width();
    }
  }
}

void TExtStrip::PaintStrip(TCanvas& Canvas) {
  const TRect R{0, 0, ClientWidth(), ClientHeight()};
  if (OnDrawBackGround) {
    OnDrawBackGround(this, &Canvas, R);
    return;
  }
  TStripAppearance& a = Strip();
  if (a.ColorTo() == clNone) {
    if (a.Color() != clNone) FillRectColor(Canvas, R, a.Color());
  } else {
    DrawSteppedGradient(Canvas, a.Color(), a.ColorTo(), 80, R, a.GradientDirection() == gdHorizontal);
  }
  const int bw = a.BorderWidth();
  if (a.BorderColor() != clNone && bw > 0) {
    Canvas.Pen() = TPen{a.BorderColor(), bw, psSolid, pmCopy};
    const bool allEdges = !FExtDropDown || FExtDropDown->DropDownBorderWidth() <= 0 ||
                          FExtDropDown->DropDownBorderColor() == clNone;
    if (!IsFooter()) {
      Canvas.MoveTo(R.Left, R.Bottom - 1);
      Canvas.LineTo(R.Right, R.Bottom - 1);
      if (allEdges) {
        Canvas.MoveTo(R.Left, R.Bottom - 1);
        Canvas.LineTo(R.Left, R.Top);
        Canvas.LineTo(R.Right, R.Top);
        Canvas.LineTo(R.Right, R.Bottom - 1);
      }
    } else {
      Canvas.MoveTo(R.Left, R.Top);
      Canvas.LineTo(R.Right, R.Top);
      if (allEdges) {
        Canvas.MoveTo(R.Left, R.Top);
        Canvas.LineTo(R.Left, R.Bottom);
        Canvas.LineTo(R.Right, R.Bottom);
        Canvas.LineTo(R.Right, R.Top);
      }
    }
    Canvas.Pen() = TPen{BlendColor(a.BorderColor(), clWhite, 20), 1, psSolid, pmCopy};
    Canvas.Brush().Style = bsClear;
    if (!IsFooter())
      Canvas.Rectangle(R.Left, R.Top, R.Right, R.Bottom - bw);
    else
      Canvas.Rectangle(R.Left, R.Top + bw, R.Right, R.Bottom);
  }
  TRect content{R.Left + bw, R.Top + bw, R.Right - bw, R.Bottom - bw};
  if (a.ImageIndex() >= 0 && FImages) {
    FImages->Draw(Canvas, content.Left + 4, content.Top + (content.Height() - FImages->Height()) / 2, a.ImageIndex(), true);
    content.Left += FImages->Width() + 8;
  }
  std::string text = a.Caption();
  if (OnGetText) OnGetText(this, text);
  if (!text.empty()) {
    if (FButtonList.Count() > 0) content.Right = Button(FButtonList.Count() - 1)->Left() - 2;
    Canvas.SetFont(a.Font());
    const TSize t = DrawMarkupText(Canvas, text, content, Handle(), false, FImages);
    if (t.cy < content.Height()) content.Top += (content.Height() - t.cy) / 2;
    DrawMarkupText(Canvas, text, content, Handle(), true, FImages);
  }
  if (IsFooter() && static_cast<TExtFooter*>(this)->GripActive()) {
    const int L = R.Right - bw - 16, B = R.Bottom;
    const int squares[6][2] = {{5, 2}, {9, 2}, {13, 2}, {13, 6}, {13, 10}, {9, 6}};
    auto draw = [&](TColor colour, int shift) {
      Canvas.Brush() = TBrush{colour, bsSolid};
      Canvas.Pen() = TPen{colour, 1, psSolid, pmCopy};
      for (const auto& s : squares)
        Canvas.FillRect(TRect{L + s[0] + shift, B - s[1] - 2 + shift, L + s[0] + 2 + shift, B - s[1] + shift});
    };
    draw(clWhite, 0);
    draw(a.BorderColor(), -1);
  }
}

void TExtStrip::Dispatch(TMessage& m) {
  TCustomControl::Dispatch(m);
  if (m.Msg == WM_SIZE) PlaceButtons();
}

// Header.

TExtHeader::TExtHeader(TComponent* AOwner) : TExtStrip(AOwner), FAppearance(AOwner) {
  FAppearance.OnChange = [this](TObject*) {
    SetVisible(FAppearance.Visible());
    SetBounds(Left(), Top(), Width(), FAppearance.Height());
  };
  FAppearance.OnButtonsChanged = [](TObject*) {};
}

THeaderButtons* TExtHeader::Buttons() const { return FExtDropDown ? &FExtDropDown->DropDownHeader().Buttons() : nullptr; }

void TExtHeader::AttachDropDown(TExtCustomDropDown* Value) {
  FExtDropDown = Value;
  if (!Value) {
    FImages = nullptr;
    return;
  }
  FImages = Value->Images();
  FAppearance.Assign(&Value->DropDownHeader());
}

TRect TExtHeader::ButtonArea() const { return TRect{2, 2, ClientWidth() - 2, ClientHeight() - 3}; }

void TExtHeader::ButtonClicked(int Index) {
  if (FExtDropDown && FExtDropDown->OnDropDownHeaderButtonClick) FExtDropDown->OnDropDownHeaderButtonClick(FExtDropDown, Index);
}

// Footer.

TExtFooter::TExtFooter(TComponent* AOwner) : TExtStrip(AOwner), FAppearance(AOwner) {
  FAppearance.OnChange = [this](TObject*) {
    SetVisible(FAppearance.Visible());
    SetBounds(Left(), Top(), Width(), FAppearance.Height());
  };
}

TFooterButtons* TExtFooter::Buttons() const { return FExtDropDown ? &FExtDropDown->DropDownFooter().Buttons() : nullptr; }

void TExtFooter::AttachDropDown(TExtCustomDropDown* Value) {
  FExtDropDown = Value;
  if (!Value) {
    FImages = nullptr;
    return;
  }
  FImages = Value->Images();
  FAppearance.Assign(&Value->DropDownFooter());
}

bool TExtFooter::GripActive() const {
  return FAppearance.SizeGrip() && FExtDropDown && FExtDropDown->DropDownSizeable();
}

TRect TExtFooter::ButtonArea() const {
  return TRect{2, 2, ClientWidth() - (GripActive() ? 14 : 2), ClientHeight() - 2};
}

bool TExtFooter::InGripZone(int X, int Y) const {
  return GripActive() && Parent() && X > Width() - 12 && Y > Height() - 15;
}

void TExtFooter::ButtonClicked(int Index) {
  if (FExtDropDown && FExtDropDown->OnDropDownFooterButtonClick) FExtDropDown->OnDropDownFooterButtonClick(FExtDropDown, Index);
}

void TExtFooter::RestoreCursor() {
  if (Screen().Cursor() != FOldCursor) Screen().SetCursor(FOldCursor);
}

void TExtFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtStrip::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !InGripZone(X, Y)) return;
  TCustomForm* form = GetParentForm(this);
  if (!form) return;
  ReleaseCapture();
  const TPoint p = ClientToScreen({X, Y});
  SendMessage(form->Handle(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MAKELPARAM(p.X, p.Y));
}

void TExtFooter::MouseMove(TShiftState Shift, int X, int Y) {
  TExtStrip::MouseMove(Shift, X, Y);
  if (InGripZone(X, Y))
    Screen().SetCursor(crSizeNWSE);
  else
    RestoreCursor();
}

void TExtFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExtStrip::MouseUp(Button, Shift, X, Y);
  RestoreCursor();
}

void TExtFooter::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
      if (Screen().Cursor() != crSizeNWSE) FOldCursor = Screen().Cursor();
      break;
    case CM_MOUSELEAVE:
      RestoreCursor();
      break;
    default: break;
  }
  TExtStrip::Dispatch(m);
}

}  // namespace hd

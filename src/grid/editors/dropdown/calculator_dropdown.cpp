#include "grid/editors/dropdown/calculator_dropdown.h"

#include <algorithm>

#include "platform/bitmap.h"
#include "platform/image_list.h"
#include "platform/themes.h"

namespace hd {

// Button item and collection.

void TButtonItem::SetRect(const TRect& R) {
  FLeft = R.Left;
  FTop = R.Top;
  FWidth = R.Width();
  FHeight = R.Height();
}

void TButtonItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TButtonItem*>(Source);
  if (!s) {
    TCollectionItem::Assign(Source);
    return;
  }
  FCaption = s->FCaption;
  FCaptionColor = s->FCaptionColor;
  FTag = s->FTag;
  FImageIndex = s->FImageIndex;
  FImage.Assign(s->FImage.Bitmap());
  FEnabled = s->FEnabled;
  FName = s->FName;
}

// Appearance.

TButtonAppearance::TButtonAppearance() {
  FFont.Size = 10;
  FFont.Style.Include(fsBold);
}

void TButtonAppearance::SetColour(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(this);
}

void TButtonAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TButtonAppearance*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  FBorderColor = s->FBorderColor;
  FBorderColorHot = s->FBorderColorHot;
  FBorderColorDown = s->FBorderColorDown;
  FBorderColorChecked = s->FBorderColorChecked;
  FColor = s->FColor;
  FColorTo = s->FColorTo;
  FColorDown = s->FColorDown;
  FColorDownTo = s->FColorDownTo;
  FColorHot = s->FColorHot;
  FColorHotTo = s->FColorHotTo;
  FColorCheckedTo = s->FColorCheckedTo;
  FColorDisabled = s->FColorDisabled;
  FColorDisabledTo = s->FColorDisabledTo;
  FColorChecked = s->FColorChecked;
  FGlowColorHot = s->FGlowColorHot;
  FGlowColorDown = s->FGlowColorDown;
  FFont = s->FFont;
  FTextColor = s->FTextColor;
  FSpecialTextColor = s->FSpecialTextColor;
  if (OnChange) OnChange(this);
}

// Keypad panel.

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(Left(), Top(), 230, 150);
  FButtons.OnChange = [this](TObject*) { ArrangeButtons(); };
}

void TCustomButtonPanel::SetImages(TImageList* Value) {
  FImages = Value;
  ArrangeButtons();
}

void TCustomButtonPanel::SetEdit(TWinControl* Value) {
  if (FEdit) RemoveFreeNotification(FEdit);
  FEdit = Value;
  if (FEdit) FreeNotification(FEdit);
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value) {
  FButtonPanelType = Value;
  ArrangeButtons();
}

void TCustomButtonPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FEdit) FEdit = nullptr;
}

void TCustomButtonPanel::Loaded() {
  TCustomControl::Loaded();
  // Inside a drop-down the buttons come with the keypad.
  if (!FExtDropDown) CreateButtons();
}

void TCustomButtonPanel::ResetButtons() {
  ClearButtons();
  CreateButtons();
}

void TCustomButtonPanel::CreateButtons() {
  if (FButtons.Count() == 0 && FButtonPanelType == plCalculator) {
    FButtons.BeginUpdate();
    for (const TCalcButtonDef& d : CalculatorButtonDefs()) {
      TButtonItem* b = FButtons.Add();
      b->SetCaption(d.Caption);
      b->SetName(d.Name);
      b->SetTag(d.Tag);
      b->SetSpecial(d.Special);
      if (d.Special) b->SetCaptionColor(0x000080);
    }
    FButtons.EndUpdate();
  }
  ArrangeButtons();
}

void TCustomButtonPanel::GetButtonArea(TRect& R) const {
  R = TRect{FOffSetX, FOffSetY, ClientWidth() - FOffSetX, ClientHeight() - FOffSetY};
}

void TCustomButtonPanel::ArrangeButtons() {
  if (FButtonPanelType != plCalculator || FButtons.Count() == 0) return;
  TRect area;
  GetButtonArea(area);
  const std::vector<TRect> rects = CalculatorButtonRects(area);
  const int n = std::min(FButtons.Count(), static_cast<int>(rects.size()));
  for (int i = 0; i < n; ++i) FButtons.Items(i)->SetRect(rects[static_cast<size_t>(i)]);
  Invalidate();
}

void TCustomButtonPanel::GetButtonSize(int& W, int& H) {
  TBitmap measure(1, 1);
  TCanvas& c = measure.Canvas();
  c.SetFont(Font());
  int pw = 0, ph = 0, cw = 0, ch = 0;
  for (int i = 0; i < FButtons.Count(); ++i) {
    const TButtonItem* b = FButtons.Items(i);
    if (!b->Image().Empty()) {
      pw = std::max(pw, b->Image().Width());
      ph = std::max(ph, b->Image().Height());
    } else if (FImages && b->ImageIndex() >= 0) {
      pw = std::max(pw, FImages->Width());
      ph = std::max(ph, FImages->Height());
    }
    const TSize t = GetTextSize(c, b->Caption());
    cw = std::max(cw, t.cx);
    ch = std::max(ch, t.cy);
  }
  if (FButtonLayout == ilCaptionLeft || FButtonLayout == ilCaptionRight) {
    W = 2 * FButtonOffSetX + pw + cw + (pw > 0 && cw > 0 ? FCaptionGap : 0);
    H = std::max(ph, ch) + 2 * FButtonOffSetY;
  } else {
    W = std::max(pw, cw) + 2 * FButtonOffSetX;
    H = 2 * FButtonOffSetY + ph + ch + (ph > 0 && ch > 0 ? FCaptionGap : 0);
  }
}

int TCustomButtonPanel::ButtonAtPos(int X, int Y) const {
  for (int i = 0; i < FButtons.Count(); ++i)
    if (FButtons.Items(i)->GetRect().Contains({X, Y})) return i;
  return -1;
}

bool TCustomButtonPanel::ButtonEnabled(int Index) const {
  return Index >= 0 && Index < FButtons.Count() && FButtons.Items(Index)->Enabled();
}

void TCustomButtonPanel::InvalidateButton(int Index) {
  if (Index < 0 || Index >= FButtons.Count() || !HandleAllocated()) return;
  // Grown so that the shared borders of the neighbours are drawn again too.
  TRect r = FButtons.Items(Index)->GetRect();
  r = TRect{r.Left - 8, r.Top - 8, r.Right + 8, r.Bottom + 8};
  InvalidateRect(Handle(), &r, true);
}

void TCustomButtonPanel::SetButtonHot(int Index) {
  if (Index == FButtonHot || (Index >= 0 && !ButtonEnabled(Index))) return;
  const int old = FButtonHot;
  FButtonHot = Index;
  InvalidateButton(old);
  InvalidateButton(Index);
}

void TCustomButtonPanel::SetButtonDown(int Index) {
  if (Index == FButtonDown || (Index >= 0 && !ButtonEnabled(Index))) return;
  const int old = FButtonDown;
  FButtonDown = Index;
  InvalidateButton(old);
  InvalidateButton(Index);
}

void TCustomButtonPanel::ButtonClick(int Index) {
  if (OnButtonClick) OnButtonClick(this, Index);
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const int i = ButtonAtPos(X, Y);
  if (ButtonEnabled(i)) SetButtonDown(i);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const int i = ButtonAtPos(X, Y);
  SetButtonHot(ButtonEnabled(i) ? i : -1);
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (FButtonDown < 0) return;
  const int pressed = FButtonDown;
  const bool same = ButtonAtPos(X, Y) == pressed;
  SetButtonDown(-1);
  if (same) ButtonClick(pressed);
}

void TCustomButtonPanel::Dispatch(TMessage& m) {
  // Inside a drop-down the keypad has the focus and every key is the calculator's.
  if (m.Msg == WM_GETDLGCODE && FExtDropDown) {
    m.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    return;
  }
  TCustomControl::Dispatch(m);
  if (m.Msg == WM_SIZE) ArrangeButtons();
  if (m.Msg == CM_MOUSELEAVE) SetButtonHot(-1);
}

void TCustomButtonPanel::Paint() {
  TCanvas& c = Canvas();
  c.Brush() = TBrush{Color(), bsSolid};
  c.FillRect(TRect{0, 0, ClientWidth(), ClientHeight()});
  if (!FExtDropDown) {
    c.Pen() = TPen{clBlack};
    c.Brush().Style = bsClear;
    c.Rectangle(TRect{0, 0, ClientWidth(), ClientHeight()});
    c.Brush() = TBrush{Color(), bsSolid};
  }
  // The hot button last, so that its shared border is the one on top.
  for (int i = 0; i < FButtons.Count(); ++i)
    if (i != FButtonHot) DrawButton(i, &c);
  if (FButtonHot >= 0) DrawButton(FButtonHot, &c);
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas* Canvas) {
  if (Index < 0 || Index >= FButtons.Count() || !Canvas) return;
  const TButtonItem& b = *FButtons.Items(Index);
  const TRect r = b.GetRect();
  if (r.Left < 0 && r.Right < 0) return;
  TCanvas& c = *Canvas;
  c.Brush() = TBrush{Color(), bsSolid};
  c.FillRect(r);
  const int state = !Enabled() ? TS_DISABLED : Index == FButtonDown ? TS_PRESSED : Index == FButtonHot ? TS_HOT : TS_NORMAL;
  if (ThemesActive()) {
    PaintThemedPart(c, TThemedElement::PushButton, state, r);
  } else {
    c.Brush() = TBrush{clBtnFace, bsSolid};
    c.FillRect(r);
    TRect e = r;
    c.DrawEdge(e, state == TS_PRESSED ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  }
  const TRect content{r.Left + FButtonOffSetX, r.Top + FButtonOffSetY, r.Right - FButtonOffSetX, r.Bottom - FButtonOffSetY};
  DrawButtonContent(c, b, content);
}

void TCustomButtonPanel::DrawButtonContent(TCanvas& C, const TButtonItem& Item, TRect Content) {
  const TPicture* picture = Item.Image().Empty() ? nullptr : &Item.Image();
  const bool listImage = !picture && FImages && Item.ImageIndex() >= 0;
  const int pw = picture ? picture->Width() : listImage ? FImages->Width() : 0;
  const int ph = picture ? picture->Height() : listImage ? FImages->Height() : 0;
  auto drawPicture = [&](int x, int y) {
    if (picture)
      picture->Draw(C, TRect{x, y, x + pw, y + ph}, false);
    else if (listImage)
      FImages->Draw(C, x, y, Item.ImageIndex(), Item.Enabled());
  };
  C.SetFont(FButtonAppearance.Font());
  C.Font().Color = Item.Special() ? FButtonAppearance.SpecialTextColor() : FButtonAppearance.TextColor();
  C.SetBkMode(bkTransparent);
  const std::string& caption = Item.Caption();
  const TSize ts = GetTextSize(C, caption);
  unsigned flags = DT_SINGLELINE | DT_VCENTER;
  if (pw == 0 || FButtonLayout == ilCaptionTop || FButtonLayout == ilCaptionBottom) flags |= DT_CENTER;
  TRect t = Content;
  switch (FButtonLayout) {
    case ilCaptionLeft:
      t.Right -= pw;
      if (!caption.empty()) C.DrawText(caption, t, flags);
      drawPicture(Content.Left + ts.cx + FCaptionGap, Content.Top + (Content.Height() - ph) / 2);
      break;
    case ilCaptionRight:
      drawPicture(Content.Left, Content.Top + (Content.Height() - ph) / 2);
      t.Left += pw + (pw > 0 ? FCaptionGap : 0);
      if (!caption.empty()) C.DrawText(caption, t, flags);
      break;
    case ilCaptionTop:
      t.Bottom -= ph;
      if (!caption.empty()) {
        C.DrawText(caption, t, flags);
        drawPicture(Content.Left, Content.Top + ts.cy + FCaptionGap);
      } else {
        drawPicture(Content.Left, Content.Top + (Content.Height() - ph) / 2);
      }
      break;
    case ilCaptionBottom: {
      const int top = caption.empty() ? Content.Top + (Content.Height() - ph) / 2 : Content.Top;
      drawPicture(Content.Left, top);
      t.Top = top + ph + FCaptionGap;
      if (!caption.empty()) C.DrawText(caption, t, flags);
      break;
    }
  }
}

// The drop-down.

TExtCalculatorDropdown::TExtCalculatorDropdown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FCalcButtonAppearance(std::make_unique<TButtonAppearance>()) {
  FEngine = std::make_unique<TCalculatorEngine>(Model(), EditHost(), [this] { return MaxLength(); });
  FEngine->BeforeCalcInput = [this] { BeforeCalcInput(); };
  SetDropDownColor(0xFFFFFF);
  SetDropDownWidth(230);
  DropDownHeader().SetVisible(false);
  DropDownFooter().SetVisible(false);
  SetEditType(etFloat);
  SetPrecision(2);
}

TExtCalculatorDropdown::~TExtCalculatorDropdown() {
  // The keypad outlives this part of the object only while the base tears the popup down.
  if (FExtButtonPanel) FExtButtonPanel->OnButtonClick = nullptr;
}

void TExtCalculatorDropdown::CreateDropDownForm() {
  TExtCustomDropDown::CreateDropDownForm();
  if (!FExtButtonPanel) {
    FExtButtonPanel = new TCustomButtonPanel(this);
    FExtButtonPanel->SetParent(FDropDownForm);
    FExtButtonPanel->SetExtDropDown(this);
    FExtButtonPanel->SetTabStop(true);
    FExtButtonPanel->SetBounds(0, 0, DropDownWidth(), 150);
    FExtButtonPanel->CreateButtons();
  }
  SetDropDownControl(FExtButtonPanel);
  SetFocusControl(FExtButtonPanel);
  FExtButtonPanel->OnButtonClick = [this](TObject* Sender, int Index) { CalcButtonClick(Sender, Index); };
}

void TExtCalculatorDropdown::BeforeDropDown() {
  TExtCustomDropDown::BeforeDropDown();
  if (FDropDownForm) FDropDownForm->SetCancelOnDeActivate(false);
  if (FExtButtonPanel) {
    FExtButtonPanel->ButtonAppearance().Assign(FCalcButtonAppearance.get());
    FExtButtonPanel->SetColor(DropDownColor());
    FExtButtonPanel->ArrangeButtons();
  }
  FEngine->StartNewNumber();
  FCalcClosed = false;
}

void TExtCalculatorDropdown::CalcButtonClick(TObject*, int Index) {
  if (!FExtButtonPanel || Index < 0 || Index >= FExtButtonPanel->Buttons().Count()) return;
  FEngine->ButtonAction(FExtButtonPanel->Buttons().Items(Index)->Tag());
}

void TExtCalculatorDropdown::SetShowThousandSeparator(bool Value) {
  if (FShowThousandSeparator == Value) return;
  FShowThousandSeparator = Value;
  SetEditType(Value ? etMoney : etFloat);
  SetFloatValue(FloatValue());
}

void TExtCalculatorDropdown::SetComponentStyle(TDAZStyle AStyle) {
  TExtCustomDropDown::SetComponentStyle(AStyle);
  if (!FCalcButtonAppearance) return;
  TButtonAppearance& a = *FCalcButtonAppearance;
  const TExtButtonAppearance& b = ButtonAppearance();
  a.SetBorderColor(b.BorderColor());
  a.SetBorderColorHot(b.BorderColorHot());
  a.SetBorderColorDown(b.BorderColorDown());
  a.SetColor(b.Color());
  a.SetColorTo(b.ColorTo());
  a.SetColorDown(b.ColorDown());
  a.SetColorDownTo(b.ColorDownTo());
  a.SetColorHot(b.ColorHot());
  a.SetColorHotTo(b.ColorHotTo());
  if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) {
    a.SetGlowColorHot(b.ColorHot());
    a.SetGlowColorDown(b.ColorHot());
  } else {
    a.SetGlowColorDown(0xD5C244);
    a.SetGlowColorHot(b.ColorDownTo());
  }
}

void TExtCalculatorDropdown::CalcEditChar(TKeyChar& Key) {
  if (!EditorEnabled() || ReadOnly()) return;
  const bool operatorsAct = FCalcClosed || (FDropDownForm && !FDropDownForm->Visible());
  if (!FEngine->EditChar(Key, operatorsAct)) Key = 0;
}

void TExtCalculatorDropdown::PopupAction(TCalcPopupAction Action) {
  if (Action == TCalcPopupAction::CloseKeep) DoHideDropDown(false);
  if (Action == TCalcPopupAction::CloseCancel) DoHideDropDown(true);
}

void TExtCalculatorDropdown::DropDownFormKeyPress(TKeyChar& Key) {
  HWND self = Handle();
  TExtCustomDropDown::DropDownFormKeyPress(Key);
  if (!IsWindow(self)) return;
  PopupAction(FEngine->PopupChar(Key, GetKeyState(VK_MENU) < 0));
}

void TExtCalculatorDropdown::DropDownFormKeyDown(WORD& Key, TShiftState Shift) {
  HWND self = Handle();
  TExtCustomDropDown::DropDownFormKeyDown(Key, Shift);
  if (!IsWindow(self)) return;
  PopupAction(FEngine->PopupKeyDown(Key));
}

void TExtCalculatorDropdown::ControlKeyDown(WORD& Key, TShiftState Shift) { DropDownFormKeyDown(Key, Shift); }
void TExtCalculatorDropdown::ControlKeyPress(TKeyChar& Key) { DropDownFormKeyPress(Key); }

void TExtCalculatorDropdown::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_CHAR: {
      auto key = static_cast<TKeyChar>(m.WParam);
      CalcEditChar(key);
      if (key == 0) {
        m.Result = 0;
        return;
      }
      m.WParam = key;
      break;
    }
    case WM_KEYDOWN: {
      HWND self = Handle();
      const auto key = static_cast<WORD>(m.WParam);
      TExtCustomDropDown::Dispatch(m);
      if (IsWindow(self)) FEngine->EditKeyDown(key);
      return;
    }
    case CM_ENTER:
      if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
      break;
    default: break;
  }
  TExtCustomDropDown::Dispatch(m);
}

}  // namespace hd

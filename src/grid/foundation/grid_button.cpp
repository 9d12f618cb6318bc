#include "grid/foundation/grid_button.h"

#include <algorithm>
#include <cmath>

#include "grid/foundation/theme.h"
#include "platform/menus.h"
#include "platform/std_ctrls.h"
#include "platform/themes.h"

namespace hd {
namespace {

// The desktop's style changed, and the layer's notice of it to every control.
constexpr UINT WM_THEMECHANGED = 0x031A;
constexpr UINT CM_STYLECHANGED = 0xB035;

constexpr int kGradientSteps = 16;
constexpr int kRoundCorner = 8;

struct TLookColors {
  TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo;
  TColor BorderDown, BorderHot;
  bool Rounded;
};

constexpr TLookColors kLooks[] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE, true},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31, false},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone, false},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080, false},
};

int Channel(TColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// Where glyph and caption start along one axis, the glyph first (left or top) or last.
struct TAxisPlace {
  int Glyph;
  int Caption;
};

TAxisPlace PlaceOnAxis(int Size, int GlyphSize, int CaptionSize, int Margin, int Spacing, bool GlyphFirst) {
  if (GlyphSize == 0 || CaptionSize == 0) Spacing = 0;
  if (Margin == -1) {
    if (Spacing == -1) {
      int total = GlyphSize + CaptionSize;
      Margin = (Size - total) / 3;
      Spacing = Margin;
    } else {
      Margin = (Size - (GlyphSize + Spacing + CaptionSize) + 1) / 2;
    }
  } else if (Spacing == -1) {
    // The caption centred in the room after the glyph.
    Spacing = (Size - (Margin + GlyphSize) - CaptionSize + 1) / 2;
  }
  if (GlyphFirst) return {Margin, Margin + GlyphSize + Spacing};
  int glyph = Size - Margin - GlyphSize;
  return {glyph, glyph - Spacing - CaptionSize};
}

// Plain fill with an outline, or a vertical gradient, as the flat faces are drawn.
void FillFace(TCanvas& C, const TRect& R, TColor From, TColor To, TColor Pen) {
  if (To == clNone) {
    C.Brush().Style = bsSolid;
    C.Brush().Color = From;
    C.Pen().Style = psSolid;
    C.Pen().Width = 1;
    C.Pen().Color = Pen == clNone ? From : Pen;
    C.Rectangle(R);
    return;
  }
  DrawButtonGradient(C, From, To, Pen, kGradientSteps, R, false);
}

void Outline(TCanvas& C, const TRect& R, TColor Pen, bool Rounded) {
  C.Brush().Style = bsClear;
  C.Pen().Style = psSolid;
  C.Pen().Width = 1;
  C.Pen().Color = Pen;
  if (Rounded)
    C.RoundRect(R, kRoundCorner, kRoundCorner);
  else
    C.Rectangle(R);
  C.Brush().Style = bsSolid;
}

}  // namespace

void DrawButtonGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, TColor BorderColor, int Steps,
                        const TRect& Rect, bool Horizontal) {
  if (Steps <= 0) Steps = 1;
  const TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
  const int extent = Horizontal ? Rect.Width() : Rect.Height();
  const double band = static_cast<double>(extent) / Steps;
  const int length = static_cast<int>(std::nearbyint(band)) + 1;
  Canvas.Brush().Style = bsSolid;
  Canvas.Pen().Style = psSolid;
  Canvas.Pen().Width = 1;
  for (int n = 0; n < Steps; ++n) {
    TColor c = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      const int a = Channel(from, shift), b = Channel(to, shift);
      const int v = a + static_cast<int>(std::nearbyint(n * static_cast<double>(b - a) / Steps));
      c |= static_cast<TColor>(std::clamp(v, 0, 255)) << shift;
    }
    Canvas.Brush().Color = c;
    Canvas.Pen().Color = c;
    const int start = static_cast<int>(std::nearbyint(n * band));
    if (Horizontal)
      Canvas.Rectangle(TRect{Rect.Left + start, Rect.Top, Rect.Left + start + length, Rect.Bottom});
    else
      Canvas.Rectangle(TRect{Rect.Left, Rect.Top + start, Rect.Right, Rect.Top + start + length});
  }
  if (BorderColor != clNone) Outline(Canvas, Rect, BorderColor, false);
}

bool IsThemedCommonControls() { return IsWinXPOrLater() && ThemesActive() && IsComCtl6(); }

int CurrentThemeScheme() {
  if (!IsWinXPOrLater() || !ThemesActive()) return 0;
  const std::string name = CurrentThemeNames().ColorName;
  if (name == "NormalColor") return 1;
  if (name == "HomeStead") return 2;
  if (name == "Metallic") return 3;
  return 0;
}

TExtGridButton::TExtGridButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  // The click is decided at the release, after the group's state.
  control_style_ = TControlStyle{csCaptureMouse, csDoubleClicks, csSetCaption};
  SetBounds(0, 0, 23, 22);
  SetColor(clBtnFace);
}

void TExtGridButton::SetColorField(TColor& Field, TColor Value) {
  Field = Value;
  Invalidate();
}

void TExtGridButton::SetGlyph(const TBitmap& Value) {
  FGlyph = Value;
  if (FGlyphDisabled.Empty() && !FGlyph.Empty()) {
    // A greyed copy, lighter than the glyph: the rounded average halved, plus 96.
    FGlyphDisabled = FGlyph;
    for (int y = 0; y < FGlyphDisabled.Height(); ++y) {
      std::uint32_t* row = FGlyphDisabled.ScanLine(y);
      for (int x = 0; x < FGlyphDisabled.Width(); ++x) {
        const TColor p = row[x];
        const long avg = std::lround((Channel(p, 0) + Channel(p, 8) + Channel(p, 16)) / 3.0);
        const auto grey = static_cast<std::uint32_t>(avg / 2 + 96);
        row[x] = (row[x] & 0xFF000000u) | grey | grey << 8 | grey << 16;
      }
    }
  }
  if (FShaded) MakeShade();
  Invalidate();
}

void TExtGridButton::SetGlyphHot(const TBitmap& Value) {
  FGlyphHot = Value;
  Invalidate();
}

void TExtGridButton::SetGlyphDown(const TBitmap& Value) {
  FGlyphDown = Value;
  Invalidate();
}

void TExtGridButton::SetGlyphDisabled(const TBitmap& Value) {
  FGlyphDisabled = Value;
  Invalidate();
}

void TExtGridButton::MakeShade() {
  if (FGlyph.Empty()) {
    FGlyphShade = TBitmap();
    return;
  }
  FGlyphShade = TBitmap(FGlyph.Width(), FGlyph.Height());
  const std::uint32_t key = FGlyph.ScanLine(FGlyph.Height() - 1)[0] & 0xFFFFFFu;
  for (int y = 0; y < FGlyph.Height(); ++y) {
    const std::uint32_t* src = FGlyph.ScanLine(y);
    std::uint32_t* dst = FGlyphShade.ScanLine(y);
    for (int x = 0; x < FGlyph.Width(); ++x) dst[x] = 0xFF000000u | ((src[x] & 0xFFFFFFu) != key ? 0x808080u : 0u);
  }
}

void TExtGridButton::SetDown(bool Value) {
  if (FGroupIndex == 0 && FStyle != tasCheck) Value = false;
  if (FStyle == tasCheck) {
    FDown = Value;
    Repaint();
    return;
  }
  if (Value == FDown) return;
  // The last button of a group stays down unless all may be up.
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  if (Value) {
    if (FState == bsUp) Invalidate();
    FState = bsExclusive;
  } else {
    FState = bsUp;
    Repaint();
  }
  if (Value) UpdateExclusive();
}

void TExtGridButton::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  UpdateExclusive();
}

void TExtGridButton::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TExtGridButton::SetFlat(bool Value) {
  FFlat = Value;
  Invalidate();
}

void TExtGridButton::SetLayout(TButtonLayout Value) {
  FLayout = Value;
  Invalidate();
}

void TExtGridButton::SetMargin(int Value) {
  if (Value < -1) return;
  FMargin = Value;
  Invalidate();
}

void TExtGridButton::SetSpacing(int Value) {
  FSpacing = Value;
  Invalidate();
}

void TExtGridButton::SetTransparent(bool Value) {
  FTransparent = Value;
  Invalidate();
}

void TExtGridButton::SetStyle(TExtGridButtonStyle Value) {
  FStyle = Value;
  Invalidate();
}

void TExtGridButton::SetRounded(bool Value) {
  FRounded = Value;
  Invalidate();
}

void TExtGridButton::SetDropDownButton(bool Value) {
  FDropDownButton = Value;
  Invalidate();
}

void TExtGridButton::SetDropDownMenu(TPopupMenu* Value) {
  if (FDropDownMenu) RemoveFreeNotification(FDropDownMenu);
  FDropDownMenu = Value;
  if (FDropDownMenu) FreeNotification(FDropDownMenu);
}

void TExtGridButton::SetShowCaption(bool Value) {
  FShowCaption = Value;
  Invalidate();
}

void TExtGridButton::SetShaded(bool Value) {
  FShaded = Value;
  if (FShaded) MakeShade();
  Invalidate();
}

void TExtGridButton::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  if (Value) ThemeAdapt();
  Invalidate();
}

void TExtGridButton::SetAutoXPStyle(bool Value) {
  FAutoXPStyle = Value;
  Invalidate();
}

void TExtGridButton::SetLook(int Value) {
  if (Value < 0 || Value >= static_cast<int>(std::size(kLooks))) return;
  const TLookColors& l = kLooks[Value];
  FLook = Value;
  SetColor(l.Color);
  FColorTo = l.ColorTo;
  FColorHot = l.ColorHot;
  FColorHotTo = l.ColorHotTo;
  FColorDown = l.ColorDown;
  FColorDownTo = l.ColorDownTo;
  FColorChecked = l.ColorChecked;
  FColorCheckedTo = l.ColorCheckedTo;
  FBorderDownColor = l.BorderDown;
  FBorderHotColor = l.BorderHot;
  FRounded = l.Rounded;
  FBorderColor = clNone;
  FFlat = true;
  Invalidate();
}

void TExtGridButton::ThemeAdapt() {
  switch (CurrentThemeScheme()) {
    case 1: SetLook(2); break;
    case 2: SetLook(3); break;
    case 3: SetLook(4); break;
    default: SetLook(1); break;
  }
}

void TExtGridButton::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

void TExtGridButton::Loaded() {
  TGraphicControl::Loaded();
  if (FShaded) MakeShade();
  if (FAutoThemeAdapt) ThemeAdapt();
}

void TExtGridButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  TWinControl* parent = Parent();
  for (int i = 0; i < parent->ControlCount(); ++i)
    parent->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this));
}

void TExtGridButton::ButtonPressed(int Group, TExtGridButton* Sender) {
  if (Group != FGroupIndex || !Sender) return;
  if (Sender != this && Sender->Down() && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = Sender->AllowAllUp();
}

void TExtGridButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED:
      // Another button class of the same group tells nothing a grid button can take.
      ButtonPressed(static_cast<int>(Message.WParam),
                    dynamic_cast<TExtGridButton*>(reinterpret_cast<TObject*>(Message.LParam)));
      return;
    case CM_MOUSEENTER: {
      TGraphicControl::Dispatch(Message);
      if (Message.LParam != 0 || !Enabled()) return;
      HWND capture = GetCapture();
      if (capture != 0 && capture != Handle()) return;
      FMouseInControl = true;
      Repaint();
      return;
    }
    case CM_MOUSELEAVE:
      TGraphicControl::Dispatch(Message);
      if (Message.LParam != 0 || FDragging) return;
      FMouseInControl = false;
      Invalidate();
      return;
    case WM_LBUTTONDBLCLK: {
      HWND self = Handle();
      TGraphicControl::Dispatch(Message);
      if (IsWindow(self) && FDown) DblClick();
      return;
    }
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<TKeyChar>(Message.WParam), Caption()) && Enabled() && Visible() && Parent() &&
          Parent()->Showing()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      TGraphicControl::Dispatch(Message);
      Invalidate();
      return;
    case WM_THEMECHANGED:
    case CM_STYLECHANGED:
      if (FAutoThemeAdapt) ThemeAdapt();
      break;
    default:
      break;
  }
  TGraphicControl::Dispatch(Message);
}

void TExtGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  HWND self = Handle();
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (!IsWindow(self) || Button != mbLeft || !Enabled()) return;
  if (FDropDownButton && X >= ClientWidth() - kGridButtonDropDownWidth) {
    // The drop-down zone clicks nothing: it only opens.
    FState = bsUp;
    Invalidate();
    if (GetCapture() == Handle()) SetMouseCapture(false);
    if (OnDropDown) OnDropDown(this);
    if (!IsWindow(self)) return;
    if (FDropDownMenu) {
      TPoint at = ClientToScreen({0, Height()});
      FDropDownMenu->SetPopupComponent(this);
      FDropDownMenu->Popup(at.X, at.Y);
    }
    return;
  }
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  if (FStyle == tasCheck) {
    FState = bsDown;
    Repaint();
  }
  FDragging = true;
}

void TExtGridButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) {
    UpdateTracking({X, Y});
    return;
  }
  // The bottom edge counts as inside, as the platform's own buttons count it.
  const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
  TButtonState now = FDown ? bsExclusive : (inside ? bsDown : bsUp);
  if (FStyle == tasCheck && FDown) now = bsDown;
  if (now == FState) return;
  FState = now;
  Repaint();
}

void TExtGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  HWND self = Handle();
  if (Button == mbLeft && FDragging) {
    FDragging = false;
    const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
    if (FGroupIndex == 0) {
      FState = bsUp;
      FMouseInControl = false;
      if (FStyle == tasCheck) FDown = !FDown;
      if (inside) Invalidate();
    } else if (inside) {
      SetDown(!FDown);
      if (FDown) Repaint();
    } else {
      if (FDown) FState = bsExclusive;
      Repaint();
    }
    if (inside) Click();
    if (!IsWindow(self)) return;
    UpdateTracking({X, Y});
  }
  TGraphicControl::MouseUp(Button, Shift, X, Y);
}

// The mouse may have entered or left without the platform's notice (a release after a drag).
void TExtGridButton::UpdateTracking(TPoint At) {
  if (!FFlat || !Enabled() || FMouseInControl == ClientRect().Contains(At)) return;
  Perform(FMouseInControl ? CM_MOUSELEAVE : CM_MOUSEENTER);
}

void TExtGridButton::NormaliseState() {
  if (!Enabled()) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
  }
}

TSize TExtGridButton::CaptionSize() const {
  if (!FShowCaption || Caption().empty()) return {0, 0};
  TBitmap measure(1, 1);
  measure.Canvas().SetFont(Font());
  TRect r{0, 0, 0, 0};
  measure.Canvas().DrawText(Caption(), r, DT_CALCRECT | DT_SINGLELINE);
  return {r.Width(), r.Height()};
}

TExtGridButton::TFaceLayout TExtGridButton::FaceLayout() const {
  const TSize text = CaptionSize();
  TRect area = ClientRect();
  // The face's own edge, as Paint leaves it.
  if (FFlat) {
    const int edge = FBorderDownColor == clNone || FRounded ? 2 : 1;
    InflateRect(area, -edge, -edge);
  }
  if (FDropDownButton) area.Right -= kGridButtonDropDownWidth;
  const int gw = FGlyph.Width(), gh = FGlyph.Height();
  TFaceLayout face;
  if (text.cx == 0) {
    face.Glyph = Bounds(0, 0, gw, gh);
    return face;
  }
  const bool across = FLayout == blGlyphLeft || FLayout == blGlyphRight;
  const bool first = FLayout == blGlyphLeft || FLayout == blGlyphTop;
  const int w = area.Width(), h = area.Height();
  if (across) {
    TAxisPlace p = PlaceOnAxis(w, gw, text.cx, FMargin, FSpacing, first);
    face.Glyph = Bounds(area.Left + p.Glyph, area.Top + (h - gh + 1) / 2, gw, gh);
    face.Caption = Bounds(area.Left + p.Caption, area.Top + (h - text.cy + 1) / 2, text.cx, text.cy);
  } else {
    TAxisPlace p = PlaceOnAxis(h, gh, text.cy, FMargin, FSpacing, first);
    face.Glyph = Bounds(area.Left + (w - gw + 1) / 2, area.Top + p.Glyph, gw, gh);
    face.Caption = Bounds(area.Left + (w - text.cx + 1) / 2, area.Top + p.Caption, text.cx, text.cy);
  }
  return face;
}

const TBitmap& TExtGridButton::ShownGlyph(bool HotFace, bool Pressed) const {
  if (HotFace && !Pressed && !FGlyphHot.Empty()) return FGlyphHot;
  if (Pressed && !FGlyphDown.Empty()) return FGlyphDown;
  if (!Enabled() && !FGlyphDisabled.Empty()) return FGlyphDisabled;
  return FGlyph;
}

void TExtGridButton::PaintFace(TCanvas& C, TRect& R, bool HotFace) {
  const bool checkedDown = FStyle == tasCheck && FDown;
  if (FFlat) {
    if (FBorderDownColor == clNone || FRounded) InflateRect(R, -1, -1);
    if (!HotFace) {
      if (checkedDown)
        FillFace(C, R, FColorChecked, FColorCheckedTo, FBorderDownColor);
      else if (FColorTo == clNone)
        FillFace(C, R, Color(), clNone, Color());
      else
        FillFace(C, R, Color(), FColorTo, FRounded ? clNone : (FDown ? FBorderDownColor : FBorderColor));
      if (FBorderColor != clNone) Outline(C, R, FBorderColor, FRounded);
    } else {
      TColor from = FColorHot, to = FColorHotTo, pen = FBorderHotColor;
      if (checkedDown && !FDragging) {
        from = FColorChecked, to = FColorCheckedTo, pen = FBorderDownColor;
      } else if (FState == bsDown || FState == bsExclusive) {
        from = FColorDown, to = FColorDownTo, pen = FBorderDownColor;
      }
      FillFace(C, R, from, to, FRounded ? clNone : pen);
      if (FRounded && pen != clNone) Outline(C, R, pen, true);
      if (FDropDownButton && pen != clNone) {
        C.Pen().Color = pen;
        C.MoveTo(R.Right - kGridButtonDropDownWidth, R.Top);
        C.LineTo(R.Right - kGridButtonDropDownWidth, R.Bottom);
      }
    }
    InflateRect(R, -1, -1);
  } else {
    const bool pressed = FState == bsDown || FState == bsExclusive;
    if (FAutoXPStyle && IsThemedCommonControls()) {
      const int state = pressed ? TS_PRESSED : (FMouseInControl ? TS_HOT : TS_NORMAL);
      C.DrawThemedPart(TThemedElement::PushButton, state, R);
    } else {
      C.DrawFrameControl(R, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));
    }
  }
  if (FState == bsExclusive && (!FFlat || !HotFace)) {
    TRect grown = R;
    InflateRect(grown, 1, 1);
    FillFace(C, grown, FColorChecked, FColorCheckedTo, clNone);
  }
}

void TExtGridButton::PaintGlyphAndCaption(TCanvas& C, bool HotFace) {
  const bool pressed = FState == bsDown || FState == bsExclusive;
  TFaceLayout face = FaceLayout();
  int shift = 0;
  if (pressed && !FFlat) shift = 1;
  if (FFlat && HotFace && FShaded && !pressed) shift = -1;
  OffsetRect(face.Glyph, shift, shift);
  OffsetRect(face.Caption, shift, shift);
  const bool noCaption = face.Caption.Width() == 0;
  const TBitmap& glyph = ShownGlyph(HotFace, pressed);
  if (!glyph.Empty()) {
    if (HotFace && FShaded && Enabled() && !pressed && !FGlyphShade.Empty()) {
      TBitmap shade = FGlyphShade;
      shade.SetTransparent(true);
      const int d = noCaption ? 0 : 2;
      C.Draw(face.Glyph.Left + d, face.Glyph.Top + d, shade);
    }
    TBitmap shown = glyph;
    shown.SetTransparent(true);
    C.Draw(face.Glyph.Left, face.Glyph.Top, shown);
  }
  if (noCaption) return;
  C.SetFont(Font());
  C.Brush().Style = bsClear;
  TRect r = face.Caption;
  const unsigned flags = DT_CENTER | DT_SINGLELINE | DT_VCENTER;
  if (!Enabled()) {
    OffsetRect(r, 1, 1);
    C.Font().Color = clBtnHighlight;
    C.DrawText(Caption(), r, flags);
    OffsetRect(r, -1, -1);
    C.Font().Color = clBtnShadow;
  }
  C.DrawText(Caption(), r, flags);
  C.Brush().Style = bsSolid;
}

void TExtGridButton::Paint() {
  NormaliseState();
  TCanvas& c = Canvas();
  const bool designing = ComponentState().Contains(csDesigning);
  const bool hotFace = FMouseInControl && Enabled() && !designing;
  TRect r = ClientRect();
  if (!FTransparent || !FFlat) {
    c.Brush().Style = bsSolid;
    c.Brush().Color = Color();
    c.FillRect(r);
  }
  PaintFace(c, r, hotFace);
  if (FDropDownButton) {
    const int m = ClientHeight() / 2;
    const TColor fc = Font().Color;
    c.Brush().Style = bsSolid;
    c.Brush().Color = fc;
    c.Pen().Color = fc;
    c.Polygon({{r.Right - 8, m - 1}, {r.Right - 4, m - 1}, {r.Right - 6, m + 1}});
    r.Right -= kGridButtonDropDownWidth;
  }
  PaintGlyphAndCaption(c, hotFace);
}

}  // namespace hd

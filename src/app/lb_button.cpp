#include "app/lb_button.h"

#include "app/button_glyphs.h"
#include "platform/ext_ctrls.h"
#include "platform/timers.h"

namespace hd {
namespace {

constexpr unsigned kFadeInterval = 30;
constexpr int kHotTrackSteps = 8;

struct StockKind {
  TLbButtonKind Kind;
  TModalResult Result;
  const char* Resource;
  const char* Caption;
};

constexpr StockKind kStockKinds[] = {
    {bkOK, mrOk, "LBOK", "OK"},
    {bkCancel, mrCancel, "LBCANCEL", "Abbrechen"},
    {bkHelp, mrNone, "LBHELP", "Hilfe"},
    {bkYes, mrYes, "LBYES", "Ja"},
    {bkNo, mrNo, "LBNO", "Nein"},
    {bkClose, mrNone, "LBCLOSE", "Schließen"},
    {bkAbort, mrAbort, "LBABORT", "Abbrechen"},
    {bkRetry, mrRetry, "LBRETRY", "Wiederholen"},
    {bkIgnore, mrIgnore, "LBIGNORE", "Ignorieren"},
    {bkAll, mrAll, "LBALL", "Alle"},
};

bool DrawsOnFuchsia(TLbButtonStyle s) { return s == bsModern || s == bsShape || s == bsQuicken; }

}  // namespace

TLbButton::TLbButton(TComponent* owner) : TCustomControl(owner) {
  RegisterButtonGlyphs();
  // Clicks come from the button's own mouse-up, which also counts a release outside.
  SetControlStyle(ControlStyle() - TControlStyle{csClickEvents});
  SetBounds(Left(), Top(), 100, 23);
  SetTabStop(true);
  SetColor(clBtnFace);
  if (auto* form = dynamic_cast<TCustomForm*>(owner)) FHTFont = form->Font();
  MakeFadeTimer();
}

TLbButton::~TLbButton() { MarkDestroying(); }

void TLbButton::SetAlignment(TAlignment v) {
  FAlignment = v;
  Repaint();
}

void TLbButton::SetColorStyle(TLbColorStyle v) {
  if (v == lcsCustom) return;
  TLbColorPreset p;
  p.Color = Color();
  p.LightColor = FLightColor;
  p.ShadowColor = FShadowColor;
  p.ColorWhenDown = FColorWhenDown;
  p.HotTrackColor = FHotTrackColor;
  GetColorStylePreset(v, p);
  SetColor(p.Color);
  FLightColor = p.LightColor;
  FShadowColor = p.ShadowColor;
  FColorWhenDown = p.ColorWhenDown;
  FHotTrackColor = p.HotTrackColor;
  FFlat = p.Flat;
  TFont font = Font();
  font.Color = p.FontColor;
  SetFont(font);
  FStyle = p.Modern ? bsModern : p.Quicken ? bsQuicken : bsNormal;
  Repaint();
}

void TLbButton::SetEnabled(bool v) {
  TCustomControl::SetEnabled(v);
  FEnabled = v;
  bDown = false;
  Repaint();
}

void TLbButton::SetFlat(bool v) {
  FFlat = v;
  Repaint();
}

void TLbButton::SetGlyph(const TBitmap* v) {
  if (v) {
    FGlyph = *v;
    FNumGlyphs = FGlyph.Height() > 0 ? FGlyph.Width() / FGlyph.Height() : 0;
  } else {
    FGlyph = TBitmap();
    FNumGlyphs = 0;
  }
  FKind = bkCustom;
  Invalidate();
}

void TLbButton::SetKind(TLbButtonKind v) {
  for (const StockKind& k : kStockKinds) {
    if (k.Kind != v) continue;
    FNumGlyphs = 2;
    FModalResult = k.Result;
    FGlyph.LoadFromResourceName(k.Resource);
    SetCaption(k.Caption);
  }
  FKind = v;
  Invalidate();
}

void TLbButton::SetLayout(TLbButtonLayout v) {
  FLayout = v;
  Repaint();
}

void TLbButton::SetLightColor(TColor v) {
  FLightColor = v;
  Repaint();
}

void TLbButton::SetModalResult(TModalResult v) {
  FModalResult = v;
  FKind = bkCustom;
}

void TLbButton::SetNumGlyphs(int v) {
  FNumGlyphs = v;
  Invalidate();
}

void TLbButton::SetShadowColor(TColor v) {
  FShadowColor = v;
  Repaint();
}

void TLbButton::SetSlowDecease(bool v) {
  FSlowDecease = v;
  if (v) {
    if (!FFadeTimer) MakeFadeTimer();
  } else {
    FHotTrackStep = 0;
    FFadeTimer.reset();
  }
  Invalidate();
}

void TLbButton::SetStyle(TLbButtonStyle v) {
  FStyle = v;
  Invalidate();
}

void TLbButton::SetWordWrap(bool v) {
  FWordWrap = v;
  Repaint();
}

void TLbButton::SetText(const std::string& text) {
  TCustomControl::SetText(text);
  Invalidate();
}

// Stopped until a mouse leave starts the fade.
void TLbButton::MakeFadeTimer() {
  FFadeTimer = std::make_unique<TTimer>(nullptr);
  FFadeTimer->SetEnabled(false);
  FFadeTimer->SetInterval(kFadeInterval);
  FFadeTimer->OnTimer = [this](TObject*) { FadeStep(); };
}

void TLbButton::FadeStep() {
  if (Destroying()) return;
  if (--FHotTrackStep <= 0) {
    FHotTrackStep = 0;
    EndFade();
  }
  Repaint();
}

void TLbButton::EndFade() {
  if (FFadeTimer) FFadeTimer->SetEnabled(false);
}

TButtonFace TLbButton::FaceParams(bool hot) const {
  TButtonFace f;
  f.Width = Width();
  f.Height = Height();
  f.HotTrackStep = FHotTrackStep;
  f.NumGlyphs = FNumGlyphs;
  f.Glyph = &FGlyph;
  f.Pressed = bDown;
  f.Hot = hot;
  f.Enabled = Enabled();
  f.Flat = FFlat;
  f.WordWrap = FWordWrap;
  f.Style = FStyle;
  f.Color = Color();
  f.ColorWhenDown = FColorWhenDown;
  f.HotTrackColor = FHotTrackColor;
  f.LightColor = FLightColor;
  f.ShadowColor = FShadowColor;
  f.Font = hot && FUseHTFont ? FHTFont : Font();
  f.Layout = FLayout;
  f.Caption = Caption();
  f.Alignment = FAlignment;
  return f;
}

void TLbButton::Paint() {
  if (Destroying() || !Visible()) return;
  const int w = Width(), h = Height();
  const bool focused = Focused();
  const bool hot = bCursorOnButton || focused;
  TBitmap bmp(w, h);
  TCanvas& c = bmp.Canvas();
  if (DrawsOnFuchsia(FStyle)) {
    bmp.SetTransparent(true);
    bmp.SetTransparentColor(clFuchsia);
    c.Brush() = TBrush{clFuchsia, bsSolid};
    c.FillRect(Rect(0, 0, w, h));
    // Corners left out show the parent's colour.
    if (Parent()) {
      Canvas().Brush() = TBrush{Parent()->Color(), bsSolid};
      Canvas().FillRect(Rect(0, 0, w, h));
    }
  }
  TButtonFace face = FaceParams(hot);
  if (FStyle == bsOld && focused) {
    face.Width = w - 2;
    face.Height = h - 2;
    if (bDown) face.LightColor = FShadowColor;
    PaintButtonFace(c, face);
    const TBitmap copy = bmp;
    c.Draw(1, 1, copy);
    c.Brush() = TBrush{clBlack, bsSolid};
    c.FrameRect(Rect(0, 0, w, h));
  } else {
    PaintButtonFace(c, face);
  }
  Canvas().Draw(0, 0, bmp);
  if (focused && Enabled() && FStyle != bsShape) Canvas().DrawFocusRect(Rect(4, 4, w - 4, h - 4));
}

}  // namespace hd

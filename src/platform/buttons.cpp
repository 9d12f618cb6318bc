#include "platform/buttons.h"

#include <algorithm>

namespace hd {
namespace {

// One axis of the face: where the glyph and the caption start along it.
struct TAxisPlace {
  int glyph;
  int caption;
};

// The glyph first (left or top) or last; margin and spacing of -1 share the free room.
TAxisPlace PlaceOnAxis(int size, int glyphSize, int captionSize, int margin, int spacing, bool glyphFirst) {
  if (glyphSize == 0 || captionSize == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      int total = glyphSize + captionSize;
      margin = total == 0 ? 0 : (size - total) / 3;
      spacing = margin;
    } else {
      margin = (size - (glyphSize + spacing + captionSize) + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (size - (margin + glyphSize) - margin - captionSize) / 2;
  }
  if (glyphFirst) return {margin, margin + glyphSize + spacing};
  int glyph = size - margin - glyphSize;
  return {glyph, glyph - spacing - captionSize};
}

}  // namespace

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  // The click is decided at the release, after the group's state.
  control_style_ = TControlStyle{csCaptureMouse, csDoubleClicks, csSetCaption};
  SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetGlyph(const TBitmap& Value) {
  glyph_ = Value;
  // A strip of square faces tells how many it holds; more than four is one wide face.
  if (glyph_.Height() > 0 && glyph_.Width() % glyph_.Height() == 0) {
    int faces = glyph_.Width() / glyph_.Height();
    num_glyphs_ = faces >= 1 && faces <= 4 ? faces : 1;
  }
  Changed();
}

void TSpeedButton::SetNumGlyphs(TNumGlyphs Value) {
  num_glyphs_ = std::clamp(Value, 1, 4);
  Changed();
}

void TSpeedButton::SetGroupIndex(int Value) {
  if (group_index_ == Value) return;
  group_index_ = Value;
  if (group_index_ == 0) down_ = false;
  UpdateExclusive();
  Changed();
}

void TSpeedButton::SetDown(bool Value) {
  if (group_index_ == 0) Value = false;
  if (Value == down_) return;
  // The last button of a group stays down unless all may be up.
  if (down_ && !allow_all_up_) return;
  down_ = Value;
  if (down_) UpdateExclusive();
  Changed();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (allow_all_up_ == Value) return;
  allow_all_up_ = Value;
  UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value) {
  flat_ = Value;
  Changed();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  layout_ = Value;
  Changed();
}

void TSpeedButton::SetMargin(int Value) {
  margin_ = std::max(Value, -1);
  Changed();
}

void TSpeedButton::SetSpacing(int Value) {
  spacing_ = std::max(Value, -1);
  Changed();
}

void TSpeedButton::SetTransparent(bool Value) {
  transparent_ = Value;
  Changed();
}

// Tells the group that this button went down, and what it allows.
void TSpeedButton::UpdateExclusive() {
  if (group_index_ == 0 || !Parent()) return;
  TWinControl* parent = Parent();
  for (int i = 0; i < parent->ControlCount(); ++i)
    if (parent->Controls(i) != this)
      parent->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(group_index_), reinterpret_cast<LPARAM>(this));
}

void TSpeedButton::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case CM_BUTTONPRESSED: {
      auto* sender = reinterpret_cast<TSpeedButton*>(m.LParam);
      if (static_cast<int>(m.WParam) != group_index_ || group_index_ == 0 || !sender) break;
      if (sender->Down() && down_) {
        down_ = false;
        Changed();
      }
      allow_all_up_ = sender->AllowAllUp();
      break;
    }
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TGraphicControl::Dispatch(m);
      if (flat_) Changed();
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      TGraphicControl::Dispatch(m);
      Changed();
      break;
    default:
      TGraphicControl::Dispatch(m);
  }
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  state_ = bsDown;
  dragging_ = true;
  Changed();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!dragging_) return;
  TButtonState now = ClientRect().Contains({x, y}) ? bsDown : bsUp;
  if (now == state_) return;
  state_ = now;
  Changed();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && dragging_) {
    dragging_ = false;
    bool inside = ClientRect().Contains({x, y});
    state_ = bsUp;
    if (inside && group_index_ != 0) SetDown(!down_);
    Changed();
    HWND self = Handle();
    if (inside) Click();
    if (!IsWindow(self)) return;
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

TButtonState TSpeedButton::ShownState() const {
  if (!Enabled()) return bsDisabled;
  if (state_ == bsDown) return bsDown;
  return down_ ? bsExclusive : bsUp;
}

int TSpeedButton::GlyphWidth() const { return glyph_.Empty() ? 0 : glyph_.Width() / num_glyphs_; }

TSpeedButton::TFaceLayout TSpeedButton::FaceLayout() const {
  int gw = GlyphWidth(), gh = glyph_.Empty() ? 0 : glyph_.Height();
  TSize text{};
  if (!Caption().empty()) {
    TBitmap measure(1, 1);
    measure.Canvas().SetFont(Font());
    text = measure.Canvas().TextExtent(Caption());
  }
  int w = ClientWidth(), h = ClientHeight();
  TFaceLayout face;
  bool across = layout_ == blGlyphLeft || layout_ == blGlyphRight;
  bool glyphFirst = layout_ == blGlyphLeft || layout_ == blGlyphTop;
  if (across) {
    TAxisPlace p = PlaceOnAxis(w, gw, text.cx, margin_, spacing_, glyphFirst);
    face.Glyph = Bounds(p.glyph, (h - gh + 1) / 2, gw, gh);
    face.Caption = Bounds(p.caption, (h - text.cy + 1) / 2, text.cx, text.cy);
  } else {
    TAxisPlace p = PlaceOnAxis(h, gh, text.cy, margin_, spacing_, glyphFirst);
    face.Glyph = Bounds((w - gw + 1) / 2, p.glyph, gw, gh);
    face.Caption = Bounds((w - text.cx + 1) / 2, p.caption, text.cx, text.cy);
  }
  return face;
}

void TSpeedButton::Paint() {
  TCanvas& c = Canvas();
  TRect client = ClientRect();
  TButtonState shown = ShownState();
  bool pressed = shown == bsDown || shown == bsExclusive;
  if (!transparent_ || !flat_) {
    c.Brush().Color = Color();
    c.Brush().Style = bsSolid;
    c.FillRect(client);
  }
  TRect edge = client;
  if (!flat_) {
    c.DrawFrameControl(edge, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0u));
  } else if (pressed) {
    c.DrawEdge(edge, BDR_SUNKENOUTER, BF_RECT);
  } else if (Hot()) {
    c.DrawEdge(edge, BDR_RAISEDINNER, BF_RECT);
  }
  TFaceLayout face = FaceLayout();
  // A pressed face moves one pixel down and right.
  int shift = pressed ? 1 : 0;
  OffsetRect(face.Glyph, shift, shift);
  OffsetRect(face.Caption, shift, shift);
  if (!glyph_.Empty()) {
    int index = shown;
    if (index == bsExclusive && num_glyphs_ < 4) index = bsDown;
    if (index >= num_glyphs_) index = bsUp;
    int gw = GlyphWidth();
    TBitmap image(gw, glyph_.Height());
    for (int y = 0; y < glyph_.Height(); ++y)
      std::copy_n(glyph_.ScanLine(y) + index * gw, gw, image.ScanLine(y));
    image.SetTransparent(true);
    image.SetTransparentColor(static_cast<TColor>(glyph_.ScanLine(glyph_.Height() - 1)[0] & 0xFFFFFF));
    c.Draw(face.Glyph.Left, face.Glyph.Top, image);
  }
  if (!Caption().empty()) {
    c.SetFont(Font());
    c.Brush().Style = bsClear;
    TRect r = face.Caption;
    if (!Enabled()) {
      OffsetRect(r, 1, 1);
      c.Font().Color = clBtnHighlight;
      c.DrawText(Caption(), r, DT_SINGLELINE | DT_NOCLIP);
      OffsetRect(r, -1, -1);
      c.Font().Color = clBtnShadow;
    }
    c.DrawText(Caption(), r, DT_SINGLELINE | DT_NOCLIP);
  }
}

}  // namespace hd

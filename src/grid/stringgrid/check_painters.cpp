// Check boxes and radio buttons inside cells: pictures, not controls, in one of seven looks.
#include <algorithm>

#include "grid/foundation/draw_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/bitmap_resources.h"
#include "platform/themes.h"

namespace hd {

namespace {

constexpr int kRadioBox = 16;

// The picture of a bitmap look: base + 0 checked, + 1 unchecked, + 2 and + 3 disabled.
std::string ResourceName(const char* prefix, int base, bool checked, bool enabled) {
  int n = base + (checked ? 0 : 1) + (enabled ? 0 : 2);
  return std::string(prefix) + "0" + std::to_string(n);
}

void DrawResource(TCanvas& canvas, const std::string& name, int x, int y) {
  TBitmap b = BitmapResource(name);
  b.SetTransparent(true);
  canvas.Draw(x, y, b);
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

}  // namespace

void TExtStringGrid::DrawCheckBox(TCanvas& ACanvas, TRect R, bool Checked, TCheckBoxState TriValue, bool TriState,
                                  TControlLookStyle Style, bool Grayed, bool Enabled) {
  const TControlLook& look = *FP->ControlLook;
  if (look.NoDisabledCheckRadioLook() || look.CheckAlwaysActive()) Enabled = true;
  if (Style == csTheme && !(ThemesActive() && FP->IsComCtl6)) Style = csClassic;
  if (TriState) {
    Checked = TriValue == cbChecked;
    Grayed = TriValue == cbGrayed;
  }
  int size = look.CheckSize();
  int x = R.Left;
  switch (Style) {
    case csWinXP: DrawResource(ACanvas, ResourceName("ESGCHK", 5, Checked, Enabled), x, R.Top); return;
    case csDAZ: DrawResource(ACanvas, ResourceName("ESGCHK", 1, Checked, Enabled), x, R.Top); return;
    case csGlyph: {
      const TBitmap& glyph = Checked ? look.CheckedGlyph() : look.UnCheckedGlyph();
      if (glyph.Empty()) return;
      TBitmap t = glyph;
      t.SetTransparent(true);
      ACanvas.Draw(x, R.Top, t);
      return;
    }
    case csBevel: {
      TRect box = Rect(x, R.Top, x + size, R.Top + size);
      ACanvas.Brush() = TBrush{Enabled ? clBtnFace : clBtnShadow, bsSolid};
      ACanvas.Pen() = TPen{clBtnFace, 1};
      ACanvas.Rectangle(box);
      ACanvas.Pen().Color = clBtnHighlight;
      Line(ACanvas, box.Left, box.Bottom - 1, box.Left, box.Top);
      ACanvas.LineTo(box.Right - 1, box.Top);
      ACanvas.Pen().Color = clBtnShadow;
      ACanvas.LineTo(box.Right - 1, box.Bottom - 1);
      ACanvas.LineTo(box.Left, box.Bottom - 1);
      if (Checked) {
        int s = size / 2;
        ACanvas.Pen().Color = Enabled ? look.Color() : 0x808080;
        Line(ACanvas, box.Left + 2, box.Top + s, box.Left + 2, box.Bottom - 2);
        Line(ACanvas, box.Left + 3, box.Top + s - 1, box.Left + 3, box.Bottom - 3);
        Line(ACanvas, box.Left + 2, box.Bottom - 2, box.Right - 2, box.Top + 2);
        Line(ACanvas, box.Left + 3, box.Bottom - 2, box.Right - 1, box.Top + 2);
      }
      return;
    }
    case csTheme: {
      int state = Grayed ? (Enabled ? CBS_MIXEDNORMAL : CBS_MIXEDDISABLED)
                  : Checked ? (Enabled ? CBS_CHECKEDNORMAL : CBS_CHECKEDDISABLED)
                            : (Enabled ? CBS_UNCHECKEDNORMAL : CBS_UNCHECKEDDISABLED);
      ACanvas.DrawThemedPart(TThemedElement::CheckBox, state, Rect(x, R.Top, x + size, R.Top + size));
      return;
    }
    default: {
      // The platform's frame control, a CheckSize square centred in the rectangle.
      int left = R.Left + (R.Width() - size) / 2, top = R.Top + (R.Height() - size) / 2;
      if (R.Width() <= size) left = R.Left;
      if (R.Height() <= size) top = R.Top;
      TRect box = Rect(left, top, left + size, top + size);
      unsigned state = DFCS_BUTTONCHECK;
      if (Checked) state |= DFCS_CHECKED;
      if (Grayed) state |= DFCS_CHECKED | DFCS_BUTTON3STATE;
      if (Style == csFlat) state |= DFCS_FLAT;
      if (!Enabled) state |= DFCS_INACTIVE;
      ACanvas.DrawFrameControl(box, DFC_BUTTON, state);
      return;
    }
  }
}

void TExtStringGrid::DrawRadioGroup(TCanvas& ACanvas, const TRect& R, bool Upward, double Scale,
                                    TControlLookStyle Style, int ARow, int ACol, bool Selected,
                                    const TStringList* Items, bool Disabled, bool Horizontal, int Index, int Count) {
  const TControlLook& look = *FP->ControlLook;
  if (look.NoDisabledCheckRadioLook() || look.RadioAlwaysActive()) Disabled = false;
  if (Count <= 0) return;
  TBkMode savedMode = ACanvas.BkMode();
  ACanvas.SetBkMode(bkTransparent);
  if (Style == csTheme && !ThemesActive()) Style = csClassic;
  std::string cellText = Count > 0 && Index == -1 ? Cells(ACol, ARow) : std::string();
  int t = ACanvas.TextHeight("gh");
  int d = Upward ? -1 : 1;
  int radio = look.RadioSize();
  bool classic = Style == csClassic || Style == csFlat;
  int box = classic ? static_cast<int>(radio * Scale) : kRadioBox;
  if (Selected && FP->Colors.FShowSelection && FP->Colors.FSelectionTextColor != clNone) ACanvas.Font().Color = FP->Colors.FSelectionTextColor;
  int before = 0;  // the widths of the texts before this radio
  for (int i = 1; i <= Count; ++i) {
    std::string text = Items && Items->Count() >= i ? Items->Strings(i - 1) : std::string();
    bool checked = i == Index + 1 || (Index == -1 && text == cellText);
    int x, y, tx, ty;
    if (Horizontal) {
      if (classic) {
        x = R.Left + 2 + (i - 1) * radio + before;
        y = R.Top + (R.Height() - radio) / 2;
        tx = x + static_cast<int>(radio * Scale);
        ty = y - 2;
      } else {
        x = R.Left + i * kRadioBox - 14 + before;
        y = R.Top + (R.Height() - kRadioBox) / 2;
        tx = x + kRadioBox;
        ty = Style == csBevel || Style == csTheme ? y - 2 : y + 1;
      }
    } else {
      int pitch = classic ? t : std::max(kRadioBox, t);
      x = R.Left + 2;
      y = R.Top + pitch * (i - 1) * d + 2;
      if (classic) {
        tx = x + static_cast<int>((radio + 4) * Scale);
        ty = y - 2;
      } else {
        tx = Style == csBevel || Style == csTheme ? R.Left + 20 : R.Left + 18;
        ty = Style == csBevel || Style == csTheme ? y - 2 : y + 1;
      }
      // Without a text the radio stands in the middle.
      if (text.empty()) x = R.Left + (R.Width() - box) / 2;
    }
    DrawRadio(ACanvas, x, y, Style, Scale, checked, !Disabled);
    if (!text.empty()) ACanvas.TextOut(tx, ty, text);
    before += ACanvas.TextWidth(text);
  }
  ACanvas.SetBkMode(savedMode);
}

void TExtStringGrid::DrawRadio(TCanvas& ACanvas, int X, int Y, TControlLookStyle Style, double Scale, bool Checked,
                               bool Enabled) {
  const TControlLook& look = *FP->ControlLook;
  int x = X;
  switch (Style) {
    case csWinXP: DrawResource(ACanvas, ResourceName("ESGRAD", 5, Checked, Enabled), x, Y); return;
    case csDAZ: DrawResource(ACanvas, ResourceName("ESGRAD", 1, Checked, Enabled), x, Y); return;
    case csGlyph: {
      const TBitmap& glyph = Checked ? look.RadioOnGlyph() : look.RadioOffGlyph();
      if (glyph.Empty()) return;
      TBitmap t = glyph;
      t.SetTransparent(true);
      ACanvas.Draw(x, Y, t);
      return;
    }
    case csTheme: {
      int state = Checked ? (Enabled ? CBS_CHECKEDNORMAL : CBS_CHECKEDDISABLED)
                          : (Enabled ? CBS_UNCHECKEDNORMAL : CBS_UNCHECKEDDISABLED);
      ACanvas.DrawThemedPart(TThemedElement::RadioButton, state, Rect(x, Y, x + kRadioBox, Y + kRadioBox));
      return;
    }
    case csBevel: {
      TBrush saved = ACanvas.Brush();
      ACanvas.Brush() = TBrush{clBtnFace, bsSolid};
      ACanvas.Pen() = TPen{clBtnFace, 1};
      ACanvas.Polygon({{x + 2, Y + 8}, {x + 8, Y + 2}, {x + 14, Y + 8}, {x + 8, Y + 14}});
      TColor lit = Checked ? 0x808080 : clWhite, shade = Checked ? clWhite : 0x808080;
      ACanvas.Pen().Color = lit;
      Line(ACanvas, x + 8, Y + 14, x + 2, Y + 8);
      ACanvas.LineTo(x + 8, Y + 2);
      ACanvas.Pen().Color = shade;
      ACanvas.LineTo(x + 14, Y + 8);
      ACanvas.LineTo(x + 8, Y + 14);
      if (Checked) {
        ACanvas.Brush().Color = look.Color();
        ACanvas.Pen().Color = look.Color();
        ACanvas.Polygon({{x + 6, Y + 8}, {x + 8, Y + 6}, {x + 10, Y + 8}, {x + 8, Y + 10}});
      }
      ACanvas.Brush() = saved;
      return;
    }
    default: {
      int size = static_cast<int>((look.RadioSize() + (Style == csFlat ? 2 : 0)) * Scale);
      TRect box = Rect(X, Y, X + size, Y + size);
      unsigned state = DFCS_BUTTONRADIO;
      if (Style == csFlat) state |= DFCS_FLAT;
      if (!Enabled) state |= DFCS_INACTIVE;
      if (Checked) state |= DFCS_CHECKED;
      ACanvas.DrawFrameControl(box, DFC_BUTTON, state);
      return;
    }
  }
}

}  // namespace hd

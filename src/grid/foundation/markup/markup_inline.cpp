// Pictures and form controls inside a line of markup.
#include <algorithm>
#include <cmath>

#include "grid/foundation/markup/markup_language.h"
#include "grid/foundation/markup/markup_renderer_p.h"
#include "grid/foundation/markup/markup_utils.h"
#include "grid/foundation/picture_container.h"
#include "platform/image_list.h"
#include "platform/shell_icons.h"
#include "platform/sysutils.h"
#include "platform/themes.h"

namespace hd {

namespace {

int Scaled(int Value, int PixelsPerInch) { return Value * PixelsPerInch / 96; }

int Side(const std::string& Value) { return std::min(MarkupNumber(Value, 0), kMaxMarkupPictureSide); }

int RoundInt(double Value) { return static_cast<int>(std::lround(Value)); }

}  // namespace

THTMLPicture* TMarkupRenderer::FindPicture(const std::string& Source) {
  if (Source.find(':') == std::string::npos) return In.PictureContainer ? In.PictureContainer->FindPicture(Source) : nullptr;
  if (Source.find("://") == std::string::npos || !In.PictureCache) return nullptr;
  THTMLPicture* picture = In.PictureCache->FindPicture(Source);
  if (!picture) {
    picture = In.PictureCache->AddPicture();
    picture->SetAsynch(false);
    picture->LoadFromURL(Source);
  }
  return picture;
}

void TMarkupRenderer::Place(TMarkupLine& L, int Width, int Height) {
  if (L.WidthSoFar + Width > L.FitWidth && Width < L.FitWidth) {
    L.Overflow = true;
    return;
  }
  L.WidthSoFar += Width;
  L.X += Width;
  L.Height = std::max(L.Height, Height);
}

void TMarkupRenderer::Picture(TMarkupLine& L, const std::string& Tag) {
  ++PictureCounter;
  const std::string U = MarkupUpper(Tag);
  // The source keeps its case, so a file path opens where names are case-sensitive.
  std::string src = MarkupAttribute(Tag, U, "SRC");
  bool hasAlt = false;
  std::string alt = MarkupAttribute(Tag, U, "ALT", &hasAlt);
  if (hasAlt && PictureCounter == HitPicture) src = alt;
  int width = Side(MarkupAttribute(U, U, "WIDTH")), height = Side(MarkupAttribute(U, U, "HEIGHT"));
  const std::string usrc = MarkupUpper(src);
  const int ppi = C.PixelsPerInch();
  const int x = L.X, top = L.R.Top;
  TSize size{};
  if (usrc.find("IDX:") != std::string::npos) {
    int index = MarkupNumber(src.substr(std::min<size_t>(4, src.size())), -1);
    if (!In.Images || index < 0 || index >= In.Images->Count()) {
      --PictureCounter;
      return;
    }
    size = {Scaled(In.Images->Width(), ppi), Scaled(In.Images->Height(), ppi)};
    if (Drawing && !In.Printing) In.Images->Draw(C, x, top, index, true);
    if (Drawing && In.Printing)
      StretchBitmapDIB(C,
                       TRect{x, top, x + RoundInt(In.Images->Width() * In.ResFactor),
                             top + RoundInt(In.Images->Height() * In.ResFactor)},
                       In.Images->Image(index).Image());
  } else if (usrc.find("SSYS:") != std::string::npos || usrc.find("LSYS:") != std::string::npos) {
    TSize icon;
    DrawShellIcon(C, x, top, icon, In.ResFactor, In.Printing, Drawing, usrc.find("LSYS:") != std::string::npos,
                  src.substr(std::min<size_t>(5, src.size())));
    size = {Scaled(icon.cx, ppi), Scaled(icon.cy, ppi)};
  } else {
    THTMLPicture* picture = FindPicture(src);
    if (!picture || picture->Empty() || picture->Width() <= 0 || picture->Height() <= 0) {
      --PictureCounter;
      return;
    }
    int w = width, h = height;
    if (w > 0 && h <= 0) h = RoundInt(static_cast<double>(picture->Height()) * w / picture->Width());
    if (h > 0 && w <= 0) w = RoundInt(static_cast<double>(picture->Width()) * h / picture->Height());
    w = std::min(w, kMaxMarkupPictureSide);
    h = std::min(h, kMaxMarkupPictureSide);
    bool sized = width > 0 || height > 0;
    if (Drawing) {
      if (sized) {
        picture->SetStretch(true);
        picture->Draw(C, TRect{x, top, x + w, top + h});
      } else if (picture->FrameCount() > 1) {
        C.Pen().Color = InitialBackground;
        C.Brush() = TBrush{InitialBackground, InitialBackground == clNone ? bsClear : bsSolid};
        C.Rectangle(x, top, x + picture->MaxWidth(), top + picture->MaxHeight());
        int fx = x + picture->FrameXPos(), fy = top + picture->FrameYPos();
        picture->Draw(C, TRect{fx, fy, fx + picture->Width(), fy + picture->Height()});
      } else {
        picture->Draw(C, TRect{x, top, x + picture->Width(), top + picture->Height()});
      }
    }
    size = sized ? TSize{Scaled(w, ppi), Scaled(h, ppi)}
                 : TSize{Scaled(picture->MaxWidth(), ppi), Scaled(picture->MaxHeight(), ppi)};
  }
  if (InAnchor) {
    int px = In.X - L.R.Left;
    if (px > L.WidthSoFar && px < L.WidthSoFar + size.cx && In.Y > top && In.Y < top + size.cy) {
      L.ObjectHit = true;
      Out.AnchorVal = Href;
      Out.AnchorTitle = Title;
      HitPicture = PictureCounter;
    }
  }
  Place(L, size.cx, size.cy);
  if (L.Overflow) {
    // The picture starts the next line and is counted there.
    --PictureCounter;
    return;
  }
  int gh = GhHeight();
  if (U.find("\"TOP") != std::string::npos) TextOffset = L.Height - gh;
  else if (U.find("\"MIDDLE") != std::string::npos) TextOffset = (L.Height - gh) / 2;
}

void TMarkupRenderer::BodyTag(const std::string& Tag, const std::string& U) {
  if (!Drawing) return;
  bool found = false;
  std::string background = MarkupAttribute(Tag, U, "BACKGROUND", &found);
  if (THTMLPicture* picture = found ? FindPicture(background) : nullptr;
      picture && !picture->Empty() && picture->Width() > 0 && picture->Height() > 0) {
    const TRect& r = In.Rect;
    C.SaveState();
    C.IntersectClipRect(r);
    for (int y = r.Top; y < r.Bottom; y += picture->Height())
      for (int x = r.Left; x < r.Right; x += picture->Width())
        picture->Draw(C, TRect{x, y, x + picture->Width(), y + picture->Height()});
    C.RestoreState();
  }
  std::string value = MarkupAttribute(U, U, "BGCOLOR", &found);
  TColor color = clNone;
  if (value.find("CL") != std::string::npos)
    color = ColorFromName(value);
  else if (size_t hash = value.find('#'); hash != std::string::npos)
    color = HexToColor(value.substr(hash));
  if (color == clNone) return;
  C.Brush() = TBrush{color, bsSolid};
  C.Pen().Color = color;
  C.Rectangle(In.Rect);
}

void TMarkupRenderer::Control(TMarkupLine& L, const std::string& Tag) {
  const TControlTag t = ParseControlTag(Tag);
  if (t.Width.empty()) return;
  int buttonHeight = 25;
  if (int h = 0; TryStrToInt(t.Height, h)) buttonHeight = std::clamp(h, 0, kMaxMarkupPictureSide);
  int width = 0, hitWidth = 0;
  if (TryStrToInt(t.Width, width)) {
    width = std::clamp(width, 0, kMaxMarkupPictureSide);
    hitWidth = width;
  }
  int hitHeight = GhHeight() + 10;
  const bool box = t.Type == "CHECK" || t.Type == "RADIO";
  L.Height = box ? 16 : 23;
  if (buttonHeight > 25) L.Height = buttonHeight - 2;

  if (Drawing) {
    const int x = L.X, b = L.R.Bottom, s = L.Height;
    const TColor border = Themed ? TColor(0xB99D7F) : clGray;
    auto over = [&](int hh) {
      return x - 2 < In.X && In.X < x - 2 + hitWidth && b - hh - 2 < In.Y && In.Y < b - 2;
    };
    auto valueText = [&](const std::string& value, TRect r, unsigned align) {
      TBrush brush = C.Brush();
      C.Brush().Style = bsClear;
      C.DrawText(value, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
      C.Brush() = brush;
    };
    bool checked = UpperCase(t.Value) == "TRUE";
    if (t.Type == "EDIT" || t.Type == "PASSWORD" || t.Type == "MASK" || t.Type == "COMBO") {
      C.Brush() = TBrush{clWhite, bsSolid};
      C.Pen().Color = border;
      C.Rectangle(x, b - s + 4, x + width, b + 2);
      if (t.Type == "COMBO") {
        valueText(t.Value, TRect{x + 4, b - s + 4, x + width - 18, b}, DT_LEFT);
        TRect button{x + width - 18, b - s + 5, x + width - 1, b + 1};
        if (Themed)
          C.DrawThemedPart(TThemedElement::ComboButton, over(hitHeight) ? TS_HOT : TS_NORMAL, button);
        else
          C.DrawFrameControl(button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
      } else {
        valueText(t.Type == "PASSWORD" ? MaskText(t.Value) : t.Value, TRect{x + 2, b - s + 4, x + width, b}, DT_LEFT);
      }
    } else if (box) {
      bool check = t.Type == "CHECK";
      TRect r = check ? TRect{x + 2, b - 15, x + 15, b} : TRect{x + 2, b - 14, x + 14, b};
      if (Themed)
        C.DrawThemedPart(check ? TThemedElement::CheckBox : TThemedElement::RadioButton,
                         checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL, r);
      else
        C.DrawFrameControl(r, DFC_BUTTON,
                           (check ? DFCS_BUTTONCHECK : DFCS_BUTTONRADIO) | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
    } else if (t.Type == "BUTTON") {
      TRect r{x + 2, b - buttonHeight, x + width - 2, b};
      bool hot = over(24);
      if (Themed)
        C.DrawThemedPart(TThemedElement::PushButton, In.MouseDown ? TS_PRESSED : hot ? TS_HOT : TS_NORMAL, r);
      else
        C.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | (hot && In.MouseDown ? DFCS_PUSHED : 0));
      InflateRect(r, -2, -2);
      valueText(t.Value, r, DT_CENTER);
    }
  }

  if (t.Type == "BUTTON" || t.Type == "COMBO") hitHeight = 25;
  if (box) hitWidth = hitHeight = 16;
  int px = In.X - L.R.Left;
  bool over = px > L.WidthSoFar && px < L.WidthSoFar + hitWidth && In.Y > L.R.Top && In.Y < L.R.Top + hitHeight;
  if (over || (In.HitTest && t.ID == WantedControlID)) {
    L.ObjectHit = true;
    Out.AnchorVal = "ctrl";
    HitPicture = PictureCounter;
    int left = L.R.Left + L.WidthSoFar;
    Out.ControlRect = TRect{left, L.R.Top, left + hitWidth, L.R.Top + hitHeight};
    Out.ControlValue = t.Value;
    Out.ControlID = t.ID;
    Out.ControlType = t.Type;
  }
  Place(L, hitWidth, hitHeight);
}

}  // namespace hd

// Painting of the panel, shape, image and paint box; the link label's messages.
#include "platform/ext_ctrls.h"

#include <algorithm>

namespace hd {

void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width) {
  canvas.Pen().Width = 1;
  canvas.Pen().Style = psSolid;
  --r.Bottom;
  --r.Right;
  while (width-- > 0) {
    canvas.Pen().Color = topColor;
    canvas.Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}});
    canvas.Pen().Color = bottomColor;
    canvas.Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}});
    InflateRect(r, -1, -1);
  }
  ++r.Bottom;
  ++r.Right;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  control_style_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks};
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::Paint() {
  TCanvas& c = Canvas();
  TRect r = ClientRect();
  auto bevel = [&](TBevelCut cut) {
    TColor top = cut == bvLowered ? clBtnShadow : clBtnHighlight;
    TColor bottom = cut == bvLowered ? clBtnHighlight : clBtnShadow;
    Frame3D(c, r, top, bottom, bevel_width_);
  };
  if (bevel_outer_ != bvNone) bevel(bevel_outer_);
  Frame3D(c, r, Color(), Color(), border_width_);
  if (bevel_inner_ != bvNone) bevel(bevel_inner_);
  c.Brush().Color = Color();
  c.Brush().Style = bsSolid;
  c.FillRect(r);
  c.Brush().Style = bsClear;
  c.SetFont(Font());
  int fontHeight = c.TextHeight("W");
  r.Top = (r.Bottom + r.Top - fontHeight) / 2;
  r.Bottom = r.Top + fontHeight;
  unsigned align = alignment_ == taCenter ? DT_CENTER : alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT;
  c.DrawText(Caption(), r, DT_EXPANDTABS | DT_VCENTER | align);
}

TShape::TShape(TComponent* owner) : TGraphicControl(owner) {
  brush_.Color = clWhite;
  SetBounds(0, 0, 65, 65);
}

void TShape::Paint() {
  TCanvas& c = Canvas();
  c.SetPen(pen_);
  c.SetBrush(brush_);
  int x = pen_.Width / 2, y = x;
  int w = Width() - pen_.Width + 1, h = Height() - pen_.Width + 1;
  if (pen_.Width == 0) {
    --w;
    --h;
  }
  int s = std::min(w, h);
  if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
    x += (w - s) / 2;
    y += (h - s) / 2;
    w = h = s;
  }
  switch (shape_) {
    case stRectangle:
    case stSquare: c.Rectangle(Bounds(x, y, w, h)); break;
    case stRoundRect:
    case stRoundSquare: c.RoundRect(Bounds(x, y, w, h), s / 4, s / 4); break;
    case stEllipse:
    case stCircle: c.Ellipse(Bounds(x, y, w, h)); break;
  }
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  picture_.OnChange = [this] { PictureChanged(); };
  SetBounds(0, 0, 105, 105);
}

void TImage::SetAutoSize(bool v) {
  auto_size_ = v;
  if (v) PictureChanged();
}

void TImage::PictureChanged() {
  if (auto_size_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  Invalidate();
}

TRect TImage::DestRect() const {
  int w = picture_.Width(), h = picture_.Height();
  int cw = ClientWidth(), ch = ClientHeight();
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (proportional_ && w > 0 && h > 0) {
      double aspect = static_cast<double>(w) / h;
      if (w > h) {
        w = cw;
        h = static_cast<int>(cw / aspect);
        if (h > ch) {
          h = ch;
          w = static_cast<int>(ch * aspect);
        }
      } else {
        h = ch;
        w = static_cast<int>(ch * aspect);
        if (w > cw) {
          w = cw;
          h = static_cast<int>(cw / aspect);
        }
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  TRect r = Rect(0, 0, w, h);
  if (center_) OffsetRect(r, (cw - w) / 2, (ch - h) / 2);
  return r;
}

void TImage::Paint() {
  if (picture_.Empty()) return;
  TRect r = DestRect();
  picture_.Draw(Canvas(), r, r.Width() != picture_.Width() || r.Height() != picture_.Height());
}

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

void TPaintBox::Paint() {
  if (OnPaint) OnPaint(this);
}

std::vector<TLinkSegment> ParseLinkCaption(const std::string& caption) {
  std::vector<TLinkSegment> out;
  auto lower = [](std::string s) {
    for (char& ch : s) ch = (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch + 32) : ch;
    return s;
  };
  std::string low = lower(caption);
  size_t pos = 0;
  while (pos < caption.size()) {
    size_t open = low.find("<a", pos);
    while (open != std::string::npos && open + 2 < low.size() && low[open + 2] != '>' && low[open + 2] != ' ')
      open = low.find("<a", open + 2);
    size_t openEnd = open == std::string::npos ? std::string::npos : caption.find('>', open);
    size_t close = openEnd == std::string::npos ? std::string::npos : low.find("</a>", openEnd);
    if (close == std::string::npos) {
      out.push_back({caption.substr(pos), {}, false});
      break;
    }
    if (open > pos) out.push_back({caption.substr(pos, open - pos), {}, false});
    std::string tag = caption.substr(open, openEnd - open);
    std::string href;
    size_t h = lower(tag).find("href=");
    size_t nameLength = 5;
    bool byId = false;
    if (h == std::string::npos) {
      h = lower(tag).find("id=");
      nameLength = 3;
      byId = h != std::string::npos;
    }
    if (h != std::string::npos) {
      size_t v = h + nameLength;
      if (v < tag.size() && (tag[v] == '"' || tag[v] == '\'')) {
        char quote = tag[v];
        size_t end = tag.find(quote, v + 1);
        href = tag.substr(v + 1, end == std::string::npos ? std::string::npos : end - v - 1);
      } else {
        size_t end = tag.find(' ', v);
        href = tag.substr(v, end == std::string::npos ? std::string::npos : end - v);
      }
    }
    out.push_back({caption.substr(openEnd + 1, close - openEnd - 1), href, true, byId});
    pos = close + 4;
  }
  return out;
}

std::string TLinkLabel::DisplayText() const {
  std::string s;
  for (const auto& seg : ParseLinkCaption(Caption())) s += seg.Text;
  return s;
}

void TLinkLabel::Dispatch(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    auto* link = reinterpret_cast<NMLINK*>(m.LParam);
    if (link && link->hdr.code == NM_CLICK && OnLinkClick) {
      TSysLinkType type = sltURL;
      for (const auto& seg : ParseLinkCaption(Caption()))
        if (seg.IsLink && seg.Href == link->Link) {
          type = seg.ById ? sltID : sltURL;
          break;
        }
      OnLinkClick(this, link->Link, type);
    }
    return;
  }
  if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) AdjustBounds();
  TWinControl::Dispatch(m);
}

}  // namespace hd

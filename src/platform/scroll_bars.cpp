// Window scroll bars: their state and functions, the user's input on them (WM_HSCROLL and
// WM_VSCROLL as the platform sends them), and how they are drawn.
#include "platform/scroll_bars.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/native_bridge_p.h"
#include "platform/timers.h"

namespace hd {
namespace {

constexpr unsigned kFirstRepeatDelay = 400, kRepeatInterval = 50;
constexpr int kMinThumb = 8;

TWinControl* WinControlOf(HWND h) { return dynamic_cast<TWinControl*>(FindWindowTarget(h)); }

// The parts of one bar along its length: arrows, track and thumb, in bar coordinates.
struct BarLayout {
  int length = 0;
  int arrow = 0;
  int thumbStart = 0;  // from the end of the first arrow
  int thumbLength = 0; // 0: no thumb
  int Track() const { return length - 2 * arrow; }
};

BarLayout Layout(const TScrollBarState& b, int length, int thickness, int pos) {
  BarLayout l;
  l.length = length;
  l.arrow = std::min(thickness, length / 2);
  int track = l.Track();
  if (b.DisabledArrows == ESB_DISABLE_BOTH || !b.NeedsScrolling() || track <= 0) return l;
  int span = b.Max - b.Min + 1;
  int thumb = b.Page == 0 ? thickness : std::max(kMinThumb, MulDiv(track, static_cast<int>(b.Page), span));
  if (thumb >= track) return l;
  l.thumbLength = thumb;
  l.thumbStart = MulDiv(std::clamp(pos, b.Min, b.MaxPos()) - b.Min, track - thumb, b.MaxPos() - b.Min);
  return l;
}

// The parts of a bar; ScrollTrack keeps them as int.
enum Part { None, LineUp, LineDown, PageUp, PageDown, Thumb };

Part PartAt(const BarLayout& l, int along) {
  if (along < 0 || along >= l.length) return None;
  if (along < l.arrow) return LineUp;
  if (along >= l.length - l.arrow) return LineDown;
  if (l.thumbLength == 0) return None;
  int t = along - l.arrow;
  if (t < l.thumbStart) return PageUp;
  if (t >= l.thumbStart + l.thumbLength) return PageDown;
  return Thumb;
}

}  // namespace

int TScrollBarState::MaxPos() const { return std::max(Min, Max - std::max(static_cast<int>(Page) - 1, 0)); }

int SetScrollInfo(HWND h, int nBar, const SCROLLINFO& info, bool /*redraw*/) {
  TWinControl* c = WinControlOf(h);
  if (!c || (nBar != SB_HORZ && nBar != SB_VERT)) return 0;
  int cw = c->ClientWidth(), ch = c->ClientHeight();
  TScrollBarState& b = c->Bar(nBar);
  if (info.fMask & SIF_RANGE) {
    b.Min = info.nMin;
    b.Max = std::max(info.nMin, info.nMax);
  }
  if (info.fMask & SIF_PAGE) b.Page = std::min<unsigned>(info.nPage, static_cast<unsigned>(b.Max - b.Min + 1));
  if (info.fMask & SIF_POS) b.Pos = info.nPos;
  b.Pos = std::clamp(b.Pos, b.Min, b.MaxPos());
  if (!(c->track_ && c->track_->bar == nBar && c->track_->part == Thumb)) b.TrackPos = b.Pos;
  if (info.fMask & (SIF_RANGE | SIF_PAGE)) {
    if (b.NeedsScrolling()) {
      b.Visible = true;
      // A new range enables the bar again, also one EnableScrollBar turned off, as the
      // platform does; a change of the page alone leaves the arrows as they are.
      if (info.fMask != SIF_PAGE) b.DisabledArrows = ESB_ENABLE_BOTH;
    } else if (info.fMask & SIF_DISABLENOSCROLL) {
      b.Visible = true;
      b.DisabledArrows = ESB_DISABLE_BOTH;
    } else {
      b.Visible = false;
    }
  }
  if (c->ClientWidth() != cw || c->ClientHeight() != ch)
    c->NonClientResized(cw, ch);
  else
    c->NonClientChanged();
  return b.Pos;
}

bool GetScrollInfo(HWND h, int nBar, SCROLLINFO& info) {
  TWinControl* c = WinControlOf(h);
  if (!c || (nBar != SB_HORZ && nBar != SB_VERT)) return false;
  const TScrollBarState& b = c->ScrollBarState(nBar);
  if (info.fMask & SIF_RANGE) {
    info.nMin = b.Min;
    info.nMax = b.Max;
  }
  if (info.fMask & SIF_PAGE) info.nPage = b.Page;
  if (info.fMask & SIF_POS) info.nPos = b.Pos;
  if (info.fMask & SIF_TRACKPOS) info.nTrackPos = b.TrackPos;
  return true;
}

int GetScrollPos(HWND h, int nBar) {
  SCROLLINFO si;
  si.fMask = SIF_POS;
  return GetScrollInfo(h, nBar, si) ? si.nPos : 0;
}

int SetScrollPos(HWND h, int nBar, int pos, bool redraw) {
  int old = GetScrollPos(h, nBar);
  SCROLLINFO si;
  si.fMask = SIF_POS;
  si.nPos = pos;
  SetScrollInfo(h, nBar, si, redraw);
  return old;
}

bool SetScrollRange(HWND h, int nBar, int minPos, int maxPos, bool redraw) {
  if (!WinControlOf(h)) return false;
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  si.nMin = minPos;
  si.nMax = maxPos;
  SetScrollInfo(h, nBar, si, redraw);
  return true;
}

bool GetScrollRange(HWND h, int nBar, int* minPos, int* maxPos) {
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  if (!GetScrollInfo(h, nBar, si)) return false;
  if (minPos) *minPos = si.nMin;
  if (maxPos) *maxPos = si.nMax;
  return true;
}

bool ShowScrollBar(HWND h, int wBar, bool show) {
  TWinControl* c = WinControlOf(h);
  if (!c) return false;
  int cw = c->ClientWidth(), ch = c->ClientHeight();
  if (wBar == SB_HORZ || wBar == SB_BOTH) c->hbar_.Visible = show;
  if (wBar == SB_VERT || wBar == SB_BOTH) c->vbar_.Visible = show;
  c->NonClientResized(cw, ch);
  return true;
}

bool EnableScrollBar(HWND h, unsigned wSBflags, unsigned wArrows) {
  TWinControl* c = WinControlOf(h);
  if (!c) return false;
  if (wSBflags == SB_HORZ || wSBflags == SB_BOTH) c->hbar_.DisabledArrows = wArrows & ESB_DISABLE_BOTH;
  if (wSBflags == SB_VERT || wSBflags == SB_BOTH) c->vbar_.DisabledArrows = wArrows & ESB_DISABLE_BOTH;
  c->NonClientChanged();
  return true;
}

int GetSystemMetrics(int index) {
  switch (index) {
    // The primary monitor, as the screen reports it (a test's layout included).
    case SM_CXSCREEN: return Screen().Width();
    case SM_CYSCREEN: return Screen().Height();
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CYVSCROLL: case SM_CXHSCROLL: case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 17;
    case SM_CYCAPTION: return 23;
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME: case SM_CYFRAME: return 4;
    case SM_CXEDGE: case SM_CYEDGE: return 2;
    case SM_CXICON: case SM_CYICON: case SM_CXCURSOR: case SM_CYCURSOR: return 32;
    case SM_CXSMICON: case SM_CYSMICON: return 16;
    case SM_CYMENU: return 19;
    case SM_CXDOUBLECLK: case SM_CYDOUBLECLK: case SM_CXDRAG: case SM_CYDRAG: return 4;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_MOUSEWHEELPRESENT: return 1;
    default: return 0;
  }
}

bool TWinControl::ScrollBarTracking() const { return track_ != nullptr; }

void TWinControl::SendScroll(unsigned code, int pos) {
  UINT msg = track_->bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
  Perform(msg, MAKEWPARAM(code, static_cast<unsigned>(pos) & 0xFFFF), 0);
}

namespace {

// Where the pointer lies along the bar, and the bar's layout, for a window point.
int Along(const TRect& bar, int nBar, TPoint p) { return nBar == SB_VERT ? p.Y - bar.Top : p.X - bar.Left; }

BarLayout LayoutOf(const TRect& bar, int nBar, const TScrollBarState& b, int pos) {
  return nBar == SB_VERT ? Layout(b, bar.Height(), bar.Width(), pos) : Layout(b, bar.Width(), bar.Height(), pos);
}

unsigned CodeOf(Part part) {
  switch (part) {
    case LineUp: return SB_LINEUP;
    case LineDown: return SB_LINEDOWN;
    case PageUp: return SB_PAGEUP;
    default: return SB_PAGEDOWN;
  }
}

}  // namespace

void TWinControl::ScrollBarPress(int nBar, TPoint p) {
  const TScrollBarState& b = ScrollBarState(nBar);
  if (b.DisabledArrows == ESB_DISABLE_BOTH || track_) return;
  TRect bar = BarRect(nBar);
  BarLayout l = LayoutOf(bar, nBar, b, b.Pos);
  Part part = PartAt(l, Along(bar, nBar, p));
  if (part == None) return;
  if ((part == LineUp && (b.DisabledArrows & ESB_DISABLE_LTUP)) ||
      (part == LineDown && (b.DisabledArrows & ESB_DISABLE_RTDN)))
    return;
  track_ = std::make_unique<ScrollTrack>();
  track_->bar = nBar;
  track_->part = part;
  track_->last = p;
  track_->trackPos = b.Pos;
  HWND self = Handle();
  SetCapture(self);
  if (part == Thumb) {
    track_->grab = Along(bar, nBar, p) - l.arrow - l.thumbStart;
    Bar(nBar).TrackPos = b.Pos;
    NonClientChanged();
    return;
  }
  NonClientChanged();
  SendScroll(CodeOf(part), 0);
  if (IsWindow(self) && track_) SetTimer(self, kScrollRepeatTimerId, kFirstRepeatDelay);
}

void TWinControl::ScrollBarDrag(TPoint p) {
  track_->last = p;
  if (track_->part != Thumb) return;
  int nBar = track_->bar;
  TScrollBarState& b = Bar(nBar);
  TRect bar = BarRect(nBar);
  BarLayout l = LayoutOf(bar, nBar, b, b.Pos);
  if (l.thumbLength == 0) return;
  int room = l.Track() - l.thumbLength;
  int start = std::clamp(Along(bar, nBar, p) - l.arrow - track_->grab, 0, room);
  int pos = b.Min + MulDiv(start, b.MaxPos() - b.Min, room);
  if (pos == track_->trackPos) return;
  track_->trackPos = pos;
  b.TrackPos = pos;
  NonClientChanged();
  SendScroll(SB_THUMBTRACK, pos);
}

void TWinControl::ScrollBarRepeat() {
  if (!track_ || track_->part == Thumb) return;
  HWND self = Handle();
  SetTimer(self, kScrollRepeatTimerId, kRepeatInterval);
  const TScrollBarState& b = ScrollBarState(track_->bar);
  TRect bar = BarRect(track_->bar);
  // A held part repeats only while the pointer stays on it (a page, until the thumb reaches it).
  Part now = PartAt(LayoutOf(bar, track_->bar, b, b.Pos), Along(bar, track_->bar, track_->last));
  if (now == track_->part) SendScroll(CodeOf(now), 0);
}

void TWinControl::ScrollBarRelease() {
  std::unique_ptr<ScrollTrack> track = std::move(track_);
  HWND self = Handle();
  KillTimer(self, kScrollRepeatTimerId);
  if (GetCapture() == self) ReleaseCapture();
  if (!IsWindow(self)) return;
  track_ = std::move(track);
  if (track_->part == Thumb) SendScroll(SB_THUMBPOSITION, track_->trackPos);
  if (!IsWindow(self) || !track_) return;
  SendScroll(SB_ENDSCROLL, 0);
  if (!IsWindow(self)) return;
  track_.reset();
  TScrollBarState& b0 = hbar_;
  TScrollBarState& b1 = vbar_;
  b0.TrackPos = b0.Pos;
  b1.TrackPos = b1.Pos;
  NonClientChanged();
}

bool TWinControl::HandleNonClientMouse(TMessage& m) {
  TPoint screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  TPoint origin = ClientOrigin();
  TRect in = NonClientInsets();
  TPoint p{screen.X - origin.X + in.Left, screen.Y - origin.Y + in.Top};
  switch (m.Msg) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (m.WParam == HTVSCROLL) ScrollBarPress(SB_VERT, p);
      else if (m.WParam == HTHSCROLL) ScrollBarPress(SB_HORZ, p);
      else return false;
      return true;
    case WM_NCMOUSEMOVE:
      if (!track_) return false;
      ScrollBarDrag(p);
      return true;
    case WM_NCLBUTTONUP:
      if (!track_) return false;
      ScrollBarRelease();
      return true;
    default:
      return false;
  }
}

void TWinControl::PaintNonClient(TCanvas& canvas) const {
  TRect all = Rect(0, 0, Width(), Height());
  canvas.Brush().Color = clBtnFace;
  canvas.Brush().Style = bsSolid;
  canvas.FillRect(all);
  if (border_style_ == bsSingle) {
    TRect r = all;
    if (ctl3d_) {
      canvas.DrawEdge(r, EDGE_SUNKEN, BF_RECT);
    } else {
      canvas.Brush().Color = clWindowFrame;
      canvas.FrameRect(r);
    }
  }
  for (int nBar : {SB_VERT, SB_HORZ}) {
    const TScrollBarState& b = ScrollBarState(nBar);
    if (!b.Visible) continue;
    TRect bar = BarRect(nBar);
    bool tracking = track_ && track_->bar == nBar;
    BarLayout l = LayoutOf(bar, nBar, b, tracking && track_->part == Thumb ? b.TrackPos : b.Pos);
    bool vert = nBar == SB_VERT;
    auto span = [&](int from, int to) {
      return vert ? TRect{bar.Left, bar.Top + from, bar.Right, bar.Top + to} : TRect{bar.Left + from, bar.Top, bar.Left + to, bar.Bottom};
    };
    canvas.Brush().Color = clScrollBar;
    canvas.FillRect(span(l.arrow, l.length - l.arrow));
    bool disabled = b.DisabledArrows == ESB_DISABLE_BOTH || !b.NeedsScrolling();
    auto arrow = [&](TRect r, unsigned kind, bool off, Part part) {
      unsigned state = kind | (disabled || off ? DFCS_INACTIVE : 0u) | (tracking && track_->part == part ? DFCS_PUSHED : 0u);
      canvas.DrawFrameControl(r, DFC_SCROLL, state);
    };
    arrow(span(0, l.arrow), vert ? DFCS_SCROLLUP : DFCS_SCROLLLEFT, b.DisabledArrows & ESB_DISABLE_LTUP, LineUp);
    arrow(span(l.length - l.arrow, l.length), vert ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT,
          b.DisabledArrows & ESB_DISABLE_RTDN, LineDown);
    if (l.thumbLength > 0) {
      TRect thumb = span(l.arrow + l.thumbStart, l.arrow + l.thumbStart + l.thumbLength);
      canvas.DrawFrameControl(thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
  }
  if (hbar_.Visible && vbar_.Visible) {
    TRect v = BarRect(SB_VERT), h = BarRect(SB_HORZ);
    canvas.Brush().Color = clBtnFace;
    canvas.FillRect(TRect{v.Left, h.Top, v.Right, h.Bottom});
  }
}

}  // namespace hd

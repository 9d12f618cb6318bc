#include "platform/scroll_box.h"

#include <algorithm>

#include "platform/native_bridge_p.h"
#include "platform/scroll_bars.h"

namespace hd {

void TControlScrollBar::SetPosition(int Value) {
  const int limit = std::max(0, FRange - ControlSize());
  Value = std::clamp(Value, 0, limit);
  if (Value == FPosition) return;
  const int delta = FPosition - Value;
  FPosition = Value;
  if (FKind == sbHorizontal)
    FControl->ScrollContent(delta, 0);
  else
    FControl->ScrollContent(0, delta);
  SetScrollPos(FControl->Handle(), FKind == sbHorizontal ? SB_HORZ : SB_VERT, FPosition, true);
}

void TControlScrollBar::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  FControl->UpdateScrollBars();
}

bool TControlScrollBar::IsScrollBarVisible() const {
  return FControl->ScrollBarState(FKind == sbHorizontal ? SB_HORZ : SB_VERT).Visible;
}

int TControlScrollBar::ControlSize() const {
  return FKind == sbHorizontal ? FControl->ClientWidth() : FControl->ClientHeight();
}

void TControlScrollBar::Scroll(unsigned Code, int TrackPos) {
  const int page = std::max(1, ControlSize() * 9 / 10);
  switch (Code) {
    case SB_LINEUP: SetPosition(FPosition - FIncrement); break;
    case SB_LINEDOWN: SetPosition(FPosition + FIncrement); break;
    case SB_PAGEUP: SetPosition(FPosition - page); break;
    case SB_PAGEDOWN: SetPosition(FPosition + page); break;
    case SB_THUMBPOSITION: SetPosition(TrackPos); break;
    case SB_THUMBTRACK:
      if (FTracking) SetPosition(TrackPos);
      break;
    case SB_TOP: SetPosition(0); break;
    case SB_BOTTOM: SetPosition(FRange); break;
    default: break;
  }
}

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner) : TWinControl(AOwner), TOwnDrawing(this) {}

TNativeWindow* TScrollingWinControl::CreateNativeWindow() { return CreateOwnDrawnWindow(this, this); }

void TScrollingWinControl::NonClientChanged() {
  NonClientDirty();
  TWinControl::NonClientChanged();
}

void TScrollingWinControl::SetAutoScroll(bool Value) {
  if (Value == FAutoScroll) return;
  FAutoScroll = Value;
  UpdateScrollBars();
}

void TScrollingWinControl::ScrollContent(int DeltaX, int DeltaY) {
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
  }
  EnableAlign();
  Invalidate();
}

// The bars are the control's state, set also before its window is made: who sizes a
// popup around the control counts them in before the popup first shows.
void TScrollingWinControl::ApplyBar(TControlScrollBar& Bar) {
  const int nBar = Bar.FKind == sbHorizontal ? SB_HORZ : SB_VERT;
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  const bool shown = FAutoScroll && Bar.FVisible && Bar.FRange > Bar.ControlSize();
  info.nMin = 0;
  info.nMax = shown ? Bar.FRange - 1 : 0;
  info.nPage = shown ? static_cast<UINT>(Bar.ControlSize()) : 1;
  info.nPos = Bar.FPosition;
  SetScrollInfo(Handle(), nBar, info, true);
  if (!shown) ShowScrollBar(Handle(), nBar, false);
}

void TScrollingWinControl::UpdateScrollBars() {
  if (FUpdating) return;
  FUpdating = true;
  // The content's reach, measured from the unscrolled origin; aligned children fill the
  // client area and do not count.
  int right = 0, bottom = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (!c->Visible() || c->Align() != alNone) continue;
    right = std::max(right, c->Left() + c->Width() + FHorz.FPosition);
    bottom = std::max(bottom, c->Top() + c->Height() + FVert.FPosition);
  }
  FHorz.FRange = right;
  FVert.FRange = bottom;
  // Twice: a bar that appears narrows the client area and may call for the other one.
  for (int pass = 0; pass < 2; ++pass) {
    ApplyBar(FHorz);
    ApplyBar(FVert);
  }
  // A range that shrank takes the position back with it.
  FHorz.SetPosition(FHorz.FPosition);
  FVert.SetPosition(FVert.FPosition);
  FUpdating = false;
}

void TScrollingWinControl::ScrollInView(TControl* AControl) {
  if (!AControl || AControl->Parent() != this) return;
  auto bring = [](TControlScrollBar& bar, int start, int size) {
    const int client = bar.ControlSize();
    const int from = start - bar.Margin(), to = start + size + bar.Margin();
    if (from < 0)
      bar.SetPosition(bar.Position() + from);
    else if (to > client)
      bar.SetPosition(bar.Position() + std::min(to - client, from));
  };
  bring(FHorz, AControl->Left(), AControl->Width());
  bring(FVert, AControl->Top(), AControl->Height());
}

void TScrollingWinControl::AlignControls(TRect& rect) {
  TWinControl::AlignControls(rect);
  UpdateScrollBars();
}

void TScrollingWinControl::Dispatch(TMessage& m) {
  if (HandleOwnDrawnMessage(m)) return;
  switch (m.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL: {
      TControlScrollBar& bar = m.Msg == WM_HSCROLL ? FHorz : FVert;
      SCROLLINFO info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(Handle(), m.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, info);
      bar.Scroll(LOWORD(m.WParam), info.nTrackPos);
      m.Result = 0;
      return;
    }
    case WM_SIZE:
      TWinControl::Dispatch(m);
      UpdateScrollBars();
      return;
    case WM_MOUSEWHEEL: {
      TWinControl::Dispatch(m);
      if (m.Result) return;
      const int delta = static_cast<short>(HIWORD(m.WParam));
      if (FVert.IsScrollBarVisible()) {
        FVert.SetPosition(FVert.Position() - delta / 120 * 3 * FVert.Increment());
        m.Result = 1;
      }
      return;
    }
    default: TWinControl::Dispatch(m);
  }
}

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) { SetBounds(0, 0, 185, 41); }

}  // namespace hd

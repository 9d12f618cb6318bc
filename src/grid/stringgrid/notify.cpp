// The grid's notifications from its child controls: a date picker's new date and the balloon
// tooltip's request for a cell's text; and the soft frame laid around the cell being edited.
#include <algorithm>

#include "grid/foundation/alpha_mask.h"
#include "grid/foundation/arrow_window.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/application.h"
#include "platform/dateutils.h"
#include "platform/forms.h"
#include "platform/layered.h"
#include "platform/tooltips.h"

namespace hd {

namespace {

constexpr std::size_t kBalloonTextMax = 2048;
constexpr std::size_t kBalloonTitleMax = 100;
constexpr int kBalloonWidth = 300;
// The focus frame: its colour and opacity, how far it stands out of the cell, and its mask.
constexpr TColor kFocusFrameColor = 0xFDD397;
constexpr std::uint8_t kFocusFrameOpacity = 230;
constexpr int kFocusFrameOut = 4;
constexpr int kFocusFrameGrow = 9;

// The grid whose frame shows: one at a time in the program.
TExtStringGrid* g_focus_grid = nullptr;

// The first Count characters of UTF-8 text, and how many characters it has.
std::size_t Utf8Length(const std::string& s) {
  return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}
std::string Utf8Head(const std::string& s, std::size_t count) {
  std::size_t i = 0, n = 0;
  for (; i < s.size(); ++i) {
    if ((s[i] & 0xC0) != 0x80) {
      if (n == count) break;
      ++n;
    }
  }
  return s.substr(0, i);
}

// A balloon's text: tabs as blanks, leading line breaks skipped, at most 2048 characters.
std::string BalloonText(std::string text) {
  std::replace(text.begin(), text.end(), '\t', ' ');
  const std::size_t start = text.find_first_not_of("\r\n\t");
  text = start == std::string::npos ? std::string() : text.substr(start);
  if (Utf8Length(text) > kBalloonTextMax) text = Utf8Head(text, kBalloonTextMax - 3) + "...";
  return text;
}

}  // namespace

void TExtStringGrid::WMNotify(TMessage& message) {
  auto* header = reinterpret_cast<NMHDR*>(message.LParam);
  if (!header) {
    StandardHandling(message);
    return;
  }
  TExtStringGridPrivate& p = *FP;
  switch (header->code) {
    case DTN_DATETIMECHANGE: {
      if (OnDateTimeChange) {
        const auto& change = *reinterpret_cast<NMDATETIMECHANGE*>(header);
        TDateTime date = 0, time = 0;
        if (change.wYear != 0 && change.wMonth != 0 && change.wDay != 0 &&
            TryEncodeDate(change.wYear, change.wMonth, change.wDay, date) &&
            TryEncodeTime(change.wHour, change.wMinute, change.wSecond, change.wMilliseconds, time))
          date += time;
        else
          date = 0;
        OnDateTimeChange(this, Col(), Row(), date);
      }
      StandardHandling(message);
      return;
    }
    case TTN_GETDISPINFOW: {
      if (!p.Balloon->Enable()) return;
      auto& info = *reinterpret_cast<NMTTDISPINFOW*>(header);
      const TPoint at = ScreenToClient(GetCursorPos());
      int ACol = -1, ARow = -1;
      MouseToCell(at.X, at.Y, ACol, ARow);
      if (ACol >= 0 && ARow >= 0) {
        const TPoint base = BaseCell(ACol, ARow);
        ACol = base.X;
        ARow = base.Y;
      }
      const int RC = ACol >= 0 ? RealColIndex(ACol) : -1;
      std::string text;
      if (ACol >= 0 && ARow >= 0) {
        const std::string raw = Cells(RC, ARow);
        switch (GetTextKind(raw, p.Text.FEnableHTML)) {
          case ttMarkup: text = GetStrippedCell(RC, ARow); break;
          case ttRichText: text = RichTextToPlain(raw); break;
          case ttPackedWide: text = WideToUtf8(DecodePackedUnicode(raw)); break;
          default: text = raw;
        }
      }
      text = BalloonText(text);
      int icon = biInfo;
      std::string title = " ";
      if (ACol >= 0 && ARow >= 0) {
        TBalloonIcon own = biInfo;
        if (IsBalloon(RC, ARow, title, text, own)) icon = own;
        if (OnCellBalloon) OnCellBalloon(this, RC, ARow, title, text, icon);
      }
      p.Pointer.LastBalloonPos = {ACol, ARow};
      info.lpszText = text;
      if (Utf8Length(title) > kBalloonTitleMax) title = Utf8Head(title, kBalloonTitleMax - 3) + "...";
      if (HWND tip = p.Pointer.ToolTip) {
        SendMessage(tip, TTM_SETMAXTIPWIDTH, 0, kBalloonWidth);
        if (p.Balloon->TextColor() != clNone) SendMessage(tip, TTM_SETTIPTEXTCOLOR, p.Balloon->TextColor());
        if (p.Balloon->BackgroundColor() != clNone) SendMessage(tip, TTM_SETTIPBKCOLOR, p.Balloon->BackgroundColor());
        SendMessage(tip, TTM_SETTITLEW, static_cast<WPARAM>(icon), reinterpret_cast<LPARAM>(&title));
      }
      return;
    }
    case TTN_SHOW:
    case TTN_POP: return;
    default: StandardHandling(message);
  }
}

// --- The focus frame.

TGridFocusWindow* TExtStringGrid::FocusWindow() const {
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* w = dynamic_cast<TGridFocusWindow*>(Components(i))) return w;
  return nullptr;
}

void TExtStringGrid::ShowFocusWindow(const TRect& R) {
  if (g_focus_grid && g_focus_grid != this) g_focus_grid->HideFocusWindow();
  TGridFocusWindow* w = FocusWindow();
  if (!w) w = new TGridFocusWindow(this);
  g_focus_grid = this;
  FP->Pointer.FocusCell = R;
  w->Hide();
  const int width = R.Width() + kFocusFrameGrow, height = R.Height() + kFocusFrameGrow;
  TBitmap mask;
  MakeRoundRectMask(mask, width, height, 4, 5, 3);
  TBitmap colour(width, height);
  colour.SetPixelFormat(pf24bit);
  colour.Canvas().Brush().Color = kFocusFrameColor;
  colour.Canvas().FillRect(Rect(0, 0, width, height));
  TGridAlphaMask alpha;
  alpha.MergeMask(mask, colour, kFocusFrameColor);
  alpha.SetOpacity(kFocusFrameOpacity);
  ApplyAlphaMaskToWindow(w->Handle(), alpha);
  // The frame never lies over the cell itself.
  TRegion frame = TRegion(Rect(0, 0, width, height)) -
                  TRegion(Rect(kFocusFrameOut, kFocusFrameOut, kFocusFrameOut + R.Width(), kFocusFrameOut + R.Height()));
  SetWindowRgn(w->Handle(), frame);
  const TPoint at = ClientToScreen(R.TopLeft());
  w->SetBounds(at.X - kFocusFrameOut, at.Y - kFocusFrameOut, width, height);
  ShowWindow(w->Handle(), SW_SHOWNOACTIVATE);
}

void TExtStringGrid::MoveFocusWindow() {
  TGridFocusWindow* w = FocusWindow();
  if (g_focus_grid != this || !w) return;
  const TRect r = CellRect(Col(), Row());
  const TPoint at = ClientToScreen(r.TopLeft());
  w->SetBounds(at.X - kFocusFrameOut, at.Y - kFocusFrameOut, r.Width() + kFocusFrameGrow, r.Height() + kFocusFrameGrow);
}

void TExtStringGrid::HideFocusWindow() {
  if (g_focus_grid == this) g_focus_grid = nullptr;
  if (TGridFocusWindow* w = FocusWindow()) w->Hide();
}

void ApplyAlphaMaskToWindow(HWND Window, const TGridAlphaMask& Mask) {
  if (Mask.Height() == 0) return;
  SetWindowLongPtr(Window, GWL_EXSTYLE, GetWindowLongPtr(Window, GWL_EXSTYLE) | WS_EX_LAYERED);
  BLENDFUNCTION blend;
  blend.SourceConstantAlpha = Mask.Opacity();
  UpdateLayeredWindow(Window, nullptr, Mask, blend, ULW_ALPHA);
}

}  // namespace hd

// The balloon tooltip of the cells: the layer's tooltip control in its balloon style, with the
// grid as its one tool asking for each cell's text, made while Balloon.Enable is on; and the
// grid's notifications from its child controls (a date picker's new date, the tooltip's
// request for a cell's text).
#include <algorithm>

#include "grid/editing/grid_pointer.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/application.h"
#include "platform/dateutils.h"
#include "platform/tooltips.h"

namespace hd {

namespace {

// The title every balloon starts with, and its icon (3).
constexpr const char* kBalloonTitle = "ToolTipText";
constexpr WPARAM kBalloonTitleIcon = TTI_ERROR;
constexpr std::size_t kBalloonTextMax = 2048;
constexpr std::size_t kBalloonTitleMax = 100;
constexpr int kBalloonWidth = 300;
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

void TGridPointer::BalloonEnableChanged() {
  if (H.Loading()) return;
  if (H.Balloon().Enable())
    BalloonInit();
  else
    BalloonDone();
}

void TGridPointer::BalloonInit() {
  TBalloonSettings& b = H.Balloon();
  if (b.FInit) return;
  b.FInit = true;
  HWND tip = CreateToolTipWindow(TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON, H.Handle());
  ToolTip = tip;
  if (!tip) return;
  if (H.HandleAllocated()) {
    TToolInfo tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = H.Handle();
    tool.uId = static_cast<std::uintptr_t>(H.Handle());
    tool.rect = H.ClientRect();
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessage(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  const std::string title = kBalloonTitle;
  SendMessage(tip, TTM_SETTITLEW, kBalloonTitleIcon, reinterpret_cast<LPARAM>(&title));
  // Only the delays given are sent: -1 keeps the system's.
  auto delay = [tip](WPARAM which, int ms) {
    if (ms != -1) SendMessage(tip, TTM_SETDELAYTIME, which, MAKELPARAM(ms, 0));
  };
  delay(TTDT_INITIAL, b.InitialDelay());
  delay(TTDT_RESHOW, b.ReshowDelay());
  delay(TTDT_AUTOPOP, b.AutoHideDelay());
  if (b.Transparency() > 0) SetToolTipAlpha(tip, static_cast<std::uint8_t>(255 - b.Transparency()));
}

void TGridPointer::BalloonDone() {
  if (!H.Balloon().FInit) return;
  if (ToolTip) DestroyToolTipWindow(ToolTip);
  ToolTip = 0;
  H.Balloon().FInit = false;
}

// The tooltip asks for the text of the cell under the pointer: its plain text, then what the
// cell's own balloon and OnCellBalloon make of it, with the title and icon.
void TGridPointer::BalloonDispInfo(NMTTDISPINFOW& Info) {
  if (!H.Balloon().Enable()) return;
  const TPoint at = H.ScreenToClient(GetCursorPos());
  int ACol = -1, ARow = -1;
  H.MouseToCell(at.X, at.Y, ACol, ARow);
  if (ACol >= 0 && ARow >= 0) {
    const TPoint base = H.BaseCell(ACol, ARow);
    ACol = base.X;
    ARow = base.Y;
  }
  const bool inCell = ACol >= 0 && ARow >= 0;
  const int RC = ACol >= 0 ? H.RealColIndex(ACol) : -1;
  std::string text;
  if (inCell) {
    const std::string raw = H.Cells(RC, ARow);
    switch (GetTextKind(raw, H.Looks().EnableHTML)) {
      case ttMarkup: text = H.StrippedCell(RC, ARow); break;
      case ttRichText: text = H.RichTextPlain(raw); break;
      case ttPackedWide: text = WideToUtf8(DecodePackedUnicode(raw)); break;
      default: text = raw;
    }
  }
  text = BalloonText(text);
  int icon = biInfo;
  std::string title = " ";
  if (inCell) {
    H.IsBalloon(RC, ARow, title, text, icon);
    H.CellBalloon(RC, ARow, title, text, icon);
  }
  LastBalloonPos = {ACol, ARow};
  Info.lpszText = text;
  if (Utf8Length(title) > kBalloonTitleMax) title = Utf8Head(title, kBalloonTitleMax - 3) + "...";
  if (!ToolTip) return;
  const TBalloonSettings& b = H.Balloon();
  SendMessage(ToolTip, TTM_SETMAXTIPWIDTH, 0, kBalloonWidth);
  if (b.TextColor() != clNone) SendMessage(ToolTip, TTM_SETTIPTEXTCOLOR, b.TextColor());
  if (b.BackgroundColor() != clNone) SendMessage(ToolTip, TTM_SETTIPBKCOLOR, b.BackgroundColor());
  SendMessage(ToolTip, TTM_SETTITLEW, static_cast<WPARAM>(icon), reinterpret_cast<LPARAM>(&title));
}

// --- The grid's members of the balloons and its notifications.

void TExtStringGrid::BalloonEnableChanged(TObject* /*Sender*/) { FP->Pointer->BalloonEnableChanged(); }

void TExtStringGrid::BalloonInit() { FP->Pointer->BalloonInit(); }

void TExtStringGrid::BalloonDone() {
  if (FP->Balloon && FP->Pointer) FP->Pointer->BalloonDone();
}

HWND TExtStringGrid::BalloonToolTip() const { return FP->Pointer->ToolTip; }

void TExtStringGrid::WMNotify(TMessage& message) {
  auto* header = reinterpret_cast<NMHDR*>(message.LParam);
  if (!header) {
    StandardHandling(message);
    return;
  }
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
    case TTN_GETDISPINFOW: FP->Pointer->BalloonDispInfo(*reinterpret_cast<NMTTDISPINFOW*>(header)); return;
    case TTN_SHOW:
    case TTN_POP: return;
    default: StandardHandling(message);
  }
}

}  // namespace hd

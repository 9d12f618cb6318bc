// The balloon tooltip of the cells: the layer's tooltip control in its balloon style, with the
// grid as its one tool asking for each cell's text, made while Balloon.Enable is on.
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/tooltips.h"

namespace hd {

namespace {

// The title every balloon starts with, and its icon (3).
constexpr const char* kBalloonTitle = "ToolTipText";
constexpr WPARAM kBalloonTitleIcon = TTI_ERROR;

}  // namespace

void TExtStringGrid::BalloonEnableChanged(TObject* /*Sender*/) {
  if (Loading()) return;
  if (FP->Balloon->Enable())
    BalloonInit();
  else
    BalloonDone();
}

void TExtStringGrid::BalloonInit() {
  TExtStringGridPrivate& p = *FP;
  TBalloonSettings& b = *p.Balloon;
  if (b.FInit) return;
  b.FInit = true;
  HWND tip = CreateToolTipWindow(TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON, Handle());
  p.Pointer.ToolTip = tip;
  if (!tip) return;
  if (HandleAllocated()) {
    TToolInfo tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = static_cast<std::uintptr_t>(Handle());
    tool.rect = ClientRect();
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

void TExtStringGrid::BalloonDone() {
  TExtStringGridPrivate& p = *FP;
  if (!p.Balloon || !p.Balloon->FInit) return;
  if (p.Pointer.ToolTip) DestroyToolTipWindow(p.Pointer.ToolTip);
  p.Pointer.ToolTip = 0;
  p.Balloon->FInit = false;
}

HWND TExtStringGrid::BalloonToolTip() const { return FP->Pointer.ToolTip; }

}  // namespace hd

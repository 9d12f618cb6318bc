// The string grid's one message map: each message the grid takes itself goes to its handler in
// the file of its concern; every other message goes on to the platform grid.
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"

namespace hd {

// The window procedure sees a message before the platform grid turns it into a dispatch.
void TExtStringGrid::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_COMMAND: WMCommand(Message); return;
    case WM_CHAR: NoteStartEditChar(Message); break;
    default:
      if (Message.Msg == GridEditDoneMessage() && GridEditDoneMessage() != 0) WMGridEditDone(Message);
  }
  TBaseGrid::WndProc(Message);
}

void TExtStringGrid::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN: WMKeyDown(message); return;
    case WM_CHAR: WMChar(message); return;
    case WM_LBUTTONDOWN: WMLButtonDown(message); return;
    case WM_LBUTTONUP: WMLButtonUp(message); return;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(message); return;
    case WM_RBUTTONDOWN: WMRButtonDown(message); return;
    case WM_RBUTTONUP: WMRButtonUp(message); return;
    case WM_HSCROLL: HorzScroll(message); return;
    case WM_VSCROLL: VertScroll(message); return;
    case WM_OFFICETHEMECHANGED:
      if (FP->Colors.FAutoThemeAdapt) FollowOfficeTheme();
      return;
    case WM_NCPAINT: WMNCPaint(message); return;
    case CM_DESIGNHITTEST: CMDesignHitTest(message); return;
    default: TBaseGrid::Dispatch(message);
  }
}

}  // namespace hd

// The string grid's one message map: each message the grid takes itself goes to its handler in
// the file of its concern; every other message goes on to the platform grid.
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/forms.h"

namespace hd {

// The window procedure sees a message before the platform grid turns it into a dispatch.
void TExtStringGrid::WndProc(TMessage& Message) {
  if (PanMessage(Message)) return;
  switch (Message.Msg) {
    case WM_COMMAND: WMCommand(Message); return;
    case WM_CHAR: NoteStartEditChar(Message); break;
    case WM_CANCELMODE:
      // A line move given up does not leave the drag cursor behind.
      if (Screen().Cursor() == crDrag && (FGridState == gsColMoving || FGridState == gsRowMoving) &&
          FP->Layout.FEnhRowColMove)
        Screen().SetCursor(crDefault);
      break;
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
    // The pointer, the wheel, the focus and the hints.
    case WM_SETFOCUS: WMSetFocus(message); return;
    case WM_KILLFOCUS: WMKillFocus(message); return;
    case WM_SETCURSOR: WMSetCursor(message); return;
    case WM_MOUSEWHEEL: WMMouseWheel(message); return;
    case WM_TIMER: WMTimer(message); return;
    case WM_NOTIFY: WMNotify(message); return;
    case CM_MOUSELEAVE: CMMouseLeave(message); return;
    case CM_HINTSHOW: CMHintShow(message); return;
    case CM_DIALOGCHAR: CMDialogChar(message); return;
    case CM_CURSORCHANGED: CMCursorChanged(message); return;
    case WM_SIZE: WMSize(message); return;
    case WM_MOVE:
      StandardHandling(message);
      MoveFocusWindow();
      return;
    case CM_ENABLEDCHANGED:
      StandardHandling(message);
      Invalidate();
      return;
    // A header drag given up moves nothing.
    case WM_CANCELMODE:
    case CM_CANCELMODE:
      EndEnhancedDrag();
      StandardHandling(message);
      return;
    case CM_COLORCHANGED:
      StandardHandling(message);
      if (FP->FloatingFooter->Visible() && FP->FooterPanel) FP->FooterPanel->Invalidate();
      return;
    default: TBaseGrid::Dispatch(message);
  }
}

}  // namespace hd

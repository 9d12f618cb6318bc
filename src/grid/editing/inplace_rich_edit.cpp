// The rich-text editor while it is open: sub- and superscript, the keys handed to the grid,
// the end of the edit when the grid takes the focus, and the row following the text's height.
#include "grid/editing/inplace_rich_edit.h"

#include "grid/editing/editor_host.h"

namespace hd {

namespace {
constexpr int kScriptOffset = 40;  // twips
}  // namespace

TExtRichEdit::TExtRichEdit(TComponent* AOwner, TGridEditorHost& Host) : TRichEdit(AOwner), FHost(&Host) {}

void TExtRichEdit::SetSelOffset(int Twips) {
  TRichFormat f;
  f.Offset = Twips;
  SetSelFormat(f, CFM_OFFSET);
}

bool TExtRichEdit::SelOffsetIs(int Twips) {
  unsigned mask = 0;
  TRichFormat f = SelFormat(&mask);
  return (mask & CFM_OFFSET) && f.Offset == Twips;
}

void TExtRichEdit::SelNormal() { SetSelOffset(0); }
void TExtRichEdit::SelSubscript() { SetSelOffset(-kScriptOffset); }
void TExtRichEdit::SelSuperscript() { SetSelOffset(kScriptOffset); }
bool TExtRichEdit::IsSelNormal() { return SelOffsetIs(0); }
bool TExtRichEdit::IsSelSubscript() { return SelOffsetIs(-kScriptOffset); }
bool TExtRichEdit::IsSelSuperscript() { return SelOffsetIs(kScriptOffset); }

void TExtRichEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TRichEdit::KeyDown(Key, Shift);
  TGridEditorHost& host = *FHost;
  if (Key == VK_TAB && host.TabsMoveCells()) {
    // The focus goes first, which ends the edit and stores the text; the grid then moves.
    if (host.Window().CanFocus()) host.Window().SetFocus();
    WORD key = Key;
    host.GridKeyDown(key, Shift);
    host.ShowInplaceEdit();
    Key = 0;
    return;
  }
  if ((Key == VK_UP || Key == VK_DOWN) && !host.WordWrap() && !host.Multilinecells()) {
    if (host.Window().CanFocus()) host.Window().SetFocus();
    WORD key = Key;
    host.GridKeyDown(key, Shift);
    Key = 0;
  }
}

void TExtRichEdit::RequestedSize(const REQRESIZE& Request) {
  FReqWidth = Request.rc.Width();
  FReqHeight = Request.rc.Height();
  // The row grows with the text until it would reach the grid's bottom edge.
  if (!FLocked && FHost->RowsGrowWhileTyping()) FHost->GrowRowForEditor(*this, FReqHeight);
}

void TExtRichEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      TRichEdit::WndProc(Message);
      Message.Result |= DLGC_WANTTAB;
      return;
    case WM_KILLFOCUS:
      // The grid moving the focus itself leaves the edit alone.
      if (FHost->FocusChangeInvoked()) return;
      if (FHost->Window().HandleAllocated() && static_cast<HWND>(Message.WParam) == FHost->Window().Handle())
        FHost->HideInplaceEdit();
      break;
    case CN_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(Message.LParam);
      if (hdr && hdr->code == EN_REQUESTRESIZE && !ComponentState().Contains(csDesigning))
        RequestedSize(*reinterpret_cast<REQRESIZE*>(Message.LParam));
      break;
    }
    default: break;
  }
  TRichEdit::WndProc(Message);
}

}  // namespace hd

// The header filter drop-down: a release over a header cell's filter glyph opens the column's
// list (or check list) of values below the glyph; its lists report a choice or close without one.
#include <algorithm>

#include "grid/dataops/filter/grid_filter.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/filter_settings.h"
#include "grid/stringgrid/grid_panels.h"
#include "platform/application.h"
#include "platform/messages.h"

namespace hd {

namespace {

// The system's edge around a list's items.
constexpr int kListEdge = 2;
// The glyph's hot area: X within (right - 16, right - 3), Y above top + 19.
constexpr int kGlyphLeft = 16;
constexpr int kGlyphRight = 3;
constexpr int kGlyphHeight = 19;

bool PointerOutside(const TWinControl& List) {
  TPoint at = List.ScreenToClient(GetCursorPos());
  return !PtInRect(List.ClientRect(), at);
}

bool IsMouseRelease(UINT Msg) { return Msg == WM_LBUTTONUP || Msg == WM_RBUTTONUP || Msg == WM_MBUTTONUP; }

// Escape, a cancelled mouse mode with the pointer outside, or the focus leaving for a window
// other than the grid (whose own release decides then) close a list without a choice.
template <class TList>
bool HandleClosing(TList& List, bool& Closing, TMessage& m) {
  if (Closing || !List.Visible()) return false;
  bool cancel = false;
  if (m.Msg == WM_KEYDOWN && m.WParam == static_cast<WPARAM>(VK_ESCAPE)) cancel = true;
  if ((m.Msg == WM_CANCELMODE || m.Msg == CM_CANCELMODE) && PointerOutside(List)) cancel = true;
  if (m.Msg == WM_KILLFOCUS) {
    HWND to = static_cast<HWND>(m.WParam);
    TWinControl* parent = List.Parent();
    if (!parent || to != parent->Handle()) cancel = true;
  }
  if (!cancel) return false;
  Closing = true;
  if (m.Msg == WM_KILLFOCUS) List.DefaultHandler(m);
  List.SetVisible(false);
  Closing = false;
  if (List.OnCancel) List.OnCancel(&List);
  return m.Msg != WM_KILLFOCUS;
}

}  // namespace

void TDropList::Dispatch(TMessage& m) {
  if (HandleClosing(*this, FClosing, m)) return;
  if (!FClosing && Visible() && ((m.Msg == WM_KEYDOWN && m.WParam == static_cast<WPARAM>(VK_RETURN)) || IsMouseRelease(m.Msg))) {
    if (IsMouseRelease(m.Msg)) TCustomListBox::Dispatch(m);
    FClosing = true;
    SetVisible(false);
    FClosing = false;
    if (OnSelect) OnSelect(this, ItemIndex());
    return;
  }
  if (m.Msg == WM_KILLFOCUS && FClosing) {
    DefaultHandler(m);
    return;
  }
  TCustomListBox::Dispatch(m);
}

TDropCheckList::TDropCheckList(TComponent* AOwner) : TCheckListBox(AOwner) {}

void TDropCheckList::ClickCheck() {
  TCheckListBox::ClickCheck();
  if (OnSelect) OnSelect(this, -1);
}

void TDropCheckList::Dispatch(TMessage& m) {
  if (HandleClosing(*this, FClosing, m)) return;
  if (m.Msg == WM_KILLFOCUS && FClosing) {
    DefaultHandler(m);
    return;
  }
  TCheckListBox::Dispatch(m);
}

void TExtStringGrid::FilterDropDownRelease(int X, int Y) {
  TGridFilter& f = Filterer();
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (ACol >= 0 && ARow >= 0 && ARow == FilterDropDownRow()) {
    const int RC = RealColIndex(ACol);
    const TRect r = CellRect(ACol, ARow);
    if (RC != f.FilterCol() && X > r.Right - kGlyphLeft && X < r.Right - kGlyphRight && Y < r.Top + kGlyphHeight &&
        GetColumnFilter(RC)) {
      f.SetFilterCol(RC);
      const TFilterDropDown& fd = FilterDropDown();
      TDropCheckList* checks = DropCheckList();
      const bool check = f.FilterDropDownCheck() && checks;
      TCustomListBox& list = check ? static_cast<TCustomListBox&>(*checks) : *DropList();
      (check ? static_cast<TCustomListBox&>(*DropList()) : *checks).SetVisible(false);
      list.SetColor(fd.Color());
      list.SetFont(fd.Font());
      list.Clear();
      // The entries' display parts, measured in the list's font.
      TStringList shown;
      TCanvas& canvas = Canvas();
      const TFont saved = canvas.Font();
      canvas.SetFont(fd.Font());
      int widest = 0;
      const TStringList& entries = FilterList();
      for (int i = 0; i < entries.Count(); ++i) {
        const std::string& e = entries[i];
        std::string display = e.substr(0, e.find('='));
        widest = std::max(widest, canvas.TextWidth(display));
        shown.Add(display);
      }
      canvas.SetFont(saved);
      list.SetItems(shown);
      if (check) {
        const TFilter& filter = Filter();
        for (int i = 0; i < shown.Count(); ++i) {
          std::string cond = shown[i];
          if (cond.find(' ') != std::string::npos) cond = "\"" + cond + "\"";
          bool on = false;
          for (int k = 0; k < filter.Count() && !on; ++k)
            on = filter.Items(k)->Column() == RC && filter.Items(k)->Condition() == cond;
          checks->SetChecked(i, on);
        }
      } else {
        list.SetItemIndex(0);
      }
      int w = fd.Width(), h = fd.Height();
      if (fd.AutoSize()) {
        h = shown.Count() * list.ItemHeight() + 2 * kListEdge;
        w = 2 * kListEdge + widest + 8;
      }
      int left = r.Right - kGlyphLeft;
      const int top = r.Top + kGlyphLeft;
      if (fd.ColumnWidth()) {
        left = r.Left;
        w = r.Width();
      }
      // Kept inside the grid: it ends at the header cell's right edge, never left of 0.
      if (left + w > ClientWidth()) left = std::max(CellRect(ACol, 0).Right - w, 0);
      list.SetBounds(left, top, w, h);
      list.SetVisible(true);
      list.BringToFront();
      if (list.CanFocus()) list.SetFocus();
      return;
    }
  }
  if (DropList()->Visible()) DropList()->SetVisible(false);
  if (TDropCheckList* checks = DropCheckList(); checks && checks->Visible()) checks->SetVisible(false);
  f.SetFilterCol(-1);
}

}  // namespace hd

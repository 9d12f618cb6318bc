// The hint of the cell under the pointer: a comment, the title of a link, the cell's own text
// or the text a cell is too small for, then what OnGridHint makes of it; with its place and,
// for markup, the grid's markup hint window.
#include "grid/editing/edit_session.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/html_hint_window.h"

namespace hd {

namespace {

// A link hint stands this far right of and above the pointer.
constexpr TPoint kLinkHintOffset{8, -16};
// A hint below a cell stands this far under it.
constexpr int kBelowCell = 6;

}  // namespace

void TExtStringGrid::FillCellHintInfo(std::string& HintStr, THintInfo& HintInfo) {
  TExtStringGridPrivate& p = *FP;
  int ACol = -1, ARow = -1;
  MouseToCell(HintInfo.CursorPos.X, HintInfo.CursorPos.Y, ACol, ARow);
  if (p.ControlLook->HintMaxWidth() > 0) HintInfo.HintMaxWidth = p.ControlLook->HintMaxWidth();
  SetHintFontName(Font().Name);
  TPoint pos = HintInfo.CursorPos;
  if (ACol >= 0 && ARow >= 0) {
    const TPoint base = BaseCell(ACol, ARow);
    ACol = base.X;
    ARow = base.Y;
    p.LastHintPos = base;
    const int RC = RealColIndex(ACol);
    const TRect R = CellRect(ACol, ARow);
    // The hint stays while the pointer stays in the cell.
    HintInfo.CursorRect = R;
    std::string comment;
    if (IsComment(RC, ARow, comment)) {
      HintStr = comment;
      pos = {R.Right, R.Top};
    } else {
      pos = {HintInfo.CursorPos.X, R.Bottom + kBelowCell};
    }
    const std::string text = Cells(RC, ARow);
    const int kind = GetTextKind(text, p.Text.FEnableHTML);
    if (kind == ttMarkup && p.Text.FAnchorHint) {
      std::string link, title;
      int index = -1;
      if (MarkupLinkAt(ACol, ARow, HintInfo.CursorPos.X, HintInfo.CursorPos.Y, link, title, index)) {
        HintStr = title.empty() ? link : title;
        if (OnAnchorHint) OnAnchorHint(this, ARow, RC, HintStr);
        p.Pointer.LastAnchorHint = HintStr;
        pos = {HintInfo.CursorPos.X + kLinkHintOffset.X, HintInfo.CursorPos.Y + kLinkHintOffset.Y};
      }
    }
    const bool normal = ACol >= FixedCols() && ARow >= FixedRows() && ACol < ColCount() - p.Layout.FFixedRightCols &&
                        ARow < RowCount() - p.Layout.FFixedFooters;
    if (p.Pointer.HintShowCells && normal) {
      pos.Y = R.Top;
      if (kind == ttPackedWide)
        HintStr = text;
      else
        HintStr = p.Pointer.HTMLHint ? text : GetStrippedCell(RC, ARow);
    }
    if (p.Pointer.HintShowLargeText) {
      TFlagScope measure(p.PaintFlags.FEnhTextSize, false);
      const TSize size = GetCellTextSize(RC, ARow, false, false);
      if (size.cx > R.Width() || size.cy > R.Height()) {
        if (p.Colors.FHintShowLargeTextPos == hpCell) pos = R.TopLeft();
        const bool raw = kind == ttPackedWide || p.Pointer.HTMLHint || kind != ttMarkup;
        HintStr = raw ? text : GetStrippedCell(RC, ARow);
      }
    }
    const bool footerRow = p.FloatingFooter->Visible() && ARow == RowCount() - 1;
    if (!footerRow) {
      WideString wide;
      GetCellHint(ACol, ARow, HintStr, wide);
    }
    const int hintKind = GetTextKind(HintStr, true);
    if ((hintKind == ttMarkup || hintKind == ttPackedWide) && p.Colors.FUseInternalHintClass) {
      HintInfo.HintWindowClass = HintClassOf<THTMLHintWindow>();
      HintInfo.HintData = static_cast<TObject*>(this);
    }
  }
  HintInfo.HintPos = ClientToScreen(pos);
  HintInfo.HintColor = p.Colors.FHintColor;
}

}  // namespace hd

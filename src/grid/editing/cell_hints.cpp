// The hint of the cell under the pointer: a comment, the title of a link, the cell's own text
// or the text a cell is too small for, then what OnGridHint makes of it; with its place and,
// for markup, the grid's markup hint window.
#include "grid/editing/grid_pointer.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/look_objects.h"
#include "grid/stringgrid/html_hint_window.h"

namespace hd {

namespace {

// A link hint stands this far right of and above the pointer.
constexpr TPoint kLinkHintOffset{8, -16};
// A hint below a cell stands this far under it.
constexpr int kBelowCell = 6;

}  // namespace

void TGridPointer::FillCellHintInfo(std::string& HintStr, THintInfo& HintInfo) {
  const TPointerLooks looks = H.Looks();
  int ACol = -1, ARow = -1;
  H.MouseToCell(HintInfo.CursorPos.X, HintInfo.CursorPos.Y, ACol, ARow);
  if (H.ControlLook().HintMaxWidth() > 0) HintInfo.HintMaxWidth = H.ControlLook().HintMaxWidth();
  SetHintFontName(H.FontName());
  TPoint pos = HintInfo.CursorPos;
  if (ACol >= 0 && ARow >= 0) {
    const TPoint base = H.BaseCell(ACol, ARow);
    ACol = base.X;
    ARow = base.Y;
    LastHintPos = base;
    const int RC = H.RealColIndex(ACol);
    const TRect R = H.CellRect(ACol, ARow);
    // The hint stays while the pointer stays in the cell.
    HintInfo.CursorRect = R;
    std::string comment;
    if (H.IsComment(RC, ARow, comment)) {
      HintStr = comment;
      pos = {R.Right, R.Top};
    } else {
      pos = {HintInfo.CursorPos.X, R.Bottom + kBelowCell};
    }
    const std::string text = H.Cells(RC, ARow);
    const int kind = GetTextKind(text, looks.EnableHTML);
    if (kind == ttMarkup && looks.AnchorHint) {
      std::string link, title;
      int index = -1;
      if (H.LinkAt(ACol, ARow, HintInfo.CursorPos.X, HintInfo.CursorPos.Y, link, title, index)) {
        HintStr = title.empty() ? link : title;
        H.AnchorHint(RC, ARow, HintStr);
        LastAnchorHint = HintStr;
        pos = {HintInfo.CursorPos.X + kLinkHintOffset.X, HintInfo.CursorPos.Y + kLinkHintOffset.Y};
      }
    }
    const bool normal = ACol >= H.FixedCols() && ARow >= H.FixedRows() &&
                        ACol < H.ColCount() - looks.FixedRightCols && ARow < H.RowCount() - looks.FixedFooters;
    if (HintShowCells && normal) {
      pos.Y = R.Top;
      if (kind == ttPackedWide)
        HintStr = text;
      else
        HintStr = HTMLHint ? text : H.StrippedCell(RC, ARow);
    }
    if (HintShowLargeText) {
      const TSize size = H.CellTextSize(RC, ARow);
      if (size.cx > R.Width() || size.cy > R.Height()) {
        if (looks.HintShowLargeTextPos == hpCell) pos = R.TopLeft();
        const bool raw = kind == ttPackedWide || HTMLHint || kind != ttMarkup;
        HintStr = raw ? text : H.StrippedCell(RC, ARow);
      }
    }
    const bool footerRow = H.FooterVisible() && ARow == H.RowCount() - 1;
    if (!footerRow) H.GetCellHint(ACol, ARow, HintStr);
    const int hintKind = GetTextKind(HintStr, true);
    if ((hintKind == ttMarkup || hintKind == ttPackedWide) && looks.UseInternalHintClass) {
      HintInfo.HintWindowClass = HintClassOf<THTMLHintWindow>();
      HintInfo.HintData = static_cast<TObject*>(&H.Owner());
    }
  }
  HintInfo.HintPos = H.ClientToScreen(pos);
  HintInfo.HintColor = looks.HintColor;
}

void TExtStringGrid::FillCellHintInfo(std::string& HintStr, THintInfo& HintInfo) {
  FP->Pointer->FillCellHintInfo(HintStr, HintInfo);
}

}  // namespace hd

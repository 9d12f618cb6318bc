// Measuring a cell outside painting: the text it shows, the font and alignments it is drawn
// in, the extent of its text on the control canvas, and the font a caller may read.
#include <algorithm>

#include "grid/foundation/markup/markup_renderer.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/rich_edit.h"
#include "platform/sysutils.h"

namespace hd {

std::string TExtStringGrid::GetFormattedCell(int ACol, int ARow) {
  std::string text = Cells(ACol, ARow);
  if (!OnGetFloatFormat) return text;
  int kind = ClassifyNumber(text);
  if (kind != ncInteger && kind != ncDecimal && kind != ncExponent) return text;
  bool isFloat = true;
  std::string format = FP->Text.FFloatFormat;
  OnGetFloatFormat(this, ACol, ARow, isFloat, format);
  if (!isFloat || format.empty()) return text;
  try {
    // A "d" format takes the cell's integer value.
    if (format.find('d') != std::string::npos) return Format(format, {static_cast<int>(StrToInt64(Trim(text)))});
    return Format(format, {StrToFloat(Trim(text))});
  } catch (const std::exception&) {
    return text;
  }
}

void TExtStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA) {
  HA = FP->Text.FDefaultAlignment;
  VA = FP->Text.FVAlignment;
  bool formula = false;
  if (FP->Text.FAutoNumAlign) {
    std::string text = Cells(ACol, ARow);
    formula = !text.empty() && text[0] == '=';
    int kind = ClassifyNumber(Trim(text));
    if (kind == ncInteger || kind == ncDecimal || kind == ncExponent) HA = taRightJustify;
  }
  if (const TCellProperties* props = FindCellProperties(ACol, ARow); props && !formula) HA = props->Alignment();
  GetCellAlign(ACol, ARow, HA, VA);
}

void TExtStringGrid::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont,
                                       TBrush& ABrush, bool Remap) {
  bool fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
  AFont = fixed ? FP->Colors.FFixedFont : Font();
  int col = Remap ? RCol : ACol;
  if (const TCellProperties* props = FindCellProperties(col, ARow)) {
    if (props->FontColor() != clNone) AFont.Color = props->FontColor();
    if (!props->FontStyle().Empty()) AFont.Style = props->FontStyle();
    if (props->FontSize() != 0) AFont.Size = props->FontSize();
    if (!props->FontName().empty()) AFont.Name = props->FontName();
  }
  GetCellColor(col, ARow, AState, ABrush, AFont);
}

TSize TExtStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB) {
  std::string text = GetFormattedCell(ACol, ARow);
  const int kind = GetTextKind(text, FP->Text.FEnableHTML);
  bool markup = kind == ttMarkup;
  TCanvas& canvas = Canvas();
  TFont saved = canvas.Font();
  TGridDrawState state;
  TBrush brush;
  GetFontProperties(RealToDisplCol(ACol), ACol, ARow, state, canvas.Font(), brush, true);
  // The header of the current cell is measured bold when the active cell font is.
  bool activeHeader = FP->Colors.FActiveCellShow && FP->Colors.FActiveCellFont.Style.Contains(fsBold) &&
                      ((ARow == Row() && ACol == FixedCols() - 1) || (ACol == RealCol() && ARow == FixedRows() - 1));
  if (activeHeader) canvas.Font().Style.Include(fsBold);
  canvas.Font().Size += FP->Layout.FZoomFactor;
  TSize size;
  TRect r = Rect(0, 0, ColWidths(RealToDisplCol(ACol)), RowHeights(ARow));
  r.Left += FP->Text.FXYOffset.X;
  r.Top += FP->Text.FXYOffset.Y;
  if (!FP->Text.FXYOffsetTopLeftOnly) r.Right -= FP->Text.FXYOffset.X;
  if (SB) r.Right -= 17;
  if (markup) {
    // Measured as drawn, within the cell's width or without a limit.
    TMarkupCall call;
    call.Rect = Rect(r.Left, 0, VS ? r.Right : 65535, 65535);
    call.MeasureOnly = true;
    call.WordWrap = VS;
    TMarkupResult result;
    DrawMarkup(canvas, text, call, result);
    size = {result.XSize + 2, result.YSize + 2};
  } else if (kind == ttRichText && !ComponentState().Contains(csDesigning)) {
    // Laid out in the cell's font, wrapped to the cell with the grid's word wrap.
    TRichLayout layout = LayoutRichText(canvas, RtfToRich(text), canvas.Font(), r.Width(), WordWraps(ACol, ARow));
    size = {layout.Width, layout.Height + 4};
  } else if (VS) {
    InflateRect(r, -2, -2);
    // While the cell is edited, an empty last line counts.
    if (EditorMode() && ACol == RealCol() && ARow == Row() && !text.empty() && text.back() == '\n') text += "w";
    TRect m = r;
    canvas.DrawText(text, m, DT_CALCRECT | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK);
    size = {r.Width(), m.Height()};
  } else {
    int lines = std::max(1, CountLines(text, FP->Text.FMultilinecells));
    std::string rest = text, line;
    for (int i = 0; i < lines; ++i) {
      CutFirstLine(rest, true, line);
      if (FP->Text.FURLShow && !FP->Text.FURLFull) StripURLProtocol(line);
      size.cx = std::max(size.cx, canvas.TextWidth(line));
    }
    // The line height of the font, as the extent of "gh" reports it, without measuring text.
    size.cy = lines * canvas.TextMetrics().Height;
  }
  canvas.Font() = saved;
  return size;
}

const TFont& TExtStringGrid::GetCellFont(int ACol, int ARow) {
  const TCellProperties* props = FindCellProperties(ACol, ARow);
  if (!props) return Font();
  // The settings as stored, without defaults filled in.
  TFont& cf = FP->cf;
  cf.Name = props->FontName();
  cf.Size = props->FontSize();
  cf.Style = props->FontStyle();
  cf.Color = props->FontColor();
  return cf;
}

}  // namespace hd

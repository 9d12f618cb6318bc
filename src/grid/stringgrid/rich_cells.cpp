// Rich-text cells: the grid's hidden rich edit, a cell's rich text moved into a rich edit and
// back, and the cell drawn formatted. Cells keep rich text as plain ASCII rich text.
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/rich_edit.h"

namespace hd {

TRichEdit* TExtStringGrid::GetRichEdit() {
  TRichEdit*& hidden = FP->Rich.Hidden;
  if (!hidden) {
    hidden = New<TRichEdit>(this);
    hidden->SetVisible(false);
    hidden->SetBorderStyle(bsNone);
  }
  return hidden;
}

void TExtStringGrid::CellToRich(int ACol, int ARow, TRichEdit* ARichEdit) {
  if (!ARichEdit) return;
  const std::string text = Cells(ACol, ARow);
  if (text.empty())
    ARichEdit->Clear();
  else
    ARichEdit->SetRichText(RtfToRich(text));
}

std::string TExtStringGrid::RichToString(TRichEdit* ARichEdit) {
  if (!ARichEdit || ComponentState().Contains(csDestroying)) return {};
  return RichToRtf(ARichEdit->RichText());
}

void TExtStringGrid::RichToCell(int ACol, int ARow, TRichEdit* ARichEdit) {
  SetCells(ACol, ARow, RichToString(ARichEdit));
}

std::string TExtStringGrid::RichTextToPlain(const std::string& Rtf) { return RtfToRich(Rtf).PlainText(); }

void TExtStringGrid::DrawRichCell(int ACol, int ARow, TRect R, TCanvas& ACanvas) {
  if (ComponentState().Contains(csDesigning)) return;
  // Laid out straight from the cell's text: the hidden rich edit would give the same runs.
  const TRichText text = RtfToRich(Cells(ACol, ARow));
  TGridRect sel = Selection();
  bool current = ACol == RealCol() && ARow == Row();
  bool selected = sel.Left <= RealToDisplCol(ACol) && RealToDisplCol(ACol) <= sel.Right && sel.Top <= ARow &&
                  ARow <= sel.Bottom && !(current && Focused());
  const TMouseActions& mouse = *FP->MouseActions;
  if (mouse.DisjunctRowSelect()) selected = RowSelectMark(mouse.RowSelectPersistent() ? DisplToRealRow(ARow) : ARow);
  TColor selectionColor = selected && !FP->Rich.SelectionRTFKeep ? FP->Colors.FSelectionTextColor : clNone;
  // The offset scales with the canvas's resolution.
  R.Left += FP->Text.FXYOffset.X * ACanvas.PixelsPerInch() / 96;
  TFont base = Font();
  base.Size += FP->Layout.FZoomFactor;
  TRichLayout layout = LayoutRichText(ACanvas, text, base, R.Right - R.Left, WordWraps(ACol, ARow));
  DrawRichLayout(ACanvas, layout, R, selectionColor);
}

bool TExtStringGrid::SaveWithRTF() const { return FP->Rich.SaveWithRTF; }
void TExtStringGrid::SetSaveWithRTF(bool Value) { FP->Rich.SaveWithRTF = Value; }
bool TExtStringGrid::SelectionRTFKeep() const { return FP->Rich.SelectionRTFKeep; }
void TExtStringGrid::SetSelectionRTFKeep(bool Value) { FP->Rich.SelectionRTFKeep = Value; }

}  // namespace hd

#include "grid/stringgrid/grid_settings_data.h"

#include "grid/foundation/lists.h"
#include "platform/exceptions.h"

namespace hd {

void TSortSettings::SetShow(bool Value) {
  if (FShow == Value) return;
  FShow = Value;
  if (FGrid) FGrid->InvalidateGrid();
}

void TSortSettings::SetRow(int Value) {
  // A grid without fixed rows refuses every row, as no row can show the indicator.
  if (FGrid && Value >= FGrid->FixedRows()) throw Exception("Sort row should be smaller than number of fixed rows");
  FRow = Value;
}

void TSortSettings::SetHeaderColorOf(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  RepaintSortRow();
}

void TSortSettings::RepaintSortRow() {
  if (FGrid && FGrid->FixedRows() > 0) FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

std::string TSortSettings::SaveToString() const {
  // Appended, not "x" + temporary: GCC 12 warns falsely about the latter in release builds.
  std::string r = FIndexShow ? "i;" : (FDirection == sdDescending ? "d" : "u");
  r += FIndexShow ? (FGrid ? FGrid->SortIndexes().SaveToString() : std::string()) : std::to_string(FColumn);
  return r;
}

void TSortSettings::Remove() {
  FColumn = -1;
  if (FGrid) FGrid->SortIndexes().Clear();
  RepaintSortRow();
}

void TSortSettings::ToggleDirection() { FDirection = FDirection == sdAscending ? sdDescending : sdAscending; }

void TSortSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TSortSettings*>(Source);
  if (!s || s == this) return;
  FAutoSortForGrouping = s->FAutoSortForGrouping;
  FAutoColumnMerge = s->FAutoColumnMerge;
  FColumn = s->FColumn;
  FShow = s->FShow;
  FIndexShow = s->FIndexShow;
  FIndexColor = s->FIndexColor;
  FFull = s->FFull;
  FSingleColumn = s->FSingleColumn;
  FIgnoreBlanks = s->FIgnoreBlanks;
  FBlankPos = s->FBlankPos;
  FAutoFormat = s->FAutoFormat;
  FDirection = s->FDirection;
  FUpGlyph = s->FUpGlyph;
  FDownGlyph = s->FDownGlyph;
  FIndexUpGlyph = s->FIndexUpGlyph;
  FIndexDownGlyph = s->FIndexDownGlyph;
  FIndexSortKey = s->FIndexSortKey;
  FInitSortDirection = s->FInitSortDirection;
  FFixedCols = s->FFixedCols;
  FNormalCellsOnly = s->FNormalCellsOnly;
  FRow = s->FRow;
  FUndoSort = s->FUndoSort;
  FHeaderColor = s->FHeaderColor;
  FHeaderColorTo = s->FHeaderColorTo;
  FHeaderMirrorColor = s->FHeaderMirrorColor;
  FHeaderMirrorColorTo = s->FHeaderMirrorColorTo;
}

void TCellNode::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TCellNode*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  FColor = s->FColor;
  FNodeType = s->FNodeType;
  FNodeColor = s->FNodeColor;
  FExpandGlyph = s->FExpandGlyph;
  FExpandOne = s->FExpandOne;
  FContractGlyph = s->FContractGlyph;
  FShowTree = s->FShowTree;
  FShowTreeFull = s->FShowTreeFull;
  FNodeIndent = s->FNodeIndent;
  FTreeColor = s->FTreeColor;
}

void TGrouping::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TGrouping*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  FGroupCountFormat = s->FGroupCountFormat;
  FHeaderColor = s->FHeaderColor;
  FHeaderColorTo = s->FHeaderColorTo;
  FHeaderTextColor = s->FHeaderTextColor;
  FHeaderUnderline = s->FHeaderUnderline;
  FMergeHeader = s->FMergeHeader;
  FMergeSummary = s->FMergeSummary;
  FShowGroupCount = s->FShowGroupCount;
  FSummaryColor = s->FSummaryColor;
  FSummaryColorTo = s->FSummaryColorTo;
  FSummaryTextColor = s->FSummaryTextColor;
  FSummaryLine = s->FSummaryLine;
  FAutoCheckGroup = s->FAutoCheckGroup;
  FAutoSelectGroup = s->FAutoSelectGroup;
}

void TFloatingFooter::SetVisible(bool Value) {
  FVisible = Value;
  if (!FGrid) return;
  bool footerRow = Value && FFooterStyle == fsFixedLastRow;
  FGrid->SetFooterPanelHeight(Value ? FHeight - 1 : 0);
  FGrid->SetFooterPanelVisible(Value);
  FGrid->SetFixedFooters(footerRow ? 1 : 0);
  FGrid->SetHideLastRow(footerRow);
  FGrid->InvalidateGrid();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value) {
  FFooterStyle = Value;
  if (!FGrid) return;
  FGrid->SetHideLastRow(Value == fsFixedLastRow && FVisible);
  FGrid->InvalidateGrid();
  FGrid->UpdateFooter();
}

void TFloatingFooter::SetHeight(int Value) {
  FHeight = Value;
  if (FGrid && Value > 0) FGrid->SetFooterPanelHeight(Value - 1);
}

void TFloatingFooter::SetColor(TColor Value) {
  FColor = Value;
  Invalidate();
}

void TFloatingFooter::SetBorderColor(TColor Value) {
  if (FBorderColor == Value) return;
  FBorderColor = Value;
  Invalidate();
}

void TFloatingFooter::SetColumn(int Value) {
  FColumn = Value;
  Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const std::string& Value) {
  FCustomTemplate = Value;
  Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value) {
  FShowHint = Value;
  if (FGrid) FGrid->SetFooterPanelShowHint(Value);
  Invalidate();
}

void TFloatingFooter::Invalidate() {
  if (FGrid) FGrid->UpdateFooter();
}

void TFloatingFooter::DefaultRowHeightChanged(int Value) {
  FHeight = Value;
  if (FGrid && FVisible) FGrid->SetFooterPanelHeight(Value);
}

void TFloatingFooter::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TFloatingFooter*>(Source);
  if (!s || s == this) return;
  FCalculateHiddenRows = s->FCalculateHiddenRows;
  FColor = s->FColor;
  FColumn = s->FColumn;
  FCustomTemplate = s->FCustomTemplate;
  FFooterStyle = s->FFooterStyle;
  SetVisible(s->FVisible);
  // Through the setter, so that the panel shows the hints the copied setting asks for.
  SetShowHint(s->FShowHint);
}

}  // namespace hd

// The string grid's own answers to the per-cell questions, each followed by its event, and the
// dispatchers that fire the grid's cell events.
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/sysutils.h"

namespace hd {

void TExtStringGrid::GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                              TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                              TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
  TGridDrawState state;
  GetVisualProperties(ACol, ARow, state, false, false, false, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont,
                      HA, VA, WW, GD);
  // A new properties object keeps no background that only the cell's present look gives it.
  TBackGroundDisplay display = FP->BackGround->Display();
  if (IsFixed(ACol, ARow) || FP->Bands->Active() || display == bdGradientHorz || display == bdGradientVert ||
      state.Contains(gdSelected)) {
    ABrush.Color = clNone;
    AColorTo = clNone;
  }
}

void TExtStringGrid::GetFloatFormat(int, std::string& Format) { Format = FP->Text.FFloatFormat; }

void TExtStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit) {
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TExtStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  TPoint base = BaseCell(ACol, ARow);
  if (const TCellProperties* props = FindCellProperties(base.X, base.Y); props && CanEdit) {
    CanEdit = !props->ReadOnly();
    if (!Options().Contains(goEditing) && !FP->EditDisable && !FP->MouseActions->RangeSelectAndEdit())
      CanEdit = false;
  }
  if (base.X < ColCount() + FP->NumHidden)
    DoCanEditCell(base.X, base.Y, CanEdit);
  else
    CanEdit = true;
}

void TExtStringGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed) {
  if (IsFixed) return;
  const TExtStringGridPrivate& p = *FP;
  IsFixed = ACol < FixedCols() || ARow < FixedRows() || (FP->Layout.FFixedRowAlways && RowCount() == p.FixedRowsMin) ||
            (FP->Layout.FFixedColAlways && ColCount() == p.FixedColsMin);
  if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TExtStringGrid::QueryCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExtStringGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TExtStringGrid::IsNoEditorCell(int ACol, int ARow) {
  if (!OnGetEditorType) return false;
  TEditorType editor = edNormal;
  OnGetEditorType(this, ACol, ARow, editor);
  return editor == edNone;
}

bool TExtStringGrid::HasComboBox(int ACol, int ARow) {
  if (OnHasComboBox) {
    bool has = false;
    OnHasComboBox(this, ACol, ARow, has);
    return has;
  }
  if (!FP->ControlLook->DropDownAlwaysVisible()) return false;
  TEditorType editor = FP->EditRules.FDefaultEditor;
  GetCellEditor(ACol, ARow, editor);
  return editor == edComboEdit || editor == edComboList;
}

bool TExtStringGrid::HasSpinEdit(int ACol, int ARow) {
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  if (OnHasSpinEdit) {
    bool has = false;
    OnHasSpinEdit(this, ACol, ARow, has);
    return has;
  }
  if (!FP->ControlLook->SpinButtonsAlwaysVisible()) return false;
  TEditorType editor = FP->EditRules.FDefaultEditor;
  QueryCellEditor(ACol, ARow, editor);
  return editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit || editor == edDateSpinEdit;
}

void TExtStringGrid::GetCheckTrue(int ACol, int ARow, std::string& Value) {
  Value = FP->Text.FCheckTrue;
  if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExtStringGrid::GetCheckFalse(int ACol, int ARow, std::string& Value) {
  Value = FP->Text.FCheckFalse;
  if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

void TExtStringGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TExtStringGrid::GetCellWordWrap(int ACol, int ARow, bool& WordWrap) {
  if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrap);
}

void TExtStringGrid::GetCellHint(int ACol, int ARow, std::string& Hint, WideString& WideHint) {
  if (OnGridHint) OnGridHint(this, ARow, ACol, Hint);
  if (OnGridWideHint) OnGridWideHint(this, ARow, ACol, WideHint);
  if (!WideHint.empty()) Hint = EncodePackedUnicode(WideHint);
}

void TExtStringGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
  if (FP->Colors.FActiveCellShow) {
    // The headers of the current row and column show the active-cell look.
    int d = RealToDisplCol(ACol);
    int fixedCols = FixedCols(), fixedRows = FixedRows();
    if ((ARow == Row() && fixedCols == d + 1 && fixedCols > 0) ||
        (d == Col() && fixedRows == ARow + 1 && fixedRows > 0)) {
      AFont = FP->Colors.FActiveCellFont;
      ABrush.Color = FP->Colors.FActiveCellColor;
    }
  }
  if (const TCellProperties* props = FindCellProperties(ACol, ARow)) {
    static constexpr TCellTypes kBrushTypes{ctIcon, ctNone, ctImageList, ctEmpty, ctImages, ctComment};
    if (kBrushTypes.Contains(GetCellType(ACol, ARow)) && props->BrushColor() != clNone)
      ABrush.Color = props->BrushColor();
    if (props->FontColor() != clNone) AFont.Color = props->FontColor();
    if (!props->FontStyle().Empty()) AFont.Style = props->FontStyle();
    if (props->FontSize() != 0) AFont.Size = props->FontSize();
    if (!props->FontName().empty()) AFont.Name = props->FontName();
  }
  if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
  if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) {
  const TGrouping& grouping = *FP->Grouping;
  if (grouping.HeaderUnderline() && ACol > 0 && IsNode(ARow)) {
    Borders = {cbBottom};
    APen.Color = grouping.HeaderLineColor();
    APen.Width = grouping.HeaderLineWidth();
  }
  if (grouping.SummaryLine() && ACol > 0 && IsSummary(ARow)) {
    Borders = {cbTop};
    APen.Color = grouping.SummaryLineColor();
    APen.Width = grouping.SummaryLineWidth();
  }
  if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellPrintBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) {
  if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellAlign(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  // The row check boxes of column 0 stand centred.
  if (ACol == 0 && FP->MouseActions->HotmailRowSelect()) HAlign = taCenter;
  if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExtStringGrid::GetColFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix) {
  if (OnGetFormat) OnGetFormat(this, ACol, AStyle, aPrefix, aSuffix);
}

bool TExtStringGrid::GetColumnFilter(int ACol) {
  TStringList& list = *FP->FilterList;
  list.Clear();
  if (FP->FilterOptions.FFilterDropDownAuto && (ACol >= FixedCols() || FP->FilterOptions.FFilterDropDownColumns == fdAll)) {
    list.SetSorted(true);
    // A text with a blank becomes "T=\"T\"": shown as T, filtered on T as one quoted value.
    auto add = [&](const std::string& t) {
      list.Add(t.find(' ') == std::string::npos ? t : t + "=\"" + t + "\"");
    };
    for (int r = FixedRows(); r < RowCount() - FP->Layout.FFixedFooters; ++r) add(Trim(Cells(ACol, r)));
    if (!FP->FilterOptions.FFilterIncremental) {
      const TGridItems& items = *FP->GridItems;
      for (int i = 0; i < items.Count(); ++i) {
        const TStringList& cells = items.Items(i)->Items();
        add(ACol >= 0 && ACol < cells.Count() ? cells[ACol] : std::string());
      }
    }
    list.SetSorted(false);
    if (!FP->FilterOptions.FFilterDropDownClear.empty()) list.Insert(0, FP->FilterOptions.FFilterDropDownClear);
  }
  if (OnGetColumnFilter) OnGetColumnFilter(this, ACol, list);
  return list.Count() > 0;
}

void TExtStringGrid::DoSearchFooterAction(const std::string& Value, int ACol, int ARow, TSearchAction SearchAction) {
  if (OnSearchFooterAction) OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TExtStringGrid::DoButtonClick(int ACol, int ARow) {
  if (OnButtonClick) OnButtonClick(this, ACol, ARow);
}

void TExtStringGrid::DoComboCloseUp(int ARow, int ACol) {
  if (OnComboCloseUp) OnComboCloseUp(this, ARow, ACol);
}

void TExtStringGrid::DoComboDropDown(int ARow, int ACol) {
  if (OnComboDropDown) OnComboDropDown(this, ARow, ACol);
}

}  // namespace hd

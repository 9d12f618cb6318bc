// The column grid's per-cell answers: each takes the cell's column item first and then lets
// the string grid's behaviour and events have their say (the check texts excepted, where the
// column has the last word).
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/column_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/sysutils.h"

namespace hd {

TGridColumnItem* TExtColumnGrid::ItemOf(int ACol) const {
  if (!FColumnCollection || ACol < 0 || ACol >= FColumnCollection->Count()) return nullptr;
  return FColumnCollection->Items(ACol);
}

bool TExtColumnGrid::IsNormalCell(int ACol, int ARow) const { return ACol >= FixedCols() && ARow >= FixedRows(); }

bool TExtColumnGrid::IsBodyColumn(int ACol) const {
  return ACol >= FixedCols() && ACol < ColCount() + NumHiddenColumns() - FP->Layout.FFixedRightCols;
}

bool TExtColumnGrid::IsBodyCell(int ACol, int ARow) const {
  return IsBodyColumn(ACol) && ARow >= FixedRows() && ARow < RowCount() - FP->Layout.FFixedFooters;
}

TGridColumnItem* TExtColumnGrid::DataCheckBoxItem(int ACol, int ARow) const {
  TGridColumnItem* item = IsBodyCell(ACol, ARow) ? ItemOf(ACol) : nullptr;
  return item && item->Editor() == edDataCheckBox ? item : nullptr;
}

void TExtColumnGrid::GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                              TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                              TVAlignment& VA, bool& WW, TCellGradientDirection& GD) {
  const TGridColumnItem* item = ItemOf(ACol);
  if (!item) {
    TExtStringGrid::GetDefaultCellProperties(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA,
                                              VA, WW, GD);
    return;
  }
  AFont = item->Font();
  ABrush.Color = item->Color();
  AColorTo = clNone;
  HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
  VA = FP->Text.FVAlignment;
  WW = FP->Text.FWordWrapEx;
  GD = GradientVertical;
  // A new properties object keeps no colour that the fixed look or the bands give the cell.
  if (IsFixed(ACol, ARow) || (Bands().Active() && item->ShowBands())) {
    ABrush.Color = clNone;
    AColorTo = clNone;
  }
}

void TExtColumnGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
  // The fixed rows count here, so that the headers of normal columns take the header font.
  const TGridColumnItem* item = IsBodyColumn(ACol) && ARow < RowCount() - FP->Layout.FFixedFooters ? ItemOf(ACol) : nullptr;
  if (item) {
    if (item->Fixed())
      ABrush.Color = FixedColor();
    else if (ARow >= FixedRows() && !(item->ShowBands() && Bands().Active()))
      ABrush.Color = item->Color();
    AFont = ARow < FixedRows() ? item->HeaderFont() : item->Font();
    if (const TCellProperties* props = FindCellProperties(ACol, ARow)) {
      if (props->BrushColor() != clNone) ABrush.Color = props->BrushColor();
      if (props->FontColor() != clNone) AFont.Color = props->FontColor();
    }
  }
  TExtStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
  if (const TGridColumnItem* item = ItemOf(ACol)) {
    bool fixedArea = ACol < FixedCols() || ARow < FixedRows() ||
                     ACol >= ColCount() + NumHiddenColumns() - FP->Layout.FFixedRightCols || ARow >= RowCount() - FP->Layout.FFixedFooters;
    if (fixedArea) {
      AFont = PrintSettings().FixedFont();
    } else {
      const TCellProperties* props = FindCellProperties(ACol, ARow);
      const TBands& bands = Bands();
      if (item->Fixed())
        ABrush.Color = FixedColor();
      else if (!(item->ShowBands() && bands.Active() && bands.Print()))
        ABrush.Color = item->PrintColor();
      if (props && props->BrushColor() != clNone) ABrush.Color = props->BrushColor();
      if (item->PrintFontCustom()) {
        AFont = item->PrintFont();
        if (props) {
          if (props->FontColor() != clNone) AFont.Color = props->FontColor();
          if (!props->FontStyle().Empty()) AFont.Style = props->FontStyle();
          if (props->FontSize() != 0) AFont.Size = props->FontSize();
          if (!props->FontName().empty()) AFont.Name = props->FontName();
        }
      } else {
        AFont = PrintSettings().Font();
      }
    }
  }
  TExtStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExtColumnGrid::GetCellBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) {
  if (const TGridColumnItem* item = IsNormalCell(ACol, ARow) ? ItemOf(ACol) : nullptr) {
    Borders = item->Borders();
    APen = item->BorderPen();
  }
  TExtStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TExtColumnGrid::GetCellPrintBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) {
  const TGridColumnItem* item = IsNormalCell(ACol, ARow) ? ItemOf(ACol) : nullptr;
  if (item && item->PrintBorderCustom()) {
    Borders = item->PrintBorders();
    APen = item->PrintBorderPen();
  }
  TExtStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TExtColumnGrid::GetCellAlign(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (const TGridColumnItem* item = ItemOf(ACol)) {
    HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    if (const TCellProperties* props = FindCellProperties(ACol, ARow)) HAlign = props->Alignment();
  }
  TExtStringGrid::GetCellAlign(ACol, ARow, HAlign, VAlign);
}

void TExtColumnGrid::GetColFormat(int ACol, TSortStyle& AStyle, std::string& aPrefix, std::string& aSuffix) {
  if (const TGridColumnItem* item = ItemOf(ACol)) {
    AStyle = item->SortStyle();
    aPrefix = item->SortPrefix();
    aSuffix = item->SortSuffix();
  }
  TExtStringGrid::GetColFormat(ACol, AStyle, aPrefix, aSuffix);
}

void TExtColumnGrid::GetFloatFormat(int ACol, std::string& Format) {
  Format = FP->Text.FFloatFormat;
  if (const TGridColumnItem* item = ItemOf(ACol); item && !item->FloatFormat().empty()) Format = item->FloatFormat();
}

std::string TExtColumnGrid::GetFormattedCell(int ACol, int ARow) {
  const TGridColumnItem* item = ItemOf(ACol);
  if (!item) return TExtStringGrid::GetFormattedCell(ACol, ARow);
  std::string text = Cells(ACol, ARow);
  std::string format = item->FloatFormat();
  bool isFloat = ClassifyNumber(text) < 2;
  if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, isFloat, format);
  if (format.empty() || !isFloat) return text;
  // A text the event calls a number but that is none, or a format that takes no number,
  // shows as it stands: painting and measuring never raise.
  try {
    return Format(format, {Floats(ACol, ARow)});
  } catch (const std::exception&) {
    return text;
  }
}

void TExtColumnGrid::QueryCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  if (const TGridColumnItem* item = IsNormalCell(ACol, ARow) ? ItemOf(ACol) : nullptr) AEditor = item->Editor();
  TExtStringGrid::QueryCellEditor(ACol, ARow, AEditor);
}

void TExtColumnGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor) {
  if (const TGridColumnItem* item = IsNormalCell(ACol, ARow) ? ItemOf(ACol) : nullptr) {
    AEditor = item->Editor();
    // The shared editors take the column's lists and ranges each time they open.
    TEditorSetup& setup = EditorSetup();
    setup.ComboItems.Assign(item->ComboItems());
    setup.DropDownCount = item->DropDownCount();
    setup.SpinMin = item->SpinMin();
    setup.SpinMax = item->SpinMax();
    setup.SpinStep = item->SpinStep();
    setup.SpinRangeGiven = true;
    SetEditLink(item->EditLink());
    ControlLook().SetDropDownCount(item->DropDownCount());
  }
  // The column's float format stays the grid's after the edit.
  if (const TGridColumnItem* item = ItemOf(ACol); item && !item->FloatFormat().empty())
    FP->Text.FFloatFormat = item->FloatFormat();
  TExtStringGrid::GetCellEditor(ACol, ARow, AEditor);
}

bool TExtColumnGrid::HasComboBox(int ACol, int ARow) {
  bool has = false;
  if (const TGridColumnItem* item = IsNormalCell(ACol, ARow) ? ItemOf(ACol) : nullptr)
    has = item->Editor() == edComboEdit || item->Editor() == edComboList;
  if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, has);
  return has;
}

void TExtColumnGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed) {
  if (const TGridColumnItem* item = IsNormalCell(ACol, ARow) ? ItemOf(ACol) : nullptr) IsFixed = item->Fixed();
  TExtStringGrid::IsFixedCell(ACol, ARow, IsFixed);
}

void TExtColumnGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  CanEdit = false;
  if (!Loading()) {
    if (const TGridColumnItem* item = IsNormalCell(ACol, ARow) ? ItemOf(ACol) : nullptr)
      CanEdit = !item->ReadOnly() && !item->Fixed();
    if (const TCellProperties* props = FindCellProperties(ACol, ARow); props && CanEdit) CanEdit = !props->ReadOnly();
  }
  TPoint base = BaseCell(ACol, ARow);
  DoCanEditCell(base.X, base.Y, CanEdit);
}

void TExtColumnGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (const TGridColumnItem* item = ItemOf(ACol)) IsPassword = item->Password();
  TExtStringGrid::IsPasswordCell(ACol, ARow, IsPassword);
}

void TExtColumnGrid::GetCheckTrue(int ACol, int ARow, std::string& Value) {
  TExtStringGrid::GetCheckTrue(ACol, ARow, Value);
  if (const TGridColumnItem* item = IsBodyCell(ACol, ARow) ? ItemOf(ACol) : nullptr) Value = item->CheckTrue();
}

void TExtColumnGrid::GetCheckFalse(int ACol, int ARow, std::string& Value) {
  TExtStringGrid::GetCheckFalse(ACol, ARow, Value);
  if (const TGridColumnItem* item = IsBodyCell(ACol, ARow) ? ItemOf(ACol) : nullptr) Value = item->CheckFalse();
}

TCellGraphic* TExtColumnGrid::GetCellGraphic(int ACol, int ARow) {
  TCellGraphic* record = TExtStringGrid::GetCellGraphic(ACol, ARow);
  if (record || Destroying() || !FCellGraphic || !DataCheckBoxItem(ACol, ARow)) return record;
  // One record serves every cell of the column: the tick is the cell text.
  FCellGraphic->SetCellType(ctVirtCheckBox);
  FCellGraphic->SetCellTransparent(ControlLook().ControlStyle() == csFlat);
  return FCellGraphic.get();
}

TCellType TExtColumnGrid::GetCellType(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return ctEmpty;
  const TCellGraphic* own = TExtStringGrid::GetCellGraphic(ACol, ARow);
  TCellType type = own ? own->CellType() : ctEmpty;
  if (type == ctEmpty && !Destroying() && DataCheckBoxItem(ACol, ARow)) return ctDataCheckBox;
  return type;
}

void TExtColumnGrid::UpdateColSize(int ACol, int& AWidth) {
  if (const TGridColumnItem* item = ItemOf(ACol)) AWidth = LimitWidth(AWidth, item->MinSize(), item->MaxSize());
  TExtStringGrid::UpdateColSize(ACol, AWidth);
}

void TExtColumnGrid::UpdateAutoColSize(int ACol, int& AWidth) {
  // ACol is a display column: its limits are those of the real column shown there.
  if (const TGridColumnItem* item = ItemOf(DisplToRealCol(ACol)))
    AWidth = LimitWidth(AWidth, item->AutoMinSize(), item->AutoMaxSize());
  TExtStringGrid::UpdateAutoColSize(ACol, AWidth);
}

int TExtColumnGrid::LimitWidth(int AWidth, int MinSize, int MaxSize) {
  if (MinSize > 0 && AWidth < MinSize) return MinSize;
  if (MaxSize > 0 && AWidth > MaxSize) return MaxSize;
  return AWidth;
}

bool TExtColumnGrid::GetColumnFilter(int ACol) {
  TStringList& list = FilterList();
  list.SetSorted(false);
  TExtStringGrid::GetColumnFilter(ACol);
  const TGridColumnItem* item = ItemOf(ACol);
  if (!item || item->Filter().Count() == 0) return false;
  // Entries are "display=condition"; the drop-down shows the display part.
  list.Clear();
  const TStringList& entries = item->Filter();
  for (int i = 0; i < entries.Count(); ++i) {
    const std::string& entry = entries[i];
    list.Add(entry.substr(0, entry.find('=')));
  }
  return true;
}

int TExtColumnGrid::GetEditLimit() {
  const TGridColumnItem* item = ItemOf(Col());
  if (item && Col() >= FixedCols())
    if (const TGridColumnItem* real = ItemOf(RealCol())) return real->EditLength();
  return TExtStringGrid::GetEditLimit();
}

std::string TExtColumnGrid::GetEditMask(int ACol, int ARow) {
  std::string mask;
  if (ItemOf(ACol) && ACol >= FixedCols())
    if (const TGridColumnItem* real = ItemOf(DisplToRealCol(ACol))) mask = real->EditMask();
  std::string own = TExtStringGrid::GetEditMask(ACol, ARow);
  return own.empty() ? mask : own;
}

}  // namespace hd

// The grid as its data operations see it.
#include "grid/stringgrid/grid_data_host.h"

#include <algorithm>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "platform/application.h"
#include "platform/forms.h"
#include "grid/stringgrid/grid_items.h"
#include "grid/stringgrid/grid_panels.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "platform/grids/cell_store.h"

namespace hd {

class TExtStringGrid::TDataHost : public TGridDataHost {
 public:
  explicit TDataHost(TExtStringGrid& Grid) : G(Grid) {}

  int RowCount() const override { return G.RowCount(); }
  void SetRowCount(int Value) override { G.SetRowCount(Value); }
  int ColCount() const override { return G.ColCount(); }
  void SetColCount(int Value) override { G.SetColCount(Value); }
  int FixedRows() const override { return G.FixedRows(); }
  int FixedCols() const override { return G.FixedCols(); }
  int FixedFooters() const override { return G.FixedFooters(); }
  int NumHiddenColumns() const override { return G.NumHiddenColumns(); }
  int ColWidth(int ACol) const override { return G.ColWidths(ACol); }
  void SetColWidth(int ACol, int Value) override { G.SetColWidths(ACol, Value); }
  void SetNormalRowCount(int Value) override { G.FNormalRowCount = Value; }

  std::string DisplayText(int ACol, int ARow) const override { return G.Cells(ACol, ARow); }
  void SetDisplayText(int ACol, int ARow, const std::string& Value) override { G.SetCells(ACol, ARow, Value); }
  std::string StoredText(int ACol, int ARow) const override { return std::string(G.Store().Text(ACol, ARow)); }
  void SetStoredText(int ACol, int ARow, const std::string& Value) override { G.Store().SetText(ACol, ARow, Value); }
  TObject* CellObject(int ACol, int ARow) const override { return G.Store().Object(ACol, ARow); }
  void SetCellObject(int ACol, int ARow, TObject* Value) override { G.Store().SetObject(ACol, ARow, Value); }
  std::string StrippedText(int ACol, int ARow) const override { return G.GetStrippedCell(ACol, ARow); }
  TCellType CellType(int ACol, int ARow) override { return G.GetCellType(ACol, ARow); }
  bool CheckBoxState(int ACol, int ARow, bool& State) override { return G.GetCheckBoxState(ACol, ARow, State); }
  std::intptr_t CellImageKey(int ACol, int ARow) override { return G.GetCellImageKey(ACol, ARow); }
  bool HasDisplayHooks() const override { return static_cast<bool>(G.OnGetDisplText); }

  void SortSwapRows(int ARow1, int ARow2) override { G.SortSwapRows(ARow1, ARow2); }
  void SortPermuteRows(int First, const std::vector<int>& From, int Swaps) override {
    G.SortPermuteRows(First, From, Swaps);
  }
  // The pivot shares the objects of its row: they are copied, never duplicated or freed.
  void CopyRow(int FromRow, int ToRow) override {
    for (int c = 0; c < G.TotalColCount(); ++c) {
      G.Store().SetText(c, ToRow, G.Store().Text(c, FromRow));
      G.Store().SetObject(c, ToRow, G.Store().Object(c, FromRow));
    }
  }
  void ClearRowsDetached(int ARow, int Count) override {
    for (int r = ARow; r < ARow + Count && r < G.RowCount(); ++r)
      for (int c = 0; c < G.TotalColCount(); ++c) {
        G.Store().SetText(c, r, "");
        G.Store().SetObject(c, r, nullptr);
      }
  }
  bool MayHoldCellsFrom(int ARow) const override { return G.MaxRowCount() - G.NumHiddenRows() > ARow; }

  int Row() const override { return G.Row(); }
  void SetRow(int Value) override { G.SetRow(Value); }
  int TopRow() const override { return G.TopRow(); }
  void SetTopRow(int Value) override { G.SetTopRow(Value); }

  TSortSettings& SortSettings() override { return G.SortSettings(); }
  TSortIndexList& SortIndexes() override { return G.SortIndexes(); }
  TIntList& IgnoreColumns() override { return G.IgnoreColumns(); }
  TIntList& SortRowXRef() override { return *G.FP->SortRowXRef; }
  int& SortRow() override { return G.FP->SortTrackRow; }
  bool MoveRowOnSort() const override { return G.FP->Navigation->MoveRowOnSort(); }
  bool KeepScrollOnSort() const override { return G.FP->Navigation->KeepScrollOnSort(); }
  bool DisjunctRowSelect() const override { return G.FP->MouseActions->DisjunctRowSelect(); }

  bool HasCompareEvents() const override {
    return G.OnGetFormat || G.OnCustomCompare || G.OnRawCompare || G.OnGetDisplText;
  }
  void GetColFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix) override {
    G.GetColFormat(ACol, AStyle, APrefix, ASuffix);
  }
  void CustomCompare(const std::string& Str1, const std::string& Str2, int& Res) override {
    if (G.OnCustomCompare) G.OnCustomCompare(&G, Str1, Str2, Res);
  }
  void RawCompare(int ACol, int ARow1, int ARow2, int& Res) override {
    if (G.OnRawCompare) G.OnRawCompare(&G, ACol, ARow1, ARow2, Res);
  }
  void RowChanged(int OldRow, int NewRow) override {
    if (G.OnRowChanged) G.OnRowChanged(&G, OldRow, NewRow);
  }

  void BeginUpdate() override { G.BeginUpdate(); }
  void EndUpdate() override { G.EndUpdate(); }
  void Invalidate() override { G.InvalidateGrid(); }

  TIntList& ColumnOrder() override { return G.ColumnOrder(); }
  void ResetColumnOrder() override { G.ResetColumnOrder(); }
  void HideColumn(int ARealCol) override { G.HideColumn(ARealCol); }
  void UnHideColumnsAll() override { G.UnHideColumnsAll(); }
  bool IsHiddenColumn(int ARealCol) const override { return G.IsHiddenColumn(ARealCol); }
  void SetDefaultColWidth(int Value) override { G.SetDefaultColWidth(Value); }
  TColumnSize& ColumnSize() override { return G.ColumnSize(); }
  bool IsDesigning() const override { return G.IsDesigning(); }
  TFileFormatOptions FileOptions() const override {
    TFileFormatOptions o;
    o.SaveFixedCells = G.SaveFixedCells();
    o.SaveFixedRows = G.SaveFixedRows();
    o.SaveFixedCols = G.SaveFixedCols();
    o.SaveHiddenCells = G.SaveHiddenCells();
    o.Multilinecells = G.Multilinecells();
    o.Delimiter = G.Delimiter();
    o.JavaCSV = G.JavaCSV();
    o.QuoteEmptyCells = G.QuoteEmptyCells();
    o.AlwaysQuotes = G.AlwaysQuotes();
    o.OemConvert = G.OemConvert();
    o.LoadFirstRow = G.LoadFirstRow();
    o.XMLEncoding = G.XMLEncoding();
    return o;
  }
  void SetFileDelimiter(char Value) override { G.SetDelimiter(Value); }
  int FixedRightCols() const override { return G.FixedRightCols(); }
  int DisplToRealCol(int ACol) const override { return G.DisplToRealCol(ACol); }
  std::string SaveCellText(int ACol, int ARow) override {
    std::string text;
    G.SaveCellText(ACol, ARow, text);
    return text;
  }
  void LoadCellText(int ACol, int ARow, const std::string& Value) override { G.LoadCellText(ACol, ARow, Value); }
  int RealColWidth(int ACol) const override { return G.AllColWidths(ACol); }
  int MaxColTextLength(int ACol) override { return G.GetMaxColTextLength(ACol); }
  TAlignment CellAlignment(int ACol, int ARow) override {
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    G.GetCellAlignment(ACol, ARow, ha, va);
    return ha;
  }
  bool IsBaseCell(int ACol, int ARow) const override { return G.IsBaseCell(ACol, ARow); }
  bool FloatingFooterVisible() const override { return G.FloatingFooter().Visible(); }
  void ExportNotification(TGridExportState AState, int ARow) override { G.ExportNotification(AState, ARow); }
  bool HasFileProgress() const override { return static_cast<bool>(G.OnFileProgress); }
  void FileProgress(int Percent) override {
    if (G.OnFileProgress) G.OnFileProgress(&G, static_cast<short>(Percent));
  }
  void CellsChanged(const TRect& R) override { G.CellsChanged(R); }
  void AllCellsChanged() override { G.AllCellsChanged(); }
  void ProcessMessages() override { Application().ProcessMessages(); }
  TCursor ScreenCursor() const override { return Screen().Cursor(); }
  void SetScreenCursor(TCursor Value) override { Screen().SetCursor(Value); }
  void SetFixedCols(int Value) override { G.SetFixedCols(Value); }
  void SetFixedRows(int Value) override { G.SetFixedRows(Value); }
  std::string WindowText() const override { return G.Text(); }

  THTMLSettings& HTMLSettings() override { return G.HTMLSettings(); }
  TColor FixedColor() const override { return G.FixedColor(); }
  bool URLShow() const override { return G.URLShow(); }
  bool URLFull() const override { return G.URLFull(); }
  TPoint CellSpan(int ACol, int ARow) const override { return G.CellSpan(ACol, ARow); }
  TCellExportLook ExportCellLook(int ACol, int ARow) override {
    TCellExportLook look;
    look.Font = G.Font();
    look.Font.Color = kColorNotSet;
    look.Font.Style = {};
    TGridDrawState state;
    TBrush brush;
    brush.Color = kColorNotSet;
    TColor to = clNone, mirror = clNone, mirrorTo = clNone;
    TCellGradientDirection gd = GradientVertical;
    G.GetVisualProperties(ACol, ARow, state, false, false, true, brush, to, mirror, mirrorTo, look.Font, look.HA,
                          look.VA, look.WordWrap, gd);
    look.BrushColor = brush.Color;
    return look;
  }
  TCellGraphic* CellGraphic(int ACol, int ARow) override { return G.GetCellGraphic(ACol, ARow); }
  TImageList* GridImages() override { return G.GetGridImages(); }

  int RowHeight(int ARow) const override { return G.RowHeights(ARow); }
  void SetRowHeight(int ARow, int Value) override { G.SetRowHeights(ARow, Value); }
  std::intptr_t GridHandle() override { return static_cast<std::intptr_t>(G.Handle()); }
  TCellProperties* FindCellProperties(int ACol, int ARow) const override { return G.FindCellProperties(ACol, ARow); }
  TCellProperties* MakeCellProperties(int ACol, int ARow) override { return G.GetCellProperties(ACol, ARow); }
  TCellGraphic* CreateCellGraphic(int ACol, int ARow) override { return G.CreateCellGraphic(ACol, ARow); }
  void ClearGrid() override { G.Clear(); }
  void SetNumNodes(int Value) override { G.SetNumNodes(Value); }
  void RepaintCol(int ACol) override { G.RepaintCol(ACol); }
  // --- Row nodes.
  int AllRowCount() const override { return G.AllRowCount(); }
  int RealToDisplRow(int ARow) const override { return G.RealToDisplRow(ARow); }
  int DisplToRealRow(int ARow) const override { return G.DisplToRealRow(ARow); }
  TCellGraphic* NodeGraphic(int ACol, int ARow) override { return dynamic_cast<TCellGraphic*>(G.GetGraphicObjectEx(ACol, ARow)); }
  TCellGraphic* NewCellGraphic(int ACol, int ARow) override { return G.CreateCellGraphic(ACol, ARow); }
  void RemoveCellGraphic(int ACol, int ARow) override { G.RemoveCellGraphic(ACol, ARow); }
  int RowLevel(int ARow) const override {
    const TCellProperties* props = G.FindCellProperties(0, ARow);
    return props ? props->NodeLevel() : -1;
  }
  void SetRowLevel(int ARow, int Level) override { G.GetCellProperties(0, ARow)->SetNodeLevel(Level); }
  int& NumNodes() override { return G.FP->NumNodes; }
  TCellNode& CellNode() override { return G.CellNode(); }
  int Col() const override { return G.Col(); }
  void SetCol(int Value) override { G.SetCol(Value); }

  void HideNodeRows(int FromRow, int ToRow) override {
    std::vector<int> rows;
    for (int r = FromRow; r <= ToRow; ++r)
      if (!G.IsHiddenRow(r)) rows.push_back(r);
    G.HideRows(FromRow, ToRow);
    TGridItems& items = *G.FP->GridItems;
    for (int r : rows)
      if (TGridItem* item = items.FindIdx(r)) item->SetLevel(TGridItem::kNodeLevel);
  }
  void HideNodeRowList(const std::vector<int>& Rows) override { G.HideRowsAtOnce(Rows, TGridItem::kNodeLevel, true); }
  void ShowNodeRows(int FromRow, int ToRow) override {
    const std::vector<int>& hidden = G.FP->GridItems->SortedIdx();
    auto first = std::lower_bound(hidden.begin(), hidden.end(), FromRow);
    if (first == hidden.end() || *first > ToRow) return;
    TExtStringGridPrivate& p = *G.FP;
    TMouseActions& ma = *p.MouseActions;
    int row = G.Row(), top = G.TopRow();
    bool rowSelect = G.Options().Contains(goRowSelect);
    bool disjunct = ma.DisjunctRowSelect();
    ma.SetDisjunctRowSelectDirect(false);
    // Embedded cell controls are placed while the rows come back, so no update lock then.
    bool lock = p.NumCellControls == 0;
    if (lock) G.BeginUpdate();
    SetRowSelectOption(false, rowSelect);
    G.UnHideRows(*first, ToRow);
    SetRowSelectOption(true, rowSelect);
    if (rowSelect) {
      G.SetRow(std::min(row, G.RowCount() - 1));
      G.SetTopRow(std::min(top, G.RowCount() - 1));
    }
    if (lock) G.EndUpdate();
    ma.SetDisjunctRowSelectDirect(disjunct);
  }
  void ShiftHiddenRows(int ARow, int Delta) override {
    TGridItems& items = *G.FP->GridItems;
    for (int i = 0; i < items.Count(); ++i)
      if (TGridItem* item = items.Items(i); item->Idx() >= ARow) item->SetIdx(item->Idx() + Delta);
    items.IdxChanged();
  }
  void InsertRow(int ARow) override { G.InsertRows(ARow, 1); }
  void RemoveRow(int ARow) override { G.RemoveRows(ARow, 1); }
  void LowerMaxRowCount() override { G.FP->MaxRowCount = std::max(G.FP->MaxRowCount - 1, 0); }
  void HideCellControl(int ACol, int ARow) override {
    TControlList& list = *G.FP->ControlList;
    int real = ARow < G.RowCount() ? G.DisplToRealRow(ARow) : -1;
    for (int i = 0; i < list.Count(); ++i)
      if (TControlItem* item = list.Control(i); item->Control() && item->X() == ACol && item->Y() == real)
        item->Control()->SetVisible(false);
  }
  void PlaceCellControls() override { G.CellControlsUpdate(false); }
  void HideEditor() override { G.HideInplaceEdit(); }
  void SetForceSelection(bool Value) override { G.FP->ForceSel = Value; }
  void CalcFooter(int ACol) override { G.CalcFooter(ACol); }

  bool FooterVisible() const override { return G.FP->FloatingFooter->Visible(); }
  void SetFooterVisible(bool Value) override { G.FP->FloatingFooter->SetVisible(Value); }
  void SetFixedFooters(int Value) override { G.SetFixedFooters(Value); }
  void RepaintFooter() override {
    if (G.FP->FloatingFooter->Visible() && G.FP->FooterPanel) G.FP->FooterPanel->Invalidate();
  }
  void RepaintSearchPanel() override {
    TCustomPanel* panel = G.FP->SearchPanel;
    if (G.FP->SearchFooter->Visible() && panel && panel->Visible()) panel->Invalidate();
  }

  double CellFloat(int ACol, int ARow) const override { return G.Floats(ACol, ARow); }
  double AllCellFloat(int ACol, int ARow) const override { return G.AllFloats(ACol, ARow); }
  std::string AllCellText(int ACol, int ARow) const override { return G.GetCellsEx(ACol, ARow); }
  void SetCellFloat(int ACol, int ARow, double Value) override { G.SetFloats(ACol, ARow, Value); }
  void SetCellInt(int ACol, int ARow, int Value) override { G.SetInts(ACol, ARow, Value); }
  int& GroupColumn() override { return G.FP->Layout.FGroupColumn; }
  std::vector<int> HiddenRowIndexes() const override {
    return G.FP->GridItems->SortedIdx();
  }
  TFloatingFooter& FloatingFooter() override { return *G.FP->FloatingFooter; }
  TGrouping& Grouping() override { return *G.FP->Grouping; }
  void ColumnCalcEvent(int ACol, int FromRow, int ToRow, double& Res) override {
    if (G.OnColumnCalc) G.OnColumnCalc(&G, ACol, FromRow, ToRow, Res);
  }
  void GroupCalcEvent(int ACol, int FromRow, int ToRow, double& Res) override {
    if (G.OnGroupCalc) G.OnGroupCalc(&G, ACol, FromRow, ToRow, Res);
  }
  void FooterCalcEvent(int ACol, int ARow, std::string& Value) override {
    if (G.OnFooterCalc)
      G.OnFooterCalc(&G, ACol, ARow, Value);
    else if (G.FP->FloatingFooter->OnCalcFooter)
      G.FP->FloatingFooter->OnCalcFooter(&G, ACol, ARow, Value);
  }
  void RemoveColumn(int ACol) override { G.RemoveCols(ACol, 1); }
  void InsertColumn(int ACol) override { G.InsertCols(ACol, 1); }
  void QSort() override { G.QSort(); }
  void MergeCells(int ACol, int ARow, int SpanX, int SpanY) override { G.MergeCells(ACol, ARow, SpanX, SpanY); }
  void SplitCells(int ACol, int ARow) override { G.SplitCells(ACol, ARow); }
  void SetRowColors(int ARow, TColor Color, TColor ColorTo, TColor FontColor) override {
    if (Color != clNone) G.SetRowColor(ARow, Color);
    if (ColorTo != clNone) G.SetRowColorTo(ARow, ColorTo);
    if (FontColor != clNone) G.SetRowFontColor(ARow, FontColor);
  }
  void SetCellColors(int ACol, int ARow, TColor Color, TColor ColorTo, TColor FontColor) override {
    if (Color != clNone) G.SetColors(ACol, ARow, Color);
    if (ColorTo != clNone) G.SetColorsTo(ACol, ARow, ColorTo);
    if (FontColor != clNone) G.SetFontColors(ACol, ARow, FontColor);
  }
  // --- Filtering.
  TFilter& Filter() override { return G.Filter(); }
  bool MatchFilterRow(int ARow) override { return G.MatchFilter(ARow); }
  std::string CalculatedText(int ACol, int ARow) override {
    std::string value;
    G.CalcCellText(ACol, ARow, value);
    return value;
  }
  std::string RowLinesText(int ARow) override {
    std::string text;
    for (int c = 0; c < G.ColCount(); ++c) {
      text += G.Store().Text(c, ARow);
      text += "\r\n";
    }
    return text;
  }
  bool IsNodeRow(int ARow) override { return G.IsNode(ARow); }
  bool IsSummaryRow(int ARow) override { return G.IsSummary(ARow); }
  bool FilterNormalCellsOnly() const override { return G.FilterNormalCellsOnly(); }
  bool HasCustomFilter() const override { return static_cast<bool>(G.OnCustomFilter); }
  void CustomFilter(int ARow, bool& AcceptRow) override {
    if (G.OnCustomFilter) G.OnCustomFilter(&G, ARow, AcceptRow);
  }
  bool HasFilterProgress() const override { return static_cast<bool>(G.OnFilterProgress); }
  void FilterProgress(int Percent) override {
    if (G.OnFilterProgress) G.OnFilterProgress(&G, static_cast<short>(Percent));
  }
  void HideFilterLevel(const std::vector<int>& Rows) override {
    TIntList list(0, 0);
    for (int r : Rows) list.Add(r);
    G.HideRowList(list);
  }
  void UnHideFilterLevel() override { G.UnHideRowList(); }
  int& FilterLevel() override { return G.FP->FilterLevel; }
  void HideFilteredRow(int ARow) override {
    int real = G.DisplToRealRow(ARow);
    if (G.IsHiddenRow(real)) return;
    G.HideRows(real, real);
    if (TGridItem* item = G.FP->GridItems->FindIdx(real)) item->SetHiddenBy(THiddenBy::FilterRow);
  }
  bool SelectionHidden() const override { return G.FP->SelectionHidden; }
  void SetSelectionHidden(bool Value) override { G.FP->SelectionHidden = Value; }
  void UnHideSelection() override { G.UnHideSelection(); }
  void FocusCell(int ACol, int ARow) override { G.FocusCell(ACol, ARow); }
  void SetFixedRowAlways(bool Value) override { G.SetFixedRowAlways(Value); }
  // Find, highlight and cell checks.
  TGridRect Selection() const override { return G.Selection(); }
  int RealToDisplCol(int ACol) const override { return G.RealToDisplCol(ACol); }
  int NumHiddenRows() const override { return G.NumHiddenRows(); }
  bool IsHiddenRow(int ARealRow) const override { return G.IsHiddenRow(ARealRow); }
  void SetAllCellText(int ACol, int ARealRow, const std::string& Value) override {
    G.SetAllCells(ACol, ARealRow, Value);
  }
  int VisibleRowCount() const override { return G.VisibleRowCount(); }
  void ClearRowSelect() override { G.ClearRowSelect(); }
  void SetRowSelect(int ARow, bool Value) override { G.SetRowSelect(ARow, Value); }
  bool ShowModifiedEnabled() const override { return G.FP->ShowModified->Enabled(); }
  void SetRowModified(int ARealRow, bool Value) override { G.SetRowModified(ARealRow, Value); }
  TExtStringGridCheck* CellChecker() const override { return G.CellChecker(); }
  void GotoCell(int ACol, int ARow) override { G.MoveColRow(G.RealToDisplCol(ACol), ARow, true, true); }

 private:
  void SetRowSelectOption(bool On, bool WasOn) {
    if (!WasOn) return;
    TGridOptions o = G.Options();
    if (On)
      o.Include(goRowSelect);
    else
      o.Exclude(goRowSelect);
    G.SetOptions(o);
  }

  TExtStringGrid& G;
};

TGridDataHost& TExtStringGrid::DataHost() {
  if (!FP->DataHost) FP->DataHost = std::make_unique<TDataHost>(*this);
  return *FP->DataHost;
}

std::unique_ptr<TDataEngine>& TExtStringGrid::SortEngineSlot() { return FP->Sorter; }
std::unique_ptr<TDataEngine>& TExtStringGrid::NodeEngineSlot() { return FP->Nodes; }
std::unique_ptr<TDataEngine>& TExtStringGrid::CalcEngineSlot() { return FP->Calc; }
std::unique_ptr<TDataEngine>& TExtStringGrid::GroupEngineSlot() { return FP->Grouper; }
std::unique_ptr<TDataEngine>& TExtStringGrid::FilterEngineSlot() { return FP->Filterer; }
std::unique_ptr<TDataEngine>& TExtStringGrid::SearchEngineSlot() { return FP->Search; }
TCustomPanel*& TExtStringGrid::SearchPanelSlot() { return FP->SearchPanel; }
std::string TExtStringGrid::IncrSearchText() const { return FP->SearchInc; }
// Each typed character starts the age of the typed text over.
void TExtStringGrid::SetIncrSearchText(const std::string& Value) {
  FP->SearchInc = Value;
  FP->SearchTics = 0;
}
TExtStringGridCheck* TExtStringGrid::CellChecker() const { return FP->CellChecker; }

void TExtStringGrid::SetCellChecker(TExtStringGridCheck* Value) {
  if (FP->CellChecker == Value) return;
  if (FP->CellChecker) FP->CellChecker->RemoveFreeNotification(this);
  FP->CellChecker = Value;
  if (Value) Value->FreeNotification(this);
}

void TExtStringGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TBaseGrid::Notification(AComponent, Operation);
  if (Operation == opRemove && FP && AComponent == FP->CellChecker) FP->CellChecker = nullptr;
}

}  // namespace hd

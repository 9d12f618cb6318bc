// The string grid as the host of its pointer's concern: each question the pointer may ask
// answered by the grid's own members.
#include "grid/editing/edit_session.h"
#include "grid/editing/grid_pointer.h"
#include "grid/foundation/markup/markup_renderer.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "platform/forms.h"
#include "platform/scroll_bars.h"

namespace hd {

class TExtStringGrid::TPointerHost final : public TGridPointerHost {
 public:
  explicit TPointerHost(TExtStringGrid& Grid) : G(Grid), P(*Grid.FP) {}

  HWND Handle() override { return G.Handle(); }
  bool HandleAllocated() override { return G.HandleAllocated(); }
  TComponent& Owner() override { return G; }
  TWinControl* ParentForm() override { return GetParentForm(&G); }
  TRect ClientRect() override { return G.ClientRect(); }
  std::string FontName() override { return G.Font().Name; }
  int ClientHeight() override { return G.Height(); }
  TPoint ClientToScreen(TPoint At) override { return G.ClientToScreen(At); }
  TPoint ScreenToClient(TPoint At) override { return G.ScreenToClient(At); }
  bool Designing() override { return G.IsDesigning(); }
  bool Loading() override { return G.Loading(); }
  bool CanFocus() override { return G.CanFocus(); }
  bool Focused() override { return G.Focused(); }
  void SetFocus() override { G.SetFocus(); }
  void SetShowHint(bool Value) override { G.SetShowHint(Value); }
  TCursor Cursor() override { return G.Cursor(); }
  void SetCursor(TCursor Value) override { G.SetCursor(Value); }
  TCursor PlainCursor() override { return P.OldCursor; }
  void SetPlainCursor(TCursor Value) override { P.OldCursor = Value; }
  void DefaultHandling(TMessage& Message) override { G.StandardHandling(Message); }
  int ParentWheel(WPARAM WParam, LPARAM LParam) override {
    return G.Parent() ? static_cast<int>(G.Parent()->Perform(CM_MOUSEWHEEL, WParam, LParam)) : 0;
  }
  TGridState GridState() override { return G.FGridState; }
  TPointerLooks Looks() override {
    TPointerLooks l;
    l.HoverFixedCells = P.Colors.FHoverFixedCells;
    l.Look = P.Colors.FLook;
    l.SelectionRectangle = P.Colors.FSelectionRectangle;
    l.SelectionResizer = P.Colors.FSelectionResizer;
    l.HintColor = P.Colors.FHintColor;
    l.HintShowLargeTextPos = P.Colors.FHintShowLargeTextPos;
    l.UseInternalHintClass = P.Colors.FUseInternalHintClass;
    l.EnableHTML = P.Text.FEnableHTML;
    l.URLShow = P.Text.FURLShow;
    l.AnchorHint = P.Text.FAnchorHint;
    l.IntelliZoom = P.Scrolling.FIntelliZoom;
    l.EnableWheel = P.Scrolling.FEnableWheel;
    l.FixedRowAlways = P.Layout.FFixedRowAlways;
    l.FixedFooters = P.Layout.FFixedFooters;
    l.FixedRightCols = P.Layout.FFixedRightCols;
    return l;
  }
  TMouseActions& MouseActions() override { return *P.MouseActions; }
  TNavigation& Navigation() override { return *P.Navigation; }
  TControlLook& ControlLook() override { return *P.ControlLook; }
  TBalloonSettings& Balloon() override { return *P.Balloon; }

  int ColCount() override { return G.ColCount(); }
  int RowCount() override { return G.RowCount(); }
  int FixedCols() override { return G.FixedCols(); }
  int FixedRows() override { return G.FixedRows(); }
  int Col() override { return G.Col(); }
  int Row() override { return G.Row(); }
  void SetCol(int Value) override { G.SetCol(Value); }
  void SetRow(int Value) override { G.SetRow(Value); }
  void FocusCell(int ACol, int ARow) override { G.FocusCell(ACol, ARow); }
  int LeftCol() override { return G.LeftCol(); }
  int TopRow() override { return G.TopRow(); }
  void SetLeftCol(int Value) override { G.SetLeftCol(Value); }
  void SetTopRow(int Value) override { G.SetTopRow(Value); }
  int VisibleColCount() override { return G.VisibleColCount(); }
  int VisibleRowCount() override { return G.VisibleRowCount(); }
  void ScrollInView(int ACol, int ARow) override { G.ScrollInView(ACol, ARow); }
  int LineSize(TLineAxis Axis, int Index) override {
    return Axis == laCols ? G.ColWidths(Index) : G.RowHeights(Index);
  }
  void SetLineSize(TLineAxis Axis, int Index, int Size) override {
    if (Axis == laCols)
      G.SetColWidths(Index, Size);
    else
      G.SetRowHeights(Index, Size);
  }
  int DefaultLineSize(TLineAxis Axis) override {
    return Axis == laCols ? G.DefaultColWidth() : G.DefaultRowHeight();
  }
  void SetDefaultLineSize(TLineAxis Axis, int Size) override {
    if (Axis == laCols)
      G.SetDefaultColWidth(Size);
    else
      G.SetDefaultRowHeight(Size);
  }
  bool UniformLines(TLineAxis Axis) override {
    return Axis == laCols ? G.ColAxis().Uniform() : G.RowAxis().Uniform();
  }
  int ZoomFactor() override { return P.Layout.FZoomFactor; }
  void SetZoomFactor(int Value) override { P.Layout.FZoomFactor = Value; }
  void BeginSizes() override {
    savedScrollLock_ = P.PaintFlags.FScrollLock;
    P.PaintFlags.FScrollLock = true;
    G.BeginUpdate();
  }
  void EndSizes() override {
    G.EndUpdate();
    P.PaintFlags.FScrollLock = savedScrollLock_;
    if (P.Scrolling.FScrollProportional) {
      G.UpdateVertScrollProportional();
      G.UpdateHorzScrollProportional();
    }
  }
  void MouseToCell(int X, int Y, int& ACol, int& ARow) override { G.MouseToCell(X, Y, ACol, ARow); }
  TRect CellRect(int ACol, int ARow) override { return G.CellRect(ACol, ARow); }
  TPoint BaseCell(int ACol, int ARow) override { return G.BaseCell(ACol, ARow); }
  int RealColIndex(int ACol) override { return G.RealColIndex(ACol); }
  std::string Cells(int ARealCol, int ARow) override { return G.Cells(ARealCol, ARow); }
  std::string StrippedCell(int ARealCol, int ARow) override { return G.GetStrippedCell(ARealCol, ARow); }
  std::string RichTextPlain(const std::string& Rtf) override { return G.RichTextToPlain(Rtf); }
  bool IsNode(int ARow) override { return G.IsNode(ARow); }
  bool IsComment(int ARealCol, int ARow, std::string& Comment) override {
    return G.IsComment(ARealCol, ARow, Comment);
  }
  bool IsBalloon(int ARealCol, int ARow, std::string& Title, std::string& Text, int& Icon) override {
    TBalloonIcon own = biInfo;
    if (!G.IsBalloon(ARealCol, ARow, Title, Text, own)) return false;
    Icon = own;
    return true;
  }
  TSize CellTextSize(int ARealCol, int ARow) override {
    TFlagScope measure(P.PaintFlags.FEnhTextSize, false);
    return G.GetCellTextSize(ARealCol, ARow, false, false);
  }
  bool OnCellButton(int ACol, int ARow, TPoint At) override {
    const int RC = G.RealColIndex(ACol);
    return (G.HasButton(RC, ARow) && PtInRect(G.GetCellGraphicRect(ACol, ARow), At)) ||
           PtInRect(G.GetExpandRect(RC, ARow), At);
  }
  bool OnSizingBorder(int X, int Y) override { return G.IsOnSizingBorder(X, Y); }
  bool LinkAt(int ACol, int ARow, int X, int Y, std::string& Link, std::string& Title, int& Index) override;
  void GetCellHint(int ACol, int ARow, std::string& Hint) override {
    WideString wide;
    G.GetCellHint(ACol, ARow, Hint, wide);
  }
  bool FooterVisible() override { return P.FloatingFooter->Visible(); }
  bool FooterIsLastRow() override {
    return P.FloatingFooter->Visible() && P.FloatingFooter->FooterStyle() == fsFixedLastRow;
  }
  bool SearchFooterVisible() override { return P.SearchFooter->Visible(); }
  void ScrollClearOfSearchFooter() override { G.ScrollClearOfSearchFooter(); }
  TCursor LinkCursor() override { return hd::LinkCursor(); }
  void GetCellCursor(int ACol, int ARow, int X, int Y) override { G.DoGetCellCursor(ACol, ARow, X, Y); }

  TGridRect Selection() override { return G.Selection(); }
  void SetSelection(const TGridRect& Value) override { G.SetSelection(Value); }
  TGridCoord MouseSelectStart() override { return P.MouseSelectStart; }
  TGridCoord ClickedCell() override { return {P.ClickedCol, P.ClickedRow}; }
  bool RowSelectOption() override { return G.Options().Contains(goRowSelect); }
  void ClearRowSelect() override { G.ClearRowSelect(); }
  void SelectionChanged(const TGridRect& Now) override {
    G.DoSelectionChanged(Now.Left, Now.Top, Now.Right, Now.Bottom);
  }
  TGridCoord HoverFixed() override { return {P.HoverFixedX, P.HoverFixedY}; }
  void SetHoverFixed(TGridCoord Cell) override {
    P.HoverFixedX = Cell.X;
    P.HoverFixedY = Cell.Y;
  }
  bool HoverRowLook() override { return G.FHoverRow; }
  int HoverRow() override { return G.FHoverRowIdx; }
  void SetHoverRow(int ARow) override { G.FHoverRowIdx = ARow; }
  void RepaintCell(int ACol, int ARow) override { G.RepaintCell(ACol, ARow); }
  void RepaintRow(int ARow) override { G.RepaintRow(ARow); }
  void RepaintCellRange(const TGridRect& Range) override { G.RepaintCellRange(Range); }
  void Invalidate() override { G.Invalidate(); }
  void InvalidateRect(const TRect& R) override { hd::InvalidateRect(G.Handle(), &R, false); }
  void DrawSizeLine(TLineAxis Axis, int Pos) override {
    if (Axis == laCols)
      G.DrawColSizeLine(Pos);
    else
      G.DrawRowSizeLine(Pos);
  }
  void HoldUpdates(bool Hold) override {
    if (Hold)
      G.StartUpdate();
    else
      G.ResetUpdate();
  }

  void PrepareMove() override {
    if (P.MouseDownMove && P.MouseActions->RangeSelectAndEdit() && G.Options().Contains(goEditing) &&
        !G.EditorMode())
      G.SetOptions(G.Options() - TGridOptions{goEditing});
  }
  void NoteSizingByMouse() override {
    if (G.FGridState == gsColSizing) P.ColSizedByMouse = true;
    if (G.FGridState == gsRowSizing) P.RowSizedByMouse = true;
  }
  void KeepHorizScrollAfterMove() override {
    if (P.Navigation->KeepHorizScroll() && P.MouseKeepDown && G.FGridState != gsColMoving &&
        G.LeftCol() != P.OldLeftCol) {
      G.StartUpdate();
      G.SetLeftCol(P.OldLeftCol);
      G.ResetUpdate();
    }
  }
  void EnhancedDragMove(int X, int Y) override { G.EnhancedDragMove(X, Y); }
  void InheritedMouseMove(TShiftState Shift, int X, int Y) override { G.TBaseGrid::MouseMove(Shift, X, Y); }
  void AfterWheelScroll(int Delta, bool& Handled) override { G.AfterWheelScroll(Delta, Handled); }
  void WheelEvent(bool Down, TShiftState Shift, TPoint At, bool Handled) override {
    auto& event = Down ? G.OnMouseWheelDown : G.OnMouseWheelUp;
    if (event) event(&G, Shift, At, Handled);
  }
  void AnchorEnter(int ACol, int ARow, const std::string& Anchor) override {
    if (G.OnAnchorEnter) G.OnAnchorEnter(&G, ARow, ACol, Anchor);
  }
  void AnchorExit(int ACol, int ARow, const std::string& Anchor) override {
    if (G.OnAnchorExit) G.OnAnchorExit(&G, ARow, ACol, Anchor);
  }
  void AnchorHint(int ACol, int ARow, std::string& Hint) override {
    if (G.OnAnchorHint) G.OnAnchorHint(&G, ARow, ACol, Hint);
  }
  bool AnchorClick(int ACol, int ARow, const std::string& Anchor) override {
    bool autoHandle = true;
    if (G.OnAnchorClick) G.OnAnchorClick(&G, ARow, ACol, Anchor, autoHandle);
    return autoHandle;
  }
  void LineSizing(TLineAxis Axis, int Index, int Size) override {
    if (Axis == laCols && G.OnColumnSizing) G.OnColumnSizing(&G, Index, Size);
    if (Axis == laRows && G.OnRowSizing) G.OnRowSizing(&G, Index, Size);
  }
  void LineSized(TLineAxis Axis, int Index) override {
    if (Axis == laRows) {
      if (G.OnEndRowSize) G.OnEndRowSize(&G, Index);
      return;
    }
    if (G.OnEndColumnSize) G.OnEndColumnSize(&G, Index);
    if (G.OnUpdateColumnSize) {
      int answer = G.ColWidths(Index);
      G.OnUpdateColumnSize(&G, Index, answer);
      if (answer != G.ColWidths(Index)) G.SetColWidths(Index, answer);
    }
  }
  void CellBalloon(int ARealCol, int ARow, std::string& Title, std::string& Text, int& Icon) override {
    if (G.OnCellBalloon) G.OnCellBalloon(&G, ARealCol, ARow, Title, Text, Icon);
  }
  void IncrementalSearchTick() override {
    if (!P.Navigation->AutoGotoIncremental()) return;
    if (P.SearchTics++ == 3) {
      P.SearchInc.clear();
      P.SearchTics = 0;
    }
  }

 private:
  TExtStringGrid& G;
  TExtStringGridPrivate& P;
  bool savedScrollLock_ = false;
};

// Hit-tests the markup of a cell at a client point, laid out as the painter lays it out.
bool TExtStringGrid::TPointerHost::LinkAt(int ACol, int ARow, int X, int Y, std::string& Link, std::string& Title,
                                          int& Index) {
  const int RC = G.RealColIndex(ACol);
  TRect r = G.CellRect(ACol, ARow);
  r.Left += P.Text.FXYOffset.X + 1;
  r.Top += P.Text.FXYOffset.Y + 1;
  r.Right -= P.Text.FXYOffset.X;
  if (G.HasCheckBox(RC, ARow)) r.Left += P.ControlLook->CheckSize();
  int scrollY = 0;
  if (G.HasScrollBar(RC, ARow)) {
    r.Right -= GetSystemMetrics(SM_CXVSCROLL);
    scrollY = G.GetScrollPosition(RC, ARow);
  }
  TCanvas& canvas = G.Canvas();
  canvas.Font() = ACol < G.FixedCols() || ARow < G.FixedRows() ? P.Colors.FFixedFont : G.Font();
  TCellLook look;
  look.Font = canvas.Font();
  look.Brush.Color = G.Color();
  look.WW = G.WordWrap();
  G.GetCellLook(ACol, ARow, look, false, false, true);
  canvas.Font() = look.Font;
  TMarkupCall call;
  call.Rect = r;
  call.X = X;
  call.Y = Y + scrollY;
  call.HitTest = true;
  call.WordWrap = look.WW;
  call.PictureCache = &G.ImageCache();
  call.PictureContainer = P.Colors.FPictureContainer;
  TMarkupResult result;
  const bool hit = DrawMarkup(canvas, G.Cells(RC, ARow), call, result);
  Index = result.MouseLink;
  if (!hit || result.AnchorVal.empty() || result.AnchorVal == "ctrl") return false;
  Link = result.AnchorVal;
  Title = result.AnchorTitle;
  return true;
}

void TExtStringGrid::CreatePointer() {
  FP->PointerHost.reset(new TPointerHost(*this));
  FP->Pointer.reset(new TGridPointer(*FP->PointerHost));
}

void TEditingFree::operator()(TGridPointer* Pointer) const noexcept { delete Pointer; }

void TEditingFree::operator()(TGridPointerHost* Host) const noexcept { delete Host; }

}  // namespace hd

// The pointer's concern on an in-memory host: the zoom of line sizes and the hover of fixed
// cells, with every size set and every cell repainted written down.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "grid/editing/grid_pointer.h"
#include "grid/foundation/input_settings.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "platform/classes.h"

namespace hd::test {
namespace {

// A grid of line sizes: a default size per axis and the lines of another size.
class TMemoryPointerHost final : public TGridPointerHost {
 public:
  int Cols = 5, Rows = 5, FixedC = 1, FixedR = 1;
  int Default[2] = {64, 24};
  std::map<int, int> Own[2];
  int Zoom = 0;
  TPointerLooks PointerLooks;
  TGridCoord Hover{-1, -1};
  std::vector<std::pair<int, int>> Repainted;
  int LinesSet = 0, LinesRead = 0, Bulk = 0;
  TComponent Self{nullptr};
  TMouseActions Mouse{nullptr};
  TNavigation Nav;
  TBalloonSettings Balloons;

  int Size(TLineAxis a, int i) const {
    auto it = Own[a].find(i);
    return it == Own[a].end() ? Default[a] : it->second;
  }

  HWND Handle() override { return 0; }
  bool HandleAllocated() override { return false; }
  TComponent& Owner() override { return Self; }
  TWinControl* ParentForm() override { return nullptr; }
  TRect ClientRect() override { return Rect(0, 0, 400, 300); }
  std::string FontName() override { return {}; }
  int ClientHeight() override { return 300; }
  TPoint ClientToScreen(TPoint At) override { return At; }
  TPoint ScreenToClient(TPoint At) override { return At; }
  bool Designing() override { return false; }
  bool Loading() override { return false; }
  bool CanFocus() override { return true; }
  bool Focused() override { return true; }
  void SetFocus() override {}
  void SetShowHint(bool) override {}
  TCursor Cursor() override { return crDefault; }
  void SetCursor(TCursor) override {}
  TCursor PlainCursor() override { return crDefault; }
  void SetPlainCursor(TCursor) override {}
  void DefaultHandling(TMessage&) override {}
  int ParentWheel(WPARAM, LPARAM) override { return 0; }
  TGridState GridState() override { return gsNormal; }
  TPointerLooks Looks() override { return PointerLooks; }
  TMouseActions& MouseActions() override { return Mouse; }
  TNavigation& Navigation() override { return Nav; }
  TControlLook& ControlLook() override { throw std::logic_error("no control look"); }
  TBalloonSettings& Balloon() override { return Balloons; }

  int ColCount() override { return Cols; }
  int RowCount() override { return Rows; }
  int FixedCols() override { return FixedC; }
  int FixedRows() override { return FixedR; }
  int Col() override { return FixedC; }
  int Row() override { return FixedR; }
  void SetCol(int) override {}
  void SetRow(int) override {}
  void FocusCell(int, int) override {}
  int LeftCol() override { return FixedC; }
  int TopRow() override { return FixedR; }
  void SetLeftCol(int) override {}
  void SetTopRow(int) override {}
  int VisibleColCount() override { return Cols - FixedC; }
  int VisibleRowCount() override { return Rows - FixedR; }
  void ScrollInView(int, int) override {}
  int LineSize(TLineAxis Axis, int Index) override {
    ++LinesRead;
    return Size(Axis, Index);
  }
  void SetLineSize(TLineAxis Axis, int Index, int Size) override {
    ++LinesSet;
    if (Size == Default[Axis])
      Own[Axis].erase(Index);
    else
      Own[Axis][Index] = Size;
  }
  int DefaultLineSize(TLineAxis Axis) override { return Default[Axis]; }
  void SetDefaultLineSize(TLineAxis Axis, int Size) override { Default[Axis] = Size; }
  bool UniformLines(TLineAxis Axis) override { return Own[Axis].empty(); }
  int ZoomFactor() override { return Zoom; }
  void SetZoomFactor(int Value) override { Zoom = Value; }
  void BeginSizes() override { ++Bulk; }
  void EndSizes() override { --Bulk; }
  // Cells of 10 x 10 pixels.
  void MouseToCell(int X, int Y, int& ACol, int& ARow) override {
    ACol = X >= 0 && X / 10 < Cols ? X / 10 : -1;
    ARow = Y >= 0 && Y / 10 < Rows ? Y / 10 : -1;
  }
  TRect CellRect(int ACol, int ARow) override { return Rect(ACol * 10, ARow * 10, ACol * 10 + 10, ARow * 10 + 10); }
  TPoint BaseCell(int ACol, int ARow) override { return {ACol, ARow}; }
  int RealColIndex(int ACol) override { return ACol; }
  std::string Cells(int, int) override { return {}; }
  std::string StrippedCell(int, int) override { return {}; }
  std::string RichTextPlain(const std::string& Rtf) override { return Rtf; }
  bool IsNode(int) override { return false; }
  bool IsComment(int, int, std::string&) override { return false; }
  bool IsBalloon(int, int, std::string&, std::string&, int&) override { return false; }
  TSize CellTextSize(int, int) override { return {}; }
  bool OnCellButton(int, int, TPoint) override { return false; }
  bool OnSizingBorder(int, int) override { return false; }
  bool LinkAt(int, int, int, int, std::string&, std::string&, int&) override { return false; }
  void GetCellHint(int, int, std::string&) override {}
  bool FooterVisible() override { return false; }
  bool FooterIsLastRow() override { return false; }
  bool SearchFooterVisible() override { return false; }
  void ScrollClearOfSearchFooter() override {}
  TCursor LinkCursor() override { return crHandPoint; }
  void GetCellCursor(int, int, int, int) override {}

  TGridRect Selection() override { return GridRect({FixedC, FixedR}, {FixedC, FixedR}); }
  void SetSelection(const TGridRect&) override {}
  TGridCoord MouseSelectStart() override { return {-1, -1}; }
  TGridCoord ClickedCell() override { return {-1, -1}; }
  bool RowSelectOption() override { return false; }
  void ClearRowSelect() override {}
  void SelectionChanged(const TGridRect&) override {}
  TGridCoord HoverFixed() override { return Hover; }
  void SetHoverFixed(TGridCoord Cell) override { Hover = Cell; }
  bool HoverRowLook() override { return false; }
  int HoverRow() override { return -1; }
  void SetHoverRow(int) override {}
  void RepaintCell(int ACol, int ARow) override { Repainted.emplace_back(ACol, ARow); }
  void RepaintRow(int) override {}
  void RepaintCellRange(const TGridRect&) override {}
  void Invalidate() override {}
  void InvalidateRect(const TRect&) override {}
  void DrawSizeLine(TLineAxis, int) override {}
  void HoldUpdates(bool) override {}

  void PrepareMove() override {}
  void NoteSizingByMouse() override {}
  void KeepHorizScrollAfterMove() override {}
  void EnhancedDragMove(int, int) override {}
  void InheritedMouseMove(TShiftState, int, int) override {}
  void AfterWheelScroll(int, bool&) override {}
  void WheelEvent(bool, TShiftState, TPoint, bool) override {}
  void AnchorEnter(int, int, const std::string&) override {}
  void AnchorExit(int, int, const std::string&) override {}
  void AnchorHint(int, int, std::string&) override {}
  bool AnchorClick(int, int, const std::string&) override { return true; }
  void LineSizing(TLineAxis, int, int) override {}
  void LineSized(TLineAxis, int) override {}
  void CellBalloon(int, int, std::string&, std::string&, int&) override {}
  void IncrementalSearchTick() override {}
};

// A zoom step changes the default size once and sets only the lines of their own size, so a
// million lines of one size cost nothing per line; a size that would reach 0 stays, and the
// sum of steps stays within -10 and 10.
TEST(GridPointerTest, ZoomSetsOnlyTheLinesOfTheirOwnSize) {
  TMemoryPointerHost host;
  host.Rows = 1'000'000;
  TGridPointer pointer(host);
  pointer.Zoom(3);
  EXPECT_EQ(host.Default[laCols], 67);
  EXPECT_EQ(host.Default[laRows], 27);
  EXPECT_EQ(host.LinesSet, 0);
  EXPECT_EQ(host.LinesRead, 0);
  EXPECT_EQ(host.Bulk, 0);

  host.Own[laRows] = {{2, 40}, {7, 2}};
  host.LinesRead = 0;
  pointer.Zoom(-3);
  EXPECT_EQ(host.Zoom, 0);
  EXPECT_EQ(host.Default[laRows], 24);
  EXPECT_EQ(host.Size(laRows, 2), 37);
  EXPECT_EQ(host.Size(laRows, 7), 2) << "a size that would drop to 0 or below stays";
  EXPECT_EQ(host.LinesSet, 2);

  struct Case {
    int Start, Step, Zoom;
  };
  for (const Case c : {Case{9, 1, 10}, Case{10, 1, 10}, Case{-10, -1, -10}, Case{-9, -2, -9}}) {
    host.Zoom = c.Start;
    pointer.Zoom(c.Step);
    EXPECT_EQ(host.Zoom, c.Zoom) << c.Start << " + " << c.Step;
  }
}

// The pointer crossing fixed cells repaints the fixed cell it leaves and the one it enters,
// never a normal cell; a frozen hover (a header menu open) and leaving the grid keep to that.
TEST(GridPointerTest, HoverOfFixedCellsRepaintsOnlyTheFixedCellsItCrosses) {
  TMemoryPointerHost host;
  host.PointerLooks.HoverFixedCells = hfAll;
  TGridPointer pointer(host);
  using Cells = std::vector<std::pair<int, int>>;
  pointer.MouseMove({}, 25, 5);  // fixed row, column 2
  EXPECT_EQ(host.Repainted, (Cells{{2, 0}}));
  host.Repainted.clear();
  pointer.MouseMove({}, 25, 25);  // a normal cell
  EXPECT_EQ(host.Repainted, (Cells{{2, 0}}));
  host.Repainted.clear();
  pointer.MouseMove({}, 5, 35);  // fixed column, row 3
  EXPECT_EQ(host.Repainted, (Cells{{0, 3}}));
  EXPECT_TRUE(pointer.IsHoverFixedCell(0, 3));
  EXPECT_FALSE(pointer.IsHoverFixedCell(2, 2));

  host.Repainted.clear();
  pointer.NoMouseLeave = true;
  pointer.MouseMove({}, 5, 15);
  pointer.MouseLeave();
  EXPECT_TRUE(host.Repainted.empty()) << "a frozen hover stays where it is";
  EXPECT_EQ(host.Hover, (TGridCoord{0, 3}));

  pointer.ResetFixedCellHighlight();
  EXPECT_EQ(host.Repainted, (Cells{{0, 3}}));
  EXPECT_EQ(host.Hover, (TGridCoord{-1, -1}));
}

}  // namespace
}  // namespace hd::test

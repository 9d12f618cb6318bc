#include "grid/stringgrid/grid_settings_data.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/stringgrid/settings_kit.h"
#include "platform/exceptions.h"

namespace hd {
namespace {

using Calls = std::vector<std::string>;

TEST(DataSettings, NewObjectsHaveEveryDefault) {
  TSortSettings ss(nullptr);
  TCellNode cn(nullptr);
  TGrouping g;
  TFloatingFooter ff(nullptr);
  ExpectDefaults({
      HD_DEFAULT(ss.Show(), false),
      HD_DEFAULT(ss.IndexShow(), false),
      HD_DEFAULT(ss.Full(), true),
      HD_DEFAULT(ss.SingleColumn(), false),
      HD_DEFAULT(ss.IgnoreBlanks(), false),
      HD_DEFAULT(ss.BlankPos(), blFirst),
      HD_DEFAULT(ss.AutoFormat(), true),
      HD_DEFAULT(ss.Direction(), sdAscending),
      HD_DEFAULT(ss.UpGlyph().Empty(), true),
      HD_DEFAULT(ss.DownGlyph().Empty(), true),
      HD_DEFAULT(ss.IndexUpGlyph().Empty(), true),
      HD_DEFAULT(ss.IndexDownGlyph().Empty(), true),
      HD_DEFAULT(ss.NormalCellsOnly(), false),
      HD_DEFAULT(ss.FixedCols(), false),
      HD_DEFAULT(ss.Column(), -1),
      HD_DEFAULT(ss.Row(), 0),
      HD_DEFAULT(ss.AutoColumnMerge(), false),
      HD_DEFAULT(ss.IndexColor(), 0x00FFFF),
      HD_DEFAULT(ss.InitSortDirection(), sdAscending),
      HD_DEFAULT(ss.UndoSort(), false),
      HD_DEFAULT(ss.AutoSortForGrouping(), true),
      HD_DEFAULT(ss.SortOnVirtualCells(), true),
      HD_DEFAULT(ss.IgnoreCase(), false),
      HD_DEFAULT(ss.HeaderColor(), clNone),
      HD_DEFAULT(ss.HeaderColorTo(), clNone),
      HD_DEFAULT(ss.HeaderMirrorColor(), clNone),
      HD_DEFAULT(ss.HeaderMirrorColorTo(), clNone),
      HD_DEFAULT(ss.IndexSortKey(), ikShift),
      HD_DEFAULT(cn.Color(), 0xC0C0C0),
      HD_DEFAULT(cn.NodeType(), cnXP),
      HD_DEFAULT(cn.NodeColor(), 0x000000),
      HD_DEFAULT(cn.ExpandGlyph().Empty(), true),
      HD_DEFAULT(cn.ExpandOne(), false),
      HD_DEFAULT(cn.ContractGlyph().Empty(), true),
      HD_DEFAULT(cn.ShowTree(), true),
      HD_DEFAULT(cn.ShowTreeFull(), true),
      HD_DEFAULT(cn.NodeIndent(), 12),
      HD_DEFAULT(cn.TreeColor(), 0x808080),
      HD_DEFAULT(g.MergeHeader(), false),
      HD_DEFAULT(g.MergeSummary(), false),
      HD_DEFAULT(g.HeaderColor(), clNone),
      HD_DEFAULT(g.SummaryColor(), clNone),
      HD_DEFAULT(g.HeaderColorTo(), clNone),
      HD_DEFAULT(g.HeaderTextColor(), clNone),
      HD_DEFAULT(g.Summary(), false),
      HD_DEFAULT(g.SummaryTextColor(), clNone),
      HD_DEFAULT(g.SummaryColorTo(), clNone),
      HD_DEFAULT(g.HeaderUnderline(), false),
      HD_DEFAULT(g.SummaryLine(), false),
      HD_DEFAULT(g.SummaryLineWidth(), 2),
      HD_DEFAULT(g.HeaderLineWidth(), 2),
      HD_DEFAULT(g.SummaryLineColor(), 0xFF0000),
      HD_DEFAULT(g.HeaderLineColor(), 0xFF0000),
      HD_DEFAULT(g.ShowGroupCount(), false),
      HD_DEFAULT(g.GroupCountFormat(), ""),
      HD_DEFAULT(g.AutoSelectGroup(), false),
      HD_DEFAULT(g.AutoCheckGroup(), false),
      HD_DEFAULT(ff.Visible(), false),
      HD_DEFAULT(ff.FooterStyle(), fsFixedLastRow),
      HD_DEFAULT(ff.Height(), 22),
      HD_DEFAULT(ff.Color(), clBtnFace),
      HD_DEFAULT(ff.BorderColor(), clNone),
      HD_DEFAULT(ff.Column(), 0),
      HD_DEFAULT(ff.CustomTemplate(), ""),
      HD_DEFAULT(ff.CalculateHiddenRows(), true),
      HD_DEFAULT(ff.EnableCalculation(), true),
      HD_DEFAULT(ff.ShowHint(), false),
      HD_DEFAULT(static_cast<bool>(ff.OnCalcFooter), false),
  });
}

// What each setter asks of the grid: a repaint always, only on a change, or nothing.
TEST(DataSettings, SettersAskTheGridExactlyWhereTheyAct) {
  RecordingHost grid;
  grid.fixed_rows = 2;
  TSortSettings ss(&grid);
  TCellNode cn(&grid);
  TFloatingFooter ff(&grid);
  struct Case {
    const char* name;
    std::function<void()> set;
    Calls calls;
  };
  const Case cases[] = {
      {"Sort Show, unchanged", [&] { ss.SetShow(false); }, {}},
      {"Sort Show, changed", [&] { ss.SetShow(true); }, {"InvalidateGrid"}},
      {"Sort HeaderColor, changed: last fixed row", [&] { ss.SetHeaderColor(clRed); }, {"RepaintRow 1"}},
      {"Sort HeaderColor, unchanged", [&] { ss.SetHeaderColor(clRed); }, {}},
      {"Sort HeaderMirrorColorTo", [&] { ss.SetHeaderMirrorColorTo(clLime); }, {"RepaintRow 1"}},
      {"Sort Direction, plain", [&] { ss.SetDirection(sdDescending); }, {}},
      {"Sort UpGlyph, copied without repaint", [&] { ss.SetUpGlyph(TBitmap(8, 8)); }, {}},
      {"Sort Row inside the fixed rows", [&] { ss.SetRow(1); }, {}},
      {"Node NodeType, changed", [&] { cn.SetNodeType(cnFlat); }, {"InvalidateGrid"}},
      {"Node NodeType, unchanged", [&] { cn.SetNodeType(cnFlat); }, {}},
      {"Node ShowTree", [&] { cn.SetShowTree(false); }, {"InvalidateGrid"}},
      {"Node ShowTreeFull", [&] { cn.SetShowTreeFull(false); }, {"InvalidateGrid"}},
      {"Node NodeIndent", [&] { cn.SetNodeIndent(16); }, {"InvalidateGrid"}},
      {"Node TreeColor", [&] { cn.SetTreeColor(clRed); }, {"InvalidateGrid"}},
      {"Node Color, plain", [&] { cn.SetColor(clRed); }, {}},
      {"Node ExpandOne, plain", [&] { cn.SetExpandOne(true); }, {}},
      {"Footer Visible with the footer-row style",
       [&] { ff.SetVisible(true); },
       {"SetFooterPanelHeight 21", "SetFooterPanelVisible 1", "SetFixedFooters 1", "SetHideLastRow 1",
        "InvalidateGrid"}},
      {"Footer style to column preview while visible",
       [&] { ff.SetFooterStyle(fsColumnPreview); },
       {"SetHideLastRow 0", "InvalidateGrid", "UpdateFooter"}},
      {"Footer hidden",
       [&] { ff.SetVisible(false); },
       {"SetFooterPanelHeight 0", "SetFooterPanelVisible 0", "SetFixedFooters 0", "SetHideLastRow 0",
        "InvalidateGrid"}},
      {"Footer Visible with column preview",
       [&] { ff.SetVisible(true); },
       {"SetFooterPanelHeight 21", "SetFooterPanelVisible 1", "SetFixedFooters 0", "SetHideLastRow 0",
        "InvalidateGrid"}},
      {"Footer Height", [&] { ff.SetHeight(30); }, {"SetFooterPanelHeight 29"}},
      {"Footer Height 0 leaves the panel", [&] { ff.SetHeight(0); }, {}},
      {"Default row height, footer visible: the panel takes it whole",
       [&] { ff.DefaultRowHeightChanged(24); },
       {"SetFooterPanelHeight 24"}},
      {"Footer BorderColor, changed", [&] { ff.SetBorderColor(clRed); }, {"UpdateFooter"}},
      {"Footer BorderColor, unchanged", [&] { ff.SetBorderColor(clRed); }, {}},
      {"Footer Color", [&] { ff.SetColor(clBtnFace); }, {"UpdateFooter"}},
      {"Footer Column", [&] { ff.SetColumn(3); }, {"UpdateFooter"}},
      {"Footer CustomTemplate", [&] { ff.SetCustomTemplate("<#1>"); }, {"UpdateFooter"}},
      {"Footer ShowHint", [&] { ff.SetShowHint(true); }, {"SetFooterPanelShowHint 1", "UpdateFooter"}},
      {"Footer EnableCalculation, plain", [&] { ff.SetEnableCalculation(false); }, {}},
      {"Footer CalculateHiddenRows, plain", [&] { ff.SetCalculateHiddenRows(false); }, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid.Take();
    c.set();
    EXPECT_EQ(grid.Take(), c.calls);
  }
  EXPECT_EQ(ss.UpGlyph().Width(), 8);
  EXPECT_EQ(ss.Row(), 1);
  EXPECT_EQ(ff.Height(), 24);

  ff.SetVisible(false);
  grid.Take();
  ff.DefaultRowHeightChanged(18);
  EXPECT_TRUE(grid.calls.empty());
  EXPECT_EQ(ff.Height(), 18);
}

TEST(DataSettings, SortRowMustBeAFixedRow) {
  RecordingHost grid;
  grid.fixed_rows = 2;
  TSortSettings ss(&grid);
  ss.SetRow(1);
  try {
    ss.SetRow(2);
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Sort row should be smaller than number of fixed rows");
  }
  EXPECT_EQ(ss.Row(), 1);
  grid.fixed_rows = 0;
  EXPECT_THROW(ss.SetRow(0), Exception);
}

TEST(DataSettings, SortSettingsTextRemoveAndToggle) {
  RecordingHost grid;
  TSortSettings ss(&grid);
  EXPECT_EQ(ss.SaveToString(), "u-1");
  ss.ToggleDirection();
  EXPECT_EQ(ss.SaveToString(), "d-1");
  EXPECT_TRUE(grid.calls.empty());
  ss.ToggleDirection();
  ss.SetColumn(4);
  EXPECT_EQ(ss.SaveToString(), "u4");
  grid.sort_indexes.AddIndex(3, true);
  grid.sort_indexes.AddIndex(1, false);
  ss.SetIndexShow(true);
  EXPECT_EQ(ss.SaveToString(), "i;u3;d1");

  ss.Remove();
  EXPECT_EQ(ss.Column(), -1);
  EXPECT_EQ(grid.sort_indexes.Count(), 0);
  EXPECT_EQ(grid.Take(), (Calls{"RepaintRow 0"}));
  grid.fixed_rows = 0;
  ss.Remove();
  EXPECT_TRUE(grid.calls.empty());
}

TEST(DataSettings, AssignCopiesWhatEachKindCopies) {
  RecordingHost grid;
  TSortSettings ssrc(nullptr);
  ssrc.SetShow(true);
  ssrc.SetColumn(3);
  ssrc.SetDirection(sdDescending);
  ssrc.SetDownGlyph(TBitmap(5, 6));
  ssrc.SetHeaderColorTo(clRed);
  ssrc.SetIndexSortKey(ikCtrl);
  ssrc.SetUndoSort(true);
  ssrc.SetSortOnVirtualCells(false);
  ssrc.SetIgnoreCase(true);
  TSortSettings ss(&grid);
  ss.Assign(&ssrc);
  EXPECT_TRUE(grid.calls.empty());
  EXPECT_TRUE(ss.Show());
  EXPECT_EQ(ss.Column(), 3);
  EXPECT_EQ(ss.Direction(), sdDescending);
  EXPECT_EQ(ss.DownGlyph().Height(), 6);
  EXPECT_EQ(ss.HeaderColorTo(), clRed);
  EXPECT_EQ(ss.IndexSortKey(), ikCtrl);
  EXPECT_TRUE(ss.UndoSort());
  EXPECT_TRUE(ss.SortOnVirtualCells());
  EXPECT_FALSE(ss.IgnoreCase());

  TCellNode nsrc(nullptr);
  nsrc.SetNodeType(cnGlyph);
  nsrc.SetExpandGlyph(TBitmap(9, 9));
  nsrc.SetExpandOne(true);
  nsrc.SetNodeIndent(20);
  TCellNode cn(&grid);
  cn.Assign(&nsrc);
  EXPECT_TRUE(grid.calls.empty());
  EXPECT_EQ(cn.NodeType(), cnGlyph);
  EXPECT_EQ(cn.ExpandGlyph().Width(), 9);
  EXPECT_TRUE(cn.ExpandOne());
  EXPECT_EQ(cn.NodeIndent(), 20);

  TGrouping gsrc;
  gsrc.SetMergeHeader(true);
  gsrc.SetGroupCountFormat("%d rows");
  gsrc.SetSummaryColorTo(clLime);
  gsrc.SetAutoCheckGroup(true);
  gsrc.SetSummary(true);
  gsrc.SetHeaderLineColor(clRed);
  gsrc.SetSummaryLineWidth(5);
  TGrouping g;
  g.Assign(&gsrc);
  EXPECT_TRUE(g.MergeHeader());
  EXPECT_EQ(g.GroupCountFormat(), "%d rows");
  EXPECT_EQ(g.SummaryColorTo(), clLime);
  EXPECT_TRUE(g.AutoCheckGroup());
  EXPECT_FALSE(g.Summary());
  EXPECT_EQ(g.HeaderLineColor(), clBlue);
  EXPECT_EQ(g.SummaryLineWidth(), 2);

  TFloatingFooter fsrc(nullptr);
  fsrc.SetVisible(true);
  fsrc.SetFooterStyle(fsCustomPreview);
  fsrc.SetCustomTemplate("<#2>");
  fsrc.SetColumn(2);
  fsrc.SetColor(clRed);
  fsrc.SetShowHint(true);
  fsrc.SetCalculateHiddenRows(false);
  fsrc.SetBorderColor(clBlue);
  fsrc.SetHeight(40);
  fsrc.SetEnableCalculation(false);
  TFloatingFooter ff(&grid);
  ff.Assign(&fsrc);
  EXPECT_EQ(grid.Take(), (Calls{"SetFooterPanelHeight 21", "SetFooterPanelVisible 1", "SetFixedFooters 0",
                                "SetHideLastRow 0", "InvalidateGrid", "SetFooterPanelShowHint 1", "UpdateFooter"}));
  EXPECT_TRUE(ff.Visible());
  EXPECT_EQ(ff.FooterStyle(), fsCustomPreview);
  EXPECT_EQ(ff.CustomTemplate(), "<#2>");
  EXPECT_EQ(ff.Column(), 2);
  EXPECT_EQ(ff.Color(), clRed);
  EXPECT_TRUE(ff.ShowHint());
  EXPECT_FALSE(ff.CalculateHiddenRows());
  EXPECT_EQ(ff.BorderColor(), clNone);
  EXPECT_EQ(ff.Height(), 22);
  EXPECT_TRUE(ff.EnableCalculation());

  // Sort settings and the footer ignore other kinds; nodes and grouping know no other kind.
  ss.Assign(&g);
  ff.Assign(nullptr);
  EXPECT_EQ(ss.Column(), 3);
  EXPECT_TRUE(grid.calls.empty());
  try {
    cn.Assign(&g);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TGrouping to a TCellNode");
  }
  EXPECT_THROW(g.Assign(&cn), EConvertError);
}

}  // namespace
}  // namespace hd

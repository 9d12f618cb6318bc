#include "grid/stringgrid/grid_settings_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/column_size.h"
#include "grid/stringgrid/settings_kit.h"
#include "platform/exceptions.h"

namespace hd {
namespace {

using Calls = std::vector<std::string>;

TEST(EditSettings, NewObjectsHaveEveryDefault) {
  TDragDropSettings dd(nullptr);
  TDragScrollOptions ds;
  TSizeWhileTyping st;
  TBalloonSettings bs;
  TShowModified sm;
  ExpectDefaults({
      HD_DEFAULT(dd.OleDropTarget(), false),
      HD_DEFAULT(dd.OleDropSource(), false),
      HD_DEFAULT(dd.OleAcceptFiles(), true),
      HD_DEFAULT(dd.OleAcceptText(), true),
      HD_DEFAULT(dd.OleAcceptURLs(), true),
      HD_DEFAULT(dd.OleDropRTF(), false),
      HD_DEFAULT(dd.OleEntireRows(), false),
      HD_DEFAULT(dd.OleRemoveRows(), false),
      HD_DEFAULT(dd.OleInsertRows(), false),
      HD_DEFAULT(dd.OleAppendRows(), false),
      HD_DEFAULT(dd.OleCopyAlways(), false),
      HD_DEFAULT(dd.OleColumnDragDrop(), false),
      HD_DEFAULT(dd.OleColumnReorder(), false),
      HD_DEFAULT(dd.OleColumnsOnly(), false),
      HD_DEFAULT(dd.ShowCells(), true),
      HD_DEFAULT(ds.Active(), false),
      HD_DEFAULT(ds.Delays().InitialDelay(), 1000),
      HD_DEFAULT(ds.Delays().RepeatDelay(), 250),
      HD_DEFAULT(ds.Margins().TopMargin(), 50),
      HD_DEFAULT(ds.Margins().BottomMargin(), 50),
      HD_DEFAULT(ds.Margins().LeftMargin(), 50),
      HD_DEFAULT(ds.Margins().RightMargin(), 50),
      HD_DEFAULT(st.Height(), false),
      HD_DEFAULT(st.Width(), false),
      HD_DEFAULT(bs.FInit, false),
      HD_DEFAULT(bs.BackgroundColor(), clNone),
      HD_DEFAULT(bs.TextColor(), clNone),
      HD_DEFAULT(bs.ReshowDelay(), -1),
      HD_DEFAULT(bs.InitialDelay(), -1),
      HD_DEFAULT(bs.AutoHideDelay(), -1),
      HD_DEFAULT(bs.Transparency(), 0),
      HD_DEFAULT(bs.Enable(), false),
      HD_DEFAULT(sm.Enabled(), false),
      HD_DEFAULT(sm.Color(), 0x00FFFF),
  });
}

TEST(EditSettings, DropTargetRegistersOutsideADesignerAndRichTextSetsTheSwitch) {
  RecordingHost grid;
  TDragDropSettings dd(&grid);
  dd.SetOleDropTarget(true);
  dd.SetOleDropTarget(false);
  dd.SetOleDropRTF(true);
  dd.SetShowCells(false);
  dd.SetOleAcceptText(false);
  EXPECT_EQ(grid.Take(), (Calls{"ApplyOleDropTarget 1", "ApplyOleDropTarget 0", "SetRTFDropEnabled 1"}));

  grid.designing = true;
  dd.SetOleDropTarget(true);
  EXPECT_TRUE(dd.OleDropTarget());
  EXPECT_TRUE(grid.calls.empty());
}

TEST(EditSettings, BalloonEnableAndModifiedColorNotifyEveryTime) {
  TBalloonSettings bs;
  TShowModified sm;
  std::vector<std::string> events;
  bs.OnEnableChange = [&](TObject* s) { events.push_back(s == &bs ? "enable" : "?"); };
  sm.OnChange = [&](TObject* s) { events.push_back(s == &sm ? "color" : "?"); };
  bs.SetEnable(true);
  bs.SetEnable(true);
  bs.SetTransparency(55);
  bs.SetInitialDelay(100);
  sm.SetColor(clYellow);
  sm.SetEnabled(true);
  EXPECT_EQ(events, (std::vector<std::string>{"enable", "enable", "color"}));
}

TEST(EditSettings, AssignCopiesItsOwnKindAndIgnoresOthers) {
  RecordingHost grid;
  TDragDropSettings source(nullptr);
  source.SetOleDropTarget(true);
  source.SetOleDropRTF(true);
  source.SetOleAcceptURLs(false);
  source.SetOleColumnsOnly(true);
  source.SetShowCells(false);
  TDragDropSettings dd(&grid);
  dd.Assign(&source);
  // The acting settings go through their setters, once.
  EXPECT_EQ(grid.Take(), (Calls{"ApplyOleDropTarget 1", "SetRTFDropEnabled 1"}));
  dd.Assign(&source);
  EXPECT_TRUE(grid.calls.empty());
  EXPECT_TRUE(dd.OleDropTarget());
  EXPECT_TRUE(dd.OleDropRTF());
  EXPECT_FALSE(dd.OleAcceptURLs());
  EXPECT_TRUE(dd.OleColumnsOnly());
  EXPECT_FALSE(dd.ShowCells());

  TDragScrollOptions so;
  so.SetActive(true);
  so.Delays().SetRepeatDelay(100);
  so.Margins().SetLeftMargin(7);
  TDragScrollOptions ds;
  ds.Assign(&so);
  EXPECT_TRUE(ds.Active());
  EXPECT_EQ(ds.Delays().RepeatDelay(), 100);
  EXPECT_EQ(ds.Margins().LeftMargin(), 7);
  EXPECT_NE(&ds.Delays(), &so.Delays());

  TBalloonSettings bsource;
  bsource.SetEnable(true);
  bsource.SetTransparency(55);
  bsource.SetTextColor(clRed);
  bsource.SetReshowDelay(10);
  TBalloonSettings bs;
  int enable_changes = 0;
  bs.OnEnableChange = [&](TObject*) { ++enable_changes; };
  bs.Assign(&bsource);
  EXPECT_EQ(enable_changes, 0);
  EXPECT_TRUE(bs.Enable());
  EXPECT_EQ(bs.Transparency(), 55);
  EXPECT_EQ(bs.TextColor(), clRed);
  EXPECT_EQ(bs.ReshowDelay(), 10);

  TShowModified msource;
  msource.SetColor(clLime);
  msource.SetEnabled(true);
  TShowModified sm;
  int color_changes = 0;
  sm.OnChange = [&](TObject*) { ++color_changes; };
  sm.Assign(&msource);
  EXPECT_EQ(color_changes, 0);
  EXPECT_EQ(sm.Color(), clLime);
  EXPECT_TRUE(sm.Enabled());

  // Other kinds are ignored by these four.
  dd.Assign(&bs);
  ds.Assign(&sm);
  bs.Assign(&ds);
  sm.Assign(nullptr);
  EXPECT_TRUE(dd.OleDropTarget());
  EXPECT_TRUE(ds.Active());
  EXPECT_TRUE(bs.Enable());
  EXPECT_EQ(sm.Color(), clLime);

  // Sizing while typing knows no copy.
  TSizeWhileTyping st;
  EXPECT_THROW(st.Assign(&bs), EConvertError);
}

TEST(ColumnSize, DefaultsStretchAndAssign) {
  RecordingHost grid;
  TColumnSize cs(&grid);
  ExpectDefaults({
      HD_DEFAULT(cs.Save(), false),
      HD_DEFAULT(cs.Key(), ""),
      HD_DEFAULT(cs.Section(), ""),
      HD_DEFAULT(cs.Stretch(), false),
      HD_DEFAULT(cs.StretchColumn(), -1),
      HD_DEFAULT(cs.SynchWithGrid(), false),
      HD_DEFAULT(cs.SynchNormalCellsOnly(), false),
      HD_DEFAULT(cs.Location(), clRegistry),
      HD_DEFAULT(cs.Rows(), arAll),
  });

  cs.SetStretchColumn(2);
  cs.SetStretch(true);
  grid.has_parent = false;
  cs.SetStretch(false);
  EXPECT_EQ(grid.Take(), (Calls{"StretchColumn 2"}));

  cs.SetSave(true);
  cs.SetKey("grid.ini");
  cs.SetSection("Cols");
  cs.SetStretch(true);
  cs.SetSynchWithGrid(true);
  cs.SetSynchNormalCellsOnly(true);
  cs.SetLocation(clIniFile);
  cs.SetRows(arFixed);
  RecordingHost other_grid;
  TColumnSize copy(&other_grid);
  copy.Assign(&cs);
  EXPECT_TRUE(other_grid.calls.empty());
  EXPECT_EQ(copy.Owner(), &other_grid);
  EXPECT_TRUE(copy.Save());
  EXPECT_EQ(copy.Key(), "grid.ini");
  EXPECT_EQ(copy.Section(), "Cols");
  EXPECT_TRUE(copy.Stretch());
  EXPECT_EQ(copy.StretchColumn(), 2);
  EXPECT_TRUE(copy.SynchWithGrid());
  EXPECT_TRUE(copy.SynchNormalCellsOnly());
  EXPECT_EQ(copy.Location(), clIniFile);
  EXPECT_EQ(copy.Rows(), arFixed);
  TShowModified unrelated;
  copy.Assign(&unrelated);
  EXPECT_TRUE(copy.Save());
}

}  // namespace
}  // namespace hd

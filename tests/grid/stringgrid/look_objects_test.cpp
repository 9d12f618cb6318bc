#include "grid/stringgrid/look_objects.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/stringgrid/settings_kit.h"
#include "platform/bitmap.h"

namespace hd {
namespace {

using Calls = std::vector<std::string>;

std::string Daz(TFixedGradientColor which, TColor value) {
  return "SetDAZGradientColor " + std::to_string(static_cast<int>(which)) + " " + std::to_string(value);
}

TEST(ControlLook, NewObjectHasEveryDefaultAndClearsTheGridsHoverAndDownMirrors) {
  RecordingHost grid;
  TControlLook look(&grid);
  ExpectDefaults({
      HD_DEFAULT(look.CheckSize(), 15),
      HD_DEFAULT(look.RadioSize(), 10),
      HD_DEFAULT(look.CheckedGlyph().Empty(), true),
      HD_DEFAULT(look.UnCheckedGlyph().Empty(), true),
      HD_DEFAULT(look.RadioOnGlyph().Empty(), true),
      HD_DEFAULT(look.RadioOffGlyph().Empty(), true),
      HD_DEFAULT(look.ControlStyle(), csTheme),
      HD_DEFAULT(look.Color(), 0x000000),
      HD_DEFAULT(look.CommentColor(), 0x0000FF),
      HD_DEFAULT(look.FlatButton(), false),
      HD_DEFAULT(look.NoDisabledCheckRadioLook(), false),
      HD_DEFAULT(look.NoDisabledButtonLook(), false),
      HD_DEFAULT(look.CheckAlwaysActive(), false),
      HD_DEFAULT(look.RadioAlwaysActive(), false),
      HD_DEFAULT(look.DropDownAlwaysVisible(), false),
      HD_DEFAULT(look.SpinButtonsAlwaysVisible(), false),
      HD_DEFAULT(look.FixedDropDownButton(), false),
      HD_DEFAULT(look.DropDownCount(), 8),
      HD_DEFAULT(look.DropDownHeader().Visible(), true),
      HD_DEFAULT(look.DropDownFooter().SizeGrip(), true),
      HD_DEFAULT(look.ProgressXP(), false),
      HD_DEFAULT(look.ProgressBorderColor(), 0x808080),
      HD_DEFAULT(look.ProgressMarginX(), 2),
      HD_DEFAULT(look.ProgressMarginY(), 2),
      HD_DEFAULT(look.HintMaxWidth(), 0),
      HD_DEFAULT(look.FixedGradientFrom(), clNone),
      HD_DEFAULT(look.FixedGradientTo(), clNone),
      HD_DEFAULT(look.FixedGradientMirrorFrom(), clNone),
      HD_DEFAULT(look.FixedGradientMirrorTo(), clNone),
      HD_DEFAULT(look.FixedGradientHoverFrom(), 0x808080),
      HD_DEFAULT(look.FixedGradientHoverTo(), 0xFFFFFF),
      HD_DEFAULT(look.FixedGradientHoverMirrorFrom(), clNone),
      HD_DEFAULT(look.FixedGradientHoverMirrorTo(), clNone),
      HD_DEFAULT(look.FixedGradientHoverBorder(), 0xC0C0C0),
      HD_DEFAULT(look.FixedGradientDownFrom(), 0x808080),
      HD_DEFAULT(look.FixedGradientDownTo(), 0xC0C0C0),
      HD_DEFAULT(look.FixedGradientDownMirrorFrom(), clNone),
      HD_DEFAULT(look.FixedGradientDownMirrorTo(), clNone),
      HD_DEFAULT(look.FixedGradientDownBorder(), 0x808080),
  });
  EXPECT_EQ(grid.calls, (Calls{Daz(fgHoverMirrorFrom, clNone), Daz(fgHoverMirrorTo, clNone),
                               Daz(fgDownMirrorFrom, clNone), Daz(fgDownMirrorTo, clNone)}));
}

TEST(ControlLook, SettersRepaintExceptAppearancesAndFixedGradients) {
  RecordingHost grid;
  TControlLook look(&grid);
  TBitmap glyph(4, 4);
  THeaderAppearance header(nullptr);
  header.SetCaption("Pick");
  TFooterAppearance footer(nullptr);
  footer.SetSizeGrip(false);
  struct Case {
    const char* name;
    std::function<void()> set;
    Calls calls;
  };
  const Case cases[] = {
      {"CheckSize, same value again", [&] { look.SetCheckSize(15); }, {"InvalidateGrid"}},
      {"CheckedGlyph", [&] { look.SetCheckedGlyph(glyph); }, {"InvalidateGrid"}},
      {"ControlStyle", [&] { look.SetControlStyle(csFlat); }, {"InvalidateGrid"}},
      {"HintMaxWidth", [&] { look.SetHintMaxWidth(300); }, {"InvalidateGrid"}},
      {"DropDownHeader: copied only", [&] { look.SetDropDownHeader(header); }, {}},
      {"DropDownFooter: copied only", [&] { look.SetDropDownFooter(footer); }, {}},
      {"FixedGradientFrom to a colour", [&] { look.SetFixedGradientFrom(0x123456); }, {Daz(fgFrom, 0x123456)}},
      {"FixedGradientFrom to clNone: grid keeps its colour", [&] { look.SetFixedGradientFrom(clNone); }, {}},
      {"FixedGradientDownBorder to clNone", [&] { look.SetFixedGradientDownBorder(clNone); }, {}},
      {"FixedGradientMirrorFrom to clNone: grid's mirror cleared", [&] { look.SetFixedGradientMirrorFrom(clNone); },
       {Daz(fgMirrorFrom, clNone)}},
      {"FixedGradientDownMirrorTo", [&] { look.SetFixedGradientDownMirrorTo(0xABCDEF); },
       {Daz(fgDownMirrorTo, 0xABCDEF)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    grid.Take();
    c.set();
    EXPECT_EQ(grid.Take(), c.calls);
  }
  EXPECT_EQ(look.CheckedGlyph().Width(), 4);
  EXPECT_EQ(look.DropDownHeader().Caption(), "Pick");
  EXPECT_FALSE(look.DropDownFooter().SizeGrip());
  EXPECT_EQ(look.FixedGradientFrom(), clNone);
  EXPECT_EQ(look.FixedGradientDownMirrorTo(), 0xABCDEF);
}

TEST(ControlLook, AssignCopiesEveryPropertyWithoutTouchingTheGrid) {
  RecordingHost source_grid;
  TControlLook source(&source_grid);
  source.SetCheckSize(20);
  source.SetRadioOffGlyph(TBitmap(3, 5));
  source.SetControlStyle(csGlyph);
  source.SetDropDownCount(12);
  source.DropDownHeader().SetCaption("Head");
  source.DropDownHeader().Buttons().Add()->SetCaption("OK");
  source.DropDownFooter().SetHeight(30);
  source.SetProgressMarginY(5);
  source.SetFixedGradientFrom(0x111111);
  source.SetFixedGradientTo(0x222222);
  source.SetFixedGradientHoverMirrorTo(0x333333);

  RecordingHost grid;
  TControlLook look(&grid);
  grid.Take();
  look.Assign(&source);
  EXPECT_TRUE(grid.calls.empty());
  EXPECT_EQ(look.CheckSize(), 20);
  EXPECT_EQ(look.RadioOffGlyph().Height(), 5);
  EXPECT_EQ(look.ControlStyle(), csGlyph);
  EXPECT_EQ(look.DropDownCount(), 12);
  EXPECT_EQ(look.DropDownHeader().Caption(), "Head");
  ASSERT_EQ(look.DropDownHeader().Buttons().Count(), 1);
  EXPECT_EQ(look.DropDownHeader().Buttons().Items(0)->Caption(), "OK");
  EXPECT_EQ(look.DropDownFooter().Height(), 30);
  EXPECT_EQ(look.ProgressMarginY(), 5);
  for (int i = 0; i < kFixedGradientColorCount; ++i) {
    auto which = static_cast<TFixedGradientColor>(i);
    EXPECT_EQ(look.FixedGradient(which), source.FixedGradient(which)) << i;
  }

  // Another kind of source is ignored.
  TBackGround other(nullptr);
  look.Assign(&other);
  look.Assign(nullptr);
  EXPECT_EQ(look.CheckSize(), 20);
}

TEST(BackGround, DefaultsSettersAndAssign) {
  RecordingHost grid;
  TBackGround bg(&grid);
  ExpectDefaults({
      HD_DEFAULT(bg.Bitmap().Empty(), true),
      HD_DEFAULT(bg.Display(), bdTile),
      HD_DEFAULT(bg.Left(), 0),
      HD_DEFAULT(bg.Top(), 0),
      HD_DEFAULT(bg.Cells(), bcNormal),
      HD_DEFAULT(bg.Color(), clWindow),
      HD_DEFAULT(bg.ColorTo(), clBtnFace),
  });

  bg.SetDisplay(bdGradientVert);
  bg.SetColorTo(clBtnFace);  // unchanged, repaints all the same
  bg.SetBitmap(TBitmap(2, 2));
  EXPECT_EQ(grid.Take(), (Calls{"InvalidateGrid", "InvalidateGrid", "InvalidateGrid"}));

  TBackGround copy(&grid);
  bg.SetLeft(7);
  bg.SetCells(bcAll);
  grid.Take();
  copy.Assign(&bg);
  EXPECT_TRUE(grid.calls.empty());
  EXPECT_EQ(copy.Display(), bdGradientVert);
  EXPECT_EQ(copy.Left(), 7);
  EXPECT_EQ(copy.Cells(), bcAll);
  EXPECT_EQ(copy.Bitmap().Width(), 2);
}

TEST(GridProgressAppearance, DefaultsAndNotifiesOnlyRealChanges) {
  TGridProgressAppearance pa;
  ExpectDefaults({
      HD_DEFAULT(pa.CompleteColor(), 0x0000FF),
      HD_DEFAULT(pa.CompleteFontColor(), 0xFF0000),
      HD_DEFAULT(pa.UnCompleteColor(), clNone),
      HD_DEFAULT(pa.UnCompleteFontColor(), clWindowText),
      HD_DEFAULT(pa.Level0Color(), 0x00FF00),
      HD_DEFAULT(pa.Level0ColorTo(), 0xE1FFE1),
      HD_DEFAULT(pa.Level1Color(), 0x00FFFF),
      HD_DEFAULT(pa.Level1ColorTo(), 0xCAFFFF),
      HD_DEFAULT(pa.Level2Color(), 0x53A9FF),
      HD_DEFAULT(pa.Level2ColorTo(), 0xA8D3FF),
      HD_DEFAULT(pa.Level3Color(), 0x0000FF),
      HD_DEFAULT(pa.Level3ColorTo(), 0xCACAFF),
      HD_DEFAULT(pa.Level1Perc(), 70),
      HD_DEFAULT(pa.Level2Perc(), 90),
      HD_DEFAULT(pa.BorderColor(), 0),
      HD_DEFAULT(pa.ShowBorder(), false),
      HD_DEFAULT(pa.Stacked(), false),
      HD_DEFAULT(pa.ShowPercentage(), true),
      HD_DEFAULT(pa.CompletionSmooth(), true),
      HD_DEFAULT(pa.ShowGradient(), true),
      HD_DEFAULT(pa.Steps(), 11),
      HD_DEFAULT(pa.Style(), psXP),
  });

  int changes = 0;
  pa.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &pa);
    ++changes;
  };
  pa.SetSteps(11);
  EXPECT_EQ(changes, 0);
  pa.SetSteps(20);
  pa.SetStyle(psClassic);
  pa.SetStyle(psClassic);
  EXPECT_EQ(changes, 2);

  TGridProgressAppearance copy;
  int copy_changes = 0;
  copy.OnChange = [&](TObject*) { ++copy_changes; };
  copy.Assign(&pa);
  EXPECT_EQ(copy_changes, 1);
  EXPECT_EQ(copy.Steps(), 20);
  EXPECT_EQ(copy.Style(), psClassic);
  TControlLook other(nullptr);
  copy.Assign(&other);
  EXPECT_EQ(copy_changes, 1);
}

}  // namespace
}  // namespace hd

// A grid's look in a key=value file: the value forms, the full file read and written back, the
// order the look's colours are applied in, the errors, and the scaling of the grid's own fonts.
#include "grid/dataops/exchange/visual_props.h"

#include <gtest/gtest.h>

#include "grid/stringgrid/grid_settings_edit.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"
#include "testkit/temp_folder.h"

namespace hd::test {
namespace {

// Every setting of the file away from the grid's defaults, one key in lower case.
const char* const kAllChanged[] = {
    "Color=$00102030", "HintColor=clCream", "SelectionColor=$00112233", "SelectionColorTo=$00112234",
    "SelectionMirrorColor=$00112235", "SelectionMirrorColorTo=$00112236", "SelectionTextColor=clYellow",
    "URLColor=clFuchsia", "URLShow=false", "URLShowInText=true", "ScrollColor=clTeal",
    "ActiveRowColor=$00ABCDEF", "ActiveRowShow=true", "ActiveCellShow=false", "Font.Color=clMaroon",
    "Font.Style=fsBold,fsUnderline", "Font.Size=11", "Font.Name=Courier New", "ActiveCellColor=$00010101",
    "ActiveCellColorTo=$00020202", "ActiveCellFont.Color=clNavy", "ActiveCellFont.Style=fsItalic",
    "ActiveCellFont.Size=13", "ActiveCellFont.Name=Verdana", "FixedFont.Color=clPurple",
    "FixedFont.Style=fsStrikeOut", "FixedFont.Size=7", "FixedFont.Name=Arial Black",
    "balloon.backgroundcolor=clLime", "Balloon.TextColor=clWhite", "Balloon.Transparency=200",
    "Bands.PrimaryColor=$00030303", "Bands.SecondaryColor=$00040404", "Bands.Active=true",
    "SortSettings.IndexColor=clOlive", "FloatingFooter.Color=clMoneyGreen", "ControlLook.CheckSize=17",
    "ControlLook.Color=clGreen", "ControlLook.CommentColor=clSkyBlue", "ControlLook.ControlStyle=csCorvane",
    "ControlLook.FixedGradientFrom=$00050505", "ControlLook.FixedGradientTo=$00060606",
    "ControlLook.RadioSize=19", "ControlLook.FlatButton=true", "ControlLook.ProgressBorderColor=clMedGray",
    "ControlLook.ProgressXP=true", "Look=glXP", "SearchFooter.Color=$00070707", "SearchFooter.ColorTo=$00080808",
    "Grouping.HeaderColor=$00090909", "Grouping.HeaderColorTo=$000A0A0A", "Grouping.HeaderTextColor=$000B0B0B",
    "Grouping.HeaderUnderline=true", "Grouping.HeaderLineColor=$000C0C0C", "Grouping.HeaderLineWidth=3",
    "Grouping.SummaryColor=$000D0D0D", "Grouping.SummaryColorTo=$000E0E0E",
    "Grouping.SummaryTextColor=$000F0F0F", "Grouping.SummaryLine=true", "Grouping.SummaryLineColor=$00101010",
    "Grouping.SummaryLineWidth=4", "GridLineColor=$00111111", "GridFixedLineColor=$00121212",
    "BackGround.Top=5", "BackGround.Left=6", "BackGround.Display=bdGradientVert", "BackGround.Cells=bcFixed",
    "BackGround.Color=$00131313", "BackGround.ColorTo=$00141414",
};

std::string FileText(std::vector<std::string> Lines) {
  std::string text;
  for (const std::string& l : Lines) text += l + "\r\n";
  return text;
}

std::vector<std::string> AllChanged() { return {std::begin(kAllChanged), std::end(kAllChanged)}; }

class VisualPropsTest : public StringGridTest {
 protected:
  testkit::TempFolder dir;
};

TEST(VisualPropsFormsTest, ValuesReadAsTheirFormsSay) {
  EXPECT_EQ(FontStyleToVisualText({fsUnderline, fsBold}), "fsBold,fsUnderline");
  EXPECT_EQ(FontStyleToVisualText({}), "");
  EXPECT_EQ(VisualTextToFontStyle("x fsItalic,fsStrikeOutz"), (TFontStyles{fsItalic, fsStrikeOut}));
  EXPECT_EQ(VisualTextToFontStyle("FSBOLD"), TFontStyles{});
  EXPECT_TRUE(VisualTextToBool("tRUE"));
  EXPECT_FALSE(VisualTextToBool("yes"));
  EXPECT_FALSE(VisualTextToBool(""));
  EXPECT_EQ(VisualTextToColor(""), clNone);
  EXPECT_EQ(VisualTextToColor("clwindow"), clWindow);
  EXPECT_EQ(VisualTextToColor("$00000010"), 0x10);
  EXPECT_THROW(VisualTextToColor("reddish"), EConvertError);
}

TEST_F(VisualPropsTest, EverySettingReadIsWrittenBackInItsOrderAndForm) {
  ASSERT_EQ(std::size(kAllChanged), 69u);
  grid->SetLook(glXP);
  std::string in = dir.Write("in.txt", FileText(AllChanged()));
  grid->LoadVisualProps(in);
  grid->SaveVisualProps(dir.File("out.txt"));
  std::vector<std::string> expected = AllChanged();
  expected[28] = "Balloon.BackgroundColor=clLime";
  EXPECT_EQ(dir.Read("out.txt"), FileText(expected));
  EXPECT_EQ(grid->ControlLook().FixedGradientFrom(), 0x050505);
  EXPECT_EQ(grid->ControlLook().FixedGradientTo(), 0x060606);
  EXPECT_EQ(grid->Balloon().BackgroundColor(), clLime);
}

TEST_F(VisualPropsTest, ANewLookOverridesTheColoursBeforeItAndTheKeysAfterItApplyOnTop) {
  grid->SetLook(glStandard);
  std::vector<std::string> lines = AllChanged();
  grid->LoadVisualProps(dir.Write("look.txt", FileText(lines)));
  EXPECT_EQ(grid->Look(), glXP);
  EXPECT_NE(grid->ActiveCellColor(), 0x010101);  // before the look: the look's own
  EXPECT_EQ(grid->GridLineColor(), 0x111111);    // after it
  EXPECT_EQ(grid->Grouping().HeaderColor(), 0x090909);

  // An empty look, as glCustom is written, leaves the look as it is.
  lines[46] = "Look=";
  grid->LoadVisualProps(dir.Write("custom.txt", FileText(lines)));
  EXPECT_EQ(grid->Look(), glXP);
  EXPECT_EQ(grid->ActiveCellColor(), 0x010101);
}

TEST_F(VisualPropsTest, AValueThatDoesNotConvertEndsTheReadingWithWhatCameBeforeApplied) {
  TColor fixedBefore = grid->FixedFont().Color;
  TColor activeBefore = grid->ActiveCellColor();
  std::string file = dir.Write("part.txt", FileText({"Color=clRed", "URLShow=TRUE", "ActiveCellColor=clLime",
                                                      "FixedFont.Color=clBlue"}));
  EXPECT_THROW(grid->LoadVisualProps(file), EConvertError);  // "Font.Size" is missing
  EXPECT_EQ(grid->Color(), clRed);
  EXPECT_TRUE(grid->URLShow());
  EXPECT_EQ(grid->SelectionColor(), clNone);  // absent colours read as none
  EXPECT_EQ(grid->ActiveCellColor(), activeBefore);
  EXPECT_EQ(grid->FixedFont().Color, fixedBefore);
}

TEST_F(VisualPropsTest, FilesThatCannotBeOpenedOrCreatedNameThemselves) {
  std::string missing = dir.File("missing.txt");
  try {
    grid->LoadVisualProps(missing);
    ADD_FAILURE() << "a missing file cannot be read";
  } catch (const Exception& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file " + missing);
  }
  std::string folderless = dir.File("none/look.txt");
  try {
    grid->SaveVisualProps(folderless);
    ADD_FAILURE() << "a file in a missing folder cannot be made";
  } catch (const Exception& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot Create " + folderless);
  }
}

TEST_F(VisualPropsTest, ScalingTakesTheFixedAndActiveCellFontsAlong) {
  struct Case {
    int m, d, size, expected;
  } cases[] = {{3, 2, 10, 15}, {3, 2, 9, 14}, {1, 1, 10, 10}, {2, 3, 8, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.m) + "/" + std::to_string(c.d) + " of " + std::to_string(c.size));
    TFont f = grid->FixedFont();
    f.Size = c.size;
    grid->SetFixedFont(f);
    grid->SetActiveCellFont(f);
    grid->ChangeScale(c.m, c.d);
    EXPECT_EQ(grid->FixedFont().Size, c.expected);
    EXPECT_EQ(grid->ActiveCellFont().Size, c.expected);
  }
}

}  // namespace
}  // namespace hd::test

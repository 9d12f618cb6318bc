// Print settings in an INI section: the stored form, the round trip, and the load defaults and
// reading rules.
#include "grid/dataops/print/print_settings_ini.h"

#include <gtest/gtest.h>

#include "grid/stringgrid/print_settings.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/exceptions.h"
#include "platform/ini_files.h"
#include "testkit/temp_folder.h"

namespace hd::test {
namespace {

std::vector<std::string> Lines(const TStringList& List) {
  std::vector<std::string> out;
  for (int i = 0; i < List.Count(); ++i) out.push_back(List.Strings(i));
  return out;
}

TFont MakeFont(const char* Name, int Size, TFontStyles Style, TColor Color) {
  TFont f;
  f.Name = Name;
  f.Size = Size;
  f.Style = Style;
  f.Color = Color;
  return f;
}

// Every stored setting away from both the construction and the load defaults.
void ChangeAll(TPrintSettings& P) {
  P.SetColumnSpacing(11), P.SetRowSpacing(12), P.SetTitleSpacing(13), P.SetFixedHeight(14), P.SetFixedWidth(15);
  P.SetCentered(false), P.SetNoAutoSize(true), P.SetUseFixedHeight(true), P.SetUseFixedWidth(true);
  P.SetRepeatFixedRows(true), P.SetRepeatFixedCols(true), P.SetUseDisplayFont(true), P.SetUseDefaultOrientation(true);
  P.SetBorders(pbAroundVertical), P.SetBorderColor(clBtnFace), P.SetBorderStyle(psDashDot);
  P.SetDate(ppTopRight), P.SetPageNr(ppBottomCenter), P.SetTitle(ppTopCenter), P.SetTime(ppBottomLeft);
  P.SetDateFormat("yyyy-mm-dd"), P.SetTitleText("Rules");
  P.SetFooterSize(21), P.SetHeaderSize(22), P.SetLeftSize(23), P.SetRightSize(24), P.SetFitToPage(fpShrink);
  P.Font() = MakeFont("Courier New", 9, {fsBold, fsStrikeOut}, clRed);
  P.HeaderFont() = MakeFont("Verdana", 12, {fsItalic}, 0x123456);
  P.FooterFont() = MakeFont("Tahoma", 7, {fsUnderline}, clNavy);
  P.SetPageNumSep(" of "), P.SetPageSuffix(")"), P.SetPagePrefix("(");
  P.SetOrientation(poLandscape), P.SetPrintGraphics(true);
  P.TitleLines().Add("First");
  P.TitleLines().Add("Second");
}

class PrintSettingsIniTest : public StringGridTest {
 protected:
  testkit::TempFolder dir;
};

TEST_F(PrintSettingsIniTest, SaveWritesTheKeysInOrderAndLoadRestoresThem) {
  TPrintSettings& saved = grid->PrintSettings();
  ChangeAll(saved);
  std::string file = dir.Write("print.ini", "[Other]\r\nKeep=1\r\n\r\n[Print]\r\nTitle=5\r\n");
  grid->SavePrintSettings(file, "Print");
  TMemIniFile ini(file);
  EXPECT_EQ(ini.ReadString("Other", "Keep", ""), "1");
  EXPECT_EQ(ini.ReadString("Print", "BorderColor", ""), "-16777201");
  EXPECT_EQ(ini.ReadString("Print", "FontStyle", ""), "9");
  EXPECT_EQ(ini.ReadString("Print", "UseDisplFont", ""), "Y");
  EXPECT_EQ(ini.ReadString("Print", "TitleLines", ""), "First\\nSecond\\n");
  std::string text = dir.Read("print.ini");
  // A key already present keeps its place; the others follow in their order.
  EXPECT_NE(text.find("[Print]\r\nTitle=3\r\nColumnSpacing=11\r\nRowSpacing=12\r\n"), std::string::npos);
  EXPECT_NE(text.find("PagePrefix=(\r\nOrientation=1\r\nTitleLines=First\\nSecond\\n\r\nPrintGraphics=Y\r\n"),
            std::string::npos);

  TForm other(nullptr);
  auto* copy = New<TTestStringGrid>(&other);
  copy->LoadPrintSettings(file, "Print");
  TPrintSettings& loaded = copy->PrintSettings();
  // Font styles are only added: the loaded fonts start from the platform's plain ones here.
  EXPECT_EQ(loaded.Font(), saved.Font());
  EXPECT_EQ(loaded.HeaderFont(), saved.HeaderFont());
  EXPECT_EQ(loaded.FooterFont(), saved.FooterFont());
  EXPECT_EQ(Lines(loaded.TitleLines()), (std::vector<std::string>{"First", "Second"}));
  TMemIniFile a(file);
  copy->SavePrintSettings(dir.File("again.ini"), "Print");
  TMemIniFile again(dir.File("again.ini"));
  for (const char* key : {"ColumnSpacing", "RowSpacing", "TitleSpacing", "FixedHeight", "FixedWidth", "Centered",
                          "NoAutoSize", "UseFixedHeight", "UseFixedWidth", "RepeatFixedRows", "RepeatFixedCols",
                          "UseDisplFont", "UseDefOrientation", "Borders", "BorderColor", "BorderStyle", "Date",
                          "PageNr", "Title", "Time", "DateFormat", "TitleText", "FooterSize", "HeaderSize",
                          "LeftSize", "RightSize", "FitToPage", "PageNumSep", "PageSuffix", "PagePrefix",
                          "Orientation", "TitleLines", "PrintGraphics"}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(again.ReadString("Print", key, "?"), a.ReadString("Print", key, "!"));
  }
}

TEST_F(PrintSettingsIniTest, LoadTakesItsOwnDefaultsAndReadingRules) {
  struct Case {
    const char* name;
    const char* section;
    std::function<void(const TPrintSettings&)> check;
  } cases[] = {
      {"no section: the load defaults", "",
       [](const TPrintSettings& p) {
         EXPECT_EQ(p.ColumnSpacing(), 20); EXPECT_EQ(p.RowSpacing(), 20); EXPECT_EQ(p.TitleSpacing(), 20);
         EXPECT_EQ(p.LeftSize(), 100); EXPECT_EQ(p.RightSize(), 100); EXPECT_EQ(p.HeaderSize(), 100);
         EXPECT_EQ(p.FooterSize(), 100);
         EXPECT_TRUE(p.Centered());
         EXPECT_FALSE(p.UseDisplayFont()); EXPECT_FALSE(p.NoAutoSize()); EXPECT_FALSE(p.PrintGraphics());
         EXPECT_EQ(p.DateFormat(), ""); EXPECT_EQ(p.PageNumSep(), "");
         EXPECT_EQ(p.Date(), ppNone); EXPECT_EQ(p.Title(), ppNone); EXPECT_EQ(p.Borders(), pbNoborder);
         EXPECT_EQ(p.Font().Name, "Arial"); EXPECT_EQ(p.Font().Size, 10); EXPECT_EQ(p.Font().Color, clBlack);
         EXPECT_EQ(p.FooterFont().Name, "Arial");
         EXPECT_EQ(p.TitleLines().Count(), 0);
       }},
      {"flags are Y exactly", "Centered=y\r\nNoAutoSize=Y\r\nPrintGraphics=yes\r\n",
       [](const TPrintSettings& p) {
         EXPECT_FALSE(p.Centered()); EXPECT_TRUE(p.NoAutoSize()); EXPECT_FALSE(p.PrintGraphics());
       }},
      {"integers with prefixes, others the default", "ColumnSpacing=0x10\r\nRowSpacing=$20\r\nLeftSize=ten\r\n",
       [](const TPrintSettings& p) {
         EXPECT_EQ(p.ColumnSpacing(), 16); EXPECT_EQ(p.RowSpacing(), 32); EXPECT_EQ(p.LeftSize(), 100);
       }},
      {"choices out of range", "Borders=9\r\nBorderStyle=7\r\nFitToPage=5\r\nOrientation=2\r\nTitle=7\r\nDate=6\r\n",
       [](const TPrintSettings& p) {
         EXPECT_EQ(p.Borders(), pbDouble); EXPECT_EQ(p.BorderStyle(), psDot); EXPECT_EQ(p.FitToPage(), fpGrow);
         EXPECT_EQ(p.Orientation(), poLandscape); EXPECT_EQ(p.Title(), ppNone); EXPECT_EQ(p.Date(), ppBottomCenter);
       }},
      {"styles only added", "FontStyle=2\r\nHeaderFontStyle=0\r\n",
       [](const TPrintSettings& p) {
         EXPECT_EQ(p.Font().Style, (TFontStyles{fsBold, fsItalic}));
         EXPECT_EQ(p.HeaderFont().Style, (TFontStyles{fsUnderline}));
       }},
      {"a literal backslash-n splits a title line", "TitleLines=a\\nb\\nc",
       [](const TPrintSettings& p) {
         EXPECT_EQ(Lines(p.TitleLines()), (std::vector<std::string>{"a", "b", "c"}));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TPrintSettings p(nullptr);
    p.SetBorders(pbDouble), p.SetBorderStyle(psDot), p.SetFitToPage(fpGrow), p.SetOrientation(poLandscape);
    p.Font().Style = {fsBold};
    p.HeaderFont().Style = {fsUnderline};
    std::string body = std::string("[P]\r\n") + c.section;
    std::string file = dir.Write("load.ini", *c.section ? body : "[Other]\r\nA=1\r\n");
    LoadPrintSettingsFromIni(p, file, "P");
    c.check(p);
  }
}

TEST_F(PrintSettingsIniTest, LoadWritesTheFileBackAndAFileThatCannotBeWrittenRaises) {
  std::string file = dir.File("new.ini");
  grid->LoadPrintSettings(file, "Print");
  EXPECT_TRUE(FileExists(file));
  EXPECT_EQ(dir.Read("new.ini"), "");
  EXPECT_THROW(grid->SavePrintSettings(dir.File("none/print.ini"), "Print"), EFCreateError);
  // What was read stays even when the write-back fails.
  EXPECT_THROW(grid->LoadPrintSettings(dir.File("none/print.ini"), "Print"), EFCreateError);
  EXPECT_EQ(grid->PrintSettings().LeftSize(), 100);
}

}  // namespace
}  // namespace hd::test

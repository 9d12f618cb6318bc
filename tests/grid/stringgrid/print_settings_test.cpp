#include "grid/stringgrid/print_settings.h"

#include <gtest/gtest.h>

#include "grid/stringgrid/settings_kit.h"
#include "platform/exceptions.h"

namespace hd {
namespace {

TEST(OutputSettings, NewObjectsHaveEveryDefault) {
  TPrintSettings ps(nullptr);
  THTMLSettings hs;
  ExpectDefaults({
      HD_DEFAULT(ps.Time(), ppNone),
      HD_DEFAULT(ps.Date(), ppNone),
      HD_DEFAULT(ps.PageNr(), ppNone),
      HD_DEFAULT(ps.PageNumSep(), "/"),
      HD_DEFAULT(ps.DateFormat(), "dd/mm/yyyy"),
      HD_DEFAULT(ps.Title(), ppNone),
      HD_DEFAULT(ps.Borders(), pbSingle),
      HD_DEFAULT(ps.BorderStyle(), psSolid),
      HD_DEFAULT(ps.TitleText(), ""),
      HD_DEFAULT(ps.TitleLines().Count(), 0),
      HD_DEFAULT(ps.Centered(), true),
      HD_DEFAULT(ps.RepeatFixedRows(), false),
      HD_DEFAULT(ps.RepeatFixedCols(), false),
      HD_DEFAULT(ps.FooterSize(), 0),
      HD_DEFAULT(ps.HeaderSize(), 0),
      HD_DEFAULT(ps.LeftSize(), 0),
      HD_DEFAULT(ps.RightSize(), 0),
      HD_DEFAULT(ps.ColumnSpacing(), 0),
      HD_DEFAULT(ps.RowSpacing(), 0),
      HD_DEFAULT(ps.TitleSpacing(), 0),
      HD_DEFAULT(ps.Orientation(), poPortrait),
      HD_DEFAULT(ps.PagePrefix(), ""),
      HD_DEFAULT(ps.PageSuffix(), ""),
      HD_DEFAULT(ps.FixedHeight(), 0),
      HD_DEFAULT(ps.UseFixedHeight(), false),
      HD_DEFAULT(ps.FixedWidth(), 0),
      HD_DEFAULT(ps.UseFixedWidth(), false),
      HD_DEFAULT(ps.FitToPage(), fpNever),
      HD_DEFAULT(ps.NoAutoSize(), false),
      HD_DEFAULT(ps.PrintGraphics(), false),
      HD_DEFAULT(ps.JobName(), ""),
      HD_DEFAULT(ps.NoAutoSizeRow(), false),
      HD_DEFAULT(ps.PageNumberOffset(), 0),
      HD_DEFAULT(ps.MaxPagesOffset(), 0),
      HD_DEFAULT(ps.UseDisplayFont(), true),
      HD_DEFAULT(ps.UseDefaultOrientation(), false),
      HD_DEFAULT(ps.FixedCellsAlways(), false),
      HD_DEFAULT(ps.BorderColor(), 0x000000),
      HD_DEFAULT(hs.AutoPreview(), false),
      HD_DEFAULT(hs.ConvertSpecialChars(), false),
      HD_DEFAULT(hs.NonBreakingText(), false),
      HD_DEFAULT(hs.SaveColor(), true),
      HD_DEFAULT(hs.SaveFonts(), true),
      HD_DEFAULT(hs.FooterFile(), ""),
      HD_DEFAULT(hs.HeaderFile(), ""),
      HD_DEFAULT(hs.BorderSize(), 1),
      HD_DEFAULT(hs.CellSpacing(), 0),
      HD_DEFAULT(hs.CellPadding(), 0),
      HD_DEFAULT(hs.TableStyle(), ""),
      HD_DEFAULT(hs.PrefixTag(), ""),
      HD_DEFAULT(hs.SuffixTag(), ""),
      HD_DEFAULT(hs.Summary(), ""),
      HD_DEFAULT(hs.Width(), 100),
      HD_DEFAULT(hs.ColWidths().Count(), 0),
      HD_DEFAULT(hs.XHTML(), false),
      HD_DEFAULT(hs.ExportImages(), true),
  });
  for (const TFont* f : {&ps.Font(), &ps.HeaderFont(), &ps.FooterFont(), &ps.FixedFont()}) EXPECT_EQ(*f, TFont());
}

TEST(OutputSettings, PrintSettingsAssignCopiesAllButFixedCellsAlwaysByContent) {
  TPrintSettings source(nullptr);
  source.SetTime(ppTopLeft);
  source.SetPageNumSep("of");
  source.SetDateFormat("");
  source.Font().Size = 14;
  source.FixedFont().Name = "Arial";
  source.SetBorders(pbAroundVertical);
  source.SetBorderStyle(psDashDot);
  source.TitleLines().Add("A");
  source.TitleLines().Add("B");
  source.SetCentered(false);
  source.SetRightSize(150);
  source.SetOrientation(poLandscape);
  source.SetFitToPage(fpShrink);
  source.SetJobName("Job");
  source.SetMaxPagesOffset(3);
  source.SetUseDisplayFont(false);
  source.SetFixedCellsAlways(true);
  source.SetBorderColor(clRed);

  TPrintSettings ps(nullptr);
  ps.Assign(&source);
  EXPECT_EQ(ps.Time(), ppTopLeft);
  EXPECT_EQ(ps.PageNumSep(), "of");
  EXPECT_EQ(ps.DateFormat(), "");
  EXPECT_EQ(ps.Font().Size, 14);
  EXPECT_EQ(ps.FixedFont().Name, "Arial");
  EXPECT_EQ(ps.Borders(), pbAroundVertical);
  EXPECT_EQ(ps.BorderStyle(), psDashDot);
  EXPECT_EQ(ps.TitleLines().Text(), "A\r\nB\r\n");
  EXPECT_FALSE(ps.Centered());
  EXPECT_EQ(ps.RightSize(), 150);
  EXPECT_EQ(ps.Orientation(), poLandscape);
  EXPECT_EQ(ps.FitToPage(), fpShrink);
  EXPECT_EQ(ps.JobName(), "Job");
  EXPECT_EQ(ps.MaxPagesOffset(), 3);
  EXPECT_FALSE(ps.UseDisplayFont());
  EXPECT_FALSE(ps.FixedCellsAlways());
  EXPECT_EQ(ps.BorderColor(), clRed);
  source.TitleLines().Clear();
  EXPECT_EQ(ps.TitleLines().Count(), 2);

  TStringList lines;
  lines.Add("C");
  ps.SetTitleLines(lines);
  lines.Add("D");
  EXPECT_EQ(ps.TitleLines().Text(), "C\r\n");

  // Another kind is an invalid typecast and copies nothing.
  THTMLSettings other;
  EXPECT_THROW(ps.Assign(&other), EInvalidCast);
  EXPECT_THROW(ps.Assign(nullptr), EInvalidCast);
  EXPECT_EQ(ps.Time(), ppTopLeft);
}

TEST(OutputSettings, HTMLSettingsAssignKeepsExportImagesAndColumnWidths) {
  THTMLSettings source;
  source.SetBorderSize(2);
  source.SetCellSpacing(3);
  source.SetCellPadding(4);
  source.SetSaveColor(false);
  source.SetSaveFonts(false);
  source.SetFooterFile("f.html");
  source.SetHeaderFile("h.html");
  source.SetTableStyle("class=\"t\"");
  source.SetPrefixTag("<p>");
  source.SetSuffixTag("</p>");
  source.SetSummary("Requests");
  source.SetWidth(80);
  source.SetXHTML(true);
  source.SetConvertSpecialChars(true);
  source.SetAutoPreview(true);
  source.SetNonBreakingText(true);
  source.SetExportImages(false);
  source.ColWidths().Add(60);

  THTMLSettings hs;
  hs.Assign(&source);
  EXPECT_EQ(hs.BorderSize(), 2);
  EXPECT_EQ(hs.CellSpacing(), 3);
  EXPECT_EQ(hs.CellPadding(), 4);
  EXPECT_FALSE(hs.SaveColor());
  EXPECT_FALSE(hs.SaveFonts());
  EXPECT_EQ(hs.FooterFile(), "f.html");
  EXPECT_EQ(hs.HeaderFile(), "h.html");
  EXPECT_EQ(hs.TableStyle(), "class=\"t\"");
  EXPECT_EQ(hs.PrefixTag(), "<p>");
  EXPECT_EQ(hs.SuffixTag(), "</p>");
  EXPECT_EQ(hs.Summary(), "Requests");
  EXPECT_EQ(hs.Width(), 80);
  EXPECT_TRUE(hs.XHTML());
  EXPECT_TRUE(hs.ConvertSpecialChars());
  EXPECT_TRUE(hs.AutoPreview());
  EXPECT_TRUE(hs.NonBreakingText());
  EXPECT_TRUE(hs.ExportImages());
  EXPECT_EQ(hs.ColWidths().Count(), 0);

  TPrintSettings other(nullptr);
  hs.Assign(&other);
  EXPECT_EQ(hs.Width(), 80);
}

}  // namespace
}  // namespace hd

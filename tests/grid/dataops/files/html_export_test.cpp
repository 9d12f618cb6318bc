// The HTML export on an in-memory grid.
#include "grid/dataops/files/html_export.h"

#include <gtest/gtest.h>

#include "grid/dataops/testkit/memory_grid_host.h"
#include "grid/foundation/lists.h"
#include "platform/exceptions.h"
#include "platform/image_list.h"
#include "platform/jpeg_codec.h"
#include "platform/picture.h"
#include "platform/shell.h"
#include "platform/text_file.h"
#include "testkit/temp_folder.h"

namespace hd::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// Plain looks: Tahoma 8, no colours, top-aligned, no word wrap.
void PlainLooks(TMemoryGridHost& Host) {
  Host.defaultLook.Font.Color = kColorNotSet;
  Host.defaultLook.BrushColor = kColorNotSet;
  Host.fixedColor = 0x00C0C0C0;
}

// The lines of a document, without their CR LF.
std::vector<std::string> Lines(const std::string& Doc) {
  std::vector<std::string> out;
  std::size_t from = 0;
  for (std::size_t at = Doc.find("\r\n"); at != std::string::npos; at = Doc.find("\r\n", from)) {
    out.push_back(Doc.substr(from, at - from));
    from = at + 2;
  }
  EXPECT_EQ(from, Doc.size()) << "the document ends with CR LF";
  return out;
}

bool HasLine(const std::string& Doc, const std::string& Line) {
  for (const std::string& l : Lines(Doc))
    if (l == Line) return true;
  return false;
}

TEST(HtmlExportTest, SmallGridIsByteExact) {
  TMemoryGridHost host(Rows{{"h0", "", "  "}, {"a < b", "   ", "x\r\ny"}});
  PlainLooks(host);
  host.looks[{2, 1}] = host.defaultLook;
  host.looks[{2, 1}].WordWrap = true;
  host.looks[{2, 1}].HA = taRightJustify;
  EXPECT_EQ(TGridHtml(host).Document(""),
            "<style>\r\n"
            ".c0 {background-color: #C0C0C0;font-size:8pt;font-family: Tahoma;vertical-align: top}\r\n"
            ".c1 {font-size:8pt;font-family: Tahoma;vertical-align: top}\r\n"
            ".c2 {font-size:8pt;font-family: Tahoma;text-align: right;vertical-align: top}\r\n"
            "</style>\r\n"
            "<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\"  WIDTH=\"100%\">\r\n"
            "<TR>\r\n"
            "<TD class=\"c0\" nowrap>h0</td>\r\n"
            "<TD class=\"c0\" nowrap>&nbsp;</td>\r\n"
            "<TD class=\"c0\" nowrap>  </td>\r\n"
            "</TR>\r\n"
            "<TR>\r\n"
            "<TD class=\"c1\" nowrap>a < b</td>\r\n"
            "<TD class=\"c1\" nowrap>&nbsp;</td>\r\n"
            "<TD class=\"c2\">x<br>\ny</td>\r\n"
            "</TR>\r\n"
            "</TABLE>\r\n");
  // The header row goes before the start notification; every body row is announced.
  using S = std::pair<TGridExportState, int>;
  EXPECT_EQ(host.exports, (std::vector<S>{{esExportStart, 1}, {esExportNextRow, 1}, {esExportDone, -1}}));
}

TEST(HtmlExportTest, SettingsShapeTheDocument) {
  TMemoryGridHost host(Rows{{"h0", "h1"}, {"a < b & c", "x y"}});
  PlainLooks(host);
  THTMLSettings& s = host.htmlSettings;
  s.SetXHTML(true);
  s.SetPrefixTag("<body>");
  s.SetSuffixTag("</body>");
  s.SetSummary("sum");
  s.SetTableStyle("class=\"t\"");
  s.SetBorderSize(2);
  s.SetCellSpacing(3);
  s.SetCellPadding(4);
  s.SetWidth(50);
  s.SetConvertSpecialChars(true);
  s.SetNonBreakingText(true);
  s.SetSaveColor(false);
  s.ColWidths().Add(80);
  const std::string doc = TGridHtml(host).Document("");
  const std::vector<std::string> lines = Lines(doc);
  ASSERT_GE(lines.size(), 6U);
  EXPECT_EQ(lines[0], "<?xml version=\"1.0\" encoding=\"utf-8\"?>");
  EXPECT_EQ(lines[1], "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"");
  EXPECT_EQ(lines[2], "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">");
  EXPECT_EQ(lines[3], "<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">");
  EXPECT_EQ(lines[4], "<body><style>");
  EXPECT_EQ(lines[5], ".c0 {font-size:8pt;font-family: Tahoma;vertical-align: top}");
  EXPECT_TRUE(HasLine(doc, "<TABLE BORDER=\"2\" CELLSPACING=\"3\" CELLPADDING=\"4\" SUMMARY=\"sum\"  class=\"t\"  WIDTH=\"50%\">"));
  // The header row takes the listed width; body rows take none while a header row is written.
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c0\" nowrap WIDTH=80>h0</td>"));
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c0\" nowrap>a&nbsp;&lt;&nbsp;b&nbsp;&amp;&nbsp;c</td>"));
  EXPECT_EQ(lines[lines.size() - 3], "</TABLE>");
  EXPECT_EQ(lines[lines.size() - 2], "</body>");
  EXPECT_EQ(lines.back(), "</HTML>");

  // Without fixed cells the body starts at the first normal row and takes the widths.
  host.options.SaveFixedCells = false;
  const std::string body = TGridHtml(host).Document("");
  EXPECT_EQ(body.find("h0"), std::string::npos);
  EXPECT_TRUE(HasLine(body, "<TD class=\"c0\" nowrap width=80>a&nbsp;&lt;&nbsp;b&nbsp;&amp;&nbsp;c</td>"));
}

TEST(HtmlExportTest, MergedRangeIsOneCellWithSpans) {
  TMemoryGridHost host(Rows{{"a", "b", "c"}, {"m", "x", "c1"}, {"x", "x", "c2"}, {"x", "x", "c3"}}, 0);
  PlainLooks(host);
  host.options.SaveFixedCells = false;
  host.spans[{0, 1}] = TPoint{1, 2};
  host.covered = {{1, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}};
  const std::string doc = TGridHtml(host).Document("");
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c0\" COLSPAN=\"2\" ROWSPAN=\"3\" nowrap>m</td>"));
  EXPECT_EQ(doc.find(">x</td>"), std::string::npos);
  std::size_t cells = 0;
  for (std::size_t at = doc.find("<TD"); at != std::string::npos; at = doc.find("<TD", at + 1)) ++cells;
  EXPECT_EQ(cells, 12U - 5U);
}

TEST(HtmlExportTest, LinksFollowTheUrlSettings) {
  struct Case {
    std::string text;
    bool full;
    std::string out;
  };
  const std::vector<Case> cases{
      {"ftp://server/x", false, "<a href=ftp://server/x>server/x</a>"},
      {"ftp://server/x", true, "<a href=ftp://server/x>ftp://server/x</a>"},
      {"mailto:me@host", false, "<a href=mailto:me@host>me@host</a>"},
      {"<b>http://x</b>", false, "<b>http://x</b>"},
      {"plain text", false, "plain text"},
  };
  for (const Case& c : cases) {
    TMemoryGridHost host(Rows{{"h"}, {c.text}});
    PlainLooks(host);
    host.urlShow = true;
    host.urlFull = c.full;
    EXPECT_TRUE(HasLine(TGridHtml(host).Document(""), "<TD class=\"c1\" nowrap>" + c.out + "</td>")) << c.text;
  }
  // Without URLShow a link stays text.
  TMemoryGridHost host(Rows{{"h"}, {"http://x"}});
  PlainLooks(host);
  EXPECT_TRUE(HasLine(TGridHtml(host).Document(""), "<TD class=\"c1\" nowrap>http://x</td>"));
}

TEST(HtmlExportTest, StylesShareClassesOnlyWhenTheirTextsMatchIgnoringCase) {
  TMemoryGridHost host(Rows{{"a", "b", "c", "d"}}, 0);
  PlainLooks(host);
  host.options.SaveFixedCells = false;
  TCellExportLook bold = host.defaultLook;
  bold.Font.Style = {fsBold, fsItalic};
  bold.Font.Color = 0x000000FF;
  bold.BrushColor = 0x00FF8000;
  bold.VA = vtaCenter;
  TCellExportLook upper = host.defaultLook;
  upper.Font.Name = "TAHOMA";
  host.looks[{1, 0}] = bold;
  host.looks[{2, 0}] = upper;
  host.looks[{3, 0}] = host.defaultLook;
  host.looks[{3, 0}].VA = vtaBottom;
  host.looks[{3, 0}].HA = taCenter;
  const std::string doc = TGridHtml(host).Document("");
  EXPECT_TRUE(HasLine(doc, ".c1 {background-color: #0080FF;color: #FF0000;font-size:8pt;font-style: italic;"
                           "font-weight: bold;font-family: Tahoma;vertical-align: middle}"));
  EXPECT_TRUE(HasLine(doc, ".c2 {font-size:8pt;font-family: Tahoma;text-align: center;vertical-align: bottom}"));
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c0\" nowrap>c</td>"));
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c2\" nowrap>d</td>"));
}

TEST(HtmlExportTest, PicturesAreSavedAsNumberedJpegFiles) {
  TMemoryGridHost host(Rows{{"b1", "b2", "b3"}, {"listed", "2", "multi"}, {"pic", "node", "7"}}, 0);
  PlainLooks(host);
  host.options.SaveFixedCells = false;
  TBitmap bmp(4, 3);
  TCellGraphic bitmaps[3];
  for (int c = 0; c < 3; ++c) {
    bitmaps[c].SetCellType(ctBitmap);
    bitmaps[c].SetCellBitmap(&bmp);
    host.graphics[{c, 0}] = &bitmaps[c];
  }
  TImageList images(2, 2);
  images.Add(TBitmap(6, 2));
  host.gridImages = &images;
  TCellGraphic listed, data, multi, pic, node, badData;
  listed.SetCellType(ctImageList);
  listed.SetCellIndex(1);
  data.SetCellType(ctDataImage);
  multi.SetCellType(ctImages);
  auto* indexes = new TIntList(0, 0);
  indexes->Add(0);
  indexes->Add(9);
  indexes->Add(2);
  multi.SetCellBitmap(static_cast<TObject*>(indexes));
  TPicture jpeg;
  const std::string jpegBytes = jpeg::Encode(TBitmap(5, 5), 60);
  jpeg.LoadFromMemory(jpegBytes);
  pic.SetCellType(ctPicture);
  pic.SetCellBitmap(&jpeg);
  node.SetCellType(ctNode);
  badData.SetCellType(ctDataImage);
  host.graphics[{0, 1}] = &listed;
  host.graphics[{1, 1}] = &data;
  host.graphics[{2, 1}] = &multi;
  host.graphics[{0, 2}] = &pic;
  host.graphics[{1, 2}] = &node;
  host.graphics[{2, 2}] = &badData;

  testkit::TempFolder dir;
  const std::string base = dir.Path() + "/";
  const std::string doc = TGridHtml(host).Document(base);
  const auto tag = [&](int k) { return "<img src= \"file://" + base + "images/img" + std::to_string(k) + ".jpg\">"; };
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c0\" nowrap>b1" + tag(1) + "</td>"));
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c0\" nowrap>b3" + tag(3) + "</td>"));
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c0\" nowrap>" + tag(4) + "listed</td>"));
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c0\" nowrap>" + tag(5) + "</td>"));  // the data image: no text
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c0\" nowrap>" + tag(6) + tag(7) + "multi</td>"));
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c0\" nowrap>pic" + tag(8) + "</td>"));
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c0\" nowrap>+node</td>"));
  EXPECT_TRUE(HasLine(doc, "<TD class=\"c0\" nowrap></td>"));  // a data image outside the list
  for (int k = 1; k <= 8; ++k) {
    const std::string file = dir.Read("images/img" + std::to_string(k) + ".jpg");
    EXPECT_TRUE(jpeg::IsJpeg(file)) << k;
  }
  EXPECT_EQ(dir.Read("images/img8.jpg"), jpegBytes);
  EXPECT_TRUE(dir.Read("images/img9.jpg").empty());

  // Without ExportImages the cells give their texts alone.
  host.htmlSettings.SetExportImages(false);
  EXPECT_TRUE(HasLine(TGridHtml(host).Document(base), "<TD class=\"c0\" nowrap>node</td>"));

  // A folder that cannot be made is named.
  host.htmlSettings.SetExportImages(true);
  const std::string blocked = dir.Write("file", "x") + "/";
  try {
    TGridHtml(host).Document(blocked);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create " + blocked + "images");
  }
}

class TRecordingShell : public TShellSink {
 public:
  bool Open(const TShellRequest& Request) override {
    files.push_back(Request.File);
    return true;
  }
  std::vector<std::string> files;
};

TEST(HtmlExportTest, FilesKeepTheirEncodingAndSurroundings) {
  TMemoryGridHost host(Rows{{"h"}, {"café €"}});
  PlainLooks(host);
  testkit::TempFolder dir;
  host.htmlSettings.SetHeaderFile(dir.Write("head.txt", "<html>\r\n<body>\r\n"));
  host.htmlSettings.SetFooterFile(dir.Write("foot.txt", "</body>\n</html>\n"));
  const std::string doc = TGridHtml(host).Document(dir.Path() + "/");

  // ASCII keeps every character as a reference.
  TGridHtml(host).Save(dir.File("a.htm"), false, false, false);
  const std::string ascii = dir.Read("a.htm");
  EXPECT_EQ(ascii, "<html>\r\n<body>\r\n" + HtmlAsciiText(doc) + "\r\n</body>\r\n</html>\r\n");
  EXPECT_NE(ascii.find("caf&#233; &#8364;"), std::string::npos);

  // UTF-16LE with its mark; an append keeps the lines already there.
  host.htmlSettings.SetHeaderFile("");
  host.htmlSettings.SetFooterFile("");
  dir.Write("u.htm", "first line\r\n");
  TGridHtml(host).Save(dir.File("u.htm"), false, true, true);
  const std::string unicode = dir.Read("u.htm");
  ASSERT_GE(unicode.size(), 2U);
  EXPECT_EQ(unicode.substr(0, 2), "\xFF\xFE");
  EXPECT_EQ(DecodeText(unicode), "first line\r\n" + doc + "\r\n");

  // An append to a missing file writes the document alone, and Show opens it.
  TRecordingShell shell;
  TShellSink* old = SetShellSink(&shell);
  TGridHtml(host).Save(dir.File("new.htm"), true, false, true);
  SetShellSink(old);
  EXPECT_EQ(dir.Read("new.htm"), HtmlAsciiText(doc) + "\r\n");
  EXPECT_EQ(shell.files, (std::vector<std::string>{"file://" + dir.File("new.htm")}));

  // A header file that cannot be read fails the save and writes nothing.
  host.htmlSettings.SetHeaderFile(dir.File("missing.txt"));
  EXPECT_THROW(TGridHtml(host).Save(dir.File("x.htm"), false, false, false), EFOpenError);
  EXPECT_TRUE(dir.Read("x.htm").empty());
}

}  // namespace
}  // namespace hd::test

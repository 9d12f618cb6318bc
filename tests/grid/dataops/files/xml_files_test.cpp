// XML files on an in-memory grid.
#include "grid/dataops/files/xml_files.h"

#include <gtest/gtest.h>

#include "grid/dataops/testkit/memory_grid_host.h"
#include "platform/exceptions.h"
#include "testkit/temp_folder.h"

namespace hd::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

TEST(XmlFilesTest, SaveIsByteExact) {
  TMemoryGridHost host(Rows{{"a & b", "", "merged"}, {"<x>", "say \"é\"", "covered"}});
  host.covered = {{2, 1}};
  testkit::TempFolder dir;
  TGridXml(host).Save(dir.File("x.xml"), "list", "rec", nullptr, false);
  EXPECT_EQ(dir.Read("x.xml"),
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<list>\r\n"
            "<rec>\r\n<FIELD0>a $amp; b</FIELD0>\r\n<FIELD2>merged</FIELD2>\r\n</rec>\r\n"
            "<rec>\r\n<FIELD0>&lt;x&gt;</FIELD0>\r\n<FIELD1>say &quot;\xE9&quot;</FIELD1>\r\n</rec>\r\n"
            "</list>\r\n");
  TStringList names;
  names.Add("name");
  TGridXml(host).Save(dir.File("n.xml"), "l", "r", &names, true);
  const std::string named = dir.Read("n.xml");
  EXPECT_NE(named.find("<name>a $amp; b</name>\r\n<FIELD1>&quot;&quot;</FIELD1>"), std::string::npos);
}

TEST(XmlFilesTest, EveryTextTheWriterMadeReadsBack) {
  TMemoryGridHost host(Rows{{"h0", "h1"}, {"a & b", "&gt;"}, {"", "x\r\ny <\"é\">"}});
  testkit::TempFolder dir;
  TGridXml(host).Save(dir.File("x.xml"), "list", "rec", nullptr, true);
  TMemoryGridHost back(Rows{{"", "", "", "", "", ""}, {"", "", "", "", "", ""}, {"", "", "", "", "", ""}, {"", "", "", "", "", ""}});
  back.options.SaveFixedCells = false;
  TGridXml(back).Load(dir.File("x.xml"), false, false);
  EXPECT_EQ(back.ColCount(), 2);
  EXPECT_EQ(back.RowCount(), 4);
  EXPECT_EQ(Texts(back.rows[1].texts.begin(), back.rows[1].texts.begin() + 2), (Texts{"h0", "h1"}));
  EXPECT_EQ(Texts(back.rows[2].texts.begin(), back.rows[2].texts.begin() + 2), (Texts{"a & b", "&gt;"}));
  // Line ends come back as the parser normalises them.
  EXPECT_EQ(Texts(back.rows[3].texts.begin(), back.rows[3].texts.begin() + 2), (Texts{"", "x\ny <\"é\">"}));
  EXPECT_EQ(back.allCellsChanged, 1);
}

TEST(XmlFilesTest, AttributesAndLeafRecordsWithTheirNamesInTheHeader) {
  testkit::TempFolder dir;
  const std::string attrs =
      dir.Write("a.xml", "<list><r a=\"1\" b=\"x &amp; y\"/><r a=\"2\" b=\"3\"/></list>");
  TMemoryGridHost host(Rows{{"", "", ""}, {"", "", ""}});
  TGridXml(host).Load(attrs, false, false);
  // Row offset 0 with the fixed cells saved: the names go into the empty header cells
  // before the first record's values land on them.
  EXPECT_EQ(host.rows[0].texts, (Texts{"1", "x & y", ""}));
  EXPECT_EQ(host.rows[1].texts, (Texts{"2", "3", ""}));
  EXPECT_EQ(host.ColCount(), 2);
  EXPECT_EQ(host.RowCount(), 2);

  TMemoryGridHost described(Rows{{"", ""}, {"", ""}});
  TGridXml(described).Load(dir.Write("l.xml", "<list><item><v>7</v></item><item><v>8</v></item></list>"), false,
                           true);
  EXPECT_EQ(described.Column(0), (Texts{"item", "7", "8"}));

  TMemoryGridHost levels(Rows{{""}});
  levels.options.SaveFixedCells = false;
  levels.fixedRows = 0;
  TGridXml(levels).Load(dir.Write("v.xml", "<l><r><a>1</a><b>2</b></r><r><a>3</a><b>4</b></r></l>"), true, false);
  EXPECT_EQ(levels.rows[0].texts, (Texts{"1", "2"}));
  EXPECT_EQ(levels.rows[1].texts, (Texts{"3", "4"}));
}

TEST(XmlFilesTest, FailuresNameTheirCause) {
  testkit::TempFolder dir;
  TMemoryGridHost host(Rows{{"keep"}});
  try {
    TGridXml(host).Load(dir.File("none.xml"), false, false);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "XML file not found");
  }
  try {
    TGridXml(host).Load(dir.Write("bad.xml", "<?xml version=\"1.0\"?>\r\n<list>\r\n<r>\r\n</list>\r\n"), false, false);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(std::string(e.Message()).substr(0, 21), "XMLDOM Parsing error ");
    EXPECT_EQ(std::string(e.Message()).substr(std::string(e.Message()).find(" on line ")), " on line 4");
  }
  EXPECT_EQ(host.Text(0, 0), "keep");
}

// A file declared ISO-8859-1 is read in the code page it was written in, even where its
// bytes would also be UTF-8.
TEST(XmlFilesTest, DeclaredLatinFilesReadInTheirCodePage) {
  testkit::TempFolder dir;
  TMemoryGridHost host(Rows{{"", ""}});
  host.options.SaveFixedCells = false;
  host.fixedRows = 0;
  TGridXml(host).Load(dir.Write("l.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?><l><r><a>\xC3\xA9</a>"
                                         "<b>\xE9</b></r></l>"),
                      false, false);
  EXPECT_EQ(host.rows[0].texts, (Texts{"Ã©", "é"}));
}

}  // namespace
}  // namespace hd::test

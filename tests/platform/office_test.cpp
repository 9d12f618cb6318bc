// The office stand-in's files: workbook packages as other writers make them, values kept
// through a save, and elements placed among others by the XML layer.
#include "platform/office.h"

#include <gtest/gtest.h>

#include "platform/office_p.h"
#include "platform/xml.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

TEST(OfficeTest, XmlElementsGoBeforeTheChildNamed) {
  TXmlDocument doc;
  TXmlNode root = doc.AddChild("r");
  TXmlNode b = root.AddChild("b");
  root.InsertChild("a", b);
  root.InsertChild("c", TXmlNode());
  EXPECT_EQ(doc.SaveToString(xlCompact), "<r><a/><b/><c/></r>");
}

// A package with prefixed names, shared strings with rich-text runs, a sheet target given from
// the package root, and rows and cells without their references.
TEST(OfficeTest, WorkbookPackagesOfOtherWritersRead) {
  const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
  const std::string bytes = office::WriteZip({
      {"_rels/.rels", "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                      "<Relationship Id=\"r1\" Type=\"" + rel + "/officeDocument\" Target=\"book/main.xml\"/></Relationships>"},
      {"book/main.xml", "<x:workbook xmlns:x=\"m\" xmlns:r=\"" + rel + "\"><x:sheets>"
                        "<x:sheet name=\"One\" sheetId=\"1\" r:id=\"s1\"/></x:sheets></x:workbook>"},
      {"book/_rels/main.xml.rels", "<Relationships xmlns=\"p\"><Relationship Id=\"s1\" Type=\"" + rel +
                                       "/worksheet\" Target=\"/book/s/one.xml\"/><Relationship Id=\"ss\" Type=\"" + rel +
                                       "/sharedStrings\" Target=\"strings.xml\"/></Relationships>"},
      {"book/strings.xml", "<x:sst xmlns:x=\"m\"><x:si><x:t>plain</x:t></x:si>"
                           "<x:si><x:r><x:t>ri</x:t></x:r><x:r><x:t>ch</x:t></x:r><x:rPh><x:t>no</x:t></x:rPh></x:si></x:sst>"},
      {"book/s/one.xml", "<x:worksheet xmlns:x=\"m\"><x:sheetData>"
                         "<x:row><x:c t=\"s\"><x:v>1</x:v></x:c><x:c><x:v>2.25</x:v></x:c></x:row>"
                         "<x:row r=\"3\"><x:c r=\"C3\" t=\"s\"><x:v>0</x:v></x:c><x:c t=\"str\"><x:v>f</x:v></x:c></x:row>"
                         "</x:sheetData></x:worksheet>"},
  });
  testkit::TempFolder dir;
  auto book = TWorkBook::Open(dir.Write("other.xlsx", bytes));
  TWorkSheet& sheet = book->ActiveSheet();
  EXPECT_EQ(sheet.Name(), "One");
  EXPECT_EQ(sheet.UsedRange().Address(), "$A$1:$D$3");
  EXPECT_EQ(sheet.Cell(1, 1).AsText(), "rich");
  EXPECT_EQ(sheet.Cell(1, 2).AsText(), "2.25");
  EXPECT_EQ(sheet.Cell(3, 3).AsText(), "plain");
  EXPECT_EQ(sheet.Cell(3, 4).AsText(), "f");

  EXPECT_THROW(TWorkBook::Open(dir.Write("cut.xlsx", bytes.substr(0, bytes.size() / 2))), EOleError);
  EXPECT_THROW(TWorkBook::Open(dir.Write("cut.xls", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + "junk")), EOleError);
}

TEST(OfficeTest, WorkbookValuesSurviveASave) {
  TWorkBook book;
  TWorkSheet& s = book.Sheets(1);
  s.SetCell(1, 1, TOleValue::FromNumber(1e-7));
  TOleValue flag;
  flag.Kind = TOleValue::ovBoolean;
  flag.Number = 0;
  s.SetCell(1, 2, flag);
  TOleValue error;
  error.Kind = TOleValue::ovError;
  error.Text = "#N/A";
  s.SetCell(2, 1, error);
  s.SetCell(2, 28, TOleValue::FromText(" tab\tand\x01 \xE9"));  // not UTF-8: read as Windows-1252
  book.WorkSheetsAdd().SetName("A & B");
  testkit::TempFolder dir;
  book.SaveAs(dir.File("v.xlsx"));
  auto back = TWorkBook::Open(dir.File("v.xlsx"));
  ASSERT_EQ(back->SheetCount(), 2);
  EXPECT_EQ(back->Sheets(1).Name(), "A & B");
  const TWorkSheet& t = back->Sheets(2);
  EXPECT_EQ(t.Cell(1, 1).AsText(), "1e-07");
  EXPECT_EQ(t.Cell(1, 2).AsText(), "False");
  EXPECT_TRUE(t.Cell(2, 1).IsError());
  EXPECT_EQ(t.Cell(2, 28).AsText(), " tab\tand  \xC3\xA9");
  EXPECT_EQ(back->Sheets(2).Range("A1:AB2").Value().Cols(), 28);
  EXPECT_THROW(back->Sheets(2).Range("A1:"), EOleError);
}

TEST(OfficeTest, TypedTextKeepsItsLines) {
  TWordDocument doc;
  doc.TypeText("one\r\ntwo");
  doc.TypeParagraph();
  EXPECT_EQ(doc.BlockCount(), 2);
  EXPECT_NE(doc.BodyXml().find("one</w:t><w:br/><w:t xml:space=\"preserve\">two"), std::string::npos) << doc.BodyXml();
  EXPECT_FALSE(doc.BookmarksExists("x"));
  EXPECT_THROW(doc.Goto(-1, "x"), EOleError);
}

}  // namespace
}  // namespace hd

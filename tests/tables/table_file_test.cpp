#include "tables/table_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "tables/modbus_tcp_master_table.h"
#include "tables/testkit/memory_table.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

using testkit::MemoryTable;
using testkit::TempFolder;
using Rows = std::vector<std::vector<std::string>>;

const std::vector<std::string> kReadRow = {"192.168.1.125", "502", "1", "Holding Register", "0", "2", "100",
                                           "3", "0", "", "N", "N", "m"};
const std::vector<std::string> kWriteRow = {"10.0.0.7", "502", "2", "Coil Status", "16", "9", "0", "Y",
                                            "5", "4", "3", "N", "Y", "Y", ""};

const char kReadAttrs[] =
    R"(IP_Address="192.168.1.125" Port="502" Slave_ID="1" Type="Holding Register" Address="0" NPoint="2" )"
    R"(PollTime="100" MaxError="3" Position="0" Bit="" Swap="N" Swap_Word="N" Mnemonic="m")";
const char kWriteAttrs[] =
    R"(IP_Address="10.0.0.7" Port="502" Slave_ID="2" Type="Coil Status" Address="16" NPoint="9" )"
    R"(PollTime="0" OnChange="Y" MaxError="5" Position="4" Bit="3" Swap="N" Swap_Word="Y" Force_F16="Y" )"
    R"(Mnemonic="")";

std::string RequestFile(const std::string& read, const std::string& write) {
  return "<EtherNetIP_to_Modbus_TCP_Master><Modbus_Read>" + read + "</Modbus_Read><Modbus_Write>" + write +
         "</Modbus_Write></EtherNetIP_to_Modbus_TCP_Master><!--SW_VERSION = 1.300-->";
}

std::string Row(const std::string& attrs) { return "<row " + attrs + "/>"; }

// Every row but the expected ones is empty and every row keeps its number.
void ExpectTable(const MemoryTable& t, const Rows& expected) {
  for (int r = 1; r < t.RowCount(); ++r) {
    SCOPED_TRACE("row " + std::to_string(r));
    ASSERT_EQ(t.Cells(0, r), std::to_string(r));
    if (r <= static_cast<int>(expected.size()))
      ASSERT_EQ(t.Row(r), expected[static_cast<std::size_t>(r - 1)]);
    else
      ASSERT_EQ(t.Row(r), std::vector<std::string>(static_cast<std::size_t>(t.ColCount() - 1)));
  }
}

class RequestFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return tmp_.File("ModbusTCPM_SetAccess.xml"); }
  std::string Load() { return LoadTableFile(ModbusTCPM_SetAccess_File(), Path(), {read_, write_}); }
  void Save() { SaveTableFile(ModbusTCPM_SetAccess_File(), Path(), {read_, write_}); }

  TempFolder tmp_;
  MemoryTable read_{14};
  MemoryTable write_{16};
};

TEST_F(RequestFileTest, RoundTripWritesTheWholeDocumentAndStopsAtTheFirstBlankKey) {
  std::vector<std::string> spaced = kReadRow;
  spaced[0] = " 192.168.1.2 ";  // values are written untrimmed
  spaced[3] = "Input Status";
  spaced[9] = "7";
  spaced[12] = " a & <b> \"c\" ";
  read_.SetRow(1, kReadRow);
  read_.SetRow(2, spaced);
  read_.SetRow(3, {" \t "});  // a blank key ends the table ...
  read_.SetRow(4, kReadRow);  // ... so this row is neither written nor kept
  write_.SetRow(1, kWriteRow);
  Save();

  const std::string spacedAttrs =
      R"(IP_Address=" 192.168.1.2 " Port="502" Slave_ID="1" Type="Input Status" Address="0" NPoint="2" )"
      R"(PollTime="100" MaxError="3" Position="0" Bit="7" Swap="N" Swap_Word="N" )"
      R"(Mnemonic=" a &amp; &lt;b> &quot;c&quot; ")";
  EXPECT_EQ(tmp_.Read("ModbusTCPM_SetAccess.xml"),
            RequestFile(Row(kReadAttrs) + Row(spacedAttrs), Row(kWriteAttrs)));

  // Loading again shows the file, not what the grids held.
  EXPECT_EQ(Load(), "");
  ExpectTable(read_, {kReadRow, spaced});
  ExpectTable(write_, {kWriteRow});
}

TEST_F(RequestFileTest, AnUntouchedCheckBoxIsWrittenNAndAnEmptyOneStillReadsEmpty) {
  std::vector<std::string> untouched = kWriteRow;
  untouched[7] = untouched[11] = untouched[12] = untouched[13] = "";  // OnChange, Swap, Swap_Word, Force_F16
  untouched[14] = "";
  write_.SetRow(1, untouched);
  std::vector<std::string> readRow = kReadRow;
  readRow[9] = "";  // the start bit is no check box: it stays empty
  readRow[10] = readRow[11] = "";
  read_.SetRow(1, readRow);
  Save();
  const std::string file = tmp_.Read("ModbusTCPM_SetAccess.xml");
  EXPECT_NE(file.find(R"(Bit="" Swap="N" Swap_Word="N" Mnemonic="m")"), std::string::npos) << file;
  EXPECT_NE(file.find(R"(PollTime="0" OnChange="N" MaxError="5")"), std::string::npos) << file;
  EXPECT_NE(file.find(R"(Swap="N" Swap_Word="N" Force_F16="N" Mnemonic="")"), std::string::npos) << file;

  // A file that holds "" for a box reads as not ticked, as it always did.
  std::string empty = kReadAttrs;
  empty.replace(empty.find(R"(Swap="N")"), 8, R"(Swap="")");
  tmp_.Write("ModbusTCPM_SetAccess.xml", RequestFile(Row(empty), ""));
  EXPECT_EQ(Load(), "");
  EXPECT_EQ(read_.Cells(11, 1), "");
}

TEST_F(RequestFileTest, EmptyTablesKeepTheirSections) {
  read_.SetRow(2, kReadRow);  // below an empty row 1
  Save();
  EXPECT_EQ(tmp_.Read("ModbusTCPM_SetAccess.xml"),
            "<EtherNetIP_to_Modbus_TCP_Master><Modbus_Read/><Modbus_Write/></EtherNetIP_to_Modbus_TCP_Master>"
            "<!--SW_VERSION = 1.300-->");
  EXPECT_EQ(Load(), "");
  ExpectTable(read_, {});
}

TEST_F(RequestFileTest, LoaderDefaultsAndFailures) {
  const std::string noSwap =
      R"(IP_Address="1.2.3.4" Port="502" Slave_ID="1" Type="Coil Status" Address="0" NPoint="1" )"
      R"(PollTime="1" MaxError="0" Position="0" Bit="0" Mnemonic="old")";
  const std::string noPort =
      R"(IP_Address="1.2.3.5" Slave_ID="1" Type="Coil Status" Address="0" NPoint="1" )"
      R"(PollTime="1" MaxError="0" Position="0" Bit="0" Swap="N" Swap_Word="N" Mnemonic="")";
  const std::string oldWrite =
      R"(IP_Address="1.2.3.4" Port="502" Slave_ID="1" Type="Coil Status" Address="0" NPoint="1" )"
      R"(PollTime="1" OnChange="N" MaxError="0" Position="0" Bit="0" Mnemonic="old")";
  const std::string noOnChange =
      R"(IP_Address="10.0.0.7" Port="502" Slave_ID="2" Type="Coil Status" Address="16" NPoint="9" )"
      R"(PollTime="0" MaxError="5" Position="4" Bit="3" Swap="N" Swap_Word="Y" Force_F16="Y" Mnemonic="")";
  const std::vector<std::string> noSwapRow = {"1.2.3.4", "502", "1", "Coil Status", "0", "1", "1",
                                              "0",       "0",   "0", "N", "N",          "old"};
  const std::vector<std::string> oldWriteRow = {"1.2.3.4", "502", "1", "Coil Status", "0", "1", "1", "N",
                                                "0",       "0",   "0", "N", "N",          "N", "old"};
  const std::string readOnly = "<EtherNetIP_to_Modbus_TCP_Master><Modbus_Read>" + Row(kReadAttrs) +
                               "</Modbus_Read></EtherNetIP_to_Modbus_TCP_Master>";
  struct Case {
    const char* name;
    std::optional<std::string> content;  // none: no file
    Rows read, write;
    const char* error;  // a part of the error text; null: no error
  } cases[] = {
      {"no file", std::nullopt, {}, {}, nullptr},
      {"rows of an earlier version take N for the missing flags", RequestFile(Row(noSwap), Row(oldWrite)),
       {noSwapRow}, {oldWriteRow}, nullptr},
      {"a missing required attribute ends the loading where it stands",
       RequestFile(Row(kReadAttrs) + Row(noPort) + Row(kReadAttrs), Row(kWriteAttrs)),
       {kReadRow, {"1.2.3.5", "", "", "", "", "", "", "", "", "", "", "", ""}},
       {},
       "row 2 of \"Modbus_Read\" has no attribute \"Port\""},
      // A write request's on-change flag has no default: a file without it is not one the window wrote.
      {"a write row without OnChange ends the loading there",
       RequestFile(Row(kReadAttrs), Row(noOnChange) + Row(kWriteAttrs)),
       {kReadRow},
       {{"10.0.0.7", "502", "2", "Coil Status", "16", "9", "0", "", "", "", "", "", "", "", ""}},
       "row 1 of \"Modbus_Write\" has no attribute \"OnChange\""},
      {"a missing section", readOnly, {kReadRow}, {}, "\"Modbus_Write\" is missing"},
      {"comments and text are not rows, elements of any name are",
       RequestFile("<!--off-->" + Row(kReadAttrs) + "text<Row " + kReadAttrs + " Extra=\"x\"/>", ""),
       {kReadRow, kReadRow}, {}, nullptr},
      // Hand-edited files often start so; they showed empty grids that OK then saved.
      {"a declaration and comments before the root are skipped",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!--c-->\n" + RequestFile(Row(kReadAttrs), ""), {kReadRow}, {},
       nullptr},
      {"no root element", "<!--only a comment-->", {}, {}, "No document element"},
      {"a reference to NUL is refused, not cut",
       RequestFile(Row(std::string(kReadAttrs).replace(std::string(kReadAttrs).find("\"m\""), 3, "\"m&#0;x\"")), ""),
       {}, {}, "names no character"},
      {"not well-formed", "<EtherNetIP_to_Modbus_TCP_Master><Modbus_Read>", {}, {}, "ModbusTCPM_SetAccess.xml"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFile(Path());
    if (c.content) tmp_.Write("ModbusTCPM_SetAccess.xml", *c.content);
    read_.SetRow(5, kReadRow);  // what a previous showing left
    const std::string error = Load();
    if (c.error)
      EXPECT_NE(error.find(c.error), std::string::npos) << error;
    else
      EXPECT_EQ(error, "");
    ExpectTable(read_, c.read);
    ExpectTable(write_, c.write);
  }
}

// A 20,000-row file showed 512 rows without a word, and OK then dropped the rest.
TEST_F(RequestFileTest, RowsBeyondTheGridAreNamedWhenShown) {
  std::string rows;
  for (int i = 0; i < 515; ++i) rows += "<row IP_Address=\"10.0.0." + std::to_string(i % 256) + "\" " +
                                        std::string(kReadAttrs).substr(std::string(kReadAttrs).find("Port")) + "/>";
  tmp_.Write("ModbusTCPM_SetAccess.xml", RequestFile(rows, Row(kWriteAttrs)));
  // The memory table raises on any cell outside it.
  EXPECT_EQ(Load(), "Cannot load \"" + Path() +
                        "\": \"Modbus_Read\" holds 515 rows but the table takes 512; only the first 512 are kept, "
                        "and OK saves only those.");
  EXPECT_EQ(read_.Cells(1, 512), "10.0.0.255");
  EXPECT_EQ(write_.Row(1), kWriteRow);
}

TEST_F(RequestFileTest, SavingWithoutAPathWritesNoFile) {
  const std::string parGen = "<Par_Gen><EtherNetIP_NB_Input>20</EtherNetIP_NB_Input></Par_Gen>";
  tmp_.Write("ParGen.xml", parGen);
  read_.SetRow(1, kReadRow);
  EXPECT_THROW(SaveTableFile(ModbusTCPM_SetAccess_File(), "", {read_, write_}), EFCreateError);
  EXPECT_EQ(ListFiles(tmp_.Path()), std::vector<std::string>{"ParGen.xml"});
  EXPECT_EQ(tmp_.Read("ParGen.xml"), parGen);
}

// A single-grid table without a version whose key may or may not be trimmed.
TTableFile FrameTable(bool trimKey, int keyColumn = 1) {
  TTableColumn key, value;
  key.Attribute = "K";
  value.Attribute = "V";
  value.Required = false;
  value.Default = "0";
  TTableFile file;
  file.Root = "Frames";
  file.KeyColumn = keyColumn;
  file.TrimKey = trimKey;
  file.Sections = {{"", {key, value}}};
  return file;
}

TEST(TableFile, TheFirstEmptyKeyEndsTheTable) {
  struct Case {
    const char* name;
    std::string key;  // of row 2, between two used rows
    bool trim;
    int keyColumn;
    int used;
  } cases[] = {
      {"empty key, trimmed", "", true, 1, 1},
      {"blanks and a tab, trimmed", " \t ", true, 1, 1},
      {"empty key, untrimmed", "", false, 1, 1},
      {"a blank, untrimmed", " ", false, 1, 3},
      {"no key column: every row", "", true, 0, 512},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryTable t(3);
    t.SetRow(1, {"a", "1"});
    t.SetRow(2, {c.key, "2"});
    t.SetRow(3, {"c", "3"});
    TTableFile file = FrameTable(c.trim, c.keyColumn);
    EXPECT_EQ(UsedRowCount(file, t), c.used);
  }
  MemoryTable full(3);
  for (int r = 1; r < full.RowCount(); ++r) full.SetRow(r, {"k", ""});
  EXPECT_EQ(UsedRowCount(FrameTable(true), full), 512);
}

TEST(TableFile, RowsUnderTheRootWithoutAVersion) {
  TempFolder tmp;
  MemoryTable t(3);
  t.SetRow(1, {" ", ""});
  t.SetRow(2, {"b", " 2 "});
  SaveTableFile(FrameTable(false), tmp.File("f.xml"), {t});
  EXPECT_EQ(tmp.Read("f.xml"), R"(<Frames><row K=" " V=""/><row K="b" V=" 2 "/></Frames>)");

  tmp.Write("f.xml", R"(<Frames><row K="x"/><row V="5"/><row K="z"/></Frames>)");
  EXPECT_NE(LoadTableFile(FrameTable(false), tmp.File("f.xml"), {t}).find("row 2 of the table"),
            std::string::npos);
  ExpectTable(t, {{"x", "0"}});
}

}  // namespace
}  // namespace hd

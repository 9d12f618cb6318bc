// The SDO client table: its check on tables in memory, where the write table's address bytes
// sit one column to the right, and the window opened by its step with its file coming back
// whole, the On Change check box included.
#include "tables/sdo_client_form.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/testkit/memory_table.h"
#include "tables/testkit/two_table_cases.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

using testkit::FirstTable;
using testkit::MemoryTable;
using testkit::SecondTable;

constexpr const char* kFile = "SDO_Client.xml";

// Device_ID, Index, SubIndex, NByte, Poll_Time, Address_B1 to B4, Mnemonic
const std::vector<std::string> kRead = {"1", "0x1000", "0", "4", "0", "6", "7", "8", "9", "m"};
// Device_ID, Index, SubIndex, NByte, Poll_Time, On_Change, Address_B1 to B4, Mnemonic
const std::vector<std::string> kWrite = {"127", "0xFFFF", "255", "1", "100000000", "Y", "19", "x", "", "", "w"};

TEST(SdoClientCheck, FirstFailedTestOfEachTransfer) {
  // The read table's address bytes are bounded by 9, the write table's by 19.
  const std::vector<testkit::TTwoTableCase> cases = {
      {"valid transfers", {}, {}, std::nullopt},
      {"ID Device 0", {{1, "0"}}, {}, FirstTable(1032)},
      {"ID Device 128", {{1, "128"}}, {}, FirstTable(1032)},
      {"Index 0x0FFF", {{2, "0x0FFF"}}, {}, FirstTable(1033)},
      {"Index 0x10000", {{2, "0x10000"}}, {}, FirstTable(1033)},
      {"SubIndex 256", {{3, "256"}}, {}, FirstTable(1034)},
      {"N Byte 3", {{4, "3"}}, {}, FirstTable(1035)},
      {"no Poll Time", {{5, ""}}, {}, FirstTable(1036)},
      {"Poll Time 100000001", {{5, "100000001"}}, {}, FirstTable(1036)},
      {"Add Byte1 10 of 10 bytes", {{6, "10"}}, {}, FirstTable(1037, 9)},
      {"Add Byte4 10 of 10 bytes", {{9, "10"}}, {}, FirstTable(1040, 9)},
      {"N Byte 2 leaves Add Byte3 and 4 alone", {{4, "2"}, {8, "x"}, {9, "x"}}, {}, std::nullopt},
      {"a blank ID Device ends the read table, the write table is still tested", {{1, " "}, {2, ""}}, {{1, "0"}},
       SecondTable(1041)},
      {"write Index 0x0FFF", {}, {{2, "0x0FFF"}}, SecondTable(1042)},
      {"write SubIndex -1", {}, {{3, "-1"}}, SecondTable(1043)},
      {"write N Byte 0", {}, {{4, "0"}}, SecondTable(1044)},
      {"write Poll Time -1", {}, {{5, "-1"}}, SecondTable(1045)},
      {"On Change is not tested", {}, {{6, "?"}}, std::nullopt},
      {"write Add Byte1 20 of 20 bytes", {}, {{7, "20"}}, SecondTable(1046, 19)},
      {"write N Byte 2 tests Add Byte2", {}, {{4, "2"}}, SecondTable(1047, 19)},
      {"write N Byte 4, Add Byte3 20", {}, {{4, "4"}, {8, "0"}, {9, "20"}}, SecondTable(1048, 19)},
      {"write N Byte 4, Add Byte4 empty", {}, {{4, "4"}, {8, "0"}, {9, "0"}}, SecondTable(1049, 19)},
  };
  testkit::ExpectTwoTableCases(cases, testkit::TableWithRow(11, 257, kRead), testkit::TableWithRow(12, 257, kWrite),
                               [](MemoryTable& a, MemoryTable& b) { return Check_SDO_Client(a, b, 9, 19); });
}

class SdoClientFormTest : public testkit::TableWindowFixture {};

TEST_F(SdoClientFormTest, TransfersRoundTripAsAWholeDocument) {
  const std::string read1 =
      R"(<row Device_ID="5" Index="0x6040" SubIndex="0" NByte="2" Poll_Time="100" Address_B1="0" )"
      R"(Address_B2="1" Address_B3="" Address_B4="" Mnemonic="control word"/>)";
  const std::string write1 =
      R"(<row Device_ID=" 127" Index="4096" SubIndex="255" NByte="4" Poll_Time="0" On_Change="Y" )"
      R"(Address_B1="496" Address_B2="497" Address_B3="498" Address_B4="499" Mnemonic=""/>)";
  const std::string write2 =
      R"(<row Device_ID="1" Index="$1000" SubIndex="1" NByte="1" Poll_Time="5" On_Change="N" )"
      R"(Address_B1="3" Address_B2="" Address_B3="" Address_B4="" Mnemonic="lamp &amp; horn"/>)";
  const std::string document = "<EtherNetIP_to_SDO_CANopen><SDO_Read>" + read1 + "</SDO_Read><SDO_Write>" +
                               write1 + write2 + "</SDO_Write></EtherNetIP_to_SDO_CANopen>";
  WriteConfigFile(kFile, document);
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFSet_SDO_Client_Access>(main, "TFSet_SDO_Client_Access", [&](TFSet_SDO_Client_Access& f) {
      EXPECT_EQ(f.Caption(), "Set SDO Client Access");
      EXPECT_EQ(f.PageControl1->ActivePage(), f.TS_SDO_Read);
      EXPECT_EQ(f.sga->ColCount(), 11);
      EXPECT_EQ(f.sgb->ColCount(), 12);
      EXPECT_EQ(f.sgb->RowCount(), 257);
      EXPECT_EQ(f.sgb->Cells(6, 0), "On Change");
      EXPECT_EQ(f.sgb->Columns().Items(6)->Editor(), edDataCheckBox);
      EXPECT_EQ(f.sgb->Cells(6, 1), "Y");
      EXPECT_EQ(f.sgb->Cells(11, 2), "lamp & horn");
      Kit.Click(f.Btn_OK);
      EXPECT_EQ(f.ModalResult(), mrOk);
    });
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
  EXPECT_EQ(ReadConfigFile(kFile), document);
}

TEST_F(SdoClientFormTest, AFailureIsShownOnceAndTheRowsOfABrokenFileStay) {
  // ParGen.xml is no XML: both sizes are the defaults. The second read row lacks its
  // Poll_Time: the loading stops there.
  WriteConfigFile("ParGen.xml", "<Par_Gen><EtherNetIP_NB_Input>10");
  WriteConfigFile(kFile,
                  "<EtherNetIP_to_SDO_CANopen><SDO_Read>"
                  R"(<row Device_ID="5" Index="0x6040" SubIndex="0" NByte="1" Poll_Time="100" Address_B1="500" )"
                  R"(Address_B2="" Address_B3="" Address_B4="" Mnemonic="kept"/>)"
                  R"(<row Device_ID="6" Index="0x6041" SubIndex="0" NByte="1"/></SDO_Read>)"
                  "<SDO_Write/></EtherNetIP_to_SDO_CANopen>");
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFSet_SDO_Client_Access>(main, "TFSet_SDO_Client_Access", [&](TFSet_SDO_Client_Access& f) {
      EXPECT_EQ(f.EtherNetIP_NByte_IN, 500);
      EXPECT_EQ(f.sga->Cells(10, 1), "kept");
      EXPECT_EQ(f.sga->Cells(4, 2), "1");
      EXPECT_EQ(f.sga->Cells(5, 2), "");
      f.sga->SetCells(1, 2, "");
      Kit.Click(f.Btn_OK);
      EXPECT_EQ(f.ModalResult(), mrNone);
      Kit.Click(f.Btn_Cancel);
    });
  });
  const std::vector<std::string> boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_NE(boxes[0].find("ParGen.xml"), std::string::npos) << boxes[0];
  EXPECT_NE(boxes[1].find("row 2 of \"SDO_Read\" has no attribute \"Poll_Time\""), std::string::npos) << boxes[1];
  EXPECT_EQ(boxes[2], "Error row 1!! [SDO Read] Address Byte1 must be between 0 and 499");
}

}  // namespace
}  // namespace hd

// The SDO server table: its check on tables in memory, and the window opened by its step, with
// the file coming back whole and a failed check shown twice, in fixed English first.
#include "tables/sdo_server_form.h"

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

constexpr const char* kFile = "SDO_Server.xml";

// Index, SubIndex, NByte, Address_B1 to B4, Mnemonic
const std::vector<std::string> kRead = {"0x2000", "0", "4", "0", "1", "2", "9", "speed"};
const std::vector<std::string> kWrite = {"24575", "255", "1", "19", "x", "", "", ""};

TEST(SdoServerCheck, FirstFailedTestOfEachObject) {
  // The read table's address bytes are bounded by 9, the write table's by 19.
  const std::vector<testkit::TTwoTableCase> cases = {
      {"valid objects", {}, {}, std::nullopt},
      {"Index $5FFF", {{1, "$5FFF"}}, {}, std::nullopt},
      {"Index 0x1FFF", {{1, "0x1FFF"}}, {}, FirstTable(1127)},
      {"Index 0x6000", {{1, "0x6000"}}, {}, FirstTable(1127)},
      {"Index with a trailing blank", {{1, "8192 "}}, {}, FirstTable(1127)},
      {"SubIndex 256", {{2, "256"}}, {}, FirstTable(1128)},
      {"no SubIndex", {{2, ""}}, {}, FirstTable(1128)},
      {"N Byte 3", {{3, "3"}}, {}, FirstTable(1129)},
      {"N Byte 0", {{3, "0"}}, {}, FirstTable(1129)},
      {"Add Byte1 10 of 10 bytes", {{4, "10"}}, {}, FirstTable(1130, 9)},
      {"Add Byte4 of a word", {{7, "nine"}}, {}, FirstTable(1133, 9)},
      {"N Byte 2 leaves Add Byte3 and 4 alone", {{3, "2"}, {6, "x"}, {7, "600"}}, {}, std::nullopt},
      {"N Byte 2 tests Add Byte2", {{3, "2"}, {5, "10"}}, {}, FirstTable(1131, 9)},
      {"N Byte 4 tests Add Byte3", {{6, "-1"}}, {}, FirstTable(1132, 9)},
      {"a bad read waits for nothing in the write table", {{2, "-1"}}, {{1, "0"}}, FirstTable(1128)},
      {"a blank Index ends the read table, the write table is still tested", {{1, "   "}, {2, "x"}}, {{1, "0"}},
       SecondTable(1134)},
      {"write Index 0x6000", {}, {{1, "0x6000"}}, SecondTable(1134)},
      {"write SubIndex -1", {}, {{2, "-1"}}, SecondTable(1135)},
      {"write N Byte 8", {}, {{3, "8"}}, SecondTable(1136)},
      {"write Add Byte1 20 of 20 bytes", {}, {{4, "20"}}, SecondTable(1137, 19)},
      {"write N Byte 2, Add Byte2 20", {}, {{3, "2"}, {5, "20"}}, SecondTable(1138, 19)},
      {"write N Byte 4, Add Byte3 empty", {}, {{3, "4"}, {5, "0"}, {6, ""}}, SecondTable(1139, 19)},
      {"write N Byte 4, Add Byte4 20", {}, {{3, "4"}, {5, "0"}, {6, "0"}, {7, "20"}}, SecondTable(1140, 19)},
  };
  testkit::ExpectTwoTableCases(cases, testkit::TableWithRow(9, 501, kRead), testkit::TableWithRow(9, 501, kWrite),
                               [](MemoryTable& a, MemoryTable& b) { return Check_SDO_Server(a, b, 9, 19); });
}

class SdoServerFormTest : public testkit::TableWindowFixture {};

TEST_F(SdoServerFormTest, ObjectsRoundTripAsAWholeDocumentWithTheSizesCrossed) {
  WriteConfigFile("ParGen.xml",
                  "<Par_Gen><EtherNetIP_NB_Input>20</EtherNetIP_NB_Input>"
                  "<EtherNetIP_NB_Output>10</EtherNetIP_NB_Output></Par_Gen>");
  const std::string read1 =
      R"(<row Index="0x2000" SubIndex="1" NByte="2" Address_B1="8" Address_B2="9" Address_B3="" )"
      R"(Address_B4="old" Mnemonic="speed &amp; torque"/>)";
  const std::string read2 =
      R"(<row Index=" 8193" SubIndex="0" NByte="1" Address_B1="0" Address_B2="" Address_B3="" Address_B4="" )"
      R"(Mnemonic=""/>)";
  const std::string write1 =
      R"(<row Index="$5FFF" SubIndex="255" NByte="4" Address_B1="16" Address_B2="17" Address_B3="18" )"
      R"(Address_B4="19" Mnemonic="set point"/>)";
  const std::string document = "<EtherNetIP_to_SDO_CANopen><SDO_Read>" + read1 + read2 + "</SDO_Read><SDO_Write>" +
                               write1 + "</SDO_Write></EtherNetIP_to_SDO_CANopen>";
  WriteConfigFile(kFile, document);
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFSet_SDO_Server_Access>(main, "TFSet_SDO_Server_Access", [&](TFSet_SDO_Server_Access& f) {
      EXPECT_EQ(f.Caption(), "Set SDO Server Access");
      EXPECT_EQ(f.TS_SDO_Write->Caption(), "SDO in Write");
      EXPECT_EQ(f.sgb->Cells(8, 0), "Mnemonic");
      EXPECT_EQ(f.sga->RowCount(), 501);
      EXPECT_EQ(f.sga->Cells(0, 500), "500");
      EXPECT_EQ(f.EtherNetIP_NByte_IN, 10) << "the output size bounds the read table";
      EXPECT_EQ(f.EtherNetIP_NByte_OUT, 20);
      EXPECT_EQ(f.sga->Cells(1, 2), " 8193");
      f.PageControl1->SetActivePage(f.TS_SDO_Write);
      f.sgb->SetCells(8, 1, "edited");
      Kit.Click(f.Btn_Cancel);
    });
    // The next showing brings the read page and the file back.
    Open<TFSet_SDO_Server_Access>(main, "TFSet_SDO_Server_Access", [&](TFSet_SDO_Server_Access& f) {
      EXPECT_EQ(f.PageControl1->ActivePage(), f.TS_SDO_Read);
      EXPECT_EQ(f.sgb->Cells(8, 1), "set point");
      Kit.Click(f.Btn_OK);
      EXPECT_EQ(f.ModalResult(), mrOk);
    });
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
  EXPECT_EQ(ReadConfigFile(kFile), document);

  // Emptied tables are written as the root with both sections.
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFSet_SDO_Server_Access>(main, "TFSet_SDO_Server_Access", [&](TFSet_SDO_Server_Access& f) {
      f.sga->SetCells(1, 1, " ");
      f.sgb->SetCells(1, 1, "");
      Kit.Click(f.Btn_OK);
    });
  });
  EXPECT_EQ(ReadConfigFile(kFile), "<EtherNetIP_to_SDO_CANopen><SDO_Read/><SDO_Write/></EtherNetIP_to_SDO_CANopen>");
}

TEST_F(SdoServerFormTest, AFailedCheckShowsTheFixedEnglishTextThenTheChosenLanguage) {
  Folder.Write("LANGUAGE/Italiano.lng",
               "STR1100 = Server SDO\r\nSTR1126 = Errore alla riga:\r\n"
               "STR1131 = !! [SDO in Lettura] Indirizzo Byte2 oltre il limite:\r\n");
  WriteConfigFile(kFile,
                  "<EtherNetIP_to_SDO_CANopen><SDO_Read>"
                  R"(<row Index="0x2001" SubIndex="0" NByte="1" Address_B1="0" Address_B2="" Address_B3="" )"
                  R"(Address_B4="" Mnemonic=""/></SDO_Read><SDO_Write/></EtherNetIP_to_SDO_CANopen>)");
  Run([&](TFTessaroneFirmWare& main) {
    main.State().Current_Language = "Italiano";
    main.State().Load_Language();
    main.Change_Language();
    Open<TFSet_SDO_Server_Access>(main, "TFSet_SDO_Server_Access", [&](TFSet_SDO_Server_Access& f) {
      EXPECT_EQ(f.Caption(), "Set SDO Server Access") << "not re-labelled";
      f.sga->SetRow(7);
      f.sga->SetCells(1, 7, "0x2002");
      for (int c = 2; c <= 6; ++c) f.sga->SetCells(c, 7, c == 3 ? "2" : c == 5 ? "600" : "0");
      for (int r = 2; r < 7; ++r) f.sga->SetCells(1, r, "0x2001");
      for (int r = 2; r < 7; ++r)
        for (int c = 2; c <= 4; ++c) f.sga->SetCells(c, r, c == 3 ? "1" : "0");
      Kit.Click(f.Btn_OK);
      EXPECT_EQ(f.ModalResult(), mrNone);
      EXPECT_EQ(f.sga->Cells(5, 7), "600") << "the grid is left as it was";
      Kit.Click(f.Btn_Cancel);
    });
  });
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            "Error row 7!! [SDO in Read] Address Byte2 must be between 0 and 499",
                            "Errore alla riga:7!! [SDO in Lettura] Indirizzo Byte2 oltre il limite:499",
                        }));
  EXPECT_NE(ReadConfigFile(kFile).find("0x2001"), std::string::npos);
  EXPECT_EQ(ReadConfigFile(kFile).find("0x2002"), std::string::npos) << "nothing is written";
}

}  // namespace
}  // namespace hd

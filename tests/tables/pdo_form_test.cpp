// The PDO table: its check on tables in memory, testing only the address bytes the Dimension
// uses, and the window opened by its step, where the cells past the Dimension are written as
// they stand.
#include "tables/pdo_form.h"

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

constexpr const char* kFile = "PDO.xml";

// COB-ID, Dimension, Address_B1 to B8, TimeOut, Mnemonic
const std::vector<std::string> kReceive = {"0", "1", "9", "", "", "", "", "", "", "", "0", "r"};
// COB-ID, Dimension, Address_B1 to B8, Send_Time, On_Change, Mnemonic
const std::vector<std::string> kTransmit = {"0x7FF", "8", "0", "1", "2", "3", "4", "5", "6", "19", "100000000", "Y",
                                            "t"};

TEST(PdoCheck, FirstFailedTestOfEachPDO) {
  // The receive table's address bytes are bounded by 9, the transmit table's by 19.
  const std::vector<testkit::TTwoTableCase> cases = {
      {"valid PDOs", {}, {}, std::nullopt},
      {"COB-ID 0x800", {{1, "0x800"}}, {}, FirstTable(936)},
      {"COB-ID -1", {{1, "-1"}}, {}, FirstTable(936)},
      {"Dimension 0", {{2, "0"}}, {}, FirstTable(937)},
      {"Dimension 9", {{2, "9"}}, {}, FirstTable(937)},
      {"Add B1 10 of 10 bytes", {{3, "10"}}, {}, FirstTable(938, 9)},
      {"Dimension 3 tests Add B3", {{2, "3"}, {4, "0"}}, {}, FirstTable(940, 9)},
      {"Dimension 3 leaves Add B4 to B8 alone", {{2, "3"}, {4, "0"}, {5, "1"}, {6, "?"}, {10, "500"}}, {},
       std::nullopt},
      {"TimeOut 0 passes, an empty one fails", {{11, ""}}, {}, FirstTable(946)},
      {"TimeOut 100000001", {{11, "100000001"}}, {}, FirstTable(946)},
      {"a blank COB-ID ends the receive table, the transmit table is still tested", {{1, "  "}, {2, "0"}},
       {{2, "0"}}, SecondTable(948)},
      {"transmit COB-ID 2048", {}, {{1, "2048"}}, SecondTable(947)},
      {"transmit Add B1 -1", {}, {{3, "-1"}}, SecondTable(949, 19)},
      {"transmit Add B8 20 of 20 bytes", {}, {{10, "20"}}, SecondTable(956, 19)},
      {"transmit Dimension 7 leaves Add B8 alone", {}, {{2, "7"}, {10, "20"}}, std::nullopt},
      {"Send Time -1", {}, {{11, "-1"}}, SecondTable(957)},
      {"On Change is not tested", {}, {{12, ""}}, std::nullopt},
  };
  testkit::ExpectTwoTableCases(cases, testkit::TableWithRow(13, 31, kReceive), testkit::TableWithRow(14, 31, kTransmit),
                               [](MemoryTable& a, MemoryTable& b) { return Check_PDO(a, b, 9, 19); });
}

class PdoFormTest : public testkit::TableWindowFixture {};

TEST_F(PdoFormTest, PDOsRoundTripWithTheCellsPastTheDimensionAsTheyStand) {
  WriteConfigFile("ParGen.xml", "<Par_Gen><EtherNetIP_NB_Output>8</EtherNetIP_NB_Output></Par_Gen>");
  const std::string receive1 =
      R"(<row COB-ID="0x181" Dimension="2" Address_B1="0" Address_B2="1" Address_B3="left over" )"
      R"(Address_B4="999" Address_B5="" Address_B6="" Address_B7="" Address_B8="-3" TimeOut="0" )"
      R"(Mnemonic="drive 1"/>)";
  const std::string transmit1 =
      R"(<row COB-ID="513" Dimension="1" Address_B1="7" Address_B2="8" Address_B3="" Address_B4="" )"
      R"(Address_B5="" Address_B6="" Address_B7="" Address_B8="" Send_Time="100" On_Change="N" Mnemonic=""/>)";
  const std::string document = "<EtherNetIP_to_SDO_CANopen><Receive_PDO>" + receive1 +
                               "</Receive_PDO><Transmit_PDO>" + transmit1 +
                               "</Transmit_PDO></EtherNetIP_to_SDO_CANopen>";
  WriteConfigFile(kFile, document);
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFSet_PDO_Access>(main, "TFSet_PDO_Access", [&](TFSet_PDO_Access& f) {
      EXPECT_EQ(f.Caption(), "Set PDO Access");
      EXPECT_EQ(f.TS_Transmit_PDO->Caption(), "Transmit PDO");
      EXPECT_EQ(f.sga->RowCount(), 31);
      EXPECT_EQ(f.sga->ColCount(), 13);
      EXPECT_EQ(f.sgb->ColCount(), 14);
      EXPECT_EQ(f.sga->Cells(11, 0), "TimeOut");
      EXPECT_EQ(f.sgb->Cells(11, 0), "Send Time");
      EXPECT_EQ(f.sgb->Columns().Items(12)->Editor(), edDataCheckBox);
      EXPECT_EQ(f.EtherNetIP_NByte_IN, 500);
      EXPECT_EQ(f.EtherNetIP_NByte_OUT, 8);
      // With an output size of 8, a transmit address of 8 fails and the message ends with 7.
      f.sgb->SetCells(3, 1, "8");
      Kit.Click(f.Btn_OK);
      EXPECT_EQ(f.ModalResult(), mrNone);
      f.sgb->SetCells(3, 1, "7");
      Kit.Click(f.Btn_OK);
      EXPECT_EQ(f.ModalResult(), mrOk);
    });
  });
  EXPECT_EQ(BoxTexts(),
            std::vector<std::string>{"Error row 1!! [Transmit PDO] Address Byte1 must be between 0 and 7"});
  EXPECT_EQ(ReadConfigFile(kFile), document);
}

TEST_F(PdoFormTest, EmptiedTablesAreWrittenAsTheRootWithBothSections) {
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFSet_PDO_Access>(main, "TFSet_PDO_Access", [&](TFSet_PDO_Access& f) {
      EXPECT_EQ(f.sga->Cells(0, 30), "30");
      Kit.Click(f.Btn_OK);
    });
  });
  EXPECT_EQ(ReadConfigFile(kFile),
            "<EtherNetIP_to_SDO_CANopen><Receive_PDO/><Transmit_PDO/></EtherNetIP_to_SDO_CANopen>");
}

}  // namespace
}  // namespace hd

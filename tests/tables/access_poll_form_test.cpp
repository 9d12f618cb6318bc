// The access-poll window, opened as the program would if anything opened it: the image sizes
// bound the grids the reverse way of the Modbus TCP master window, the file comes back whole
// and without a version, and failures are reported without losing the rows.
#include "tables/access_poll_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/lb_button.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

constexpr const char* kFile = "SetAccess.xml";

class AccessPollFormTest : public testkit::TableWindowFixture {
 protected:
  static std::vector<std::string> Row(const TExtColumnGrid* g, int r) {
    std::vector<std::string> v;
    for (int c = 1; c < g->ColCount(); ++c) v.push_back(g->Cells(c, r));
    return v;
  }
};

TEST_F(AccessPollFormTest, PollsRoundTripAsAWholeDocumentWithoutAVersion) {
  WriteConfigFile("ParGen.xml",
                  "<Par_Gen><EtherNetIP_NB_Input>10</EtherNetIP_NB_Input>"
                  "<EtherNetIP_NB_Output>20</EtherNetIP_NB_Output></Par_Gen>");
  // Swap and Force_F16 are missing from two rows, as in files of earlier versions.
  const std::string read1 =
      R"(<row Slave_ID="1" Type="Coil Status" Address="0" NPoint="8" PollTime="100" MaxError="3" Position="9" )"
      R"(Bit="0" Swap="Y" Mnemonic="doors"/>)";
  const std::string read2 =
      R"(<row Slave_ID=" 247" Type="Input Register" Address="7" NPoint="2" PollTime="1" MaxError="0" )"
      R"(Position="0" Bit="" Mnemonic=""/>)";
  const std::string write1 =
      R"(<row Slave_ID="5" Type="Holding Register" Address="65535" NPoint="1" PollTime="0" OnChange="Y" )"
      R"(MaxError="0" Position="18" Bit="0" Mnemonic="a &amp; b"/>)";
  WriteConfigFile(kFile, "<EtherNetIP_to_Modbus><Modbus_Read>" + read1 + read2 +
                             "</Modbus_Read><Modbus_Write>" + write1 + "</Modbus_Write></EtherNetIP_to_Modbus>");
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFSetAccess>(main, "TFSetAccess", [&](TFSetAccess& form) {
      EXPECT_EQ(form.Caption(), "Set Modbus Access");
      EXPECT_EQ(form.PageControl1->ActivePage(), form.TS_Modbus_Read);
      EXPECT_EQ(form.NByte_IN, 10);
      EXPECT_EQ(form.NByte_OUT, 20);
      EXPECT_EQ(form.ACG_Modbus_Read->Columns().Items(7)->ComboItems().Count(), 10);
      EXPECT_EQ(form.ACG_Modbus_Write->Columns().Items(8)->ComboItems().Count(), 20);
      EXPECT_EQ(form.ACG_Modbus_Write->Cells(11, 0), "Force F16");
      EXPECT_EQ(Row(form.ACG_Modbus_Read, 2),
                (std::vector<std::string>{" 247", "Input Register", "7", "2", "1", "0", "0", "", "N", ""}));
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrOk);
    });
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
  auto withFlags = [](std::string row, const std::string& flags) {
    return row.insert(row.find(" Mnemonic="), flags);
  };
  EXPECT_EQ(ReadConfigFile(kFile),
            "<EtherNetIP_to_Modbus><Modbus_Read>" + read1 + withFlags(read2, R"( Swap="N")") +
                "</Modbus_Read><Modbus_Write>" + withFlags(write1, R"( Swap="N" Force_F16="N")") +
                "</Modbus_Write></EtherNetIP_to_Modbus>");
}

TEST_F(AccessPollFormTest, FailuresAreShownAndNothingIsLost) {
  WriteConfigFile("ParGen.xml", "<Par_Gen><EtherNetIP_NB_Input>10");
  WriteConfigFile(kFile,
                  R"(<EtherNetIP_to_Modbus><Modbus_Read><row Slave_ID="3" Type="Coil Status" Address="1" NPoint="1" )"
                  R"(PollTime="1" MaxError="0" Position="499" Bit="7" Mnemonic="kept"/><row Slave_ID="4"/></Modbus_Read>)"
                  R"(<Modbus_Write/></EtherNetIP_to_Modbus>)");
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFSetAccess>(main, "TFSetAccess", [&](TFSetAccess& form) {
      // Both messages shown; the sizes are the defaults and the rows before the bad one load.
      EXPECT_EQ(form.NByte_IN, 500);
      EXPECT_EQ(form.ACG_Modbus_Read->Cells(10, 1), "kept");
      EXPECT_EQ(form.ACG_Modbus_Read->Cells(1, 2), "4");

      form.ACG_Modbus_Read->SetRow(2);
      Kit.AnswerMessageBox(mrYes);
      Kit.Click(form.Btn_DelRow);
      form.ACG_Modbus_Read->SetCells(8, 1, "8");
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrNone);
      form.ACG_Modbus_Read->SetCells(8, 1, "7");
      main.State().Path_SetAccess.clear();
      Kit.Click(form.Btn_OK);
      EXPECT_EQ(form.ModalResult(), mrNone) << "no file is set for the table";
      EXPECT_EQ(form.ACG_Modbus_Read->Cells(10, 1), "kept");
      Kit.Click(form.Btn_Cancel);
    });
  });
  const std::vector<std::string> boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 5u);
  EXPECT_NE(boxes[0].find("ParGen.xml"), std::string::npos) << boxes[0];
  EXPECT_NE(boxes[1].find("row 2 of \"Modbus_Read\" has no attribute \"Type\""), std::string::npos) << boxes[1];
  EXPECT_EQ(boxes[2], "Are you sure to delete the Row number 2");
  EXPECT_EQ(boxes[3], "Error row 1!! [Modbus Read] Bit must be between 0 and 7");
  EXPECT_NE(boxes[4].find("no file"), std::string::npos) << boxes[4];
  EXPECT_NE(ReadConfigFile(kFile).find("Slave_ID=\"4\""), std::string::npos) << "the file is as it was";
}

}  // namespace
}  // namespace hd

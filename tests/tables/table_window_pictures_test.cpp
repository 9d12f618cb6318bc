// The table windows of the Modbus side, DMX, restart and the other CANopen tables as the user
// sees them, filled. The pictures stay under $HD_TEST_TMP/table_*.png for review
// (scripts/review-pictures.sh).
#include <gtest/gtest.h>

#include <string>

#include "app/testkit/window_picture.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/access_poll_form.h"
#include "tables/device_command_form.h"
#include "tables/device_restart_form.h"
#include "tables/dmx_default_values_form.h"
#include "tables/frame_table_form.h"
#include "tables/node_guarding_form.h"
#include "tables/pdo_form.h"
#include "tables/sdo_client_form.h"
#include "tables/sdo_server_form.h"
#include "tables/testkit/table_window_fixture.h"

namespace hd {
namespace {

class TableWindowPicturesTest : public testkit::TableWindowFixture {
 protected:
  testkit::TWindowPicture Render(TControl* window, const std::string& name) {
    return testkit::RenderWindow(Kit, window, "table_" + name);
  }
};

TEST_F(TableWindowPicturesTest, FilledWindows) {
  WriteConfigFile("SetAccess.xml",
                  "<EtherNetIP_to_Modbus><Modbus_Read>"
                  R"(<row Slave_ID="1" Type="Coil Status" Address="0" NPoint="16" PollTime="100" MaxError="3" )"
                  R"(Position="0" Bit="0" Swap="N" Mnemonic="door contacts"/>)"
                  R"(<row Slave_ID="2" Type="Holding Register" Address="400" NPoint="4" PollTime="250" )"
                  R"(MaxError="3" Position="2" Bit="0" Swap="Y" Mnemonic="pump speeds"/>)"
                  "</Modbus_Read><Modbus_Write>"
                  R"(<row Slave_ID="2" Type="Holding Register" Address="100" NPoint="2" PollTime="0" OnChange="Y" )"
                  R"(MaxError="0" Position="0" Bit="0" Swap="N" Force_F16="Y" Mnemonic="set points"/>)"
                  "</Modbus_Write></EtherNetIP_to_Modbus>");
  std::string dmx = "<DMX_Default_Values>";
  for (int r = 1; r <= 12; ++r)
    dmx += "<Row Default_Value=\"" + std::to_string(r * 20) + "\" Mnemonic=\"dimmer " + std::to_string(r) + "\"/>";
  WriteConfigFile("DMX_Default_Values.xml", dmx + "</DMX_Default_Values>");
  WriteConfigFile("ReStart_Devices.xml",
                  "<Enable_ReStart_CANopen><row Enable_ReStart=\"Y\" Mnemonic=\"drive left\"/>"
                  "<row Enable_ReStart=\"N\" Mnemonic=\"drive right\"/><row Enable_ReStart=\"Y\" Mnemonic=\"io\"/>"
                  "</Enable_ReStart_CANopen>");
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFSetAccess>(main, "TFSetAccess", [&](TFSetAccess& form) {
      EXPECT_TRUE(Render(&form, "access_polls_read").Shows(form.ACG_Modbus_Read, 0xF4D6FC)) << "position tint";
      form.PageControl1->SetActivePage(form.TS_Modbus_Write);
      EXPECT_TRUE(Render(&form, "access_polls_write").Shows(form.ACG_Modbus_Write, 0xFFD5D5)) << "Force F16 tint";
      Kit.Click(form.Btn_Cancel);
    });
    Open<TFAdvanceFunctions>(main, "TFAdvanceFunctions", [&](TFAdvanceFunctions& page) {
      for (int r = 1; r <= 12; ++r) {
        page.ACG->SetCells(1, r, r % 3 ? "Enable" : "Disable");
        page.ACG2->SetCells(1, r, std::to_string(r * 7 % 5));
      }
      page.ACG->SetCells(2, 3, "Disable");
      Render(&page, "device_page_polls");
      page.PageControl1->SetActivePage(page.TS_B2);
      Render(&page, "device_page_errors");
      page.PageControl1->SetActivePage(page.TS_B3B4);
      page.L_Status_TransparenMode->SetCaption("Transparent Mode Enable");
      Render(&page, "device_page_transparent_mode");
      page.PageControl1->SetActivePage(page.TS_B5B6);
      Render(&page, "device_page_commands");
      Kit.Click(page.Btn_Exit);
    });
    Open<TFDMXDefVal>(main, "TFDMXDefVal", [&](TFDMXDefVal& dmx) {
      EXPECT_TRUE(Render(&dmx, "dmx_default_values").Shows(dmx.ACG_DMX_Def_Val, 0xFEFAE0)) << "value tint";
      Kit.Click(dmx.Btn_Cancel);
    });
    Open<TFReStart_Devices>(main, "TFReStart_Devices", [&](TFReStart_Devices& form) {
      EXPECT_TRUE(Render(&form, "device_restart").Shows(form.sga, 0xFEFAE0)) << "enable tint";
      Kit.Click(form.Btn_Cancel);
    });
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(TableWindowPicturesTest, FilledFrameWindows) {
  WriteConfigFile("Receive_NMEA.xml",
                  R"(<Receive_NMEA_2000><row PGN="0x1F801" SA="3" TP="N" FP="N" Mnemonic="position"/>)"
                  R"(<row PGN="129029" SA="3" TP="N" FP="Y" TP_Start="0" TP_NByte="43" Delete="Y" Mnemonic="fix"/>)"
                  "</Receive_NMEA_2000>");
  WriteConfigFile("Transmit_NMEA.xml",
                  R"(<Transmit_NMEA_2000><row Priority="3" PGN="130306" SA="7" TP="N" FP="N" )"
                  R"(T_Type="On Timer" SendTimer="100" Mnemonic="wind"/></Transmit_NMEA_2000>)");
  WriteConfigFile("Receive_J1939.xml",
                  R"(<Receive_J1939><row DataPage="0" PGN="61444" SA="0" TP="N" TP_Start="3" TP_NByte="2" )"
                  R"(Delete="Y" Mnemonic="engine speed"/></Receive_J1939>)");
  WriteConfigFile("Transmit_J1939.xml",
                  R"(<Receive_J1939><row Priority="6" DataPage="0" PGN="65265" SA="0" On_Timer="Y" )"
                  R"(Send_Timer="100" Mnemonic="vehicle speed"/></Receive_J1939>)");
  struct Window {
    const char* name;
    const char* picture;
    TColor lastTint;  // of the flags before the mnemonic
  } windows[] = {
      {"TFReceiveNMEA", "receive_nmea", 0xCAFFCA},
      {"TFTransmitNMEA", "transmit_nmea", 0xCAFFCA},
      {"TFReceiveJ1939", "receive_j1939", 0xF4D6FC},
      {"TFTransmitJ1939", "transmit_j1939", 0xCAFFCA},
  };
  Run([&](TFTessaroneFirmWare& main) {
    for (const Window& w : windows) {
      SCOPED_TRACE(w.name);
      Open<TFrameTableForm>(main, w.name, [&](TFrameTableForm& form) {
        const testkit::TWindowPicture picture = Render(&form, w.picture);
        EXPECT_TRUE(picture.Shows(form.sga, 0xFEFAE0)) << "frame tint";
        EXPECT_TRUE(picture.Shows(form.sga, w.lastTint));
        EXPECT_TRUE(picture.Shows(&form, 0xEDF7F8)) << "window background";
        Kit.Click(form.Btn_Cancel);
      });
    }
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(TableWindowPicturesTest, CANopenWindows) {
  WriteConfigFile("SDO_Server.xml",
                  "<EtherNetIP_to_SDO_CANopen><SDO_Read>"
                  R"(<row Index="0x2000" SubIndex="1" NByte="4" Address_B1="0" Address_B2="1" Address_B3="2" )"
                  R"(Address_B4="3" Mnemonic="position"/></SDO_Read><SDO_Write/></EtherNetIP_to_SDO_CANopen>)");
  WriteConfigFile("SDO_Client.xml",
                  "<EtherNetIP_to_SDO_CANopen><SDO_Read/><SDO_Write>"
                  R"(<row Device_ID="3" Index="0x6040" SubIndex="0" NByte="2" Poll_Time="100" On_Change="Y" )"
                  R"(Address_B1="0" Address_B2="1" Address_B3="" Address_B4="" Mnemonic="control word"/>)"
                  "</SDO_Write></EtherNetIP_to_SDO_CANopen>");
  WriteConfigFile("PDO.xml",
                  "<EtherNetIP_to_SDO_CANopen><Receive_PDO>"
                  R"(<row COB-ID="0x181" Dimension="2" Address_B1="0" Address_B2="1" Address_B3="" Address_B4="" )"
                  R"(Address_B5="" Address_B6="" Address_B7="" Address_B8="" TimeOut="500" Mnemonic="drive"/>)"
                  "</Receive_PDO><Transmit_PDO/></EtherNetIP_to_SDO_CANopen>");
  WriteConfigFile("Node_Guarding.xml",
                  R"(<Node_Guarding><row NodeID="3" GuardTime="100" LifeTimeFactor="3" Mnemonic="drive"/>)"
                  "</Node_Guarding>");
  Run([&](TFTessaroneFirmWare& main) {
    Open<TFSet_SDO_Server_Access>(main, "TFSet_SDO_Server_Access", [&](TFSet_SDO_Server_Access& f) {
      EXPECT_TRUE(Render(&f, "sdo_server").Shows(f.sga, 0xF4D6FC)) << "address tint";
      Kit.Click(f.Btn_Cancel);
    });
    Open<TFSet_SDO_Client_Access>(main, "TFSet_SDO_Client_Access", [&](TFSet_SDO_Client_Access& f) {
      f.PageControl1->SetActivePage(f.TS_SDO_Write);
      EXPECT_TRUE(Render(&f, "sdo_client_write").Shows(f.sgb, 0xA8FFA8)) << "timing tint";
      Kit.Click(f.Btn_Cancel);
    });
    Open<TFSet_PDO_Access>(main, "TFSet_PDO_Access", [&](TFSet_PDO_Access& f) {
      EXPECT_TRUE(Render(&f, "pdo_receive").Shows(f.sga, 0xFEFAE0)) << "object tint";
      Kit.Click(f.Btn_Cancel);
    });
    Open<TFNodeGuard>(main, "TFNodeGuard", [&](TFNodeGuard& f) {
      EXPECT_TRUE(Render(&f, "node_guarding").Shows(f.ESG, 0xA8FFFF)) << "guard time tint";
      Kit.Click(f.Btn_Cancel);
    });
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

}  // namespace
}  // namespace hd

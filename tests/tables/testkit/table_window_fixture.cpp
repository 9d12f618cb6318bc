#include "tables/testkit/table_window_fixture.h"

#include <filesystem>

#include "app/soft_options_form.h"
#include "tables/device_command_form.h"
#include "tables/table_windows.h"

namespace hd::testkit {

namespace {

using TOpen = decltype(TTableStep::Open);

// A hidden step of the main window: the handler runs as the click on the button would.
TOpen Step(TLbButton* TFTessaroneFirmWare::*button) {
  return [button](TFTessaroneFirmWare& main, test::TGuiKit& kit, test::TGuiKit::TModalAction inside) {
    kit.OnModal(std::move(inside));
    main.Btn_Click(main.*button);
  };
}

// The device command page lies behind a button of the options window's hidden tab. Unless the
// test chose a port, its endpoint takes a free one, so that no test needs port 10000.
void Open_Device_Page(TFTessaroneFirmWare& main, test::TGuiKit& kit, test::TGuiKit::TModalAction inside) {
  auto* page = dynamic_cast<TFAdvanceFunctions*>(main.Table_Windows["TFAdvanceFunctions"].Form);
  if (page && page->Local_Port == Device_Command_Port) page->Local_Port = 0;
  kit.OnModal([&main, &kit](TCustomForm*) {
    main.FSoftOptions->Btn_Advance_FunctionsClick(main.FSoftOptions->Btn_Advance_Functions);
    kit.Click(main.FSoftOptions->Btn_Cancel);
  });
  kit.OnModal(std::move(inside));
  kit.Click(main.Btn_Opz);
}

// Nothing in the program opens the access-poll window.
void Open_Directly(const std::string& window, TFTessaroneFirmWare& main, test::TGuiKit& kit,
                   test::TGuiKit::TModalAction inside) {
  kit.OnModal(std::move(inside));
  main.Table_Windows[window].Form->ShowModal();
}

}  // namespace

const std::vector<TTableStep>& Table_Steps() {
  static const std::vector<TTableStep> steps = {
      {"TFSetAccess", &TAppState::Path_SetAccess, "SetAccess.xml",
       [](TFTessaroneFirmWare& m, test::TGuiKit& k, test::TGuiKit::TModalAction a) {
         Open_Directly("TFSetAccess", m, k, std::move(a));
       }},
      {"TFAdvanceFunctions", &TAppState::Path_SetAccess, "SetAccess.xml", Open_Device_Page},
      {"TFModbus_TCP_Master_Set_Access", &TAppState::Path_ModbusTCPM_SetAccess, "ModbusTCPM_SetAccess.xml",
       Step(&TFTessaroneFirmWare::Btn_Set_Access)},
      {"TFDMXDefVal", &TAppState::Path_DMX_Def_Val, "DMX_Default_Values.xml",
       Step(&TFTessaroneFirmWare::Btn_DMX_Default)},
      {"TFReStart_Devices", &TAppState::Path_ReStart_Devices, "ReStart_Devices.xml",
       Step(&TFTessaroneFirmWare::Btn_ReStart_Devices_CANopen)},
      {"TFReceiveNMEA", &TAppState::Path_Receive_NMEA, "Receive_NMEA.xml", Step(&TFTessaroneFirmWare::Btn_Receive_NMEA)},
      {"TFTransmitNMEA", &TAppState::Path_Transmit_NMEA, "Transmit_NMEA.xml",
       Step(&TFTessaroneFirmWare::Btn_Transmit_NMEA)},
      {"TFReceiveJ1939", &TAppState::Path_Receive_J1939, "Receive_J1939.xml",
       Step(&TFTessaroneFirmWare::Btn_J1939_Rec_Frame)},
      {"TFTransmitJ1939", &TAppState::Path_Transmit_J1939, "Transmit_J1939.xml",
       Step(&TFTessaroneFirmWare::Btn_J1939_Send_Frame)},
      {"TFSet_SDO_Server_Access", &TAppState::Path_SDO_Server, "SDO_Server.xml",
       Step(&TFTessaroneFirmWare::Btn_SDO_Server_CANopen)},
      {"TFSet_SDO_Client_Access", &TAppState::Path_SDO_Client, "SDO_Client.xml",
       Step(&TFTessaroneFirmWare::Btn_SDO_Client_CANopen)},
      {"TFSet_PDO_Access", &TAppState::Path_PDO, "PDO.xml", Step(&TFTessaroneFirmWare::Btn_PDO_CANopen)},
      {"TFNodeGuard", &TAppState::Path_NodeGuard, "Node_Guarding.xml", Step(&TFTessaroneFirmWare::Btn_NodeGuard_CANopen)},
      {"TFCAN_Rec_Frames", &TAppState::Path_Receive_Frame, "Receive_Frame.xml",
       Step(&TFTessaroneFirmWare::Btn_CAN_Rec_Frame)},
      {"TF_Rec_Info", &TAppState::Path_Receive_Info, "Receive_Info.xml", Step(&TFTessaroneFirmWare::Btn_CAN_Rec_Info)},
      {"TFCAN_Send_Frame", &TAppState::Path_Send_Frame, "Send_Frame.xml", Step(&TFTessaroneFirmWare::Btn_CAN_Send_Frame)},
      {"TF_Sen_Info", &TAppState::Path_Send_Info, "Send_Info.xml", Step(&TFTessaroneFirmWare::Btn_CAN_Send_Info)},
  };
  return steps;
}

TableWindowFixture::TableWindowFixture() {
  Layer_Windows = Table_Layer_Windows();
  std::filesystem::create_directories(Projects(kConfiguration));
  Folder.Write("Tessaron.xml", testing_app::SettingsXml(kConfiguration, "127.0.0.1", "English", "0", "0"));
}

void TableWindowFixture::OpenStep(TFTessaroneFirmWare& main, const std::string& window,
                                  test::TGuiKit::TModalAction inside) {
  for (const TTableStep& step : Table_Steps()) {
    if (step.Window != window) continue;
    main.State().*step.Path = ConfigFile(step.File);
    step.Open(main, Kit, std::move(inside));
    return;
  }
  ADD_FAILURE() << "no step opens " << window;
}

}  // namespace hd::testkit

// What the main window's steps do: the click dispatch, new and open, the compile with the
// update wizard, the file writers, the update timer and the links.
#include <string_view>

#include "app/about_form.h"
#include "app/app_dialogs.h"
#include "app/boot_tcp_form.h"
#include "app/eds_writer.h"
#include "app/gsd_writer.h"
#include "app/lb_button.h"
#include "app/main_form.h"
#include "app/new_project_form.h"
#include "app/open_conf_form.h"
#include "app/par_gen_form.h"
#include "app/soft_options_form.h"
#include "platform/exceptions.h"
#include "platform/files.h"

namespace hd {
namespace {

constexpr unsigned kLaterCheckMs = 7200000;

// The hidden steps that show a window of the table layer.
struct TableStep {
  TLbButton* TFTessaroneFirmWare::*Button;
  std::string_view Window;
};

constexpr TableStep kTableSteps[] = {
    {&TFTessaroneFirmWare::Btn_Receive_NMEA, "TFReceiveNMEA"},
    {&TFTessaroneFirmWare::Btn_Transmit_NMEA, "TFTransmitNMEA"},
    {&TFTessaroneFirmWare::Btn_SDO_Server_CANopen, "TFSet_SDO_Server_Access"},
    {&TFTessaroneFirmWare::Btn_SDO_Client_CANopen, "TFSet_SDO_Client_Access"},
    {&TFTessaroneFirmWare::Btn_PDO_CANopen, "TFSet_PDO_Access"},
    {&TFTessaroneFirmWare::Btn_ReStart_Devices_CANopen, "TFReStart_Devices"},
    {&TFTessaroneFirmWare::Btn_NodeGuard_CANopen, "TFNodeGuard"},
    {&TFTessaroneFirmWare::Btn_DMX_Default, "TFDMXDefVal"},
    {&TFTessaroneFirmWare::Btn_J1939_Rec_Frame, "TFReceiveJ1939"},
    {&TFTessaroneFirmWare::Btn_J1939_Send_Frame, "TFTransmitJ1939"},
    {&TFTessaroneFirmWare::Btn_CAN_Rec_Frame, "TFCAN_Rec_Frames"},
    {&TFTessaroneFirmWare::Btn_CAN_Rec_Info, "TF_Rec_Info"},
    {&TFTessaroneFirmWare::Btn_CAN_Send_Frame, "TFCAN_Send_Frame"},
    {&TFTessaroneFirmWare::Btn_CAN_Send_Info, "TF_Sen_Info"},
};

}  // namespace

void TFTessaroneFirmWare::Btn_Click(TObject* Sender) {
  if (Sender == Btn_New) return Create_New_Project();
  if (Sender == Btn_Open) return Open_Project();
  if (Sender == Btn_Close) return Close();
  if (Sender == Btn_Info) {
    if (FAbout) FAbout->ShowModal();
    return;
  }
  if (Sender == Btn_Opz) {
    if (FSoftOptions && FSoftOptions->ShowModal() == mrOk) {
      Save_Setting();
      Enable_Update_Timer();
    }
    return;
  }
  // A folder removed since it was opened is no configuration either: the steps would re-create
  // it and compile defaults into it.
  if (FState.Project_Folder.empty() || !DirectoryExists(FState.Project_Folder)) return Show_Error(Text(18));

  if (Sender == Btn_Prm_Gen) {
    if (FParGen) FParGen->ShowModal();
    return;
  }
  if (Sender == Btn_Set_Access) return Show_Set_Access();
  for (const TableStep& step : kTableSteps)
    if (Sender == this->*step.Button) return Show_Table_Window(std::string(step.Window));
  if (Sender == Btn_CANopen_EDS) return Build_EDS_File();
  if (Sender == Btn_PROFIBUS_GSD) {
    TDialogFileWriterUi ui;
    return Save_GSD_File(ui, FState.Path_ParGen, FState.Project_Folder);
  }
  if (Sender == Btn_CreateBin) return Update_Device();
}

void TFTessaroneFirmWare::Create_New_Project() {
  // The new window sets the configuration and its paths itself.
  if (FNew_Project && FNew_Project->ShowModal() == mrOk) Show_Name_Labels();
}

void TFTessaroneFirmWare::Open_Project() {
  if (!FOpenConf || FOpenConf->ShowModal() != mrOk) return;
  // The window confirms only a listed configuration, so PROJECTS itself never becomes active.
  if (FOpenConf->Name_Conf.empty()) return;
  FState.Project_Name = FOpenConf->Name_Conf;
  FState.Project_Folder = JoinPath(FState.Projects_Root, FState.Project_Name);
  Show_Name_Labels();
  FState.Set_Files();
}

void TFTessaroneFirmWare::Update_Device() {
  // Nothing here catches: a value that is not a number, or a bank file that cannot be written,
  // ends the click with the error shown by the application, and the wizard does not open on
  // banks that are not on disk.
  Compile.Build_Bin_Banks(FState.Path_ParGen, FState.Path_ModbusTCPM_SetAccess);
  Compile.Save_Bin_Banks(FState.Project_Folder);
  if (FBootTCP) FBootTCP->ShowModal();
}

void TFTessaroneFirmWare::Build_EDS_File() {
  TDialogFileWriterUi ui;
  Save_EDS_File(ui, FState.Project_Folder, FState.Path_PDO, FState.Path_SDO_Server);
}

void TFTessaroneFirmWare::Show_Set_Access() { Show_Table_Window("TFModbus_TCP_Master_Set_Access"); }

void TFTessaroneFirmWare::Show_Table_Window(const std::string& className) {
  auto it = Table_Windows.find(className);
  if (it != Table_Windows.end() && it->second.Form) it->second.Form->ShowModal();
}

void TFTessaroneFirmWare::Save_Setting() {
  try {
    FState.Save_Setting();
  } catch (const EInOutError& e) {
    // The run goes on (and the window still closes); the user learns the settings were not kept.
    Show_Error(e.what());
  }
}

void TFTessaroneFirmWare::FormClose(TObject*, TCloseAction&) { Save_Setting(); }

void TFTessaroneFirmWare::Timer_UpdateTimer(TObject*) {
  Timer_Update->SetEnabled(false);
  if (HTTP1 && Check_Version(*HTTP1, Version_Server)) {
    LL_Update->SetCaption("<a href=\"" + Download_Page_Url() + "\">" + Text(19) + "</a>");
    LL_Update->Show();
  } else {
    LL_Update->Hide();
  }
  Timer_Update->SetInterval(kLaterCheckMs);
  Timer_Update->SetEnabled(true);
}

void TFTessaroneFirmWare::L_KastirClick(TObject*) { Open_Link(Home_Page_Url()); }

void TFTessaroneFirmWare::LL_UpdateLinkClick(TObject*, const std::string& Link, TSysLinkType) { Open_Link(Link); }

}  // namespace hd

// The main window: the numbered steps of the work, the active configuration's name, the
// information, options and close icons, and the update timer that looks for a newer version.
// It owns the shared state of the run and reaches every other window of the program.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/app_state.h"
#include "app/bank_compile.h"
#include "app/version_check.h"
#include "platform/ext_ctrls.h"
#include "platform/forms.h"
#include "platform/net.h"
#include "platform/std_ctrls.h"
#include "platform/timers.h"

namespace hd {

class TLbButton;
class TFNew_Project;
class TFOpenConf;
class TFAbout;
class TFSoftOptions;
class TFParGen;
class TFBootTCP;

// A window of the table layer as the main window sees it: the form a step shows, and its
// Set_Lang for the windows that follow a language change (empty for the others).
struct TTableWindow {
  TCustomForm* Form = nullptr;
  std::function<void()> Set_Lang;
};

class TFTessaroneFirmWare : public TForm {
 public:
  // appFolder: the program's folder, where its settings, configurations and language files lie.
  TFTessaroneFirmWare(TComponent* owner, std::string appFolder);
  ~TFTessaroneFirmWare() override;

  // The shared state of the run; every other window is handed this one.
  TAppState& State() { return FState; }

  void Set_Lang();
  // Re-applies the texts of the windows that follow a language change, after the language
  // table was reloaded.
  void Change_Language();
  void Save_Setting();
  // Switches the update timer on exactly when both the internet and the update options are on.
  void Enable_Update_Timer();

  void Btn_Click(TObject* Sender);
  void Create_New_Project();
  void Open_Project();
  void Update_Device();
  void Build_EDS_File();
  void Timer_UpdateTimer(TObject* Sender);
  void L_KastirClick(TObject* Sender);
  void LL_UpdateLinkClick(TObject* Sender, const std::string& Link, TSysLinkType LinkType);

  // Set Access shows the Modbus TCP master window of the table layer; nothing happens until
  // that layer registers the window under "TFModbus_TCP_Master_Set_Access".
  void Show_Set_Access();
  // Shows a registered table window modally; its result is not used.
  void Show_Table_Window(const std::string& className);

  // The other windows, set by the start-up as it creates them; a window not created stays null.
  TFNew_Project* FNew_Project = nullptr;
  TFOpenConf* FOpenConf = nullptr;
  TFAbout* FAbout = nullptr;
  TFParGen* FParGen = nullptr;
  TFSoftOptions* FSoftOptions = nullptr;
  TFBootTCP* FBootTCP = nullptr;
  // The table layer's windows by class name, registered by that layer as it creates them.
  std::map<std::string, TTableWindow> Table_Windows;

  // The HTTP client and the server the version check asks; the options window borrows them.
  // Tests put a fake client or a loopback server here.
  std::unique_ptr<IHttpClient> HTTP1;
  TVersionServer Version_Server;

  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TLabel* L_Begin = nullptr;
  TShape* Shape2 = nullptr;
  TLabel* L_Name_Conf = nullptr;
  TLabel* L_Name_Conf_L2 = nullptr;
  TLabel* L_Step_1 = nullptr;
  TLabel* L_Step_2 = nullptr;
  TLabel* L_Step_3 = nullptr;
  TLabel* L_Step_4 = nullptr;
  TLabel* L_Step_5 = nullptr;
  TLabel* L_Step_6 = nullptr;
  TLabel* L_Step_7 = nullptr;
  TLabel* L_Step_8 = nullptr;
  TLabel* L_Step_9 = nullptr;
  TLabel* L_Kastir = nullptr;
  TLinkLabel* LL_Update = nullptr;
  TShape* Shape1 = nullptr;

  TLbButton* Btn_New = nullptr;
  TLbButton* Btn_Open = nullptr;
  TLbButton* Btn_Close = nullptr;
  TLbButton* Btn_Info = nullptr;
  TLbButton* Btn_Opz = nullptr;
  TLbButton* Btn_Prm_Gen = nullptr;
  TLbButton* Btn_Set_Access = nullptr;
  TLbButton* Btn_Receive_NMEA = nullptr;
  TLbButton* Btn_Transmit_NMEA = nullptr;
  TLbButton* Btn_SDO_Server_CANopen = nullptr;
  TLbButton* Btn_SDO_Client_CANopen = nullptr;
  TLbButton* Btn_PDO_CANopen = nullptr;
  TLbButton* Btn_ReStart_Devices_CANopen = nullptr;
  TLbButton* Btn_NodeGuard_CANopen = nullptr;
  TLbButton* Btn_CANopen_EDS = nullptr;
  TLbButton* Btn_PROFIBUS_GSD = nullptr;
  TLbButton* Btn_DMX_Default = nullptr;
  TLbButton* Btn_J1939_Rec_Frame = nullptr;
  TLbButton* Btn_J1939_Send_Frame = nullptr;
  TLbButton* Btn_CAN_Rec_Frame = nullptr;
  TLbButton* Btn_CAN_Rec_Info = nullptr;
  TLbButton* Btn_CAN_Send_Frame = nullptr;
  TLbButton* Btn_CAN_Send_Info = nullptr;
  TLbButton* Btn_CreateBin = nullptr;

  TTimer* Timer_Update = nullptr;

  // The compile of the active configuration into its bank files.
  TBankCompile Compile;

 private:
  void CreateControls();
  void CreateStepButtons();
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Layout_Window();
  void Show_Name_Labels();
  const std::string& Text(int number) const;

  TAppState FState;
  std::string FAppFolder;
};

}  // namespace hd

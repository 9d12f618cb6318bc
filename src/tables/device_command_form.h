// The device command page: talks to a running converter over UDP. It reads and writes the
// enabled state of the converter's 1024 polls, reads their error counters, reads and sets the
// transparent mode, and enables or disables the polls of one slave or one single poll. Its
// endpoint listens only while the page is shown.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/ext_ctrls.h"
#include "platform/forms.h"
#include "platform/net.h"
#include "platform/page_control.h"
#include "platform/std_ctrls.h"
#include "tables/device_commands.h"

namespace hd {

struct TAppState;
class TExtColumnGrid;
class TLbButton;

class TFAdvanceFunctions : public TForm {
 public:
  TFAdvanceFunctions(TComponent* owner, TAppState& state);
  ~TFAdvanceFunctions() override;
  const char* ClassName() const override { return "TFAdvanceFunctions"; }

  void Set_Lang();

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void Btn_ExitClick(TObject* Sender);
  void Btn_Read_StatusClick(TObject* Sender);
  void Btn_Write_StatusClick(TObject* Sender);
  void Btn_CopyClick(TObject* Sender);
  void Btn_Read_ErrorsClick(TObject* Sender);
  void Btn_Read_Status_Transparent_ModeClick(TObject* Sender);
  void Btn_Write_Status_Transparent_ModeClick(TObject* Sender);
  void Btn_B5_WriteClick(TObject* Sender);
  void Btn_B6_WriteClick(TObject* Sender);
  // A datagram from any sender, on the GUI thread.
  void IdUDPS1UDPRead(const std::string& AData);

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TPanel* P_Button = nullptr;
  TLbButton* Btn_Exit = nullptr;
  TPanel* Panel_IP_Address = nullptr;
  TLabel* L_IP_Address = nullptr;
  TEdit* E_IP_Address = nullptr;
  TPageControl* PageControl1 = nullptr;
  TTabSheet* TS_B0B1 = nullptr;
  TTabSheet* TS_B2 = nullptr;
  TTabSheet* TS_B3B4 = nullptr;
  TTabSheet* TS_B5B6 = nullptr;
  TPanel* Panel_CMD = nullptr;
  TLbButton* Btn_Read_Status = nullptr;
  TLbButton* Btn_Write_Status = nullptr;
  TLbButton* Btn_Copy = nullptr;
  TExtColumnGrid* ACG = nullptr;
  TPanel* Panel1 = nullptr;
  TLbButton* Btn_Read_Errors = nullptr;
  TExtColumnGrid* ACG2 = nullptr;
  TLabel* L_RS_TransparentMode = nullptr;
  TLbButton* Btn_Read_Status_Transparent_Mode = nullptr;
  TLabel* L_Status_TransparenMode = nullptr;
  TLabel* L_WS_TransparentMode = nullptr;
  TComboBox* CB_WS_TransparentMode = nullptr;
  TLbButton* Btn_Write_Status_Transparent_Mode = nullptr;
  TLabel* L_Title_B5 = nullptr;
  TLabel* L_B5_IDDlave = nullptr;
  TEdit* E_B5_IDSlave = nullptr;
  TComboBox* CB_B5_EnableDisable = nullptr;
  TLbButton* Btn_B5_Write = nullptr;
  TLabel* L_Title_B6 = nullptr;
  TLabel* L_B6_NumPoll = nullptr;
  TEdit* E_B6_NumPoll = nullptr;
  TComboBox* CB_B6_EnableDisable = nullptr;
  TLbButton* Btn_B6_Write = nullptr;

  // The UDP endpoint, made by Make_Endpoint at the first showing; it binds Local_Port while
  // the page is shown, and every command goes to Device_Port of the address typed. Tests put
  // a loopback peer's port and free ports here.
  std::function<std::unique_ptr<IUdpEndpoint>()> Make_Endpoint = CreateUdpEndpoint;
  std::unique_ptr<IUdpEndpoint> IdUDPS1;
  int Local_Port = Device_Command_Port;
  int Device_Port = Device_Command_Port;

  // The reply awaited (TAwaitedReply).
  int Last_CMD = arNone;

 private:
  void Create_Address_Panel();
  void Create_Poll_Pages();
  void Create_Command_Pages();
  TTabSheet* Make_Page(const std::string& name);
  TComboBox* Make_Choice(TWinControl* parent, const std::string& name, const TRect& bounds);
  TEdit* Make_Edit(TWinControl* parent, const std::string& name, const TRect& bounds);
  void Fill_Choices(TComboBox& box, int firstText);
  void Show_Poll_Descriptions();
  // Sends the command to the address typed; a failure is shown and changes nothing.
  void Send(const TDeviceCommand& command);
  const std::string& Lang(int number) const;

  TAppState& FState;
};

}  // namespace hd

// The Ethernet update wizard: page 1 checks with a ping that the device answers at the address
// the user typed; page 2 picks what to send, writes the updater's job file and runs the updater.
#pragma once

#include <memory>
#include <string>

#include "platform/forms.h"
#include "platform/net.h"
#include "platform/std_ctrls.h"

namespace hd {

struct TAppState;
class TLbButton;
class TPanel;

// Splits an address text into its four parts; true only when there are four parts, each a
// decimal number from 0 to 255. The parts are given back as they stand in the text.
bool Valid_IP(const std::string& ip, std::string& ip1, std::string& ip2, std::string& ip3, std::string& ip4);

class TFBootTCP : public TForm {
 public:
  TFBootTCP(TComponent* owner, TAppState& state);
  ~TFBootTCP() override;
  const char* ClassName() const override { return "TFBootTCP"; }

  // Texts 1700 and 1702 to 1711 of Lang_Table.
  void Set_Lang();
  // Where the echo requests go out; the system's pinger until one is set.
  void SetPinger(std::unique_ptr<IPinger> pinger);

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void E_IP1KeyPress(TObject* Sender, TKeyChar& Key);
  void E_IP2KeyPress(TObject* Sender, TKeyChar& Key);
  void E_IP3KeyPress(TObject* Sender, TKeyChar& Key);
  // Ping.
  void LbButton1Click(TObject* Sender);
  // Next.
  void LbButton2Click(TObject* Sender);
  // Execute update.
  void LbButton4Click(TObject* Sender);
  // Writes Ethernet_Update.xml into the program folder for the chosen operations.
  void Compile_XML_Parameter();

  // A ping has succeeded since the window was last shown; Next is refused until then.
  bool Esegui_Ping = false;

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;

  TLabel* L_IP_Address;
  TEdit *E_IP1, *E_IP2, *E_IP3, *E_IP4;
  TLabel *Label2, *Label3, *Label4;
  TLabel* L_Ping;
  TLbButton* Btn_Ping;
  TLabel* LPing;

  TLabel* L_Options;
  TCheckBox* CB_Firmware;
  TCheckBox* CB_Read_Firm;
  TCheckBox* CB_Conf;
  TCheckBox* CB_Read_Conf;

  TPanel* P_Buttons;
  TLbButton* Btn_Cancel;
  TLbButton* Btn_Next;
  TLbButton* Btn_Update;

 private:
  void CreateTitle();
  void CreatePage1();
  void CreatePage2();
  void CreateButtons();
  void ShowPage1();
  void ShowPage2();
  void DotMovesTo(TEdit* next, TKeyChar& key);
  std::string Typed_IP() const;
  const std::string& Lang(int index) const;

  TAppState& state_;
  std::unique_ptr<IPinger> pinger_;
};

}  // namespace hd

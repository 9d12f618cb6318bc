// The communication-parameters window: the converter's own addresses on its EtherNet/IP side
// and on its Modbus TCP master side, edited over ParGen.xml of the active configuration.
#pragma once

#include <array>

#include "app/par_gen.h"
#include "platform/forms.h"
#include "platform/std_ctrls.h"

namespace hd {

struct TAppState;
class TLbButton;

// The small square on a group's caption row that folds the group away or opens it again.
class TGroupFoldButton : public TGraphicControl {
 public:
  TGroupFoldButton(TComponent* owner, bool expand);
  const char* ClassName() const override { return "TGroupFoldButton"; }
  // A plus for expand, a minus for collapse.
  bool IsExpand() const { return expand_; }

 protected:
  void Paint() override;

 private:
  bool expand_;
};

class TFParGen : public TForm {
 public:
  TFParGen(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFParGen"; }

  // Captions, labels and hints from the window's block of Lang_Table.
  void Set_Lang();
  // True when every field passes; otherwise shows the first failing check's message.
  bool Controllo_Dati();

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormActivate(TObject* Sender);
  void Btn_OKClick(TObject* Sender);
  void Btn_CancelClick(TObject* Sender);
  void On_Change(TObject* Sender);
  void On_Click(TObject* Sender);
  // The address edits: "." moves along the chain of parts instead of being typed.
  void KeyPress(TObject* Sender, TKeyChar& Key);
  void Btn_GB_Collapse(TObject* Sender);
  void Btn_GB_Expande(TObject* Sender);
  void Collapse_Expand_Creation();
  void Move_GroupBoxs();

  // The user changed a field since the window was last loaded.
  bool Is_Change = false;
  // Per group: true while expanded. Kept for the whole run.
  bool GB_EtherNetIP_Visible = true;
  bool GB_Modbus_TCP_Master_Visible = true;

  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;

  TGroupBox* GB_EtherNetIP;
  TGroupFoldButton* Btn_Collapse_EtherNetIP;
  TGroupFoldButton* Btn_Expand_EtherNetIP;
  TLabel* L_EtherNetIP_IP;
  TEdit *E_IP1, *E_IP2, *E_IP3, *E_IP4;
  TLabel* L_EtherNetIP_SM;
  TEdit *E_SM1, *E_SM2, *E_SM3, *E_SM4;
  TCheckBox* CB_EN_GAT;
  TEdit *E_GAT1, *E_GAT2, *E_GAT3, *E_GAT4;
  TLabel* L_EtherNetIP_Port;
  TEdit* E_PORT;
  TLabel* L_EtherNetIP_NumIn;
  TEdit* E_NB_Input;
  TLabel* L_EtherNetIP_NumOut;
  TEdit* E_NB_Output;
  TCheckBox* CB_PROFINET_En_Diagnostic;
  TEdit* E_PROFINET_Diagnostic_Address;

  TGroupBox* GB_Modbus_TCP_Master;
  TGroupFoldButton* Btn_Collapse_Modbus_TCP_Master;
  TGroupFoldButton* Btn_Expand_Modbus_TCP_Master;
  TLabel* L_Modbus_TCP_Master_IP_Add;
  TEdit *E_IP1_Modbus_TCP_Master, *E_IP2_Modbus_TCP_Master, *E_IP3_Modbus_TCP_Master, *E_IP4_Modbus_TCP_Master;
  TLabel* L_Modbus_TCP_Master_SM_Add;
  TEdit *E_SM1_Modbus_TCP_Master, *E_SM2_Modbus_TCP_Master, *E_SM3_Modbus_TCP_Master, *E_SM4_Modbus_TCP_Master;
  TCheckBox* CB_En_GAT_Modbus_TCP_Master;
  TEdit *E_GAT1_Modbus_TCP_Master, *E_GAT2_Modbus_TCP_Master, *E_GAT3_Modbus_TCP_Master, *E_GAT4_Modbus_TCP_Master;
  TLabel* L_ModbusTCPMaster_TimeOut;
  TEdit* E_TO_Modbus_TCP_Master;
  TLabel* L_ModbusTCPMaster_CyclicDelay;
  TEdit* E_CD_Modbus_TCP_Master;

  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;

 protected:
  using TCustomForm::KeyPress;

 private:
  struct TFoldGroup {
    TGroupBox* Group;
    TLabel* FirstLabel;
    TGroupFoldButton* Collapse;
    TGroupFoldButton* Expand;
    bool* Expanded;
  };

  void CreateTitle();
  void CreateEtherNetIPGroup();
  void CreateModbusTCPMasterGroup();
  void CreateButtons();
  TLabel* AddLabel(TWinControl* parent, int left, int top);
  TEdit* AddEdit(TWinControl* parent, int left, int top, int width);
  TCheckBox* AddCheck(TWinControl* parent, int left, int top, int width);
  void AddAddressRow(TWinControl* parent, int top, std::array<TEdit**, 4> parts);
  void AddFoldButtons(TWinControl* group, TGroupFoldButton*& collapse, TGroupFoldButton*& expand);
  TFoldGroup FoldGroupOf(TObject* button);
  void Set_Fields_Reachable(TGroupBox* group, bool reachable);
  void ShowFields(const TParGen& p);
  TParGen ReadFields() const;
  const std::string& Lang(int index) const;

  TAppState& state_;
  // The field of each ParGen.xml element, in file order.
  std::array<TWinControl*, 33> fields_{};
};

}  // namespace hd

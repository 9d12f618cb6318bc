// The device restart window: for each CANopen node ID 1 to 127, whether the converter
// restarts that device, with a mnemonic. Every row is written; there is no check.
#pragma once

#include "tables/table_window.h"

namespace hd {

// Root "Enable_ReStart_CANopen", version 1.304, 127 "row" elements under the root with
// Enable_ReStart ("N" when missing) and Mnemonic (empty).
const TTableFile& Device_Restart_File();

class TFReStart_Devices : public TRuleTableForm {
 public:
  TFReStart_Devices(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFReStart_Devices"; }

  void Set_Lang();
  // Any table passes.
  bool Controllo_dati() override { return true; }

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  // Ticks every node for Btn_SelectAll, clears every node for any other sender.
  void Select_Clear_All_Click(TObject* Sender);

  TExtColumnGrid* sga = nullptr;
  TLbButton* Btn_SelectAll = nullptr;
  TLbButton* Btn_ClearAll = nullptr;

 protected:
  std::vector<TExtColumnGrid*> Grids() const override { return {sga}; }
  TExtColumnGrid* Current_Grid() const override { return sga; }
  std::string Table_Path() const override;
};

}  // namespace hd

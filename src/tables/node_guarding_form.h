// The node guarding window: the CANopen devices the converter guards, each with its guard time
// in milliseconds and its life time factor. The table has no place in the EtherNet/IP images.
#pragma once

#include "tables/table_window.h"

namespace hd {

enum TNodeGuardColumn { ngNodeID = 1, ngGuardTime, ngLifeTimeFactor, ngMnemonic };

// Root "Node_Guarding", version 1.304, up to 32 "row" elements under the root with NodeID,
// GuardTime, LifeTimeFactor and Mnemonic, each empty when missing; the key is the device, trimmed.
const TTableFile& Node_Guarding_File();

constexpr int Node_Guarding_Prefix_Text = 2311;

// Every device down to the first empty Device ID; grid 0 of the result is the only grid.
TTableCheck Check_Node_Guarding(const TCellTableView& grid);

class TFNodeGuard : public TRuleTableForm {
 public:
  TFNodeGuard(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFNodeGuard"; }

  void Set_Lang();
  bool Controllo_dati() override;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);

  TExtColumnGrid* ESG = nullptr;

 protected:
  std::vector<TExtColumnGrid*> Grids() const override { return {ESG}; }
  TExtColumnGrid* Current_Grid() const override { return ESG; }
  std::string Table_Path() const override;
};

}  // namespace hd

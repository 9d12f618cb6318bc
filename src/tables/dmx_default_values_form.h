// The DMX default values window: a default value (0 to 255) and a mnemonic for each of the
// 512 DMX channels, every channel a row of its own and every row written.
#pragma once

#include "tables/table_window.h"

namespace hd {

// Root "DMX_Default_Values", version 1.101, 512 "Row" elements under the root with
// Default_Value ("0" when missing) and Mnemonic (empty).
const TTableFile& DMX_Default_Values_File();

// Every channel's Default Value must be a number 0 to 255; grid 0 of the result is the only
// grid.
TTableCheck Check_DMX_Default_Values(const TCellTableView& grid);

class TFDMXDefVal : public TRuleTableForm {
 public:
  TFDMXDefVal(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFDMXDefVal"; }

  void Set_Lang();
  bool Controllo_dati() override;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);

  TExtColumnGrid* ACG_DMX_Def_Val = nullptr;

 protected:
  std::vector<TExtColumnGrid*> Grids() const override { return {ACG_DMX_Def_Val}; }
  TExtColumnGrid* Current_Grid() const override { return ACG_DMX_Def_Val; }
  std::string Table_Path() const override;
};

}  // namespace hd

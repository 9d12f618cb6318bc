// The access-poll window: the Modbus read and write polls of a master that addresses its
// slaves by number alone, in two grids on two tab pages. Nothing in this product opens it.
#pragma once

#include "platform/page_control.h"
#include "tables/table_window.h"

namespace hd {

class TFSetAccess : public TRuleTableForm {
 public:
  TFSetAccess(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFSetAccess"; }

  void Set_Lang();
  // The read polls, then the write polls, each against its image.
  bool Controllo_dati() override;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  // The OK button: check, save, close.
  void bitbtn1Click(TObject* Sender) { Btn_OKClick(Sender); }

  TPageControl* PageControl1 = nullptr;
  TTabSheet* TS_Modbus_Read = nullptr;
  TTabSheet* TS_Modbus_Write = nullptr;
  TExtColumnGrid* ACG_Modbus_Read = nullptr;
  TExtColumnGrid* ACG_Modbus_Write = nullptr;

  // Sizes in bytes of the image the read polls fill and of the one the writes read.
  int NByte_IN = 0;
  int NByte_OUT = 0;

 protected:
  std::vector<TExtColumnGrid*> Grids() const override { return {ACG_Modbus_Read, ACG_Modbus_Write}; }
  TExtColumnGrid* Current_Grid() const override;
  std::string Table_Path() const override;
};

}  // namespace hd

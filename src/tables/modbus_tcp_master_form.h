// The window of the Set Access step: the Modbus TCP master read and write requests of the
// active configuration, edited in two grids on two tab pages and kept in
// ModbusTCPM_SetAccess.xml.
#pragma once

#include "platform/page_control.h"
#include "tables/table_window.h"

namespace hd {

class TFModbus_TCP_Master_Set_Access : public TRuleTableForm {
 public:
  TFModbus_TCP_Master_Set_Access(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFModbus_TCP_Master_Set_Access"; }

  void Set_Lang();
  // The read requests, then the write requests, each against its image.
  bool Controllo_dati() override;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Btn_CopyRowClick(TObject* Sender);
  void Btn_PasteRowClick(TObject* Sender);
  void sgaKeyPress(TObject* Sender, TKeyChar& Key);
  void sgaDblClickCell(TObject* Sender, int ARow, int ACol);

  TPageControl* PageControl1 = nullptr;
  TTabSheet* TS_Modbus_Read = nullptr;
  TTabSheet* TS_Modbus_Write = nullptr;
  TExtColumnGrid* ACG_Modbus_Read = nullptr;
  TExtColumnGrid* ACG_Modbus_Write = nullptr;
  TLbButton* Btn_CopyRow = nullptr;
  TLbButton* Btn_PasteRow = nullptr;

  // Sizes in bytes of the image the read requests fill and of the one the writes read.
  int NByte_IN = 0;
  int NByte_OUT = 0;
  // The row in the row clipboard was copied from that grid during this showing.
  bool Do_Copy_In_Read = false;
  bool Do_Copy_In_Write = false;

 protected:
  std::vector<TExtColumnGrid*> Grids() const override { return {ACG_Modbus_Read, ACG_Modbus_Write}; }
  TExtColumnGrid* Current_Grid() const override;
  std::string Table_Path() const override;

 private:
  void Create_Grids();
  void Create_Buttons();
  void Style_Columns(TExtColumnGrid& grid, const int* widths, const TColor* tints);
};

}  // namespace hd

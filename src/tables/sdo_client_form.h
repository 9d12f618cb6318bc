// The SDO client window: the objects the converter reads from CANopen devices into the
// EtherNet/IP input image and writes to them from the output image, in two grids on two tab
// pages; a write can be sent on change.
#pragma once

#include "tables/canopen_tables.h"

namespace hd {

// Columns of the read grid, as the attributes of an "SDO_Read" row.
enum TSdoClientReadColumn { crDevice_ID = 1, crIndex, crSubIndex, crNByte, crPoll_Time, crAddress_B1,
                            crAddress_B2, crAddress_B3, crAddress_B4, crMnemonic };
// Columns of the write grid: On_Change after Poll_Time, the later ones one place to the right.
enum TSdoClientWriteColumn { cwDevice_ID = 1, cwIndex, cwSubIndex, cwNByte, cwPoll_Time, cwOn_Change,
                             cwAddress_B1, cwAddress_B2, cwAddress_B3, cwAddress_B4, cwMnemonic };

// Root "EtherNetIP_to_SDO_CANopen" without a version, sections "SDO_Read" (10 attributes) and
// "SDO_Write" (11) of 256 rows each, every attribute required; the key is the device, trimmed.
const TTableFile& SDO_Client_File();

constexpr int SDO_Client_Prefix_Text = 1031;

// The read table with its address bytes bounded by readLimit, then the write table by
// writeLimit; stops at the first failed test. Grid 0 of the result is the read table.
TTableCheck Check_SDO_Client(const TCellTableView& read, const TCellTableView& write, std::int64_t readLimit,
                             std::int64_t writeLimit);

class TFSet_SDO_Client_Access : public TTwoPageTableForm {
 public:
  TFSet_SDO_Client_Access(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFSet_SDO_Client_Access"; }

  bool Controllo_dati() override;

  TTabSheet* TS_SDO_Read = nullptr;
  TTabSheet* TS_SDO_Write = nullptr;

 protected:
  void Take_Image_Sizes(const TImageSizes& sizes) override;
  std::string Table_Path() const override;
};

}  // namespace hd

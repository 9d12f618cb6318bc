// The SDO server window: the objects of the manufacturer range that CANopen clients read (their
// bytes lie in the EtherNet/IP output image) and write (bytes in the input image), in two grids
// on two tab pages. The EDS step reads the file it writes.
#pragma once

#include "tables/canopen_tables.h"

namespace hd {

// Columns of both grids, as the attributes of a row.
enum TSdoServerColumn { ssIndex = 1, ssSubIndex, ssNByte, ssAddress_B1, ssAddress_B2, ssAddress_B3, ssAddress_B4,
                        ssMnemonic };

// Root "EtherNetIP_to_SDO_CANopen" without a version, sections "SDO_Read" and "SDO_Write" of
// 500 rows each with every attribute required; the key is the Index, trimmed.
const TTableFile& SDO_Server_File();

constexpr int SDO_Server_Prefix_Text = 1126;

// The read table with its address bytes bounded by readLimit, then the write table by
// writeLimit; stops at the first failed test. Grid 0 of the result is the read table.
TTableCheck Check_SDO_Server(const TCellTableView& read, const TCellTableView& write, std::int64_t readLimit,
                             std::int64_t writeLimit);

class TFSet_SDO_Server_Access : public TTwoPageTableForm {
 public:
  TFSet_SDO_Server_Access(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFSet_SDO_Server_Access"; }

  // A failure is shown twice: in fixed English, then in the user's language.
  bool Controllo_dati() override;

  TTabSheet* TS_SDO_Read = nullptr;
  TTabSheet* TS_SDO_Write = nullptr;

 protected:
  // Crossed over: the field named IN holds the output size and bounds the read table, since
  // what clients read comes from the output image.
  void Take_Image_Sizes(const TImageSizes& sizes) override;
  std::string Table_Path() const override;
};

}  // namespace hd

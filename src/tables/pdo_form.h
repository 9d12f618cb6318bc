// The PDO window: the process data objects the converter receives into the EtherNet/IP input
// image and transmits from the output image, in two grids on two tab pages. The EDS step reads
// the file it writes.
#pragma once

#include "tables/canopen_tables.h"

namespace hd {

// Columns of the receive grid, as the attributes of a "Receive_PDO" row.
enum TPdoReceiveColumn { prCOB_ID = 1, prDimension, prAddress_B1, prTimeOut = prAddress_B1 + 8, prMnemonic };
// Columns of the transmit grid, as the attributes of a "Transmit_PDO" row.
enum TPdoTransmitColumn { ptCOB_ID = 1, ptDimension, ptAddress_B1, ptSend_Time = ptAddress_B1 + 8, ptOn_Change,
                          ptMnemonic };

// Root "EtherNetIP_to_SDO_CANopen" without a version, sections "Receive_PDO" (12 attributes)
// and "Transmit_PDO" (13) of 30 rows each, as many as the EDS step takes; every attribute is
// required and the key is the COB-ID, trimmed.
const TTableFile& PDO_File();

constexpr int PDO_Prefix_Text = 935;

// The receive table with its address bytes bounded by receiveLimit, then the transmit table by
// transmitLimit; stops at the first failed test. Grid 0 of the result is the receive table.
TTableCheck Check_PDO(const TCellTableView& receive, const TCellTableView& transmit, std::int64_t receiveLimit,
                      std::int64_t transmitLimit);

class TFSet_PDO_Access : public TTwoPageTableForm {
 public:
  TFSet_PDO_Access(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFSet_PDO_Access"; }

  bool Controllo_dati() override;

  TTabSheet* TS_Receive_PDO = nullptr;
  TTabSheet* TS_Transmit_PDO = nullptr;

 protected:
  void Take_Image_Sizes(const TImageSizes& sizes) override;
  std::string Table_Path() const override;
};

}  // namespace hd

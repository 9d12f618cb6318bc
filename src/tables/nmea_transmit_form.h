// The NMEA 2000 transmit window: the frames the converter sends on the bus, each with its
// priority, parameter group and source address, single or multi-frame, sent on data change or
// on a timer, all of them fitting the EtherNet/IP output image.
#pragma once

#include "tables/frame_table_form.h"

namespace hd {

// Data columns of the transmit grid, in the order of a row's attributes.
enum TNMEATransmitColumn { ntPriority = 1, ntPGN, ntSA, ntTP, ntFP, ntTP_NByte, ntT_Type, ntSendTimer, ntMnemonic };

// Root "Transmit_NMEA_2000", version 1.002, one "row" per frame; the PGN key (column 2, not
// the priority before it) is taken as typed.
const TTableFile& Transmit_NMEA_File();

// The rows down to the first empty PGN against an output image of numByteOut bytes; prefix 816.
TTableCheck Check_Transmit_NMEA(const TCellTableView& grid, int numByteOut);

class TFTransmitNMEA : public TFrameTableForm {
 public:
  TFTransmitNMEA(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFTransmitNMEA"; }

  void Set_Lang() override;
  bool Controllo_dati() override;
  void FormShow(TObject* Sender);

  // Size in bytes of the EtherNet/IP output image, read at each showing.
  int NUM_BYTE_OUT = Default_Image_Size;

 protected:
  std::string Table_Path() const override;
};

}  // namespace hd

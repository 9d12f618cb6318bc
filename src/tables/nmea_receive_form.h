// The NMEA 2000 receive window: the parameter groups the converter takes from the bus, each
// from one source address, with the data bytes taken from a single frame, a transport
// protocol message or a fast packet, all of them fitting the EtherNet/IP input image.
#pragma once

#include "tables/frame_table_form.h"

namespace hd {

// Data columns of the receive grid, in the order of a row's attributes.
enum TNMEAReceiveColumn { nrPGN = 1, nrSA, nrTP, nrFP, nrTP_Start, nrTP_NByte, nrDelete, nrMnemonic };

// Root "Receive_NMEA_2000", version 1.002, one "row" per frame; the PGN key is taken as typed.
const TTableFile& Receive_NMEA_File();

// The rows down to the first empty PGN against an input image of numByteIn bytes; prefix 715.
TTableCheck Check_Receive_NMEA(const TCellTableView& grid, int numByteIn);

class TFReceiveNMEA : public TFrameTableForm {
 public:
  TFReceiveNMEA(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFReceiveNMEA"; }

  void Set_Lang() override;
  bool Controllo_dati() override;
  void FormShow(TObject* Sender);

  // Size in bytes of the EtherNet/IP input image, read at each showing.
  int NUM_BYTE_IN = Default_Image_Size;

 protected:
  std::string Table_Path() const override;
};

}  // namespace hd

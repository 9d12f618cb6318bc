// The J1939 receive window: the parameter groups the converter captures from the bus, each
// from one source address, with a byte range of a single frame or of a transport protocol
// message, all of them fitting the EtherNet/IP input image.
#pragma once

#include "tables/frame_table_form.h"

namespace hd {

// Data columns of the receive grid, in the order of a row's attributes.
enum TJ1939ReceiveColumn { jrDataPage = 1, jrPGN, jrSA, jrTP, jrTP_Start, jrTP_NByte, jrDelete, jrMnemonic };

constexpr int J1939_Default_Image_Size = 496;

// Root "Receive_J1939" without a version, one "row" per frame; the PGN key is taken as typed.
const TTableFile& Receive_J1939_File();

// The rows down to the first empty PGN against an input image of numByteIn bytes; prefix 1515.
TTableCheck Check_Receive_J1939(const TCellTableView& grid, int numByteIn);

class TFReceiveJ1939 : public TJ1939TableForm {
 public:
  TFReceiveJ1939(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFReceiveJ1939"; }

  void Set_Lang() override;
  bool Controllo_dati() override;
  void FormShow(TObject* Sender);

  // Size in bytes of the EtherNet/IP input image, read at each showing.
  int NUM_BYTE_IN = J1939_Default_Image_Size;

 protected:
  std::string Table_Path() const override;
};

}  // namespace hd

// The J1939 transmit window: the parameter groups the converter sends on the bus, each with
// its priority, page and source address, the bytes of the EtherNet/IP output image it carries,
// and whether it goes out on request, on data change and on a timer.
#pragma once

#include "tables/j1939_receive_form.h"

namespace hd {

// Data columns of the transmit grid, in the order of a row's attributes.
enum TJ1939TransmitColumn {
  jtPriority = 1, jtDataPage, jtPGN, jtSA, jtTP_NumByte, jtOn_Request, jtOn_Data_Change, jtOn_Timer, jtSend_Timer,
  jtMnemonic
};

// Root "Receive_J1939" like the receive table's, without a version, one "row" per frame;
// TP_NumByte reads "8" when missing or empty. The PGN key is taken as typed.
const TTableFile& Transmit_J1939_File();

// The rows down to the first empty PGN against an output image of numByteOut bytes; prefix 1616.
TTableCheck Check_Transmit_J1939(const TCellTableView& grid, int numByteOut);

class TFTransmitJ1939 : public TJ1939TableForm {
 public:
  TFTransmitJ1939(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFTransmitJ1939"; }

  void Set_Lang() override;
  bool Controllo_dati() override;
  void FormShow(TObject* Sender);

  // Size in bytes of the EtherNet/IP output image, read at each showing.
  int NUM_BYTE_OUT = J1939_Default_Image_Size;

 protected:
  std::string Table_Path() const override;
};

}  // namespace hd

// The windows of the frames on the NMEA 2000 and J1939 buses, whose steps this product hides.
#include "tables/j1939_receive_form.h"
#include "tables/j1939_transmit_form.h"
#include "tables/nmea_receive_form.h"
#include "tables/nmea_transmit_form.h"
#include "tables/table_windows.h"

namespace hd {

TTableWindowFamily Bus_Frame_Windows() {
  return {
      Table_Window<TFReceiveNMEA>("TFReceiveNMEA", TRelabel::OnLanguageChange),
      Table_Window<TFTransmitNMEA>("TFTransmitNMEA", TRelabel::OnLanguageChange),
      // The J1939 windows keep the texts of their creation.
      Table_Window<TFReceiveJ1939>("TFReceiveJ1939", TRelabel::KeepsTexts),
      Table_Window<TFTransmitJ1939>("TFTransmitJ1939", TRelabel::KeepsTexts),
  };
}

}  // namespace hd

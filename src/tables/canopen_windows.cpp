// The windows of the CANopen side, all behind steps this product hides.
#include "tables/device_restart_form.h"
#include "tables/node_guarding_form.h"
#include "tables/pdo_form.h"
#include "tables/sdo_client_form.h"
#include "tables/sdo_server_form.h"
#include "tables/table_windows.h"

namespace hd {

TTableWindowFamily CANopen_Windows() {
  return {
      Table_Window<TFReStart_Devices>("TFReStart_Devices", TRelabel::KeepsTexts),
      Table_Window<TFSet_SDO_Server_Access>("TFSet_SDO_Server_Access", TRelabel::KeepsTexts),
      Table_Window<TFSet_SDO_Client_Access>("TFSet_SDO_Client_Access", TRelabel::OnLanguageChange),
      Table_Window<TFSet_PDO_Access>("TFSet_PDO_Access", TRelabel::OnLanguageChange),
      Table_Window<TFNodeGuard>("TFNodeGuard", TRelabel::KeepsTexts),
  };
}

}  // namespace hd

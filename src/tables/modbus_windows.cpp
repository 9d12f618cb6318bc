// The windows of the Modbus side: the Set Access step's request window, the access-poll
// window that nothing opens, and the device command page behind the options window.
#include "tables/access_poll_form.h"
#include "tables/device_command_form.h"
#include "tables/modbus_tcp_master_form.h"
#include "tables/table_windows.h"

namespace hd {

TTableWindowFamily Modbus_Windows() {
  return {
      // Not re-labelled on a language change: the new texts show from the next start.
      Table_Window<TFModbus_TCP_Master_Set_Access>("TFModbus_TCP_Master_Set_Access", TRelabel::KeepsTexts),
      Table_Window<TFSetAccess>("TFSetAccess", TRelabel::KeepsTexts),
      Table_Window<TFAdvanceFunctions>("TFAdvanceFunctions", TRelabel::KeepsTexts),
  };
}

}  // namespace hd

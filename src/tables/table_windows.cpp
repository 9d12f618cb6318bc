#include "tables/table_windows.h"

#include "app/main_form.h"
#include "platform/application.h"
#include "tables/modbus_tcp_master_form.h"

namespace hd {

std::map<std::string, TWindowMaker> Table_Layer_Windows() {
  return {
      {"TFModbus_TCP_Master_Set_Access",
       [](TFTessaroneFirmWare& main) {
         TFModbus_TCP_Master_Set_Access* form = nullptr;
         Application().CreateForm(form, main.State());
         // Not re-labelled on a language change: the new texts show from the next start.
         main.Table_Windows["TFModbus_TCP_Master_Set_Access"] = {form, {}};
       }},
  };
}

}  // namespace hd

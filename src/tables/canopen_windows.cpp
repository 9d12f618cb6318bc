#include "tables/device_restart_form.h"
#include "tables/table_windows.h"

namespace hd {

TTableWindowFamily CANopen_Windows() {
  return {Table_Window<TFReStart_Devices>("TFReStart_Devices", TRelabel::KeepsTexts)};
}

}  // namespace hd

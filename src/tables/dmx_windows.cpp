#include "tables/dmx_default_values_form.h"
#include "tables/table_windows.h"

namespace hd {

TTableWindowFamily DMX_Windows() {
  return {Table_Window<TFDMXDefVal>("TFDMXDefVal", TRelabel::OnLanguageChange)};
}

}  // namespace hd

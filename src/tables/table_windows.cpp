#include "tables/table_windows.h"

namespace hd {

std::map<std::string, TWindowMaker> Table_Layer_Windows() {
  std::map<std::string, TWindowMaker> makers;
  for (TTableWindowFamily family : {Modbus_Windows(), DMX_Windows(), CANopen_Windows(),
                                     Bus_Frame_Windows(), CAN_Windows()})
    for (auto& [name, maker] : family) makers.emplace(name, std::move(maker));
  return makers;
}

}  // namespace hd

// The table layer's windows as the program's start-up creates them.
#pragma once

#include <map>
#include <string>

#include "app/program_start.h"

namespace hd {

// Makers of the table windows by class name: each creates its window and registers it with
// the main window, whose steps then open it.
std::map<std::string, TWindowMaker> Table_Layer_Windows();

}  // namespace hd

// The pixels of the program's built-in bitmap resources.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/bitmap.h"

namespace hd::resource_art {

std::vector<std::pair<std::string, std::function<TBitmap()>>> BuiltIn();

}  // namespace hd::resource_art

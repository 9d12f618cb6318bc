// Named bitmap resources: the program's own small pictures (check boxes, radio buttons,
// arrows, node and button glyphs), made in code and looked up by name.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/bitmap.h"

namespace hd {

// A copy of the named bitmap (names ignore case); EResNotFound when there is none.
TBitmap BitmapResource(const std::string& name);
bool HasBitmapResource(const std::string& name);
// Adds or replaces a resource; the maker runs on first use.
void RegisterBitmapResource(const std::string& name, std::function<TBitmap()> maker);
std::vector<std::string> BitmapResourceNames();

// A picture drawn as rows of characters, each mapped through the palette; a character the
// palette does not name (and a short row's missing end) is the transparent key, fuchsia.
TBitmap BitmapFromRows(const std::vector<std::string>& rows, const std::map<char, TColor>& palette);

}  // namespace hd

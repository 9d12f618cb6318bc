#include "platform/bitmap_resources.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

#include "platform/bitmap_resource_art_p.h"
#include "platform/exceptions.h"

namespace hd {
namespace {

struct Entry {
  std::function<TBitmap()> maker;
  std::optional<TBitmap> made;
};

std::string Key(const std::string& name) {
  std::string k = name;
  std::transform(k.begin(), k.end(), k.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return k;
}

std::map<std::string, Entry>& Table() {
  static std::map<std::string, Entry> table = [] {
    std::map<std::string, Entry> t;
    for (auto& [name, maker] : resource_art::BuiltIn()) t[Key(name)] = Entry{maker, std::nullopt};
    return t;
  }();
  return table;
}

}  // namespace

TBitmap BitmapResource(const std::string& name) {
  auto it = Table().find(Key(name));
  if (it == Table().end()) throw EResNotFound("Resource " + name + " not found");
  if (!it->second.made) it->second.made = it->second.maker();
  return *it->second.made;
}

bool HasBitmapResource(const std::string& name) { return Table().count(Key(name)) != 0; }

void RegisterBitmapResource(const std::string& name, std::function<TBitmap()> maker) {
  Table()[Key(name)] = Entry{std::move(maker), std::nullopt};
}

std::vector<std::string> BitmapResourceNames() {
  std::vector<std::string> names;
  for (auto& [name, entry] : Table()) names.push_back(name);
  return names;
}

TBitmap BitmapFromRows(const std::vector<std::string>& rows, const std::map<char, TColor>& palette) {
  const int h = static_cast<int>(rows.size());
  const int w = h ? static_cast<int>(rows[0].size()) : 0;
  TBitmap bmp(w, h);
  for (int y = 0; y < h; ++y) {
    std::uint32_t* line = bmp.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      const char c = x < static_cast<int>(rows[y].size()) ? rows[y][x] : '.';
      auto it = palette.find(c);
      const TColor color = it == palette.end() ? clFuchsia : it->second;
      line[x] = 0xFF000000u | static_cast<std::uint32_t>(color);
    }
  }
  bmp.SetTransparent(true);
  return bmp;
}

}  // namespace hd

#include "fuzz_support.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace hd::fuzz {

namespace {

struct TScratch {
  std::string path;
  TScratch() {
    const char* base = std::getenv("TMPDIR");
    std::string templ = std::string(base && *base ? base : "/tmp") + "/hd-fuzz-XXXXXX";
    if (::mkdtemp(templ.data())) path = templ;
  }
  ~TScratch() {
    std::error_code ec;
    if (!path.empty()) std::filesystem::remove_all(path, ec);
  }
};

}  // namespace

const std::string& ScratchFolder() {
  static TScratch scratch;
  if (scratch.path.empty()) Broken("no scratch folder");
  return scratch.path;
}

std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
  const std::string path = ScratchFolder() + "/" + name;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

std::uint8_t TInput::Byte() {
  if (size_ == 0) return 0;
  --size_;
  return *data_++;
}

std::uint32_t TInput::Word() {
  std::uint32_t v = 0;
  for (int k = 0; k < 4; ++k) v = (v << 8) | Byte();
  return v;
}

std::uint64_t TInput::Wide() { return (static_cast<std::uint64_t>(Word()) << 32) | Word(); }

double TInput::Double() {
  const std::uint64_t bits = Wide();
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

std::string TInput::Text() {
  const void* stop = std::memchr(data_, '\x01', size_);
  const std::size_t n = stop ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(stop) - data_) : size_;
  std::string text(reinterpret_cast<const char*>(data_), n);
  const std::size_t used = stop ? n + 1 : n;
  data_ += used;
  size_ -= used;
  return text;
}

std::string TInput::Rest() {
  std::string text(reinterpret_cast<const char*>(data_), size_);
  data_ += size_;
  size_ = 0;
  return text;
}

void Broken(const std::string& what) {
  std::fprintf(stderr, "fuzz target: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

void CheckRoundTrip(const TTableFile& file, const std::string& path, const std::vector<TGrid*>& grids) {
  std::vector<TCellTableView> views, backViews;
  std::vector<TGrid> back;
  back.reserve(grids.size());
  for (TGrid* g : grids) {
    views.emplace_back(*g);
    back.emplace_back(g->cols, g->rows);
  }
  for (TGrid& g : back) backViews.emplace_back(g);
  SaveTableFile(file, path, views);
  if (!LoadTableFile(file, path, backViews).empty()) Broken("a saved table does not load");
  for (std::size_t k = 0; k < grids.size(); ++k) {
    const int used = UsedRowCount(file, *grids[k]);
    if (UsedRowCount(file, back[k]) != used) Broken("a saved table reads back another row count");
    for (int r = 1; r <= used; ++r)
      for (int c = 1; c < grids[k]->ColCount(); ++c)
        if (grids[k]->Cells(c, r) != back[k].Cells(c, r)) Broken("a saved cell reads back different");
  }
}

}  // namespace hd::fuzz

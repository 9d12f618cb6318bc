// The cell store at a million cells of short text and no cell properties.
// - Memory: heap bytes per cell beyond its text; the goal is at most 64 bytes a cell.
// - Speed: every cell written through Cells and read back, beside a std::vector<std::string>
//   of the same texts (the plain container a user would otherwise keep them in); the goal is a
//   ratio of at most 3.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "bench_helpers.h"
#include "grid/foundation/base_grid.h"
#include "platform/gui_application.h"

namespace {

using hd::bench::HeapInUse;
using hd::bench::kCells;
using hd::bench::ShortText;

constexpr int kCols = 10, kRows = kCells / kCols;

// A cell store sized as a table window sizes it: every row a normal row, so reads pass the
// display hooks.
class TTableStore : public hd::TBaseGrid {
 public:
  explicit TTableStore(hd::TComponent* owner) : TBaseGrid(owner) {
    SetColCount(kCols);
    SetRowCount(kRows);
    FNormalRowCount = kRows;
  }
};

std::vector<std::string> Texts() {
  std::vector<std::string> texts;
  texts.reserve(kCells);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) texts.push_back(ShortText(c, r));
  return texts;
}

void BM_BaseGrid_CellMemory(benchmark::State& state) {
  hd::EnsureGuiApplication();
  const std::vector<std::string> texts = Texts();
  double perCell = 0;
  for (auto _ : state) {
    malloc_trim(0);
    std::size_t before = HeapInUse(), text = 0;
    std::unique_ptr<TTableStore> grid(hd::New<TTableStore>(nullptr));
    for (int r = 0, i = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c, ++i) {
        text += texts[i].size();
        grid->SetCells(c, r, texts[i]);
      }
    perCell = static_cast<double>(HeapInUse() - before - text) / kCells;
    benchmark::DoNotOptimize(grid->Cells(kCols - 1, kRows - 1));
  }
  state.counters["bytes_per_cell"] = perCell;
}
BENCHMARK(BM_BaseGrid_CellMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Each iteration fills and reads a new grid and a new vector.
void BM_BaseGrid_SetAndRead_AgainstVector(benchmark::State& state) {
  hd::EnsureGuiApplication();
  const std::vector<std::string> texts = Texts();
  using Clock = std::chrono::steady_clock;
  Clock::duration gridTime{}, vectorTime{};
  for (auto _ : state) {
    std::size_t read = 0;
    auto t0 = Clock::now();
    std::unique_ptr<TTableStore> grid(hd::New<TTableStore>(nullptr));
    for (int r = 0, i = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c, ++i) grid->SetCells(c, r, texts[i]);
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) read += grid->Cells(c, r).size();
    auto t1 = Clock::now();
    auto vec = std::make_unique<std::vector<std::string>>(kCells);
    for (int i = 0; i < kCells; ++i) (*vec)[i] = texts[i];
    for (int i = 0; i < kCells; ++i) {
      std::string s = (*vec)[i];
      read += s.size();
    }
    auto t2 = Clock::now();
    benchmark::DoNotOptimize(read);
    gridTime += t1 - t0;
    vectorTime += t2 - t1;
  }
  auto ms = [&](Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count() / static_cast<double>(state.iterations());
  };
  state.counters["ms_grid"] = ms(gridTime);
  state.counters["ms_vector"] = ms(vectorTime);
  state.counters["ratio"] = ms(gridTime) / ms(vectorTime);
}
BENCHMARK(BM_BaseGrid_SetAndRead_AgainstVector)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

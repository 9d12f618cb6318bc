// Hidden rows of a string grid.
// - Mapping between display and real rows: a grid that hides a million rows must map a row as
//   lightly as one that hides a hundred. Beside it, the plain tables a user would otherwise keep
//   (display row to real row, and real row back to display row, in vectors); both sides make the
//   same round trip, and the counters give nanoseconds per round trip and the ratio.
// - Reading a cell of each hidden row: the time per read grows with the log of the hidden rows.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/grid_items.h"
#include "platform/gui_application.h"

namespace {

constexpr int kQueries = 1000000;

void BM_StringGrid_RowMapping_AgainstTable(benchmark::State& state) {
  hd::EnsureGuiApplication();
  const int hidden = static_cast<int>(state.range(0));
  std::unique_ptr<hd::TExtStringGrid> grid(hd::New<hd::TExtStringGrid>(nullptr));
  // Every other row hidden, as a filter leaves them.
  const int visible = hidden + 10;
  grid->SetRowCount(visible);
  hd::TGridItems& items = grid->GridItems();
  items.BeginUpdate();
  for (int i = 0; i < hidden; ++i) items.Add()->SetIdx(2 * i + 1);
  items.EndUpdate();
  std::vector<int> table(static_cast<size_t>(visible));
  for (int d = 0; d < visible; ++d) table[static_cast<size_t>(d)] = grid->RealRowIndex(d);
  std::vector<int> back(static_cast<size_t>(table.back()) + 1, -1);
  for (int d = 0; d < visible; ++d) back[static_cast<size_t>(table[static_cast<size_t>(d)])] = d;

  using Clock = std::chrono::steady_clock;
  Clock::duration gridTime{}, tableTime{};
  for (auto _ : state) {
    long long sum = 0;
    auto t0 = Clock::now();
    for (int k = 0; k < kQueries; ++k) {
      int d = static_cast<int>((k * 7919LL) % visible);
      sum += grid->DisplRowIndex(grid->RealRowIndex(d));
    }
    auto t1 = Clock::now();
    for (int k = 0; k < kQueries; ++k) {
      int d = static_cast<int>((k * 7919LL) % visible);
      sum += back[static_cast<size_t>(table[static_cast<size_t>(d)])];
    }
    auto t2 = Clock::now();
    benchmark::DoNotOptimize(sum);
    gridTime += t1 - t0;
    tableTime += t2 - t1;
  }
  double n = static_cast<double>(state.iterations()) * kQueries;
  state.counters["grid_ns_per_round_trip"] = std::chrono::duration<double, std::nano>(gridTime).count() / n;
  state.counters["ratio_to_table"] =
      std::chrono::duration<double>(gridTime).count() / std::chrono::duration<double>(tableTime).count();
}
BENCHMARK(BM_StringGrid_RowMapping_AgainstTable)
    ->Name("StringGrid/RowMappingRoundTrip_AgainstTables")
    ->Arg(100)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// Arg: hidden rows, every other row of the grid, each holding a text in column 1.
void BM_StringGrid_HiddenRowReads(benchmark::State& state) {
  hd::EnsureGuiApplication();
  const int hidden = static_cast<int>(state.range(0));
  std::unique_ptr<hd::TExtStringGrid> grid(hd::New<hd::TExtStringGrid>(nullptr));
  grid->SetRowCount(hidden + 10);
  hd::TGridItems& items = grid->GridItems();
  items.BeginUpdate();
  for (int i = 0; i < hidden; ++i) {
    hd::TGridItem* item = items.Add();
    item->SetIdx(2 * i + 1);
    item->ItemsThrough(1).SetStrings(1, "hidden");
  }
  items.EndUpdate();
  std::size_t length = 0;
  for (auto _ : state)
    for (int i = 0; i < hidden; ++i) length += grid->AllGridCells(1, 2 * i + 1).size();
  benchmark::DoNotOptimize(length);
  state.counters["time_per_read"] = benchmark::Counter(static_cast<double>(state.iterations()) * hidden,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_StringGrid_HiddenRowReads)
    ->Name("StringGrid/HiddenRowReads")
    ->Arg(2000)
    ->Arg(16000)
    ->Arg(128000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

// ColumnSum over a million rows against a plain loop that reads the same cells with the same
// number reader (Floats) and skips the same unreadable texts (the goal: at most 2 times its
// time); Group of 100,000 rows into 1,000 groups and UnGroup, reported on their own.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "bench_form.h"
#include "bench_helpers.h"
#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/forms.h"
#include "platform/gui_application.h"

namespace {

struct TCalcGrid {
  explicit TCalcGrid(int Rows, int Groups) {
    form = hd::bench::MakeBenchForm();
    grid = hd::bench::FillBenchForm(*form, hd::New<hd::TExtStringGrid>(form.get()));
    grid->SetColCount(4);
    grid->SetRowCount(Rows + 1);
    for (int r = 1; r <= Rows; ++r) {
      // Every hundredth value is a word, as a column of typed amounts would have.
      grid->SetGridCells(1, r, r % 100 == 0 ? "n/a" : std::to_string(r % 1000) + ".25");
      grid->SetGridCells(2, r, "G" + std::to_string((r - 1) / (Rows / Groups)));
      grid->SetGridCells(3, r, hd::bench::ShortText(3, r));
    }
    form->Show();
  }
  std::unique_ptr<hd::TForm> form;
  hd::TExtStringGrid* grid = nullptr;
};

void BM_ColumnSum_AgainstPlainLoop(benchmark::State& state) {
  static TCalcGrid ours(hd::bench::kCells, 1);
  hd::TExtStringGrid& g = *ours.grid;
  double a = 0, b = 0;
  hd::bench::CompareAlternating(
      state, 1e3, "ms_ours", [&] { a = g.ColumnSum(1, -1, -1); }, "ms_plain_loop",
      [&] {
        double sum = 0;
        for (int r = g.FixedRows(); r < g.RowCount(); ++r) {
          try {
            sum += g.Floats(1, r);
          } catch (const hd::EExtGridError&) {
          }
        }
        b = sum;
      });
  benchmark::DoNotOptimize(a);
  benchmark::DoNotOptimize(b);
  if (a != b) state.SkipWithError("the sums differ");
}
BENCHMARK(BM_ColumnSum_AgainstPlainLoop)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_GroupAndUnGroup_100kRows_1000Groups(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  static TCalcGrid ours(100000, 1000);
  hd::TExtStringGrid& g = *ours.grid;
  Clock::duration groupTime{}, unGroupTime{};
  for (auto _ : state) {
    auto t0 = Clock::now();
    g.Group(2);
    auto t1 = Clock::now();
    g.UnGroup();
    auto t2 = Clock::now();
    groupTime += t1 - t0;
    unGroupTime += t2 - t1;
  }
  auto ms = [&](Clock::duration d) {
    return std::chrono::duration<double>(d).count() * 1e3 / static_cast<double>(state.iterations());
  };
  state.counters["ms_group"] = ms(groupTime);
  state.counters["ms_ungroup"] = ms(unGroupTime);
}
BENCHMARK(BM_GroupAndUnGroup_100kRows_1000Groups)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

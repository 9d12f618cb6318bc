// A column of check boxes over a million rows, added and then every box toggled once, beside
// Qt's item model with checkable items set through the check-state role. Counters: the time of
// each (ms), their ratio, and the heap bytes each check-box cell takes beyond its text.
#include <benchmark/benchmark.h>

#include <QStandardItem>
#include <QStandardItemModel>
#include <memory>

#include "bench_helpers.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/gui_application.h"

namespace {

constexpr int kRows = 1000000;

void BM_CheckBoxColumn_AgainstItemModel(benchmark::State& state) {
  hd::EnsureGuiApplication();
  using Clock = std::chrono::steady_clock;
  Clock::duration gridTime{}, peerTime{};
  double gridBytes = 0, peerBytes = 0;
  for (auto _ : state) {
    std::unique_ptr<hd::TExtStringGrid> grid(hd::New<hd::TExtStringGrid>(nullptr));
    grid->SetColCount(2);
    grid->SetRowCount(kRows + 1);
    for (int r = 1; r <= kRows; ++r) grid->SetCells(1, r, "N");
    std::size_t before = hd::bench::HeapInUse();
    auto t0 = Clock::now();
    grid->AddCheckBoxColumn(1, false, true);
    for (int r = 1; r <= kRows; ++r) grid->ToggleCheckBox(1, r);
    auto t1 = Clock::now();
    gridBytes = static_cast<double>(hd::bench::HeapInUse() - before) / kRows;
    benchmark::DoNotOptimize(grid->Cells(1, kRows));
    grid.reset();

    auto model = std::make_unique<QStandardItemModel>(kRows, 1);
    for (int r = 0; r < kRows; ++r) model->setItem(r, 0, new QStandardItem(QStringLiteral("N")));
    before = hd::bench::HeapInUse();
    auto t2 = Clock::now();
    for (int r = 0; r < kRows; ++r) {
      QStandardItem* item = model->item(r, 0);
      item->setCheckable(true);
      item->setCheckState(Qt::Unchecked);
    }
    for (int r = 0; r < kRows; ++r) model->setData(model->index(r, 0), Qt::Checked, Qt::CheckStateRole);
    auto t3 = Clock::now();
    peerBytes = static_cast<double>(hd::bench::HeapInUse() - before) / kRows;
    model.reset();
    gridTime += t1 - t0;
    peerTime += t3 - t2;
  }
  auto ms = [&](Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count() / static_cast<double>(state.iterations());
  };
  state.counters["grid_ms"] = ms(gridTime);
  state.counters["item_model_ms"] = ms(peerTime);
  state.counters["ratio"] = ms(gridTime) / ms(peerTime);
  state.counters["grid_bytes_per_box"] = gridBytes;
  state.counters["item_model_bytes_per_box"] = peerBytes;
}
BENCHMARK(BM_CheckBoxColumn_AgainstItemModel)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

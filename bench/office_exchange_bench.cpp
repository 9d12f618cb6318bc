// A workbook of 100,000 cells (10,000 rows x 10 columns) saved and loaded through the grid's
// office exchange. No peer runs here: the figures are milliseconds per run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench_helpers.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/files.h"
#include "platform/gui_application.h"

namespace {

constexpr int kRows = 10000, kCols = 10;

std::unique_ptr<hd::TExtStringGrid> FilledGrid() {
  std::unique_ptr<hd::TExtStringGrid> grid(hd::New<hd::TExtStringGrid>(nullptr));
  grid->SetColCount(kCols);
  grid->SetRowCount(kRows);
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kCols; ++c) grid->SetCells(c, r, c % 2 ? std::to_string(r * 10 + c) : hd::bench::ShortText(c, r));
  return grid;
}

std::string TempFile() { return hd::TempFolder() + "/hd_bench_office.xlsx"; }

void BM_Office_SaveToXLS(benchmark::State& state) {
  hd::EnsureGuiApplication();
  auto grid = FilledGrid();
  for (auto _ : state) grid->SaveToXLS(TempFile());
  std::remove(TempFile().c_str());
}
BENCHMARK(BM_Office_SaveToXLS)->Name("Office/SaveToXLS_100kCells")->Unit(benchmark::kMillisecond);

void BM_Office_LoadFromXLS(benchmark::State& state) {
  hd::EnsureGuiApplication();
  FilledGrid()->SaveToXLS(TempFile());
  std::unique_ptr<hd::TExtStringGrid> grid(hd::New<hd::TExtStringGrid>(nullptr));
  for (auto _ : state) grid->LoadFromXLS(TempFile());
  std::remove(TempFile().c_str());
}
BENCHMARK(BM_Office_LoadFromXLS)->Name("Office/LoadFromXLS_100kCells")->Unit(benchmark::kMillisecond);

}  // namespace

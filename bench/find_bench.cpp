// FindNext over a million rows of 10 columns that hold no match, against a plain loop making the
// same case-insensitive containment test on the same texts (the goal: at most 2 times its time).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "bench_form.h"
#include "bench_helpers.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/forms.h"
#include "platform/gui_application.h"

namespace {

constexpr int kCols = 10;
constexpr int kRows = hd::bench::kCells;
// No cell holds it.
const std::string kMissing = "zq";

// The texts by column, as the column walk meets them.
const std::vector<std::vector<std::string>>& Texts() {
  static const std::vector<std::vector<std::string>> texts = [] {
    std::vector<std::vector<std::string>> t(kCols);
    for (int c = 0; c < kCols; ++c) {
      t[static_cast<std::size_t>(c)].reserve(kRows);
      for (int r = 0; r < kRows; ++r) t[static_cast<std::size_t>(c)].push_back(hd::bench::ShortText(c, r));
    }
    return t;
  }();
  return texts;
}

struct TOurGrid {
  TOurGrid() {
    form = hd::bench::MakeBenchForm();
    grid = hd::bench::FillBenchForm(*form, hd::New<hd::TExtStringGrid>(form.get()));
    grid->SetFixedCols(0);
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows + 1);
    for (int c = 0; c < kCols; ++c)
      for (int r = 0; r < kRows; ++r)
        grid->SetGridCells(c, r + 1, Texts()[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]);
    form->Show();
    grid->FindFirst(kMissing, {});
  }
  std::unique_ptr<hd::TForm> form;
  hd::TExtStringGrid* grid = nullptr;
};

// Upper-cases each text into one buffer and looks for the upper-cased search text in it.
bool PlainFind(const std::string& Search) {
  std::string pattern = Search, upper;
  for (char& ch : pattern) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  for (const std::vector<std::string>& col : Texts())
    for (const std::string& t : col) {
      upper.assign(t);
      for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      if (upper.find(pattern) != std::string::npos) return true;
    }
  return false;
}

void BM_FindNextNoMatch(benchmark::State& state) {
  static TOurGrid ours;
  hd::bench::CompareAlternating(
      state, 1e3, "ours_ms",
      [] {
        hd::TPoint p = ours.grid->FindNext();
        benchmark::DoNotOptimize(p);
      },
      "plain_ms", [] { benchmark::DoNotOptimize(PlainFind(kMissing)); });
}
BENCHMARK(BM_FindNextNoMatch)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

// The platform's grid at a million rows.
// - Cell memory: heap bytes per written cell beyond its text, for a million short texts in a
//   string grid, beside the same cells in Qt's QStandardItemModel (the model a Qt user would
//   pick). The goal is at most 64 bytes a cell.
// - Paint: repainting the visible screen of a grid of a million rows against the same screen of
//   a grid of a hundred rows, at the top, in the middle and at the end; the goal is a ratio of
//   at most 1.2.
#include <benchmark/benchmark.h>

#include <QStandardItem>
#include <QStandardItemModel>
#include <memory>
#include <string>

#include "bench_form.h"
#include "bench_helpers.h"
#include "platform/bitmap.h"
#include "platform/forms.h"
#include "platform/grids.h"
#include "platform/gui_application.h"

namespace {

using hd::bench::HeapInUse;
using hd::bench::kCells;
using hd::bench::ShortText;

// Arg: cells written per row (the rows follow from a million cells).
void BM_CellMemory_StringGrid(benchmark::State& state) {
  hd::EnsureGuiApplication();
  int cols = static_cast<int>(state.range(0)), rows = kCells / cols;
  double perCell = 0;
  for (auto _ : state) {
    malloc_trim(0);
    std::size_t before = HeapInUse(), text = 0;
    auto grid = std::make_unique<hd::TStringGrid>(nullptr);
    grid->SetColCount(cols);
    grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) {
        std::string s = ShortText(c, r);
        text += s.size();
        grid->SetCells(c, r, s);
      }
    std::size_t after = HeapInUse();
    perCell = static_cast<double>(after - before - text) / kCells;
    benchmark::DoNotOptimize(grid->Cells(cols - 1, rows - 1));
  }
  state.counters["bytes_per_cell"] = perCell;
}
BENCHMARK(BM_CellMemory_StringGrid)->Arg(10)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_CellMemory_QStandardItemModel(benchmark::State& state) {
  hd::EnsureGuiApplication();
  int cols = static_cast<int>(state.range(0)), rows = kCells / cols;
  double perCell = 0;
  for (auto _ : state) {
    malloc_trim(0);
    std::size_t before = HeapInUse(), text = 0;
    auto model = std::make_unique<QStandardItemModel>(rows, cols);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) {
        std::string s = ShortText(c, r);
        text += s.size();
        model->setItem(r, c, new QStandardItem(QString::fromStdString(s)));
      }
    std::size_t after = HeapInUse();
    perCell = static_cast<double>(after - before - text) / kCells;
    benchmark::DoNotOptimize(model->item(rows - 1, cols - 1));
  }
  state.counters["bytes_per_cell"] = perCell;
}
BENCHMARK(BM_CellMemory_QStandardItemModel)->Arg(10)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// A string grid that draws each cell's text, as a plain grid built on the platform's would.
class TTextGrid : public hd::TStringGrid {
 public:
  using TStringGrid::TStringGrid;

 protected:
  void DrawCell(int ACol, int ARow, const hd::TRect& ARect, hd::TGridDrawState AState) override {
    hd::TCanvas& canvas = Canvas();
    canvas.Brush().Color = AState.Contains(hd::gdFixed) ? FixedColor() : Color();
    canvas.TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
  }
};

// A screen of 800 x 600 showing a grid of five columns with a text in each row.
struct TGridScreen {
  explicit TGridScreen(int rows) {
    form = hd::bench::MakeBenchForm();
    grid = hd::bench::FillBenchForm(*form, new TTextGrid(form.get()));
    grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r) grid->SetCells(1, r, ShortText(1, r));
    form->Show();
  }
  void ScrollTo(int where) {
    int last = grid->RowCount() - grid->VisibleRowCount();
    grid->SetTopRow(where == 0 ? 1 : where == 1 ? grid->RowCount() / 2 : last);
  }
  std::unique_ptr<hd::TForm> form;
  TTextGrid* grid = nullptr;
};

// Arg: 0 top, 1 middle, 2 end. Each iteration repaints both screens once.
void BM_PaintScreen_MillionRowsAgainstHundred(benchmark::State& state) {
  static TGridScreen big(1000000), small(100);
  int where = static_cast<int>(state.range(0));
  big.ScrollTo(where);
  small.ScrollTo(where);
  hd::TBitmap image(800, 600);
  hd::bench::CompareAlternating(
      state, 1e6, "us_million", [&] { big.grid->PaintTo(image.Canvas()); }, "us_hundred",
      [&] { small.grid->PaintTo(image.Canvas()); });
}
BENCHMARK(BM_PaintScreen_MillionRowsAgainstHundred)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace

// A column of a grid of a million rows and 10 columns moved from code (MoveColumn: the texts
// and objects of every row follow), against a QStandardItemModel column of the same texts
// moved the model's way, taken out and inserted again (the goal: at most 1.0 times its time).
// Each round moves the column there and back.
#include <benchmark/benchmark.h>

#include <QStandardItemModel>
#include <memory>

#include "bench_form.h"
#include "bench_helpers.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/forms.h"
#include "platform/gui_application.h"

namespace {

constexpr int kCols = 10;
constexpr int kRows = hd::bench::kCells;

struct TMoveGrid {
  TMoveGrid() {
    form = hd::bench::MakeBenchForm();
    grid = hd::bench::FillBenchForm(*form, hd::New<hd::TExtStringGrid>(form.get()));
    grid->SetColCount(kCols);
    grid->SetRowCount(kRows + 1);
    for (int r = 1; r <= kRows; ++r)
      for (int c = 0; c < kCols; ++c) grid->SetGridCells(c, r, hd::bench::ShortText(c, r));
    form->Show();
  }
  std::unique_ptr<hd::TForm> form;
  hd::TExtStringGrid* grid = nullptr;
};

struct TMoveModel {
  TMoveModel() : model(kRows + 1, kCols) {
    for (int r = 1; r <= kRows; ++r)
      for (int c = 0; c < kCols; ++c)
        model.setItem(r, c, new QStandardItem(QString::fromStdString(hd::bench::ShortText(c, r))));
  }
  QStandardItemModel model;
};

void BM_MoveColumn_AgainstStandardItemModel(benchmark::State& state) {
  static TMoveGrid ours;
  static TMoveModel peer;
  hd::bench::CompareAlternating(
      state, 1e3, "ms_ours",
      [&] {
        ours.grid->MoveColumn(2, 7);
        ours.grid->MoveColumn(7, 2);
      },
      "ms_qt_model",
      [&] {
        // The model's own way to move a column: take it out, put it in again.
        peer.model.insertColumn(7, peer.model.takeColumn(2));
        peer.model.insertColumn(2, peer.model.takeColumn(7));
      });
}
BENCHMARK(BM_MoveColumn_AgainstStandardItemModel)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

// Rows in and out of a string grid of a million rows and 10 columns against the same texts in a
// QStandardItemModel: 1,000 rows removed from the middle and 1,000 inserted there again, and
// 10,000 pairs of rows swapped. The model implements no moveRows (Qt's base answers false and
// moves nothing), so its swap exchanges the two rows' items column by column, the way a program
// on the model swaps rows. Then column sizing over 100,000 rows against QTableView's
// resizeColumnsToContents with the header measuring every row. The goal for each is a ratio
// (ours to the peer's) of at most 1.0.
#include <benchmark/benchmark.h>

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <memory>
#include <string>

#include "bench_form.h"
#include "bench_helpers.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/forms.h"
#include "platform/gui_application.h"

namespace {

constexpr int kCols = 10;
constexpr int kBlock = 1000;
constexpr int kSwaps = 10000;

struct TOurRows {
  explicit TOurRows(int rows) {
    form = hd::bench::MakeBenchForm();
    grid = hd::bench::FillBenchForm(*form, hd::New<hd::TExtStringGrid>(form.get()));
    grid->SetColCount(kCols);
    grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < kCols; ++c) grid->SetGridCells(c, r, hd::bench::ShortText(c, r));
    form->Show();
  }
  std::unique_ptr<hd::TForm> form;
  hd::TExtStringGrid* grid = nullptr;
};

struct TPeerRows {
  explicit TPeerRows(int rows) : model(rows, kCols) {
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < kCols; ++c)
        model.setItem(r, c, new QStandardItem(QString::fromStdString(hd::bench::ShortText(c, r))));
  }
  void Swap(int a, int b) {
    for (int c = 0; c < kCols; ++c) {
      QStandardItem* x = model.takeItem(a, c);
      QStandardItem* y = model.takeItem(b, c);
      model.setItem(a, c, y);
      model.setItem(b, c, x);
    }
  }
  QStandardItemModel model;
};

// One grid and one model of a million rows serve both row benchmarks.
TOurRows& BigOurs() {
  static TOurRows ours(hd::bench::kCells);
  return ours;
}
TPeerRows& BigPeer() {
  static TPeerRows peer(hd::bench::kCells);
  return peer;
}

void BM_RowChanges_RemoveInsertMiddle_AgainstStandardItemModel(benchmark::State& state) {
  TOurRows& ours = BigOurs();
  TPeerRows& peer = BigPeer();
  const int middle = hd::bench::kCells / 2;
  hd::bench::CompareAlternating(
      state, 1e3, "ms_ours",
      [&] {
        ours.grid->RemoveRows(middle, kBlock);
        ours.grid->InsertRows(middle, kBlock);
      },
      "ms_peer",
      [&] {
        peer.model.removeRows(middle, kBlock);
        peer.model.insertRows(middle, kBlock);
      });
}
BENCHMARK(BM_RowChanges_RemoveInsertMiddle_AgainstStandardItemModel)->Unit(benchmark::kMillisecond);

void BM_RowChanges_SwapPairs_AgainstStandardItemModel(benchmark::State& state) {
  TOurRows& ours = BigOurs();
  TPeerRows& peer = BigPeer();
  auto pair = [](int i, int& a, int& b) {
    a = static_cast<int>((i * 7919LL) % hd::bench::kCells);
    b = static_cast<int>((i * 104729LL + 17) % hd::bench::kCells);
  };
  hd::bench::CompareAlternating(
      state, 1e3, "ms_ours",
      [&] {
        for (int i = 0; i < kSwaps; ++i) {
          int a = 0, b = 0;
          pair(i, a, b);
          ours.grid->SwapRows(a, b);
        }
      },
      "ms_peer",
      [&] {
        for (int i = 0; i < kSwaps; ++i) {
          int a = 0, b = 0;
          pair(i, a, b);
          peer.Swap(a, b);
        }
      });
}
BENCHMARK(BM_RowChanges_SwapPairs_AgainstStandardItemModel)->Unit(benchmark::kMillisecond);

void BM_AutoSizeColumns_AgainstResizeColumnsToContents(benchmark::State& state) {
  constexpr int kRows = 100000;
  TOurRows ours(kRows);
  TPeerRows peer(kRows);
  QTableView view;
  view.setModel(&peer.model);
  view.horizontalHeader()->setResizeContentsPrecision(-1);
  view.resize(800, 600);
  view.show();
  hd::bench::CompareAlternating(
      state, 1e3, "ms_ours", [&] { ours.grid->AutoSizeColumns(true, 0); }, "ms_peer",
      [&] { view.resizeColumnsToContents(); });
}
BENCHMARK(BM_AutoSizeColumns_AgainstResizeColumnsToContents)->Unit(benchmark::kMillisecond);

}  // namespace

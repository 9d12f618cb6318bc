// The pointer over a shown string grid:
// - HoverMoves/MillionAgainstHundred: the pointer moved across 20 rows of a grid with HoverRow
//   and HoverFixedCells on, each move's repaints shown before the next, on a grid of a million
//   rows against the same grid of a hundred (the hover repaints only the rows that changed).
// - ZoomStep/Compared: one zoom step of every row height of a million rows of one height on
//   our grid, against QHeaderView::setDefaultSectionSize on a QTableView of as many rows.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QTableView>

#include <memory>

#include "bench_helpers.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/forms.h"
#include "platform/gui_application.h"
#include "platform/messages.h"

namespace {

constexpr int kCols = 8, kWidth = 800, kHeight = 600, kRowHeight = 20;
constexpr int kMillion = 1000000;

void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }

class HoverGrid {
 public:
  explicit HoverGrid(int rows) {
    hd::EnsureGuiApplication();
    form_ = std::make_unique<hd::TForm>(nullptr);
    form_->SetClientSize(kWidth, kHeight);
    grid_ = hd::New<hd::TExtStringGrid>(form_.get());
    grid_->SetParent(form_.get());
    grid_->SetBounds(0, 0, kWidth, kHeight);
    grid_->SetColCount(kCols);
    grid_->SetRowCount(rows + 1);
    grid_->SetDefaultRowHeight(kRowHeight);
    grid_->SetHoverRow(true);
    grid_->SetHoverFixedCells(hd::hfAll);
    for (int r = 1; r <= 25; ++r)
      for (int c = 1; c < kCols; ++c) grid_->SetCells(c, r, hd::bench::ShortText(c, r));
    form_->Show();
    QApplication::processEvents();
  }
  // Down 20 rows and back up, over the fixed column and a normal one in turn.
  void Sweep() {
    for (int i = 0; i < 40; ++i) {
      const int row = 1 + (i < 20 ? i : 39 - i);
      const hd::TRect r = grid_->CellRect(i % 2 == 0 ? 0 : 3, row);
      hd::SendMessage(grid_->Handle(), hd::WM_MOUSEMOVE, 0,
                      hd::MAKELPARAM((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
      Flush();
    }
  }
  hd::TExtStringGrid& Grid() { return *grid_; }

 private:
  std::unique_ptr<hd::TForm> form_;
  hd::TExtStringGrid* grid_ = nullptr;
};

void BM_HoverMovesMillionAgainstHundred(benchmark::State& state) {
  static HoverGrid big(kMillion), small(100);
  hd::bench::CompareAlternating(state, 1e6, "us_million", [&] { big.Sweep(); }, "us_hundred",
                                [&] { small.Sweep(); });
}
BENCHMARK(BM_HoverMovesMillionAgainstHundred)->Name("HoverMoves/MillionAgainstHundred")->Unit(benchmark::kMicrosecond);

class RowsModel : public QAbstractTableModel {
 public:
  int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : kMillion; }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : kCols; }
  QVariant data(const QModelIndex&, int) const override { return QVariant(); }
};

void BM_ZoomStepCompared(benchmark::State& state) {
  static HoverGrid ours(kMillion);
  static RowsModel model;
  static QTableView* view = [] {
    auto* v = new QTableView;
    v->setModel(&model);
    v->verticalHeader()->setMinimumSectionSize(1);
    v->verticalHeader()->setDefaultSectionSize(kRowHeight);
    v->resize(kWidth, kHeight);
    return v;
  }();
  // The grid's fixed row has the normal rows' height, so the axis is one height.
  ours.Grid().SetRowHeights(0, kRowHeight);
  int step = 1;
  hd::bench::CompareAlternating(
      state, 1e6, "ours_us", [&] { ours.Grid().Zoom(step); }, "peer_us",
      [&] {
        view->verticalHeader()->setDefaultSectionSize(view->verticalHeader()->defaultSectionSize() + step);
        step = -step;
      });
}
BENCHMARK(BM_ZoomStepCompared)->Name("ZoomStep/Compared")->Unit(benchmark::kMicrosecond);

}  // namespace

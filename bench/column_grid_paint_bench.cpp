// A full repaint of the Modbus read table's column grid (800x600, 513 rows of typical requests,
// scrolled to row 300 with a selection) beside Qt's table view over a standard item model
// holding the same texts at the same sizes, with its headers, scrolled and selected alike.
// Both paint the same area: our client area, and the view at that size without its frame and
// scroll bars (headers and cells). ColumnGridRepaint/Compared runs both in one loop and
// reports ours/peer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "bench_helpers.h"
#include "grid/stringgrid/column_grid.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/forms.h"
#include "testkit/modbus_grid_shape.h"

namespace {

using hd::test::kModbusCols;
constexpr int kRows = 513, kTop = 300, kWidth = 800, kHeight = 600;
// The selection: columns 1 to 4 of rows 303 to 306.
constexpr int kSelLeft = 1, kSelTop = 303, kSelRight = 4, kSelBottom = 306;

void Initialize() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  hd::Application().Initialize();
}

class OurGrid {
 public:
  OurGrid() : form_(std::make_unique<hd::TForm>(nullptr)) {
    form_->SetClientSize(kWidth, kHeight);
    grid_ = hd::New<hd::TExtColumnGrid>(form_.get());
    grid_->SetParent(form_.get());
    grid_->SetBounds(0, 0, kWidth, kHeight);
    hd::test::ShapeLikeModbusReadTable(*grid_, kRows);
    form_->Show();
    grid_->SetTopRow(kTop);
    grid_->SetSelection({kSelLeft, kSelTop, kSelRight, kSelBottom});
    image_ = std::make_unique<hd::TBitmap>(grid_->ClientWidth(), grid_->ClientHeight());
  }
  ~OurGrid() { form_.reset(); }
  void Paint() {
    grid_->PaintTo(image_->Canvas());
    benchmark::DoNotOptimize(image_->ScanLine(0));
  }
  int RowHeight() const { return grid_->DefaultRowHeight(); }
  int ClientWidth() const { return grid_->ClientWidth(); }
  int ClientHeight() const { return grid_->ClientHeight(); }
  hd::TExtColumnGrid& Grid() { return *grid_; }

 private:
  std::unique_ptr<hd::TForm> form_;
  hd::TExtColumnGrid* grid_ = nullptr;
  std::unique_ptr<hd::TBitmap> image_;
};

class PeerGrid {
 public:
  PeerGrid(int rowHeight, int width, int height)
      : model_(kRows - 1, kModbusCols - 1), image_(width, height, QImage::Format_RGB32) {
    // Row 0 and column 0 of ours are the headers of the view.
    for (int c = 1; c < kModbusCols; ++c)
      model_.setHorizontalHeaderItem(c - 1, new QStandardItem(hd::test::ModbusHeader(c)));
    for (int r = 1; r < kRows; ++r) {
      model_.setVerticalHeaderItem(r - 1, new QStandardItem(QString::number(r)));
      for (int c = 1; c < kModbusCols; ++c) {
        auto* item = new QStandardItem(QString::fromStdString(hd::test::ModbusCellText(c, r)));
        if (c == hd::test::kModbusSwapCol || c == hd::test::kModbusSwapWordCol) {
          item->setCheckable(true);
          item->setCheckState(item->text() == "Y" ? Qt::Checked : Qt::Unchecked);
          item->setText(QString());
        }
        model_.setItem(r - 1, c - 1, item);
      }
    }
    view_.setModel(&model_);
    view_.verticalHeader()->setMinimumSectionSize(1);
    view_.verticalHeader()->setDefaultSectionSize(rowHeight);
    view_.verticalHeader()->setFixedWidth(hd::test::ModbusColWidth(0));
    view_.horizontalHeader()->setFixedHeight(rowHeight);
    for (int c = 1; c < kModbusCols; ++c) view_.setColumnWidth(c - 1, hd::test::ModbusColWidth(c));
    view_.setWordWrap(false);
    view_.setFrameShape(QFrame::NoFrame);
    view_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_.resize(width, height);
    view_.show();
    QApplication::processEvents();
    view_.scrollTo(model_.index(kTop - 1, 0), QAbstractItemView::PositionAtTop);
    QItemSelection sel(model_.index(kSelTop - 1, kSelLeft - 1), model_.index(kSelBottom - 1, kSelRight - 1));
    view_.selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
    // The current cell moves without touching the selection, as ours does.
    view_.selectionModel()->setCurrentIndex(model_.index(kSelBottom - 1, kSelRight - 1), QItemSelectionModel::NoUpdate);
    QApplication::processEvents();
  }
  void Paint() {
    view_.render(&image_);
    benchmark::DoNotOptimize(image_.constBits());
  }

 private:
  QStandardItemModel model_;
  QTableView view_;
  QImage image_;
};

void BM_ColumnGridRepaintOurs(benchmark::State& state) {
  Initialize();
  OurGrid grid;
  for (auto _ : state) grid.Paint();
}
BENCHMARK(BM_ColumnGridRepaintOurs)->Name("ColumnGridRepaint/Ours")->Unit(benchmark::kMillisecond);

void BM_ColumnGridRepaintPeer(benchmark::State& state) {
  Initialize();
  OurGrid ours;
  PeerGrid peer(ours.RowHeight(), ours.ClientWidth(), ours.ClientHeight());
  for (auto _ : state) peer.Paint();
}
BENCHMARK(BM_ColumnGridRepaintPeer)->Name("ColumnGridRepaint/QTableView")->Unit(benchmark::kMillisecond);

// Both in one loop, alternating, so that they meet the same machine load.
void BM_ColumnGridRepaintCompared(benchmark::State& state) {
  Initialize();
  OurGrid ours;
  PeerGrid peer(ours.RowHeight(), ours.ClientWidth(), ours.ClientHeight());
  hd::bench::CompareAlternating(state, 1e3, "ours_ms", [&] { ours.Paint(); }, "peer_ms", [&] { peer.Paint(); });
}
BENCHMARK(BM_ColumnGridRepaintCompared)->Name("ColumnGridRepaint/Compared")->Unit(benchmark::kMillisecond);

// The same screen over a hundred rows and over a million, each scrolled to its middle: the
// repaint must not grow with the rows.
void BM_ColumnGridRepaintRows(benchmark::State& state) {
  Initialize();
  const int rows = static_cast<int>(state.range(0));
  auto form = std::make_unique<hd::TForm>(nullptr);
  form->SetClientSize(kWidth, kHeight);
  auto* grid = hd::New<hd::TExtColumnGrid>(form.get());
  grid->SetParent(form.get());
  grid->SetBounds(0, 0, kWidth, kHeight);
  hd::test::ShapeLikeModbusReadTable(*grid, 100);
  grid->SetRowCount(rows);
  form->Show();
  int top = rows / 2;
  for (int r = top; r < std::min(rows, top + 40); ++r)
    for (int c = 0; c < kModbusCols; ++c) grid->SetCells(c, r, hd::test::ModbusCellText(c, r));
  grid->SetTopRow(top);
  grid->SetSelection({kSelLeft, top + 3, kSelRight, top + 6});
  hd::TBitmap image(grid->ClientWidth(), grid->ClientHeight());
  for (auto _ : state) {
    grid->PaintTo(image.Canvas());
    benchmark::DoNotOptimize(image.ScanLine(0));
  }
  form.reset();
}
BENCHMARK(BM_ColumnGridRepaintRows)
    ->Name("ColumnGridRepaint/Rows")
    ->Arg(100)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

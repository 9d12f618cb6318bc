// A screen of cells painted through our canvas, beside the same screen drawn by Qt's table view
// over a standard item model (what a user would otherwise pick). 800x600 pixels of 20 x 15
// cells of 40 pixels: a fill, two grid lines and one line of text cut with an ellipsis and
// centred vertically. PaintScreen/Compared runs both in one loop and reports ours/peer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QStandardItemModel>
#include <QTableView>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench_helpers.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace {

constexpr int kCols = 20, kRows = 15, kCell = 40, kWidth = kCols * kCell, kHeight = kRows * kCell;

std::string CellText(int col, int row) { return "Request " + std::to_string(row * kCols + col) + " value"; }

void Initialize() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  hd::Application().Initialize();
}

class OurScreen {
 public:
  OurScreen() : bitmap_(kWidth, kHeight) {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) texts_.push_back(CellText(c, r));
  }
  void Paint() {
    hd::TCanvas& canvas = bitmap_.Canvas();
    canvas.Pen().Color = hd::clSilver;
    for (int r = 0; r < kRows; ++r) {
      for (int c = 0; c < kCols; ++c) {
        hd::TRect cell = hd::Rect(c * kCell, r * kCell, (c + 1) * kCell, (r + 1) * kCell);
        canvas.Brush().Color = (r + c) % 2 ? hd::clWindow : hd::clInfoBk;
        canvas.FillRect(cell);
        canvas.MoveTo(cell.Right - 1, cell.Top);
        canvas.LineTo(cell.Right - 1, cell.Bottom);
        canvas.MoveTo(cell.Left, cell.Bottom - 1);
        canvas.LineTo(cell.Right, cell.Bottom - 1);
        hd::TRect text = hd::Rect(cell.Left + 2, cell.Top, cell.Right - 3, cell.Bottom - 1);
        canvas.SetBkMode(hd::bkTransparent);
        canvas.DrawText(texts_[static_cast<size_t>(r * kCols + c)], text,
                        hd::DT_SINGLELINE | hd::DT_VCENTER | hd::DT_END_ELLIPSIS | hd::DT_NOPREFIX);
      }
    }
    benchmark::DoNotOptimize(bitmap_.ScanLine(0));
  }

 private:
  hd::TBitmap bitmap_;
  std::vector<std::string> texts_;
};

class PeerScreen {
 public:
  PeerScreen() : model_(kRows, kCols), image_(kWidth, kHeight, QImage::Format_RGB32) {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) {
        auto* item = new QStandardItem(QString::fromStdString(CellText(c, r)));
        item->setBackground((r + c) % 2 ? QColor(Qt::white) : QColor(255, 255, 225));
        model_.setItem(r, c, item);
      }
    view_.setModel(&model_);
    view_.horizontalHeader()->hide();
    view_.verticalHeader()->hide();
    view_.horizontalHeader()->setMinimumSectionSize(1);
    view_.verticalHeader()->setMinimumSectionSize(1);
    view_.horizontalHeader()->setDefaultSectionSize(kCell);
    view_.verticalHeader()->setDefaultSectionSize(kCell);
    view_.setFrameShape(QFrame::NoFrame);
    view_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_.setTextElideMode(Qt::ElideRight);
    view_.setWordWrap(false);
    QFont font = QApplication::font();
    view_.setFont(font);
    view_.resize(kWidth, kHeight);
    view_.show();
    QApplication::processEvents();
  }
  void Paint() {
    view_.viewport()->render(&image_);
    benchmark::DoNotOptimize(image_.constBits());
  }

 private:
  QStandardItemModel model_;
  QTableView view_;
  QImage image_;
};

void BM_PaintScreenOurs(benchmark::State& state) {
  Initialize();
  OurScreen screen;
  for (auto _ : state) screen.Paint();
}
BENCHMARK(BM_PaintScreenOurs)->Name("PaintScreen/Ours")->Unit(benchmark::kMillisecond);

void BM_PaintScreenPeer(benchmark::State& state) {
  Initialize();
  PeerScreen screen;
  for (auto _ : state) screen.Paint();
}
BENCHMARK(BM_PaintScreenPeer)->Name("PaintScreen/QTableView")->Unit(benchmark::kMillisecond);

// Both in one loop, alternating, so that they meet the same machine load.
void BM_PaintScreenCompared(benchmark::State& state) {
  Initialize();
  OurScreen ours;
  PeerScreen peer;
  hd::bench::CompareAlternating(state, 1e3, "ours_ms", [&] { ours.Paint(); }, "peer_ms", [&] { peer.Paint(); });
}
BENCHMARK(BM_PaintScreenCompared)->Name("PaintScreen/Compared")->Unit(benchmark::kMillisecond);

}  // namespace

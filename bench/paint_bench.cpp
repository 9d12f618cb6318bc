// A screen of cells painted through our canvas, beside the same screen drawn by Qt's table view
// (what a user would otherwise pick) over a model answering the same texts and colours. 800x600
// pixels of 20 x 15 cells of 40 pixels: a fill, two grid lines and one line of text cut with an
// ellipsis and centred vertically. Three sets of texts, each compared in one loop (ours/peer):
// - RepeatedTexts: 300 distinct short texts, the same every frame (what a still screen repaints);
// - NewTexts: 300 distinct short texts never drawn before, new every frame (paging through data);
// - ElidedToOneText: long texts that the ellipsis cuts to the same few characters.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTableView>

#include <cstdlib>
#include <memory>
#include <string>

#include "bench_helpers.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"

namespace {

constexpr int kCols = 20, kRows = 15, kCell = 40, kWidth = kCols * kCell, kHeight = kRows * kCell;

enum class TTexts { Repeated, New, ElidedToOne };

std::string CellText(TTexts texts, int frame, int col, int row) {
  int cell = row * kCols + col;
  switch (texts) {
    case TTexts::Repeated: return std::to_string(10000 + cell * 7);
    // Five digits that come back only after 300 frames, long after the text caches let them go.
    case TTexts::New: return std::to_string(10000 + (frame * kCols * kRows + cell) % 90000);
    case TTexts::ElidedToOne: break;
  }
  return "Request " + std::to_string(cell) + " value";
}

void Initialize() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  hd::Application().Initialize();
}

class OurScreen {
 public:
  explicit OurScreen(TTexts texts) : texts_(texts), bitmap_(kWidth, kHeight) {}
  void Paint() {
    ++frame_;
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
        canvas.DrawText(CellText(texts_, frame_, c, r), text,
                        hd::DT_SINGLELINE | hd::DT_VCENTER | hd::DT_END_ELLIPSIS | hd::DT_NOPREFIX);
      }
    }
    benchmark::DoNotOptimize(bitmap_.ScanLine(0));
  }

 private:
  TTexts texts_;
  int frame_ = 0;
  hd::TBitmap bitmap_;
};

class ScreenModel : public QAbstractTableModel {
 public:
  explicit ScreenModel(TTexts texts) : texts_(texts) {}
  int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : kRows; }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : kCols; }
  QVariant data(const QModelIndex& index, int role) const override {
    int r = index.row(), c = index.column();
    if (role == Qt::DisplayRole) return QString::fromStdString(CellText(texts_, frame, c, r));
    if (role == Qt::BackgroundRole) return (r + c) % 2 ? QColor(Qt::white) : QColor(255, 255, 225);
    return QVariant();
  }
  int frame = 0;

 private:
  TTexts texts_;
};

class PeerScreen {
 public:
  explicit PeerScreen(TTexts texts) : model_(texts), image_(kWidth, kHeight, QImage::Format_RGB32) {
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
    view_.setFont(QApplication::font());
    view_.resize(kWidth, kHeight);
    view_.show();
    QApplication::processEvents();
  }
  void Paint() {
    ++model_.frame;
    view_.viewport()->render(&image_);
    benchmark::DoNotOptimize(image_.constBits());
  }

 private:
  ScreenModel model_;
  QTableView view_;
  QImage image_;
};

// Arg: the texts (0 repeated, 1 new, 2 elided to one).
void BM_PaintScreenCompared(benchmark::State& state) {
  Initialize();
  auto texts = static_cast<TTexts>(state.range(0));
  OurScreen ours(texts);
  PeerScreen peer(texts);
  hd::bench::CompareAlternating(state, 1e3, "ours_ms", [&] { ours.Paint(); }, "peer_ms", [&] { peer.Paint(); });
}
BENCHMARK(BM_PaintScreenCompared)
    ->Name("PaintScreen/RepeatedTexts/Compared")
    ->Arg(static_cast<int>(TTexts::Repeated))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintScreenCompared)
    ->Name("PaintScreen/NewTexts/Compared")
    ->Arg(static_cast<int>(TTexts::New))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintScreenCompared)
    ->Name("PaintScreen/ElidedToOneText/Compared")
    ->Arg(static_cast<int>(TTexts::ElidedToOne))
    ->Unit(benchmark::kMillisecond);

}  // namespace

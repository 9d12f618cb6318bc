// One repaint of an 800x600 string grid whose 300 visible cells hold short markup (bold, a
// colour, a link), beside Qt's table view whose delegate draws the same HTML through
// QTextDocument, and beside our own grid holding the same texts without tags.
// MarkupRepaint/Compared reports ours/peer; MarkupRepaint/AgainstPlain ours/plain.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextDocument>

#include <cstdlib>
#include <memory>
#include <string>

#include "bench_helpers.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/forms.h"

namespace {

constexpr int kCols = 10, kRows = 30, kColWidth = 80, kRowHeight = 20;
constexpr int kWidth = kCols * kColWidth, kHeight = kRows * kRowHeight;

std::string MarkupText(int c, int r) {
  return "<b>R" + std::to_string(r) + "</b> <font color=\"clRed\">C" + std::to_string(c) +
         "</font> <a href=\"x\">go</a>";
}
std::string HtmlText(int c, int r) {
  return "<b>R" + std::to_string(r) + "</b> <font color=\"red\">C" + std::to_string(c) +
         "</font> <a href=\"x\">go</a>";
}
std::string PlainText(int c, int r) { return "R" + std::to_string(r) + " C" + std::to_string(c) + " go"; }

void Initialize() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  hd::Application().Initialize();
}

class OurGrid {
 public:
  explicit OurGrid(std::string (*text)(int, int)) : form_(std::make_unique<hd::TForm>(nullptr)) {
    form_->SetClientSize(kWidth, kHeight);
    grid_ = hd::New<hd::TExtStringGrid>(form_.get());
    grid_->SetParent(form_.get());
    grid_->SetBounds(0, 0, kWidth, kHeight);
    grid_->SetScrollBars(hd::ssNone);
    grid_->SetFixedCols(0);
    grid_->SetFixedRows(0);
    grid_->SetColCount(kCols);
    grid_->SetRowCount(kRows);
    grid_->SetDefaultColWidth(kColWidth);
    grid_->SetDefaultRowHeight(kRowHeight);
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) grid_->SetCells(c, r, text(c, r));
    form_->Show();
    image_ = std::make_unique<hd::TBitmap>(grid_->ClientWidth(), grid_->ClientHeight());
  }
  ~OurGrid() { form_.reset(); }
  void Paint() {
    grid_->PaintTo(image_->Canvas());
    benchmark::DoNotOptimize(image_->ScanLine(0));
  }

 private:
  std::unique_ptr<hd::TForm> form_;
  hd::TExtStringGrid* grid_ = nullptr;
  std::unique_ptr<hd::TBitmap> image_;
};

// What a Qt programmer would write to show HTML in a table's cells.
class HtmlDelegate : public QStyledItemDelegate {
 public:
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    painter->save();
    painter->fillRect(opt.rect, opt.backgroundBrush.style() == Qt::NoBrush ? QBrush(Qt::white) : opt.backgroundBrush);
    QTextDocument doc;
    doc.setDocumentMargin(1);
    doc.setDefaultFont(opt.font);
    doc.setHtml(opt.text);
    doc.setTextWidth(opt.rect.width());
    painter->translate(opt.rect.topLeft());
    painter->setClipRect(QRect(0, 0, opt.rect.width(), opt.rect.height()));
    doc.drawContents(painter);
    painter->restore();
  }
};

class PeerGrid {
 public:
  PeerGrid() : model_(kRows, kCols), image_(kWidth, kHeight, QImage::Format_RGB32) {
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c) model_.setItem(r, c, new QStandardItem(QString::fromStdString(HtmlText(c, r))));
    view_.setModel(&model_);
    view_.setItemDelegate(&delegate_);
    view_.horizontalHeader()->hide();
    view_.verticalHeader()->hide();
    view_.horizontalHeader()->setMinimumSectionSize(1);
    view_.verticalHeader()->setMinimumSectionSize(1);
    view_.horizontalHeader()->setDefaultSectionSize(kColWidth);
    view_.verticalHeader()->setDefaultSectionSize(kRowHeight);
    view_.setFrameShape(QFrame::NoFrame);
    view_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
  HtmlDelegate delegate_;
  QTableView view_;
  QImage image_;
};

void BM_MarkupRepaintOurs(benchmark::State& state) {
  Initialize();
  OurGrid grid(MarkupText);
  for (auto _ : state) grid.Paint();
}
BENCHMARK(BM_MarkupRepaintOurs)->Name("MarkupRepaint/Ours")->Unit(benchmark::kMillisecond);

void BM_MarkupRepaintPeer(benchmark::State& state) {
  Initialize();
  PeerGrid grid;
  for (auto _ : state) grid.Paint();
}
BENCHMARK(BM_MarkupRepaintPeer)->Name("MarkupRepaint/QTextDocument")->Unit(benchmark::kMillisecond);

void BM_MarkupRepaintCompared(benchmark::State& state) {
  Initialize();
  OurGrid ours(MarkupText);
  PeerGrid peer;
  hd::bench::CompareAlternating(state, 1e3, "ours_ms", [&] { ours.Paint(); }, "peer_ms", [&] { peer.Paint(); });
}
BENCHMARK(BM_MarkupRepaintCompared)->Name("MarkupRepaint/Compared")->Unit(benchmark::kMillisecond);

void BM_MarkupRepaintAgainstPlain(benchmark::State& state) {
  Initialize();
  OurGrid ours(MarkupText);
  OurGrid plain(PlainText);
  hd::bench::CompareAlternating(state, 1e3, "ours_ms", [&] { ours.Paint(); }, "plain_ms", [&] { plain.Paint(); });
}
BENCHMARK(BM_MarkupRepaintAgainstPlain)->Name("MarkupRepaint/AgainstPlain")->Unit(benchmark::kMillisecond);

}  // namespace

// Scrolling a shown grid of a million rows by 14 columns, beside Qt's table view over a model
// answering the same texts (what a user would otherwise pick), on the same client size, each
// step painted and shown before the next:
// - ScrollStep: one line down or up (a wheel step), the view going back and forth so that the
//   rows stay the same; ours moves the pixels and paints the row that came into view.
// - ScrollStep/MovedAgainstRepainted: the same step on our grid, moving the pixels against
//   repainting the whole client area.
// - NewPage: a page down through rows never shown, so every text is new to both.
// - NewPage/MillionAgainstHundred: the same paging on our grid of a million rows against the
//   same grid of a hundred.
// The texts come from a function of the cell on both sides, so that neither side pays for a
// million rows of stored texts the other does not.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <cstdio>
#include <memory>
#include <string>

#include "bench_helpers.h"
#include "platform/forms.h"
#include "platform/grids.h"
#include "platform/gui_application.h"

namespace {

constexpr int kCols = 14, kWidth = 800, kHeight = 600, kColWidth = 64, kRowHeight = 20;
constexpr int kMillion = 1000000;

// Of one length whatever the row, so that a grid of a hundred rows draws as much ink as one
// of a million.
std::string CellText(int col, int row) {
  char text[32];
  std::snprintf(text, sizeof text, "R%07dC%d", row, col);
  return text;
}

void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }

// A grid that draws each cell's text, taken from the function of the cell.
class TTextGrid : public hd::TDrawGrid {
 public:
  using TDrawGrid::TDrawGrid;
  // Every scroll repaints the whole client area, as before the pixels moved.
  bool repaintAll = false;

 protected:
  hd::TRect ScrollableArea() const override { return repaintAll ? hd::TRect{} : ClientRect(); }
  void DrawCell(int ACol, int ARow, const hd::TRect& ARect, hd::TGridDrawState AState) override {
    hd::TCanvas& canvas = Canvas();
    canvas.Brush().Color = AState.Contains(hd::gdFixed) ? FixedColor() : Color();
    canvas.TextRect(ARect, ARect.Left + 2, ARect.Top + 2, CellText(ACol, ARow));
  }
};

class OurGrid {
 public:
  explicit OurGrid(int rows, bool repaintAll = false) {
    hd::EnsureGuiApplication();
    form_ = std::make_unique<hd::TForm>(nullptr);
    form_->SetClientSize(kWidth, kHeight);
    grid_ = new TTextGrid(form_.get());
    grid_->SetParent(form_.get());
    grid_->SetBorderStyle(hd::bsNone);
    grid_->SetScrollBars(hd::ssNone);
    grid_->SetBounds(0, 0, kWidth, kHeight);
    grid_->repaintAll = repaintAll;
    grid_->SetColCount(kCols + 1);
    grid_->SetRowCount(rows + 1);
    grid_->SetDefaultColWidth(kColWidth);
    grid_->SetDefaultRowHeight(kRowHeight);
    form_->Show();
    grid_->SetTopRow(rows / 2);
    QApplication::processEvents();
  }
  void Line(bool down) {
    grid_->Perform(hd::WM_VSCROLL, down ? hd::SB_LINEDOWN : hd::SB_LINEUP);
    Flush();
  }
  void Page() {
    grid_->Perform(hd::WM_VSCROLL, hd::SB_PAGEDOWN);
    // Back to the top before the end, so that the rows stay new for the million.
    if (grid_->TopRow() + 2 * grid_->VisibleRowCount() >= grid_->RowCount()) grid_->SetTopRow(1);
    Flush();
  }

 private:
  std::unique_ptr<hd::TForm> form_;
  TTextGrid* grid_ = nullptr;
};

class TextModel : public QAbstractTableModel {
 public:
  explicit TextModel(int rows) : rows_(rows) {}
  int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : rows_; }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : kCols; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return QVariant();
    return QString::fromStdString(CellText(index.column() + 1, index.row() + 1));
  }

 private:
  int rows_;
};

class PeerGrid {
 public:
  explicit PeerGrid(int rows) : model_(rows) {
    view_.setModel(&model_);
    view_.verticalHeader()->setMinimumSectionSize(1);
    view_.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_.verticalHeader()->setDefaultSectionSize(kRowHeight + 1);
    view_.verticalHeader()->setFixedWidth(kColWidth);
    view_.horizontalHeader()->setFixedHeight(kRowHeight + 1);
    view_.horizontalHeader()->setDefaultSectionSize(kColWidth + 1);
    view_.setFrameShape(QFrame::NoFrame);
    view_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_.setWordWrap(false);
    view_.resize(kWidth, kHeight);
    view_.show();
    view_.verticalScrollBar()->setValue(rows / 2);
    QApplication::processEvents();
  }
  void Line(bool down) {
    view_.verticalScrollBar()->triggerAction(down ? QAbstractSlider::SliderSingleStepAdd
                                                  : QAbstractSlider::SliderSingleStepSub);
    Flush();
  }
  void Page() {
    QScrollBar* bar = view_.verticalScrollBar();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    if (bar->value() + 2 * bar->pageStep() >= bar->maximum()) bar->setValue(0);
    Flush();
  }

 private:
  TextModel model_;
  QTableView view_;
};

void BM_ScrollStepCompared(benchmark::State& state) {
  static OurGrid ours(kMillion);
  static PeerGrid peer(kMillion);
  int i = 0;
  auto down = [&] { return (i / 20) % 2 == 0; };
  hd::bench::CompareAlternating(state, 1e6, "ours_us", [&] { ours.Line(down()); }, "peer_us",
                                [&] { peer.Line(down()); ++i; });
}
BENCHMARK(BM_ScrollStepCompared)->Name("ScrollStep/Compared")->Unit(benchmark::kMicrosecond);

void BM_ScrollStepMovedAgainstRepainted(benchmark::State& state) {
  static OurGrid moved(kMillion), repainted(kMillion, true);
  int i = 0;
  auto down = [&] { return (i / 20) % 2 == 0; };
  hd::bench::CompareAlternating(state, 1e6, "moved_us", [&] { moved.Line(down()); }, "repainted_us",
                                [&] { repainted.Line(down()); ++i; });
}
BENCHMARK(BM_ScrollStepMovedAgainstRepainted)->Name("ScrollStep/MovedAgainstRepainted")->Unit(benchmark::kMicrosecond);

void BM_NewPageCompared(benchmark::State& state) {
  static OurGrid ours(kMillion);
  static PeerGrid peer(kMillion);
  hd::bench::CompareAlternating(state, 1e6, "ours_us", [&] { ours.Page(); }, "peer_us", [&] { peer.Page(); });
}
BENCHMARK(BM_NewPageCompared)->Name("NewPage/Compared")->Unit(benchmark::kMicrosecond);

void BM_NewPageMillionAgainstHundred(benchmark::State& state) {
  static OurGrid big(kMillion), small(100);
  hd::bench::CompareAlternating(state, 1e6, "us_million", [&] { big.Page(); }, "us_hundred", [&] { small.Page(); });
}
BENCHMARK(BM_NewPageMillionAgainstHundred)->Name("NewPage/MillionAgainstHundred")->Unit(benchmark::kMicrosecond);

}  // namespace

// Opening a multi-column drop-down of 10,000 items in 4 columns: the items loaded into the
// list, the columns fitted to their widest texts (and the row heights, which stay without
// wrapping columns) and the popup's first paint, beside Qt's QComboBox whose view is a
// QTableView over a QStandardItemModel of the same texts, its columns resized to their
// contents, shown and rendered once. MultiColumnDropDownOpen/Compared reports ours/peer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QStandardItemModel>
#include <QTableView>

#include <cstdlib>
#include <memory>
#include <string>

#include "bench_helpers.h"
#include "grid/editors/dropdown/multicolumn_dropdown.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/forms.h"

namespace {

constexpr int kItems = 10000, kColumns = 4, kWidth = 360, kHeight = 300;

std::string Text(int row, int col) {
  switch (col) {
    case 0: return std::to_string(row + 1);
    case 1: return "Entry " + std::to_string(row);
    case 2: return "Group " + std::to_string(row % 97);
    default: return std::to_string((row * 7919) % 100000) + ".00";
  }
}

void Initialize() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  hd::Application().Initialize();
}

class Ours {
 public:
  Ours() : form_(std::make_unique<hd::TForm>(nullptr)) {
    form_->SetBounds(0, 0, 400, 100);
    form_->Show();
    image_ = std::make_unique<hd::TBitmap>(kWidth, kHeight);
  }
  void Open() {
    using hd::multicolumn::TExtMultiColumnDropDown;
    auto* drop = hd::New<TExtMultiColumnDropDown>(form_.get());
    drop->SetParent(form_.get());
    drop->SetBounds(10, 10, 150, 21);
    drop->SetDropDownHeight(kHeight);
    drop->SetLookupColumn(1);
    for (int c = 0; c < kColumns; ++c) {
      auto& column = drop->Columns().Add();
      column.SetHeader("Column " + std::to_string(c));
      column.SetAutoSize(true);
    }
    drop->BeginUpdate();
    drop->Items().reserve(kItems);
    for (int r = 0; r < kItems; ++r) drop->Items().Add().SetText({Text(r, 0), Text(r, 1), Text(r, 2), Text(r, 3)});
    drop->EndUpdate();
    drop->ShowDropDown();
    hd::multicolumn::TExtColGrid* list = drop->ColGrid();
    list->PaintTo(image_->Canvas(), hd::TRect{0, 0, list->Width(), list->Height()});
    benchmark::DoNotOptimize(image_->ScanLine(0));
    drop->HideDropDown(false);
    delete drop;
  }

 private:
  std::unique_ptr<hd::TForm> form_;
  std::unique_ptr<hd::TBitmap> image_;
};

class Peer {
 public:
  Peer() : image_(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied) {}
  void Open() {
    QComboBox combo;
    combo.resize(150, 21);
    auto* model = new QStandardItemModel(kItems, kColumns, &combo);
    for (int c = 0; c < kColumns; ++c)
      model->setHorizontalHeaderItem(c, new QStandardItem(QStringLiteral("Column %1").arg(c)));
    for (int r = 0; r < kItems; ++r)
      for (int c = 0; c < kColumns; ++c) model->setItem(r, c, new QStandardItem(QString::fromStdString(Text(r, c))));
    auto* view = new QTableView;
    combo.setModel(model);
    combo.setView(view);
    combo.setModelColumn(1);
    view->verticalHeader()->hide();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->resizeColumnsToContents();
    view->setMinimumWidth(kWidth);
    combo.show();
    combo.showPopup();
    QWidget* popup = view->window();
    popup->resize(kWidth, kHeight);
    popup->render(&image_);
    benchmark::DoNotOptimize(image_.bits());
    combo.hidePopup();
  }

 private:
  QImage image_;
};

void BM_MultiColumnDropDownOpenCompared(benchmark::State& state) {
  Initialize();
  Ours ours;
  Peer peer;
  hd::bench::CompareAlternating(state, 1e3, "ours_ms", [&] { ours.Open(); }, "peer_ms", [&] { peer.Open(); });
}
BENCHMARK(BM_MultiColumnDropDownOpenCompared)->Name("MultiColumnDropDownOpen/Compared")->Unit(benchmark::kMillisecond);

}  // namespace

// Opening a detail drop-down of 10,000 items with images: the items loaded into the list,
// laid out and the popup's first paint, beside Qt's QListWidget in a popup window holding
// the same captions with icons, shown and rendered once. DetailDropDownOpen/Compared reports
// ours/peer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QPixmap>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdlib>
#include <memory>
#include <string>

#include "bench_helpers.h"
#include "grid/editors/dropdown/detail_dropdown.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/forms.h"
#include "platform/image_list.h"

namespace {

constexpr int kItems = 10000, kWidth = 240, kHeight = 300;

std::string Caption(int i) { return "Entry " + std::to_string(i); }

void Initialize() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  hd::Application().Initialize();
}

class Ours {
 public:
  Ours() : form_(std::make_unique<hd::TForm>(nullptr)), images_(16, 16) {
    hd::TBitmap icon(16, 16);
    icon.Canvas().Brush() = hd::TBrush{0x3366CC, hd::bsSolid};
    icon.Canvas().FillRect(hd::TRect{0, 0, 16, 16});
    images_.Add(icon);
    form_->SetBounds(0, 0, 400, 100);
    form_->Show();
    image_ = std::make_unique<hd::TBitmap>(kWidth, kHeight);
  }
  void Open() {
    auto* drop = hd::New<hd::TExtDetailDropDown>(form_.get());
    drop->SetParent(form_.get());
    drop->SetBounds(10, 10, kWidth, 21);
    drop->SetImages(&images_);
    drop->SetDropDownHeight(kHeight);
    drop->Items().BeginUpdate();
    for (int i = 0; i < kItems; ++i) {
      hd::TDetailItem* item = drop->Items().Add();
      item->SetCaption(Caption(i));
      item->SetImageIndex(0);
    }
    drop->Items().EndUpdate();
    drop->ShowDropDown();
    hd::TCustomItemSelector* panel = drop->ItemSelector()->Panel();
    const int top = -panel->Top();
    panel->PaintTo(image_->Canvas(), hd::TRect{0, top, panel->Width(), top + drop->ItemSelector()->ClientHeight()});
    benchmark::DoNotOptimize(image_->ScanLine(0));
    drop->HideDropDown(false);
    delete drop;
  }

 private:
  std::unique_ptr<hd::TForm> form_;
  hd::TImageList images_;
  std::unique_ptr<hd::TBitmap> image_;
};

class Peer {
 public:
  Peer() : image_(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied) {
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor(0xCC, 0x66, 0x33));
    icon_ = QIcon(pixmap);
  }
  void Open() {
    QWidget popup(nullptr, Qt::Popup);
    popup.resize(kWidth, kHeight);
    auto* layout = new QVBoxLayout(&popup);
    layout->setContentsMargins(1, 1, 1, 1);
    auto* list = new QListWidget(&popup);
    layout->addWidget(list);
    for (int i = 0; i < kItems; ++i) new QListWidgetItem(icon_, QString::fromStdString(Caption(i)), list);
    popup.show();
    popup.render(&image_);
    benchmark::DoNotOptimize(image_.bits());
    popup.hide();
  }

 private:
  QIcon icon_;
  QImage image_;
};

void BM_DetailDropDownOpenCompared(benchmark::State& state) {
  Initialize();
  Ours ours;
  Peer peer;
  hd::bench::CompareAlternating(state, 1e3, "ours_ms", [&] { ours.Open(); }, "peer_ms", [&] { peer.Open(); });
}
BENCHMARK(BM_DetailDropDownOpenCompared)->Name("DetailDropDownOpen/Compared")->Unit(benchmark::kMillisecond);

}  // namespace

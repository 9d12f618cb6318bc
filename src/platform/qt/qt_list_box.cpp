// The native side of the list box.
#include <QListWidget>

#include "platform/qt/qt_native.h"
#include "platform/qt/qt_std_ctrls_p.h"
#include "platform/std_ctrls.h"

namespace hd {

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TControlItems>([this] { SyncItems(); })) {
  control_style_ = {csSetCaption, csDoubleClicks, csOpaque, csCaptureMouse};
  SetTabStop(true);
  SetParentColor(false);
  color_ = clWindow;
  auto* list = new QListWidget;
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  TNativeWindow* n = MakeNative(this, list);
  FilterSubWidget(n, list->viewport());
  n->mouse_target = list->viewport();
  AttachNative(n);
  SetBounds(0, 0, 121, 97);
  QObject::connect(list, &QListWidget::currentRowChanged, [this, n](int) {
    if (n->updating == 0) NotifyParent(this, LBN_SELCHANGE);
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, [this](QListWidgetItem*) { NotifyParent(this, LBN_DBLCLK); });
}

TCustomListBox::~TCustomListBox() { items_->OnChange = nullptr; }

void TCustomListBox::SyncItems() {
  auto* list = WidgetOf<QListWidget>(this);
  if (!list) return;
  TNativeUpdate guard(Native());
  int current = list->currentRow();
  list->clear();
  for (int i = 0; i < items_->Count(); ++i) list->addItem(ToQString(items_->Strings(i)));
  if (current >= 0 && current < items_->Count()) list->setCurrentRow(current);
}

int TCustomListBox::ItemIndex() const {
  auto* list = WidgetOf<QListWidget>(this);
  return list && !list->selectedItems().isEmpty() ? list->currentRow() : -1;
}

void TCustomListBox::SetItemIndex(int index) {
  auto* list = WidgetOf<QListWidget>(this);
  if (!list) return;
  TNativeUpdate guard(Native());
  if (index < 0 || index >= list->count()) {
    list->clearSelection();
    list->setCurrentRow(-1);
  } else {
    list->setCurrentRow(index);
  }
}

int TCustomListBox::TopIndex() const {
  auto* list = WidgetOf<QListWidget>(this);
  if (!list) return 0;
  QListWidgetItem* item = list->itemAt(2, 2);
  return item ? list->row(item) : 0;
}

void TCustomListBox::SetTopIndex(int index) {
  auto* list = WidgetOf<QListWidget>(this);
  if (list && index >= 0 && index < list->count())
    list->scrollToItem(list->item(index), QAbstractItemView::PositionAtTop);
}

void TCustomListBox::NativeSetColor() {
  TWinControl::NativeSetColor();
  if (auto* list = WidgetOf<QListWidget>(this)) SetBaseColor(list, Color());
}

void TCustomListBox::DefaultHandler(TMessage& m) {
  auto* list = WidgetOf<QListWidget>(this);
  if (!list) return;
  switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_CHAR: {
      auto ch = static_cast<TKeyChar>(m.WParam);
      if (ch >= 32) ForwardKey(Native(), m, CharText(ch));
      return;
    }
    case LB_GETCURSEL: m.Result = ItemIndex(); return;
    case LB_SETCURSEL: SetItemIndex(static_cast<int>(static_cast<std::intptr_t>(m.WParam))); m.Result = ItemIndex(); return;
    case LB_GETCOUNT: m.Result = Count(); return;
    default: NativeDefault(this, m, false);
  }
}

}  // namespace hd

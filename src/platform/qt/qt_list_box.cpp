// The native side of the list box.
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/qt/qt_native.h"
#include "platform/qt/qt_std_ctrls_p.h"
#include "platform/std_ctrls.h"

namespace hd {
namespace {

// The list box marks the item that has the focus with the platform's focus rectangle: every
// other pixel of its outline inverted, so it shows on the selection as on the window colour.
// The style's own mark is a faint tint nobody sees. Like the other controls' marks, it shows
// once the user moves through the window with the keyboard.
class TListFocusDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(p, option, index);
    const QStyle::State marked = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    if ((option.state & marked) == marked) DrawFocusRect(p, option.rect);
  }

 private:
  static void DrawFocusRect(QPainter* p, const QRect& r) {
    if (r.width() < 1 || r.height() < 1) return;
    p->save();
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p->setPen(Qt::white);
    p->setRenderHint(QPainter::Antialiasing, false);
    auto dot = [p](int x, int y) {
      if (((x + y) & 1) == 0) p->drawPoint(x, y);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
      dot(x, r.top());
      if (r.bottom() != r.top()) dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
      dot(r.left(), y);
      if (r.right() != r.left()) dot(r.right(), y);
    }
    p->restore();
  }
};

}  // namespace

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TControlItems>([this] { SyncItems(); })) {
  control_style_ = {csSetCaption, csDoubleClicks, csOpaque, csCaptureMouse};
  SetTabStop(true);
  SetParentColor(false);
  color_ = clWindow;
  auto* list = new QListWidget;
  list->setItemDelegate(new TListFocusDelegate(list));
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
  ItemsSynced();
}

int TCustomListBox::ItemHeight() const {
  auto* list = WidgetOf<QListWidget>(this);
  if (!list) return 16;
  int h = list->count() > 0 ? list->sizeHintForRow(0) : -1;
  return h > 0 ? h : list->fontMetrics().height() + 2;
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

TRect TCustomListBox::ItemRect(int index) const {
  auto* list = WidgetOf<QListWidget>(this);
  if (!list || index < 0 || index >= list->count()) return {};
  const QRect r = list->visualItemRect(list->item(index));
  const QPoint at = list->viewport()->mapTo(list, r.topLeft());
  const TRect insets = NonClientInsets();
  const int left = at.x() - insets.Left, top = at.y() - insets.Top;
  return {left, top, left + r.width(), top + r.height()};
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
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The control that had the focus checks what it holds before the press selects
      // anything; when it refuses to let the focus go, the selection stays.
      if (!Focused() && CanFocus()) {
        HWND self = Handle();
        SetFocus();
        if (!IsWindow(self) || !Focused()) return;
      }
      NativeDefault(this, m, false);
      return;
    default: NativeDefault(this, m, false);
  }
}

}  // namespace hd

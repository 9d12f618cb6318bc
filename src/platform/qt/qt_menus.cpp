// Popup menus on the Qt side: a QMenu built from the items, shown without a loop of its own;
// the layer's modal loop waits for it to close.
#include <QAction>
#include <QMenu>
#include <QPointer>

#include "platform/menus.h"
#include "platform/native_bridge_p.h"
#include "platform/qt/qt_native.h"

namespace hd {
namespace {

void AddItems(QMenu* menu, const TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem* item = parent.Items(i);
    if (!item->Visible()) continue;
    if (item->IsLine()) {
      menu->addSeparator();
      continue;
    }
    QString caption = ToQString(item->Caption());
    if (item->Count() > 0) {
      QMenu* sub = menu->addMenu(caption);
      sub->setEnabled(item->Enabled());
      AddItems(sub, *item);
      continue;
    }
    QAction* action = menu->addAction(caption);
    action->setEnabled(item->Enabled());
    action->setCheckable(item->Checked());
    action->setChecked(item->Checked());
    action->setData(static_cast<int>(item->Command()));
  }
}

class QtPopupMenu : public TNativePopupMenu {
 public:
  QtPopupMenu(TMenuItem& items, TPoint screen, unsigned flags) : menu_(new QMenu) {
    AddItems(menu_, items);
    QObject::connect(menu_, &QMenu::triggered, [this](QAction* a) { Chosen = static_cast<WORD>(a->data().toInt()); });
    QObject::connect(menu_, &QMenu::aboutToHide, [this] { Closed = true; });
    QSize size = menu_->sizeHint();
    int x = screen.X, y = screen.Y;
    if (flags & TPM_RIGHTALIGN) x -= size.width();
    else if (flags & TPM_CENTERALIGN) x -= size.width() / 2;
    if (flags & TPM_BOTTOMALIGN) y -= size.height();
    else if (flags & TPM_VCENTERALIGN) y -= size.height() / 2;
    if (menu_->isEmpty()) {
      Closed = true;
      return;
    }
    menu_->popup(QPoint(x, y));
  }
  ~QtPopupMenu() override {
    if (menu_) {
      menu_->disconnect();
      menu_->hide();
      menu_->deleteLater();
    }
  }
  void Close() override {
    Closed = true;
    if (menu_) menu_->hide();
  }

 private:
  QPointer<QMenu> menu_;
};

}  // namespace

std::unique_ptr<TNativePopupMenu> NativeShowPopupMenu(TMenuItem& menu, TPoint screen, unsigned flags) {
  EnsureNativeApplication();
  return std::make_unique<QtPopupMenu>(menu, screen, flags);
}

}  // namespace hd

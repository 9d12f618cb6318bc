// The native side of the check-list box: list items with check states.
#include <QListWidget>

#include "platform/check_list_box.h"
#include "platform/messages.h"
#include "platform/qt/qt_native.h"

namespace hd {

TCheckListBox::TCheckListBox(TComponent* owner) : TCustomListBox(owner) {
  if (auto* list = WidgetOf<QListWidget>(this)) {
    QObject::connect(list, &QListWidget::itemChanged, [this, list](QListWidgetItem* item) {
      TNativeWindow* n = Native();
      if (!n || n->updating != 0) return;
      Toggled(list->row(item), item->checkState() == Qt::Checked);
    });
  }
}

bool TCheckListBox::Checked(int index) const {
  return index >= 0 && index < static_cast<int>(checked_.size()) && checked_[static_cast<size_t>(index)];
}

void TCheckListBox::SetChecked(int index, bool value) {
  if (index < 0 || index >= Count()) return;
  checked_.resize(static_cast<size_t>(Count()), false);
  checked_[static_cast<size_t>(index)] = value;
  auto* list = WidgetOf<QListWidget>(this);
  if (!list || index >= list->count()) return;
  TNativeUpdate guard(Native());
  list->item(index)->setCheckState(value ? Qt::Checked : Qt::Unchecked);
}

void TCheckListBox::Dispatch(TMessage& m) {
  if (m.Msg == WM_CHAR && m.WParam == static_cast<WPARAM>(' ')) {
    int i = ItemIndex();
    if (i >= 0 && i < Count()) {
      SetChecked(i, !Checked(i));
      ClickCheck();
    }
    return;
  }
  TCustomListBox::Dispatch(m);
}

void TCheckListBox::ClickCheck() {
  if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::ItemsSynced() {
  // Items that are new start unchecked; an emptied list forgets every state.
  if (Count() == 0) checked_.clear();
  checked_.resize(static_cast<size_t>(Count()), false);
  auto* list = WidgetOf<QListWidget>(this);
  if (!list) return;
  TNativeUpdate guard(Native());
  for (int i = 0; i < list->count(); ++i) {
    QListWidgetItem* item = list->item(i);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(checked_[static_cast<size_t>(i)] ? Qt::Checked : Qt::Unchecked);
  }
}

void TCheckListBox::Toggled(int index, bool value) {
  if (index < 0) return;
  checked_.resize(static_cast<size_t>(Count()), false);
  if (index >= static_cast<int>(checked_.size()) || checked_[static_cast<size_t>(index)] == value) return;
  checked_[static_cast<size_t>(index)] = value;
  ClickCheck();
}

}  // namespace hd

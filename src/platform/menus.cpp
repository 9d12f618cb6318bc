#include "platform/menus.h"

#include <algorithm>

#include "platform/native_bridge_p.h"

namespace hd {
namespace {

WORD NextCommand() {
  // Commands start above the identifiers of the standard dialog buttons.
  static WORD next = 100;
  if (next == 0xFFFF) next = 100;
  return next++;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
  Clear();
  if (parent_) parent_->Remove(this);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return items_[static_cast<size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  if (item->parent_) throw EMenuError("Menu inserted twice");
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = Items(index);
  Remove(item);
  delete item;
}

void TMenuItem::Clear() {
  while (!items_.empty()) Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenuItem* TMenuItem::FindItem(WORD command) {
  for (TMenuItem* item : items_) {
    if (item->command_ == command) return item;
    if (TMenuItem* found = item->FindItem(command)) return found;
  }
  return nullptr;
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

TMenuItem* NewItem(TComponent* owner, const std::string& caption, TNotifyEvent onClick) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  item->OnClick = std::move(onClick);
  return item;
}

int TrackPopupMenu(TMenuItem& menu, unsigned flags, int x, int y, HWND owner) {
  std::unique_ptr<TNativePopupMenu> popup = NativeShowPopupMenu(menu, {x, y}, flags);
  TPopupMenuLoop loop;
  loop.Kind = TModalKind::PopupMenu;
  loop.Menu = &menu;
  loop.Done = [&] { return popup->Closed; };
  loop.Cancel = [&] { popup->Close(); };
  loop.Choose = [&](TMenuItem* item) {
    popup->Chosen = item && item->Enabled() && item->Visible() && !item->IsLine() && item->Count() == 0 ? item->Command() : 0;
    popup->Close();
  };
  RunModalLoop(loop);
  WORD chosen = popup->Chosen;
  popup.reset();
  if (chosen == 0) return 0;
  if (flags & TPM_RETURNCMD) return chosen;
  // The platform posts the command: the code after the call runs before its handler.
  PostMessage(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
  return 1;
}

// The window that takes the menu's WM_COMMAND and clicks the item it names.
class TPopupMenu::Window : public TWindowTarget {
 public:
  explicit Window(TPopupMenu* menu) : menu_(menu) {}
  void MainWndProc(TMessage& m) override {
    if (m.Msg != WM_COMMAND || HIWORD(m.WParam) != 0) return;
    if (TMenuItem* item = menu_->Items().FindItem(LOWORD(m.WParam))) item->Click();
  }

 private:
  TPopupMenu* menu_;
};

TPopupMenu::TPopupMenu(TComponent* owner)
    : TComponent(owner), items_(new TMenuItem(this)), window_(std::make_unique<Window>(this)) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Popup(int x, int y) {
  popup_point_ = {x, y};
  if (OnPopup) OnPopup(this);
  unsigned flags = alignment_ == paRight ? TPM_RIGHTALIGN : alignment_ == paCenter ? TPM_CENTERALIGN : TPM_LEFTALIGN;
  TrackPopupMenu(*items_, flags | TPM_RIGHTBUTTON, x, y, window_->Handle());
}

}  // namespace hd

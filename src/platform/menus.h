// Popup menus: items with captions, separators, check marks and sub-menus, shown at a screen
// point. The menu runs in the layer's modal loop, so posted messages and timers go on while
// it is open, and tests choose an item through the loop runner.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/component.h"
#include "platform/exceptions.h"
#include "platform/messages.h"
#include "platform/modal_loop.h"
#include "platform/types.h"

namespace hd {

class EMenuError : public Exception {
 public:
  using Exception::Exception;
};

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  const char* ClassName() const override { return "TMenuItem"; }

  // "&" marks the accelerator; the caption "-" makes a separator line.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  bool IsLine() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool v) { checked_ = v; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { enabled_ = v; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }
  // The number sent with WM_COMMAND when the item is chosen; unique during the run.
  WORD Command() const { return command_; }

  // Sub-items. An item added belongs to this one and is freed with it; an item that already
  // has a parent raises EMenuError.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  TMenuItem* Parent() const { return parent_; }
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the item out without freeing it.
  void Remove(TMenuItem* item);
  void Delete(int index);
  void Clear();
  int IndexOf(const TMenuItem* item) const;
  int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
  // The item, among these and their sub-items, that carries the command; null when none.
  TMenuItem* FindItem(WORD command);

  // Runs OnClick.
  virtual void Click();
  TNotifyEvent OnClick;

 private:
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  WORD command_;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
};

// Builds an item (a separator for "-") with its click handler, for filling menus in code.
TMenuItem* NewItem(TComponent* owner, const std::string& caption, TNotifyEvent onClick = {});

// The modal loop of a popup menu (its Kind is PopupMenu): the items shown, and how a runner
// picks one (null dismisses the menu without a choice); picking ends the loop.
struct TPopupMenuLoop : TModalLoop {
  TMenuItem* Menu = nullptr;
  std::function<void(TMenuItem*)> Choose;
};

// TrackPopupMenu flags.
constexpr unsigned TPM_LEFTALIGN = 0x0, TPM_CENTERALIGN = 0x4, TPM_RIGHTALIGN = 0x8,
                   TPM_TOPALIGN = 0x0, TPM_VCENTERALIGN = 0x10, TPM_BOTTOMALIGN = 0x20,
                   TPM_LEFTBUTTON = 0x0, TPM_RIGHTBUTTON = 0x2, TPM_NONOTIFY = 0x80,
                   TPM_RETURNCMD = 0x100;

// Shows the items of `menu` at the screen point and runs the modal loop until an item is
// chosen or the menu is dismissed. With TPM_RETURNCMD the chosen item's command is returned;
// otherwise WM_COMMAND carrying it is sent to `owner`. 0 when nothing was chosen.
int TrackPopupMenu(TMenuItem& menu, unsigned flags, int x, int y, HWND owner);

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  const char* ClassName() const override { return "TPopupMenu"; }

  // The root item, whose sub-items are the menu's items.
  TMenuItem& Items() { return *items_; }
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment a) { alignment_ = a; }
  // The component the menu was last shown for.
  TComponent* PopupComponent() const { return popup_component_; }
  void SetPopupComponent(TComponent* c) { popup_component_ = c; }
  TPoint PopupPoint() const { return popup_point_; }

  // Fires OnPopup and shows the menu at the screen point until it closes. The chosen item's
  // Click runs from a posted message, as on the platform: after Popup has returned.
  virtual void Popup(int x, int y);
  TNotifyEvent OnPopup;

 private:
  class Window;
  TMenuItem* items_;
  std::unique_ptr<Window> window_;
  TPopupAlignment alignment_ = paLeft;
  TComponent* popup_component_ = nullptr;
  TPoint popup_point_;
};

}  // namespace hd

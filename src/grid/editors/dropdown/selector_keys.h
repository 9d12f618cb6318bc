// What the drop-downs that list their items share: the text typed to look an item up, which
// lives 500 ms from its first character, and the list keys of a picker whose popup shows its items
// in an item selector.
#pragma once

#include <functional>
#include <string>

#include "grid/editors/dropdown/item_selector.h"
#include "platform/ext_ctrls.h"

namespace hd {

class TSearchText {
 public:
  // Owner: the timer's.
  explicit TSearchText(TComponent* Owner);
  ~TSearchText();
  TSearchText(const TSearchText&) = delete;
  TSearchText& operator=(const TSearchText&) = delete;
  // Appends the character (the first one starts the 500 ms); gives the text so far.
  const std::string& Add(char C);
  const std::string& Text() const { return FText; }
  TTimer* Timer() const { return FTimer; }

 private:
  TTimer* FTimer;
  std::string FText;
};

// The list keys after the drop-down's own handling. The picker keeps its own index and items;
// the selector is its popup's list.
class TSelectorListKeys {
 public:
  struct TPicker {
    std::function<int()> Count;
    std::function<int()> ItemIndex;
    // The picker's own index, with the popup closed.
    std::function<void(int)> SetItemIndex;
    // The selector filled again from the picker's items.
    std::function<void()> Refill;
    std::function<int()> Columns;
    std::function<bool()> DroppedDown;
    std::function<bool()> EditorEnabled;
    // Return not taken by the popup's hot item.
    std::function<void()> Returned;
  };

  TSelectorListKeys(TComponent* Owner, TPicker Picker) : FSearch(Owner), FPicker(std::move(Picker)) {}

  // Set while the picker moves the selector itself: the popup stays open.
  bool InternalCall() const { return FInternalCall; }
  // Return in the open popup on a hot item chooses it; true when it did.
  bool ChooseHot(TExtCustomItemSelector* Selector);
  void HandleKey(TExtCustomItemSelector& Selector, WORD Key, bool Handled);
  // Moves the selector by the picker, then scrolls there.
  void SelectorIndex(TExtCustomItemSelector& Selector, int Index);
  // The wheel: the hot item in the open popup, else the value through the selector.
  void Step(TExtCustomItemSelector& Selector, bool Next);
  const TSearchText& Search() const { return FSearch; }

 private:
  template <class F>
  void Internally(F f) {
    FInternalCall = true;
    f();
    FInternalCall = false;
  }

  TSearchText FSearch;
  TPicker FPicker;
  bool FInternalCall = false;
};

}  // namespace hd

// What the drop-downs that list their items in an item selector share: the selector made on
// their popup, filled and sized from their settings; the text typed to look an item up, which
// lives 500 ms from its first character; and the list keys of a picker.
#pragma once

#include <functional>
#include <string>

#include "grid/editors/dropdown/item_selector.h"
#include "platform/ext_ctrls.h"

namespace hd {

// The popup's selector, made at the first call (owned by Owner, on the popup, of the type, 150
// high); every call gives it the popup's colour and lays it out.
TExtCustomItemSelector& PopupItemSelector(TExtCustomItemSelector*& Selector, TComponent* Owner, TWinControl* Popup,
                                          TSelectorType Type, TColor Color);

// What a drop-down hands its selector before a showing.
struct TSelectorFill {
  int Columns = 1;
  TImageList* Images = nullptr;
  TItemLayout Layout = ilCaptionRight;
  TColor Color = clWindow;
  const TItemAppearance* Appearance = nullptr;
  // Adds one selector item per item of the drop-down.
  std::function<void(TSelectorItems&)> AddItems;
  int ItemIndex = -1;
  // Hooked to the selector's OnItemSelect once it is filled; unhooked while it fills.
  TNotifyEvent Selected;
};
void FillItemSelector(TExtCustomItemSelector& Selector, const TSelectorFill& Fill);

// The selector takes its items' width and height where the drop-down sets none.
void SizeSelectorToItems(TExtCustomItemSelector& Selector, bool Width, bool Height);
// The room its vertical bar takes when the bar shows.
int SelectorBarWidth(const TExtCustomItemSelector& Selector);

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

#include "grid/editors/dropdown/selector_keys.h"

#include <algorithm>

#include "platform/controls.h"
#include "platform/scroll_bars.h"

namespace hd {

TExtCustomItemSelector& PopupItemSelector(TExtCustomItemSelector*& Selector, TComponent* Owner, TWinControl* Popup,
                                          TSelectorType Type, TColor Color) {
  if (!Selector) {
    Selector = new TExtCustomItemSelector(Owner);
    Selector->SetParent(Popup);
    Selector->SetSelectorType(Type);
    Selector->SetBounds(0, 0, Selector->Width(), 150);
  }
  Selector->SetColor(Color);
  Selector->UpdateSelectorPanel();
  return *Selector;
}

void FillItemSelector(TExtCustomItemSelector& Selector, const TSelectorFill& Fill) {
  Selector.OnItemSelect = nullptr;
  Selector.SetColumns(Fill.Columns);
  Selector.SetImages(Fill.Images);
  Selector.SetItemLayout(Fill.Layout);
  Selector.SetColor(Fill.Color);
  if (Fill.Appearance) Selector.SetItemAppearance(*Fill.Appearance);
  TSelectorItems& items = Selector.Items();
  items.BeginUpdate();
  items.Clear();
  if (Fill.AddItems) Fill.AddItems(items);
  items.EndUpdate();
  Selector.UpdateSelectorPanel();
  Selector.SetItemIndex(Fill.ItemIndex);
  Selector.OnItemSelect = Fill.Selected;
}

void SizeSelectorToItems(TExtCustomItemSelector& Selector, bool Width, bool Height) {
  Selector.SetAlign(alNone);
  int w = 0, h = 0;
  Selector.GetPanelSize(w, h);
  if (Width) Selector.SetBounds(Selector.Left(), Selector.Top(), w, Selector.Height());
  if (Height) Selector.SetBounds(Selector.Left(), Selector.Top(), Selector.Width(), h);
}

int SelectorBarWidth(const TExtCustomItemSelector& Selector) {
  return Selector.VertScrollBar().IsScrollBarVisible() ? GetSystemMetrics(SM_CXVSCROLL) : 0;
}

TSearchText::TSearchText(TComponent* Owner) : FTimer(new TTimer(Owner)) {
  FTimer->SetEnabled(false);
  FTimer->SetInterval(500);
  FTimer->OnTimer = [this](TObject*) {
    FTimer->SetEnabled(false);
    FText.clear();
  };
}

TSearchText::~TSearchText() {
  // The timer is the owner's and may outlive this.
  FTimer->SetEnabled(false);
  FTimer->OnTimer = nullptr;
}

const std::string& TSearchText::Add(char C) {
  FText += C;
  FTimer->SetEnabled(true);
  return FText;
}

bool TSelectorListKeys::ChooseHot(TExtCustomItemSelector* Selector) {
  if (!Selector || !FPicker.DroppedDown() || Selector->ItemHot() < 0) return false;
  Selector->SetItemIndex(Selector->ItemHot());
  return true;
}

void TSelectorListKeys::SelectorIndex(TExtCustomItemSelector& Selector, int Index) {
  Internally([&] { Selector.SetItemIndex(Index); });
  Selector.ScrollItemInView(Index);
}

void TSelectorListKeys::Step(TExtCustomItemSelector& Selector, bool Next) {
  if (FPicker.DroppedDown()) {
    Next ? Selector.HotNext() : Selector.HotPrevious();
    return;
  }
  FPicker.Refill();
  Internally([&] { Next ? Selector.SelectNext() : Selector.SelectPrevious(); });
}

void TSelectorListKeys::HandleKey(TExtCustomItemSelector& Selector, WORD Key, bool Handled) {
  const int last = FPicker.Count() - 1;
  const bool down = FPicker.DroppedDown();
  switch (Key) {
    case VK_RETURN:
      if (!Handled) FPicker.Returned();
      return;
    case VK_PRIOR:
    case VK_NEXT: {
      if (Selector.Items().Count() != FPicker.Count()) FPicker.Refill();
      const int n = Selector.GetVisibleItemCount();
      if (n < 1) return;
      const int at = Selector.ItemIndex();
      SelectorIndex(Selector, Key == VK_PRIOR ? std::max(at - n, 0) : std::min(at + n, last));
      return;
    }
    case VK_END:
    case VK_HOME:
      if (down)
        Internally([&] { Key == VK_END ? Selector.SelectLast() : Selector.SelectFirst(); });
      else if (last >= 0)
        FPicker.SetItemIndex(Key == VK_END ? last : 0);
      return;
    case VK_LEFT:
    case VK_RIGHT:
      if (down && !FPicker.EditorEnabled())
        Internally([&] { Key == VK_LEFT ? Selector.SelectPrevious() : Selector.SelectNext(); });
      return;
    case VK_UP:
    case VK_DOWN: {
      if (!down) {
        const int at = FPicker.ItemIndex();
        if (last < 0) return;
        if (at < 0) FPicker.SetItemIndex(0);
        else if (Key == VK_UP && at > 0) FPicker.SetItemIndex(at - 1);
        else if (Key == VK_DOWN && at < last) FPicker.SetItemIndex(at + 1);
        return;
      }
      const int at = Selector.ItemIndex();
      const int to = at < 0 ? 0 : (Key == VK_UP ? at - FPicker.Columns() : at + FPicker.Columns());
      if (to >= 0 && to <= last) SelectorIndex(Selector, to);
      return;
    }
    default:
      if (GetKeyState(VK_CONTROL) < 0 || Key < 32) return;
      Internally([&] { Selector.LookupItem(FSearch.Add(static_cast<char>(Key))); });
      return;
  }
}

}  // namespace hd

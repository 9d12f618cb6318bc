// The drop-down that picks one of a list of detail items (caption, markup notes, image or
// picture) from a one-column item selector it draws itself. Typing completes the text from
// the first caption that begins with it; keys move the choice in the edit or in the open
// list; letters look items up with a search string that lives 500 ms.
#pragma once

#include "grid/editors/dropdown/dropdown_edit.h"
#include "grid/editors/dropdown/item_selector.h"
#include "grid/editors/dropdown/selector_keys.h"
#include "platform/ext_ctrls.h"

namespace hd {

using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas& Canvas, TRect R)>;

class TDetailItem : public TPictureItem {
 public:
  explicit TDetailItem(TCollection* Collection) : TPictureItem(Collection) {}
  const char* ClassName() const override { return "TDetailItem"; }

  // Markup drawn under the caption.
  const std::string& Notes() const { return FNotes; }
  void SetNotes(const std::string& Value) { FNotes = Value; }
  TObject* ItemObject() const { return FItemObject; }
  void SetItemObject(TObject* Value) { FItemObject = Value; }
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }
  // Caption, image index, picture, enabled state, tag and object; not the notes.
  void Assign(const TPersistent* Source) override;

 private:
  std::string FNotes;
  TObject* FItemObject = nullptr;
  int FTag = 0;
};

class TDetailItems : public TPickerItems<TDetailItem> {
 public:
  using TPickerItems::TPickerItems;
  const char* ClassName() const override { return "TDetailItems"; }
  // The first item whose caption equals AValue with case, else -1.
  int IndexOf(const std::string& AValue) const;
};

class TExtDetailDropDown : public TExtCustomDropDown {
 public:
  explicit TExtDetailDropDown(TComponent* AOwner);
  ~TExtDetailDropDown() override;
  const char* ClassName() const override { return "TExtDetailDropDown"; }

  TExtCustomItemSelector* ItemSelector() const { return FItemSelector; }
  // Applied at the next showing.
  TItemLayout Layout() const { return FLayout; }
  void SetLayout(TItemLayout Value) { FLayout = Value; }
  TDetailItems& Items() { return FItems; }
  void SetItems(const TDetailItems& Value) { FItems.Assign(&Value); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  TItemAppearance& ItemAppearance() { return FItemAppearance; }
  void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(&Value); }
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value) { FItemHeight = Value; }
  TFont& CaptionFont() { return FCaptionFont; }
  void SetCaptionFont(const TFont& Value) { FCaptionFont = Value; }
  TFont& NotesFont() { return FNotesFont; }
  void SetNotesFont(const TFont& Value) { FNotesFont = Value; }
  bool MatchCase() const { return FMatchCase; }
  void SetMatchCase(bool Value) { FMatchCase = Value; }
  bool MatchStart() const { return FMatchStart; }
  void SetMatchStart(bool Value) { FMatchStart = Value; }
  // The letters typed for the list lookup, cleared 500 ms after the first.
  const std::string& CurSearch() const { return FSearch.Text(); }
  TTimer* KeyTimer() const { return FSearch.Timer(); }

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();

  void SetComponentStyle(TDAZStyle AStyle) override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;

  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedImage;

  void Dispatch(TMessage& m) override;

 protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void DoShowDropDown() override;
  void UpdateDropDownSize() override;
  void DoHideDropDown(bool CancelChanges) override;
  void DropDownFormResized() override;
  void SelectNextValue() override;
  void SelectPreviousValue() override;
  void Change() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;

 private:
  void FillList();
  void ListSelect();
  void ListMoveTo(int Index);
  void DrawListItem(TCanvas& Canvas, TRect R, int Index);
  void ItemSize(TSize& ASize);
  bool HandleNavigation(TMessage& m);

  TExtCustomItemSelector* FItemSelector = nullptr;
  TItemLayout FLayout = ilCaptionRight;
  TDetailItems FItems{this};
  int FItemIndex = -1;
  TItemAppearance FItemAppearance{this};
  bool FInternalCall = false;
  TSearchText FSearch{this};
  int FOldItemIndex = -1;
  int FItemHeight = 22;
  TFont FCaptionFont;
  TFont FNotesFont;
  bool FWorkMode = true;
  bool FItemChange = false;
  int FItemIdx = -1;
  int FItemSel = 0;
  std::string FOldValue;
  bool FMatchCase = false;
  bool FMatchStart = false;
};

}  // namespace hd

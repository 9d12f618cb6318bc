// The drop-down that picks a picture: the popup shows the items in the item selector, the edit
// shows the chosen item's own picture or, without one, its image-list image. Items come from
// the image list or from the picture files of a folder.
#pragma once

#include <functional>
#include <string>

#include "grid/editors/dropdown/dropdown_edit.h"
#include "grid/editors/dropdown/item_selector.h"
#include "grid/editors/dropdown/selector_keys.h"
#include "platform/ext_ctrls.h"
#include "platform/picture.h"

namespace hd {

using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas& Canvas, TRect R)>;

class TImageItem : public TPictureItem {
 public:
  explicit TImageItem(TCollection* Collection) : TPictureItem(Collection) {}
  const char* ClassName() const override { return "TImageItem"; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  void Assign(const TPersistent* Source) override;

 private:
  std::string FHint;
};

class TImageItems : public TPickerItems<TImageItem> {
 public:
  using TPickerItems::TPickerItems;
  const char* ClassName() const override { return "TImageItems"; }
};

class TExtImagePickerDropDown : public TExtCustomDropDown {
 public:
  explicit TExtImagePickerDropDown(TComponent* AOwner);
  ~TExtImagePickerDropDown() override;
  const char* ClassName() const override { return "TExtImagePickerDropDown"; }

  int Columns() const { return FColumns; }
  void SetColumns(int Value) { FColumns = Value; }
  TItemLayout Layout() const { return FLayout; }
  void SetLayout(TItemLayout Value) { FLayout = Value; }
  TImageItems& Items() { return FItems; }
  void SetItems(const TImageItems& Value) { FItems.Assign(&Value); }
  TItemAppearance& ItemAppearance() { return FItemAppearance; }
  void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(&Value); }

  int ItemIndex() const { return FItemIndex; }
  // Unchanged or past the items: nothing; else repaint, the edit's OnChange, then OnSelect.
  void SetItemIndex(int Value);
  // -1 without a choice; writing chooses the first item with that image index, or none.
  int ImageIndex() const;
  void SetImageIndex(int Value);
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  // One item per image of the image list, nothing without a list.
  void AddImagesFromImageList();
  // AFolder is a folder and a pattern ("C:\\pics\\*.bmp"); every entry the pattern matches,
  // folders too, gives an item; a file that does not load leaves it empty and uncaptioned.
  void AddImagesFromFolder(const std::string& AFolder, bool SetImageCaption);

  TExtCustomItemSelector* ItemSelector() const { return FItemSelector; }
  // The edit area as the control draws it over its face at every paint, onto a canvas of the
  // window's size.
  void PaintSelectedImage(TCanvas& Canvas);

  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedImage;
  TSelectorDrawItemEvent OnDrawItem;

  void Dispatch(TMessage& m) override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;
  void SetComponentStyle(TDAZStyle AStyle) override;

 protected:
  void CreateWnd() override;
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void UpdateDropDownSize() override;
  void DoHideDropDown(bool CancelChanges) override;
  void SelectNextValue() override;
  void SelectPreviousValue() override;
  void DrawFocus() override;

 private:
  void UpdateItemSelector();
  void ItemSelected();

  TExtCustomItemSelector* FItemSelector = nullptr;
  int FColumns = 1;
  TItemLayout FLayout = ilCaptionRight;
  TImageItems FItems{this};
  int FItemIndex = -1;
  TItemAppearance FItemAppearance{this};
  int FOldItemIndex = -1;
  TSelectorListKeys FListKeys;
};

}  // namespace hd

// The item selector: a scrolling grid of equal cells, each showing a markup caption with an
// image, a picture or a colour box, that drop-down kinds put into their popup. The container
// (TExtCustomItemSelector) holds the items, settings and events and scrolls the panel
// (TCustomItemSelector), which lays out and draws the cells and takes the mouse.
#pragma once

#include <functional>
#include <string>

#include "grid/editors/dropdown/dropdown_styles.h"
#include "grid/editors/dropdown/picker_items.h"
#include "grid/foundation/theme.h"
#include "platform/classes.h"
#include "platform/picture.h"
#include "platform/scroll_box.h"

namespace hd {

class TImageList;
class TCustomItemSelector;

enum TSelectorType { stImage, stColor };
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

using TSelectorDrawItemEvent = std::function<void(TObject* Sender, TCanvas& Canvas, TRect R, int Index)>;
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

class TSelectorItem : public TPictureItem {
 public:
  explicit TSelectorItem(TCollection* Collection) : TPictureItem(Collection) {}
  const char* ClassName() const override { return "TSelectorItem"; }

  // Its caption is markup text.

  // For the kinds that fill a selector from their own items.
  void SetEnabled(bool Value) { FEnabled = Value; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Store(FColor, Value); }
  // The cell in panel coordinates, set by the layout.
  TRect Rect() const { return FRect; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  void Assign(const TPersistent* Source) override;

 private:
  friend class TCustomItemSelector;
  TColor FColor = clNone;
  TRect FRect;
  std::string FHint;
};

class TSelectorItems : public TPickerItems<TSelectorItem> {
 public:
  using TPickerItems::TPickerItems;
  const char* ClassName() const override { return "TSelectorItems"; }
};

// The hot and selected looks of the cells. Setting ColorStyle loads its preset colours.
class TItemAppearance : public TPersistent {
 public:
  explicit TItemAppearance(TPersistent* AOwner);
  const char* ClassName() const override { return "TItemAppearance"; }

#define HD_ITEM_COLOUR(Name)                     \
  TColor Name() const { return F##Name; }        \
  void Set##Name(TColor Value) { F##Name = Value; }
  HD_ITEM_COLOUR(ColorMirrorHotTo)
  HD_ITEM_COLOUR(BorderColor)
  HD_ITEM_COLOUR(ColorMirrorHot)
  HD_ITEM_COLOUR(ColorSelectedTo)
  HD_ITEM_COLOUR(ColorSelected)
  HD_ITEM_COLOUR(EdgeColor)
  HD_ITEM_COLOUR(ColorHotTo)
  HD_ITEM_COLOUR(BorderColorBottom)
  HD_ITEM_COLOUR(ColorHot)
  HD_ITEM_COLOUR(BorderColorTop)
  HD_ITEM_COLOUR(ColorMirrorSelectedTo)
  HD_ITEM_COLOUR(ColorMirrorSelected)
  HD_ITEM_COLOUR(ColorSelectedText)
  HD_ITEM_COLOUR(ColorHotText)
  // clNone (the default) keeps the look's border; a colour replaces it and drops the top,
  // bottom and edge colours.
  HD_ITEM_COLOUR(BorderColorHot)
  HD_ITEM_COLOUR(BorderColorSelected)
#undef HD_ITEM_COLOUR

  TSelectionColorStyle ColorStyle() const { return FColorStyle; }
  void SetColorStyle(TSelectionColorStyle Value);
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& Value) { FFont = Value; }
  // The colours, font and style (a new style loads its preset over them), the selected text
  // colour and the two replacing borders; the hot text colour stays.
  void Assign(const TPersistent* Source) override;

  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() const override { return FOwner; }

 private:
  TPersistent* FOwner;
  TColor FColorMirrorHotTo = clNone, FBorderColor = clNone, FColorMirrorHot = clNone, FColorSelectedTo = clNone,
         FColorSelected = clNone, FEdgeColor = clNone, FColorHotTo = clNone, FBorderColorBottom = clNone,
         FColorHot = clNone, FBorderColorTop = clNone, FColorMirrorSelectedTo = clNone, FColorMirrorSelected = clNone;
  TColor FColorSelectedText = 0x000000;
  TColor FColorHotText = 0x000000;
  TSelectionColorStyle FColorStyle = scCustom;
  TFont FFont;
  TColor FBorderColorHot = clNone;
  TColor FBorderColorSelected = clNone;
};

// The hover and selection colours a component style gives an item appearance (nothing for
// tsCustom or without an appearance).
void SetItemAppearanceStyle(TItemAppearance* Appearance, TDAZStyle AStyle);

class TExtCustomItemSelector;

// The panel: sized to hold every cell; lays them out, draws them and takes the mouse.
class TCustomItemSelector : public TCustomControl {
 public:
  // The owner must be the container ("Invalid parent" otherwise).
  explicit TCustomItemSelector(TComponent* AOwner);
  const char* ClassName() const override { return "TCustomItemSelector"; }

  int ItemIndex() const { return FItemIndex; }
  // A disabled item is refused; selecting fires OnItemSelect, also for the item already selected.
  void SetItemIndex(int Value);
  int ItemHot() const { return FItemHot; }
  void SetItemHot(int Index);
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  bool LookupItem(const std::string& s);
  TRect GetItemRect(int Index) const;
  int ItemAtPos(int X, int Y) const;

  int Columns() const;
  TSelectorItems& Items() const;
  TSelectorType SelectorType() const;
  TItemLayout ItemLayout() const;
  TImageList* Images() const;
  int ColorBoxHeight() const;
  int ColorBoxWidth() const;
  TSelectionColorStyle ItemColorStyle() const;
  TColor ItemColorHot() const;
  TColor ItemColorHotTo() const;
  TColor ItemColorSelected() const;
  TColor ItemColorSelectedTo() const;
  TExtCustomItemSelector* ExtItemSelector() const { return FExtItemSelector; }

  // Cells painted by the last paint (what a page of scrolling costs).
  int PaintedItems() const { return FPaintedItems; }

  TNotifyEvent OnItemSelect;

  void Dispatch(TMessage& m) override;

  virtual void DrawItem(int Index, TCanvas* Canvas);
  virtual void GetItemsRect(TRect& R) const;
  virtual void GetItemSize(TSize& ASize);
  virtual void InvalidateItem(int Index);
  virtual void UpdateItemRects();

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

 private:
  bool ItemEnabled(int Index) const;
  TItemAppearance& Appearance() const;

  int FItemIndex = -1;
  int FItemHot = -1;
  int FOffSetX = 2;
  int FOffSetY = 2;
  int FItemOffSetX = 4;
  int FItemOffSetY = 4;
  int FCaptionGap = 4;
  TExtCustomItemSelector* FExtItemSelector = nullptr;
  int FPaintedItems = 0;
};

class TExtCustomItemSelector : public TScrollingWinControl {
 public:
  explicit TExtCustomItemSelector(TComponent* AOwner);
  ~TExtCustomItemSelector() override;
  const char* ClassName() const override { return "TExtCustomItemSelector"; }

  TSelectorItems& Items() { return FItems; }
  void SetItems(const TSelectorItems& Value) { FItems.Assign(&Value); }
  TSelectorType SelectorType() const { return FSelectorType; }
  void SetSelectorType(TSelectorType Value);
  // Stored only: the caller lays out again.
  TItemLayout ItemLayout() const { return FItemLayout; }
  void SetItemLayout(TItemLayout Value) { FItemLayout = Value; }
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  int ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(int Value);
  int ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(int Value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  TItemAppearance& ItemAppearance() { return FItemAppearance; }
  void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(&Value); }
  TCustomItemSelector* Panel() const { return FItemSelectorPanel; }

  int ItemHot() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemHot() : -1; }
  int ItemIndex() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemIndex() : -1; }
  void SetItemIndex(int Value);

  void UpdateSelectorPanel();
  void GetPanelSize(int& Width, int& Height) const;
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  // Selects the first item whose plain, trimmed, upper-cased caption begins with s (which
  // callers pass upper-cased); does not scroll.
  bool LookupItem(const std::string& s);
  void ScrollItemInView(int Index);
  // Whole cells in the visible height times the columns; 0 without items or for cells 0 high.
  int GetVisibleItemCount() const;

  TNotifyEvent OnItemSelect;
  TSelectorDrawItemEvent OnDrawItem;
  TItemSizeEvent OnItemSize;

  void Dispatch(TMessage& m) override;

 private:
  TSelectorItems FItems{this};
  TSelectorType FSelectorType = stImage;
  TItemLayout FItemLayout = ilCaptionRight;
  int FColumns = 1;
  int FColorBoxWidth = 14;
  int FColorBoxHeight = 14;
  TImageList* FImages = nullptr;
  TCustomItemSelector* FItemSelectorPanel = nullptr;
  TItemAppearance FItemAppearance{this};
};

}  // namespace hd

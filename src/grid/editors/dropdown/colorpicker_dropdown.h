// The drop-down that picks a colour: the edit shows a colour box and the colour's text, the
// popup lists named colours in the item selector.
#pragma once

#include <string>

#include "grid/editors/dropdown/color_panels.h"
#include "grid/editors/dropdown/color_selector.h"
#include "grid/editors/dropdown/imagepicker_dropdown.h"
#include "grid/editors/dropdown/item_selector.h"
#include "grid/editors/dropdown/selector_keys.h"

namespace hd {

enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };

class TColorItem : public TCaptionItem {
 public:
  explicit TColorItem(TCollection* Collection) : TCaptionItem(Collection) {}
  const char* ClassName() const override { return "TColorItem"; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { Store(FColor, Value); }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  void Assign(const TPersistent* Source) override;

 private:
  TColor FColor = clNone;
  std::string FHint;
};

class TColorItems : public TPickerItems<TColorItem> {
 public:
  using TPickerItems::TPickerItems;
  const char* ClassName() const override { return "TColorItems"; }
};

class TExtColorPickerDropDown : public TExtCustomDropDown {
 public:
  explicit TExtColorPickerDropDown(TComponent* AOwner);
  ~TExtColorPickerDropDown() override;
  const char* ClassName() const override { return "TExtColorPickerDropDown"; }

  int Columns() const { return FColumns; }
  void SetColumns(int Value) { FColumns = Value; }
  TItemLayout Layout() const { return FLayout; }
  void SetLayout(TItemLayout Value) { FLayout = Value; }
  TColorItems& Colors() { return FColors; }
  void SetColors(const TColorItems& Value) { FColors.Assign(&Value); }
  int ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(int Value) { FColorBoxWidth = Value; }
  int ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(int Value) { FColorBoxHeight = Value; }
  TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
  // An open popup shows the new picker at once.
  void SetColorSelectionStyle(TColorSelectionStyle Value);
  bool ShowText() const { return FShowText; }
  void SetShowText(bool Value);
  TColorValueText ColorValueText() const { return FColorValueText; }
  void SetColorValueText(TColorValueText Value);
  TItemAppearance& ItemAppearance() { return FItemAppearance; }
  void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(&Value); }

  int ItemIndex() const { return FItemIndex; }
  // Past the colours: nothing; any negative value is -1. Fires OnSelect, also unchanged.
  void SetItemIndex(int Value);
  TColor SelectedColor() const { return FSelectedColor; }
  // The first entry of that colour becomes the item index; none keeps it.
  void SetSelectedColor(TColor Value);
  std::string SelectedColorText() const { return GetSelectedColorText(); }
  void AddDefaultColors();

  TExtCustomItemSelector* ItemSelector() const { return FItemSelector; }
  TCustomColorSelector* ColorSelector() const { return FColorSelector; }
  TExtColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
  TExtColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }
  // The edit area as the control draws it over its face at every paint, onto a canvas of the
  // window's size.
  void PaintSelectedColor(TCanvas& Canvas);

  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedColor;
  TSelectorDrawItemEvent OnDrawColor;

  void Dispatch(TMessage& m) override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;
  void SetComponentStyle(TDAZStyle AStyle) override;

 protected:
  virtual std::string GetSelectedColorText() const;
  // Made in a designer: the default colours come with the window.
  void CreateWnd() override;
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void AdaptDropDownControl() override;
  void UpdateDropDownSize() override;
  void DoHideDropDown(bool CancelChanges) override;
  void SelectNextValue() override;
  void SelectPreviousValue() override;
  void DrawFocus() override;

 private:
  void UpdateItemSelector();
  void ListItemSelected();
  void BoxSelected();
  void CubeSelected();
  void SpectrumSelected();
  void PrepareContent();
  template <class TContent>
  TContent* ShowPanel(TContent*& Panel);
  TControl* PanelContent() const;

  TExtCustomItemSelector* FItemSelector = nullptr;
  TCustomColorSelector* FColorSelector = nullptr;
  TExtColorCubePanel* FColorCubePanel = nullptr;
  TExtColorSpectrumPanel* FSpectrumPanel = nullptr;
  int FColumns = 1;
  TItemLayout FLayout = ilCaptionRight;
  TColorItems FColors{this};
  int FItemIndex = -1;
  int FColorBoxWidth = 14;
  int FColorBoxHeight = 14;
  TColorSelectionStyle FColorSelectionStyle = csList;
  TColor FSelectedColor = clNone;
  bool FShowText = true;
  TItemAppearance FItemAppearance{this};
  // Set while the control moves the colour-box panel itself: the popup stays open.
  bool FInternalCall = false;
  int FOldItemIndex = -1;
  TColor FOldSelectedColor = clNone;
  TColorValueText FColorValueText = cvtNone;
  TSelectorListKeys FListKeys;
  bool FDesignTime = false;
};

}  // namespace hd

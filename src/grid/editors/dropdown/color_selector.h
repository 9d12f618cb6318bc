// The colour-box panel: a stand-alone row of base colours over columns of shades, chosen by
// click or by key.
#pragma once

#include <vector>

#include "grid/editors/dropdown/color_panels.h"
#include "grid/editors/dropdown/dropdown_styles.h"
#include "platform/bitmap.h"
#include "platform/controls.h"

namespace hd {

struct TColorBoxItem {
  TColor Color = clNone;
  bool Enabled = true;  // a disabled box is neither hot nor selected
  TRect Rect;
  TItemPos ColorBoxPos = ipStandAlone;
};

// What the three colour panels share: a mouse button released over the panel says it may
// close (the drop-down does not use it).
class TExtCustomColorSelectorPanel : public TCustomControl {
 public:
  explicit TExtCustomColorSelectorPanel(TComponent* AOwner) : TCustomControl(AOwner) {}
  const char* ClassName() const override { return "TExtCustomColorSelectorPanel"; }
  TNotifyEvent OnShouldHide;

 protected:
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
};

// The frame colours of the colour boxes. Plain values: OnChange is not fired by them.
class TColorBoxAppearance : public TPersistent {
 public:
  TColorBoxAppearance() { Reset(); }
  const char* ClassName() const override { return "TColorBoxAppearance"; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value) { FBorderColor = Value; }
  TColor OuterBorderColorHot() const { return FOuterBorderColorHot; }
  void SetOuterBorderColorHot(TColor Value) { FOuterBorderColorHot = Value; }
  TColor InnerBorderColorHot() const { return FInnerBorderColorHot; }
  void SetInnerBorderColorHot(TColor Value) { FInnerBorderColorHot = Value; }
  TColor OuterBorderColorSelected() const { return FOuterBorderColorSelected; }
  void SetOuterBorderColorSelected(TColor Value) { FOuterBorderColorSelected = Value; }
  TColor InnerBorderColorSelected() const { return FInnerBorderColorSelected; }
  void SetInnerBorderColorSelected(TColor Value) { FInnerBorderColorSelected = Value; }
  // The five colours of the defaults.
  void Reset();
  void Assign(const TPersistent* Source) override;
  TNotifyEvent OnChange;

 private:
  TColor FBorderColor;
  TColor FOuterBorderColorHot;
  TColor FInnerBorderColorHot;
  TColor FOuterBorderColorSelected;
  TColor FInnerBorderColorSelected;
};

class TCustomColorSelector : public TExtCustomColorSelectorPanel {
 public:
  explicit TCustomColorSelector(TComponent* AOwner);
  const char* ClassName() const override { return "TCustomColorSelector"; }

  std::vector<TColorBoxItem>& Items() { return FItems; }
  int ItemIndex() const { return FItemIndex; }
  // A disabled box, or a value at or past the count or below -1, is refused.
  void SetItemIndex(int Value);
  int ItemHot() const { return FItemHot; }
  void SetItemHot(int Index);
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value);
  int Columns() const { return FColumns; }
  void SetColumns(int Value) { FColumns = Value; UpdateItemRects(); }
  int ColumnGap() const { return FColumnGap; }
  void SetColumnGap(int Value) { FColumnGap = Value; UpdateItemRects(); }
  TColorBoxAppearance& ColorBoxAppearance() { return FColorBoxAppearance; }
  void SetColorBoxAppearance(const TColorBoxAppearance& Value) { FColorBoxAppearance.Assign(&Value); }
  // The Office 2007, Vista and Windows 7 styles load the default frame colours; custom keeps them.
  TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
  void SetItemColorStyle(TSelectionColorStyle Value);

  void AddDiscreteColors();
  void UpdateItemRects();
  void HandleKey(WORD Key, bool EditorEnabled, bool DroppedDown);
  void SelectFirst() { SetItemIndex(FItems.empty() ? -1 : 0); }
  void SelectLast() { SetItemIndex(static_cast<int>(FItems.size()) - 1); }
  void HotNext();
  void HotPrevious();

  TNotifyEvent OnItemSelect;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

 private:
  void DrawItem(int Index, TCanvas& Canvas);
  int ItemAtPos(int X, int Y) const;

  std::vector<TColorBoxItem> FItems;
  int FItemIndex = -1;
  int FItemHot = -1;
  int FColumns = 10;
  int FColumnGap = 4;
  int FColorBoxWidth = 12;
  int FColorBoxHeight = 12;
  TColor FSelectedColor = clNone;
  TColorBoxAppearance FColorBoxAppearance;
  TSelectionColorStyle FItemColorStyle = scOffice2007;
};

}  // namespace hd

namespace hd {

// The honeycomb of 127 colour cells; a click on a cell chooses its colour.
class TExtColorCubePanel : public TExtCustomColorSelectorPanel {
 public:
  explicit TExtColorCubePanel(TComponent* AOwner);
  const char* ClassName() const override { return "TExtColorCubePanel"; }

  TColor SelectedColor() const { return FSelectedColor; }
  // The first cell of the colour becomes the selected one, or none; no repaint.
  void SetSelectedColor(TColor Value);
  int SelectedIndex() const { return FSelectedIndex; }
  int HotIndex() const { return FHotIndex; }
  bool ShowRGBHint() const { return FShowRGBHint; }
  void SetShowRGBHint(bool Value);
  void InitCells() {}
  // No hot cell; the panel is 182 x 160.
  void ResetHot();

  TNotifyEvent OnSelect;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

 private:
  TColor FSelectedColor = clNone;
  int FSelectedIndex = -1;
  int FHotIndex = -1;
  bool FShowRGBHint = true;
};

}  // namespace hd

namespace hd {

// A 128 x 128 spectrum with previews of the colour under the mouse and the chosen one.
class TExtColorSpectrumPanel : public TExtCustomColorSelectorPanel {
 public:
  explicit TExtColorSpectrumPanel(TComponent* AOwner);
  const char* ClassName() const override { return "TExtColorSpectrumPanel"; }

  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
  TColor HotColor() const { return FHotColor; }
  // 150 x 174: the spectrum centred 10 pixels down, the previews below it.
  void UpdateLayout();
  TRect ImageRect() const { return FImageRect; }

  TNotifyEvent OnSelect;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

 private:
  TBitmap FSpectrum;
  TRect FImageRect;
  TColor FHotColor = clNone;
  TColor FSelectedColor = 0xFFFFFF;
  TRect FHotRect;
  TRect FSelectedRect;
};

}  // namespace hd

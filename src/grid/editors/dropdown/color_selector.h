// The colour-box panel: a stand-alone row of base colours over columns of shades, chosen by
// click or by key.
#pragma once

#include <vector>

#include "grid/editors/dropdown/color_panels.h"
#include "platform/bitmap.h"
#include "platform/controls.h"

namespace hd {

struct TColorBoxItem {
  TColor Color = clNone;
  bool Enabled = true;  // a disabled box is neither hot nor selected
  TRect Rect;
  TItemPos ColorBoxPos = ipStandAlone;
};

class TCustomColorSelector : public TCustomControl {
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
};

}  // namespace hd

namespace hd {

// The honeycomb of 127 colour cells; a click on a cell chooses its colour.
class TExtColorCubePanel : public TCustomControl {
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
class TExtColorSpectrumPanel : public TCustomControl {
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

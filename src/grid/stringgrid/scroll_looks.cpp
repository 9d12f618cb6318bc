// The scroll-bar looks of the string grid: the setters of the look, colour, width and bars,
// the thin indicators of the ssMetro look, and the flat scroll bars, whose library this
// platform does not have.
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/ext_string_grid_p.h"
#include "grid/stringgrid/html_hint_window.h"
#include "grid/stringgrid/scroll_control.h"

namespace hd {
namespace {

// Flat scroll bar properties and their style values.
constexpr int WSB_PROP_CYHSCROLL = 0x1, WSB_PROP_CXVSCROLL = 0x2, WSB_PROP_VBKGCOLOR = 0x40,
              WSB_PROP_HBKGCOLOR = 0x80, WSB_PROP_VSTYLE = 0x100, WSB_PROP_HSTYLE = 0x200;
constexpr int FSB_REGULAR_MODE = 0, FSB_ENCARTA_MODE = 1, FSB_FLAT_MODE = 2;
// Thickness of the ssMetro indicators.
constexpr int kScrollControlSize = 6;

// The flat scroll bar functions are looked up at each use; the library that has them does
// not exist here, so every look-up fails.
bool FlatScrollBarFunctionFound(const char* /*name*/) { return false; }

bool BarAllowed(TScrollStyle bars, int bar) {
  if (bar == SB_HORZ) return bars == ssHorizontal || bars == ssBoth;
  return bars == ssVertical || bars == ssBoth;
}

}  // namespace

void TExtStringGrid::SetScrollType(TScrollType Value) {
  auto& s = FP->Scrolling;
  if (s.FScrollType != Value) {
    s.FScrollType = Value;
    if (Value == ssFlat || Value == ssEncarta) {
      InitFlatScrollBars();
      UpdateFlatScrollBars();
    } else {
      DoneFlatScrollBars();
    }
  }
  // Applied again for the same look, so a grid can be brought back to it.
  if (HandleAllocated()) {
    if (Value == ssMetro) {
      CreateScrollControls();
      SetScrollBars(ssNone);
    } else if (FP->ScrollLooks.Vert || FP->ScrollLooks.Horz) {
      FreeScrollControls();
      SetScrollBars(ssBoth);
    }
  }
  ApplyFlatScrollStyle();
}

void TExtStringGrid::SetScrollColor(TColor Value) {
  FP->Scrolling.FScrollColor = Value;
  ApplyFlatScrollColor();
}

void TExtStringGrid::SetScrollWidth(int Value) {
  FP->Scrolling.FScrollWidth = Value;
  ApplyFlatScrollWidth();
}

bool TExtStringGrid::UseHTMLHints() const { return FP->ScrollLooks.UseHTMLHints; }

void TExtStringGrid::SetUseHTMLHints(bool Value) {
  FP->ScrollLooks.UseHTMLHints = Value;
  SetHintWindowClass(Value ? HintClassOf<THTMLHintWindow>() : nullptr);
}

TScrollControl* TExtStringGrid::VertScrollControl() const { return FP->ScrollLooks.Vert; }
TScrollControl* TExtStringGrid::HorzScrollControl() const { return FP->ScrollLooks.Horz; }
bool TExtStringGrid::FlatScrollBarsInitialised() const { return FP->ScrollLooks.FlatInitialised; }

void TExtStringGrid::CreateScrollControls() {
  auto make = [this](TScrollControl*& field, TScrollDirection direction) {
    if (field) return;
    auto* control = new TScrollControl(this);
    control->SetDirection(direction);
    if (direction == sdVertical) {
      control->SetWidth(kScrollControlSize);
      control->SetAlign(alRight);
    } else {
      control->SetHeight(kScrollControlSize);
      control->SetAlign(alBottom);
    }
    control->SetParent(this);
    control->SetVisible(true);
    field = control;
  };
  make(FP->ScrollLooks.Vert, sdVertical);
  make(FP->ScrollLooks.Horz, sdHorizontal);
}

void TExtStringGrid::FreeScrollControls() {
  // Each field is cleared before its control goes, so nothing reaches a control being freed.
  for (TScrollControl** field : {&FP->ScrollLooks.Vert, &FP->ScrollLooks.Horz}) {
    TScrollControl* control = *field;
    *field = nullptr;
    delete control;
  }
}

void TExtStringGrid::InitFlatScrollBars() { FP->ScrollLooks.FlatInitialised = FlatScrollBarFunctionFound("InitializeFlatSB"); }

void TExtStringGrid::DoneFlatScrollBars() {
  FP->ScrollLooks.FlatInitialised = false;
  FlatScrollBarFunctionFound("UninitializeFlatSB");
}

void TExtStringGrid::UpdateFlatScrollBars() {
  ApplyFlatScrollStyle();
  ApplyFlatScrollColor();
  ApplyFlatScrollWidth();
  const bool rowsScroll = VisibleRowCount() + FixedRows() < RowCount();
  ShowFlatScrollBar(SB_VERT, rowsScroll);
  if (rowsScroll) SyncFlatVertScrollBar();
  const bool colsScroll = VisibleColCount() + FixedCols() < ColCount();
  ShowFlatScrollBar(SB_HORZ, colsScroll);
  if (colsScroll) SyncFlatHorzScrollBar();
}

void TExtStringGrid::SetFlatScrollProp(int /*Prop*/, int /*Value*/) {
  if (!FP->ScrollLooks.FlatInitialised || !FlatScrollBarFunctionFound("FlatSB_SetScrollProp")) return;
}

void TExtStringGrid::SetFlatScrollInfo(int /*Bar*/, const SCROLLINFO& /*Info*/, bool /*Redraw*/) {
  if (!FP->ScrollLooks.FlatInitialised || !FlatScrollBarFunctionFound("FlatSB_SetScrollInfo")) return;
}

void TExtStringGrid::ShowFlatScrollBar(int Bar, bool /*Show*/) {
  if (!FP->ScrollLooks.FlatInitialised || !BarAllowed(ScrollBars(), Bar)) return;
  FlatScrollBarFunctionFound("FlatSB_ShowScrollBar");
}

void TExtStringGrid::SyncFlatVertScrollBar() {
  if (!FP->ScrollLooks.FlatInitialised || !BarAllowed(ScrollBars(), SB_VERT)) return;
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  if (GetScrollInfo(Handle(), SB_VERT, info)) SetFlatScrollInfo(SB_VERT, info, true);
}

void TExtStringGrid::SyncFlatHorzScrollBar() {
  if (!FP->ScrollLooks.FlatInitialised || !BarAllowed(ScrollBars(), SB_HORZ)) return;
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  if (GetScrollInfo(Handle(), SB_HORZ, info)) SetFlatScrollInfo(SB_HORZ, info, true);
}

void TExtStringGrid::ApplyFlatScrollStyle() {
  int mode = FSB_REGULAR_MODE;
  switch (FP->Scrolling.FScrollType) {
    case ssNormal: mode = FSB_REGULAR_MODE; break;
    case ssFlat: mode = FSB_FLAT_MODE; break;
    case ssEncarta: mode = FSB_ENCARTA_MODE; break;
    case ssMetro: return;
  }
  SetFlatScrollProp(WSB_PROP_VSTYLE, mode);
  SetFlatScrollProp(WSB_PROP_HSTYLE, mode);
}

void TExtStringGrid::ApplyFlatScrollColor() {
  const TColor c = FP->Scrolling.FScrollColor;
  if (c == clNone) return;
  SetFlatScrollProp(WSB_PROP_VBKGCOLOR, static_cast<int>(ColorToRGB(c)));
  SetFlatScrollProp(WSB_PROP_HBKGCOLOR, static_cast<int>(ColorToRGB(c)));
}

void TExtStringGrid::ApplyFlatScrollWidth() {
  SetFlatScrollProp(WSB_PROP_CXVSCROLL, FP->Scrolling.FScrollWidth);
  SetFlatScrollProp(WSB_PROP_CYHSCROLL, FP->Scrolling.FScrollWidth);
}

}  // namespace hd

// Themed elements, drawn through Qt's Fusion style so that they look the same on every
// desktop, and the switch that tells whether themes are active.
#pragma once

#include <string>

#include "platform/types.h"

namespace hd {

class TCanvas;

enum class TThemedElement {
  HeaderItem,
  PushButton,
  CheckBox,
  RadioButton,
  ProgressBar,    // the groove
  ProgressChunk,  // the filled part, drawn over the whole rectangle
  ComboButton,
  SpinUp,
  SpinDown,
};

// Theme state numbers as the platform gives them: 1 normal, 2 hot, 3 pressed, 4 disabled;
// check boxes and radio buttons count 1-4 unchecked, 5-8 checked, 9-12 mixed.
constexpr int TS_NORMAL = 1, TS_HOT = 2, TS_PRESSED = 3, TS_DISABLED = 4;
constexpr int CBS_UNCHECKEDNORMAL = 1, CBS_UNCHECKEDDISABLED = 4, CBS_CHECKEDNORMAL = 5,
              CBS_CHECKEDDISABLED = 8, CBS_MIXEDNORMAL = 9, CBS_MIXEDDISABLED = 12;

// On in the program; tests set it as they need.
bool ThemesActive();
void SetThemesActive(bool active);

// The running style's file, colour scheme and size names, as a theme engine reports them.
// The shipped style stands for the desktop's default scheme ("NormalColor", "NormalSize");
// every name is empty while themes are off.
struct TThemeNames {
  std::string FileName;
  std::string ColorName;
  std::string SizeName;
};
TThemeNames CurrentThemeNames();

// The element painted over r of the canvas (what it had there shows through where the
// style leaves the element transparent).
void PaintThemedPart(TCanvas& canvas, TThemedElement element, int state, const TRect& r);

}  // namespace hd

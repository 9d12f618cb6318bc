// Draws a markup text into a rectangle, measures it, and tells what lies under a point: an
// anchor, a picture inside an anchor, or an inline control.
#pragma once

#include <string>

#include "platform/canvas.h"
#include "platform/messages.h"

namespace hd {

class TImageList;
class THTMLPictureCache;
class TPictureContainer;

// What a call draws or measures with; the defaults paint without hover, focus or hit point.
struct TMarkupCall {
  TRect Rect;
  TImageList* Images = nullptr;
  int X = -1;
  int Y = -1;
  int FocusLink = -1;  // 0-based anchor with a focus rectangle
  int HoverLink = -1;  // 1-based anchor under the pointer
  int ShadowOffset = 0;
  bool HitTest = false;      // the second pass hit-tests instead of drawing
  bool MeasureOnly = false;  // no second pass
  bool Printing = false;
  bool KeepColors = false;
  bool BlinkOn = false;
  bool HoverStyle = false;
  bool WordWrap = false;
  bool MouseDown = false;
  double ResFactor = 1.0;
  TColor URLColor = clBlue;
  TColor HoverColor = clNone;
  TColor HoverFontColor = clNone;
  TColor ShadowColor = clGray;
  THTMLPictureCache* PictureCache = nullptr;
  TPictureContainer* PictureContainer = nullptr;
  HWND WindowHandle = 0;
  int BiDiMode = 0;
};

struct TMarkupResult {
  std::string AnchorVal;  // HREF of the anchor hit, "ctrl" for a control
  std::string StripVal;   // the visible text, a CR per BR
  std::string FocusAnchor;
  std::string AnchorTitle;
  int XSize = 0;
  int YSize = 0;
  int HyperLinks = 0;
  int MouseLink = -1;
  TRect AnchorRect;
  TRect ControlRect;
  std::string ControlID;  // with HitTest also the ID looked for on entry
  std::string ControlValue;
  std::string ControlType;
};

// Result: something was hit.
bool DrawMarkup(TCanvas& Canvas, const std::string& Text, const TMarkupCall& Call, TMarkupResult& Result);

bool DrawMarkup(TCanvas& Canvas, const std::string& Text, TRect Rect, TImageList* Images, int X, int Y, int FocusLink,
                int HoverLink, int ShadowOffset, bool HitTest, bool MeasureOnly, bool Printing, bool KeepColors,
                bool BlinkOn, bool HoverStyle, bool WordWrap, bool MouseDown, double ResFactor, TColor URLColor,
                TColor HoverColor, TColor HoverFontColor, TColor ShadowColor, std::string& AnchorVal,
                std::string& StripVal, std::string& FocusAnchor, std::string& AnchorTitle, int& XSize, int& YSize,
                int& HyperLinks, int& MouseLink, TRect& AnchorRect, TRect& ControlRect, std::string& ControlID,
                std::string& ControlValue, std::string& ControlType, THTMLPictureCache* PictureCache,
                TPictureContainer* PictureContainer, HWND WindowHandle, int BiDiMode);

}  // namespace hd

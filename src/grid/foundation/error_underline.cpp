#include "grid/foundation/error_underline.h"

#include <algorithm>

#include "platform/std_ctrls.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

TPoint CharPosition(TCustomEdit& edit, int index) {
  LRESULT r = edit.Perform(EM_POSFROMCHAR, static_cast<WPARAM>(std::max(index, 0)));
  return {static_cast<short>(LOWORD(r)), static_cast<short>(HIWORD(r))};
}

}  // namespace

void DrawWavyUnderline(TWinControl* Owner, TCanvas& Canvas, const std::string& Text, int Length, int Start,
                       int YOffset, const TRect& Rect) {
  // An edit of the cell's size lays the characters out as the cell shows them.
  TPoint p1, p2;
  {
    TEdit edit(nullptr);
    edit.SetVisible(false);
    edit.SetParent(Owner);
    edit.SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    edit.SetText(Text);
    const int count = Utf8Length(Text);
    if (Start < count) {
      p1 = CharPosition(edit, Start);
    } else {
      p1 = CharPosition(edit, count);
      p1.X += 4;
    }
    if (Start + Length < count) {
      p2 = CharPosition(edit, Start + Length - 1);
    } else {
      p2 = CharPosition(edit, count - 1);
      p2.X += 4;
      p2.Y = p1.Y;
    }
  }
  Canvas.Pen().Color = clRed;
  Canvas.Pen().Width = 2;
  Canvas.Pen().Style = psSolid;
  const int base = Rect.Top + p2.Y + YOffset;
  Canvas.MoveTo(Rect.Left + p1.X, Rect.Top + p1.Y + YOffset + 3);
  int d = p1.X;
  int g = 0;
  for (; d <= p2.X; d += 3, g = 3 - g) Canvas.LineTo(Rect.Left + d + 3, base + g);
  Canvas.LineTo(Rect.Left + d + 3, base + g);
}

}  // namespace hd

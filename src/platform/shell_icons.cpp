#include "platform/shell_icons.h"

#include <cmath>

#include "platform/files.h"

namespace hd {

bool IsDirectoryPath(const std::string& Path) { return DirectoryExists(Path); }

void DrawShellIcon(TCanvas& Canvas, int X, int Y, TSize& Size, double Scale, bool Printing, bool Draw, bool Large,
                   const std::string& Name) {
  TIcon icon = ShellIcon(Name, Large);
  int side = Large ? 32 : 16;
  Size = {side, side};
  if (!Draw || icon.Empty()) return;
  if (!Printing) {
    Canvas.DrawIcon(X, Y, icon);
    return;
  }
  TRect r{X, Y, X + static_cast<int>(std::lround(side * Scale)), Y + static_cast<int>(std::lround(side * Scale))};
  TBitmap scaled(r.Width(), r.Height());
  scaled.SetPixelFormat(pf32bit);
  for (int y = 0; y < scaled.Height(); ++y)
    for (int x = 0; x < scaled.Width(); ++x)
      scaled.ScanLine(y)[x] = icon.Image().ScanLine(y * icon.Height() / scaled.Height())[x * icon.Width() / scaled.Width()];
  TIcon big;
  big.AssignAlphaImage(scaled);
  Canvas.DrawIcon(r.Left, r.Top, big);
}

void StretchBitmapDIB(TCanvas& Canvas, const TRect& Rect, const TBitmap& Bitmap) { Canvas.StretchDraw(Rect, Bitmap); }

}  // namespace hd

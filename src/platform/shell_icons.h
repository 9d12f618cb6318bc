// The desktop's icons for files and folders, as inline pictures of cell markup show them.
#pragma once

#include <string>

#include "platform/canvas.h"
#include "platform/icon.h"

namespace hd {

// The icon of a path: an existing file or folder takes its own, any other path the icon of
// its file type. A number picks one of the desktop's stock icons (computer, desktop, trash,
// network, drive, folder, file, in that order). Small icons are 16 pixels, large ones 32.
TIcon ShellIcon(const std::string& Name, bool Large);
bool IsDirectoryPath(const std::string& Path);

// Size is the icon's size. Drawing on screen draws the icon at (X, Y); for printing it is
// stretched by Scale.
void DrawShellIcon(TCanvas& Canvas, int X, int Y, TSize& Size, double Scale, bool Printing, bool Draw, bool Large,
                   const std::string& Name);
// The bitmap stretched into Rect, as printing draws small pictures at the printer's scale.
void StretchBitmapDIB(TCanvas& Canvas, const TRect& Rect, const TBitmap& Bitmap);

}  // namespace hd

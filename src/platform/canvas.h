// Drawing with the platform's pixel rules: pen, brush, font, clipping and text.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/types.h"

namespace hd {

class TBitmap;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmCopy, pmXor, pmNotXor, pmNot, pmMerge, pmMask };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using enum TFontStyle;
using TFontStyles = TSet<TFontStyle>;
enum TBkMode { bkTransparent, bkOpaque };
enum TFillStyle { fsSurface, fsBorder };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};

struct TFont {
  std::string Name = "Tahoma";
  int Size = 8;  // points at 96 dpi; Height() is the pixel height
  TFontStyles Style;
  TColor Color = clWindowText;
  int Orientation = 0;  // tenths of a degree, counter-clockwise
  int PixelsPerInch = 96;
  int Height() const;   // negative pixel height as the platform gives it: -MulDiv(Size, ppi, 72)
  void SetHeight(int h);
  friend bool operator==(const TFont&, const TFont&) = default;
};

// DrawText flags with the platform's values.
constexpr unsigned DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
                   DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
                   DT_NOCLIP = 0x100, DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400,
                   DT_NOPREFIX = 0x800, DT_EDITCONTROL = 0x2000, DT_END_ELLIPSIS = 0x8000,
                   DT_RTLREADING = 0x20000;

// ExtTextOut options.
constexpr unsigned ETO_OPAQUE = 0x2, ETO_CLIPPED = 0x4;

struct TTextMetric {
  int Height = 0;
  int Ascent = 0;
  int Descent = 0;
  int InternalLeading = 0;
  int ExternalLeading = 0;
  int AveCharWidth = 0;
  int MaxCharWidth = 0;
};

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TFont& Font() { return font_; }
  void SetPen(const TPen& p) { pen_ = p; }
  void SetBrush(const TBrush& b) { brush_ = b; }
  void SetFont(const TFont& f) { font_ = f; }
  TPoint PenPos() const { return pen_pos_; }
  void SetPenPos(TPoint p) { pen_pos_ = p; }
  TBkMode BkMode() const { return bk_mode_; }
  void SetBkMode(TBkMode m) { bk_mode_ = m; }
  TColor BkColor() const { return bk_color_; }
  void SetBkColor(TColor c) { bk_color_ = c; }
  virtual int PixelsPerInch() const { return 96; }

  // Clipping: a rectangle or a list of rectangles (a region), intersected with what is set;
  // SaveState/RestoreState keep a stack of pen, brush, font, modes and clip.
  virtual void SetClipRect(const TRect& r) = 0;
  virtual void IntersectClipRect(const TRect& r) = 0;
  virtual void SetClipRegion(const std::vector<TRect>& region) = 0;
  virtual void ExcludeClipRect(const TRect& r) = 0;
  virtual void ClearClip() = 0;
  virtual TRect ClipBox() const = 0;
  virtual void SaveState() = 0;
  virtual void RestoreState() = 0;

  // The last pixel of a line is left out.
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // Outline [l, r-1] x [t, b-1], fill inside; a clear pen fills the whole box.
  virtual void Rectangle(const TRect& r) = 0;
  // Right- and bottom-exclusive fill with the brush; no pen.
  virtual void FillRect(const TRect& r) = 0;
  virtual void FrameRect(const TRect& r) = 0;
  virtual void Polygon(const std::vector<TPoint>& pts) = 0;
  virtual void Polyline(const std::vector<TPoint>& pts) = 0;
  virtual void Ellipse(const TRect& r) = 0;
  virtual void RoundRect(const TRect& r, int cornerW, int cornerH) = 0;
  virtual TColor Pixel(int x, int y) const = 0;
  virtual void SetPixel(int x, int y, TColor c) = 0;
  virtual void FloodFill(int x, int y, TColor color, TFillStyle style) = 0;

  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual void TextRect(const TRect& r, int x, int y, const std::string& text) = 0;
  virtual void ExtTextOut(int x, int y, unsigned options, const TRect* r, const std::string& text) = 0;
  virtual TSize TextExtent(const std::string& text) = 0;
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  virtual TTextMetric TextMetrics() = 0;
  // Returns the height of the text drawn or measured; DT_CALCRECT updates r and draws nothing.
  virtual int DrawText(const std::string& text, TRect& r, unsigned flags) = 0;

  // A dotted frame that is its own inverse.
  virtual void DrawFocusRect(const TRect& r) = 0;
  virtual void Draw(int x, int y, const TBitmap& bmp) = 0;
  virtual void StretchDraw(const TRect& r, const TBitmap& bmp) = 0;
  virtual void CopyRect(const TRect& dest, const TCanvas& source, const TRect& src) = 0;

 protected:
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TPoint pen_pos_;
  TBkMode bk_mode_ = bkOpaque;
  TColor bk_color_ = clWhite;
};

}  // namespace hd

// Drawing with the platform's pixel rules: pen, brush, font, clipping and text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/region.h"
#include "platform/types.h"

namespace hd {

class TBitmap;
class TIcon;
enum class TThemedElement;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmCopy, pmXor, pmNotXor, pmNot, pmMerge, pmMask };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using enum TFontStyle;
using TFontStyles = TSet<TFontStyle>;
enum TBkMode { bkTransparent, bkOpaque };
enum TFillStyle { fsSurface, fsBorder };

// Width 1 is the cosmetic pen whose styles are drawn as patterns (psDot sets every other
// pixel); a wider pen is centred on the line and always solid, as on the platform.
struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
  friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  friend bool operator==(const TBrush&, const TBrush&) = default;
};

// Every font name is served by the one shipped family, so metrics are alike on every
// machine; kTestFontName is a font built in code with fixed glyph boxes, for tests.
struct TFont {
  std::string Name = "Tahoma";
  int Size = 8;  // points at PixelsPerInch
  TFontStyles Style;
  TColor Color = clWindowText;
  int Orientation = 0;  // tenths of a degree, counter-clockwise
  int PixelsPerInch = 96;
  // Negative pixel height as the platform gives it: -MulDiv(Size, ppi, 72). A height set
  // through SetHeight is kept exactly until Size changes.
  int Height() const;
  void SetHeight(int h);
  friend bool operator==(const TFont&, const TFont&) = default;

 private:
  int exact_height_ = 0;
  int exact_height_size_ = 0;
};

inline constexpr const char* kTestFontName = "HD Fixed Test";

// DrawText flags with the platform's values.
constexpr unsigned DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
                   DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
                   DT_NOCLIP = 0x100, DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400,
                   DT_NOPREFIX = 0x800, DT_EDITCONTROL = 0x2000, DT_END_ELLIPSIS = 0x8000,
                   DT_RTLREADING = 0x20000, DT_HIDEPREFIX = 0x100000;

// ExtTextOut options.
constexpr unsigned ETO_OPAQUE = 0x2, ETO_CLIPPED = 0x4, ETO_RTLREADING = 0x80;

// DrawEdge edges and sides.
constexpr unsigned BDR_RAISEDOUTER = 0x1, BDR_SUNKENOUTER = 0x2, BDR_RAISEDINNER = 0x4,
                   BDR_SUNKENINNER = 0x8, BDR_OUTER = 0x3, BDR_INNER = 0xC,
                   EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
                   EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
                   EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
                   EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr unsigned BF_LEFT = 0x1, BF_TOP = 0x2, BF_RIGHT = 0x4, BF_BOTTOM = 0x8,
                   BF_TOPLEFT = BF_TOP | BF_LEFT, BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
                   BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM, BF_MIDDLE = 0x800,
                   BF_SOFT = 0x1000, BF_ADJUST = 0x2000, BF_FLAT = 0x4000, BF_MONO = 0x8000;

// DrawFrameControl kinds and states.
constexpr unsigned DFC_SCROLL = 3, DFC_BUTTON = 4;
constexpr unsigned DFCS_BUTTONCHECK = 0x0, DFCS_BUTTONRADIO = 0x4, DFCS_BUTTON3STATE = 0x8,
                   DFCS_BUTTONPUSH = 0x10, DFCS_SCROLLUP = 0x0, DFCS_SCROLLDOWN = 0x1,
                   DFCS_SCROLLLEFT = 0x2, DFCS_SCROLLRIGHT = 0x3, DFCS_SCROLLCOMBOBOX = 0x5,
                   DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400,
                   DFCS_ADJUSTRECT = 0x2000, DFCS_HOT = 0x1000, DFCS_FLAT = 0x4000,
                   DFCS_MONO = 0x8000;

struct TTextMetric {
  int Height = 0;
  int Ascent = 0;
  int Descent = 0;
  int InternalLeading = 0;
  int ExternalLeading = 0;
  int AveCharWidth = 0;
  int MaxCharWidth = 0;
  friend bool operator==(const TTextMetric&, const TTextMetric&) = default;
};

// The drawing surface. Coordinates are pixels; Right and Bottom are exclusive. A colour
// clNone in the pen or brush skips that line or fill; system colours are resolved.
class TCanvas {
 public:
  virtual ~TCanvas() = default;

  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TFont& Font() { return font_; }
  const TPen& Pen() const { return pen_; }
  const TBrush& Brush() const { return brush_; }
  const TFont& Font() const { return font_; }
  void SetPen(const TPen& p) { pen_ = p; }
  void SetBrush(const TBrush& b) { brush_ = b; }
  void SetFont(const TFont& f) { font_ = f; }
  TPoint PenPos() const { return pen_pos_; }
  void SetPenPos(TPoint p) { pen_pos_ = p; }
  // Text cells and the gaps of styled lines are backed when the mode is opaque and the brush
  // is solid, in BkColor or, while that is clDefault, in the brush colour (the platform ties
  // the background to the brush).
  TBkMode BkMode() const { return bk_mode_; }
  void SetBkMode(TBkMode m) { bk_mode_ = m; }
  TColor BkColor() const { return bk_color_; }
  void SetBkColor(TColor c) { bk_color_ = c; }
  virtual int PixelsPerInch() const { return 96; }
  // The drawable area: the bitmap's size, or the recorded surface's.
  virtual TRect Bounds() const = 0;

  // Clipping: a rectangle or a region, kept with pen, brush, font and modes on a
  // SaveState/RestoreState stack. Without a clip the whole surface is drawable.
  virtual void SetClipRect(const TRect& r);
  virtual void IntersectClipRect(const TRect& r);
  virtual void SetClipRegion(const TRegion& region);
  virtual void ExcludeClipRect(const TRect& r);
  virtual void ClearClip();
  virtual TRect ClipBox() const;
  const std::optional<TRegion>& ClipRegion() const { return clip_; }
  virtual void SaveState();
  virtual void RestoreState();

  // The last pixel of a line is left out.
  virtual void MoveTo(int x, int y);
  virtual void LineTo(int x, int y) = 0;
  // Outline [l, r-1] x [t, b-1], fill inside; a clear pen fills the whole box.
  virtual void Rectangle(const TRect& r) = 0;
  void Rectangle(int l, int t, int r, int b) { Rectangle(TRect{l, t, r, b}); }
  // Right- and bottom-exclusive fill with the brush; no pen.
  virtual void FillRect(const TRect& r) = 0;
  // A one-pixel frame in the brush colour.
  virtual void FrameRect(const TRect& r) = 0;
  // Fill by the alternate rule, then the closed outline.
  virtual void Polygon(const std::vector<TPoint>& pts) = 0;
  virtual void Polyline(const std::vector<TPoint>& pts) = 0;
  virtual void Ellipse(const TRect& r) = 0;
  virtual void RoundRect(const TRect& r, int cornerW, int cornerH) = 0;
  virtual TColor Pixel(int x, int y) const = 0;
  virtual void SetPixel(int x, int y, TColor c) = 0;
  // fsBorder fills up to pixels of the colour, fsSurface fills the area of the colour.
  virtual void FloodFill(int x, int y, TColor color, TFillStyle style) = 0;

  // Text with its top-left at (x, y); TextOut moves the pen position to its end.
  virtual void TextOut(int x, int y, const std::string& text);
  // Clipped to r, and r filled first when the brush is not clear.
  virtual void TextRect(const TRect& r, int x, int y, const std::string& text);
  virtual void ExtTextOut(int x, int y, unsigned options, const TRect* r, const std::string& text) = 0;
  // Unrotated size: the sum of advances by ascent + descent.
  virtual TSize TextExtent(const std::string& text) = 0;
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  virtual TTextMetric TextMetrics() = 0;

  // Opaque, or keyed on the bitmap's transparent colour when it is Transparent.
  virtual void Draw(int x, int y, const TBitmap& bmp) = 0;
  // Nearest-neighbour scaling of the whole bitmap into r.
  virtual void StretchDraw(const TRect& r, const TBitmap& bmp) = 0;
  // Nearest-neighbour copy of src of another canvas into dest, under this canvas's clip.
  virtual void CopyRect(const TRect& dest, const TCanvas& source, const TRect& src) = 0;
  // Copy of src of the bitmap to dest with pixels of colour replaced by the brush.
  virtual void BrushCopy(const TRect& dest, const TBitmap& bmp, const TRect& src, TColor color) = 0;
  // The icon blended by its alpha.
  virtual void DrawIcon(int x, int y, const TIcon& icon) = 0;

  // Lays out, draws or measures text in r and returns its height (with DT_VCENTER or
  // DT_BOTTOM the offset of its bottom from r.Top). DT_CALCRECT draws nothing and sets
  // r.Right to the widest line and r.Bottom below the last one. A trailing line break
  // starts no line. Drawing clipped, lines below r are not laid out and count no further.
  virtual int DrawText(const std::string& text, TRect& r, unsigned flags);
  // A dotted frame that is its own inverse: every other pixel of the outline inverted.
  virtual void DrawFocusRect(const TRect& r);
  // Every other pixel of the line inverted, the last one left out; drawn twice, it is gone.
  virtual void DrawInvertedDottedLine(int x1, int y1, int x2, int y2);
  virtual void InvertRect(const TRect& r);
  // Edges in the system colours; BF_ADJUST shrinks r by the edges drawn.
  virtual bool DrawEdge(TRect& r, unsigned edge, unsigned flags);
  // Check boxes, radio buttons, push buttons, scroll and combo arrows in the system colours.
  virtual bool DrawFrameControl(TRect& r, unsigned kind, unsigned state);
  // A themed element through the shipped style (see themes.h).
  virtual void DrawThemedPart(TThemedElement element, int state, const TRect& r);

 protected:
  // The drawable pixels: the clip, or the bounds when there is none.
  TRegion Drawable() const;
  // The colour behind text cells and line gaps, or clNone when they are not backed.
  TColor BackgroundColor() const;
  // FillRect in a colour, leaving the brush as it was.
  void FillSolid(const TRect& r, TColor color);

  TPen pen_;
  TBrush brush_;
  TFont font_;
  TPoint pen_pos_;
  TBkMode bk_mode_ = bkOpaque;
  TColor bk_color_ = clDefault;
  std::optional<TRegion> clip_;

 private:
  struct State {
    TPen pen;
    TBrush brush;
    TFont font;
    TPoint pen_pos;
    TBkMode bk_mode;
    TColor bk_color;
    std::optional<TRegion> clip;
  };
  std::vector<State> saved_;
};

int MulDiv(int number, int numerator, int denominator);

}  // namespace hd

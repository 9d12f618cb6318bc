#include <algorithm>
#include <map>

#include "platform/bitmap_resource_art_p.h"
#include "platform/bitmap_resources.h"

namespace hd::resource_art {
namespace {

// The colour that drawing leaves out: every resource keeps it in its corners, so both the
// bottom-left rule and the top-left rule find it.
constexpr TColor kKey = clFuchsia;

TBitmap Blank(int w, int h) {
  TBitmap bmp(w, h);
  TCanvas& c = bmp.Canvas();
  c.Brush().Color = kKey;
  c.FillRect({0, 0, w, h});
  bmp.SetTransparent(true);
  return bmp;
}

const std::vector<std::string> kCheckMark = {
    "......#",
    ".....##",
    "#...###",
    "##.###.",
    "#####..",
    ".###...",
    "..#....",
};

void Stamp(TCanvas& c, const std::vector<std::string>& rows, int x, int y, TColor color) {
  for (int r = 0; r < static_cast<int>(rows.size()); ++r)
    for (int k = 0; k < static_cast<int>(rows[r].size()); ++k)
      if (rows[r][k] == '#') c.SetPixel(x + k, y + r, color);
}

// Check boxes in a 15-pixel square: a 13-pixel box with one key pixel all round.
TBitmap CheckBox(bool xp, bool checked, bool enabled) {
  TBitmap bmp = Blank(15, 15);
  TCanvas& c = bmp.Canvas();
  TColor border = xp ? (enabled ? RGB(28, 81, 128) : RGB(202, 200, 187)) : (enabled ? RGB(112, 112, 112) : RGB(180, 180, 180));
  TColor face = enabled ? clWhite : RGB(244, 244, 240);
  TColor mark = xp ? (enabled ? RGB(33, 161, 33) : RGB(202, 200, 187)) : (enabled ? clBlack : RGB(160, 160, 160));
  c.Pen().Color = border;
  c.Brush().Color = face;
  c.Rectangle({1, 1, 14, 14});
  if (xp && enabled) {
    // A soft shade inside the frame, lighter toward the bottom right.
    for (int i = 0; i < 4; ++i) {
      c.Pen().Color = RGB(220 + i * 8, 220 + i * 8, 212 + i * 10);
      c.MoveTo(2 + i, 12 - i);
      c.LineTo(2 + i, 2 + i);
      c.LineTo(13 - i, 2 + i);
    }
  }
  if (checked) Stamp(c, kCheckMark, 4, 4, mark);
  return bmp;
}

// Radio buttons in a 16-pixel square.
TBitmap Radio(bool xp, bool checked, bool enabled) {
  TBitmap bmp = Blank(16, 16);
  TCanvas& c = bmp.Canvas();
  c.Pen().Color = xp ? (enabled ? RGB(28, 81, 128) : RGB(202, 200, 187)) : (enabled ? RGB(112, 112, 112) : RGB(180, 180, 180));
  c.Brush().Color = enabled ? clWhite : RGB(244, 244, 240);
  c.Ellipse({2, 2, 14, 14});
  if (checked) {
    TColor dot = xp ? (enabled ? RGB(33, 161, 33) : RGB(202, 200, 187)) : (enabled ? clBlack : RGB(160, 160, 160));
    c.Pen().Color = dot;
    c.Brush().Color = dot;
    c.Ellipse({5, 5, 11, 11});
  }
  return bmp;
}

// The flat tone look: a square box and a round radio in one dark tone, filled when on.
TBitmap ToneCheckBox(bool checked) {
  TBitmap bmp = Blank(15, 15);
  TCanvas& c = bmp.Canvas();
  const TColor tone = RGB(68, 68, 68);
  c.Pen().Color = tone;
  c.Brush().Color = checked ? tone : clWhite;
  c.Rectangle({1, 1, 14, 14});
  if (checked) Stamp(c, kCheckMark, 4, 4, clWhite);
  return bmp;
}

TBitmap ToneRadio(bool checked) {
  TBitmap bmp = Blank(16, 16);
  TCanvas& c = bmp.Canvas();
  const TColor tone = RGB(68, 68, 68);
  c.Pen().Color = tone;
  c.Brush().Color = clWhite;
  c.Ellipse({2, 2, 14, 14});
  if (checked) {
    c.Brush().Color = tone;
    c.Ellipse({5, 5, 11, 11});
  }
  return bmp;
}

TBitmap FilterGlyph() {
  return BitmapFromRows({
                     "................",
                     "................",
                     "..############..",
                     "..#wwwwwwwwww#..",
                     "...#wwwwwwww#...",
                     "....#wwwwww#....",
                     ".....#wwww#.....",
                     "......#ww#......",
                     "......#ww#......",
                     "......#ww#......",
                     "......#ww#......",
                     "......#ww#......",
                     "......####......",
                     "................",
                     "................",
                     "................",
                 },
                 {{'#', RGB(64, 64, 64)}, {'w', clWhite}});
}

TBitmap DropArrow() {
  return BitmapFromRows({".........", ".#######.", "..#####..", "...###...", "....#...."}, {{'#', clBlack}});
}

// Node boxes: a framed square with a minus, and a plus when contracted.
TBitmap NodeBox(int size, bool contracted, bool xp) {
  TBitmap bmp = Blank(size + 2, size + 2);
  TCanvas& c = bmp.Canvas();
  c.Pen().Color = xp ? RGB(120, 152, 181) : RGB(128, 128, 128);
  c.Brush().Color = clWhite;
  c.Rectangle({1, 1, size + 1, size + 1});
  if (xp) {
    c.Brush().Color = RGB(222, 230, 238);
    c.FillRect({2, size / 2 + 1, size, size});
  }
  int mid = 1 + size / 2;
  c.Pen().Color = xp ? RGB(33, 33, 33) : clBlack;
  c.MoveTo(3, mid);
  c.LineTo(size - 1, mid);
  if (contracted) {
    c.MoveTo(mid, 3);
    c.LineTo(mid, size - 1);
  }
  return bmp;
}

// An arrow pointing up or down for the find buttons; grey when disabled.
TBitmap FindArrow(bool up, bool enabled) {
  std::vector<std::string> rows = {
      "................", "................", ".......##.......", "......####......",
      ".....######.....", "....########....", "...##########...", "......####......",
      "......####......", "......####......", "......####......", "......####......",
      "......####......", "................", "................", "................",
  };
  if (!up) std::reverse(rows.begin(), rows.end());
  return BitmapFromRows(rows, {{'#', enabled ? RGB(0, 90, 170) : RGB(160, 160, 160)}});
}

// The search bar's close button: 14 x 14, the cross inset by 3.
TBitmap CloseCross(TColor color) {
  TBitmap bmp = Blank(14, 14);
  TCanvas& c = bmp.Canvas();
  c.Pen().Color = color;
  c.Pen().Width = 2;
  c.MoveTo(4, 4);
  c.LineTo(11, 11);
  c.MoveTo(10, 4);
  c.LineTo(3, 11);
  return bmp;
}

TBitmap Highlighter(bool enabled) {
  TColor tip = enabled ? RGB(255, 220, 0) : RGB(200, 200, 200);
  TColor body = enabled ? RGB(90, 90, 90) : RGB(170, 170, 170);
  return BitmapFromRows({
                     "................", "..........##....", ".........#yy#...", "........#yyyy#..",
                     ".......#bbyy#...", "......#bbbb#....", ".....#bbbb#.....", "....#bbbb#......",
                     "...#bbbb#.......", "..#bbbb#........", "..#bbb#.........", "..#bb#..........",
                     ".####...........", "................", "yyyyyyyyyyyy....", "................",
                 },
                 {{'#', body}, {'b', enabled ? RGB(150, 150, 150) : RGB(210, 210, 210)}, {'y', tip}});
}

// Pan anchors: a round disc with arrows in the directions that move.
TBitmap PanAnchor(bool horizontal, bool vertical) {
  TBitmap bmp = Blank(32, 32);
  TCanvas& c = bmp.Canvas();
  c.Pen().Color = RGB(64, 64, 64);
  c.Brush().Color = clWhite;
  c.Ellipse({1, 1, 31, 31});
  c.Brush().Color = RGB(64, 64, 64);
  c.Ellipse({14, 14, 18, 18});
  if (vertical) {
    c.Polygon({{16, 4}, {11, 10}, {21, 10}});
    c.Polygon({{16, 27}, {11, 21}, {21, 21}});
  }
  if (horizontal) {
    c.Polygon({{4, 16}, {10, 11}, {10, 21}});
    c.Polygon({{27, 16}, {21, 11}, {21, 21}});
  }
  return bmp;
}

// Stock button glyphs: a strip of the normal image and its grey disabled copy.
TBitmap GlyphStrip(const std::vector<std::string>& rows, TColor color) {
  TBitmap one = BitmapFromRows(rows, {{'#', color}});
  int w = one.Width(), h = one.Height();
  TBitmap strip = Blank(2 * w, h);
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* src = one.ScanLine(y);
    std::uint32_t* dst = strip.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      dst[x] = src[x];
      bool ink = (src[x] & 0xFFFFFFu) != static_cast<std::uint32_t>(kKey);
      if (ink) dst[w + x] = 0xFF000000u | static_cast<std::uint32_t>(clGray);
    }
  }
  return strip;
}

const std::vector<std::string> kOkGlyph = {
    "................", "................", "............##..", "...........###..",
    "..........###...", ".........###....", "..##....###.....", "..###..###......",
    "...######.......", "....####........", ".....##.........", "................",
    "................", "................", "................", "................",
};
const std::vector<std::string> kCrossGlyph = {
    "................", "................", "...##......##...", "...###....###...",
    "....###..###....", ".....######.....", "......####......", "......####......",
    ".....######.....", "....###..###....", "...###....###...", "...##......##...",
    "................", "................", "................", "................",
};
const std::vector<std::string> kHelpGlyph = {
    "................", ".....#####......", "....##...##.....", "....##...##.....",
    ".........##.....", "........##......", ".......##.......", "......##........",
    "......##........", "......##........", "................", "......##........",
    "......##........", "................", "................", "................",
};
const std::vector<std::string> kNoGlyph = {
    "................", ".....######.....", "...##......##...", "..##.......###..",
    "..#.......###.#.", ".#.......###..#.", ".#......###...#.", ".#.....###....#.",
    ".#....###.....#.", ".#...###......#.", ".#..###.......#.", "..####.......#..",
    "..###.......##..", "...##......##...", ".....######.....", "................",
};
const std::vector<std::string> kCloseGlyph = {
    "................", "..##########....", "..#........#....", "..#........#....",
    "..#......#.#....", "..#......####...", "..#......#.####.", "..#........####.",
    "..#......#.####.", "..#......####...", "..#......#.#....", "..#........#....",
    "..#........#....", "..##########....", "................", "................",
};
const std::vector<std::string> kRetryGlyph = {
    "................", ".....#####......", "...##.....##.#..", "..#.........##..",
    "..#........###..", ".#.........####.", ".#..............", ".#..............",
    "..............#.", "..............#.", ".####.........#.", "..###........#..",
    "..##.........#..", "..#.##.....##...", "......#####.....", "................",
};
const std::vector<std::string> kIgnoreGlyph = {
    "................", "................", "................", "................",
    "................", "................", "..############..", "..############..",
    "..############..", "................", "................", "................",
    "................", "................", "................", "................",
};
const std::vector<std::string> kAllGlyph = {
    "................", "................", "..........##..##", ".........###.###",
    "........###.###.", ".......###.###..", ".##...###.###...", ".###.######.....",
    "..######.##.....", "...####.........", "....##..........", "................",
    "................", "................", "................", "................",
};

}  // namespace

std::vector<std::pair<std::string, std::function<TBitmap()>>> BuiltIn() {
  std::vector<std::pair<std::string, std::function<TBitmap()>>> out;
  auto add = [&](const std::string& name, std::function<TBitmap()> maker) { out.emplace_back(name, std::move(maker)); };
  // Grid check boxes and radios: 01-04 the soft look, 05-08 the XP look; checked,
  // unchecked, checked disabled, unchecked disabled.
  for (int i = 0; i < 8; ++i) {
    bool xp = i >= 4, checked = i % 2 == 0, enabled = i % 4 < 2;
    std::string n(1, '0');
    n += std::to_string(i + 1);
    add("ESGCHK" + n, [=] { return CheckBox(xp, checked, enabled); });
    add("ESGRAD" + n, [=] { return Radio(xp, checked, enabled); });
  }
  add("metrocheckon", [] { return ToneCheckBox(true); });
  add("metrocheckoff", [] { return ToneCheckBox(false); });
  add("metroradioon", [] { return ToneRadio(true); });
  add("metroradiooff", [] { return ToneRadio(false); });
  add("ESGFILT", FilterGlyph);
  add("ESGLEAFOPEN", [] { return NodeBox(10, false, false); });
  add("ESGLEAFCLOSE", [] { return NodeBox(10, true, false); });
  add("XPNODEO", [] { return NodeBox(8, false, true); });
  add("XPNODEC", [] { return NodeBox(8, true, true); });
  add("ESGARUP", [] { return FindArrow(true, true); });
  add("ESGARUPD", [] { return FindArrow(true, false); });
  add("ESGARDOWN", [] { return FindArrow(false, true); });
  add("ESGARDOWND", [] { return FindArrow(false, false); });
  add("ESGCLOSE", [] { return CloseCross(RGB(64, 64, 64)); });
  add("ESGCLOSEH", [] { return CloseCross(RGB(200, 0, 0)); });
  add("ESGCLOSED", [] { return CloseCross(RGB(120, 0, 0)); });
  add("ESGHI", [] { return Highlighter(true); });
  add("ESGHID", [] { return Highlighter(false); });
  add("INTLI1", [] { return PanAnchor(true, true); });
  add("INTLI2", [] { return PanAnchor(true, false); });
  add("INTLI3", [] { return PanAnchor(false, true); });
  add("LBARROW", DropArrow);
  add("LBOK", [] { return GlyphStrip(kOkGlyph, RGB(0, 140, 0)); });
  add("LBYES", [] { return GlyphStrip(kOkGlyph, RGB(0, 140, 0)); });
  add("LBCANCEL", [] { return GlyphStrip(kCrossGlyph, RGB(200, 0, 0)); });
  add("LBABORT", [] { return GlyphStrip(kCrossGlyph, RGB(200, 0, 0)); });
  add("LBHELP", [] { return GlyphStrip(kHelpGlyph, RGB(0, 0, 160)); });
  add("LBNO", [] { return GlyphStrip(kNoGlyph, RGB(200, 0, 0)); });
  add("LBCLOSE", [] { return GlyphStrip(kCloseGlyph, RGB(96, 64, 0)); });
  add("LBRETRY", [] { return GlyphStrip(kRetryGlyph, RGB(0, 100, 160)); });
  add("LBIGNORE", [] { return GlyphStrip(kIgnoreGlyph, RGB(96, 96, 96)); });
  add("LBALL", [] { return GlyphStrip(kAllGlyph, RGB(0, 140, 0)); });
  return out;
}

}  // namespace hd::resource_art

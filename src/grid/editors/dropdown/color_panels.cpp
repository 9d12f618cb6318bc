#include "grid/editors/dropdown/color_panels.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace hd {

namespace {

// Table colours are written as the panel shows them, 0xBBGGRR.
constexpr TColor kCubeColors[CubeCellCount] = {
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xFF0099,
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF00CC,
    0xCC0099,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF,
    0xCC00CC, 0x660066,
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF, 0x9900CC,
    0x800080,
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC, 0x990099,
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5,
};

std::array<TCubeCell, CubeCellCount> MakeCubeCells() {
  std::array<TCubeCell, CubeCellCount> cells{};
  int n = 0;
  for (int r = 1; r <= 13; ++r) {
    const int count = r <= 7 ? r + 6 : 20 - r;
    const int x0 = r <= 7 ? 55 - 6 * (r - 1) : 19 + 6 * (r - 7);
    const int y = 20 + 10 * (r - 1);
    for (int i = 0; i < count; ++i, ++n) cells[n] = {x0 + 12 * i, y, kCubeColors[n]};
  }
  return cells;
}

std::string Hex2(int v) {
  char buf[4];
  std::snprintf(buf, sizeof buf, "%02X", v & 0xFF);
  return buf;
}

std::string HtmlText(TColor c) { return "#" + Hex2(c) + Hex2(c >> 8) + Hex2(c >> 16); }

// Written as web pages write them (0xRRGGBB) and turned round once.
struct TWebEntry {
  const char* Name;
  int Rgb;
};
constexpr TWebEntry kWeb[] = {
    {"Snow", 0xFFFAFA}, {"FloralWhite", 0xFFFAF0}, {"LavenderBlush", 0xFFF0F5}, {"OldLace", 0xFDF5E6},
    {"Ivory", 0xFFFFF0}, {"CornSilk", 0xFFF8DC}, {"Beige", 0xF5F5DC}, {"AntiqueWhite", 0xFAEBD7},
    {"Wheat", 0xF5DEB3}, {"AliceBlue", 0xF0F8FF}, {"GhostWhite", 0xF8F8FF}, {"Lavender", 0xE6E6FA},
    {"Seashell", 0xFFF5EE}, {"LightYellow", 0xFFFFE0}, {"PapayaWhip", 0xFFEFD5}, {"NavajoWhite", 0xFFDEAD},
    {"Moccasin", 0xFFE4B5}, {"Burlywood", 0xDEB887}, {"Azure", 0xF0FFFF}, {"MintCream", 0xF5FFFA},
    {"Honeydew", 0xF0FFF0}, {"Linen", 0xFAF0E6}, {"LemonChiffon", 0xFFFACD}, {"BlanchedAlmond", 0xFFEBCD},
    {"Bisque", 0xFFE4C4}, {"PeachPuff", 0xFFDAB9}, {"Tan", 0xD2B48C}, {"Yellow", 0xFFFF00},
    {"DarkOrange", 0xFF8C00}, {"Red", 0xFF0000}, {"DarkRed", 0x8B0000}, {"Maroon", 0x800000},
    {"IndianRed", 0xCD5C5C}, {"Salmon", 0xFA8072}, {"Coral", 0xFF7F50}, {"Gold", 0xFFD700},
    {"Tomato", 0xFF6347}, {"Crimson", 0xDC143C}, {"Brown", 0xA52A2A}, {"Chocolate", 0xD2691E},
    {"SandyBrown", 0xF4A460}, {"LightSalmon", 0xFFA07A}, {"LightCoral", 0xF08080}, {"Orange", 0xFFA500},
    {"OrangeRed", 0xFF4500}, {"Firebrick", 0xB22222}, {"SaddleBrown", 0x8B4513}, {"Sienna", 0xA0522D},
    {"Peru", 0xCD853F}, {"DarkSalmon", 0xE9967A}, {"RosyBrown", 0xBC8F8F}, {"PaleGoldenrod", 0xEEE8AA},
    {"LightGoldenrodYellow", 0xFAFAD2}, {"Olive", 0x808000}, {"ForestGreen", 0x228B22},
    {"GreenYellow", 0xADFF2F}, {"Chartreuse", 0x7FFF00}, {"LightGreen", 0x90EE90}, {"Aquamarine", 0x7FFFD4},
    {"SeaGreen", 0x2E8B57}, {"GoldenRod", 0xDAA520}, {"Khaki", 0xF0E68C}, {"OliveDrab", 0x6B8E23},
    {"Green", 0x008000}, {"YellowGreen", 0x9ACD32}, {"LawnGreen", 0x7CFC00}, {"PaleGreen", 0x98FB98},
    {"MediumAquamarine", 0x66CDAA}, {"MediumSeaGreen", 0x3CB371}, {"DarkGoldenRod", 0xB8860B},
    {"DarkKhaki", 0xBDB76B}, {"DarkOliveGreen", 0x556B2F}, {"Darkgreen", 0x006400}, {"LimeGreen", 0x32CD32},
    {"Lime", 0x00FF00}, {"SpringGreen", 0x00FF7F}, {"MediumSpringGreen", 0x00FA9A},
    {"DarkSeaGreen", 0x8FBC8F}, {"LightSeaGreen", 0x20B2AA}, {"PaleTurquoise", 0xAFEEEE},
    {"LightCyan", 0xE0FFFF}, {"LightBlue", 0xADD8E6}, {"LightSkyBlue", 0x87CEFA},
    {"CornFlowerBlue", 0x6495ED}, {"DarkBlue", 0x00008B}, {"Indigo", 0x4B0082},
    {"MediumTurquoise", 0x48D1CC}, {"Turquoise", 0x40E0D0}, {"Cyan", 0x00FFFF}, {"Aqua", 0x00FFFF},
    {"PowderBlue", 0xB0E0E6}, {"SkyBlue", 0x87CEEB}, {"RoyalBlue", 0x4169E1}, {"MediumBlue", 0x0000CD},
    {"MidnightBlue", 0x191970}, {"DarkTurquoise", 0x00CED1}, {"CadetBlue", 0x5F9EA0},
    {"DarkCyan", 0x008B8B}, {"Teal", 0x008080}, {"DeepskyBlue", 0x00BFFF}, {"DodgerBlue", 0x1E90FF},
    {"Blue", 0x0000FF}, {"Navy", 0x000080}, {"DarkViolet", 0x9400D3}, {"DarkOrchid", 0x9932CC},
    {"Magenta", 0xFF00FF}, {"Fuchsia", 0xFF00FF}, {"DarkMagenta", 0x8B008B},
    {"MediumVioletRed", 0xC71585}, {"PaleVioletRed", 0xDB7093}, {"BlueViolet", 0x8A2BE2},
    {"MediumOrchid", 0xBA55D3}, {"MediumPurple", 0x9370DB}, {"Purple", 0x800080}, {"DeepPink", 0xFF1493},
    {"LightPink", 0xFFB6C1}, {"Violet", 0xEE82EE}, {"Orchid", 0xDA70D6}, {"Plum", 0xDDA0DD},
    {"Thistle", 0xD8BFD8}, {"HotPink", 0xFF69B4}, {"Pink", 0xFFC0CB}, {"LightSteelBlue", 0xB0C4DE},
    {"MediumSlateBlue", 0x7B68EE}, {"LightSlateGray", 0x778899}, {"White", 0xFFFFFF},
    {"Lightgrey", 0xD3D3D3}, {"Gray", 0x808080}, {"SteelBlue", 0x4682B4}, {"SlateBlue", 0x6A5ACD},
    {"SlateGray", 0x708090}, {"WhiteSmoke", 0xF5F5F5}, {"Silver", 0xC0C0C0}, {"DimGray", 0x696969},
    {"MistyRose", 0xFFE4E1}, {"DarkSlateBlue", 0x483D8B}, {"DarkSlategray", 0x2F4F4F},
    {"Gainsboro", 0xDCDCDC}, {"DarkGray", 0xA9A9A9}, {"Black", 0x000000},
};

}  // namespace

const std::array<TCubeCell, CubeCellCount>& ColorCubeCells() {
  static const auto cells = MakeCubeCells();
  return cells;
}

int ColorCubeHitTest(int X, int Y) {
  const auto& cells = ColorCubeCells();
  for (int i = 0; i < CubeCellCount; ++i) {
    const int dx = X - cells[i].X, dy = Y - cells[i].Y;
    if (dx * dx + dy * dy <= 36) return i + 1;
  }
  return -1;
}

int ColorCubeCellOf(TColor Color) {
  const auto& cells = ColorCubeCells();
  for (int i = 0; i < CubeCellCount; ++i)
    if (cells[i].Color == Color) return i + 1;
  return -1;
}

std::array<TPoint, 6> CubeCellPolygon(int X, int Y, int b, int a) {
  return {{{X - b, Y - a}, {X, Y - 2 * a}, {X + b, Y - a}, {X + b, Y + a}, {X, Y + 2 * a}, {X - b, Y + a}}};
}

std::string ColorCubeHint(TColor Color) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "Red: %d,  Green: %d,  Blue: %d", Color & 0xFF, (Color >> 8) & 0xFF,
                (Color >> 16) & 0xFF);
  return buf;
}

TColorBoxLayout LayoutColorBoxes(const std::vector<TItemPos>& Positions, int Columns, int ColumnGap,
                                 int BoxWidth, int BoxHeight, int OffSetX, int OffSetY) {
  TColorBoxLayout out;
  if (Positions.empty()) return out;
  if (Columns < 1) Columns = 1;
  int x = OffSetX, y = OffSetY, widest = OffSetX;
  bool standAlone = false;
  const int n = static_cast<int>(Positions.size());
  for (int i = 0; i < n; ++i) {
    out.Rects.push_back(Bounds(x, y, BoxWidth, BoxHeight));
    widest = std::max(widest, x);
    standAlone = standAlone || Positions[i] == ipStandAlone;
    if ((i + 1) % Columns == 0 && i + 1 < n) {
      y += BoxHeight + (standAlone ? ColumnGap : 0);
      x = OffSetX;
      standAlone = false;
    } else {
      x += BoxWidth + ColumnGap;
    }
  }
  out.Height = y + BoxHeight + OffSetY;
  out.Width = widest + BoxWidth + OffSetX + 1;
  return out;
}

int ColorBoxKeyTarget(int Key, bool EditorEnabled, bool DroppedDown, int Index, int Count, int Columns) {
  if (Count <= 0) return Index;
  const int prev = Index > 0 ? Index - 1 : Index;
  const int next = Index < 0 ? 0 : (Index < Count - 1 ? Index + 1 : Index);
  const bool arrowsMove = !(EditorEnabled && !DroppedDown);
  switch (Key) {
    case VK_PRIOR:
    case VK_HOME:
      return 0;
    case VK_NEXT:
    case VK_END:
      return Count - 1;
    case VK_LEFT:
      return arrowsMove ? prev : Index;
    case VK_RIGHT:
      return arrowsMove ? next : Index;
    case VK_UP:
      if (!DroppedDown) return prev;
      if (Index < 0) return 0;
      return Index - Columns >= 0 ? Index - Columns : Index;
    case VK_DOWN:
      if (!DroppedDown) return next;
      if (Index < 0) return 0;
      return Index + Columns < Count ? Index + Columns : Index;
    default:
      return Index;
  }
}

const std::vector<TDiscreteColor>& DiscreteColors() {
  static const std::vector<TDiscreteColor> colors = [] {
    constexpr TColor rows[6][10] = {
        {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7},
        {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD},
        {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB},
        {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA},
        {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3},
        {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897},
    };
    constexpr TItemPos pos[6] = {ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};
    std::vector<TDiscreteColor> v;
    for (int r = 0; r < 6; ++r)
      for (TColor c : rows[r]) v.push_back({c, pos[r]});
    return v;
  }();
  return colors;
}

const std::vector<TNamedColor>& DefaultColors() {
  static const std::vector<TNamedColor> colors = {
      {"Black", 0x000000},  {"Maroon", 0x000080}, {"Green", 0x008000}, {"Olive", 0x008080},
      {"Navy", 0x800000},   {"Purple", 0x800080}, {"Teal", 0x808000},  {"Gray", 0x808080},
      {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},    {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
      {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF},
  };
  return colors;
}

const std::vector<TNamedColor>& WebColors() {
  static const std::vector<TNamedColor> colors = [] {
    static std::vector<std::string> names;
    std::vector<TNamedColor> v;
    names.reserve(std::size(kWeb));
    for (const auto& e : kWeb) names.push_back(std::string("clWeb") + e.Name);
    for (size_t i = 0; i < std::size(kWeb); ++i) {
      const int rgb = kWeb[i].Rgb;
      v.push_back({names[i].c_str(), ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF)});
    }
    return v;
  }();
  return colors;
}

bool WebColorName(TColor Color, std::string& Name) {
  for (const auto& c : WebColors())
    if (c.Color == Color) {
      Name = c.Caption;
      return true;
    }
  return false;
}

std::string ColorValueTextOf(TColor Color, TColorValueText Style) {
  if (Style == cvtNone || Color == clNone) return {};
  if (Style == cvtHex) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(Color));
    return buf;
  }
  const TColor c = ColorToRGB(Color);
  switch (Style) {
    case cvtWebName: {
      std::string name;
      return WebColorName(c, name) ? name : HtmlText(c);
    }
    case cvtRGB:
      return "Red:" + std::to_string(c & 0xFF) + ",Green:" + std::to_string((c >> 8) & 0xFF) +
             ",Blue:" + std::to_string((c >> 16) & 0xFF);
    case cvtHTML:
      return HtmlText(c);
    default:
      return {};
  }
}

}  // namespace hd

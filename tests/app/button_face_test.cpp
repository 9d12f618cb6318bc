#include "app/button_face.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/button_glyphs.h"
#include "platform/bitmap.h"
#include "platform/bitmap_resources.h"
#include "platform/gui_application.h"

namespace hd {
namespace {

constexpr TColor kFace = 0xEDF7F8;
constexpr TColor kLight = 0xFFFFFF;
constexpr TColor kShadow = 0x808080;

TButtonFace Face(TLbButtonStyle style, int w = 100, int h = 23) {
  TButtonFace f;
  f.Width = w;
  f.Height = h;
  f.Style = style;
  f.Color = kFace;
  f.LightColor = kLight;
  f.ShadowColor = kShadow;
  f.Font.Name = kTestFontName;
  f.Font.Color = clBlack;
  return f;
}

class ButtonFaceTest : public testing::Test {
 protected:
  void SetUp() override { EnsureGuiApplication(); }
};

TBitmap Render(const TButtonFace& f) {
  TBitmap bmp(f.Width, f.Height);
  bmp.Canvas().Brush() = TBrush{clFuchsia, bsSolid};
  bmp.Canvas().FillRect(Rect(0, 0, f.Width, f.Height));
  PaintButtonFace(bmp.Canvas(), f);
  return bmp;
}

TColor At(const TBitmap& bmp, int x, int y) { return static_cast<TColor>(bmp.ScanLine(y)[x] & 0xFFFFFF); }

int Luma(TColor c) { return (GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c)) / 10; }

// Bounding box of the dark (caption) pixels inside the edges.
std::optional<TRect> InkBox(const TBitmap& bmp, int margin = 3) {
  std::optional<TRect> box;
  for (int y = margin; y < bmp.Height() - margin; ++y)
    for (int x = margin; x < bmp.Width() - margin; ++x) {
      if (Luma(At(bmp, x, y)) >= 100) continue;
      if (!box) box = Rect(x, y, x + 1, y + 1);
      box->Left = std::min(box->Left, x);
      box->Top = std::min(box->Top, y);
      box->Right = std::max(box->Right, x + 1);
      box->Bottom = std::max(box->Bottom, y + 1);
    }
  return box;
}

TEST_F(ButtonFaceTest, BlendHotTrackColorTruncatesEachChannel) {
  struct Case {
    const char* name;
    TColor color, hot;
    int step;
    TColor expected;
  };
  const Case cases[] = {
      {"white to yellow, step 4", clWhite, clYellow, 4, 0x7FFFFF},
      {"white to yellow, step 8", clWhite, clYellow, 8, clYellow},
      {"white to yellow, step 0", clWhite, clYellow, 0, clWhite},
      {"black to white, step 1", clBlack, clWhite, 1, 0x1F1F1F},
      {"window colour to yellow, step 7", 0xEDF7F8, clYellow, 7, 0x1DFEFE},
      {"system button face resolved first", clBtnFace, clBlack, 4, 0x787878},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(BlendHotTrackColor(c.color, c.hot, c.step), c.expected);
  }
}

TEST_F(ButtonFaceTest, FaceColourFollowsHotTrackStepAndPress) {
  struct Case {
    const char* name;
    int step;
    bool pressed, enabled;
    TColor hot, down;
    TColor expected;
  };
  const Case cases[] = {
      {"half-way fade", 4, false, true, clYellow, clNone, BlendHotTrackColor(kFace, clYellow, 4)},
      {"fully hot", 8, false, true, clYellow, clNone, clYellow},
      {"no hot tracking", 8, false, true, clNone, clNone, kFace},
      {"pressed colour wins", 8, true, true, clYellow, 0x0080FF, 0x0080FF},
      {"pressed without down colour", 8, true, true, clYellow, clNone, clYellow},
      {"disabled shows neither", 8, true, false, clYellow, 0x0080FF, kFace},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TButtonFace f = Face(bsEncarta);
    f.HotTrackStep = c.step;
    f.Pressed = c.pressed;
    f.Enabled = c.enabled;
    f.HotTrackColor = c.hot;
    f.ColorWhenDown = c.down;
    EXPECT_EQ(At(Render(f), 50, 3), c.expected);
  }
}

TEST_F(ButtonFaceTest, GradientBandsTruncateTowardZero) {
  TBitmap bmp(4, 40);
  bmp.Canvas().Brush() = TBrush{clFuchsia, bsSolid};
  bmp.Canvas().FillRect(Rect(0, 0, 4, 40));
  // 31 rows: each band is two rows high and the next band overwrites its second row.
  FillGradientBands(bmp.Canvas(), clWhite, clBlack, 1, 0, 3, 31);
  EXPECT_EQ(At(bmp, 1, 0), clWhite);
  EXPECT_EQ(At(bmp, 2, 1), RGB(247, 247, 247));  // 255 - 255/31 truncated toward zero
  EXPECT_EQ(At(bmp, 1, 30), RGB(9, 9, 9));
  EXPECT_EQ(At(bmp, 1, 31), clFuchsia);  // bottom is exclusive
  EXPECT_EQ(At(bmp, 0, 5), clFuchsia);   // left to right, right exclusive
  EXPECT_EQ(At(bmp, 3, 5), clFuchsia);
}

TEST_F(ButtonFaceTest, EdgesPerStyle) {
  struct Probe {
    int x, y;
    TColor color;
  };
  struct Case {
    const char* name;
    TLbButtonStyle style;
    bool pressed, flat, hot;
    std::vector<Probe> probes;
  };
  constexpr int W = 100, H = 23;
  const TColor dark = ColorToRGB(cl3DDkShadow);
  const Case cases[] = {
      {"normal raised", bsNormal, false, false, false,
       {{0, H - 1, kLight}, {0, 0, kLight}, {W - 2, 0, kLight}, {W - 1, 0, kShadow}, {W - 1, H - 1, kShadow},
        {1, H - 1, kShadow}, {1, 1, kFace}}},
      {"normal pressed swaps", bsNormal, true, false, false,
       {{0, 0, kShadow}, {W - 1, H - 1, kLight}, {1, 1, kFace}}},
      {"flat and cold: no edges", bsEncarta, false, true, false, {{0, 0, kFace}, {W - 1, H - 1, kFace}}},
      {"flat and hot: edges", bsEncarta, false, true, true, {{0, 0, kLight}, {W - 1, H - 1, kShadow}}},
      {"old raised", bsOld, false, false, false,
       {{0, 0, kLight}, {W - 1, H - 1, dark}, {W - 2, 1, kShadow}, {1, H - 2, kShadow}, {W - 3, H - 3, kFace}}},
      {"old pressed", bsOld, true, false, false,
       {{0, 0, dark}, {W - 1, H - 1, kLight}, {1, 1, kShadow}, {1, H - 3, kShadow}, {W - 2, H - 2, kFace}}},
      {"quicken top and bottom lines", bsQuicken, false, false, false,
       {{4, 0, kShadow}, {W - 6, 0, kShadow}, {3, 0, clFuchsia}, {W - 5, 0, clFuchsia}, {4, H - 1, kShadow},
        {W / 2, H / 2, kFace}}},
      {"shape is fuchsia", bsShape, false, false, false, {{0, 0, clFuchsia}, {W / 2, 2, clFuchsia}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TButtonFace f = Face(c.style, W, H);
    f.Pressed = c.pressed;
    f.Flat = c.flat;
    f.Hot = c.hot;
    const TBitmap bmp = Render(f);
    for (const Probe& p : c.probes) {
      SCOPED_TRACE(testing::Message() << "at " << p.x << "," << p.y);
      EXPECT_EQ(At(bmp, p.x, p.y), p.color);
    }
  }
}

TEST_F(ButtonFaceTest, ModernGradientRunsFromLightToFaceAndBack) {
  constexpr int W = 60, H = 64;
  TButtonFace f = Face(bsModern, W, H);
  f.Color = RGB(0, 0, 200);
  f.LightColor = RGB(248, 124, 62);
  const TBitmap bmp = Render(f);
  // Upper gradient 2..16 in one-row bands: row 2 holds band 2. Lower 16..63 in two-row bands:
  // rows 61 and 62 hold band 30, row 62 under the inner frame.
  EXPECT_EQ(At(bmp, W / 2, 2), RGB(248 + 2 * (0 - 248) / 31, 124 + 2 * (0 - 124) / 31, 62 + 2 * 138 / 31));
  EXPECT_EQ(At(bmp, W / 2, 61), RGB(30 * 248 / 31, 30 * 124 / 31, 200 + 30 * (62 - 200) / 31));
  EXPECT_EQ(At(bmp, W / 2, H - 1), kShadow);  // the rounded outline
  EXPECT_EQ(At(bmp, W / 2, 1), RGB(0, 0, 200));  // inner frame in the face colour
  EXPECT_EQ(At(bmp, W / 2, H - 2), RGB(0, 0, 200));
}

TEST_F(ButtonFaceTest, PressedCaptionOffsetPerStyle) {
  struct Case {
    const char* name;
    TLbButtonStyle style;
    int dx, dy;
  };
  const Case cases[] = {
      {"normal", bsNormal, 1, 1}, {"encarta", bsEncarta, 0, 0}, {"modern", bsModern, 1, 1},
      {"old", bsOld, 1, 1},       {"quicken", bsQuicken, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TButtonFace f = Face(c.style, 100, 25);
    f.Caption = "Hello";
    f.Alignment = taLeftJustify;
    const auto idle = InkBox(Render(f));
    f.Pressed = true;
    const auto pressed = InkBox(Render(f));
    ASSERT_TRUE(idle && pressed);
    EXPECT_EQ(pressed->Left - idle->Left, c.dx);
    EXPECT_EQ(pressed->Top - idle->Top, c.dy);
  }
}

TEST_F(ButtonFaceTest, EncartaShowsItsCaptionBoldWhilePressed) {
  TButtonFace f = Face(bsEncarta, 140, 25);
  f.Caption = "Wide caption";
  f.Alignment = taLeftJustify;
  const auto idle = InkBox(Render(f));
  f.Pressed = true;
  const auto pressed = InkBox(Render(f));
  ASSERT_TRUE(idle && pressed);
  EXPECT_GT(pressed->Width(), idle->Width());
}

TEST_F(ButtonFaceTest, DisabledCaptionIsGray) {
  TButtonFace f = Face(bsEncarta, 120, 40);
  f.Caption = "WM";
  f.Font.Size = 16;
  f.Font.Style = TFontStyles{fsBold};
  f.Enabled = false;
  const TBitmap bmp = Render(f);
  bool sawGray = false;
  for (int y = 3; y < bmp.Height() - 3; ++y)
    for (int x = 3; x < bmp.Width() - 3; ++x) {
      const TColor c = At(bmp, x, y);
      sawGray |= c == clGray;
      ASSERT_GE(Luma(c), Luma(clGray)) << x << "," << y;
    }
  EXPECT_TRUE(sawGray);
}

TEST_F(ButtonFaceTest, CaptionTooWideLosesItsLastCharacters) {
  TButtonFace f = Face(bsEncarta, 40, 23);
  f.Caption = "Extraordinarily long caption";
  f.Alignment = taLeftJustify;
  const auto box = InkBox(Render(f), 1);
  ASSERT_TRUE(box);
  EXPECT_LE(box->Right, 4 + 32);  // the room is W - 8 from x = 4
  f.WordWrap = true;
  f.Height = 80;
  const auto wrapped = InkBox(Render(f), 1);
  ASSERT_TRUE(wrapped);
  EXPECT_GT(wrapped->Height(), box->Height() * 2);
}

// A strip of four 16 x 16 images in distinct colours, each with a fuchsia bottom-left pixel.
TBitmap FourImageStrip() {
  TBitmap strip(64, 16);
  const TColor colours[] = {clRed, clLime, clBlue, clYellow};
  for (int i = 0; i < 4; ++i) {
    strip.Canvas().Brush() = TBrush{colours[i], bsSolid};
    strip.Canvas().FillRect(Rect(i * 16, 0, i * 16 + 16, 16));
    strip.Canvas().SetPixel(i * 16, 15, clFuchsia);
  }
  return strip;
}

TEST_F(ButtonFaceTest, GlyphImageFollowsState) {
  struct Case {
    const char* name;
    int numGlyphs;
    bool hot, pressed, enabled;
    std::optional<TColor> expected;  // none: no glyph drawn
  };
  const Case cases[] = {
      {"idle", 4, false, false, true, clRed},
      {"hot", 4, true, false, true, clYellow},
      {"pressed wins over hot", 4, true, true, true, clBlue},
      {"disabled", 4, true, true, false, clLime},
      {"hot with three images", 3, true, false, true, clRed},
      {"pressed with two images", 2, false, true, true, clRed},
      {"disabled with one image draws none", 1, false, false, false, std::nullopt},
  };
  const TBitmap strip = FourImageStrip();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TButtonFace f = Face(bsEncarta, 100, 30);
    f.Glyph = &strip;
    f.NumGlyphs = c.numGlyphs;
    f.Hot = c.hot;
    f.Pressed = c.pressed;
    f.Enabled = c.enabled;
    const int gw = 64 / c.numGlyphs;
    // No caption, centred: the glyph sits in the middle (no offset for this style).
    const TBitmap bmp = Render(f);
    const int x = (100 - gw) / 2, y = (30 - 16) / 2;
    EXPECT_EQ(At(bmp, x + 1, y + 1), c.expected.value_or(kFace));
    EXPECT_EQ(At(bmp, x, y + 15), kFace);  // transparent corner
  }
}

TEST_F(ButtonFaceTest, GlyphPositionPerLayout) {
  struct Case {
    const char* name;
    TLbButtonLayout layout;
    TAlignment alignment;
    TLbButtonStyle style;
    bool pressed;
    TPoint expected;
  };
  constexpr int W = 120, H = 60;
  const Case cases[] = {
      {"left, left aligned", blGlyphLeft, taLeftJustify, bsEncarta, false, {4, (H - 16) / 2}},
      {"left, left aligned, pressed normal", blGlyphLeft, taLeftJustify, bsNormal, true, {5, (H - 16) / 2 + 1}},
      {"right, right aligned", blGlyphRight, taRightJustify, bsEncarta, false, {W - 16 - 4, (H - 16) / 2}},
      {"top, centred", blGlyphTop, taCenter, bsEncarta, false, {(W - 16) / 2, -1}},
      {"bottom, right aligned", blGlyphBottom, taRightJustify, bsEncarta, false, {W - 16 - 4, -1}},
      {"shape centres", blGlyphLeft, taLeftJustify, bsShape, true, {(W - 16) / 2, (H - 16) / 2}},
  };
  TBitmap strip(16, 16);
  strip.Canvas().Brush() = TBrush{clRed, bsSolid};
  strip.Canvas().FillRect(Rect(0, 0, 16, 16));
  strip.Canvas().SetPixel(0, 15, clFuchsia);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TButtonFace f = Face(c.style, W, H);
    f.Glyph = &strip;
    f.NumGlyphs = 1;
    f.Caption = "Ab";
    f.Layout = c.layout;
    f.Alignment = c.alignment;
    f.Pressed = c.pressed;
    const TBitmap bmp = Render(f);
    // Locate the glyph's top-left red pixel.
    std::optional<TPoint> found;
    for (int y = 0; y < H && !found; ++y)
      for (int x = 0; x < W && !found; ++x)
        if (At(bmp, x, y) == clRed) found = Point(x, y);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->X, c.expected.X);
    if (c.expected.Y >= 0) {
      EXPECT_EQ(found->Y, c.expected.Y);
    }
  }
}

TEST_F(ButtonFaceTest, GlyphAboveCaptionIsCentredTogether) {
  constexpr int W = 120, H = 60;
  TBitmap strip(16, 16);
  strip.Canvas().Brush() = TBrush{clRed, bsSolid};
  strip.Canvas().FillRect(Rect(0, 0, 16, 16));
  strip.Canvas().SetPixel(0, 15, clFuchsia);
  TButtonFace f = Face(bsEncarta, W, H);
  f.Glyph = &strip;
  f.NumGlyphs = 1;
  f.Caption = "Ab";
  f.Layout = blGlyphTop;
  TBitmap probe(10, 10);
  probe.Canvas().SetFont(f.Font);
  TRect r = Rect(0, 0, W - 8, 0);
  const int th = probe.Canvas().DrawText("Ab", r, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
  const int top = (H - (16 + th + 4)) / 2;
  const TBitmap bmp = Render(f);
  EXPECT_EQ(At(bmp, (W - 16) / 2 + 1, top), clRed);
  EXPECT_EQ(At(bmp, (W - 16) / 2 + 1, top - 1), kFace);
  f.Layout = blGlyphBottom;
  const TBitmap below = Render(f);
  EXPECT_EQ(At(below, (W - 16) / 2 + 1, top + th), clRed);
  EXPECT_EQ(At(below, (W - 16) / 2 + 1, top + th - 1), kFace);
}

TEST_F(ButtonFaceTest, DropDownArrowSitsAtTheRightMiddle) {
  constexpr int W = 90, H = 30;
  TButtonFace f = Face(bsEncarta, W, H);
  f.HasPopupMenu = true;
  const TBitmap bmp = Render(f);
  const TBitmap arrow = BitmapResource("LBARROW");
  const TColor key = At(arrow, 0, arrow.Height() - 1);
  int ink = 0;
  for (int y = 0; y < arrow.Height(); ++y)
    for (int x = 0; x < arrow.Width(); ++x) {
      const TColor c = At(arrow, x, y);
      EXPECT_EQ(At(bmp, W - 11 + x, H / 2 - 1 + y), c == key ? kFace : c) << x << "," << y;
      ink += c != key;
    }
  EXPECT_GT(ink, 0);
  f.HasPopupMenu = false;
  EXPECT_FALSE(InkBox(Render(f)).has_value());
}

TEST_F(ButtonFaceTest, PresetsFillTheirRows) {
  TLbColorPreset p;
  GetColorStylePreset(lcsQuicken, p);
  EXPECT_EQ(p.Color, 0x603000);
  EXPECT_EQ(p.ColorWhenDown, 0xAD6529);
  EXPECT_EQ(p.FontColor, clWhite);
  EXPECT_TRUE(p.Quicken);
  EXPECT_FALSE(p.Modern);
  GetColorStylePreset(lcsUltraFlat2, p);
  EXPECT_EQ(p.Color, clBtnFace);
  EXPECT_EQ(p.HotTrackColor, 0x8CF6E4);
  EXPECT_EQ(p.FontColor, clBlack);
  EXPECT_TRUE(p.Flat);
  EXPECT_FALSE(p.Quicken);
  GetColorStylePreset(lcsCustom, p);  // clears the flags, keeps the colours
  EXPECT_FALSE(p.Flat);
  EXPECT_EQ(p.HotTrackColor, 0x8CF6E4);
}

TEST_F(ButtonFaceTest, MainWindowIconsAreRegistered) {
  RegisterButtonGlyphs();
  for (const char* name : {"BTNINFO", "BTNOPTIONS", "BTNCLOSE"}) {
    SCOPED_TRACE(name);
    TBitmap bmp;
    bmp.LoadFromResourceName(name);
    ASSERT_EQ(bmp.Width(), 32);
    ASSERT_EQ(bmp.Height(), 32);
    EXPECT_EQ(At(bmp, 0, 31), clFuchsia);
    EXPECT_NE(At(bmp, 16, 24), clFuchsia);
  }
}

}  // namespace
}  // namespace hd

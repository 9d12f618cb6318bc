// The drop-down's drawing routines and button faces: colour blending and scaling with their
// roundings, measured and fitted text, recoloured glyphs, selection backgrounds, the button
// appearance's derived defaults, and the arrow and push-button faces on the recording canvas.
#include <gtest/gtest.h>

#include <memory>

#include "grid/editors/dropdown/dropdown_edit.h"
#include "grid/editors/dropdown_drawing.h"
#include "platform/classes.h"
#include "platform/recording_canvas.h"
#include "platform/themes.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

TEST(DropDownStylesTest, BlendAndScaleRoundHalvesToEven) {
  EXPECT_EQ(BlendColor(RGB(10, 20, 30), RGB(200, 100, 0), 100), RGB(10, 20, 30));
  EXPECT_EQ(BlendColor(RGB(10, 20, 30), RGB(200, 100, 0), 0), RGB(200, 100, 0));
  EXPECT_EQ(BlendColor(RGB(1, 0, 3), RGB(0, 1, 0), 50), RGB(0, 0, 2)) << "0.5 and 1.5 go to the even neighbour";
  EXPECT_EQ(ScaleColor(RGB(225, 240, 245), -10, -10, 0), RGB(202, 216, 245)) << "202.5 gives 202";
  EXPECT_EQ(ScaleColor(RGB(0, 100, 0), 20, 20, -5), RGB(20, 100, 0)) << "a zero channel takes the delta, never below 0";
  TExtButtonAppearance a;
  EXPECT_EQ(a.ColorChecked(), 0xF5D8CA);
  EXPECT_EQ(a.ColorCheckedTo(), 0xF9BDA0);
  int changes = 0;
  a.OnChange = [&](TObject*) { ++changes; };
  a.SetColorHot(a.ColorHot());
  a.SetColorHot(0x123456);
  EXPECT_EQ(changes, 1);
}

TEST(DropDownStylesTest, StyleTablesSpotChecks) {
  ASSERT_FALSE(DropDownPopupStyle(tsCustom));
  ASSERT_FALSE(DropDownButtonStyle(tsCustom));
  auto terminal = DropDownPopupStyle(tsTerminal);
  ASSERT_TRUE(terminal);
  EXPECT_EQ(terminal->HeaderColor, static_cast<TColor>(0xFF00000Fu));
  EXPECT_EQ(terminal->HeaderBorderColor, clNone);
  EXPECT_FALSE(DropDownPopupStyle(tsWindowsXP)->DropDownBorderColor) << "XP keeps the border";
  auto b2010 = DropDownButtonStyle(tsOffice2010Silver);
  EXPECT_EQ(b2010->BorderColor, 0xD2CDC8);
  EXPECT_EQ(b2010->ColorHotTo, clNone);
  EXPECT_EQ(b2010->BorderColorChecked, 0x4FA0CE);
  EXPECT_EQ(DropDownButtonStyle(tsWhidbey)->ColorDown, 0xAAD9FF) << "Whidbey is of the Office group";
  EXPECT_EQ(DropDownButtonStyle(tsWindowsXP)->ColorDown, static_cast<TColor>(0xFF000003u));
}

TEST(DropDownStylesTest, TextIsMeasuredAndFitted) {
  TBitmap b(200, 50);
  TCanvas& c = b.Canvas();
  c.Font().Name = kTestFontName;
  EXPECT_EQ(GetTextSize(c, ""), (TSize{0, 0}));
  const TSize abc = GetTextSize(c, "abc");
  EXPECT_EQ(abc.cx, c.TextWidth("abc"));
  EXPECT_EQ(FitTextWidth(c, "abc", abc.cx, true), "abc");
  const std::string fitted = FitTextWidth(c, "abcdefghij", c.TextWidth("abcd..."), true);
  EXPECT_EQ(fitted, "abc...") << "the first candidate narrower than the room";
  EXPECT_EQ(FitTextWidth(c, "abcdefghij", c.TextWidth("abcd"), false), "abc");
  EXPECT_EQ(FitTextWidth(c, "abc", 0, true), "abc") << "nothing fits: the text itself";
  EXPECT_EQ(MatchCaseText("Abc", true), "Abc");
  EXPECT_EQ(MatchCaseText("Abc", false), "ABC");
}

TEST(DropDownStylesTest, GlyphTakesTheColourForItsKeyPixel) {
  TBitmap glyph(4, 4);
  glyph.Canvas().Brush() = TBrush{RGB(255, 0, 255), bsSolid};
  glyph.Canvas().FillRect(Rect(0, 0, 4, 4));
  glyph.Canvas().SetPixel(2, 2, RGB(0, 0, 0));
  TBitmap target(10, 10);
  DrawGlyphInColor(target.Canvas(), glyph, RGB(10, 200, 10), Rect(3, 3, 7, 7));
  EXPECT_EQ(target.Canvas().Pixel(3, 3), RGB(10, 200, 10));
  EXPECT_EQ(target.Canvas().Pixel(5, 5), RGB(0, 0, 0));
}

TEST(DropDownStylesTest, SelectionBackgroundByStyle) {
  TRecordingCanvas custom(40, 20);
  DrawSelectionBackground(custom, scCustom, RGB(1, 2, 3), RGB(4, 5, 6), Rect(0, 0, 40, 20), 0, clWhite);
  ASSERT_EQ(custom.CallsOf("Rectangle").size(), 1u);
  EXPECT_EQ(custom.CallsOf("Rectangle")[0].Brush, RGB(1, 2, 3));
  TBitmap styled(40, 20);
  DrawSelectionBackground(styled.Canvas(), scWindows7, 0xFCEBDC, 0xFCDBC1, Rect(0, 0, 40, 20), 0, clWhite);
  EXPECT_EQ(styled.Canvas().Pixel(10, 0), 0xCEA27D) << "the outer border";
  EXPECT_EQ(styled.Canvas().Pixel(0, 0), clWhite) << "the outer corner shows the cell around";
}

class ButtonFaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TForm>(nullptr);
    drop = New<TExtCustomDropDown>(main.get());
    drop->SetParent(main.get());
    drop->SetBounds(10, 10, 120, 21);
    main->Show();
    kit.Process();
    face = drop->Button()->SpeedButton();
  }
  void TearDown() override {
    main.reset();
    SetThemesActive(true);
  }
  std::unique_ptr<TRecordingCanvas> Paint() {
    auto c = std::make_unique<TRecordingCanvas>(face->Width(), face->Height());
    face->PaintFace(*c);
    return c;
  }
  test::TGuiKit kit;
  std::unique_ptr<TForm> main;
  TExtCustomDropDown* drop = nullptr;
  TExtDropDownSpeedButton* face = nullptr;
};

TEST_F(ButtonFaceTest, CustomColoursDrawTheArrowEvenOverAGlyph) {
  TBitmap glyph(8, 8);
  drop->SetDropDownButtonGlyph(glyph);
  drop->SetBorderColor(RGB(1, 1, 1));
  drop->SetColorTones({{RGB(50, 60, 70), RGB(1, 1, 1), clNone}, {}, {RGB(90, 90, 90)}, {RGB(80, 80, 80)}, {}});
  drop->Button()->SetButtonTextColor(RGB(0, 0, 200));
  auto cp = Paint();
  TRecordingCanvas& c = *cp;
  ASSERT_EQ(c.CallsOf("FillRect").size(), 1u);
  EXPECT_EQ(c.CallsOf("FillRect")[0].Brush, RGB(50, 60, 70));
  ASSERT_EQ(c.CallsOf("Polygon").size(), 1u);
  EXPECT_EQ(c.CallsOf("Polygon")[0].Points, (std::vector<TPoint>{{5, 7}, {11, 7}, {8, 10}}));
  EXPECT_EQ(c.CallsOf("Polygon")[0].Brush, RGB(0, 0, 200));
  EXPECT_TRUE(c.CallsOf("Draw").empty());
}

TEST_F(ButtonFaceTest, GlyphReplacesTheArrowWithoutCustomColours) {
  TBitmap glyph(8, 8);
  drop->SetDropDownButtonGlyph(glyph);
  auto cp = Paint();
  TRecordingCanvas& c = *cp;
  EXPECT_EQ(c.CallsOf("Draw").size(), 1u);
  EXPECT_TRUE(c.CallsOf("Polygon").empty());
  EXPECT_TRUE(c.CallsOf("DrawThemedPart").empty());
}

TEST_F(ButtonFaceTest, ReadOnlyOrDisabledEditShowsADisabledButton) {
  struct Case {
    const char* name;
    bool readOnly, enabled;
    int state;
  };
  for (const Case& k : {Case{"normal", false, true, TS_NORMAL}, Case{"read-only", true, true, TS_DISABLED},
                        Case{"disabled", false, false, TS_DISABLED}}) {
    SCOPED_TRACE(k.name);
    drop->SetReadOnly(k.readOnly);
    drop->SetEnabled(k.enabled);
    auto cp = Paint();
  TRecordingCanvas& c = *cp;
    ASSERT_EQ(c.CallsOf("DrawThemedPart").size(), 1u);
    EXPECT_EQ(c.CallsOf("DrawThemedPart")[0].Points[0].Y, k.state);
  }
  SetThemesActive(false);
  drop->SetReadOnly(false);
  drop->SetEnabled(true);
  auto classicp = Paint();
  TRecordingCanvas& classic = *classicp;
  EXPECT_TRUE(classic.CallsOf("DrawThemedPart").empty());
  EXPECT_EQ(classic.CallsOf("Polygon").size(), 1u) << "the classic face draws its own black arrow";
}

TEST_F(ButtonFaceTest, ThemedPushFacePlacesGlyphAndCaption) {
  face->SetButtonStyle(bsButton);
  drop->Button()->SetButtonCaption("Go");
  TBitmap glyph(8, 8);
  drop->SetDropDownButtonGlyph(glyph);
  drop->SetDropDownButtonWidth(60);
  drop->Button()->SetBounds(0, 0, 60, 24);
  auto cp = Paint();
  TRecordingCanvas& c = *cp;
  ASSERT_EQ(c.CallsOf("Draw").size(), 1u);
  EXPECT_EQ(c.CallsOf("Draw")[0].Rect.Left, 4) << "two in, and two more with a caption";
  ASSERT_EQ(c.CallsOf("DrawText").size(), 1u);
  EXPECT_EQ(c.CallsOf("DrawText")[0].Rect.Left, 4 + 8 + 2);
}

TEST_F(ButtonFaceTest, ButtonReportsOnlyALeftRelease) {
  int clicks = 0;
  drop->Button()->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, drop->Button());
    ++clicks;
  };
  kit.Click(face, 3, 3, mbRight);
  EXPECT_EQ(clicks, 0);
  kit.Click(face, 3, 3);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace hd

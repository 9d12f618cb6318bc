#include "platform/buttons.h"

#include <gtest/gtest.h>

#include "platform/ext_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

struct TButtonRow {
  TGuiKit kit;
  TForm form{nullptr};
  std::vector<TSpeedButton*> buttons;
  std::string clicks;

  explicit TButtonRow(int count, int group, bool allowAllUp) {
    form.SetClientSize(200, 60);
    for (int i = 0; i < count; ++i) {
      auto* b = new TSpeedButton(&form);
      b->SetParent(&form);
      b->SetBounds(10 + i * 30, 10, 25, 25);
      b->SetGroupIndex(group);
      b->SetAllowAllUp(allowAllUp);
      b->OnClick = [this, i](TObject*) { clicks += std::to_string(i); };
      buttons.push_back(b);
    }
    form.Show();
    kit.Process();
  }
  std::string Downs() const {
    std::string s;
    for (auto* b : buttons) s += b->Down() ? 'D' : '-';
    return s;
  }
};

TEST(SpeedButtonTest, GroupKeepsOneButtonDown) {
  struct Case {
    const char* name;
    int group;
    bool allowAllUp;
    std::vector<int> clicked;
    const char* downs;
    const char* clicks;
  };
  const Case cases[] = {
      {"no group: never stays down", 0, false, {0, 1, 0}, "---", "010"},
      {"a group: the last clicked is down", 1, false, {0, 2}, "--D", "02"},
      {"a group: clicking the down one keeps it", 1, false, {1, 1}, "-D-", "11"},
      {"all up allowed: a second click raises it", 1, true, {1, 1}, "---", "11"},
      {"all up allowed: another takes over", 1, true, {1, 0}, "D--", "10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TButtonRow row(3, c.group, c.allowAllUp);
    for (int i : c.clicked) row.kit.Click(row.buttons[static_cast<size_t>(i)], 12, 12);
    EXPECT_EQ(row.Downs(), c.downs);
    EXPECT_EQ(row.clicks, c.clicks);
  }
}

TEST(SpeedButtonTest, DownByCodeRaisesTheOthersOfItsGroupOnly) {
  TButtonRow row(3, 1, false);
  row.buttons[2]->SetGroupIndex(2);
  row.buttons[0]->SetDown(true);
  row.buttons[2]->SetDown(true);
  EXPECT_EQ(row.Downs(), "D-D");
  row.buttons[1]->SetDown(true);
  EXPECT_EQ(row.Downs(), "-DD");
  row.buttons[1]->SetDown(false);
  EXPECT_EQ(row.Downs(), "-DD") << "the last of a group stays down";
  EXPECT_EQ(row.clicks, "");
}

TEST(SpeedButtonTest, HeldButtonCapturesAndClicksOnlyOnAReleaseInside) {
  TButtonRow row(1, 0, false);
  TSpeedButton* b = row.buttons[0];
  row.kit.MouseDown(b, 12, 12);
  EXPECT_EQ(GetCapture(), b->Handle());
  EXPECT_EQ(b->State(), bsDown);
  row.kit.MoveMouse(b, 40, 12, {ssLeft});
  EXPECT_EQ(b->State(), bsUp) << "dragged off, it shows up";
  row.kit.MoveMouse(b, 20, 12, {ssLeft});
  EXPECT_EQ(b->State(), bsDown);
  row.kit.MoveMouse(b, 60, 40, {ssLeft});
  row.kit.MouseUp(b, 60, 40);
  EXPECT_EQ(GetCapture(), 0u);
  EXPECT_EQ(row.clicks, "");
  row.kit.MouseDown(b, 12, 12);
  row.kit.MouseUp(b, 13, 13);
  EXPECT_EQ(row.clicks, "0");
  b->SetEnabled(false);
  row.kit.Click(b, 12, 12);
  EXPECT_EQ(row.clicks, "0");
}

// A strip of 8x8 faces on a fuchsia key: up red, disabled gray, down blue, exclusive green.
TBitmap FaceStrip(int faces) {
  TBitmap strip(8 * faces, 8);
  TCanvas& c = strip.Canvas();
  c.Brush().Color = clFuchsia;
  c.FillRect(Rect(0, 0, 8 * faces, 8));
  const TColor colours[] = {clRed, clGray, clBlue, clLime};
  for (int i = 0; i < faces; ++i) {
    c.Brush().Color = colours[i];
    c.FillRect(Rect(i * 8 + 2, 2, i * 8 + 6, 6));
  }
  return strip;
}

TEST(SpeedButtonTest, GlyphFaceFollowsTheStateAndItsKeyColourIsTransparent) {
  enum Action { Idle, Held, DownInGroup, Disabled };
  struct Case {
    const char* name;
    int faces;
    Action action;
    TColor face;
  };
  const Case cases[] = {
      {"up", 4, Idle, clRed},
      {"held", 4, Held, clBlue},
      {"down in its group", 4, DownInGroup, clLime},
      {"down without an exclusive face", 3, DownInGroup, clBlue},
      {"disabled", 4, Disabled, clGray},
      {"disabled without a disabled face", 1, Disabled, clRed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TButtonRow row(1, 1, true);
    TSpeedButton* b = row.buttons[0];
    b->SetGlyph(FaceStrip(c.faces));
    EXPECT_EQ(b->NumGlyphs(), c.faces) << "a strip of square faces counts itself";
    b->SetFlat(true);
    b->SetColor(clWhite);
    b->SetTransparent(false);
    if (c.action == Held) row.kit.MouseDown(b, 12, 12);
    if (c.action == DownInGroup) row.kit.Click(b, 12, 12);
    if (c.action == Disabled) b->SetEnabled(false);
    TBitmap shot(b->Width(), b->Height());
    b->PaintTo(shot.Canvas());
    TRect g = b->FaceLayout().Glyph;
    int shift = c.action == Held || c.action == DownInGroup ? 1 : 0;
    EXPECT_EQ(shot.Canvas().Pixel(g.Left + 3 + shift, g.Top + 3 + shift), c.face);
    EXPECT_EQ(shot.Canvas().Pixel(g.Left + shift, g.Top + shift), clWhite) << "the key colour shows the face";
    if (c.action == Held) row.kit.MouseUp(b, 12, 12);
  }
}

TEST(SpeedButtonTest, LayoutPlacesGlyphAndCaption) {
  struct Case {
    const char* name;
    TButtonLayout layout;
    int margin, spacing;
    TRect glyph;
    int captionLeft, captionTop;  // -1: centred on that axis
  };
  // A 100x40 button with a 16x16 glyph; the caption's size is measured.
  TButtonRow row(1, 0, false);
  TSpeedButton* b = row.buttons[0];
  b->SetBounds(0, 0, 100, 40);
  TBitmap glyph(16, 16);
  b->SetGlyph(glyph);
  b->SetCaption("Go");
  TSize text = b->FaceLayout().Caption.Width() > 0 ? TSize{b->FaceLayout().Caption.Width(), b->FaceLayout().Caption.Height()}
                                                    : TSize{};
  ASSERT_GT(text.cx, 0);
  const int free = 100 - 16 - text.cx;
  const Case cases[] = {
      {"left, margin 2, spacing 4", blGlyphLeft, 2, 4, Bounds(2, 12, 16, 16), 22, -1},
      {"right, margin 2, spacing 4", blGlyphRight, 2, 4, Bounds(82, 12, 16, 16), 78 - text.cx, -1},
      {"left, centred", blGlyphLeft, -1, 4, Bounds((free - 4 + 1) / 2, 12, 16, 16), (free - 4 + 1) / 2 + 20, -1},
      {"left, spread evenly", blGlyphLeft, -1, -1, Bounds(free / 3, 12, 16, 16), 2 * (free / 3) + 16, -1},
      {"top, margin 3, spacing 1", blGlyphTop, 3, 1, Bounds(42, 3, 16, 16), -1, 20},
      {"bottom, margin 3, spacing 1", blGlyphBottom, 3, 1, Bounds(42, 21, 16, 16), -1, 20 - text.cy},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    b->SetLayout(c.layout);
    b->SetMargin(c.margin);
    b->SetSpacing(c.spacing);
    TSpeedButton::TFaceLayout face = b->FaceLayout();
    EXPECT_EQ(face.Glyph, c.glyph);
    EXPECT_EQ(face.Caption.Left, c.captionLeft == -1 ? (100 - text.cx + 1) / 2 : c.captionLeft);
    EXPECT_EQ(face.Caption.Top, c.captionTop == -1 ? (40 - text.cy + 1) / 2 : c.captionTop);
  }
}

TEST(SpeedButtonTest, FlatButtonShowsItsEdgeOnlyWhileHot) {
  TButtonRow row(1, 0, false);
  TSpeedButton* b = row.buttons[0];
  b->SetFlat(true);
  b->SetTransparent(false);
  b->SetColor(clBtnFace);
  auto corner = [&] {
    TBitmap shot(b->Width(), b->Height());
    b->PaintTo(shot.Canvas());
    return shot.Canvas().Pixel(0, 0);
  };
  EXPECT_EQ(corner(), ColorToRGB(clBtnFace));
  row.kit.MoveMouse(b, 10, 10);
  EXPECT_TRUE(b->Hot());
  EXPECT_EQ(corner(), ColorToRGB(clBtnHighlight)) << "a raised edge while the mouse is over it";
  row.kit.MoveMouse(&row.form, 150, 50);
  EXPECT_FALSE(b->Hot());
  EXPECT_EQ(corner(), ColorToRGB(clBtnFace));
}

}  // namespace
}  // namespace hd

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/foundation/markup/markup_canvas.h"
#include "grid/foundation/picture_container.h"
#include "grid/foundation/picture_kit.h"
#include "platform/image_list.h"
#include "platform/themes.h"

namespace hd {
namespace {

constexpr int W = kCharWidth, H = kLineHeight;

class MarkupInline : public ::testing::Test {
 protected:
  MarkupInline() : container(nullptr) {
    TPictureItem* item = container.Items().Add();
    item->SetName("pic");
    item->Picture().LoadFromBytes(SolidBmp(20, 10, clRed));
    TPictureItem* alt = container.Items().Add();
    alt->SetName("alt");
    alt->Picture().LoadFromBytes(SolidBmp(20, 10, clBlue));
    call.PictureContainer = &container;
    call.PictureCache = &cache;
  }
  TPictureContainer container;
  THTMLPictureCache cache;
  TMarkupCall call;
};

TEST_F(MarkupInline, PictureSizesKeepTheAspectAndPlaceTheLine) {
  struct Case {
    const char* name;
    std::string text;
    int width;
    int xsize, ysize;
  };
  for (const Case& c : std::vector<Case>{
           {"natural size", "<img src=\"pic\">", 100, 20, H},
           {"names ignore case", "<IMG SRC=\"PIC\">", 100, 20, H},
           {"width only", "<img src=\"pic\" width=\"40\">", 100, 40, 20},
           {"height only", "<img src=\"pic\" height=\"30\">", 100, 60, 30},
           {"rounded by the aspect", "<img src=\"pic\" width=\"25\">", 100, 25, 13},
           {"both", "<img src=\"pic\" width=\"30\" height=\"7\">", 100, 30, H},
           {"a giant side is capped", "<img src=\"pic\" width=\"99999999\">", 100000, 4096, 2048},
           {"unknown picture takes nothing", "a<img src=\"nothing\">", 100, W, H},
           {"web picture takes nothing", "a<img src=\"http://example.invalid/x.png\">", 100, W, H},
           {"drive path takes nothing", "a<img src=\"c:\\pic\">", 100, W, H},
           {"fits only an empty line: next line", "ab<img src=\"pic\" width=\"25\">", 31, 25, H + 13},
           {"wider than any line: this line", "ab<img src=\"pic\" width=\"40\">", 31, 2 * W + 40, 20},
           {"middle alignment keeps the height", "<img src=\"pic\" height=\"21\" align=\"middle\">x", 200, 42 + W, 21}}) {
    SCOPED_TRACE(c.name);
    TMarkupResult r = MeasureMarkup(c.text, c.width, true, call);
    EXPECT_EQ(r.XSize, c.xsize);
    EXPECT_EQ(r.YSize, c.ysize);
  }
  EXPECT_EQ(cache.Count(), 1) << "a URL is tried once and kept";
}

TEST_F(MarkupInline, PictureInsideAnAnchorIsHitAndShowsItsAlt) {
  const std::string text = "<a href=\"go\" title=\"T\"><img src=\"pic\" alt=\"alt\"></a>";
  TMarkupCanvas canvas;
  call.Rect = {0, 0, 200, 100};
  call.X = 1 + 5;
  call.Y = 5;
  TMarkupResult r;
  EXPECT_TRUE(DrawMarkup(canvas, text, call, r));
  EXPECT_EQ(r.AnchorVal, "go");
  EXPECT_EQ(r.AnchorTitle, "T");
  EXPECT_EQ(canvas.Pixel(5, 5), clBlue) << "the picture under the pointer shows its ALT";

  TMarkupCanvas away;
  call.X = 150;
  EXPECT_FALSE(DrawMarkup(away, text, call, r));
  EXPECT_EQ(away.Pixel(5, 5), clRed);
}

TEST_F(MarkupInline, ImageListPictures) {
  TImageList images(16, 16);
  TBitmap green(16, 16);
  green.Canvas().Brush().Color = clLime;
  green.Canvas().FillRect({0, 0, 16, 16});
  images.Add(green);
  call.Images = &images;
  EXPECT_EQ(MeasureMarkup("<img src=\"idx:0\">", 100, true, call).XSize, 16);
  EXPECT_EQ(MeasureMarkup("<img src=\"idx:1\">", 100, true, call).XSize, 0);
  TMarkupCanvas canvas;
  call.Rect = {0, 0, 100, 100};
  TMarkupResult r;
  DrawMarkup(canvas, "<img src=\"IDX:0\">", call, r);
  EXPECT_EQ(canvas.Pixel(8, 8), clLime);
}

struct ControlCase {
  const char* name;
  std::string text;
  int x, y;
  bool hit;
  TRect rect;
  std::string id, value, type;
};

TEST_F(MarkupInline, ControlsHitByTheirBoxes) {
  // "ab" is 12 wide, so a control starts at 1 + 12 = 13.
  for (const ControlCase& c : std::vector<ControlCase>{
           {"edit", "ab<control type=\"edit\" id=\"e1\" value=\"v\" width=\"50\">", 20, 5, true,
            {13, 0, 63, H + 10}, "e1", "v", "EDIT"},
           {"edit, past its width", "ab<control type=\"edit\" id=\"e1\" width=\"50\">", 64, 5, false, {}, "", "", ""},
           {"check box is 16 square", "ab<control type=\"check\" id=\"c\" value=\"true\" width=\"50\">", 27, 15, true,
            {13, 0, 29, 16}, "c", "true", "CHECK"},
           {"check box, right of its box", "ab<control type=\"check\" id=\"c\" width=\"50\">", 31, 5, false, {}, "", "", ""},
           {"button is 25 high", "ab<control type=\"button\" id=\"b\" value=\"Go\" width=\"40\">", 20, 22, true,
            {13, 0, 53, 25}, "b", "Go", "BUTTON"}}) {
    SCOPED_TRACE(c.name);
    TMarkupCanvas canvas;
    call.Rect = {0, 0, 300, 100};
    call.HitTest = true;
    call.X = c.x;
    call.Y = c.y;
    TMarkupResult r;
    EXPECT_EQ(DrawMarkup(canvas, c.text, call, r), c.hit);
    EXPECT_EQ(r.ControlRect, c.rect);
    EXPECT_EQ(r.ControlID, c.id);
    EXPECT_EQ(r.ControlValue, c.value);
    EXPECT_EQ(r.ControlType, c.type);
    EXPECT_EQ(r.AnchorVal, c.hit ? "ctrl" : "");
  }
}

TEST_F(MarkupInline, ControlsFoundByIDAndLineHeights) {
  const std::string text = "<control type=\"combo\" id=\"k\" width=\"60\"> <control type=\"edit\" id=\"e\" width=\"30\">";
  TMarkupCanvas canvas;
  call.Rect = {0, 0, 300, 100};
  call.HitTest = true;
  TMarkupResult r;
  r.ControlID = "e";
  EXPECT_TRUE(DrawMarkup(canvas, text, call, r));
  EXPECT_EQ(r.ControlRect, (TRect{1 + 60 + W, 0, 1 + 90 + W, H + 10}));
  r = {};
  r.ControlID = "none";
  EXPECT_FALSE(DrawMarkup(canvas, text, call, r));
  EXPECT_EQ(r.ControlRect, TRect{});

  struct Case {
    std::string text;
    int ysize;
  };
  for (const Case& c : std::vector<Case>{{"<control type=\"edit\" width=\"30\">", 23},
                                         {"<control type=\"radio\" width=\"30\">", 16},
                                         {"<control type=\"button\" width=\"30\" height=\"40\">", 38},
                                         {"<control type=\"edit\">", H},
                                         {"<control type=\"slider\" width=\"30\">x", 23}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(MeasureMarkup(c.text, 300, true, call).YSize, c.ysize);
  }
  EXPECT_EQ(MeasureMarkup("ab<control type=\"edit\">", 300, true, call).XSize, 2 * W);
}

TEST_F(MarkupInline, ControlsDrawThemedOrClassic) {
  struct Case {
    bool themed;
    std::string text;
    std::string op;
    int state;
  };
  for (const Case& c : std::vector<Case>{
           {true, "<control type=\"check\" value=\"TRUE\" width=\"20\">", "DrawThemedPart", CBS_CHECKEDNORMAL},
           {false, "<control type=\"check\" value=\"true\" width=\"20\">", "DrawFrameControl",
            static_cast<int>(DFCS_BUTTONCHECK | DFCS_FLAT | DFCS_CHECKED)},
           {false, "<control type=\"radio\" value=\"false\" width=\"20\">", "DrawFrameControl",
            static_cast<int>(DFCS_BUTTONRADIO | DFCS_FLAT)},
           {true, "<control type=\"button\" value=\"Go\" width=\"40\">", "DrawThemedPart", TS_NORMAL}}) {
    SCOPED_TRACE(c.text);
    bool was = ThemesActive();
    SetThemesActive(c.themed);
    TMarkupCanvas canvas;
    call.Rect = {0, 0, 300, 100};
    TMarkupResult r;
    DrawMarkup(canvas, c.text, call, r);
    SetThemesActive(was);
    std::vector<TCanvasCall> parts = canvas.CallsOf(c.op);
    ASSERT_EQ(parts.size(), 1u) << canvas.Dump();
    int state = c.op == "DrawThemedPart" ? parts[0].Points.at(0).Y : static_cast<int>(parts[0].Flags);
    EXPECT_EQ(state, c.state);
  }
  TMarkupCanvas canvas;
  call.Rect = {0, 0, 300, 100};
  TMarkupResult r;
  DrawMarkup(canvas, "<control type=\"password\" value=\"abc\" width=\"60\">", call, r);
  EXPECT_NE(canvas.Find("***"), nullptr);
  EXPECT_EQ(canvas.Find("abc"), nullptr);
}

}  // namespace
}  // namespace hd

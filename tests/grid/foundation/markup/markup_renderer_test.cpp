#include "grid/foundation/markup/markup_renderer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/foundation/markup/markup_canvas.h"

namespace hd {
namespace {

constexpr int W = kCharWidth, H = kLineHeight;

// The text area starts one pixel in, so a rectangle of width w fits runs below w - 1.
TEST(MarkupRenderer, MeasuresLinesAsLaidOut) {
  struct Case {
    const char* name;
    std::string text;
    int width;
    bool wrap;
    int xsize, ysize;
  };
  for (const Case& c : std::vector<Case>{
           {"empty", "", 100, true, 0, H},
           {"one run", "abc", 100, true, 3 * W, H},
           {"trailing blank not counted", "ab ", 100, true, 2 * W, H},
           {"wrap: just inside", "aaa bbb", 7 * W + 2, true, 7 * W, H},
           {"wrap: at the boundary", "aaa bbb", 7 * W + 1, true, 3 * W, 2 * H},
           {"wrap: a word wider than the line keeps its line", "abcdefghijk xy", 31, true, 11 * W, 2 * H},
           {"glued runs stay together", "aaa b<b>bb</b>", 5 * W, true, 3 * W, 2 * H},
           {"no wrap: the first run over is the last", "aaa <b>bbb</b> ccc", 31, false, 7 * W, H},
           {"line break", "a<br>b<BR>c", 100, true, W, 3 * H},
           {"subscript reserve", "a<sub>b</sub>", 100, true, 2 * W, H + H / 4},
           {"both reserves", "<sup>x</sup><sub>y</sub>", 100, true, 2 * W, H + 2 * (H / 4)},
           {"list item indent", "<ul><li>ab</li></ul>", 100, true, 12 + 2 * W, 3 * H},
           {"second item starts a line", "<ul><li>a<li>b", 100, true, 12 + W, 3 * H},
           {"indent tag", "<indent x=\"30\">a", 100, true, 30 + W, H},
           {"hidden text takes no width", "a<z>hidden</z>b", 100, true, 2 * W, H},
           {"bigger font raises the line", "a<font size=\"16\">b</font>", 100, true, W + 11, 21},
       }) {
    SCOPED_TRACE(c.name);
    TMarkupResult r = MeasureMarkup(c.text, c.width, c.wrap);
    EXPECT_EQ(r.XSize, c.xsize);
    EXPECT_EQ(r.YSize, c.ysize);
  }
}

TEST(MarkupRenderer, PlainTextAndCounts) {
  TMarkupResult r = MeasureMarkup("x <a href=\"1\">one</a><z>zz</z><br><a href=\"2\">two</a>", 200, true);
  EXPECT_EQ(r.StripVal, "x onezz\rtwo");
  EXPECT_EQ(r.HyperLinks, 2);
  EXPECT_EQ(r.MouseLink, -1);
  TMarkupCanvas canvas;
  TMarkupCall call;
  call.Rect = {0, 0, 200, 100};
  TMarkupResult painted;
  EXPECT_FALSE(DrawMarkup(canvas, "x <a href=\"1\">one</a>", call, painted));
  EXPECT_EQ(painted.StripVal, "x one") << "collected once, not once per pass";
}

struct HitCase {
  const char* name;
  int x, y;
  bool hit;
  std::string anchor, title;
  int link;
  TRect rect;
};

TEST(MarkupRenderer, HitTestsAnchors) {
  // "go " is 18 wide, "link" 24, " and " 30, "two" 18; the text area starts at x = 1.
  const std::string text = "go <a href=\"u1\" title=\"T1\">link</a> and <a href=\"u2\">two</a>";
  for (const HitCase& c : std::vector<HitCase>{
           {"on the first", 1 + 30, 5, true, "u1", "T1", 1, {19, 0, 43, H}},
           {"on the second, which has no title", 1 + 80, 5, true, "u2", "", 2, {73, 0, 91, H}},
           {"between them", 1 + 60, 5, false, "", "", -1, {}},
           // The anchor is named, but the point is not on its text.
           {"below the line", 1 + 30, H + 3, false, "u1", "T1", 1, {19, 0, 43, H}}}) {
    SCOPED_TRACE(c.name);
    TMarkupCanvas canvas;
    TMarkupCall call;
    call.Rect = {0, 0, 300, 100};
    call.HitTest = true;
    call.X = c.x;
    call.Y = c.y;
    TMarkupResult r;
    EXPECT_EQ(DrawMarkup(canvas, text, call, r), c.hit);
    EXPECT_EQ(r.AnchorVal, c.anchor);
    EXPECT_EQ(r.AnchorTitle, c.title);
    EXPECT_EQ(r.MouseLink, c.link);
    EXPECT_EQ(r.AnchorRect, c.rect);
    EXPECT_TRUE(canvas.drawn.empty()) << "hit testing draws nothing";
  }
}

TEST(MarkupRenderer, AnchorOverTwoLinesReportsItsLastLine) {
  TMarkupCanvas canvas;
  TMarkupCall call;
  call.Rect = {0, 0, 40, 100};
  call.WordWrap = true;
  call.HitTest = true;
  call.X = 1 + 3;
  call.Y = H + 5;
  TMarkupResult r;
  EXPECT_TRUE(DrawMarkup(canvas, "<a href=\"w\">aaaa bbbb</a>", call, r));
  EXPECT_EQ(r.AnchorVal, "w");
  EXPECT_EQ(r.AnchorRect, (TRect{1, H, 1 + 4 * W, 2 * H}));
}

TEST(MarkupRenderer, HoverStyleColoursOnlyTheHoveredAnchor) {
  TMarkupCanvas canvas;
  TMarkupCall call;
  call.Rect = {0, 0, 300, 100};
  call.HoverStyle = true;
  call.HoverLink = 2;
  call.URLColor = clRed;
  call.HoverFontColor = clGreen;
  call.HoverColor = clYellow;
  TMarkupResult r;
  DrawMarkup(canvas, "<a href=\"1\">one</a> <a href=\"2\">two</a> after", call, r);
  const TDrawnText* one = canvas.Find("one");
  const TDrawnText* two = canvas.Find("two");
  const TDrawnText* after = canvas.Find(" after");
  ASSERT_TRUE(one && two && after);
  EXPECT_EQ(one->Font.Color, clRed);
  EXPECT_FALSE(one->Font.Style.Contains(fsUnderline));
  EXPECT_EQ(two->Font.Color, clGreen);
  EXPECT_TRUE(two->Font.Style.Contains(fsUnderline));
  EXPECT_EQ(two->Brush, clYellow);
  EXPECT_EQ(after->Font.Color, clBlack);
  EXPECT_EQ(after->Brush, clNone);
  EXPECT_EQ(canvas.Font(), TMarkupCanvas().Font()) << "the canvas font is back";
  EXPECT_EQ(canvas.Brush().Color, clWhite);
}

struct StyleCase {
  const char* name;
  std::string markup;
  TColor color;
  TFontStyles style;
  int size = 8;
  std::string face = kTestFontName;
};

TEST(MarkupRenderer, TagsStyleTheRunsTheyOpen) {
  for (const StyleCase& c : std::vector<StyleCase>{
           {"bold", "<b>x</b>", clBlack, {fsBold}},
           {"upper-case tag", "<B>x", clBlack, {fsBold}},
           {"italic", "<i>x", clBlack, {fsItalic}},
           {"underline", "<u>x", clBlack, {fsUnderline}},
           {"strikeout", "<s>x", clBlack, {fsStrikeOut}},
           {"unknown tags are consumed", "<q><wat a=\"1\">x</q>", clBlack, {}},
           {"hex colour in lower case", "<font color=\"#ff0000\">x", clRed, {}},
           {"colour name", "<font color=\"clLime\">x", clLime, {}},
           {"unquoted colour changes nothing", "<font color=clLime>x", clBlack, {}},
           {"unknown colour name is black", "<b><font color=\"clNoSuch\">x", clBlack, {fsBold}},
           {"font size by number", "<font size=3>x", clBlack, {}, 12},
           {"font size in points", "<font size=\"20\">x", clBlack, {}, 20},
           {"font face arrives upper-cased", "<font face=\"Mono\">x", clBlack, {}, 8, "MONO"},
           {"end of font restores name and size", "<font face=\"Mono\" size=\"20\">a</font>x", clBlack, {}},
           {"anchor", "<a href=\"h\">x</a>", clBlue, {fsUnderline}},
           {"after an anchor", "<a href=\"h\">a</a>x", clBlack, {}},
           {"end of an image tag ends italic", "<i>a</img>x", clBlack, {}},
           {"end of UL with none open ends underline", "<u>a</ul>x", clBlack, {}},
           {"blink off phase takes the background", "<blink>x", clWhite, {}},
           {"end of blink", "<blink>a</blink>x", clBlack, {}},
           {"highlight", "<hi>x", clHighlightText, {}},
           {"end rotation without a start draws on", "</r>x", clBlack, {}}}) {
    SCOPED_TRACE(c.name);
    TMarkupCanvas canvas;
    TMarkupCall call;
    call.Rect = {0, 0, 300, 100};
    TMarkupResult r;
    DrawMarkup(canvas, c.markup, call, r);
    const TDrawnText* x = canvas.Find("x");
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->Font.Color, c.color);
    EXPECT_EQ(x->Font.Style, c.style);
    EXPECT_EQ(x->Font.Size, c.size);
    EXPECT_EQ(x->Font.Name, c.face);
  }
}

TEST(MarkupRenderer, DrawsEffectsAndEntities) {
  TMarkupCanvas canvas;
  TMarkupCall call;
  call.Rect = {0, 0, 300, 100};
  call.ShadowOffset = 1;
  call.ShadowColor = clGray;
  TMarkupResult r;
  DrawMarkup(canvas, "a&amp;b <shadow>s</shadow> <r a=\"90\">v</r> <e>w</e>", call, r);
  ASSERT_NE(canvas.Find("a&&b "), nullptr) << "the doubled ampersand draws one";
  std::vector<const TDrawnText*> s;
  for (const TDrawnText& d : canvas.drawn)
    if (d.Text == "s") s.push_back(&d);
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0]->Font.Color, clGray);
  EXPECT_EQ(s[0]->Rect.Left, s[1]->Rect.Left + 1);
  EXPECT_EQ(s[1]->Font.Color, clBlack);
  EXPECT_EQ(canvas.Find("v")->Font.Orientation, 900);
  EXPECT_EQ(canvas.Find(" ")->Font.Orientation, 0);
  bool wave = false;
  for (const TCanvasCall& c : canvas.CallsOf("Polyline")) wave = wave || c.Pen == clRed;
  EXPECT_TRUE(wave) << "error marking draws a red wave";
}

TEST(MarkupRenderer, DrawingStopsBelowTheRectangle) {
  TMarkupCanvas canvas;
  TMarkupCall call;
  call.Rect = {0, 0, 100, 2 * H + 3};
  TMarkupResult r;
  DrawMarkup(canvas, "one<br>two<br>three<br>four", call, r);
  EXPECT_NE(canvas.Find("two"), nullptr);
  EXPECT_EQ(canvas.Find("three"), nullptr);
  EXPECT_EQ(MeasureMarkup("one<br>two<br>three<br>four", 100, false).YSize, 4 * H) << "measuring lays out all";
}

TEST(MarkupRenderer, AlignmentAndFocusRectangle) {
  TMarkupCanvas canvas;
  TMarkupCall call;
  call.Rect = {0, 0, 101, 100};
  call.FocusLink = 0;
  TMarkupResult r;
  DrawMarkup(canvas, "<p align=\"right\">ab</p><p align=\"center\"><a href=\"f\">cd</a>", call, r);
  EXPECT_EQ(canvas.Find("ab")->Rect.Left, 101 - 2 * W);
  EXPECT_EQ(canvas.Find("cd")->Rect.Left, 1 + (100 - 2 * W) / 2);
  EXPECT_EQ(r.FocusAnchor, "f");
  std::vector<TCanvasCall> focus = canvas.CallsOf("DrawFocusRect");
  ASSERT_EQ(focus.size(), 1u);
  EXPECT_EQ(focus[0].Rect, (TRect{1 + (100 - 2 * W) / 2 - 1, H, 1 + (100 - 2 * W) / 2 + 2 * W + 1, 2 * H}));
}

}  // namespace
}  // namespace hd

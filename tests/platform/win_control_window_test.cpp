// A windowed control's window: when it is made, its border and scroll bars, the client
// rectangle they leave, and the user's input on the bars.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/forms.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TEventLog;
using test::TGuiKit;

std::string ScrollCodeName(unsigned code) {
  static const char* names[] = {"LINEUP", "LINEDOWN", "PAGEUP", "PAGEDOWN", "THUMBPOSITION", "THUMBTRACK", "TOP", "BOTTOM", "ENDSCROLL"};
  return code < 9 ? names[code] : std::to_string(code);
}

// An own-drawn control that logs its scroll messages ("V:THUMBTRACK 45") and its window's
// life.
class TScrollPad : public TCustomControl {
 public:
  TScrollPad(TComponent* owner, TEventLog* log) : TCustomControl(owner), log_(log) {}

 protected:
  void CreateWnd() override {
    TCustomControl::CreateWnd();
    log_->Note("create");
  }
  void DestroyWnd() override {
    log_->Note("destroy");
    TCustomControl::DestroyWnd();
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_VSCROLL || m.Msg == WM_HSCROLL) {
      unsigned code = LOWORD(m.WParam);
      std::string s = std::string(m.Msg == WM_VSCROLL ? "V:" : "H:") + ScrollCodeName(code);
      if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) s += " " + std::to_string(HIWORD(m.WParam));
      if (code == SB_THUMBTRACK) {
        // The full track position is there for the asking while the thumb moves.
        SCROLLINFO si;
        si.fMask = SIF_TRACKPOS | SIF_POS;
        GetScrollInfo(Handle(), m.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, si);
        s += "/" + std::to_string(si.nTrackPos) + "@" + std::to_string(si.nPos);
      }
      log_->Note(s);
    }
    TCustomControl::WndProc(m);
  }

 private:
  TEventLog* log_;
};

class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(400, 300);
    pad = new TScrollPad(form.get(), &log);
    pad->SetBounds(10, 10, 200, 150);
    pad->SetParent(form.get());
  }
  void TearDown() override { form.reset(); }

  TGuiKit kit;
  TEventLog log;
  std::unique_ptr<TForm> form;
  TScrollPad* pad = nullptr;
};

TEST_F(WindowFixture, WindowIsMadeWhenTheFormShowsAndAgainWhenRecreated) {
  EXPECT_FALSE(pad->HandleAllocated());
  EXPECT_EQ(pad->Native(), nullptr);
  form->Show();
  EXPECT_TRUE(pad->HandleAllocated());
  EXPECT_EQ(log.Text(), "create");
  // Parented into a form that shows: made at once; asked for: made without a parent.
  auto* late = new TScrollPad(form.get(), &log);
  late->SetParent(form.get());
  EXPECT_TRUE(late->HandleAllocated());
  auto* loose = new TScrollPad(form.get(), &log);
  loose->HandleNeeded();
  EXPECT_TRUE(loose->HandleAllocated());
  log.Clear();

  auto* child = new TEdit(form.get());
  child->SetParent(pad);
  child->SetBounds(5, 5, 50, 21);
  pad->RecreateWnd();
  // The old window went and a new one came; the allocator may well hand the new one the old
  // one's address, so the log says it, not the pointer.
  EXPECT_EQ(log.Text(), "destroy create");
  EXPECT_NE(pad->Native(), nullptr);
  EXPECT_TRUE(pad->HandleAllocated());
  // The child's window lives on inside the new one: input still reaches it.
  kit.Click(child);
  EXPECT_TRUE(child->Focused());
}

TEST_F(WindowFixture, ClientRectangleLeavesBorderAndBars) {
  struct Case {
    const char* name;
    TBorderStyle border;
    bool ctl3d;
    TScrollStyle bars;
    int cw, ch, insetLeft;
  };
  const Case cases[] = {
      {"no border, no bars", bsNone, true, ssNone, 200, 150, 0},
      {"sunken border", bsSingle, true, ssNone, 196, 146, 2},
      {"flat border", bsSingle, false, ssNone, 198, 148, 1},
      {"sunken border, vertical bar", bsSingle, true, ssVertical, 179, 146, 2},
      {"no border, both bars", bsNone, true, ssBoth, 183, 133, 0},
      {"sunken border, both bars", bsSingle, true, ssBoth, 179, 129, 2},
  };
  form->Show();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pad->SetBorderStyle(c.border);
    pad->SetCtl3D(c.ctl3d);
    pad->SetScrollBars(c.bars);
    EXPECT_EQ(pad->ClientWidth(), c.cw);
    EXPECT_EQ(pad->ClientHeight(), c.ch);
    EXPECT_EQ(pad->ClientRect(), Rect(0, 0, c.cw, c.ch));
    TPoint formOrigin = form->ClientOrigin();
    EXPECT_EQ(pad->ClientOrigin(), (TPoint{formOrigin.X + 10 + c.insetLeft, formOrigin.Y + 10 + c.insetLeft}));
    EXPECT_EQ(pad->ClientToScreen({0, 0}), pad->ClientOrigin());
  }
}

TEST_F(WindowFixture, RangeThatFitsHidesTheBarUnlessKeptDisabled) {
  pad->SetBorderStyle(bsSingle);
  pad->SetScrollBars(ssVertical);
  form->Show();
  std::vector<std::string> sizes;
  pad->OnResize = [&](TObject*) { sizes.push_back(std::to_string(pad->ClientWidth())); };
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE;
  si.nMin = 0;
  si.nMax = 9;
  si.nPage = 10;
  SetScrollInfo(pad->Handle(), SB_VERT, si, true);
  EXPECT_FALSE(pad->ScrollBarState(SB_VERT).Visible);
  EXPECT_EQ(pad->ClientWidth(), 196);
  si.fMask |= SIF_DISABLENOSCROLL;
  SetScrollInfo(pad->Handle(), SB_VERT, si, true);
  EXPECT_TRUE(pad->ScrollBarState(SB_VERT).Visible);
  EXPECT_EQ(pad->ScrollBarState(SB_VERT).DisabledArrows, ESB_DISABLE_BOTH);
  si.fMask = SIF_RANGE | SIF_POS;
  si.nMax = 99;
  si.nPos = 500;  // kept within the range the page leaves
  EXPECT_EQ(SetScrollInfo(pad->Handle(), SB_VERT, si, true), 90);
  EXPECT_EQ(GetScrollPos(pad->Handle(), SB_VERT), 90);
  EXPECT_EQ(sizes, (std::vector<std::string>{"196", "179"}));
  int lo = -1, hi = -1;
  EXPECT_TRUE(GetScrollRange(pad->Handle(), SB_VERT, &lo, &hi));
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 99);
  ShowScrollBar(pad->Handle(), SB_BOTH, false);
  EXPECT_EQ(pad->ClientWidth(), 196);
  EXPECT_EQ(pad->ClientHeight(), 146);
}

// A 200x150 pad with a sunken border and both bars: the client is 179x129; the vertical bar's
// middle lies at client x 187, its arrows take 17 pixels at each end of 129, the track the 95
// between; range 0..99 with a page of 10 gives a thumb of 10 pixels (9.5 rounded) and
// positions 0..90 over the 85 pixels the thumb can travel.
struct BarInput {
  const char* name;
  std::function<void(TGuiKit&, TControl*)> input;
  std::string expected;
};

void PrintTo(const BarInput& b, std::ostream* os) { *os << b.name; }

class ScrollBarInputTest : public WindowFixture, public ::testing::WithParamInterface<BarInput> {};

TEST_P(ScrollBarInputTest, BecomesScrollMessagesAsThePlatformSendsThem) {
  pad->SetBorderStyle(bsSingle);
  pad->SetScrollBars(ssBoth);
  form->Show();
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMax = 99;
  si.nPage = 10;
  SetScrollInfo(pad->Handle(), SB_VERT, si, true);
  SetScrollInfo(pad->Handle(), SB_HORZ, si, true);
  kit.Process();
  log.Clear();
  GetParam().input(kit, pad);
  EXPECT_EQ(log.Text(), GetParam().expected);
  EXPECT_FALSE(pad->ScrollBarTracking());
  EXPECT_EQ(GetCapture(), HWND{0});
}

void Press(TGuiKit& kit, TControl* c, int x, int y) {
  kit.MouseDown(c, x, y);
  kit.MouseUp(c, x, y);
}

INSTANTIATE_TEST_SUITE_P(
    Bars, ScrollBarInputTest,
    ::testing::Values(
        BarInput{"LineDownArrow", [](TGuiKit& k, TControl* c) { Press(k, c, 187, 121); }, "V:LINEDOWN V:ENDSCROLL"},
        BarInput{"LineUpArrow", [](TGuiKit& k, TControl* c) { Press(k, c, 187, 8); }, "V:LINEUP V:ENDSCROLL"},
        BarInput{"PageBelowTheThumb", [](TGuiKit& k, TControl* c) { Press(k, c, 187, 70); }, "V:PAGEDOWN V:ENDSCROLL"},
        BarInput{"LineRightArrowOfTheHorizontalBar", [](TGuiKit& k, TControl* c) { Press(k, c, 170, 137); },
                 "H:LINEDOWN H:ENDSCROLL"},
        BarInput{"ThumbDrag",
                 [](TGuiKit& k, TControl* c) {
                   k.MouseDown(c, 187, 21);
                   k.MoveMouse(c, 187, 64, {ssLeft});  // 43 pixels down: 43 * 90 / 85
                   k.MoveMouse(c, 187, 64, {ssLeft});  // no move of the thumb, no message
                   k.MoveMouse(c, 190, 300, {ssLeft});  // beyond the end: the last position
                   k.MouseUp(c, 190, 300);
                 },
                 "V:THUMBTRACK 46/46@0 V:THUMBTRACK 90/90@0 V:THUMBPOSITION 90 V:ENDSCROLL"},
        BarInput{"HeldArrowRepeatsAfterAPause",
                 [](TGuiKit& k, TControl* c) {
                   k.MouseDown(c, 187, 121);
                   k.Advance(399);
                   k.Advance(101);
                   k.MouseUp(c, 187, 121);
                 },
                 "V:LINEDOWN V:LINEDOWN V:LINEDOWN V:LINEDOWN V:ENDSCROLL"},
        BarInput{"ClientPressIsNoBarInput", [](TGuiKit& k, TControl* c) { Press(k, c, 100, 60); }, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowFixture, DisabledBarTakesNoInput) {
  pad->SetScrollBars(ssVertical);
  form->Show();
  EnableScrollBar(pad->Handle(), SB_VERT, ESB_DISABLE_BOTH);
  log.Clear();
  Press(kit, pad, 190, 140);
  EXPECT_EQ(log.Text(), "");
}

TEST_F(WindowFixture, ScrollFunctionsByHandleKeepThePositionAndEnableANewRange) {
  pad->SetBorderStyle(bsSingle);
  form->Show();
  HWND h = pad->Handle();
  ASSERT_TRUE(SetScrollRange(h, SB_VERT, 0, 99, true));
  EXPECT_TRUE(pad->ScrollBarState(SB_VERT).Visible);
  EXPECT_EQ(pad->ClientWidth(), 179);
  EXPECT_EQ(SetScrollPos(h, SB_VERT, 500, true), 0);  // the previous position
  EXPECT_EQ(SetScrollPos(h, SB_VERT, -5, true), 99);
  EXPECT_EQ(GetScrollPos(h, SB_VERT), 0);

  // A bar switched off takes no input until a new range switches it on again; a new page
  // alone does not.
  EnableScrollBar(h, SB_VERT, ESB_DISABLE_BOTH);
  SCROLLINFO si;
  si.fMask = SIF_PAGE;
  si.nPage = 10;
  SetScrollInfo(h, SB_VERT, si, true);
  EXPECT_EQ(pad->ScrollBarState(SB_VERT).DisabledArrows, ESB_DISABLE_BOTH);
  kit.Process();
  log.Clear();
  Press(kit, pad, 187, 140);
  EXPECT_EQ(log.Text(), "");
  SetScrollRange(h, SB_VERT, 0, 199, true);
  EXPECT_EQ(pad->ScrollBarState(SB_VERT).DisabledArrows, ESB_ENABLE_BOTH);
  Press(kit, pad, 187, 140);
  EXPECT_EQ(log.Text(), "V:LINEDOWN V:ENDSCROLL");

  // A range without room to scroll takes the bar away and gives its width back.
  SetScrollRange(h, SB_VERT, 0, 0, true);
  EXPECT_FALSE(pad->ScrollBarState(SB_VERT).Visible);
  EXPECT_EQ(pad->ClientWidth(), 196);
  EXPECT_EQ(SetScrollInfo(h, SB_CTL, si, true), 0);
  EXPECT_FALSE(GetScrollInfo(HWND{0}, SB_VERT, si));
  EXPECT_FALSE(SetScrollRange(HWND{0}, SB_VERT, 0, 9, true));
}

TEST_F(WindowFixture, ClientInputAndPictureStandInsideTheBorderAndBars) {
  pad->SetBorderStyle(bsSingle);
  pad->SetScrollBars(ssVertical);
  pad->SetColor(clWhite);
  std::vector<std::string> seen;
  pad->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    seen.push_back("down " + std::to_string(x) + "," + std::to_string(y));
  };
  pad->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
    seen.push_back("wheel " + std::to_string(delta));
    handled = true;
  };
  form->Show();
  pad->SetFocus();
  kit.Click(pad, 0, 0);
  kit.Click(pad, 178, 145);
  kit.Wheel(pad, 50, 50, -120);
  EXPECT_EQ(seen, (std::vector<std::string>{"down 0,0", "down 178,145", "wheel -120"}));

  TBitmap picture;
  picture.LoadFromFile(kit.RenderPng(pad, "bordered_pad"));
  ASSERT_EQ(picture.Width(), 200);
  ASSERT_EQ(picture.Height(), 150);
  TCanvas& c = picture.Canvas();
  EXPECT_EQ(c.Pixel(0, 0), ColorToRGB(clBtnShadow));     // the sunken edge
  EXPECT_EQ(c.Pixel(199, 149), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(c.Pixel(2, 2), ColorToRGB(clWhite));         // the client's first pixel
  EXPECT_EQ(c.Pixel(180, 75), ColorToRGB(clWhite));      // the client's last column
  EXPECT_NE(c.Pixel(185, 75), ColorToRGB(clWhite));      // the bar
}

// A control that frames its window in its own colour after the platform's non-client paint,
// as the grid draws its border.
class TFramedPad : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int ncPaints = 0;
  void Dispatch(TMessage& m) override {
    TCustomControl::Dispatch(m);
    if (m.Msg != WM_NCPAINT) return;
    ++ncPaints;
    WindowCanvas().Brush().Color = clRed;
    WindowCanvas().FrameRect(Rect(0, 0, Width(), Height()));
  }
};

TEST_F(WindowFixture, ControlDrawsOverItsNonClientArea) {
  auto* framed = new TFramedPad(form.get());
  framed->SetBounds(220, 10, 100, 80);
  framed->SetBorderStyle(bsSingle);
  framed->SetParent(form.get());
  form->Show();
  TBitmap picture;
  picture.LoadFromFile(kit.RenderPng(framed, "framed_pad"));
  EXPECT_EQ(picture.Canvas().Pixel(0, 0), ColorToRGB(clRed));
  EXPECT_EQ(picture.Canvas().Pixel(1, 1), ColorToRGB(cl3DDkShadow));  // the platform's inner edge
  EXPECT_EQ(framed->ncPaints, 1);
  // Drawn at any other time, it shows too; a change of the bars paints the area anew.
  framed->WindowCanvas().Brush().Color = clBlue;
  framed->WindowCanvas().FrameRect(Rect(0, 0, 100, 80));
  picture.LoadFromFile(kit.RenderPng(framed, "framed_pad_blue"));
  EXPECT_EQ(picture.Canvas().Pixel(0, 0), ColorToRGB(clBlue));
  framed->SetScrollBars(ssVertical);
  picture.LoadFromFile(kit.RenderPng(framed, "framed_pad_bar"));
  EXPECT_EQ(picture.Canvas().Pixel(0, 0), ColorToRGB(clRed));
  EXPECT_EQ(framed->ncPaints, 2);
}

TEST(SystemMetricsTest, AnswerThePlatformsClassicSizes) {
  EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
  EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), 17);
  EXPECT_EQ(GetSystemMetrics(SM_CXBORDER), 1);
  EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
  EXPECT_EQ(GetSystemMetrics(SM_CXDOUBLECLK), 4);
}

}  // namespace
}  // namespace hd

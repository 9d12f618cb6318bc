// The memo: its lines and text, what Return and Tab do, the line and position messages, and
// the window made again when a style it takes at creation changes.
#include <gtest/gtest.h>

#include <memory>

#include "platform/memo.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

class MemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(400, 300);
    memo = new TMemo(form.get());
    memo->SetParent(form.get());
    memo->SetBounds(10, 10, 300, 150);
    next = new TEdit(form.get());
    next->SetParent(form.get());
    next->SetBounds(10, 200, 100, 21);
    form->Show();
    kit.Process();
  }
  TPoint PosFromChar(int index) {
    LRESULT r = memo->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(index));
    return {GET_X_LPARAM(r), GET_Y_LPARAM(r)};
  }
  int Msg(UINT msg, int wp) { return static_cast<int>(memo->Perform(msg, static_cast<WPARAM>(wp))); }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TMemo* memo = nullptr;
  TEdit* next = nullptr;
};

TEST_F(MemoTest, LinesAndTextFollowEachOtherAndWhatTheUserTypes) {
  memo->Lines().Add("alpha");
  memo->Lines().Add("beta");
  EXPECT_EQ(memo->Text(), "alpha\r\nbeta\r\n");
  memo->SetText("x\r\ny");
  EXPECT_EQ(memo->Lines().Count(), 2);
  EXPECT_EQ(memo->Lines().Strings(1), "y");

  memo->Clear();
  memo->SetFocus();
  kit.Type("ab");
  kit.Press(VK_RETURN);
  kit.Type("c");
  EXPECT_EQ(memo->Text(), "ab\r\nc");
  EXPECT_TRUE(memo->Modified());
  TStringList& lines = memo->Lines();
  EXPECT_EQ(lines.Count(), 2);
  EXPECT_EQ(lines.Strings(0), "ab");
  kit.Type("d");
  EXPECT_EQ(lines.Strings(1), "cd") << "a list held on to follows the typing";
  kit.Press(VK_BACK);
  kit.Press(VK_BACK);
  EXPECT_EQ(memo->Text(), "ab\r\n");
  EXPECT_EQ(lines.Count(), 1) << "a line break at the end starts no line";
}

TEST_F(MemoTest, WantReturnsAndWantTabsDecideWhereReturnAndTabGo) {
  struct Case {
    const char* name;
    bool wantReturns;
    bool wantTabs;
    LRESULT dlgcReturnTab;
    const char* text;
    bool focusStays;
  };
  const std::vector<Case> cases = {
      {"both typed", true, true, DLGC_WANTALLKEYS | DLGC_WANTTAB, "a\r\n\t", true},
      {"Tab moves on", true, false, DLGC_WANTALLKEYS, "a\r\n", false},
      {"Return goes to the window", false, true, DLGC_WANTTAB, "a\t", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    memo->SetWantReturns(c.wantReturns);
    memo->SetWantTabs(c.wantTabs);
    EXPECT_EQ(memo->Perform(WM_GETDLGCODE) & (DLGC_WANTALLKEYS | DLGC_WANTTAB), c.dlgcReturnTab);
    memo->SetText("a");
    memo->SetFocus();
    memo->SetSelStart(1);
    kit.Press(VK_RETURN);
    kit.Press(VK_TAB);
    EXPECT_EQ(memo->Text(), c.text);
    EXPECT_EQ(memo->Focused(), c.focusStays);
  }
}

TEST_F(MemoTest, LineMessagesCountALineBreakAsTwoCharacters) {
  memo->SetWordWrap(false);
  memo->SetText("aaaa\r\nbb\r\n\r\ncccc");
  EXPECT_EQ(Msg(EM_GETLINECOUNT, 0), 4);
  struct Line {
    int line, index;
  };
  for (Line l : {Line{0, 0}, Line{1, 6}, Line{2, 10}, Line{3, 12}, Line{4, -1}}) EXPECT_EQ(Msg(EM_LINEINDEX, l.line), l.index) << l.line;
  struct Char {
    int index, line;
  };
  for (Char c : {Char{0, 0}, Char{4, 0}, Char{5, 0}, Char{6, 1}, Char{10, 2}, Char{12, 3}, Char{16, 3}})
    EXPECT_EQ(Msg(EM_LINEFROMCHAR, c.index), c.line) << c.index;
  memo->SetSelStart(7);
  EXPECT_EQ(Msg(EM_LINEFROMCHAR, -1), 1) << "-1: the line of the selection's start";
  EXPECT_EQ(Msg(EM_LINEINDEX, -1), 6) << "-1: the caret's line";
}

TEST_F(MemoTest, PositionMessagesAgreeWithTheLaidOutText) {
  memo->SetWordWrap(false);
  memo->SetText("aaaa\r\nbb\r\n\r\ncccc");
  TPoint a0 = PosFromChar(0), a1 = PosFromChar(1), a2 = PosFromChar(2), b0 = PosFromChar(6), c0 = PosFromChar(12);
  int advance = a1.X - a0.X;
  EXPECT_GT(advance, 0);
  EXPECT_EQ(a2.X - a1.X, advance) << "the same glyph, the same advance";
  EXPECT_EQ(b0.X, a0.X) << "lines start at the formatting rectangle's left";
  int lineHeight = b0.Y - a0.Y;
  EXPECT_GT(lineHeight, 0);
  EXPECT_EQ(c0.Y - a0.Y, 3 * lineHeight);
  EXPECT_EQ(memo->Perform(EM_POSFROMCHAR, 16), -1) << "no character at the end of the text";
  for (int index : {0, 3, 7, 10, 13, 15}) {
    TPoint p = PosFromChar(index);
    LRESULT hit = memo->Perform(EM_CHARFROMPOS, 0, MAKELPARAM(p.X + 1, p.Y + 1));
    EXPECT_EQ(LOWORD(hit), index);
    EXPECT_EQ(HIWORD(hit), Msg(EM_LINEFROMCHAR, index)) << index;
  }

  // The formatting rectangle moves the text.
  TRect r = Rect(20, 12, memo->ClientWidth() - 20, memo->ClientHeight() - 12);
  memo->Perform(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&r));
  TRect got;
  memo->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&got));
  EXPECT_EQ(got, r);
  EXPECT_EQ(PosFromChar(0).Y, 12);
  EXPECT_EQ(PosFromChar(1).X - PosFromChar(0).X, advance);
  EXPECT_NEAR(PosFromChar(0).X, 20, 1);

  // Wrapped, a line of the text is shown as several, and the messages count those.
  int wordWidth = 5 * advance;  // "aaaa " fits, "aaaa aaaa" does not
  memo->SetWordWrap(true);
  memo->SetText("aaaa aaaa aaaa");
  memo->SetWidth(memo->Width() - memo->ClientWidth() + wordWidth + advance + 2);
  kit.Process();
  memo->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&got));
  ASSERT_LT(got.Width(), 9 * advance);
  EXPECT_EQ(Msg(EM_GETLINECOUNT, 0), 3);
  EXPECT_EQ(Msg(EM_LINEINDEX, 1), 5);
  EXPECT_EQ(Msg(EM_LINEINDEX, 2), 10);
  EXPECT_EQ(Msg(EM_LINEFROMCHAR, 13), 2);
  EXPECT_EQ(memo->Lines().Count(), 1) << "the lines are the text's, not the wrapped ones";
}

// A character more than a screen away from the shown lines was placed near them, as if one
// line off, so a caret far down did not seem out of view.
TEST_F(MemoTest, PositionsOfLinesScrolledFarAwayAndScrollCaret) {
  memo->SetWordWrap(false);
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line " + std::to_string(i) + "\r\n";
  memo->SetText(text + "last");
  int lineHeight = PosFromChar(Msg(EM_LINEINDEX, 1)).Y - PosFromChar(0).Y;
  ASSERT_GT(lineHeight, 0);
  int top = PosFromChar(0).Y;
  for (int line : {5, 20, 40}) EXPECT_EQ(PosFromChar(Msg(EM_LINEINDEX, line)).Y, top + line * lineHeight) << line;

  memo->SetFocus();
  int last = Msg(EM_LINEINDEX, 40);
  memo->SetSelStart(last);
  kit.Process();
  TPoint shown = PosFromChar(last);
  EXPECT_GE(shown.Y, 0);
  EXPECT_LT(shown.Y, memo->ClientHeight());
  EXPECT_EQ(PosFromChar(0).Y, shown.Y - 40 * lineHeight) << "the first line, scrolled far up";

  for (int notch = 0; notch < 8; ++notch) kit.Wheel(memo, 50, 50, 120);
  kit.Process();
  int scrolled = PosFromChar(last).Y - shown.Y;
  ASSERT_GT(scrolled, memo->ClientHeight()) << "the wheel took the caret's line out of view";
  EXPECT_EQ(PosFromChar(0).Y, shown.Y + scrolled - 40 * lineHeight);
  EXPECT_EQ(memo->Perform(EM_SCROLLCARET), 1);
  TPoint back = PosFromChar(last);
  EXPECT_GE(back.Y, 0);
  EXPECT_LT(back.Y, memo->ClientHeight());
  EXPECT_EQ(memo->SelStart(), last) << "scrolling moves no caret";
}

TEST_F(MemoTest, StyleChangesMakeTheWindowAgainKeepingTextSelectionAndFocus) {
  memo->SetText("one\r\ntwo");
  memo->SetFocus();
  memo->SetSelStart(2);
  memo->SetSelLength(3);
  TNativeWindow* before = memo->Native();
  int leftBefore = PosFromChar(0).X;

  memo->SetAlignment(taRightJustify);
  kit.Process();
  EXPECT_NE(memo->Native(), before) << "the window is made again";
  EXPECT_EQ(memo->Text(), "one\r\ntwo");
  EXPECT_EQ(memo->SelStart(), 2);
  EXPECT_EQ(memo->SelLength(), 3);
  EXPECT_TRUE(memo->Focused());
  EXPECT_GT(PosFromChar(0).X, leftBefore + 100) << "the new window aligns to the right";

  kit.Type("X");
  EXPECT_EQ(memo->Text(), "onXtwo") << "typing reaches the new window and replaces the selection";
  EXPECT_TRUE(memo->Modified());
  memo->SetWordWrap(false);
  memo->SetScrollBars(ssVertical);
  EXPECT_EQ(memo->Text(), "onXtwo");
  EXPECT_TRUE(memo->Modified()) << "making the window again is no change by code";
}

}  // namespace
}  // namespace hd

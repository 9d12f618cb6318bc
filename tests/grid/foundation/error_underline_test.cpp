#include "grid/foundation/error_underline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

class ErrorUnderlineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(300, 100);
  }
  // Where an edit of the cell lays out character i (past the end: just after the text).
  TPoint CharAt(const std::string& text, int i) {
    TEdit edit(form.get());
    edit.SetParent(form.get());
    edit.SetBounds(cell.Left, cell.Top, cell.Width(), cell.Height());
    edit.SetText(text);
    LRESULT r = edit.Perform(EM_POSFROMCHAR, static_cast<WPARAM>(i));
    return {static_cast<short>(LOWORD(r)), static_cast<short>(HIWORD(r))};
  }
  // The red pixels' box, and the columns that hold one.
  struct Ink {
    TRect box{1000, 1000, -1, -1};
    int columns = 0;
  };
  static Ink RedInk(const TBitmap& bmp) {
    Ink ink;
    for (int x = 0; x < bmp.Width(); ++x) {
      bool any = false;
      for (int y = 0; y < bmp.Height(); ++y) {
        if ((bmp.ScanLine(y)[x] & 0xFFFFFFu) != static_cast<std::uint32_t>(clRed)) continue;
        any = true;
        ink.box = {std::min(ink.box.Left, x), std::min(ink.box.Top, y), std::max(ink.box.Right, x + 1),
                   std::max(ink.box.Bottom, y + 1)};
      }
      ink.columns += any;
    }
    return ink;
  }

  test::TGuiKit kit;
  std::unique_ptr<TForm> form;
  const TRect cell{20, 10, 220, 30};
};

TEST_F(ErrorUnderlineTest, AZigZagUnderTheMarkedCharactersOnly) {
  const std::string text = "Modbus slave 12";
  TBitmap bmp(300, 60);
  DrawWavyUnderline(form.get(), bmp.Canvas(), text, 5, 7, 6, cell);  // "slave"
  const TPoint first = CharAt(text, 7), last = CharAt(text, 11);
  const Ink ink = RedInk(bmp);
  const int base = cell.Top + first.Y + 6;
  // From the first marked character to a step past the last one's start, without a gap.
  EXPECT_EQ(ink.box.Left, cell.Left + first.X - 1);
  EXPECT_GE(ink.box.Right, cell.Left + last.X + 3);
  EXPECT_LE(ink.box.Right, cell.Left + last.X + 8);
  EXPECT_EQ(ink.columns, ink.box.Width());
  // Three pixels of swing under the text, drawn with a two-pixel pen.
  EXPECT_GE(ink.box.Top, base - 1);
  EXPECT_LE(ink.box.Bottom, base + 5);
  EXPECT_GE(ink.box.Height(), 4);
  // It zigs: at the first turn it is up, three pixels on it is down.
  auto redAt = [&](int x, int y) { return (bmp.ScanLine(y)[x] & 0xFFFFFFu) == static_cast<std::uint32_t>(clRed); };
  const int turn = cell.Left + first.X + 3;
  EXPECT_TRUE(redAt(turn, base) || redAt(turn, base - 1));
  EXPECT_FALSE(redAt(turn, base + 3) || redAt(turn, base + 4));
  EXPECT_TRUE(redAt(turn + 3, base + 3) || redAt(turn + 3, base + 2));
  EXPECT_FALSE(redAt(turn + 3, base - 1));
}

TEST_F(ErrorUnderlineTest, ARangeReachingTheEndRunsPastTheLastCharacter) {
  const std::string text = "Modbus slave";
  TBitmap bmp(300, 60);
  DrawWavyUnderline(form.get(), bmp.Canvas(), text, 20, 7, 6, cell);
  const Ink ink = RedInk(bmp);
  EXPECT_EQ(ink.box.Left, cell.Left + CharAt(text, 7).X - 1);
  EXPECT_GE(ink.box.Right, cell.Left + CharAt(text, 11).X + 4 + 3);
  EXPECT_EQ(ink.columns, ink.box.Width());
  // The probe edit is gone again: nothing is left on the owner.
  EXPECT_EQ(form->ControlCount(), 0);
}

}  // namespace
}  // namespace hd

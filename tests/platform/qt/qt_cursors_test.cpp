// Cursors made in code: registered by number on the screen, shown by a control or by the
// screen at once; and WM_SETCURSOR asked before every mouse move.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QPixmap>
#include <memory>

#include "platform/ext_ctrls.h"
#include "platform/qt/qt_native.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

constexpr TCursor kCrossHair = 8010;

// A 16 x 16 cursor: a red square 4..11 where the mask is black, clear elsewhere; hot spot 8, 8.
struct TSquareCursor {
  TBitmap mask, color;
  TSquareCursor() {
    mask.SetSize(16, 16);
    color.SetSize(16, 16);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        bool in = x >= 4 && x < 12 && y >= 4 && y < 12;
        mask.ScanLine(y)[x] = in ? 0xFF000000u : 0xFFFFFFFFu;
        color.ScanLine(y)[x] = 0xFF000000u | static_cast<std::uint32_t>(clRed);
      }
  }
  TIconInfo Info(int hotX = 8, int hotY = 8) { return {false, hotX, hotY, &mask, &color}; }
};

void ExpectSquareCursor(const QCursor& cursor) {
  EXPECT_EQ(cursor.hotSpot(), QPoint(8, 8));
  QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(image.size(), QSize(16, 16));
  EXPECT_EQ(image.pixel(8, 8), qRgba(255, 0, 0, 255));
  EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0);
}

TEST(QtCursors, CursorMadeInCodeShowsOnTheControlAndOnTheScreenAtOnce) {
  TGuiKit kit;
  TSquareCursor square;
  HCURSOR made = CreateIconIndirect(square.Info());
  ASSERT_NE(made, 0u);
  Screen().SetCursors(kCrossHair, made);
  EXPECT_EQ(Screen().Cursors(kCrossHair), made);

  auto form = std::make_unique<TForm>(nullptr);
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetCursor(kCrossHair);
  form->Show();
  ExpectSquareCursor(panel->Native()->widget->cursor());

  Screen().SetCursor(kCrossHair);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  ExpectSquareCursor(*QApplication::overrideCursor());
  Screen().SetCursor(crDefault);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  Screen().SetCursors(kCrossHair, 0);
  DestroyCursor(made);
}

TEST(QtCursors, CursorPartsThatDoNotFitAreRefused) {
  TSquareCursor square;
  TBitmap small;
  small.SetSize(8, 8);
  struct Case {
    const char* name;
    TIconInfo info;
  };
  const Case cases[] = {
      {"no mask", {false, 0, 0, nullptr, &square.color}},
      {"colour of another size", {false, 0, 0, &square.mask, &small}},
      {"hot spot outside", square.Info(16, 3)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CreateIconIndirect(c.info), 0u);
  }
}

TEST(QtCursors, EveryMouseMoveIsPrecededBySetCursorForTheClientArea) {
  TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(10, 10, 100, 100);
  form->Show();
  kit.Process();
  std::vector<std::pair<UINT, LPARAM>> seen;
  auto previous = panel->WindowProc;
  panel->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_SETCURSOR || m.Msg == WM_MOUSEMOVE) seen.emplace_back(m.Msg, m.LParam);
    previous(m);
  };
  kit.MoveMouse(panel, 20, 30);
  kit.MoveMouse(panel, 21, 30);
  panel->WindowProc = previous;
  const LPARAM client = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
  const std::vector<std::pair<UINT, LPARAM>> expected{
      {WM_SETCURSOR, client}, {WM_MOUSEMOVE, MAKELPARAM(20, 30)}, {WM_SETCURSOR, client}, {WM_MOUSEMOVE, MAKELPARAM(21, 30)}};
  EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace hd

// The pointer over the grid through its messages: hover looks with the repaints they cause,
// links, the grid's own sizing of fixed columns, the wheel and zoom, panning, the focus with
// AlwaysEdit, cell hints, balloons, date changes and the focus frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "grid/foundation/arrow_window.h"
#include "grid/foundation/input_settings.h"
#include "grid/foundation/settings.h"
#include "grid/stringgrid/column_size.h"
#include "grid/stringgrid/grid_settings_edit.h"
#include "grid/editing/inplace_text_edit.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/application.h"
#include "platform/desktop.h"
#include "platform/forms.h"
#include "platform/hint_window.h"
#include "platform/layered.h"
#include "platform/messages.h"
#include "platform/shell.h"
#include "platform/std_ctrls.h"
#include "platform/sysutils.h"
#include "platform/tooltips.h"
#include "testkit/gui_kit.h"

namespace hd::test {
namespace {

// A grid that writes down every area it asks to repaint.
class TRecordingGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  std::vector<TRect> Dirty;
  void InvalidateRegion(const TRegion* region, bool erase) override {
    Dirty.push_back(region ? region->Bounds() : ClientRect());
    TExtStringGrid::InvalidateRegion(region, erase);
  }
};

class TLinkSink : public TShellSink {
 public:
  bool Open(const TShellRequest& request) override {
    Files.push_back(request.File);
    return true;
  }
  std::vector<std::string> Files;
};

class PointerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(640, 400);
    other = New<TEdit>(form.get());
    other->SetParent(form.get());
    other->SetBounds(0, 370, 100, 24);
    grid = New<TRecordingGrid>(form.get());
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, 600, 360);
    grid->SetColCount(5);
    grid->SetRowCount(30);
    grid->SetColWidths(0, 40);
    form->Show();
    grid->SetFocus();
    kit.Process();
  }
  void TearDown() override {
    ResetKeyStates();
    form.reset();
  }

  TPoint Centre(int c, int r) const {
    TRect rc = grid->CellRect(c, r);
    return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
  }
  void Mouse(UINT msg, TPoint p, unsigned keys = 0) {
    SetCursorPosition(grid->ClientToScreen(p));
    SendMessage(grid->Handle(), msg, keys, MAKELPARAM(p.X, p.Y));
  }
  void Move(TPoint p, unsigned keys = 0) { Mouse(WM_MOUSEMOVE, p, keys); }
  void Wheel(int notches, unsigned keys = 0) {
    for (int i = 0; i < std::abs(notches); ++i) {
      const int delta = notches < 0 ? -120 : 120;
      SendMessage(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<unsigned>(delta) & 0xFFFF),
                  MAKELPARAM(100, 100));
    }
    kit.Process();
  }
  // The cells asked to repaint since the last call: "row N" for a whole row, else "c:r".
  std::string Painted() {
    std::set<std::string> cells;
    for (const TRect& r : grid->Dirty) {
      int c = -1, row = -1;
      grid->MouseToCell((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2, c, row);
      cells.insert(r.Width() > grid->ClientWidth() / 2 ? "row " + IntToStr(row) : IntToStr(c) + ":" + IntToStr(row));
    }
    grid->Dirty.clear();
    std::string out;
    for (const std::string& s : cells) out += (out.empty() ? "" : " ") + s;
    return out;
  }

  TGuiKit kit;
  TEventLog log;
  std::unique_ptr<TForm> form;
  TEdit* other = nullptr;
  TRecordingGrid* grid = nullptr;
};

TEST_F(PointerTest, RowsAndFixedCellsLightUpUnderThePointerAndGoDarkWhenItLeaves) {
  grid->SetHoverRow(true);
  grid->SetHoverFixedCells(hfAll);
  Move(Centre(2, 3));
  Painted();
  Move(Centre(3, 3));
  EXPECT_EQ(Painted(), "") << "the same row, and no fixed cell either side";
  Move(Centre(2, 4));
  EXPECT_EQ(Painted(), "row 3 row 4");
  Move(Centre(2, 0));
  EXPECT_EQ(Painted(), "2:0 row 0 row 4");
  Move(Centre(0, 5));
  EXPECT_EQ(Painted(), "0:5 2:0 row 0 row 5");
  SendMessage(grid->Handle(), CM_MOUSELEAVE);
  EXPECT_EQ(Painted(), "0:5 row 5");
  Move(Centre(0, 5));
  Painted();
  grid->ResetFixedCellHighlight();
  EXPECT_EQ(Painted(), "0:5");

  struct Case {
    THoverFixedCells Which;
    int Col, Row;
    bool Hover;
  };
  for (const Case& c : {Case{hfNone, 0, 2, false}, Case{hfFixedRows, 0, 2, false}, Case{hfFixedRows, 2, 0, true},
                        Case{hfFixedColumns, 0, 2, true}, Case{hfFixedColumns, 2, 0, false},
                        Case{hfAll, 0, 0, true}, Case{hfAll, 2, 2, false}, Case{hfAll, 9, 0, false}}) {
    grid->SetHoverFixedCells(c.Which);
    EXPECT_EQ(grid->IsHoverFixedCell(c.Col, c.Row), c.Hover) << c.Which << " " << c.Col << ":" << c.Row;
  }
}

TEST_F(PointerTest, LinksFireTheirEventsOnceAndOpenOrMoveTheCellOnAPress) {
  grid->SetColWidths(2, 400);
  grid->SetCells(2, 2, "see <a href=\"http://example.org/a\">site</a> or <a href=\"cell://R5C3\">there</a>");
  grid->OnAnchorEnter = [&](TObject*, int r, int c, const std::string& a) {
    log.Note("enter " + IntToStr(r) + ":" + IntToStr(c) + " " + a);
  };
  grid->OnAnchorExit = [&](TObject*, int, int, const std::string& a) { log.Note("exit " + a); };
  grid->OnAnchorClick = [&](TObject*, int r, int c, const std::string& a, bool&) {
    log.Note("click " + IntToStr(r) + ":" + IntToStr(c) + " " + a);
  };
  const TRect cell = grid->CellRect(2, 2);
  const int y = (cell.Top + cell.Bottom) / 2;
  int siteX = -1, cellX = -1;
  for (int x = cell.Left + 1; x < cell.Right - 1; x += 2) {
    const size_t before = log.Entries().size();
    Move({x, y});
    if (log.Entries().size() > before && log.Entries().back().rfind("enter", 0) == 0)
      (siteX < 0 ? siteX : cellX) = x;
    if (grid->Cursor() == LinkCursor()) {
      EXPECT_GE(siteX, 0);
    }
  }
  Move(Centre(3, 6));
  EXPECT_EQ(log.Text(), "enter 2:2 http://example.org/a exit http://example.org/a enter 2:2 cell://R5C3 exit cell://R5C3");
  EXPECT_EQ(grid->Cursor(), crDefault);
  ASSERT_GT(siteX, 0);
  ASSERT_GT(cellX, siteX);

  TLinkSink sink;
  TShellSink* old = SetShellSink(&sink);
  log.Clear();
  Move({siteX + 2, y});
  EXPECT_EQ(grid->Cursor(), LinkCursor());
  Mouse(WM_LBUTTONDOWN, {siteX + 2, y}, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, {siteX + 2, y});
  Move({cellX + 2, y});
  Mouse(WM_LBUTTONDOWN, {cellX + 2, y}, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, {cellX + 2, y});
  SetShellSink(old);
  EXPECT_EQ(sink.Files, std::vector<std::string>{"http://example.org/a"});
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(grid->Row(), 5);
  EXPECT_NE(log.Text().find("click 2:2 http://example.org/a"), std::string::npos) << log.Text();
  EXPECT_NE(log.Text().find("click 2:2 cell://R5C3"), std::string::npos) << log.Text();
}

TEST_F(PointerTest, AFixedColumnSizesByItsBorderWithItsEventsAndTheSizeHint) {
  grid->MouseActions().SetSizeFixedCol(true);
  grid->SetHintShowSizing(true);
  grid->OnColumnSizing = [&](TObject*, int c, int w) { log.Note("sizing " + IntToStr(c) + " " + IntToStr(w)); };
  grid->OnEndColumnSize = [&](TObject*, int c) { log.Note("end " + IntToStr(c)); };
  const int y = Centre(0, 4).Y;
  Move({20, y});
  EXPECT_EQ(grid->Cursor(), crDefault);
  Move({41, y});
  EXPECT_EQ(grid->Cursor(), crHSplit) << "on the border of the fixed column";
  Mouse(WM_LBUTTONDOWN, {41, y}, MK_LBUTTON);
  Move({46, y}, MK_LBUTTON);
  Move({55, y}, MK_LBUTTON);
  ASSERT_NE(grid->SizeHintWindow(), nullptr);
  EXPECT_TRUE(grid->SizeHintWindow()->Showing());
  EXPECT_EQ(grid->SizeHintWindow()->Caption(), "cw=<b>55</b>");
  Mouse(WM_LBUTTONUP, {55, y});
  EXPECT_EQ(grid->ColWidths(0), 55);
  EXPECT_FALSE(grid->SizeHintWindow()->Showing());
  EXPECT_EQ(log.Text(), "sizing 0 46 sizing 0 55 end 0");
  EXPECT_EQ(grid->Row(), 1) << "the press sized the column and selected nothing";

  // Without SizeFixedCol the border is no handle.
  log.Clear();
  grid->MouseActions().SetSizeFixedCol(false);
  Move({56, y});
  EXPECT_EQ(grid->Cursor(), crDefault);
}

TEST_F(PointerTest, TheWheelMovesScrollsOrZoomsByItsSettings) {
  const int lines = GetWheelScrollLines();
  grid->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool&) { log.Note("down"); };
  struct Case {
    const char* Name;
    TWheelAction Action;
    int Increment;
    bool ParentTakes;
    int Notches;  // negative: towards the user
    int Row, Top;
    const char* Events;
  };
  const Case cases[] = {
      {"move by the desktop's lines", waMoveSelection, 0, false, -1, 1 + lines, -1, ""},
      {"move by the increment", waMoveSelection, 2, false, -1, 3, -1, "down"},
      {"never past the last row", waMoveSelection, 50, false, -1, 29, -1, "down"},
      {"never into the fixed row", waMoveSelection, 0, false, 3, 1, -1, ""},
      {"scroll by the desktop's lines", waScroll, 0, false, -1, 1, 1 + lines, ""},
      {"the parent takes it first", waScroll, 0, true, -1, 1, 1, "down"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    grid->FocusCell(1, 1);
    grid->SetTopRow(1);
    grid->MouseActions().SetWheelAction(c.Action);
    grid->MouseActions().SetWheelIncrement(c.Increment);
    form->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& handled) { handled = c.ParentTakes; };
    log.Clear();
    Wheel(c.Notches);
    EXPECT_EQ(grid->Row(), c.Row);
    if (c.Top >= 0) {
      EXPECT_EQ(grid->TopRow(), c.Top);
    }
    EXPECT_EQ(log.Text(), c.Events);
  }
  form->OnMouseWheel = nullptr;

  // Ctrl zooms by the lines per notch, and stops before the factor would pass 10; the user's
  // widths and heights are kept apart from the steps.
  grid->SetEnableWheel(false);
  const int width = grid->ColWidths(2), height = grid->RowHeights(5);
  Wheel(-10, MK_CONTROL);
  const int steps = 10 / lines;
  EXPECT_EQ(grid->ZoomFactor(), steps * lines);
  EXPECT_EQ(grid->Row(), 1) << "EnableWheel off moves nothing, Ctrl still zooms";
  grid->Zoom(-grid->ZoomFactor());
  EXPECT_EQ(grid->ColWidths(2), width);
  EXPECT_EQ(grid->RowHeights(5), height);
  grid->Zoom(-11);
  EXPECT_EQ(grid->ZoomFactor(), 0) << "beyond the limit nothing happens";
  grid->SetColWidths(3, 2);
  grid->Zoom(-3);
  EXPECT_EQ(grid->ColWidths(3), 2) << "a width that would drop to 0 stays";
}

TEST_F(PointerTest, TheMiddleButtonPansUntilAKeyOrAButtonEndsIt) {
  grid->MouseActions().SetWheelAction(waMoveSelection);
  const TPoint anchor = Centre(2, 5);
  Mouse(WM_MBUTTONDOWN, anchor, MK_MBUTTON);
  EXPECT_EQ(grid->Cursor(), TExtStringGrid::crPanFirst);
  SetCursorPosition(grid->ClientToScreen({anchor.X, anchor.Y + 40}));
  kit.Advance(35);
  EXPECT_GT(grid->Row(), 1) << "the pointer below the anchor moves the current row down";
  EXPECT_EQ(grid->Cursor(), 8001);
  const int row = grid->Row();
  SendMessage(grid->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  kit.Process();
  EXPECT_EQ(grid->Row(), row + 1) << "the key that ends panning is handled as a key";
  EXPECT_EQ(grid->Cursor(), crDefault);
  kit.Advance(50);
  EXPECT_EQ(grid->Row(), row + 1);

  Mouse(WM_MBUTTONDOWN, anchor, MK_MBUTTON);
  Mouse(WM_RBUTTONDOWN, anchor, MK_RBUTTON);
  kit.Advance(50);
  EXPECT_EQ(grid->Cursor(), crDefault);

  grid->SetFixedRowAlways(true);
  grid->SetRowCount(1);
  Mouse(WM_MBUTTONDOWN, {20, 5}, MK_MBUTTON);
  EXPECT_EQ(grid->Cursor(), crDefault) << "no normal rows: nothing to pan";
}

TEST_F(PointerTest, FocusWithAlwaysEditOpensTheEditorButNotOnACheckBox) {
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  grid->Navigation().SetAlwaysEdit(true);
  grid->AddCheckBox(3, 2, false, false);
  grid->FocusCell(3, 2);
  other->SetFocus();
  kit.Process();
  grid->SetFocus();
  kit.Process();
  EXPECT_TRUE(grid->NormalEdit() == nullptr || !grid->NormalEdit()->Visible());
  other->SetFocus();
  grid->FocusCell(2, 2);
  kit.Process();
  grid->SetFocus();
  kit.Process();
  ASSERT_NE(grid->NormalEdit(), nullptr);
  EXPECT_TRUE(grid->NormalEdit()->Visible());
  EXPECT_EQ(grid->CurrentEditor(), edNormal);
}

TEST_F(PointerTest, CellHintsComeFromCommentsLinksCellTextAndOnGridHint) {
  grid->SetColWidths(3, 30);
  grid->SetCells(1, 3, "<b>bold</b> text");
  grid->AddComment(2, 3, "a note");
  grid->SetCells(3, 3, "a text far too long for its cell");
  grid->SetCells(1, 4, "<a href=\"http://x.org\" title=\"Go there\">link</a>");
  auto hint = [&](int c, int r, TPoint at = {-1, -1}) {
    THintInfo info;
    info.CursorPos = at.X >= 0 ? at : Centre(c, r);
    SendMessage(grid->Handle(), CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    return info;
  };
  THintInfo info = hint(2, 3);
  EXPECT_EQ(info.HintStr, "a note");
  EXPECT_EQ(info.HintPos, grid->ClientToScreen({grid->CellRect(2, 3).Right, grid->CellRect(2, 3).Top}));
  EXPECT_EQ(hint(1, 3).HintStr, "");
  grid->SetHintShowCells(true);
  EXPECT_EQ(hint(1, 3).HintStr, "bold text");
  grid->SetHTMLHint(true);
  EXPECT_EQ(hint(1, 3).HintStr, "<b>bold</b> text");
  EXPECT_NE(hint(1, 3).HintWindowClass, nullptr) << "markup shows in the markup hint window";
  grid->SetHintShowCells(false);
  grid->SetHintShowLargeText(true);
  info = hint(3, 3);
  EXPECT_EQ(info.HintStr, "a text far too long for its cell");
  EXPECT_EQ(info.HintPos, grid->ClientToScreen(grid->CellRect(3, 3).TopLeft()));
  EXPECT_EQ(hint(2, 5).HintStr, "") << "a short text needs no hint";
  grid->SetAnchorHint(true);
  const TRect lc = grid->CellRect(1, 4);
  EXPECT_EQ(hint(1, 4, {lc.Left + 6, (lc.Top + lc.Bottom) / 2}).HintStr, "Go there");
  grid->OnGridHint = [&](TObject*, int r, int c, std::string& s) { s = "row " + IntToStr(r) + " col " + IntToStr(c); };
  EXPECT_EQ(hint(2, 6).HintStr, "row 6 col 2");
}

TEST_F(PointerTest, BalloonsAreMadeOnceTrimmedAndAnsweredOnlyWhileEnabled) {
  TBalloonSettings& b = grid->Balloon();
  b.SetInitialDelay(250);
  b.SetTransparency(55);
  b.SetEnable(true);
  b.SetEnable(true);
  const HWND first = grid->BalloonToolTip();
  ASSERT_NE(first, HWND{0});
  TToolTipWindow* tip = FindToolTipWindow(first);
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(tip->DelayTime(TTDT_INITIAL), 250);
  const HWND fresh = CreateToolTipWindow(TTS_BALLOON, grid->Handle());
  SendMessage(fresh, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(250, 0));
  EXPECT_EQ(tip->DelayTime(TTDT_RESHOW), FindToolTipWindow(fresh)->DelayTime(TTDT_RESHOW)) << "-1 is not sent";
  DestroyToolTipWindow(fresh);
  EXPECT_EQ(ToolTipAlpha(first), 200);
  EXPECT_EQ(tip->Title(), "ToolTipText");

  std::vector<std::string> events;
  grid->OnCellBalloon = [&](TObject*, int c, int r, std::string& title, std::string& text, int& icon) {
    events.push_back(IntToStr(c) + ":" + IntToStr(r) + " " + IntToStr(static_cast<int>(text.size())));
    if (r == 4) title = std::string(101, 't');
    if (r == 5) title = std::string(100, 'u');
    icon = 2;
  };
  auto ask = [&](int c, int r) {
    SetCursorPosition(grid->ClientToScreen(Centre(c, r)));
    NMTTDISPINFOW info;
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessage(grid->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info.hdr));
    return info.lpszText;
  };
  grid->SetCells(1, 3, "\r\n\t<b>bold</b>\tand tab");
  EXPECT_EQ(ask(1, 3), " bold and tab") << "tabs become blanks first, so a leading tab stays as a blank";
  grid->SetCells(1, 4, std::string(3000, 'x'));
  const std::string cut = ask(1, 4);
  EXPECT_EQ(cut, std::string(2045, 'x') + "...");
  EXPECT_EQ(tip->Title(), std::string(97, 't') + "...");
  EXPECT_EQ(tip->TitleIcon(), 2);
  ask(1, 5);
  EXPECT_EQ(tip->Title(), std::string(100, 'u'));
  EXPECT_EQ(events, (std::vector<std::string>{"1:3 13", "1:4 2048", "1:5 0"}));

  b.SetEnable(false);
  EXPECT_EQ(grid->BalloonToolTip(), HWND{0});
  EXPECT_EQ(FindToolTipWindow(first), nullptr);
  events.clear();
  EXPECT_EQ(ask(1, 3), "");
  EXPECT_TRUE(events.empty());
  b.SetEnable(true);
  EXPECT_NE(grid->BalloonToolTip(), HWND{0});
}

TEST_F(PointerTest, ADateChangeReportsTheCurrentCellAndZeroForNoDate) {
  std::vector<std::string> got;
  grid->OnDateTimeChange = [&](TObject*, int c, int r, TDateTime d) {
    got.push_back(IntToStr(c) + ":" + IntToStr(r) + " " + FloatToStr(d));
  };
  grid->FocusCell(2, 4);
  NMDATETIMECHANGE change;
  change.hdr.code = DTN_DATETIMECHANGE;
  change.wYear = 2024;
  change.wMonth = 3;
  change.wDay = 0;
  SendMessage(grid->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change.hdr));
  change.wDay = 5;
  SendMessage(grid->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change.hdr));
  EXPECT_EQ(got, (std::vector<std::string>{"2:4 0", "2:4 " + FloatToStr(EncodeDate(2024, 3, 5))}));
}

TEST_F(PointerTest, TheFocusFrameSurroundsTheCellAndNeverCoversIt) {
  const TRect cell = grid->CellRect(2, 3);
  grid->ShowFocusWindow(cell);
  TGridFocusWindow* w = grid->FocusWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->Visible());
  const TPoint at = grid->ClientToScreen(cell.TopLeft());
  EXPECT_EQ(w->BoundsRect(), Rect(at.X - 4, at.Y - 4, at.X - 4 + cell.Width() + 9, at.Y - 4 + cell.Height() + 9));
  const auto region = GetWindowRgn(w->Handle());
  ASSERT_TRUE(region.has_value());
  EXPECT_TRUE(region->Contains(1, 1));
  EXPECT_FALSE(region->Contains(4, 4));
  EXPECT_FALSE(region->Contains(4 + cell.Width() - 1, 4 + cell.Height() - 1));
  EXPECT_TRUE(region->Contains(4 + cell.Width() + 1, 4));
  const TBitmap* picture = LayeredWindowImage(w->Handle());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), cell.Width() + 9);
  grid->HideFocusWindow();
  EXPECT_FALSE(w->Visible());

  // With FocusHelper the editor brings the frame, and the end of the edit takes it away.
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  grid->FocusHelper().SetEnabled(true);
  grid->FocusCell(2, 4);
  grid->ShowInplaceEdit();
  kit.Process();
  EXPECT_TRUE(w->Visible());
  const TPoint at4 = grid->ClientToScreen(grid->CellRect(2, 4).TopLeft());
  EXPECT_EQ(w->BoundsRect().TopLeft(), (TPoint{at4.X - 4, at4.Y - 4}));
  // The frame is a window of its own: it follows the form's moves while it shows, not after.
  const TRect before = w->BoundsRect();
  form->SetBounds(form->Left() + 30, form->Top() + 20, form->Width(), form->Height());
  EXPECT_EQ(w->BoundsRect(), Rect(before.Left + 30, before.Top + 20, before.Right + 30, before.Bottom + 20));
  grid->HideInplaceEdit();
  kit.Process();
  EXPECT_FALSE(w->Visible());
  const TRect hidden = w->BoundsRect();
  form->SetBounds(form->Left() - 30, form->Top(), form->Width(), form->Height());
  EXPECT_EQ(w->BoundsRect(), hidden);
}

}  // namespace
}  // namespace hd::test
namespace hd::test {
namespace {

// With URLUnderlineOnHover links show plain until the pointer is on one: the link ink of the
// cell then matches that of a grid that underlines every link.
TEST_F(PointerTest, TheHoverUnderlineShowsOnlyUnderThePointer) {
  grid->SetColWidths(2, 400);
  grid->SetCells(2, 2, "see <a href=\"http://example.org/a\">site</a> or x");
  auto linkInk = [&]() {
    TBitmap image(grid->ClientWidth(), grid->ClientHeight());
    grid->PaintTo(image.Canvas());
    const TRect c = grid->CellRect(2, 2);
    int n = 0;
    for (int y = c.Top; y < c.Bottom; ++y)
      for (int x = c.Left; x < c.Right; ++x) n += image.Canvas().Pixel(x, y) == clBlue;
    return n;
  };
  const int underlined = linkInk();
  grid->SetURLUnderlineOnHover(true);
  const int plain = linkInk();
  EXPECT_LT(plain, underlined);
  const TRect cell = grid->CellRect(2, 2);
  const int y = (cell.Top + cell.Bottom) / 2;
  for (int x = cell.Left + 1; x < cell.Right && grid->Cursor() != LinkCursor(); x += 2) Move({x, y});
  ASSERT_EQ(grid->Cursor(), LinkCursor());
  EXPECT_EQ(linkInk(), underlined);
  Move(Centre(3, 5));
  EXPECT_EQ(linkInk(), plain);
}

// Every half second the grid timer makes the cell under a resting pointer current with
// Hovering, and repaints the cells that blink.
TEST_F(PointerTest, TheGridTimerFollowsARestingPointerAndBlinksCells) {
  grid->SetHovering(true);
  SetCursorPosition(grid->ClientToScreen(Centre(3, 6)));
  kit.Advance(600);
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(grid->Row(), 6);
  grid->SetHovering(false);
  grid->SetEnableBlink(true);
  grid->SetCells(2, 3, "<blink>on</blink>");
  grid->SetCells(1, 0, "<BLINK>head</BLINK>");
  kit.Process();
  Painted();
  kit.Advance(600);
  EXPECT_EQ(Painted(), "1:0 2:3");
}

// A new size stretches the stretch column to the grid's width (and tells OnGridResize), or keeps
// every column in the proportion it had to the grid's first width.
TEST_F(PointerTest, ASizedGridStretchesItsColumnOrKeepsItsProportions) {
  int resized = 0;
  grid->OnGridResize = [&](TObject*) { ++resized; };
  grid->ColumnSize().SetStretch(true);
  grid->SetBounds(0, 0, 500, 360);
  kit.Process();
  int others = 0;
  for (int c = 0; c < 4; ++c) others += grid->ColWidths(c);
  EXPECT_EQ(grid->ColWidths(4), grid->ClientWidth() - others - 1);
  EXPECT_EQ(resized, 1);
  grid->SetBounds(0, 0, 560, 360);
  EXPECT_EQ(grid->ColWidths(4), grid->ClientWidth() - others - 1);
  EXPECT_EQ(resized, 2);

  grid->ColumnSize().SetStretch(false);
  grid->SetColWidths(4, 64);
  grid->InitOrigColSizes();
  const int w0 = grid->ColWidths(0), w1 = grid->ColWidths(1), first = grid->Width();
  grid->ColumnSize().SetSynchWithGrid(true);
  grid->SetBounds(0, 0, first * 3 / 2, 360);
  const double factor = (grid->Width() + (grid->BorderStyle() == bsSingle ? 2 : 0)) / static_cast<double>(first);
  EXPECT_EQ(grid->ColWidths(0), static_cast<int>(std::lround(w0 * factor)));
  EXPECT_EQ(grid->ColWidths(1), static_cast<int>(std::lround(w1 * factor)));
  grid->SetBounds(0, 0, first, 360);
  EXPECT_NEAR(grid->ColWidths(1), w1, 1) << "the proportions come from the first widths, not the last";
  EXPECT_EQ(resized, 2);
}

// A column move given up (the form took the mouse away) leaves no drag cursor behind.
TEST_F(PointerTest, CancellingALineMoveRestoresTheCursor) {
  grid->SetOptions(grid->Options() + TGridOptions{goColMoving});
  Mouse(WM_LBUTTONDOWN, Centre(2, 0), MK_LBUTTON);
  ASSERT_EQ(grid->GridState(), gsColMoving);
  Screen().SetCursor(crDrag);
  SendMessage(grid->Handle(), WM_CANCELMODE);
  EXPECT_EQ(Screen().Cursor(), crDefault);
  EXPECT_EQ(grid->GridState(), gsNormal);
}

}  // namespace
}  // namespace hd::test

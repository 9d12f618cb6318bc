// The item selector: cells dealt into columns and the panel's size, hit testing at the cell
// edges, lookup by plain upper-cased captions, moves stopping at a disabled item, the
// visible count (also for cells 0 high), selection events, scrolling an item into view and
// painting only the cells in view; the item appearance's presets and Assign.
#include <gtest/gtest.h>

#include <memory>

#include "grid/editors/dropdown/item_selector.h"
#include "platform/forms.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

class ItemSelectorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(50, 50, 400, 400);
    sel = new TExtCustomItemSelector(form.get());
    sel->SetParent(form.get());
    sel->SetBounds(0, 0, 200, 100);
    sel->OnItemSize = [this](TObject*, TSize& s) { s = cell; };
    sel->OnItemSelect = [this](TObject*) { ++selects; };
    form->Show();
    kit.Process();
  }
  void AddItems(std::initializer_list<const char*> captions) {
    for (const char* c : captions) sel->Items().Add()->SetCaption(c);
  }
  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TExtCustomItemSelector* sel = nullptr;
  TSize cell{30, 20};
  int selects = 0;
};

TEST_F(ItemSelectorTest, EmptySelectorAnswersNothing) {
  int w = 0, h = 0;
  sel->GetPanelSize(w, h);
  EXPECT_EQ(w, 100);
  EXPECT_EQ(h, 50);
  EXPECT_EQ(sel->GetVisibleItemCount(), 0);
  EXPECT_FALSE(sel->LookupItem("A"));
  EXPECT_EQ(sel->ItemIndex(), -1);
  EXPECT_THROW(TCustomItemSelector bad(form.get()), Exception);
}

TEST_F(ItemSelectorTest, CellsAreDealtByColumnsAndHitTestedLeftTopInclusive) {
  sel->SetColumns(2);
  AddItems({"a", "b", "c", "d", "e"});
  int w = 0, h = 0;
  sel->GetPanelSize(w, h);
  EXPECT_EQ(w, 2 * 30 + 4);
  EXPECT_EQ(h, 3 * 20 + 4);
  TCustomItemSelector* p = sel->Panel();
  EXPECT_EQ(p->GetItemRect(3), (TRect{32, 22, 62, 42}));
  EXPECT_EQ(p->GetItemRect(5), (TRect{-1, -1, -1, -1}));
  struct Case { int x, y, item; };
  for (Case c : {Case{2, 2, 0}, Case{31, 21, 0}, Case{32, 2, 1}, Case{2, 22, 2}, Case{1, 2, -1}, Case{62, 2, -1},
                 Case{2, 42, 4}, Case{32, 42, -1}, Case{2, 62, -1}})
    EXPECT_EQ(p->ItemAtPos(c.x, c.y), c.item) << c.x << "," << c.y;
  sel->SetColumns(0);  // ignored
  EXPECT_EQ(sel->Columns(), 2);
  // A layout change alone keeps the cells until the next re-layout.
  cell = {40, 20};
  sel->SetItemLayout(ilCaptionTop);
  EXPECT_EQ(p->GetItemRect(1).Left, 32);
  sel->UpdateSelectorPanel();
  EXPECT_EQ(p->GetItemRect(1).Left, 42);
}

TEST_F(ItemSelectorTest, LookupComparesPlainTrimmedUpperCasedCaptionsWithTheStringAsGiven) {
  AddItems({"<b>apple</b> pie", "  Banana", "cherry", "Blueberry"});
  EXPECT_TRUE(sel->LookupItem("BA"));
  EXPECT_EQ(sel->ItemIndex(), 1);
  EXPECT_TRUE(sel->LookupItem("APPLE P"));
  EXPECT_EQ(sel->ItemIndex(), 0) << "markup is stripped before comparing";
  EXPECT_FALSE(sel->LookupItem("ch")) << "the search text is not upper-cased";
  EXPECT_TRUE(sel->LookupItem("B"));
  EXPECT_EQ(sel->ItemIndex(), 1) << "the first match in index order";
}

TEST_F(ItemSelectorTest, MovesStopAtADisabledNeighbourAndReselectingFiresAgain) {
  AddItems({"a", "b", "c", "d"});
  sel->Items().Items(2)->SetEnabled(false);
  sel->SelectNext();
  EXPECT_EQ(sel->ItemIndex(), 0);
  sel->SelectNext();
  sel->SelectNext();
  EXPECT_EQ(sel->ItemIndex(), 1) << "item 2 is disabled: the move stops";
  sel->SetItemIndex(2);
  EXPECT_EQ(sel->ItemIndex(), 1);
  selects = 0;
  sel->SetItemIndex(1);
  EXPECT_EQ(selects, 1);
  sel->SelectLast();
  sel->SelectNext();
  EXPECT_EQ(sel->ItemIndex(), 3);
  // The mouse: any button selects, a disabled item can't be hot.
  const TRect r0 = sel->Panel()->GetItemRect(0);
  HWND panel = sel->Panel()->Handle();
  SendMessage(panel, WM_RBUTTONDOWN, 0, MAKELPARAM(r0.Left + 1, r0.Top + 1));
  SendMessage(panel, WM_RBUTTONUP, 0, MAKELPARAM(r0.Left + 1, r0.Top + 1));
  EXPECT_EQ(sel->ItemIndex(), 0);
  const TRect r2 = sel->Panel()->GetItemRect(2);
  SendMessage(panel, WM_MOUSEMOVE, 0, MAKELPARAM(r2.Left + 1, r2.Top + 1));
  EXPECT_EQ(sel->ItemHot(), -1);
  const TRect r3 = sel->Panel()->GetItemRect(3);
  sel->Items().Items(3)->SetHint("the fourth");
  SendMessage(panel, WM_MOUSEMOVE, 0, MAKELPARAM(r3.Left + 1, r3.Top + 1));
  EXPECT_EQ(sel->ItemHot(), 3);
  EXPECT_EQ(sel->Panel()->Hint(), "the fourth");
}

TEST_F(ItemSelectorTest, VisibleCountScrollingAndPaintingKeepToTheView) {
  for (int i = 0; i < 50; ++i) sel->Items().Add()->SetCaption("item " + std::to_string(i));
  EXPECT_EQ(sel->GetVisibleItemCount(), 100 / 20);
  ASSERT_TRUE(sel->VertScrollBar().IsScrollBarVisible());
  sel->SetItemIndex(30);
  const int top = sel->Panel()->Top() + sel->Panel()->GetItemRect(30).Top;
  const int bottom = sel->Panel()->Top() + sel->Panel()->GetItemRect(30).Bottom;
  EXPECT_EQ(bottom, sel->ClientHeight()) << "brought in at the bottom";
  EXPECT_GE(top, 0);
  sel->SetItemIndex(2);
  EXPECT_EQ(sel->Panel()->Top() + sel->Panel()->GetItemRect(2).Top, 0) << "brought in at the top";
  kit.Process();
  sel->VertScrollBar().SetPosition(sel->VertScrollBar().Position() + sel->ClientHeight());
  // What a paint of the view covers: the panel's part inside the container.
  TBitmap image;
  image.SetSize(sel->Panel()->Width(), sel->Panel()->Height());
  const int viewTop = -sel->Panel()->Top();
  sel->Panel()->PaintTo(image.Canvas(), TRect{0, viewTop, sel->Panel()->Width(), viewTop + sel->ClientHeight()});
  EXPECT_GT(sel->Panel()->PaintedItems(), 0);
  EXPECT_LE(sel->Panel()->PaintedItems(), sel->GetVisibleItemCount() + 1) << "only the cells in view are drawn";
  cell = {30, 0};
  sel->UpdateSelectorPanel();
  EXPECT_EQ(sel->GetVisibleItemCount(), 0) << "cells 0 high: no division by zero";
}

TEST(ItemAppearanceTest, PresetsStylesAndAssignKeepTheHotTextColour) {
  TItemAppearance a(nullptr), b(nullptr);
  EXPECT_EQ(a.ColorStyle(), scOffice2007);
  EXPECT_EQ(a.ColorHot(), 0xD7FFFD);
  EXPECT_EQ(a.ColorMirrorSelectedTo(), 0x68E3F9);
  a.SetColorStyle(scWindows7);
  EXPECT_EQ(a.BorderColor(), 0xCEA27D);
  EXPECT_EQ(a.ColorMirrorHot(), clNone);
  b.SetColorHotText(0x0000FF);
  b.SetColorSelectedText(0x00FF00);
  a.SetColorHotText(0x123456);
  b.Assign(&a);
  EXPECT_EQ(b.ColorStyle(), scWindows7);
  EXPECT_EQ(b.ColorSelected(), 0xF9D8B9);
  EXPECT_EQ(b.ColorHotText(), 0x0000FF) << "not copied";
  EXPECT_EQ(b.ColorSelectedText(), 0x000000);
  SetItemAppearanceStyle(&b, tsOffice2007Luna);
  EXPECT_EQ(b.ColorHot(), 0xEBFDFF);
  EXPECT_EQ(b.EdgeColor(), 0xC3D9DF);
  EXPECT_EQ(b.ColorHotText(), 0x000000);
  b.SetColorHot(1);
  SetItemAppearanceStyle(&b, tsCustom);
  EXPECT_EQ(b.ColorHot(), 1);
  SetItemAppearanceStyle(nullptr, tsWindows7);
}

}  // namespace
}  // namespace hd

// The popup's header and footer strips: the button area and placement (the vertical rule
// kept as it is), the cut of button heights, the footer's modal results that close, cancel
// or leave the popup, Return on a button, the grip only with a sizeable drop-down, the
// button's un-hover timer on the virtual clock, and the bounds-checked pointer list.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/editors/dropdown/dropdown_edit.h"
#include "grid/editors/dropdown/dropdown_strips.h"
#include "platform/exceptions.h"
#include "platform/regional.h"
#include "grid/editors/dropdown/dropdown_fixture.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

class TStripsDropDown : public TExtCustomDropDown {
 public:
  using TExtCustomDropDown::TExtCustomDropDown;
  TEdit* content = nullptr;

 protected:
  void CreateDropDownForm() override {
    TExtCustomDropDown::CreateDropDownForm();
    if (content) return;
    content = new TEdit(this);
    content->SetBounds(0, 0, 200, 90);
    SetDropDownControl(content);
  }
};

class DropDownStripsTest : public test::DropDownFixture<TStripsDropDown> {
 protected:
  void SetUp() override {
    ShowForm([this] {
      drop->OnDropUp = [this](TObject*, bool cancelled) { events.push_back(cancelled ? "up cancelled" : "up kept"); };
      drop->OnDropDownFooterButtonClick = [this](TObject* Sender, int Index) {
        EXPECT_EQ(Sender, drop);
        events.push_back("footer " + std::to_string(Index));
      };
    });
  }
  void Open() {
    drop->ShowDropDown();
    kit.Process();
    ASSERT_TRUE(drop->DroppedDown());
  }
  bool Down() { return drop->DropDownForm()->Visible(); }

  std::vector<std::string> events;
};

TEST_F(DropDownStripsTest, ButtonsAreCutToTheAreaAndPlacedFromTheirEdge) {
  auto& header = drop->DropDownHeader();
  THeaderButton* a = header.Buttons().Add();
  a->SetCaption("First");
  a->SetWidth(40);
  a->SetHeight(30);
  THeaderButton* b = header.Buttons().Add();
  b->SetCaption("Second");
  b->SetWidth(50);
  Open();
  TExtHeader* h = drop->DropDownForm()->Header();
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->Height(), 22);
  const TRect area = h->ButtonArea();
  EXPECT_EQ(area, (TRect{2, 2, h->ClientWidth() - 2, 22 - 3}));
  ASSERT_EQ(h->ButtonList().Count(), 2);
  TExtButton* first = h->Button(0);
  TExtButton* second = h->Button(1);
  EXPECT_EQ(first->Height(), 17) << "a taller description is cut to the area";
  EXPECT_EQ(first->Width(), 40);
  EXPECT_EQ(first->Left() + first->Width(), area.Right);
  EXPECT_EQ(second->Left() + second->Width(), first->Left());
  // The vertical rule as the strips always had it: max(area top, (area bottom - height) / 2).
  EXPECT_EQ(first->Top(), std::max(2, (19 - 17) / 2));
  EXPECT_EQ(second->Top(), std::max(2, (19 - second->Height()) / 2));
  h->Appearance().SetButtonAlignment(baLeft);
  h->PlaceButtons();
  EXPECT_EQ(first->Left(), 2);
  EXPECT_EQ(second->Left(), 42);
  // The button appearance is the drop-down's; fitting adds 8 and 4 to the caption's size.
  EXPECT_EQ(second->Appearance(), &drop->ButtonAppearance());
  TExtButton fitted(nullptr);
  fitted.SetCaption("Second");
  fitted.SetAppearance(&drop->ButtonAppearance());
  fitted.FitToContent();
  TBitmap measure;
  measure.SetSize(1, 1);
  measure.Canvas().SetFont(drop->ButtonAppearance().Font());
  const TSize t = GetTextSize(measure.Canvas(), "Second");
  EXPECT_EQ(fitted.Width(), t.cx + 8);
  EXPECT_EQ(fitted.Height(), t.cy + 4);
}

TEST_F(DropDownStripsTest, FooterModalResultsCloseKeepOrCancelBeforeTheEvent) {
  const TModalResult results[] = {mrOk, mrCancel, mrRetry, mrNo, mrYesToAll, mrNone};
  for (TModalResult r : results) drop->DropDownFooter().Buttons().Add()->SetModalResult(r);
  struct Case { int index; bool closes; const char* up; };
  for (Case c : {Case{0, true, "up kept"}, Case{1, true, "up cancelled"}, Case{2, false, nullptr},
                 Case{3, true, "up cancelled"}, Case{4, true, "up kept"}, Case{5, false, nullptr}}) {
    events.clear();
    Open();
    TExtFooter* f = drop->DropDownForm()->Footer();
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(f->ButtonList().Count(), 6);
    kit.Click(f->Button(c.index));
    kit.Process();
    EXPECT_EQ(Down(), !c.closes) << c.index;
    std::vector<std::string> expected;
    if (c.up) expected.push_back(c.up);
    expected.push_back("footer " + std::to_string(c.index));
    EXPECT_EQ(events, expected) << c.index;
    if (Down()) drop->HideDropDown(false);
    kit.Process();
  }
  // Return on a focused button closes by its result without the button event.
  events.clear();
  Open();
  TExtButton* ok = drop->DropDownForm()->Footer()->Button(0);
  SendMessage(ok->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(events, std::vector<std::string>{"up kept"});
}

TEST_F(DropDownStripsTest, GripNeedsASizeableDropDownAndDrawBackGroundReplacesThePainting) {
  Open();
  TExtFooter* f = drop->DropDownForm()->Footer();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->GripActive());
  EXPECT_EQ(f->ButtonArea().Right, f->ClientWidth() - 14);
  EXPECT_TRUE(f->InGripZone(f->Width() - 5, f->Height() - 5));
  EXPECT_FALSE(f->InGripZone(f->Width() - 12, f->Height() - 5));
  const int before = drop->DropDownForm()->Width();
  kit.MouseDown(f, f->Width() - 4, f->Height() - 4);
  kit.MoveMouse(drop->DropDownForm(), drop->DropDownForm()->Width() + 26, drop->DropDownForm()->Height() + 6, {ssLeft});
  kit.MouseUp(drop->DropDownForm(), drop->DropDownForm()->Width(), drop->DropDownForm()->Height());
  EXPECT_GT(drop->DropDownForm()->Width(), before + 20) << "the grip sizes the popup";
  drop->HideDropDown(false);
  drop->SetDropDownSizeable(false);
  int backgrounds = 0;
  drop->OnDrawFooter = [&](TObject*, TCanvas*, TRect) { ++backgrounds; };
  Open();
  EXPECT_FALSE(f->GripActive());
  EXPECT_EQ(f->ButtonArea().Right, f->ClientWidth() - 2);
  EXPECT_FALSE(f->InGripZone(f->Width() - 5, f->Height() - 5));
  f->Repaint();
  kit.Process();
  EXPECT_GT(backgrounds, 0);
}

TEST_F(DropDownStripsTest, UnHoverTimerClearsTheHotMarkOnceTheCursorHasLeft) {
  drop->DropDownHeader().Buttons().Add()->SetCaption("Go");
  Open();
  TExtButton* b = drop->DropDownForm()->Header()->Button(0);
  kit.MoveMouse(b, 3, 3);
  kit.Process();
  EXPECT_TRUE(b->MouseInControl());
  EXPECT_TRUE(b->UnHotTimerRunning());
  kit.MoveMouse(drop->DropDownForm()->Header(), 1, 1);
  kit.Advance(10);
  EXPECT_FALSE(b->MouseInControl());
  EXPECT_FALSE(b->UnHotTimerRunning());
}

TEST(DbgListTest, RefusesIndexesOutsideTheListOnBothSides) {
  TDbgList list;
  int a = 1, b = 2;
  list.Add(&a);
  list.Add(&b);
  EXPECT_EQ(list.Items(1), &b);
  for (int bad : {-1, 2}) {
    try {
      list.Items(bad);
      ADD_FAILURE() << bad;
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), "Index out of bounds in list read access");
    }
    try {
      list.SetItems(bad, &a);
      ADD_FAILURE() << bad;
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), "Index out of bounds in list write access");
    }
  }
  TDbgList copy;
  copy.Add(&b);
  copy.AssignList(list);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.Items(0), &a);
}

}  // namespace
}  // namespace hd

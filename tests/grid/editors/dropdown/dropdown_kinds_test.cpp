// The slider, memo and detail drop-downs through their real edits: the keys and drags that
// move the slider's value and the text it refuses; the memo's one-line summary with typing
// on and off, Escape restoring the lines and AutoDrop not reopening; the detail list's
// completion, page keys from no choice, Escape and the lookup's 500 ms window.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/editors/dropdown/detail_dropdown.h"
#include "grid/editors/dropdown/memo_dropdown.h"
#include "grid/editors/dropdown/trackbar_dropdown.h"
#include "platform/regional.h"
#include "grid/editors/dropdown/dropdown_fixture.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

template <class Kind>
class KindFixture : public test::DropDownFixture<Kind> {
 protected:
  void SetUp() override {
    this->ShowForm([this] {
      other = this->AddOtherEdit();
      this->drop->OnDropUp = [this](TObject*, bool cancelled) { dropUps.push_back(cancelled); };
    });
  }
  bool Down() { return this->drop->DropDownForm() && this->drop->DropDownForm()->Visible(); }

  TEdit* other = nullptr;
  std::vector<bool> dropUps;
};

using TrackBarDropDownTest = KindFixture<TExtTrackBarDropDown>;

TEST_F(TrackBarDropDownTest, KeysStepByFrequencyWithinTheRangeAndTheSliderClamps) {
  EXPECT_FALSE(drop->EditorEnabled());
  EXPECT_TRUE(drop->ForceShadow());
  EXPECT_FALSE(drop->DropDownHeader().Visible());
  for (int i = 0; i < 11; ++i) kit.Press(VK_DOWN);
  EXPECT_EQ(drop->Position(), 10);
  EXPECT_EQ(drop->Text(), "10");
  drop->SetPosition(0);
  kit.Press(VK_UP);
  EXPECT_EQ(drop->Position(), 0);
  drop->SetFrequency(3);
  kit.Press(VK_DOWN);
  kit.Press(VK_DOWN);
  kit.Press(VK_DOWN);
  kit.Press(VK_DOWN);
  EXPECT_EQ(drop->Position(), 9) << "9 + 3 would pass Max";
  drop->SetPosition(99);
  EXPECT_EQ(drop->Position(), 10);
  // A range wholly above the old one reaches the slider whole at the next opening.
  drop->SetMax(30);
  drop->SetMin(20);
  EXPECT_EQ(drop->Min(), 20);
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  EXPECT_EQ(drop->TrackBar()->Min(), 20);
  EXPECT_EQ(drop->TrackBar()->Max(), 30);
  EXPECT_EQ(drop->Position(), 20);
  EXPECT_FALSE(drop->DropDownForm()->CancelOnDeActivate());
  EXPECT_EQ(drop->DropDownForm()->Width(), drop->Width());
}

TEST_F(TrackBarDropDownTest, SliderMovesFireChangeThenTrackChangeAndBadTextIsRefused) {
  std::vector<std::string> events;
  drop->OnChange = [&](TObject*) { events.push_back("change " + drop->Text()); };
  drop->OnTrackChange = [&](TObject*) { events.push_back("track"); };
  drop->TrackBar()->SetPosition(4);
  EXPECT_EQ(events, (std::vector<std::string>{"change 4", "track"}));
  EXPECT_EQ(drop->Position(), 4);
  drop->SetEditorEnabled(true);
  drop->SetEditType(etString);
  drop->SetText("abc");
  EXPECT_EQ(drop->Position(), 4) << "no integer: the value stays";
  EXPECT_EQ(drop->TrackBar()->Position(), 4);
  drop->SetText("7");
  EXPECT_EQ(drop->Position(), 7);
}

TEST_F(TrackBarDropDownTest, DragsMoveByWholePageSizes) {
  drop->SetPosition(5);
  drop->SetDropDownEnabled(true);
  kit.MouseDown(drop, 60, 10);
  for (int x = 61; x <= 70; ++x) kit.MoveMouse(drop, x, 10, {ssLeft});
  EXPECT_EQ(drop->Position(), 5) << "1 pixel per move divided by 2 is 0";
  kit.MoveMouse(drop, 65, 10, {ssLeft});
  EXPECT_EQ(drop->Position(), 3) << "5 pixels left lower it by 2";
  drop->SetPageSize(0);
  kit.MoveMouse(drop, 20, 10, {ssLeft});
  EXPECT_EQ(drop->Position(), 3) << "page size 0 drags nothing";
  kit.MouseUp(drop, 20, 10);
  drop->SetPageSize(2);
  kit.MoveMouse(drop, 100, 10);
  EXPECT_EQ(drop->Position(), 3) << "the drag ended";
}

using MemoDropDownTest = KindFixture<TExtMemoDropDown>;

TEST_F(MemoDropDownTest, SummaryFollowsTypingAndWidth) {
  drop->SetEditorEnabled(false);
  drop->MemoText().SetText("one\r\ntwo");
  EXPECT_EQ(drop->Text(), "one...");
  drop->MemoText().SetText("one");
  EXPECT_EQ(drop->Text(), "one");
  const std::string longLine(200, 'w');
  drop->MemoText().SetText(longLine + "\r\nsecond");
  const std::string shown = drop->Text();
  ASSERT_GT(shown.size(), 3u);
  EXPECT_EQ(shown.substr(shown.size() - 3), "...");
  EXPECT_LT(shown.size(), longLine.size());
  EXPECT_EQ(shown.substr(0, shown.size() - 3), longLine.substr(0, shown.size() - 3));
  drop->SetEditorEnabled(true);
  drop->MemoText().SetText("one\r\ntwo\r\n");
  EXPECT_EQ(drop->Text(), "one\r\ntwo");
  EXPECT_EQ(drop->MemoText().Count(), 2);
}

TEST_F(MemoDropDownTest, EscapeRestoresTheLinesAndClosingElsewhereKeepsThem) {
  drop->SetEditorEnabled(false);
  drop->MemoText().SetText("alpha\r\nbeta");
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  EXPECT_EQ(drop->Memo()->Text(), "alpha\r\nbeta");
  EXPECT_TRUE(drop->Memo()->Focused());
  kit.Press(VK_END);
  kit.Type("X");
  kit.Press(VK_RETURN);  // stays in the memo
  EXPECT_TRUE(Down());
  kit.Press(VK_ESCAPE);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(dropUps, std::vector<bool>{true});
  EXPECT_EQ(drop->MemoText().Count(), 2);
  EXPECT_EQ(drop->MemoText()[1], "beta");
  EXPECT_EQ(drop->Text(), "alpha...");
  // Another window taking the activation closes the popup keeping the edits.
  drop->ShowDropDown();
  kit.Process();
  drop->Memo()->SetText("gamma\r\ndelta");
  drop->SetMemoReadOnly(true);
  EXPECT_TRUE(drop->Memo()->ReadOnly()) << "applied at once";
  kit.Click(other);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->MemoText()[0], "gamma");
  EXPECT_EQ(drop->Text(), "gamma...");
}

TEST_F(MemoDropDownTest, AutoDropOpensOnEnteringButNotWhenTheFocusComesBack) {
  drop->SetAutoDrop(true);
  other->SetFocus();
  kit.Process();
  drop->SetFocus();
  kit.Process();
  ASSERT_TRUE(Down());
  kit.Press(VK_F4);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_TRUE(drop->Focused());
  kit.Process();
  EXPECT_FALSE(Down()) << "the focus coming back does not reopen it";
}

using DetailDropDownTest = KindFixture<TExtDetailDropDown>;

void AddDetails(TExtDetailDropDown* d, std::initializer_list<const char*> captions) {
  for (const char* c : captions) d->Items().Add()->SetCaption(c);
}

TEST_F(DetailDropDownTest, TypingCompletesFromTheFirstCaptionKeepingTheTypedCase) {
  AddDetails(drop, {"Apple", "Banana", "Blueberry"});
  kit.Type("b");
  EXPECT_EQ(drop->Text(), "banana");
  EXPECT_EQ(drop->SelStart(), 1);
  EXPECT_EQ(drop->SelLength(), 5);
  EXPECT_EQ(drop->ItemIndex(), 1);
  kit.Type("l");
  EXPECT_EQ(drop->Text(), "blueberry");
  EXPECT_EQ(drop->ItemIndex(), 2);
  kit.Type("x");
  EXPECT_EQ(drop->Text(), "blx") << "no caption begins so: the typed part stays";
  // Return finds only an exact caption.
  drop->SetText("Banana");
  int selects = 0;
  drop->OnSelect = [&](TObject*) { ++selects; };
  kit.Press(VK_RETURN);
  EXPECT_EQ(drop->ItemIndex(), 1);
}

TEST_F(DetailDropDownTest, PageKeysStartFromNoChoiceAndEscapeRestoresTheOpeningItem) {
  for (int i = 0; i < 10; ++i) drop->Items().Add()->SetCaption("entry " + std::to_string(i));
  drop->ItemSelector()->SetAlign(alNone);
  drop->ItemSelector()->SetBounds(0, 0, drop->ItemSelector()->Width(), 4 * drop->ItemHeight());
  kit.Press(VK_NEXT);
  ASSERT_EQ(drop->ItemSelector()->GetVisibleItemCount(), 4);
  EXPECT_EQ(drop->ItemIndex(), 3);
  EXPECT_EQ(drop->Text(), "entry 3");
  kit.Press(VK_NEXT);
  kit.Press(VK_NEXT);
  EXPECT_EQ(drop->ItemIndex(), 9);
  kit.Press(VK_PRIOR);
  EXPECT_EQ(drop->ItemIndex(), 5);
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  kit.Press(VK_DOWN);
  kit.Press(VK_DOWN);
  EXPECT_TRUE(Down()) << "list moves keep the popup open";
  EXPECT_EQ(drop->ItemIndex(), 7);
  kit.Press(VK_ESCAPE);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->ItemIndex(), 5);
  EXPECT_EQ(drop->Text(), "entry 5");
  // Closed, Up and Down move the choice in the edit.
  kit.Press(VK_UP);
  EXPECT_EQ(drop->ItemIndex(), 4);
}

TEST_F(DetailDropDownTest, LookupLettersShareOneWindowOf500Milliseconds) {
  AddDetails(drop, {"Alpha", "Beta", "Bravo", "Charlie"});
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  SendMessage(drop->Handle(), WM_KEYDOWN, 'B', 0);
  kit.Advance(300);
  SendMessage(drop->Handle(), WM_KEYDOWN, 'R', 0);
  EXPECT_EQ(drop->CurSearch(), "BR");
  EXPECT_EQ(drop->ItemSelector()->ItemIndex(), 2);
  kit.Advance(250);  // 550 ms after the first letter: the second did not restart the window
  EXPECT_EQ(drop->CurSearch(), "");
  if (!Down()) {
    drop->ShowDropDown();
    kit.Process();
  }
  SendMessage(drop->Handle(), WM_KEYDOWN, 'C', 0);
  EXPECT_EQ(drop->CurSearch(), "C");
  EXPECT_EQ(drop->ItemSelector()->ItemIndex(), 3);
}

}  // namespace
}  // namespace hd

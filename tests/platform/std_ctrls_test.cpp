// The standard controls: notifications (also for changes made by code), typing, accelerators.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/page_control.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TEventLog;
using test::TGuiKit;

class StdCtrlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(400, 300);
  }
  void ShowForm() {
    form->Show();
    kit.Process();
  }
  template <class T>
  T* Add(int left, int top, TWinControl* parent = nullptr) {
    auto* c = new T(form.get());
    c->SetParent(parent ? parent : form.get());
    c->SetLeft(left);
    c->SetTop(top);
    return c;
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
};

TEST_F(StdCtrlsTest, EditTellsWhereEachCharacterStartsAndKeepsItsSelection) {
  auto* edit = Add<TEdit>(10, 10);
  edit->SetText("Wavy line");
  auto pos = [&](int i) {
    LRESULT r = SendMessage(edit->Handle(), EM_POSFROMCHAR, static_cast<WPARAM>(i));
    return TPoint{static_cast<short>(LOWORD(r)), static_cast<short>(HIWORD(r))};
  };
  auto charAt = [&](TPoint p) {
    return static_cast<int>(SendMessage(edit->Handle(), EM_CHARFROMPOS, 0, MAKELPARAM(p.X, p.Y)));
  };
  // Asked before the edit was ever shown, it answers as it does once shown.
  std::vector<TPoint> hidden;
  for (int i = 0; i <= 9; ++i) hidden.push_back(pos(i));
  ShowForm();
  edit->SetSelStart(2);
  edit->SetSelLength(3);
  for (int i = 0; i <= 9; ++i) {
    SCOPED_TRACE(i);
    TPoint p = pos(i);
    EXPECT_EQ(p, hidden[static_cast<size_t>(i)]);
    EXPECT_EQ(p.Y, hidden[0].Y);
    EXPECT_EQ(charAt(p), i);
    if (i > 0) {
      EXPECT_GT(p.X, hidden[static_cast<size_t>(i - 1)].X);
    }
  }
  EXPECT_GT(hidden[0].X, 0);
  EXPECT_EQ(pos(20), pos(9));  // past the end: just after the text
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 3);
}

TEST_F(StdCtrlsTest, EditReportsEveryChangeAlsoThoseMadeByCode) {
  auto* edit = Add<TEdit>(10, 10);
  ShowForm();
  std::vector<std::string> changes;
  edit->OnChange = [&](TObject*) { changes.push_back(edit->Text()); };

  edit->SetText("a");
  EXPECT_FALSE(edit->Modified());
  edit->SetText("a");  // the same text is no change
  edit->SetSelStart(1);
  kit.Type("bc");
  EXPECT_TRUE(edit->Modified());
  kit.Press(VK_BACK);
  edit->SetSelStart(0);
  edit->SetSelLength(1);
  edit->SetSelText("X");
  EXPECT_EQ(changes, (std::vector<std::string>{"a", "ab", "abc", "ab", "Xb"}));

  // A change notification reaches the parent as WM_COMMAND before it comes back.
  std::vector<WPARAM> commands;
  auto previous = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_COMMAND) commands.push_back(m.WParam);
    previous(m);
  };
  edit->SetText("z");
  form->WindowProc = previous;
  EXPECT_EQ(commands, std::vector<WPARAM>{MAKEWPARAM(0, EN_CHANGE)});
}

TEST_F(StdCtrlsTest, KeyPressCanSwallowOrReplaceTheCharacter) {
  auto* edit = Add<TEdit>(10, 10);
  ShowForm();
  edit->OnKeyPress = [](TObject*, TKeyChar& key) {
    if (key == '.') key = 0;
    if (key == 'x') key = 'X';
  };
  kit.Type("1.2x");
  EXPECT_EQ(edit->Text(), "12X");

  // With key preview the form sees the character first and may take it.
  form->SetKeyPreview(true);
  std::string seen;
  form->OnKeyPress = [&](TObject*, TKeyChar& key) {
    seen += static_cast<char>(key);
    if (key == 'q') key = 0;
  };
  kit.Type("qy");
  EXPECT_EQ(seen, "qy");
  EXPECT_EQ(edit->Text(), "12Xy");
}

TEST_F(StdCtrlsTest, MaxLengthLimitsTypingButNotCode) {
  auto* edit = Add<TEdit>(10, 10);
  ShowForm();
  edit->SetMaxLength(3);
  edit->SetText("abcdef");
  EXPECT_EQ(edit->Text(), "abcdef") << "text set by code is not cut";
  edit->SetText("");
  kit.Type("12345");
  EXPECT_EQ(edit->Text(), "123");
  edit->SetSelStart(1);
  edit->SetSelLength(1);
  kit.Type("xy");
  EXPECT_EQ(edit->Text(), "1x3") << "typing over a selection may use its room";
}

// The room a selection frees was counted over the first units of the whole text instead of
// the selection's own characters: a selected character outside the 16-bit range let a paste
// run past the limit.
TEST_F(StdCtrlsTest, PasteOverASelectionKeepsToMaxLength) {
  auto* edit = Add<TEdit>(10, 10);
  ShowForm();
  edit->SetMaxLength(4);
  edit->SetText("ab\xF0\x9F\x98\x80" "c");
  edit->SetSelStart(2);
  edit->SetSelLength(1);
  ASSERT_EQ(edit->SelText(), "\xF0\x9F\x98\x80");
  auto* source = Add<TEdit>(10, 40);
  source->SetText("xyz");
  source->SelectAll();
  source->CopyToClipboard();
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text(), "abxc");
}

// Shift+Insert went to the widget's own paste, past MaxLength, CharCase and the rule that a
// single-line edit takes the first line: "12345\nxyz" arrived whole, newline included.
TEST_F(StdCtrlsTest, ClipboardKeysOfTheEditGoThroughItsMessages) {
  auto* edit = Add<TEdit>(10, 10);
  auto* source = Add<TEdit>(10, 40);
  ShowForm();
  source->SetText("ab12\nxyz");
  source->SelectAll();
  source->CopyToClipboard();
  edit->SetMaxLength(3);
  edit->SetCharCase(ecUpperCase);
  edit->SetFocus();
  kit.Press(VK_INSERT, {ssShift});
  EXPECT_EQ(edit->Text(), "AB1");

  edit->SelectAll();
  kit.Press(VK_INSERT, {ssCtrl});
  source->SetText("");
  source->PasteFromClipboard();
  EXPECT_EQ(source->Text(), "AB1") << "Ctrl+Insert copies";
  edit->SetSelStart(1);
  edit->SetSelLength(1);
  kit.Press(VK_DELETE, {ssShift});
  EXPECT_EQ(edit->Text(), "A1") << "Shift+Delete cuts";
  source->SetText("");
  source->PasteFromClipboard();
  EXPECT_EQ(source->Text(), "B");
  kit.Press(VK_DELETE);
  EXPECT_EQ(edit->Text(), "A") << "Delete alone deletes";
}

TEST_F(StdCtrlsTest, SelectionIsCountedInCharacters) {
  auto* edit = Add<TEdit>(10, 10);
  ShowForm();
  edit->SetText("\xC3\xA4\xC3\xB6\xC3\xBC\xE2\x82\xAC!");  // äöü€!
  edit->SetSelStart(2);
  edit->SetSelLength(2);
  EXPECT_EQ(edit->SelText(), "\xC3\xBC\xE2\x82\xAC");
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 2);
  LRESULT sel = SendMessage(edit->Handle(), EM_GETSEL);
  EXPECT_EQ(LOWORD(sel), 2);
  EXPECT_EQ(HIWORD(sel), 4);
}

TEST_F(StdCtrlsTest, CheckBoxClicksOnEveryChangeOfState) {
  auto* box = Add<TCheckBox>(10, 10);
  box->SetCaption("&Internet");
  ShowForm();
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };

  box->SetChecked(true);
  EXPECT_EQ(clicks, 1) << "a change made by code clicks too";
  box->SetChecked(true);
  EXPECT_EQ(clicks, 1);
  kit.Click(box, 5, 8);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(GetFocus(), box->Handle());
  kit.Press(VK_SPACE);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 3);
  kit.Press('I', {ssAlt});
  EXPECT_FALSE(box->Checked()) << "its accelerator toggles it";
  EXPECT_EQ(clicks, 4);
  SendMessage(box->Handle(), BM_SETCHECK, cbChecked);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 4) << "BM_SETCHECK does not click";

  box->SetWidth(300);
  kit.Click(box, 250, 8);
  EXPECT_FALSE(box->Checked()) << "a click beside a short caption still toggles it";
  EXPECT_EQ(clicks, 5);
}

TEST_F(StdCtrlsTest, ButtonClicksOnceByMouseAndBySpace) {
  auto* button = Add<TButton>(10, 10);
  button->SetCaption("Go");
  ShowForm();
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  kit.Click(button);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetFocus(), button->Handle());
  kit.Press(VK_SPACE);
  EXPECT_EQ(clicks, 2);
  kit.Press('G');
  EXPECT_EQ(clicks, 2) << "other keys do not click";
  EXPECT_EQ(button->Caption(), "Go");
}

// The pixels of the control's picture, read back from the PNG the kit renders.
std::string PictureBytes(TGuiKit& kit, TControl* c, const std::string& name) {
  std::ifstream in(kit.RenderPng(c, name), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(StdCtrlsTest, CheckBoxReachedByTabShowsWhereTheFocusIs) {
  auto* first = Add<TCheckBox>(10, 10);
  first->SetCaption("Firmware");
  first->SetWidth(200);
  auto* second = Add<TCheckBox>(10, 40);
  second->SetCaption("Configuration");
  second->SetWidth(200);
  ShowForm();

  first->SetFocus();
  const std::string unmarked = PictureBytes(kit, first, "check_box_focus_by_code");
  ASSERT_FALSE(unmarked.empty());
  kit.Press(VK_TAB);
  ASSERT_EQ(GetFocus(), second->Handle());
  kit.Press(VK_TAB, {ssShift});
  ASSERT_EQ(GetFocus(), first->Handle());
  EXPECT_TRUE(PictureBytes(kit, first, "check_box_focus_by_tab") != unmarked)
      << "a user moving with the keyboard sees the focus mark";
}

// The list box marks its focused item with the platform's focus rectangle once the user moves
// with the keyboard: the only change is every other pixel of the item's outline, inverted.
TEST_F(StdCtrlsTest, ListBoxReachedByTabMarksTheItemThatHasTheFocus) {
  auto* edit = Add<TEdit>(10, 10);
  auto* list = Add<TListBox>(10, 40);
  list->SetBounds(10, 40, 200, 100);
  for (const char* item : {"Plant 1", "Plant 2", "Plant 3"}) list->Items().Add(item);
  list->SetItemIndex(1);
  ShowForm();

  list->SetFocus();
  TBitmap plain, marked;
  plain.LoadFromFile(kit.RenderPng(list, "list_box_focus_by_code"));
  kit.Press(VK_TAB, {ssShift});
  ASSERT_EQ(GetFocus(), edit->Handle());
  kit.Press(VK_TAB);
  ASSERT_EQ(GetFocus(), list->Handle());
  marked.LoadFromFile(kit.RenderPng(list, "list_box_focus_by_tab"));
  ASSERT_EQ(plain.Width(), marked.Width());
  ASSERT_EQ(plain.Height(), marked.Height());

  std::vector<TPoint> changed;
  TRect box{plain.Width(), plain.Height(), -1, -1};
  for (int y = 0; y < plain.Height(); ++y)
    for (int x = 0; x < plain.Width(); ++x) {
      const std::uint32_t before = plain.ScanLine(y)[x] & 0xFFFFFF, after = marked.ScanLine(y)[x] & 0xFFFFFF;
      if (before == after) continue;
      EXPECT_EQ(after, before ^ 0xFFFFFF) << "at " << x << "," << y;
      changed.push_back({x, y});
      box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x), std::max(box.Bottom, y)};
    }
  ASSERT_FALSE(changed.empty()) << "a user moving with the keyboard sees the focus mark";
  EXPECT_GT(box.Top, 8) << "on the second item, not the first";
  EXPECT_LT(box.Bottom - box.Top, 30) << "around one item";
  EXPECT_GT(box.Right - box.Left, 150) << "across the list's width";
  for (const TPoint& p : changed) {
    EXPECT_TRUE(p.X == box.Left || p.X == box.Right || p.Y == box.Top || p.Y == box.Bottom)
        << "on the outline: " << p.X << "," << p.Y;
    EXPECT_EQ((p.X + p.Y) % 2, (changed[0].X + changed[0].Y) % 2) << "every other pixel";
  }
}

TEST_F(StdCtrlsTest, PageControlReachedByTabShowsWhereTheFocusIs) {
  auto* pages = Add<TPageControl>(10, 10);
  pages->SetBounds(10, 10, 300, 120);
  for (const char* name : {"Language", "Connection Options"}) {
    auto* sheet = new TTabSheet(form.get());
    sheet->SetCaption(name);
    sheet->SetPageControl(pages);
  }
  auto* box = Add<TCheckBox>(10, 200);
  box->SetCaption("Internet");
  ShowForm();

  pages->SetFocus();
  const std::string unmarked = PictureBytes(kit, pages, "page_control_focus_by_code");
  ASSERT_FALSE(unmarked.empty());
  kit.Press(VK_TAB);
  ASSERT_EQ(GetFocus(), box->Handle());
  kit.Press(VK_TAB, {ssShift});
  ASSERT_EQ(GetFocus(), pages->Handle());
  EXPECT_TRUE(PictureBytes(kit, pages, "page_control_focus_by_tab") != unmarked)
      << "the tab of the page shown carries the focus mark";
  kit.Press(VK_RIGHT);
  EXPECT_EQ(pages->ActivePageIndex(), 1) << "the arrows still turn the pages";
}

TEST_F(StdCtrlsTest, RadioButtonUnchecksItsSiblingsAndClicksOnlyWhenChecked) {
  auto* group = Add<TGroupBox>(10, 10);
  group->SetCaption("&Mode");
  auto* r1 = Add<TRadioButton>(10, 20, group);
  auto* r2 = Add<TRadioButton>(10, 45, group);
  auto* outside = Add<TRadioButton>(10, 200);
  ShowForm();
  TEventLog log;
  r1->OnClick = [&](TObject*) { log.Note("r1"); };
  r2->OnClick = [&](TObject*) { log.Note("r2"); };
  outside->SetChecked(true);
  r1->SetChecked(true);
  kit.Click(r2, 5, 8);
  EXPECT_TRUE(r2->Checked());
  EXPECT_FALSE(r1->Checked());
  EXPECT_TRUE(outside->Checked()) << "another parent is another group";
  kit.Click(r2, 5, 8);
  EXPECT_TRUE(r2->Checked()) << "clicking a checked radio button keeps it checked";
  EXPECT_EQ(log.Text(), "r1 r2");
  EXPECT_TRUE(r2->TabStop());
  EXPECT_FALSE(r1->TabStop()) << "only the checked button is a tab stop";
}

TEST_F(StdCtrlsTest, ListBoxClicksWhenTheSelectionMovesByMouseOrKeyboard) {
  auto* list = Add<TListBox>(10, 10);
  TObject tagged;
  list->Items().Add("alpha");
  list->Items().AddObject("beta", &tagged);
  list->Items().Add("gamma");
  ShowForm();
  std::vector<int> clicks;
  list->OnClick = [&](TObject*) { clicks.push_back(list->ItemIndex()); };

  list->SetItemIndex(0);
  EXPECT_TRUE(clicks.empty()) << "setting the index by code notifies nothing";
  const TRect beta = list->ItemRect(1);
  kit.Click(list, 20, (beta.Top + beta.Bottom) / 2);
  kit.Press(VK_DOWN);
  EXPECT_EQ(clicks, (std::vector<int>{1, 2}));
  EXPECT_EQ(list->Items().Objects(1), &tagged);
  list->Items().Delete(0);
  EXPECT_EQ(list->Count(), 2);
  EXPECT_EQ(SendMessage(list->Handle(), LB_GETCOUNT), 2);
}

// A field checked on exit and a list that picks what the field shows: the exit runs on the
// item shown before, and a refusal keeps both the focus and the selection.
TEST_F(StdCtrlsTest, ListBoxPressRunsTheFieldExitFirstAndSelectsNothingWhenItIsRefused) {
  auto* edit = Add<TEdit>(10, 10);
  auto* list = Add<TListBox>(10, 40);
  list->SetBounds(10, 40, 200, 100);
  for (const char* item : {"0x181", "0x182", "0x183"}) list->Items().Add(item);
  list->SetItemIndex(0);
  ShowForm();
  TEventLog log;
  bool refuse = true;
  edit->OnExit = [&](TObject*) {
    log.Note("exit@" + std::to_string(list->ItemIndex()));
    if (refuse) edit->SetFocus();
  };
  list->OnClick = [&](TObject*) { log.Note("click@" + std::to_string(list->ItemIndex())); };
  const TRect second = list->ItemRect(1);
  ASSERT_GT(second.Top, list->ItemRect(0).Top);
  ASSERT_GT(second.Height(), 0);
  EXPECT_EQ(list->ItemRect(3), TRect());
  const int y = (second.Top + second.Bottom) / 2;

  edit->SetFocus();
  kit.Click(list, 20, y);
  EXPECT_EQ(log.Text(), "exit@0");
  EXPECT_EQ(GetFocus(), edit->Handle());
  EXPECT_EQ(list->ItemIndex(), 0) << "a refused exit keeps the selection";

  log.Clear();
  refuse = false;
  kit.Click(list, 20, y);
  EXPECT_EQ(log.Text(), "exit@0 click@1");
  EXPECT_EQ(GetFocus(), list->Handle());
}

TEST_F(StdCtrlsTest, ComboBoxNotifiesUserChangesOnly) {
  auto* combo = Add<TComboBox>(10, 10);
  combo->SetStyle(csDropDownList);
  TObject objects[3];
  combo->AddItem("IN", &objects[0]);
  combo->AddItem("OUT", &objects[1]);
  combo->AddItem("BOTH", &objects[2]);
  ShowForm();
  TEventLog log;
  combo->OnClick = [&](TObject*) { log.Note("click"); };
  combo->OnChange = [&](TObject*) { log.Note("change:" + combo->Text()); };

  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), "OUT");
  EXPECT_EQ(log.Text(), "") << "setting the index by code notifies nothing";
  combo->SetFocus();
  kit.Press(VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Items().Objects(combo->ItemIndex()), &objects[2]);
  EXPECT_EQ(log.Text(), "click change:BOTH") << "without OnSelect, a selection reports as a change";

  log.Clear();
  combo->OnSelect = [&](TObject*) { log.Note("select"); };
  kit.Press(VK_UP);
  EXPECT_EQ(log.Text(), "click select");

  // The edit style reports typing.
  log.Clear();
  combo->SetStyle(csDropDown);
  combo->SetText("");
  kit.Type("ab");
  EXPECT_EQ(combo->Text(), "ab");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(log.Text(), "change:a change:ab");
}

// A combo box closes its list whenever its widget hides, also when it is freed: that close
// came back as messages to the half-destroyed control, into a window procedure hooked with
// state of the control's own class.
class THookedComboBox : public TComboBox {
 public:
  explicit THookedComboBox(TComponent* owner) : TComboBox(owner) {
    WindowProc = [this](TMessage& m) {
      seen_.push_back(m.Msg);
      WndProc(m);
    };
  }

 private:
  std::vector<UINT> seen_;
};

TEST_F(StdCtrlsTest, FreedComboBoxHearsNothingOfItsListClosing) {
  for (bool dropped : {false, true}) {
    SCOPED_TRACE(dropped ? "list dropped down" : "list closed");
    auto* combo = Add<THookedComboBox>(10, 10);
    combo->Items().Add("one");
    int closeUps = 0;
    combo->OnCloseUp = [&](TObject*) { ++closeUps; };
    ShowForm();
    combo->SetDroppedDown(dropped);
    kit.Process();
    closeUps = 0;
    delete combo;
    kit.Process();
    EXPECT_EQ(closeUps, 0);
  }
}

TEST_F(StdCtrlsTest, LabelAcceleratorFocusesItsControlAndAutoSizeFollowsTheText) {
  auto* label = Add<TLabel>(10, 10);
  auto* first = Add<TEdit>(10, 40);
  auto* second = Add<TEdit>(10, 70);
  label->SetCaption("&Name");
  label->SetFocusControl(second);
  ShowForm();
  EXPECT_EQ(GetFocus(), first->Handle());
  kit.Press('N', {ssAlt});
  EXPECT_EQ(GetFocus(), second->Handle());

  int narrow = label->Width();
  label->SetCaption("A much longer caption");
  EXPECT_GT(label->Width(), narrow);
  EXPECT_GT(label->Height(), 0);
  label->SetAlignment(taRightJustify);
  int right = label->Left() + label->Width();
  label->SetCaption("Short");
  EXPECT_EQ(label->Left() + label->Width(), right) << "a right-aligned label keeps its right edge";
}

TEST_F(StdCtrlsTest, MessageBoxesCarryTheirTypeCaptionAndButtons) {
  kit.AnswerMessageBox(mrNo);
  EXPECT_EQ(MessageDlg("Do you want to change the Language?", mtConfirmation, {mbYes, mbNo}), mrNo);
  EXPECT_EQ(MessageDlg("Error! Project not Valid", mtError, {mbOK}), mrOk);
  ASSERT_EQ(kit.MessageBoxes().size(), 2u);
  EXPECT_EQ(kit.MessageBoxes()[0].Caption, "Confirm");
  EXPECT_EQ(kit.MessageBoxes()[0].Buttons, (std::vector<TMsgDlgBtn>{mbYes, mbNo}));
  EXPECT_EQ(kit.MessageBoxes()[1].Caption, "Error");
  EXPECT_EQ(kit.MessageBoxes()[1].Text, "Error! Project not Valid");
  EXPECT_EQ(kit.MessageBoxes()[1].Buttons, std::vector<TMsgDlgBtn>{mbOK});
  EXPECT_EQ(Application().MessageBox("Sure?", "Title", MB_YESNO | MB_ICONQUESTION), IDYES);
}

TEST_F(StdCtrlsTest, SaveDialogAddsTheDefaultExtension) {
  TSaveDialog save(nullptr);
  save.Filter = "Electronic Data Sheet (*.eds)|*.eds";
  save.DefaultExt = "*.eds";
  save.InitialDir = "/tmp/projects/demo";
  kit.AnswerFileDialog("/tmp/projects/demo/device");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName, "/tmp/projects/demo/device.eds");
  kit.AnswerFileDialog("/tmp/projects/demo/device.txt");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName, "/tmp/projects/demo/device.txt") << "a name with an extension keeps it";
  kit.CancelFileDialog();
  EXPECT_FALSE(save.Execute());
  ASSERT_EQ(kit.FileDialogs().size(), 3u);
  EXPECT_TRUE(kit.FileDialogs()[0].Save);
  EXPECT_EQ(kit.FileDialogs()[0].InitialDir, "/tmp/projects/demo");
  EXPECT_EQ(ParseDialogFilter(save.Filter),
            (std::vector<std::pair<std::string, std::string>>{{"Electronic Data Sheet (*.eds)", "*.eds"}}));
}

}  // namespace
}  // namespace hd

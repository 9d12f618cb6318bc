// The message layer: the key pipeline, focus, mouse sequences and capture, the delivery funnel.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>

#include "platform/main_thread.h"

#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TEventLog;
using test::TGuiKit;
using test::TMessageSpy;

constexpr UINT WM_PROBE = WM_USER + 1;

// A focusable control that answers the dialog-code queries as told.
class TProbe : public TCustomControl {
 public:
  explicit TProbe(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
  LRESULT dlg_code = 0;
  bool want_tab = false;
  void Dispatch(TMessage& m) override {
    if (m.Msg == WM_GETDLGCODE) {
      m.Result = dlg_code;
      return;
    }
    if (m.Msg == CM_WANTSPECIALKEY && want_tab && m.WParam == VK_TAB) {
      m.Result = 1;
      return;
    }
    TCustomControl::Dispatch(m);
  }
};

class MessagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetName("Form");
    form->SetClientSize(300, 200);
    e1 = new TEdit(form.get());
    e1->SetName("E1");
    e1->SetParent(form.get());
    e1->SetBounds(10, 10, 100, 21);
    e2 = new TEdit(form.get());
    e2->SetName("E2");
    e2->SetParent(form.get());
    e2->SetBounds(10, 40, 100, 21);
    probe = new TProbe(form.get());
    probe->SetName("Probe");
    probe->SetParent(form.get());
    probe->SetBounds(10, 80, 100, 50);
    form->Show();
    kit.Process();
  }
  void TearDown() override { form.reset(); }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TEdit* e1 = nullptr;
  TEdit* e2 = nullptr;
  TProbe* probe = nullptr;
};

TEST_F(MessagesTest, KeyDownThatConsumesReturnStillSeesTheCharacterBeforeWhatItPosted) {
  ASSERT_EQ(GetFocus(), e1->Handle());
  TMessageSpy spy(e1, {WM_KEYDOWN, WM_CHAR, WM_KEYUP, WM_PROBE});
  std::vector<TKeyChar> pressed;
  e1->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
    if (key == VK_RETURN) {
      key = 0;
      PostMessage(e1->Handle(), WM_PROBE);
    }
  };
  e1->OnKeyPress = [&](TObject*, TKeyChar& key) { pressed.push_back(key); };

  kit.Press(VK_RETURN);

  EXPECT_EQ(spy.Text(), "WM_KEYDOWN(13) WM_CHAR(13) WM_USER+1(0) WM_KEYUP(13)");
  EXPECT_EQ(pressed, std::vector<TKeyChar>{13});
}

TEST_F(MessagesTest, ControlCharactersComeFromTheAdaptor) {
  std::vector<TKeyChar> pressed;
  e1->OnKeyPress = [&](TObject*, TKeyChar& key) {
    pressed.push_back(key);
    key = 0;  // nothing reaches the edit
  };
  kit.Press('C', {ssCtrl});
  kit.Press(VK_RETURN, {ssCtrl});
  kit.Press(VK_BACK);
  kit.Press(VK_ESCAPE);
  kit.Press('A', {ssShift});
  kit.Press('a' - 32);
  EXPECT_EQ(pressed, (std::vector<TKeyChar>{3, 10, 8, 27, 'A', 'a'}));
  EXPECT_EQ(e1->Text(), "");
}

TEST_F(MessagesTest, KeyDataCarriesScanCodeExtendedAndAlt) {
  std::vector<std::pair<UINT, LPARAM>> seen;
  auto previous = e1->WindowProc;
  e1->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_KEYDOWN || m.Msg == WM_KEYUP || m.Msg == WM_SYSKEYDOWN || m.Msg == WM_SYSCHAR)
      seen.emplace_back(m.Msg, m.LParam);
    previous(m);
  };
  kit.Press(VK_LEFT);
  kit.Press('X', {ssAlt});
  e1->WindowProc = previous;
  ASSERT_GE(seen.size(), 4u);
  EXPECT_EQ(seen[0], (std::pair<UINT, LPARAM>{WM_KEYDOWN, 0x014B0001})) << "Left: scan code 0x4B, extended";
  EXPECT_EQ(seen[1], (std::pair<UINT, LPARAM>{WM_KEYUP, 0xC14B0001})) << "key up: transition and previous state";
  EXPECT_EQ(seen[2], (std::pair<UINT, LPARAM>{WM_SYSKEYDOWN, 0x202D0001})) << "Alt+X: scan code 0x2D, Alt bit";
  EXPECT_EQ(seen[3], (std::pair<UINT, LPARAM>{WM_SYSCHAR, 0x202D0001}));
}

TEST_F(MessagesTest, PostedTabMovesTheFocusAndNeverReachesTheControl) {
  TMessageSpy spy(e1, {WM_KEYDOWN, WM_CHAR});
  PostMessage(e1->Handle(), WM_KEYDOWN, VK_TAB, KeyDataFor(VK_TAB, false, false, false));
  kit.Process();
  EXPECT_EQ(GetFocus(), e2->Handle());
  EXPECT_EQ(spy.Text(), "");

  // Through the Qt adaptor: Tab onwards (the probe is a tab stop too), Shift+Tab back.
  kit.Press(VK_TAB);
  EXPECT_EQ(GetFocus(), probe->Handle());
  kit.Press(VK_TAB);
  EXPECT_EQ(GetFocus(), e1->Handle()) << "tabbing wraps around";
  kit.Press(VK_TAB, {ssShift});
  EXPECT_EQ(GetFocus(), probe->Handle());
}

TEST_F(MessagesTest, TabAfterAWindowedControlWasFreed) {
  auto addEdit = [&] {
    auto* e = new TEdit(form.get());
    e->SetParent(form.get());
    e->SetBounds(150, 10, 100, 21);
    return e;
  };
  // A control beside the focused one goes: the tab order no longer holds it.
  e1->SetFocus();
  delete addEdit();
  kit.Press(VK_TAB);
  EXPECT_EQ(GetFocus(), e2->Handle());
  kit.Press(VK_TAB, {ssShift});
  kit.Press(VK_TAB, {ssShift});
  EXPECT_EQ(GetFocus(), probe->Handle()) << "backwards it wraps past the freed control too";

  // The focused control goes: its form takes the focus and forgets it as the active control.
  TEdit* focused = addEdit();
  focused->SetFocus();
  delete focused;
  EXPECT_EQ(GetFocus(), form->Handle());
  EXPECT_EQ(form->ActiveControl(), nullptr);
  kit.Press(VK_TAB);
  EXPECT_EQ(GetFocus(), e1->Handle());
}

// A control that hooks its own window procedure with state of its own class. While it is
// freed, the focus that leaves it must not send it messages: that state is gone by then.
class THookedEdit : public TEdit {
 public:
  explicit THookedEdit(TComponent* owner) : TEdit(owner) {
    WindowProc = [this](TMessage& m) {
      seen_.push_back(m.Msg);
      WndProc(m);
    };
  }

 private:
  std::vector<UINT> seen_;
};

TEST_F(MessagesTest, FreedFocusedControlHearsNothingWhileItGoes) {
  auto* group = new TGroupBox(form.get());
  group->SetParent(form.get());
  group->SetBounds(150, 10, 120, 80);
  auto* hooked = new THookedEdit(form.get());
  hooked->SetParent(group);
  hooked->SetFocus();
  delete hooked;
  EXPECT_EQ(GetFocus(), form->Handle());
}

TEST_F(MessagesTest, KeyHandlerThatFreesItsControl) {
  struct Case {
    const char* name;
    int vk;
    std::function<void(TEdit*, std::function<void()>)> hook;
  };
  const Case cases[] = {
      {"OnKeyDown", VK_DELETE, [](TEdit* e, auto free) { e->OnKeyDown = [free](TObject*, WORD&, TShiftState) { free(); }; }},
      {"OnKeyPress", 'A', [](TEdit* e, auto free) { e->OnKeyPress = [free](TObject*, TKeyChar&) { free(); }; }},
      {"OnKeyUp", VK_DELETE, [](TEdit* e, auto free) { e->OnKeyUp = [free](TObject*, WORD&, TShiftState) { free(); }; }},
      {"the form's key preview", VK_DELETE,
       [this](TEdit*, auto free) {
         form->SetKeyPreview(true);
         form->OnKeyDown = [free](TObject*, WORD&, TShiftState) { free(); };
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* doomed = new TEdit(form.get());
    doomed->SetParent(form.get());
    doomed->SetText("text");
    HWND h = doomed->Handle();
    c.hook(doomed, [doomed] { delete doomed; });
    doomed->SetFocus();
    kit.Press(c.vk);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(GetFocus(), form->Handle());
    form->SetKeyPreview(false);
    form->OnKeyDown = nullptr;
  }
}

TEST_F(MessagesTest, ControlThatWantsTabGetsKeyAndCharacter) {
  probe->SetFocus();
  TMessageSpy spy(probe, {WM_KEYDOWN, WM_CHAR});
  probe->want_tab = true;
  kit.Press(VK_TAB);
  EXPECT_EQ(GetFocus(), probe->Handle());
  EXPECT_EQ(spy.Text(), "WM_KEYDOWN(9) WM_CHAR(9)");

  spy.Clear();
  probe->want_tab = false;
  probe->dlg_code = DLGC_WANTTAB;
  kit.Press(VK_TAB);
  EXPECT_EQ(spy.Text(), "WM_KEYDOWN(9) WM_CHAR(9)") << "WM_GETDLGCODE asks for it as well";

  spy.Clear();
  probe->dlg_code = 0;
  kit.Press(VK_DOWN);
  EXPECT_EQ(spy.Text(), "") << "arrows move between the controls of the parent";
  EXPECT_NE(GetFocus(), probe->Handle());
}

TEST_F(MessagesTest, ArrowKeysMoveTheFocusToTheNextOrPreviousControl) {
  auto* after = new TProbe(form.get());  // tab order: E1, E2, Probe, After
  after->SetName("After");
  after->SetParent(form.get());
  after->SetBounds(150, 80, 100, 50);
  struct Case {
    const char* name;
    int vk;
    TControl* next;
  };
  const Case cases[] = {{"Down", VK_DOWN, after}, {"Right", VK_RIGHT, after}, {"Up", VK_UP, e2}, {"Left", VK_LEFT, e2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    probe->SetFocus();
    kit.Press(c.vk);
    EXPECT_EQ(GetFocus(), c.next->Handle());
  }
}

TEST_F(MessagesTest, FocusMessagesComeInOrderWithExitAndEnterInsideSetFocus) {
  TEventLog log;
  auto trace = [&log](TControl* c) {
    auto previous = c->WindowProc;
    c->WindowProc = [&log, c, previous](TMessage& m) {
      if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) log.Note(c->Name() + ":" + MessageName(m.Msg) + "{");
      previous(m);
      if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) log.Note("}");
    };
  };
  trace(e1);
  trace(e2);
  e1->OnExit = [&](TObject*) { log.Note("E1:OnExit"); };
  e2->OnEnter = [&](TObject*) { log.Note("E2:OnEnter"); };

  kit.Click(e2, 5, 5);

  EXPECT_EQ(log.Text(), "E1:WM_KILLFOCUS{ } E2:WM_SETFOCUS{ E1:OnExit E2:OnEnter }");
  EXPECT_EQ(form->ActiveControl(), e2);
  EXPECT_EQ(Screen().ActiveControl(), e2);
}

TEST_F(MessagesTest, HiddenOrDisabledWindowsCannotTakeTheFocus) {
  e2->SetVisible(false);
  EXPECT_EQ(SetFocus(e2->Handle()), HWND{0});
  EXPECT_THROW(e2->SetFocus(), EInvalidOperation);
  e2->SetVisible(true);
  e2->SetEnabled(false);
  EXPECT_FALSE(e2->CanFocus());
  EXPECT_EQ(SetFocus(e2->Handle()), HWND{0});
  EXPECT_EQ(GetFocus(), e1->Handle());

  // Hiding the focused control hands the focus to its form.
  e1->SetVisible(false);
  EXPECT_EQ(GetFocus(), form->Handle());
  EXPECT_EQ(form->ActiveControl(), nullptr);
}

TEST_F(MessagesTest, DoubleClickIsDownUpDoubleUp) {
  TMessageSpy spy(probe, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK});
  TEventLog log;
  probe->OnMouseDown = [&](TObject*, TMouseButton, TShiftState s, int x, int y) {
    log.Note(std::string(s.Contains(ssDouble) ? "down2" : "down") + "@" + std::to_string(x) + "," + std::to_string(y));
  };
  probe->OnClick = [&](TObject*) { log.Note("click"); };
  probe->OnDblClick = [&](TObject*) { log.Note("dblclick"); };

  kit.DoubleClick(probe, 7, 9);
  EXPECT_EQ(spy.Text(), "WM_LBUTTONDOWN(1) WM_LBUTTONUP(0) WM_LBUTTONDBLCLK(1) WM_LBUTTONUP(0)");
  EXPECT_EQ(log.Text(), "down@7,9 click dblclick down2@7,9");

  // Two clicks far apart in time stay two clicks.
  spy.Clear();
  kit.Click(probe, 7, 9);
  kit.Click(probe, 7, 9);
  EXPECT_EQ(spy.Text(), "WM_LBUTTONDOWN(1) WM_LBUTTONUP(0) WM_LBUTTONDOWN(1) WM_LBUTTONUP(0)");
}

TEST_F(MessagesTest, CaptureHoldsTheMouseFromDownToUp) {
  auto* other = new TProbe(form.get());
  other->SetName("Other");
  other->SetParent(form.get());
  other->SetBounds(150, 80, 100, 50);
  kit.Process();
  TMessageSpy spyProbe(probe, {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, CM_MOUSEENTER, CM_MOUSELEAVE});
  TMessageSpy spyOther(other, {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, CM_MOUSEENTER, CM_MOUSELEAVE});
  std::vector<TPoint> moves;
  int clicks = 0;
  probe->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { moves.push_back({x, y}); };
  probe->OnClick = [&](TObject*) { ++clicks; };

  kit.MoveMouse(probe, 5, 5);
  NativeMouseDown(probe, {5, 5});
  EXPECT_EQ(GetCapture(), probe->Handle());
  NativeMouseMove(other, {10, 10});
  NativeMouseUp(other, {10, 10});
  kit.Process();

  EXPECT_EQ(GetCapture(), HWND{0});
  EXPECT_EQ(spyProbe.Text(), "CM_MOUSEENTER(0) WM_MOUSEMOVE(0) WM_LBUTTONDOWN(1) CM_MOUSELEAVE(0) WM_MOUSEMOVE(1) WM_LBUTTONUP(0)");
  EXPECT_EQ(spyOther.Text(), "CM_MOUSEENTER(0)") << "the other control only sees the pointer arrive";
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[1], (TPoint{150 + 10 - 10, 10})) << "captured moves are in the capturing control's coordinates";
  EXPECT_EQ(clicks, 0) << "a press released outside the control is no click";
}

TEST_F(MessagesTest, ExceptionLeavingAHandlerIsShownAndTheProgramGoesOn) {
  probe->OnClick = [](TObject*) { throw EConvertError("'abc' is not a valid integer value"); };
  int probes = 0;
  auto previous = probe->WindowProc;
  probe->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_PROBE) ++probes;
    previous(m);
  };
  kit.Click(probe, 5, 5);
  PostMessage(probe->Handle(), WM_PROBE);
  kit.Process();

  ASSERT_EQ(kit.MessageBoxes().size(), 1u);
  const TMessageBoxRequest& box = kit.MessageBoxes()[0];
  EXPECT_EQ(box.Type, mtError);
  EXPECT_EQ(box.Text, "'abc' is not a valid integer value.");
  EXPECT_EQ(box.Buttons, std::vector<TMsgDlgBtn>{mbOK});
  EXPECT_EQ(probes, 1);

  // Perform is a plain call: the exception reaches the caller.
  probe->OnDblClick = [](TObject*) { throw Exception("direct"); };
  EXPECT_THROW(probe->DblClick(), Exception);
  EXPECT_NO_THROW(SendMessage(probe->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0));
  EXPECT_EQ(kit.MessageBoxes().size(), 2u);
}

TEST_F(MessagesTest, RegisteredMessagesAreStableAndAboveTheFixedRange) {
  UINT done = RegisterWindowMessage("GridEditDone");
  EXPECT_GE(done, 0xC000u);
  EXPECT_EQ(RegisterWindowMessage("GridEditDone"), done);
  EXPECT_EQ(RegisterWindowMessage("grideditdone"), done) << "names compare without case";
  EXPECT_NE(RegisterWindowMessage("DTPShiftFocus"), done);
  EXPECT_EQ(MessageName(done), "\"GridEditDone\"");
}

TEST_F(MessagesTest, MessagesToAWindowThatIsGoneAreDropped) {
  auto* doomed = new TProbe(form.get());
  doomed->SetParent(form.get());
  HWND h = doomed->Handle();
  TMessageSpy toForm(form.get(), {WM_PROBE});
  TMessageSpy toProbe(probe, {WM_PROBE});
  EXPECT_TRUE(PostMessage(h, WM_PROBE, 1));
  EXPECT_TRUE(PostMessage(probe->Handle(), WM_PROBE, 2));
  delete doomed;
  EXPECT_FALSE(IsWindow(h));
  kit.Process();
  EXPECT_EQ(toForm.Text(), "") << "nobody else gets the message";
  EXPECT_EQ(toProbe.Text(), "WM_USER+1(2)") << "what was posted after it still arrives";
  EXPECT_FALSE(PostMessage(h, WM_PROBE));
  EXPECT_EQ(SendMessage(h, WM_PROBE), 0);
}

TEST_F(MessagesTest, ReleasedFormIsFreedAfterItsHandlerReturns) {
  auto* second = new TForm(nullptr);
  HWND h = second->Handle();
  bool destroyed = false;
  second->OnDestroy = [&](TObject*) { destroyed = true; };
  auto* button = new TProbe(second);
  button->SetParent(second);
  button->SetBounds(0, 0, 50, 20);
  button->OnClick = [second, &destroyed](TObject*) {
    second->Release();
    EXPECT_FALSE(destroyed);
  };
  second->Show();
  kit.Process();
  kit.Click(button, 3, 3);
  kit.Process();
  EXPECT_TRUE(destroyed);
  EXPECT_FALSE(IsWindow(h));
}

TEST_F(MessagesTest, WheelGoesToTheFocusedControlThenToItsParents) {
  probe->SetFocus();
  TEventLog log;
  probe->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
    log.Note("probe:" + std::to_string(delta));
    handled = delta < 0;
  };
  form->OnMouseWheel = [&](TObject*, TShiftState s, int delta, TPoint, bool& handled) {
    log.Note(std::string("form:") + std::to_string(delta) + (s.Contains(ssCtrl) ? "+ctrl" : ""));
    handled = true;
  };
  // The pointer is over another control; the wheel still turns the focused one.
  NativeWheel(e2, {5, 5}, 120, {ssCtrl});
  NativeWheel(e2, {5, 5}, -240);
  EXPECT_EQ(log.Text(), "probe:120 form:120+ctrl probe:-240");
}

TEST_F(MessagesTest, TraceNamesTheMessagesItSees) {
  std::vector<std::string> lines;
  SetMessageTraceSink([&](const std::string& line) { lines.push_back(line); });
  SetMessageTrace(true);
  kit.Press('K');
  SetMessageTrace(false);
  SetMessageTraceSink(nullptr);
  auto seen = [&](const std::string& what) {
    for (const auto& l : lines)
      if (l.find(what) != std::string::npos) return true;
    return false;
  };
  EXPECT_TRUE(seen("deliver CN_KEYDOWN to TEdit E1"));
  EXPECT_TRUE(seen("post WM_CHAR to TEdit E1"));
  EXPECT_TRUE(seen("deliver WM_KEYDOWN to TEdit E1"));
  EXPECT_TRUE(seen("deliver WM_CHAR to TEdit E1"));
  EXPECT_TRUE(seen("deliver WM_COMMAND to TForm Form")) << "the edit's change notification";
}

// A call handed over from another thread runs as an event handler: what it throws is shown,
// and neither the program's loop nor Qt's event loop around it sees the exception.
TEST_F(MessagesTest, CallFromAnotherThreadThatThrowsIsShownAndTheLoopGoesOn) {
  TModalRunner* kitRunner = SetModalRunner(nullptr);
  TForm dialog(nullptr);
  std::thread worker;
  dialog.OnShow = [&](TObject*) {
    worker = std::thread([&] {
      PostToMainThread([] { throw EConvertError("'x' is not a valid integer value"); });
      PostToMainThread([&] { dialog.SetModalResult(mrOk); });
    });
  };
  TModalResult result = mrNone;
  EXPECT_NO_THROW(result = dialog.ShowModal());
  worker.join();
  SetModalRunner(kitRunner);
  EXPECT_EQ(result, mrOk);
  ASSERT_EQ(kit.MessageBoxes().size(), 1u);
  EXPECT_EQ(kit.MessageBoxes()[0].Text, "'x' is not a valid integer value.");
}

TEST_F(MessagesTest, ProgramsOwnLoopEndsOnCallsFromOtherThreads) {
  // The program's runner waits for native events; a call from another thread wakes it.
  TModalRunner* kitRunner = SetModalRunner(nullptr);
  TForm dialog(nullptr);
  std::thread worker;
  dialog.OnShow = [&](TObject*) {
    worker = std::thread([&] { PostToMainThread([&] { dialog.SetModalResult(mrOk); }); });
  };
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  worker.join();
  SetModalRunner(kitRunner);
}

}  // namespace
}  // namespace hd

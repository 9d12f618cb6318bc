// Forms: modal loops and results, closing, activation, and the application's start and loop.
#include <gtest/gtest.h>

#include <memory>

#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TEventLog;
using test::TGuiKit;

// A clickable own-drawn control that gives its form a modal result, as dialog buttons do.
class TResultButton : public TCustomControl {
 public:
  TResultButton(TComponent* owner, TModalResult result) : TCustomControl(owner), result_(result) { SetTabStop(true); }
  void Click() override {
    TCustomControl::Click();
    if (TCustomForm* f = GetParentForm(this)) f->SetModalResult(result_);
  }

 private:
  TModalResult result_;
};

class DialogFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TForm>(nullptr);
    main->SetName("Main");
    main_edit = new TEdit(main.get());
    main_edit->SetParent(main.get());
    main->Show();
    dialog = std::make_unique<TForm>(nullptr);
    dialog->SetName("Dialog");
    dialog->SetBorderStyle(bsDialog);
    dialog->SetClientSize(200, 100);
    edit = new TEdit(dialog.get());
    edit->SetParent(dialog.get());
    edit->SetBounds(10, 10, 100, 21);
    ok = new TResultButton(dialog.get(), mrOk);
    ok->SetParent(dialog.get());
    ok->SetBounds(10, 60, 75, 25);
    dialog->OnShow = [this](TObject*) { log.Note("show"); };
    dialog->OnActivate = [this](TObject*) { log.Note("activate"); };
    dialog->OnDeactivate = [this](TObject*) { log.Note("deactivate"); };
    dialog->OnHide = [this](TObject*) { log.Note("hide"); };
    dialog->OnCloseQuery = [this](TObject*, bool&) { log.Note("closequery"); };
    dialog->OnClose = [this](TObject*, TCloseAction&) { log.Note("close"); };
    kit.Process();
  }
  void TearDown() override {
    dialog.reset();
    main.reset();
  }

  TGuiKit kit;
  TEventLog log;
  std::unique_ptr<TForm> main, dialog;
  TEdit* main_edit = nullptr;
  TEdit* edit = nullptr;
  TResultButton* ok = nullptr;
};

TEST_F(DialogFormTest, ModalResultSetInsideTheLoopEndsIt) {
  kit.OnModal([&](TCustomForm* f) {
    EXPECT_EQ(f, dialog.get());
    EXPECT_TRUE(f->Visible());
    EXPECT_TRUE(f->Modal());
    EXPECT_EQ(GetFocus(), edit->Handle()) << "the first tab stop takes the focus";
    EXPECT_FALSE(main_edit->CanFocus()) << "the form below is blocked";
    kit.Type("abc");
    kit.Click(ok);
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(log.Text(), "show activate closequery close deactivate hide");
  EXPECT_EQ(Screen().ActiveForm(), main.get());
  EXPECT_EQ(GetFocus(), main_edit->Handle());
  EXPECT_TRUE(main_edit->CanFocus());
}

TEST_F(DialogFormTest, TitleBarCloseGivesCancel) {
  kit.OnModal([&](TCustomForm* f) { kit.CloseByTitleBar(f); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(log.Text(), "show activate closequery close deactivate hide");
}

TEST_F(DialogFormTest, RefusedCloseKeepsTheLoopRunning) {
  int asked = 0;
  dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
  kit.OnModal([&](TCustomForm*) { kit.Click(ok); });
  kit.OnModal([&](TCustomForm* f) {
    EXPECT_EQ(f->ModalResult(), mrNone) << "a refused close clears the result";
    kit.Click(ok);
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(kit.ModalLog(), (std::vector<std::string>{"Dialog", "Dialog"}));
}

TEST_F(DialogFormTest, NestedModalReturnsFocusToTheOuterOne) {
  TForm inner(nullptr);
  inner.SetName("Inner");
  auto* innerOk = new TResultButton(&inner, mrYes);
  innerOk->SetParent(&inner);
  innerOk->SetBounds(0, 0, 50, 20);
  kit.OnModal([&](TCustomForm*) {
    edit->SetText("outer");
    kit.OnModal([&](TCustomForm* f) {
      EXPECT_EQ(f, &inner);
      kit.Click(innerOk);
    });
    EXPECT_EQ(inner.ShowModal(), mrYes);
    EXPECT_EQ(GetFocus(), edit->Handle());
    EXPECT_EQ(Screen().ActiveForm(), dialog.get());
    kit.Click(ok);
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(kit.ModalLog(), (std::vector<std::string>{"Dialog", "Inner"}));
}

// A form closed with caFree went without handing the focus back: no form was active and no
// control had the focus until the user clicked somewhere.
TEST_F(DialogFormTest, FreedFormHandsTheFocusBackToTheFormBefore) {
  main_edit->SetFocus();
  auto* tool = new TForm(nullptr);
  auto* toolEdit = new TEdit(tool);
  toolEdit->SetParent(tool);
  tool->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  tool->OnHide = [this](TObject*) { log.Note("hide"); };
  tool->OnDestroy = [this](TObject*) { log.Note("destroy"); };
  HWND h = tool->Handle();
  tool->Show();
  kit.Process();
  EXPECT_EQ(GetFocus(), toolEdit->Handle());
  tool->Close();
  kit.Process();
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(log.Text(), "hide destroy");
  EXPECT_EQ(Screen().ActiveForm(), main.get());
  EXPECT_EQ(GetFocus(), main_edit->Handle());
}

TEST_F(DialogFormTest, ShowingAVisibleFormModallyIsRefused) {
  dialog->Show();
  EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

TEST_F(DialogFormTest, ScreenCentredFormTakesItsPlaceWhenShown) {
  dialog->SetPosition(poScreenCenter);
  dialog->SetBorderStyle(bsSingle);
  dialog->SetClientSize(300, 200);
  EXPECT_EQ(dialog->Width(), 306);
  EXPECT_EQ(dialog->Height(), 229);
  kit.OnModal([&](TCustomForm* f) {
    EXPECT_EQ(f->Left(), (Screen().Width() - 306) / 2);
    EXPECT_EQ(f->Top(), (Screen().Height() - 229) / 2);
    EXPECT_EQ(f->ClientToScreen({0, 0}), (TPoint{f->Left() + 3, f->Top() + 26}));
    f->SetModalResult(mrAbort);
  });
  EXPECT_EQ(dialog->ShowModal(), mrAbort);
}

TEST_F(DialogFormTest, AFormLargerThanTheWorkAreaIsFittedToItAndOneThatFitsIsLeftAlone) {
  // A 1024 x 768 screen whose bottom 40 pixels a task bar takes.
  test::TMonitorLayoutScope screen({{Rect(0, 0, 1024, 768), Rect(0, 0, 1024, 728)}});
  dialog->SetBorderStyle(bsSingle);
  dialog->SetFitToWorkArea(true);
  struct Case {
    const char* name;
    TPosition position;
    int clientWidth, clientHeight;
    TRect frame;
  } cases[] = {
      {"fits", poScreenCenter, 300, 200, Bounds((1024 - 306) / 2, (768 - 229) / 2, 306, 229)},
      {"too wide", poScreenCenter, 1100, 337, Bounds(0, (768 - 366) / 2, 1024, 366)},
      {"too high", poScreenCenter, 300, 714, Bounds((1024 - 306) / 2, 0, 306, 728)},
      {"too wide and too high", poScreenCenter, 1100, 900, Bounds(0, 0, 1024, 728)},
      {"placed by design, too wide", poDesigned, 1100, 337, Bounds(0, 50, 1024, 366)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialog->SetPosition(c.position);
    dialog->SetBounds(30, 50, 10, 10);
    dialog->SetClientSize(c.clientWidth, c.clientHeight);
    kit.OnModal([&](TCustomForm* f) {
      EXPECT_EQ(f->BoundsRect(), c.frame);
      EXPECT_EQ(f->ClientToScreen({0, 0}), (TPoint{c.frame.Left + 3, c.frame.Top + 26}));
      f->SetModalResult(mrOk);
    });
    dialog->ShowModal();
  }
  // A form of fixed layout keeps its size; its title bar stays on the screen.
  dialog->SetFitToWorkArea(false);
  dialog->SetPosition(poScreenCenter);
  dialog->SetClientSize(1100, 337);
  kit.OnModal([&](TCustomForm* f) {
    EXPECT_EQ(f->BoundsRect(), Bounds(0, (768 - 366) / 2, 1106, 366));
    f->SetModalResult(mrOk);
  });
  dialog->ShowModal();
}

TEST_F(DialogFormTest, ActiveControlSetInOnShowGetsTheFocus) {
  auto* second = new TEdit(dialog.get());
  second->SetParent(dialog.get());
  second->SetBounds(10, 35, 100, 21);
  dialog->OnShow = [&](TObject*) {
    if (second->CanFocus()) second->SetFocus();
  };
  kit.OnModal([&](TCustomForm* f) {
    EXPECT_EQ(GetFocus(), second->Handle());
    EXPECT_EQ(dialog->ActiveControl(), second);
    f->Close();
  });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

// Forms of the start-up order test note when they are built and created.
TEventLog* g_log = nullptr;

class TFirstForm : public TForm {
 public:
  explicit TFirstForm(TComponent* owner) : TForm(owner) {
    SetName("First");
    g_log->Note("construct-first");
    OnCreate = [](TObject*) { g_log->Note("create-first"); };
    OnClose = [](TObject*, TCloseAction&) { g_log->Note("close-first"); };
    button = new TResultButton(this, mrNone);
    button->SetParent(this);
    button->SetBounds(0, 0, 40, 20);
  }
  TResultButton* button;
};

class TSecondForm : public TForm {
 public:
  explicit TSecondForm(TComponent* owner) : TForm(owner) {
    SetName("Second");
    g_log->Note("construct-second");
    OnCreate = [](TObject*) { g_log->Note("create-second"); };
  }
};

TEST(ApplicationTest, CreatesFormsInOrderAndRunsUntilTheMainFormCloses) {
  TGuiKit kit;
  TEventLog log;
  g_log = &log;
  TFirstForm* first = nullptr;
  TSecondForm* second = nullptr;
  Application().CreateForm(first);
  Application().CreateForm(second);
  EXPECT_EQ(log.Text(), "construct-first create-first construct-second create-second");
  EXPECT_EQ(Application().MainForm(), first);
  EXPECT_FALSE(second->Visible());

  first->button->OnClick = [](TObject*) { throw EConvertError("'x1' is not a valid integer value"); };
  kit.OnModal([&](TCustomForm* f) {
    EXPECT_EQ(f, first);
    EXPECT_TRUE(first->Visible());
    kit.Click(first->button);
    EXPECT_EQ(kit.MessageBoxes().size(), 1u) << "the loop showed the error and goes on";
    kit.CloseByTitleBar(first);
  });
  Application().Run();
  EXPECT_TRUE(Application().Terminated());
  EXPECT_EQ(log.Entries().back(), "close-first");
  ASSERT_EQ(kit.MessageBoxes().size(), 1u);
  EXPECT_EQ(kit.MessageBoxes()[0].Type, mtError);
  EXPECT_EQ(kit.MessageBoxes()[0].Text, "'x1' is not a valid integer value.");
  EXPECT_EQ(kit.ModalLog(), std::vector<std::string>{"First"});
  g_log = nullptr;
}

// A control that notes its Loaded and whether it was still loading in its form's OnCreate.
class TLoadingEdit : public TEdit {
 public:
  TLoadingEdit(TComponent* owner, const std::string& name) : TEdit(owner) { SetName(name); }

 protected:
  void Loaded() override {
    TEdit::Loaded();
    g_log->Note("loaded-" + Name());
  }
};

class TLoadingForm : public TForm {
 public:
  explicit TLoadingForm(TComponent* owner) : TForm(owner) {
    SetName("Loading");
    for (const char* n : {"a", "b"}) (new TLoadingEdit(this, n))->SetParent(this);
    g_log->Note(std::string("building, loading=") + (ComponentState().Contains(csLoading) ? "yes" : "no"));
    OnCreate = [this](TObject*) {
      bool loading = false;
      for (int i = 0; i < ComponentCount(); ++i) loading = loading || Components(i)->ComponentState().Contains(csLoading);
      g_log->Note(std::string("create, loading=") + (loading ? "yes" : "no"));
    };
  }

 protected:
  void Loaded() override {
    TForm::Loaded();
    g_log->Note("loaded-form");
  }
};

TEST(ApplicationTest, FormsLoadingPhaseEndsWithLoadedOnEachComponentBeforeOnCreate) {
  TGuiKit kit;
  TEventLog log;
  g_log = &log;
  TLoadingForm* form = nullptr;
  Application().CreateForm(form);
  EXPECT_EQ(log.Text(), "building, loading=yes loaded-form loaded-a loaded-b create, loading=no");
  log.Clear();
  (new TLoadingEdit(form, "late"))->SetParent(form);
  form->Show();
  EXPECT_EQ(log.Text(), "");
  g_log = nullptr;
}

TEST(ApplicationTest, HintAppearsAfterThePauseAndGoesWithThePointer) {
  TGuiKit kit;
  TForm form(nullptr);
  form.SetClientSize(300, 200);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(10, 10, 100, 21);
  edit->SetHint("Name of the configuration|Type the name the new folder gets");
  edit->SetShowHint(true);
  auto* other = new TEdit(&form);
  other->SetParent(&form);
  other->SetBounds(10, 100, 100, 21);
  form.Show();
  kit.Process();

  kit.MoveMouse(edit, 5, 5);
  kit.Advance(499);
  EXPECT_FALSE(Application().HintShowing());
  kit.Advance(1);
  ASSERT_TRUE(Application().HintShowing());
  EXPECT_EQ(Application().HintText(), "Name of the configuration");

  kit.MoveMouse(other, 5, 5);
  EXPECT_FALSE(Application().HintShowing()) << "no hint for a control without ShowHint";
  kit.Advance(1000);
  EXPECT_FALSE(Application().HintShowing());

  // CM_HINTSHOW can change the text, as a grid does per cell.
  auto previous = edit->WindowProc;
  edit->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_HINTSHOW) reinterpret_cast<THintInfo*>(m.LParam)->HintStr = "cell 3,4";
    previous(m);
  };
  kit.MoveMouse(edit, 6, 6);
  kit.Advance(500);
  EXPECT_EQ(Application().HintText(), "cell 3,4");
  kit.Advance(2500);
  EXPECT_FALSE(Application().HintShowing()) << "it hides after the hide pause";
  edit->WindowProc = previous;
}

}  // namespace
}  // namespace hd

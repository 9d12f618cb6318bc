// Handlers chained onto another control's event and window-procedure hooks, removed in any
// order.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/event_chain.h"
#include "platform/forms.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TEventLog;
using test::TGuiKit;

// A control that follows its form's size, as a grid stretching its columns does: it chains
// itself onto the form's OnResize while it lives.
class TFollower : public TCustomControl {
 public:
  TFollower(TComponent* owner, TForm* form, TEventLog* log, std::string name) : TCustomControl(owner) {
    link_ = ChainEvent(form->OnResize, [log, name](TObject*) { log->Note(name); });
  }
  void Unchain() { link_.Remove(); }

 private:
  TEventLink link_;
};

struct UnchainOrder {
  const char* name;
  bool firstGoesFirst;
};

class EventChainTest : public ::testing::TestWithParam<UnchainOrder> {};

TEST_P(EventChainTest, TwoControlsChainAndUnchainTheFormsOnResize) {
  TGuiKit kit;
  TEventLog log;
  auto form = std::make_unique<TForm>(nullptr);
  form->OnResize = [&](TObject*) { log.Note("form"); };
  auto* first = new TFollower(form.get(), form.get(), &log, "first");
  auto* second = new TFollower(form.get(), form.get(), &log, "second");
  form->SetClientSize(300, 200);
  EXPECT_EQ(log.Text(), "form first second");

  log.Clear();
  if (GetParam().firstGoesFirst) {
    delete first;
    form->SetClientSize(310, 200);
    EXPECT_EQ(log.Text(), "form second");
    second->Unchain();
  } else {
    second->Unchain();
    form->SetClientSize(310, 200);
    EXPECT_EQ(log.Text(), "form first");
    delete first;
  }
  log.Clear();
  form->SetClientSize(320, 200);
  EXPECT_EQ(log.Text(), "form");
  // A handler chained after the others were removed starts a short chain again.
  TEventLink third = ChainEvent(form->OnResize, [&](TObject*) { log.Note("third"); });
  form->SetClientSize(330, 200);
  EXPECT_EQ(log.Text(), "form form third");
  form.reset();
  third.Remove();  // the form is gone; removing touches nothing of it
}

INSTANTIATE_TEST_SUITE_P(Orders, EventChainTest,
                         ::testing::Values(UnchainOrder{"FirstInstalledGoesFirst", true},
                                           UnchainOrder{"LastInstalledGoesFirst", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WindowProcHookTest, HooksGivenBackInEitherOrderLeaveTheOthers) {
  TGuiKit kit;
  TEventLog log;
  auto form = std::make_unique<TForm>(nullptr);
  auto hook = [&](const std::string& name, bool swallow) {
    return HookEvent(form->WindowProc, [&log, name, swallow](const std::function<void(TMessage&)>& next, TMessage& m) {
      if (m.Msg != WM_USER) return next(m);
      log.Note(name);
      if (!swallow) next(m);
    });
  };
  test::TMessageSpy spy(form.get(), {WM_USER});
  TEventLink outer = hook("outer", false);
  TEventLink inner = hook("inner", false);
  form->Perform(WM_USER);
  EXPECT_EQ(log.Text(), "inner outer");
  EXPECT_EQ(spy.Text(), "WM_USER+0(0)");
  outer.Remove();
  log.Clear();
  form->Perform(WM_USER);
  EXPECT_EQ(log.Text(), "inner");
  EXPECT_EQ(spy.Entries().size(), 2u);
  TEventLink stopper = hook("stopper", true);
  inner.Remove();
  log.Clear();
  form->Perform(WM_USER);
  EXPECT_EQ(log.Text(), "stopper");
  EXPECT_EQ(spy.Entries().size(), 2u) << "a hook that takes the message keeps it from the rest";
  stopper.Remove();
  form->Perform(WM_USER);
  EXPECT_EQ(spy.Entries().size(), 3u);
}

// What stands beside a form in screen coordinates follows it through its window procedure: a
// move is told once with WM_MOVE, a size change alone only with WM_SIZE.
TEST(WindowProcHookTest, AFormsMovesAndSizesReachItsWindowProcedure) {
  TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(100, 100, 300, 200);
  test::TMessageSpy spy(form.get(), {WM_MOVE, WM_SIZE});
  form->SetBounds(130, 120, 300, 200);
  EXPECT_EQ(spy.Text(), "WM_MOVE(0)");
  spy.Clear();
  form->SetBounds(130, 120, 340, 200);
  EXPECT_EQ(spy.Text(), "WM_SIZE(0)");
  spy.Clear();
  form->SetBounds(130, 120, 340, 200);
  EXPECT_EQ(spy.Text(), "");
}

}  // namespace
}  // namespace hd

// Focus messages come in pairs: a window hears WM_KILLFOCUS only after WM_SETFOCUS, even when
// a handler moves the focus while it is moving.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/forms.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TEventLog;
using test::TGuiKit;

struct FocusCase {
  const char* name;
  // Installed on the windows' messages: given the window's name and the message, it may move
  // the focus (returns the window to focus, "0" for none, "" to leave it).
  std::function<std::string(const std::string& window, UINT msg)> react;
  std::string messages;
  std::string focused;
};

void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.name; }

class FocusPairsTest : public ::testing::TestWithParam<FocusCase> {};

TEST_P(FocusPairsTest, EveryKillFollowsASet) {
  TGuiKit kit;
  TEventLog log;
  auto form = std::make_unique<TForm>(nullptr);
  std::map<std::string, TEdit*> edits;
  int top = 0;
  for (const char* n : {"A", "H", "X"}) {
    auto* e = new TEdit(form.get());
    e->SetName(n);
    e->SetParent(form.get());
    e->SetTop(top += 30);
    edits[n] = e;
  }
  form->Show();
  edits["A"]->SetFocus();
  kit.Process();
  bool armed = true;
  for (auto& [name, edit] : edits) {
    std::string n = name;
    auto previous = edit->WindowProc;
    edit->WindowProc = [&, n, previous](TMessage& m) {
      if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) {
        log.Note(n + (m.Msg == WM_SETFOCUS ? ":SET" : ":KILL"));
        std::string next = armed ? GetParam().react(n, m.Msg) : "";
        if (!next.empty()) {
          armed = false;
          if (next == "0")
            SetFocus(0);
          else
            edits[next]->SetFocus();
        }
      }
      previous(m);
    };
  }
  edits["H"]->SetFocus();
  kit.Process();
  EXPECT_EQ(log.Text(), GetParam().messages);
  std::string focused = "0";
  for (auto& [name, edit] : edits)
    if (edit->Focused()) focused = name;
  EXPECT_EQ(focused, GetParam().focused);
  // Each window's own messages alternate, starting with WM_SETFOCUS (A had it before).
  for (auto& [name, edit] : edits) {
    bool has = name == "A";
    for (const std::string& e : log.Entries()) {
      if (e.rfind(name + ":", 0) != 0) continue;
      bool set = e.back() == 'T';
      EXPECT_NE(set, has) << name << " heard " << e << " twice in a row";
      has = set;
    }
  }
  for (auto& [name, edit] : edits) edit->WindowProc = [edit](TMessage& m) { edit->WndProc(m); };
  form.reset();
}

INSTANTIATE_TEST_SUITE_P(
    Reentrant, FocusPairsTest,
    ::testing::Values(
        FocusCase{"Plain", [](const std::string&, UINT) { return std::string(); }, "A:KILL H:SET", "H"},
        FocusCase{"KillHandlerMovesTheFocusOn",
                  [](const std::string& w, UINT msg) { return w == "A" && msg == WM_KILLFOCUS ? "X" : ""; },
                  "A:KILL X:SET", "X"},
        FocusCase{"KillHandlerTakesTheFocusBack",
                  [](const std::string& w, UINT msg) { return w == "A" && msg == WM_KILLFOCUS ? "A" : ""; },
                  "A:KILL A:SET", "A"},
        FocusCase{"KillHandlerClearsTheFocus",
                  [](const std::string& w, UINT msg) { return w == "A" && msg == WM_KILLFOCUS ? "0" : ""; },
                  "A:KILL", "0"},
        FocusCase{"SetHandlerMovesTheFocusOn",
                  [](const std::string& w, UINT msg) { return w == "H" && msg == WM_SETFOCUS ? "X" : ""; },
                  "A:KILL H:SET H:KILL X:SET", "X"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace hd

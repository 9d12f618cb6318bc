// Top-level windows of a control's own: popups owned by a form, activation chains, showing
// without activation, the mouse's activation question and sizing by the bottom-right corner.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/scroll_bars.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

// A popup as the drop-downs make it: it keeps its owner's caption active while it is active,
// and hides when the activation goes to a window outside the chain it owns.
class TChainPopup : public TForm {
 public:
  using TForm::TForm;
  LRESULT mouse_activate_answer = 0;
  bool sizeable = false;
  std::vector<HWND> lost_to;
  int sizing_messages = 0;

  void Dispatch(TMessage& m) override {
    switch (m.Msg) {
      case WM_MOUSEACTIVATE:
        if (mouse_activate_answer == 0) break;
        m.Result = mouse_activate_answer;
        return;
      case WM_NCHITTEST: {
        TPoint p = ScreenToClient({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
        m.Result = sizeable && p.X > Width() - 10 && p.Y > Height() - 10 ? HTBOTTOMRIGHT : 0;
        return;
      }
      case WM_SIZING:
        ++sizing_messages;
        break;
      default:
        break;
    }
    TForm::Dispatch(m);
    if (m.Msg != WM_ACTIVATE) return;
    if (m.WParam != WA_INACTIVE) {
      if (PopupParent()) SendMessage(PopupParent()->Handle(), WM_NCACTIVATE, 1);
      return;
    }
    auto activated = static_cast<HWND>(m.LParam);
    lost_to.push_back(activated);
    for (HWND h = GetParent(activated); h; h = GetParent(h))
      if (h == Handle()) return;
    Hide();
  }
};

class TopLevelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<TForm>(nullptr);
    main_edit = new TEdit(main.get());
    main_edit->SetParent(main.get());
    main->SetBounds(100, 100, 400, 300);
    main->Show();
    main_edit->SetFocus();
    popup = std::make_unique<TChainPopup>(nullptr);
    popup->SetBorderStyle(bsNone);
    popup->SetPopupParent(main.get());
    popup->SetFormStyle(fsStayOnTop);
    popup->SetBounds(150, 200, 100, 80);
    popup_edit = new TEdit(popup.get());
    popup_edit->SetParent(popup.get());
    popup_edit->SetBounds(5, 5, 60, 21);
    kit.Process();
  }
  void TearDown() override {
    popup.reset();
    main.reset();
  }

  TGuiKit kit;
  std::unique_ptr<TForm> main;
  TEdit* main_edit = nullptr;
  std::unique_ptr<TChainPopup> popup;
  TEdit* popup_edit = nullptr;
};

TEST_F(TopLevelTest, PopupLosingActivationHidesUnlessAWindowItOwnsTookIt) {
  struct Case {
    const char* name;
    enum { Owned, Owner, Foreign } to;
    bool stays;
  };
  const Case cases[] = {
      {"a window the popup owns", Case::Owned, true},
      {"the popup's owner form", Case::Owner, false},
      {"a foreign form", Case::Foreign, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TForm nested(nullptr);
    nested.SetPopupParent(popup.get());
    TForm foreign(nullptr);
    popup->lost_to.clear();
    popup->Show();
    ASSERT_EQ(Screen().ActiveForm(), popup.get());
    // The popup keeps its owner's title bar drawn active.
    EXPECT_TRUE(main->CaptionActive());
    TCustomForm* next = c.to == Case::Owned ? static_cast<TCustomForm*>(&nested)
                        : c.to == Case::Owner ? main.get()
                                              : &foreign;
    if (c.to == Case::Owner)
      main_edit->SetFocus();
    else
      next->Show();
    kit.Process();
    ASSERT_EQ(popup->lost_to.size(), 1u);
    EXPECT_EQ(popup->lost_to[0], next->Handle());
    EXPECT_EQ(popup->Visible(), c.stays);
    EXPECT_EQ(Screen().ActiveForm(), next);
    popup->Hide();
    main_edit->SetFocus();
  }
}

TEST_F(TopLevelTest, ShowingWithoutActivationLeavesFocusAndActiveForm) {
  struct Case {
    const char* name;
    std::function<void(HWND)> show;
  };
  const Case cases[] = {
      {"ShowWindow SW_SHOWNOACTIVATE", [](HWND h) { ShowWindow(h, SW_SHOWNOACTIVATE); }},
      {"SetWindowPos HWND_TOPMOST SWP_NOACTIVATE",
       [](HWND h) { SetWindowPos(h, HWND_TOPMOST, 300, 320, 120, 90, SWP_NOACTIVATE | SWP_SHOWWINDOW); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    popup->SetFormStyle(fsNormal);
    c.show(popup->Handle());
    kit.Process();
    EXPECT_TRUE(popup->Visible());
    EXPECT_FALSE(popup->Active());
    EXPECT_EQ(Screen().ActiveForm(), main.get());
    EXPECT_EQ(GetFocus(), main_edit->Handle());
    // Shown over its owner, whichever form was activated last.
    EXPECT_EQ(Screen().VisibleFormsInZOrder().front(), popup.get());
    popup->Hide();
  }
  EXPECT_EQ(popup->BoundsRect(), Bounds(300, 320, 120, 90));
  EXPECT_NE(GetWindowLongPtr(popup->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(TopLevelTest, PressInAPopupActivatesItUnlessItAnswersNoActivate) {
  struct Case {
    const char* name;
    LRESULT answer;
    bool activates;
  };
  const Case cases[] = {
      {"default answer", 0, true},
      {"MA_NOACTIVATE", MA_NOACTIVATE, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    main_edit->SetFocus();
    popup->mouse_activate_answer = c.answer;
    ShowWindow(popup->Handle(), SW_SHOWNOACTIVATE);
    kit.Click(popup_edit, 10, 10);
    EXPECT_EQ(Screen().ActiveForm(), c.activates ? static_cast<TCustomForm*>(popup.get()) : main.get());
    EXPECT_EQ(GetFocus(), c.activates ? popup_edit->Handle() : main_edit->Handle());
    popup->Hide();
  }
}

TEST_F(TopLevelTest, PressOnAGraphicControlActivatesItsFormFirst) {
  auto* label = new TLabel(main.get());
  label->SetParent(main.get());
  label->SetBounds(10, 100, 60, 20);
  label->SetCaption("Label");
  popup->Show();
  kit.Process();
  ASSERT_EQ(Screen().ActiveForm(), popup.get());
  bool activeAtPress = false;
  label->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
    activeAtPress = Screen().ActiveForm() == main.get();
  };
  kit.Click(label, 5, 5);
  EXPECT_TRUE(activeAtPress);
  EXPECT_FALSE(popup->Visible()) << "the popup lost the activation to its owner";
  EXPECT_EQ(GetFocus(), main_edit->Handle()) << "the form's active control has the focus again";
  // A press on the form's own surface, and on a windowed control that takes no focus.
  auto* box = new TGroupBox(main.get());
  box->SetParent(main.get());
  box->SetBounds(100, 150, 100, 60);
  for (TControl* target : {static_cast<TControl*>(main.get()), static_cast<TControl*>(box)}) {
    SCOPED_TRACE(target->ClassName());
    popup->Show();
    kit.Process();
    ASSERT_EQ(Screen().ActiveForm(), popup.get());
    kit.Click(target, 50, 40);
    EXPECT_EQ(Screen().ActiveForm(), main.get());
    EXPECT_FALSE(popup->Visible());
  }
}

TEST_F(TopLevelTest, BottomRightCornerSizesThePopupWithinItsConstraints) {
  popup->sizeable = true;
  popup->SetConstraints({80, 50, 0, 0});
  popup->Show();
  kit.Process();
  kit.MouseDown(popup.get(), 97, 77);
  EXPECT_TRUE(popup->UserSizing());
  kit.MoveMouse(popup.get(), 137, 97, {ssLeft});
  EXPECT_EQ(popup->BoundsRect(), Bounds(150, 200, 140, 100));
  kit.MoveMouse(popup.get(), 0, 0, {ssLeft});
  EXPECT_EQ(popup->BoundsRect(), Bounds(150, 200, 80, 50));
  kit.MouseUp(popup.get(), 0, 0);
  EXPECT_FALSE(popup->UserSizing());
  EXPECT_EQ(GetCapture(), 0u);
  EXPECT_EQ(popup->sizing_messages, 2);
  // A press elsewhere in the popup is the client's.
  kit.MouseDown(popup.get(), 40, 40);
  EXPECT_FALSE(popup->UserSizing());
  kit.MouseUp(popup.get(), 40, 40);
}

TEST_F(TopLevelTest, PopupOutlivesItsOwner) {
  popup->Show();
  kit.Process();
  main.reset();
  EXPECT_EQ(popup->PopupParent(), nullptr);
  EXPECT_EQ(GetParent(popup->Handle()), 0u);
  EXPECT_TRUE(popup->Visible());
}

}  // namespace
}  // namespace hd

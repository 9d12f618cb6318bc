// The standard controls' widgets as Qt drives them.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <memory>

#include "platform/qt/qt_native.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TEventLog;
using test::TGuiKit;
using test::TMessageSpy;

// A freed control's widget lives on until Qt deletes it; a list closed in between (the user
// picked an item in a list still open) reported to the freed control.
TEST(QtStdCtrls, ComboWidgetThatOutlivesItsControl) {
  TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  auto* combo = new TComboBox(form.get());
  combo->SetParent(form.get());
  combo->Items().Add("one");
  form->Show();
  kit.Process();
  auto* widget = WidgetOf<QComboBox>(combo);
  TEventLog log;
  combo->OnDropDown = [&](TObject*) { log.Note("drop down"); };
  combo->OnCloseUp = [&](TObject*) { log.Note("close up"); };
  widget->showPopup();
  widget->hidePopup();
  ASSERT_EQ(log.Text(), "drop down close up") << "the list reports while its control lives";

  TMessageSpy spy(form.get(), {WM_COMMAND});
  delete combo;
  widget->showPopup();
  EXPECT_TRUE(widget->view()->isVisible()) << "the list still opens";
  widget->hidePopup();
  EXPECT_FALSE(widget->view()->isVisible());
  kit.Process();  // Qt deletes the widget now
  EXPECT_EQ(log.Text(), "drop down close up");
  EXPECT_EQ(spy.Text(), "") << "nothing reported for the freed control";
}

}  // namespace
}  // namespace hd

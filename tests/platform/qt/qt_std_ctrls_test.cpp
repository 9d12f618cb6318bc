// The standard controls' widgets as Qt drives them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <memory>

#include "platform/qt/qt_native.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

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
  delete combo;
  EXPECT_NO_FATAL_FAILURE(widget->showPopup());
  EXPECT_NO_FATAL_FAILURE(widget->hidePopup());
  kit.Process();
}

}  // namespace
}  // namespace hd

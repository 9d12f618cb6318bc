// A borderless form at (100, 100) holding one drop-down edit of a given kind at (20, 30),
// shown with the focus in the edit, under the invariant format settings.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/forms.h"
#include "platform/regional.h"
#include "testkit/gui_kit.h"

namespace hd::test {

template <class Kind>
class DropDownFixture : public ::testing::Test {
 protected:
  // Before: runs once the edit stands on the form, before the form shows.
  void ShowForm(const std::function<void()>& Before = {}) {
    SetFormatSettingsProvider([] { return InvariantFormatSettings(); });
    main = std::make_unique<TForm>(nullptr);
    main->SetBorderStyle(bsNone);
    main->SetBounds(100, 100, 500, 300);
    drop = New<Kind>(main.get());
    drop->SetParent(main.get());
    drop->SetBounds(20, 30, 150, 21);
    if (Before) Before();
    main->Show();
    drop->SetFocus();
    kit.Process();
  }
  void TearDown() override {
    main.reset();
    SetFormatSettingsProvider({});
    ResetKeyStates();
  }
  // A second edit on the form to take the focus away.
  TEdit* AddOtherEdit() {
    auto* edit = new TEdit(main.get());
    edit->SetParent(main.get());
    edit->SetBounds(20, 200, 100, 21);
    return edit;
  }

  TGuiKit kit;
  std::unique_ptr<TForm> main;
  Kind* drop = nullptr;
};

}  // namespace hd::test

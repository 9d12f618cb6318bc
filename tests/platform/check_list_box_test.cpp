// The check-list box: states kept across refills, toggles by the user reported, by code not.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/check_list_box.h"
#include "platform/forms.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

TEST(CheckListBoxTest, UserTogglesAreReportedAndStatesFollowTheItems) {
  TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  form->SetClientSize(300, 200);
  auto* list = new TCheckListBox(form.get());
  list->SetParent(form.get());
  list->SetBounds(10, 10, 150, 120);
  TStringList items;
  for (const char* s : {"alpha", "b b", "gamma"}) items.Add(s);
  list->SetItems(items);
  form->Show();
  kit.Process();
  std::vector<std::vector<bool>> reports;
  list->OnClickCheck = [&](TObject*) {
    reports.push_back({list->Checked(0), list->Checked(1), list->Checked(2)});
  };

  list->SetChecked(1, true);
  EXPECT_TRUE(reports.empty()) << "a state set by code notifies nothing";
  EXPECT_TRUE(list->Checked(1));
  EXPECT_FALSE(list->Checked(7));

  list->SetFocus();
  list->SetItemIndex(2);
  kit.Press(VK_SPACE);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], (std::vector<bool>{false, true, true}));
  // A click on an item's box toggles it too.
  const TRect alpha = list->ItemRect(0);
  kit.Click(list, alpha.Left + 9, (alpha.Top + alpha.Bottom) / 2);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[1], (std::vector<bool>{true, true, true}));

  // A list emptied and filled again starts unchecked.
  list->Clear();
  list->SetItems(items);
  EXPECT_FALSE(list->Checked(1));
  EXPECT_FALSE(list->Checked(2));
}

}  // namespace
}  // namespace hd

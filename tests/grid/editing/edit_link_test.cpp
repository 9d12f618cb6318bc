// A program's own control as the editor of edCustom cells, through a real grid: the keys each
// WantKey flag keeps or lets leave, Escape, a popup link closed by activating another window,
// and a link without a control.
#include <gtest/gtest.h>

#include "grid/editing/edit_link.h"
#include "grid/editing/editing_fixture.h"
#include "platform/application.h"

namespace hd::test {
namespace {

// A link whose control is a plain edit.
class TTestLink : public TEditLink {
 public:
  using TEditLink::TEditLink;
  TEdit* edit = nullptr;
  bool noControl = false;
  int created = 0;
  void CreateEditor(TWinControl* AParent) override {
    ++created;
    if (noControl) return;
    if (!edit) {
      edit = New<TEdit>(AParent);
      edit->OnKeyDown = [this](TObject* s, WORD& k, TShiftState sh) { EditKeyDown(s, k, sh); };
    }
    edit->SetParent(AParent);
  }
  void DestroyEditor() override {
    delete edit;
    edit = nullptr;
  }
  TWinControl* GetEditControl() override { return edit; }
  std::string GetEditorValue() override { return edit ? edit->Text() : std::string(); }
  void SetEditorValue(const std::string& s) override {
    if (edit) edit->SetText(s);
  }
};

class EditLinkTest : public EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    link = New<TTestLink>(form.get());
    grid->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
      if (c == kAddrCol) e = edCustom;
    };
    // The column grid copies the column's link into the grid's when the editor is asked for.
    grid->Columns().Items(kAddrCol)->SetEditLink(link);
  }
  void TearDown() override {
    // The popup form lives with the application.
    delete Application().FindComponent("gridform");
    EditingTest::TearDown();
  }
  void Open(int row) {
    ClickCell(kAddrCol, row);
    Press(VK_F2);
  }
  bool EditorOpen() const { return link->edit && link->edit->Visible() && link->edit->Focused(); }
  TTestLink* link = nullptr;
};

TEST_F(EditLinkTest, EachWantKeyFlagKeepsItsKeysAndWithoutItTheKeyEndsTheEdit) {
  struct Case {
    const char* name;
    WORD key;
    std::function<void(TEditLink&, bool)> want;
  };
  const Case cases[] = {
      {"Return", VK_RETURN, [](TEditLink& l, bool v) { l.SetWantKeyReturn(v); }},
      {"Escape", VK_ESCAPE, [](TEditLink& l, bool v) { l.SetWantKeyEscape(v); }},
      {"Left", VK_LEFT, [](TEditLink& l, bool v) { l.SetWantKeyLeftRight(v); }},
      {"Down", VK_DOWN, [](TEditLink& l, bool v) { l.SetWantKeyUpDown(v); }},
      {"End", VK_END, [](TEditLink& l, bool v) { l.SetWantKeyHomeEnd(v); }},
      {"PgDn", VK_NEXT, [](TEditLink& l, bool v) { l.SetWantKeyPriorNext(v); }},
      {"Tab", VK_TAB, [](TEditLink& l, bool v) { l.SetWantTabs(v); }},
  };
  // With goTabs the grid's procedure on the control lets Tab reach it.
  grid->SetOptions(grid->Options() + TGridOptions{goTabs});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.want(*link, true);
    Open(2);
    ASSERT_NE(link->edit, nullptr) << link->created;
    ASSERT_TRUE(EditorOpen()) << link->edit->Visible() << link->edit->Focused() << grid->EditorMode();
    Press(c.key);
    EXPECT_TRUE(EditorOpen()) << "kept by the control";
    c.want(*link, false);
    Press(c.key);
    EXPECT_FALSE(EditorOpen()) << "leaves the control";
    EXPECT_FALSE(link->edit->Focused());
    EXPECT_EQ(grid->Cells(kAddrCol, 2), "200");
    grid->SetCol(kAddrCol);
    grid->SetRow(2);
  }
  // Home leaves only with Alt held.
  Open(2);
  Press(VK_HOME);
  EXPECT_TRUE(EditorOpen());
}

TEST_F(EditLinkTest, ReturnStoresTheValueAndEscapePutsBackTheTextTheEditStartedFrom) {
  Open(2);
  link->edit->SelectAll();
  Type("2048");
  Press(VK_RETURN);
  EXPECT_FALSE(EditorOpen());
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "2048");
  Open(3);
  link->edit->SelectAll();
  Type("9999");
  Press(VK_ESCAPE);
  EXPECT_FALSE(EditorOpen());
  EXPECT_EQ(grid->Cells(kAddrCol, 3), "300");
}

TEST_F(EditLinkTest, PopupLinkIsClosedByActivatingAnotherWindowAndKeepsTheValue) {
  link->SetEditStyle(esPopup);
  link->SetPopupWidth(150);
  link->SetPopupHeight(60);
  Open(2);
  ASSERT_NE(link->PopupForm(), nullptr);
  TForm* popup = link->PopupForm();
  EXPECT_EQ(popup->Name(), "gridform");
  EXPECT_EQ(popup->Owner(), &Application());
  EXPECT_TRUE(popup->Visible());
  EXPECT_EQ(popup->FormStyle(), fsStayOnTop);
  EXPECT_EQ(popup->Width(), 150);
  ASSERT_NE(link->edit, nullptr);
  EXPECT_EQ(link->edit->Parent(), popup);
  link->edit->SelectAll();
  Type("777");
  // Another window becomes active.
  ClickCell(kNoteCol, 4);
  kit.Process();
  EXPECT_FALSE(popup->Visible());
  EXPECT_EQ(link->edit, nullptr) << "the control is freed with the popup's close";
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "777");
  // A second popup link reuses nothing of the first: one form of that name lives on.
  auto* other = New<TTestLink>(form.get());
  other->SetEditStyle(esPopup);
  grid->Columns().Items(kAddrCol)->SetEditLink(other);
  Open(3);
  ASSERT_NE(other->PopupForm(), nullptr);
  EXPECT_EQ(Application().FindComponent("gridform"), other->PopupForm());
  Press(VK_ESCAPE);
}

TEST_F(EditLinkTest, LinkWithoutAControlEndsTheEditCleanly) {
  link->noControl = true;
  Open(2);
  EXPECT_EQ(link->created, 1);
  EXPECT_TRUE(grid->Focused());
  Type("5");
  EXPECT_EQ(grid->Cells(kAddrCol, 2), "200");
}

}  // namespace
}  // namespace hd::test

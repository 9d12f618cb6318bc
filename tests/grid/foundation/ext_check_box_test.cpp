// The grid's check box: what toggles it (mouse, Space, its accelerator), what does not, Enter
// standing for Tab, and where the box stands with each alignment.
#include "grid/foundation/ext_check_box.h"

#include <gtest/gtest.h>

#include "platform/std_ctrls.h"
#include "platform/themes.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

struct TBoxBench {
  TGuiKit kit;
  TForm form{nullptr};
  TExtCheckBox* box = nullptr;
  TEdit* next = nullptr;
  int clicks = 0;

  TBoxBench() {
    form.SetClientSize(300, 100);
    box = new TExtCheckBox(&form);
    box->SetParent(&form);
    box->SetBounds(10, 10, 120, 20);
    box->SetCaption("&Match case");
    box->OnClick = [this](TObject*) { ++clicks; };
    next = new TEdit(&form);
    next->SetParent(&form);
    next->SetBounds(10, 50, 100, 21);
    form.Show();
    box->SetFocus();
    kit.Process();
  }
};

TEST(ExtCheckBoxTest, ToggledByMouseSpaceAndAccelerator) {
  enum Action { Click, ClickReleasedOutside, Space, Accelerator, ToggleCall };
  struct Case {
    const char* name;
    TCheckBoxState start;
    bool readOnly;
    Action action;
    TCheckBoxState end;
    int clicks;
  };
  const Case cases[] = {
      {"click checks", cbUnchecked, false, Click, cbChecked, 1},
      {"click unchecks", cbChecked, false, Click, cbUnchecked, 1},
      {"a release outside neither toggles nor clicks", cbUnchecked, false, ClickReleasedOutside, cbUnchecked, 0},
      {"Space checks and clicks", cbUnchecked, false, Space, cbChecked, 1},
      {"a grayed box is checked by Space", cbGrayed, false, Space, cbChecked, 1},
      {"a grayed box is checked by Toggle", cbGrayed, false, ToggleCall, cbChecked, 0},
      {"the accelerator toggles", cbChecked, false, Accelerator, cbUnchecked, 0},
      {"read-only: a click is reported, nothing toggles", cbUnchecked, true, Click, cbUnchecked, 1},
      {"read-only: Space toggles nothing", cbChecked, true, Space, cbChecked, 1},
      {"read-only: Toggle does nothing", cbGrayed, true, ToggleCall, cbGrayed, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBoxBench bench;
    TExtCheckBox* box = bench.box;
    box->SetState(c.start);
    box->SetReadOnly(c.readOnly);
    EXPECT_EQ(box->Checked(), c.start == cbChecked);
    switch (c.action) {
      case Click: bench.kit.Click(box, 5, 10); break;
      case ClickReleasedOutside:
        bench.kit.MouseDown(box, 5, 10);
        EXPECT_TRUE(box->Down());
        bench.kit.MoveMouse(box, 200, 10, {ssLeft});
        EXPECT_FALSE(box->Down()) << "dragged off, the box shows up";
        bench.kit.MouseUp(box, 200, 10);
        break;
      case Space: bench.kit.Press(VK_SPACE); break;
      case Accelerator: bench.kit.Press('M', {ssAlt}); break;
      case ToggleCall: box->Toggle(); break;
    }
    bench.kit.Process();
    EXPECT_EQ(box->State(), c.end);
    EXPECT_EQ(bench.clicks, c.clicks);
    EXPECT_FALSE(box->Down());
  }
}

TEST(ExtCheckBoxTest, EnterMovesOnOnlyWithReturnIsTab) {
  for (bool returnIsTab : {false, true}) {
    SCOPED_TRACE(returnIsTab ? "ReturnIsTab" : "plain");
    TBoxBench bench;
    bench.box->SetReturnIsTab(returnIsTab);
    bench.kit.Press(VK_RETURN);
    bench.kit.Process();
    EXPECT_EQ(bench.next->Focused(), returnIsTab);
    EXPECT_FALSE(bench.box->Checked()) << "Enter toggles nothing";
  }
}

TEST(ExtCheckBoxTest, BoxStandsByAlignmentAndThemedStateCountsDisabledFirst) {
  TBoxBench bench;
  TExtCheckBox* box = bench.box;
  const bool themes = ThemesActive();
  struct Case {
    const char* name;
    bool themed;
    TAlignment alignment;
    TTextLayout layout;
    TRect rect;
  };
  // The control is 120 x 20.
  const Case cases[] = {
      {"themed, left, top", true, taLeftJustify, tlTop, Bounds(0, 4, 14, 14)},
      {"themed, right, centre", true, taRightJustify, tlCenter, Bounds(105, 4, 14, 14)},
      {"themed, left, bottom", true, taLeftJustify, tlBottom, Bounds(0, 6, 14, 14)},
      {"classic, right, top", false, taRightJustify, tlTop, Bounds(107, 4, 13, 13)},
      {"classic, left, bottom", false, taLeftJustify, tlBottom, Bounds(0, 3, 13, 13)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetThemesActive(c.themed);
    box->SetAlignment(c.alignment);
    box->SetButtonVertAlign(c.layout);
    EXPECT_EQ(box->BoxRect(), c.rect);
  }
  SetThemesActive(themes);
  box->SetState(cbChecked);
  EXPECT_EQ(box->ThemeStateIndex(), 5);
  bench.kit.MoveMouse(&bench.form, 250, 80);
  bench.kit.MoveMouse(box, 5, 10);
  EXPECT_TRUE(box->MouseInControl());
  EXPECT_EQ(box->ThemeStateIndex(), 6) << "hot";
  box->SetDown(true);
  box->SetState(cbGrayed);
  EXPECT_EQ(box->ThemeStateIndex(), 11) << "pressed outranks hot";
  box->SetEnabled(false);
  box->SetState(cbUnchecked);
  EXPECT_EQ(box->ThemeStateIndex(), 4) << "disabled outranks pressed";
}

}  // namespace
}  // namespace hd

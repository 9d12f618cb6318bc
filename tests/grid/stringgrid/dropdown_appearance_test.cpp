#include "grid/stringgrid/dropdown_appearance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/settings_kit.h"
#include "platform/exceptions.h"

namespace hd {
namespace {

TEST(DropDownAppearance, HeaderAndFooterDefaults) {
  THeaderAppearance h(nullptr);
  TFooterAppearance f(nullptr);
  for (TStripAppearance* a : {static_cast<TStripAppearance*>(&h), static_cast<TStripAppearance*>(&f)}) {
    SCOPED_TRACE(a->ClassName());
    ExpectDefaults({
        HD_DEFAULT(a->Visible(), true),
        HD_DEFAULT(a->Height(), 22),
        HD_DEFAULT(a->BorderWidth(), 1),
        HD_DEFAULT(a->ImageIndex(), -1),
        HD_DEFAULT(a->Caption(), ""),
        HD_DEFAULT(a->ColorTo(), 0xFFFFFF),
        HD_DEFAULT(a->Color(), 0xC0C0C0),
        HD_DEFAULT(a->BorderColor(), 0x000000),
        HD_DEFAULT(a->GradientDirection(), gdVertical),
        HD_DEFAULT(a->ButtonAlignment(), baRight),
    });
  }
  EXPECT_EQ(h.Font().Name, "Tahoma");
  EXPECT_TRUE(f.SizeGrip());
  EXPECT_EQ(h.Buttons().Count(), 0);
  EXPECT_EQ(f.Buttons().Count(), 0);

  TFooterButton* b = f.Buttons().Add();
  ExpectDefaults({
      HD_DEFAULT(b->Caption(), ""),
      HD_DEFAULT(b->ImageIndex(), -1),
      HD_DEFAULT(b->Enabled(), true),
      HD_DEFAULT(b->Width(), 0),
      HD_DEFAULT(b->Height(), 0),
      HD_DEFAULT(b->ModalResult(), mrNone),
  });
}

TEST(DropDownAppearance, VisibleAndButtonChangesAreReported) {
  THeaderAppearance h(nullptr);
  std::vector<std::string> events;
  h.OnChange = [&](TObject* s) { events.push_back(s == &h ? "change" : "change from elsewhere"); };
  h.OnButtonsChanged = [&](TObject* s) { events.push_back(s == &h ? "buttons" : "buttons from elsewhere"); };

  h.SetVisible(true);  // unchanged
  h.SetVisible(false);
  h.SetHeight(30);
  h.SetCaption("x");
  THeaderButton* b = h.Buttons().Add();
  b->SetCaption("OK");
  b->SetCaption("OK");
  b->SetEnabled(false);
  b->SetWidth(40);
  b->SetHeight(20);
  b->SetImageIndex(2);
  EXPECT_EQ(events, (std::vector<std::string>{"change", "buttons", "buttons", "buttons"}));
}

TEST(DropDownAppearance, AssignCopiesAllWithVisibleThroughItsSetterAndColorsOnly) {
  TFooterAppearance source(nullptr);
  source.SetVisible(false);
  source.SetHeight(40);
  source.SetBorderWidth(3);
  source.SetImageIndex(1);
  source.SetCaption("<b>Foot</b>");
  source.SetColor(clRed);
  source.SetColorTo(clNone);
  source.SetBorderColor(clBlue);
  source.Font().Size = 12;
  source.SetGradientDirection(gdHorizontal);
  source.SetButtonAlignment(baLeft);
  source.SetSizeGrip(false);
  TFooterButton* sb = source.Buttons().Add();
  sb->SetCaption("Cancel");
  sb->SetModalResult(mrCancel);
  sb->SetWidth(50);

  TFooterAppearance colors(nullptr);
  colors.AssignColors(&source);
  EXPECT_EQ(colors.Color(), clRed);
  EXPECT_EQ(colors.ColorTo(), clNone);
  EXPECT_EQ(colors.BorderColor(), clBlue);
  EXPECT_EQ(colors.Font().Size, 12);
  EXPECT_EQ(colors.GradientDirection(), gdHorizontal);
  EXPECT_EQ(colors.Caption(), "");
  EXPECT_TRUE(colors.Visible());
  EXPECT_EQ(colors.Buttons().Count(), 0);

  TFooterAppearance f(nullptr);
  int changes = 0;
  f.OnChange = [&](TObject*) { ++changes; };
  f.Assign(&source);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(f.Height(), 40);
  EXPECT_EQ(f.BorderWidth(), 3);
  EXPECT_EQ(f.ImageIndex(), 1);
  EXPECT_EQ(f.Caption(), "<b>Foot</b>");
  EXPECT_EQ(f.ButtonAlignment(), baLeft);
  EXPECT_FALSE(f.SizeGrip());
  ASSERT_EQ(f.Buttons().Count(), 1);
  EXPECT_EQ(f.Buttons().Items(0)->Caption(), "Cancel");
  EXPECT_EQ(f.Buttons().Items(0)->ModalResult(), mrCancel);
  EXPECT_EQ(f.Buttons().Items(0)->Width(), 50);

  // A header takes nothing from a footer, and a header button nothing from a footer button.
  THeaderAppearance h(nullptr);
  h.Assign(&source);
  h.AssignColors(&source);
  EXPECT_TRUE(h.Visible());
  EXPECT_EQ(h.Color(), clSilver);
  THeaderButton* hb = h.Buttons().Add();
  try {
    hb->Assign(sb);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TFooterButton to a THeaderButton");
  }
}

}  // namespace
}  // namespace hd

// The colour picker through its real edit: the default colours, SelectedColor and ItemIndex
// both ways with the events they fire, the colour text, the edit area, and the list popup's
// keys, choosing and Escape.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/editors/dropdown/colorpicker_dropdown.h"
#include "grid/editors/dropdown/dropdown_fixture.h"
#include "platform/bitmap.h"
#include "platform/bitmap_resources.h"
#include "platform/edit_paint.h"
#include "platform/forms.h"
#include "platform/raster_canvas.h"

namespace hd {
namespace {

class ColorPickerTest : public test::DropDownFixture<TExtColorPickerDropDown> {
 protected:
  void SetUp() override {
    ShowForm([this] { drop->OnSelect = [this](TObject*) { selects.push_back(drop->ItemIndex()); }; });
  }
  bool Down() { return drop->DropDownForm() && drop->DropDownForm()->Visible(); }
  std::vector<int> selects;
};

TEST_F(ColorPickerTest, SelectedColorFindsItsEntryAndTheTextFollowsTheStyle) {
  EXPECT_EQ(drop->Colors().Count(), 0);
  EXPECT_EQ(drop->DropDownHeight(), 200);
  EXPECT_EQ(drop->SelectedColorText(), "");
  drop->AddDefaultColors();
  ASSERT_EQ(drop->Colors().Count(), 16);
  drop->SetSelectedColor(0x008000);
  EXPECT_EQ(drop->ItemIndex(), 2);
  EXPECT_EQ(drop->SelectedColorText(), "Green");
  EXPECT_EQ(selects, (std::vector<int>{2}));
  // A colour outside the list keeps the index, so the caption stays next to the new colour.
  drop->SetSelectedColor(0x663300);
  EXPECT_EQ(drop->ItemIndex(), 2);
  EXPECT_EQ(drop->SelectedColorText(), "Green");
  drop->SetItemIndex(-5);
  EXPECT_EQ(drop->ItemIndex(), -1);
  EXPECT_EQ(drop->SelectedColor(), 0x663300);
  drop->SetColorValueText(cvtHTML);
  EXPECT_EQ(drop->SelectedColorText(), "#003366");
  drop->SetColorValueText(cvtRGB);
  EXPECT_EQ(drop->SelectedColorText(), "Red:0,Green:51,Blue:102");
  drop->SetItemIndex(16);  // past the colours
  EXPECT_EQ(drop->ItemIndex(), -1);
  selects.clear();
  drop->SetItemIndex(-1);
  EXPECT_EQ(selects, (std::vector<int>{-1})) << "fires also when unchanged";
}

TEST_F(ColorPickerTest, EditAreaShowsTheColourBoxAndText) {
  drop->AddDefaultColors();
  drop->SetSelectedColor(0x0000FF);
  TBitmap shot;
  shot.SetPixelFormat(pf24bit);
  shot.SetSize(drop->Width(), drop->Height());
  TRasterCanvas c(shot);
  c.Brush() = TBrush{clWhite, bsSolid};
  c.FillRect(Rect(0, 0, shot.Width(), shot.Height()));
  drop->PaintSelectedColor(c);
  const int top = 1 + (drop->Height() - 14) / 2;
  EXPECT_EQ(c.Pixel(5, top), 0x000000) << "black outline";
  EXPECT_EQ(c.Pixel(5 + 7, top + 7), 0x0000FF);
  TRect got{};
  drop->OnDrawSelectedColor = [&](TObject*, TCanvas&, TRect r) { got = r; };
  drop->PaintSelectedColor(c);
  EXPECT_EQ(got, Rect(1, 1, drop->Width() - drop->DropDownButtonWidth() - 2, drop->Height() - 2));

  // The window's own paint draws it over the face.
  EXPECT_TRUE(EditPaintsOver(*drop));
  got = TRect{};
  drop->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&c));
  EXPECT_EQ(got.Right, drop->Width() - drop->DropDownButtonWidth() - 2);
}

TEST_F(ColorPickerTest, ListKeysChooseAndEscapeRestores) {
  drop->AddDefaultColors();
  kit.Press(VK_DOWN);
  EXPECT_EQ(drop->ItemIndex(), 0) << "closed: from none to the first";
  kit.Press(VK_END);
  EXPECT_EQ(drop->ItemIndex(), 15);
  kit.Press(VK_DOWN);
  EXPECT_EQ(drop->ItemIndex(), 15);
  kit.Press(VK_HOME);
  kit.Press(VK_UP);
  EXPECT_EQ(drop->ItemIndex(), 0);
  EXPECT_FALSE(Down());
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  kit.Press(VK_DOWN);
  kit.Press(VK_DOWN);
  EXPECT_EQ(drop->ItemIndex(), 2);
  EXPECT_TRUE(Down());
  kit.Press(VK_ESCAPE);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->ItemIndex(), 0);
  EXPECT_EQ(drop->SelectedColor(), 0x000000);
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  drop->ItemSelector()->SetItemIndex(9);  // a click on "Red"
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->SelectedColor(), 0x0000FF);
  EXPECT_EQ(drop->SelectedColorText(), "Red");
}

// The list popup is sized before it first shows: the bar it needs is counted in then, and
// the list keeps its whole width beside it.
TEST_F(ColorPickerTest, ListPopupHoldsTheListAndTheBarItNeeds) {
  struct Case {
    int colors;
    bool bar;
  };
  for (const Case& k : {Case{16, true}, Case{3, false}}) {
    SCOPED_TRACE(k.colors);
    drop->Colors().Clear();
    drop->AddDefaultColors();
    while (drop->Colors().Count() > k.colors) drop->Colors().Delete(drop->Colors().Count() - 1);
    drop->ShowDropDown();
    kit.Process();
    ASSERT_TRUE(Down());
    TExtCustomItemSelector* sel = drop->ItemSelector();
    EXPECT_EQ(sel->VertScrollBar().IsScrollBarVisible(), k.bar);
    EXPECT_FALSE(sel->HorzScrollBar().IsScrollBarVisible());
    EXPECT_GE(sel->ClientWidth(), sel->Panel()->Width());
    EXPECT_TRUE(sel->Panel()->Showing());
    kit.Press(VK_ESCAPE);
    kit.Process();
  }
}

TEST_F(ColorPickerTest, ColourBoxesChooseByKeyAndClickAndEscapeRestores) {
  drop->AddDefaultColors();
  drop->SetColorSelectionStyle(csDiscrete);
  drop->SetSelectedColor(0x000000);  // box 1 of the discrete colours, entry 0 of the list
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  TCustomColorSelector* boxes = drop->ColorSelector();
  ASSERT_NE(boxes, nullptr);
  EXPECT_EQ(boxes->ItemIndex(), 1);
  EXPECT_EQ(drop->DropDownForm()->Width(), 165 + 2 * drop->DropDownBorderWidth());
  EXPECT_EQ(drop->DropDownForm()->Height(), 84 + 2 * drop->DropDownBorderWidth());
  kit.Press(VK_DOWN);
  EXPECT_EQ(boxes->ItemIndex(), 11);
  EXPECT_TRUE(Down());
  kit.Press(VK_ESCAPE);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(boxes->SelectedColor(), 0x000000);
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  selects.clear();
  boxes->SetItemIndex(0);  // a click on white, which the list holds too
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->SelectedColor(), 0xFFFFFF);
  EXPECT_EQ(drop->ItemIndex(), -1);
  EXPECT_EQ(selects, (std::vector<int>{15, -1})) << "once for the matching entry, once for -1";
  // The box panel refuses indexes outside its boxes.
  boxes->SetItemIndex(60);
  boxes->SetItemIndex(-2);
  EXPECT_EQ(boxes->ItemIndex(), 0);
}

TEST_F(ColorPickerTest, HoneycombClickChoosesACellAndBetweenCellsNothing) {
  drop->SetColorSelectionStyle(csColorCube);
  drop->SetColorValueText(cvtHTML);
  drop->SetSelectedColor(0xFFFFFF);
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  TExtColorCubePanel* cube = drop->ColorCubePanel();
  ASSERT_NE(cube, nullptr);
  EXPECT_EQ(cube->SelectedIndex(), 64);
  EXPECT_EQ(cube->Width(), 182);
  EXPECT_EQ(drop->DropDownForm()->Height(), 160 + 2 * drop->DropDownBorderWidth());
  kit.Click(cube, 55, 27);  // farther than 6 pixels from every centre
  kit.Process();
  EXPECT_TRUE(Down());
  EXPECT_EQ(drop->SelectedColor(), 0xFFFFFF);
  kit.MoveMouse(cube, 55, 20);
  EXPECT_EQ(cube->Hint(), "Red: 0,  Green: 51,  Blue: 102");
  kit.Click(cube, 55, 20);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->SelectedColor(), 0x663300);
  EXPECT_EQ(drop->ItemIndex(), -1);
  EXPECT_EQ(drop->SelectedColorText(), "#003366");
}

TEST_F(ColorPickerTest, SpectrumPicksThePixelUnderTheMouse) {
  drop->SetColorSelectionStyle(csSpectrum);
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  TExtColorSpectrumPanel* spectrum = drop->SpectrumPanel();
  ASSERT_NE(spectrum, nullptr);
  EXPECT_EQ(spectrum->Width(), 150);
  EXPECT_EQ(spectrum->Height(), 174);
  EXPECT_EQ(spectrum->ImageRect(), Bounds(11, 10, 128, 128));
  EXPECT_NE(Screen().Cursors(54), HCURSOR{0});
  const TBitmap picture = BitmapResource("DAZ_SPECTRUM");
  ASSERT_EQ(picture.Width(), 128);
  kit.MoveMouse(spectrum, 11 + 5, 10 + 3);
  const TColor under = spectrum->HotColor();
  EXPECT_NE(under, clNone);
  kit.Click(spectrum, 11 + 5, 10 + 3);
  kit.Process();
  EXPECT_EQ(drop->SelectedColor(), under);
}

TEST_F(ColorPickerTest, StyleSwitchedWhileOpenShowsTheNewPickerSizedToIt) {
  drop->AddDefaultColors();
  drop->SetSelectionColorStyle(scWindows7);
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  ASSERT_TRUE(drop->ItemSelector()->Visible());
  const int b = 2 * drop->DropDownBorderWidth();
  struct Case {
    TColorSelectionStyle style;
    int width, height;
  };
  for (const Case& k : {Case{csColorCube, 182, 160}, Case{csSpectrum, 150, 174}, Case{csDiscrete, 165, 84}}) {
    SCOPED_TRACE(k.style);
    drop->SetColorSelectionStyle(k.style);
    TControl* shown = k.style == csColorCube  ? static_cast<TControl*>(drop->ColorCubePanel())
                      : k.style == csSpectrum ? static_cast<TControl*>(drop->SpectrumPanel())
                                              : static_cast<TControl*>(drop->ColorSelector());
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->Visible());
    EXPECT_FALSE(drop->ItemSelector()->Visible());
    EXPECT_EQ(drop->DropDownForm()->Width(), k.width + b);
    EXPECT_EQ(drop->DropDownForm()->Height(), k.height + b);
    EXPECT_FALSE(drop->DropDownForm()->Sizeable());
  }
  EXPECT_EQ(drop->ColorSelector()->ItemColorStyle(), scWindows7) << "the boxes take the selection style";
  EXPECT_FALSE(drop->SpectrumPanel()->Visible());
  drop->SetColorSelectionStyle(csList);
  EXPECT_TRUE(drop->ItemSelector()->Visible());
  EXPECT_FALSE(drop->ColorSelector()->Visible());
  EXPECT_EQ(drop->ItemSelector()->Items().Count(), 16) << "the list is filled again";
  drop->HideDropDown(true);
}

TEST_F(ColorPickerTest, BoxFramesTakeTheirAppearanceAndPanelsAskToHideOnRelease) {
  drop->SetColorSelectionStyle(csDiscrete);
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  TCustomColorSelector* boxes = drop->ColorSelector();
  ASSERT_NE(boxes, nullptr);
  const TRect box = boxes->Items()[5].Rect;
  auto frameAt = [&] {
    TBitmap shot(boxes->Width(), boxes->Height());
    boxes->PaintTo(shot.Canvas());
    return shot.Canvas().Pixel(box.Left, box.Top + box.Height() / 2);
  };
  EXPECT_EQ(frameAt(), TColor(0xC5C5C5));
  boxes->SetItemColorStyle(scCustom);
  boxes->ColorBoxAppearance().SetBorderColor(0x00FF00);
  EXPECT_EQ(frameAt(), TColor(0x00FF00)) << "custom keeps what was set";
  boxes->SetItemColorStyle(scWindowsVista);
  EXPECT_EQ(boxes->ColorBoxAppearance().BorderColor(), TColor(0xC5C5C5));

  drop->SetColorSelectionStyle(csColorCube);
  TExtColorCubePanel* cube = drop->ColorCubePanel();
  int asks = 0;
  cube->OnShouldHide = [&](TObject* Sender) { asks += Sender == cube; };
  kit.Click(cube, 55, 27);  // between cells: nothing chosen
  kit.Process();
  EXPECT_EQ(asks, 1);
  EXPECT_TRUE(Down()) << "the drop-down does not act on it";
  drop->HideDropDown(true);
}

// Made with plain new, the picker has no popup until its first drop-down: a click on the
// closed picker makes and opens it, as F4 does.
TEST(ColorPickerMadeWithNewTest, FirstClickOpensThePopup) {
  test::TGuiKit kit;
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(100, 100, 300, 200);
  auto* drop = new TExtColorPickerDropDown(form.get());
  drop->SetParent(form.get());
  drop->SetBounds(20, 30, 150, 21);
  drop->AddDefaultColors();
  form->Show();
  kit.Process();
  kit.Advance(300);
  kit.Click(drop, 10, 10);
  kit.Process();
  EXPECT_TRUE(drop->DroppedDown());
  ASSERT_NE(drop->ItemSelector(), nullptr);
  EXPECT_TRUE(drop->ItemSelector()->Panel()->Showing());
}

}  // namespace
}  // namespace hd

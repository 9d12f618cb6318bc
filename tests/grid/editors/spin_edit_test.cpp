// The spin edit on a form: its value accessors and limits, the stepping keys, typing with the
// editor off, the re-clamp on leaving, and the repeat of a held button on the virtual clock.
#include "grid/editors/spin_edit.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/clipboard.h"
#include "platform/forms.h"
#include "platform/recording_canvas.h"
#include "platform/regional.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

class SpinEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(300, 200);
    spin = new TEsgSpinEdit(form.get());
    spin->SetParent(form.get());
    spin->SetBounds(20, 20, 120, 24);
    other = new TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(20, 100, 80, 21);
    form->Show();
    spin->SetFocus();
    kit.Process();
  }
  void Press(int vk, TShiftState s = {}) {
    kit.Press(vk, s);
    kit.Process();
  }
  // Press and hold the up button, as the mouse does.
  TExtTimerSpeedButton* Up() const { return spin->Button()->UpButton(); }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TEsgSpinEdit* spin = nullptr;
  TEdit* other = nullptr;
};

TEST_F(SpinEditTest, IntegerValueIsHeldWithinLimitsUnlessTheyAreEqual) {
  spin->SetValue(150);
  EXPECT_EQ(spin->Text(), "100");
  spin->SetMaxValue(0);
  spin->SetValue(150);
  EXPECT_EQ(spin->Text(), "150");
  spin->SetMinValue(3);
  spin->SetMaxValue(50);
  spin->SetText("oops");
  EXPECT_EQ(spin->Value(), 3) << "a text that is no number reads as MinValue";
  spin->SetText("");
  EXPECT_EQ(spin->Value(), 0);
}

TEST_F(SpinEditTest, KeysStepByLineAndPageAndGoNoFurther) {
  spin->SetSpinType(sptFloat);
  spin->SetFloatValue(5);
  Press(VK_UP);
  EXPECT_EQ(spin->Text(), "5.1");
  Press(VK_PRIOR);
  EXPECT_EQ(spin->Text(), "6.1");
  Press(VK_NEXT);
  Press(VK_DOWN);
  Press(VK_DOWN);
  EXPECT_EQ(spin->Text(), "4.9");
  spin->SetPrecision(2);
  EXPECT_EQ(spin->Text(), "4.90");
}

TEST_F(SpinEditTest, EditorOffRefusesTypingAndPasteButStillSteps) {
  spin->SetValue(7);
  spin->SetEditorEnabled(false);
  spin->SetSelStart(1);
  kit.Type("5");
  kit.Process();
  EXPECT_EQ(spin->Text(), "7");
  EXPECT_EQ(kit.Beeps().size(), 1u);
  Clipboard().SetAsText("99");
  spin->Perform(WM_PASTE);
  EXPECT_EQ(spin->Text(), "7");
  Press(VK_DELETE);
  EXPECT_EQ(spin->Text(), "7");
  Press(VK_UP);
  EXPECT_EQ(spin->Text(), "8");
  spin->SetReadOnly(true);
  Press(VK_UP);
  EXPECT_EQ(spin->Text(), "8") << "a read-only edit only beeps";
  EXPECT_EQ(kit.Beeps().size(), 2u);
}

TEST_F(SpinEditTest, LeavingPutsAValueTypedOutsideTheLimitsBackWithinThem) {
  spin->SelectAll();
  kit.Type("250");
  kit.Process();
  EXPECT_EQ(spin->Text(), "250");
  other->SetFocus();
  kit.Process();
  EXPECT_EQ(spin->Text(), "100");
}

TEST_F(SpinEditTest, HeldButtonRepeatsAfter400MsThenEvery100MsUntilReleased) {
  spin->SetValue(0);
  int clicks = 0;
  spin->Button()->OnUpClick = [&](TObject*) {
    ++clicks;
    spin->SpinUpClick();
  };
  kit.MouseDown(Up(), 3, 3);
  kit.Process();
  EXPECT_EQ(clicks, 0);
  kit.Advance(399);
  EXPECT_EQ(clicks, 0);
  kit.Advance(1);
  EXPECT_EQ(clicks, 1) << "first repeat at 400 ms";
  kit.Advance(99);
  EXPECT_EQ(clicks, 1);
  kit.Advance(1);
  EXPECT_EQ(clicks, 2);
  kit.Advance(200);
  EXPECT_EQ(clicks, 4);
  kit.MouseUp(Up(), 3, 3);
  kit.Process();
  EXPECT_EQ(clicks, 5) << "the release is the button's own click";
  kit.Advance(1000);
  EXPECT_EQ(clicks, 5) << "no repeat after the release";
  EXPECT_EQ(spin->Text(), "5");
  EXPECT_TRUE(spin->Focused()) << "the edit keeps the focus while its buttons are used";
}

TEST_F(SpinEditTest, TimeAndDateKeepTheCaretAndStepThePartUnderIt) {
  spin->SetSpinType(sptTime);
  spin->SetText("00:10:00");
  spin->SetSelStart(1);
  Press(VK_DOWN);
  EXPECT_EQ(spin->Text(), "23:10:00");
  EXPECT_EQ(spin->SelStart(), 1);
  spin->SetShowSeconds(false);
  spin->SetTimeValue(spin->TimeValue());
  EXPECT_EQ(spin->Text(), "23:10");
}

TEST_F(SpinEditTest, TheKeypadPointTypesTheLocalesDecimalSeparatorWhenAsked) {
  SetFormatSettingsProvider([] {
    TFormatSettings fs = PlatformFormatSettings();
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = '.';
    return fs;
  });
  spin->SetSpinType(sptFloat);
  spin->SetText("1");
  spin->SetSelStart(1);
  constexpr LPARAM kKeypad = LPARAM{0x53} << 16;  // the keypad's scan code carries bit 0x40
  spin->Perform(WM_CHAR, '.', kKeypad);
  EXPECT_EQ(spin->Text(), "1") << "off: the point is the thousand separator here, refused";
  spin->SetExcelStyleDecimalSeparator(true);
  spin->Perform(WM_CHAR, '.', LPARAM{0x34} << 16);
  EXPECT_EQ(spin->Text(), "1") << "the main keyboard's point stays a point";
  spin->Perform(WM_CHAR, '.', kKeypad);
  EXPECT_EQ(spin->Text(), "1,");
  SetFormatSettingsProvider({});
}

TEST_F(SpinEditTest, TheCustomLookFillsTheButtonsAndDrawsTheirTrianglesAtFixedPoints) {
  TEsgSpinButton* pair = spin->Button();
  pair->ButtonColor = RGB(200, 0, 0);
  pair->ButtonColorDown = RGB(0, 0, 200);
  auto painted = [](TExtTimerSpeedButton* b) {
    TRecordingCanvas canvas(b->Width(), b->Height());
    b->PaintTo(canvas);
    return canvas.Calls();
  };
  auto triangle = [&](TExtTimerSpeedButton* b) {
    for (const TCanvasCall& call : painted(b))
      if (call.Op == "Polygon") return call.Points;
    return std::vector<TPoint>{};
  };
  // The face: the last fill of the whole button (the paint's erase comes first).
  auto fill = [&](TExtTimerSpeedButton* b) {
    TColor face = clNone;
    for (const TCanvasCall& call : painted(b))
      if (call.Op == "FillRect" && call.Rect == b->ClientRect()) face = call.Brush;
    return face;
  };
  EXPECT_EQ(triangle(pair->UpButton()), (std::vector<TPoint>{{4, 4}, {8, 4}, {6, 2}}));
  EXPECT_EQ(triangle(pair->DownButton()), (std::vector<TPoint>{{4, 2}, {8, 2}, {6, 4}}));
  EXPECT_EQ(fill(pair->UpButton()), RGB(200, 0, 0));
  kit.MouseDown(pair->UpButton(), 3, 3);
  kit.Process();
  EXPECT_EQ(fill(pair->UpButton()), RGB(0, 0, 200));
  kit.MouseUp(pair->UpButton(), 3, 3);
  kit.Process();

  spin->SetDirection(spHorizontal);
  EXPECT_EQ(pair->Width(), 20);
  EXPECT_EQ(pair->DownButton()->BoundsRect(), (TRect{0, 0, 10, pair->Height()}));
  EXPECT_EQ(pair->UpButton()->BoundsRect(), (TRect{9, 0, 20, pair->Height()}));
  EXPECT_EQ(triangle(pair->UpButton()), (std::vector<TPoint>{{3, 5}, {5, 7}, {3, 9}}));
  EXPECT_EQ(triangle(pair->DownButton()), (std::vector<TPoint>{{5, 5}, {3, 7}, {5, 9}}));
}

TEST_F(SpinEditTest, ThePairsKeysFocusAndClickItsButtons) {
  TEsgSpinButton* pair = spin->Button();
  pair->SetTabStop(true);
  spin->SetValue(10);
  pair->SetFocus();
  kit.Process();
  EXPECT_TRUE(pair->FocusedButton()->TimeBtnState().Contains(tbFocusRect));
  Press(VK_DOWN);
  EXPECT_EQ(spin->Text(), "9");
  EXPECT_EQ(pair->FocusedButton(), pair->DownButton());
  EXPECT_TRUE(pair->DownButton()->TimeBtnState().Contains(tbFocusRect));
  EXPECT_FALSE(pair->UpButton()->TimeBtnState().Contains(tbFocusRect));
  Press(VK_SPACE);
  EXPECT_EQ(spin->Text(), "8");
  Press(VK_UP);
  EXPECT_EQ(spin->Text(), "9");
  EXPECT_EQ(pair->Perform(WM_GETDLGCODE), DLGC_WANTARROWS);
}

}  // namespace
}  // namespace hd

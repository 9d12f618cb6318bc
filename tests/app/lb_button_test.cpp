// The push button on a live form: properties, hot tracking and its fade, mouse and key input,
// dialog keys, modal results, the painted focus rectangle.
#include "app/lb_button.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/bitmap_resources.h"
#include "platform/native_input.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

constexpr TColor kFace = 0xEDF7F8;
constexpr TColor kOrange = 0x0080FF;

TColor At(const TBitmap& bmp, int x, int y) { return static_cast<TColor>(bmp.ScanLine(y)[x] & 0xFFFFFF); }

class LbButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetName("Form");
    form->SetClientSize(320, 200);
    edit = new TEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 150, 100, 21);
    button = MakeButton(20, 20, "Btn");
    other = MakeButton(140, 20, "Other");
    form->Show();
    kit.Process();
  }
  void TearDown() override { form.reset(); }

  // Set up as the program's windows set their buttons.
  TLbButton* MakeButton(int left, int top, const std::string& name) {
    auto* b = new TLbButton(form.get());
    b->SetName(name);
    b->SetParent(form.get());
    b->SetBounds(left, top, 100, 23);
    b->SetCaption(name);
    b->SetColor(kFace);
    b->SetLightColor(clGray);
    b->SetColorWhenDown(kOrange);
    b->SetHotTrackColor(clYellow);
    b->SetStyle(bsEncarta);
    b->OnClick = [this, b](TObject* sender) {
      EXPECT_EQ(sender, b);
      clicks += b == button ? "B" : "O";
    };
    return b;
  }

  static const TBitmap& Image(TLbButton* b) {
    b->Repaint();
    return *b->PaintedImage();
  }
  // A face pixel clear of edges, caption and focus rectangle.
  static TColor FaceAt(TLbButton* b) { return At(Image(b), 2, 2); }
  void MoveOff() { kit.MoveMouse(form.get(), 300, 180); }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TEdit* edit = nullptr;
  TLbButton* button = nullptr;
  TLbButton* other = nullptr;
  std::string clicks;
};

TEST_F(LbButtonTest, DefaultsOfANewButton) {
  form->SetFont([] {
    TFont f;
    f.Name = "Verdana";
    return f;
  }());
  TLbButton b(form.get());
  EXPECT_EQ(b.Width(), 100);
  EXPECT_EQ(b.Height(), 23);
  EXPECT_TRUE(b.TabStop());
  EXPECT_EQ(b.Color(), clBtnFace);
  EXPECT_EQ(b.Alignment(), taCenter);
  EXPECT_EQ(b.Style(), bsNormal);
  EXPECT_EQ(b.Layout(), blGlyphLeft);
  EXPECT_EQ(b.LightColor(), clWhite);
  EXPECT_EQ(b.ShadowColor(), clGray);
  EXPECT_EQ(b.ColorWhenDown(), clNone);
  EXPECT_EQ(b.HotTrackColor(), clNone);
  EXPECT_EQ(b.ModalResult(), mrNone);
  EXPECT_EQ(b.Kind(), bkCustom);
  EXPECT_EQ(b.HotTrackFont().Name, "Verdana");
  EXPECT_FALSE(b.SlowDecease());
}

TEST_F(LbButtonTest, KindsPresetsAndGlyphsSetTheirProperties) {
  button->SetKind(bkCancel);
  EXPECT_EQ(button->ModalResult(), mrCancel);
  EXPECT_EQ(button->NumGlyphs(), 2);
  EXPECT_EQ(button->Caption(), "Abbrechen");
  EXPECT_EQ(button->Glyph().Width(), BitmapResource("LBCANCEL").Width());
  button->SetKind(bkClose);
  EXPECT_EQ(button->ModalResult(), mrNone);
  EXPECT_EQ(button->Caption(), "Schließen");
  EXPECT_EQ(button->Kind(), bkClose);
  button->SetModalResult(mrOk);
  EXPECT_EQ(button->Kind(), bkCustom);

  button->SetColorStyle(lcsGold);
  EXPECT_EQ(button->ColorStyle(), lcsCustom);
  EXPECT_EQ(button->Style(), bsModern);
  EXPECT_EQ(button->Color(), 0x00C0C0);
  EXPECT_EQ(button->HotTrackColor(), 0x00DFDF);
  button->SetColorStyle(lcsQuicken);
  EXPECT_EQ(button->Style(), bsQuicken);
  EXPECT_EQ(button->Font().Color, clWhite);
  button->SetColorStyle(lcsUltraFlatXP);
  EXPECT_EQ(button->Style(), bsNormal);
  EXPECT_TRUE(button->Flat());
  EXPECT_EQ(button->Font().Color, clBlack);

  button->SetKind(bkOK);
  TBitmap strip(64, 16);
  button->SetGlyph(&strip);
  EXPECT_EQ(button->NumGlyphs(), 4);
  EXPECT_EQ(button->Kind(), bkCustom);
  button->SetGlyph(nullptr);
  EXPECT_EQ(button->NumGlyphs(), 0);
  EXPECT_TRUE(button->Glyph().Empty());
}

TEST_F(LbButtonTest, HotTrackingShowsOnEnterAndDropsOnLeave) {
  EXPECT_EQ(FaceAt(button), kFace);
  kit.MoveMouse(button, 50, 10);
  EXPECT_EQ(button->HotTrackStep(), 8);
  EXPECT_EQ(FaceAt(button), clYellow);
  MoveOff();
  EXPECT_EQ(button->HotTrackStep(), 0);
  EXPECT_EQ(FaceAt(button), kFace);
}

TEST_F(LbButtonTest, EnterAndExitEventsOnlyWhileEnabled) {
  std::string log;
  button->OnMouseEnter = [&](TObject*) { log += "enter "; };
  button->OnMouseExit = [&](TObject*) { log += "exit "; };
  kit.MoveMouse(button, 50, 10);
  MoveOff();
  button->SetEnabled(false);
  kit.MoveMouse(button, 50, 10);
  EXPECT_EQ(button->HotTrackStep(), 0);
  MoveOff();
  EXPECT_EQ(log, "enter exit ");
}

TEST_F(LbButtonTest, SlowDeceaseFadesInEightStepsOfThirtyMilliseconds) {
  button->SetSlowDecease(true);
  kit.MoveMouse(button, 50, 10);
  MoveOff();
  EXPECT_EQ(FaceAt(button), clYellow) << "the fade starts with the next tick";
  for (int step = 7; step >= 0; --step) {
    SCOPED_TRACE(step);
    kit.Advance(30);
    EXPECT_EQ(button->HotTrackStep(), step);
    EXPECT_EQ(FaceAt(button), BlendHotTrackColor(kFace, clYellow, step));
  }
  EXPECT_EQ(FaceAt(button), kFace);
  kit.Advance(300);
  EXPECT_EQ(button->HotTrackStep(), 0);
}

TEST_F(LbButtonTest, EnteringAgainDuringTheFadeStaysFullyHot) {
  button->SetSlowDecease(true);
  kit.MoveMouse(button, 50, 10);
  MoveOff();
  kit.Advance(90);
  EXPECT_EQ(button->HotTrackStep(), 5);
  kit.MoveMouse(button, 50, 10);
  kit.Advance(300);
  EXPECT_EQ(button->HotTrackStep(), 8);
  button->SetSlowDecease(false);
  EXPECT_EQ(button->HotTrackStep(), 0);
}

TEST_F(LbButtonTest, ReleaseOutsideAfterAPressInsideStillClicks) {
  NativeMouseDown(button, {50, 10});
  kit.Process();
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(GetFocus(), button->Handle());
  EXPECT_EQ(At(Image(button), 2, 2), kOrange) << "pressed look";
  NativeMouseMove(button, {250, 120});
  NativeMouseUp(button, {250, 120});
  kit.Process();
  EXPECT_EQ(clicks, "B");
  EXPECT_FALSE(button->Down());
  kit.Click(button);
  EXPECT_EQ(clicks, "BB");
}

TEST_F(LbButtonTest, DisabledButtonNeitherPressesNorClicks) {
  button->SetEnabled(false);
  kit.Click(button);
  EXPECT_FALSE(button->Down());
  button->Click();
  EXPECT_EQ(clicks, "");
  EXPECT_EQ(FaceAt(button), kFace);
}

TEST_F(LbButtonTest, ModalResultClosesTheModalForm) {
  TForm dialog(nullptr);
  dialog.SetClientSize(200, 80);
  auto* cancel = new TLbButton(&dialog);
  cancel->SetParent(&dialog);
  cancel->SetBounds(50, 30, 100, 23);
  cancel->SetModalResult(mrCancel);
  auto* ok = new TLbButton(&dialog);
  ok->SetParent(&dialog);
  ok->SetBounds(50, 55, 100, 23);
  std::string log;
  cancel->OnClick = [&](TObject*) { log += "click "; };
  kit.OnModal([&](TCustomForm*) {
    kit.Click(ok);
    EXPECT_EQ(dialog.ModalResult(), mrNone) << "no result, no close";
    kit.Click(cancel);
  });
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  EXPECT_EQ(log, "click ");
}

TEST_F(LbButtonTest, EnterAndSpaceOnTheFocusedButtonClickIt) {
  for (int key : {VK_RETURN, VK_SPACE}) {
    SCOPED_TRACE(key);
    clicks.clear();
    button->SetFocus();
    kit.Press(key);
    EXPECT_EQ(clicks, "B");
    EXPECT_FALSE(button->Down());
  }
}

// Enter in a modal dialog's edit closed the dialog on key down; the key up then reached the
// button that opened it, which clicked again and reopened the dialog.
TEST_F(LbButtonTest, KeyUpClicksOnlyAfterTheButtonSawTheKeyGoDown) {
  button->SetFocus();
  NativeKeyUp(VK_RETURN);
  NativeKeyUp(VK_SPACE);
  EXPECT_EQ(clicks, "");
  NativeKeyDown(VK_RETURN, {}, "\r");
  EXPECT_EQ(clicks, "");
  NativeKeyUp(VK_RETURN);
  EXPECT_EQ(clicks, "B");
}

TEST_F(LbButtonTest, DefaultAndCancelKeysOfTheDialog) {
  struct Case {
    const char* name;
    bool focusOther;
    int key;
    TShiftState shift;
    const char* expected;
  };
  const Case cases[] = {
      {"Enter in an edit clicks the default button", false, VK_RETURN, {}, "B"},
      {"Escape in an edit clicks the cancel button", false, VK_ESCAPE, {}, "O"},
      {"Shift+Escape is no cancel", false, VK_ESCAPE, {ssShift}, ""},
      {"Enter on another button goes to that button", true, VK_RETURN, {}, "O"},
      {"Escape on another button is not taken", true, VK_ESCAPE, {}, ""},
  };
  button->SetDefault(true);
  other->SetCancel(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    clicks.clear();
    if (c.focusOther) other->SetFocus();
    else edit->SetFocus();
    kit.Press(c.key, c.shift);
    EXPECT_EQ(clicks, c.expected);
  }
}

TEST_F(LbButtonTest, AcceleratorOfTheCaptionClicks) {
  button->SetCaption("&Apply");
  edit->SetFocus();
  kit.Press('A', {ssAlt});
  EXPECT_EQ(clicks, "B");
  button->SetVisible(false);
  kit.Press('A', {ssAlt});
  EXPECT_EQ(clicks, "B");
}

TEST_F(LbButtonTest, ClickHandlerThatFreesTheButtonsForm) {
  struct Case {
    const char* name;
    std::function<void(TLbButton*, TEdit*)> input;
  };
  const Case cases[] = {
      {"mouse", [this](TLbButton* b, TEdit*) { kit.Click(b); }},
      {"Space on the button", [this](TLbButton* b, TEdit*) { b->SetFocus(); kit.Press(VK_SPACE); }},
      {"Enter as the default button", [this](TLbButton*, TEdit* e) { e->SetFocus(); kit.Press(VK_RETURN); }},
      {"Alt and the accelerator", [this](TLbButton*, TEdit* e) { e->SetFocus(); kit.Press('X', {ssAlt}); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* owner = new TForm(nullptr);
    auto* e = new TEdit(owner);
    e->SetParent(owner);
    auto* b = new TLbButton(owner);
    b->SetParent(owner);
    b->SetBounds(10, 40, 100, 23);
    b->SetCaption("E&xit");
    b->SetDefault(true);
    b->SetModalResult(mrOk);
    b->OnClick = [owner](TObject*) { delete owner; };
    HWND h = b->Handle();
    owner->Show();
    kit.Process();
    c.input(b, e);
    EXPECT_FALSE(IsWindow(h));
  }
}

// The pixels where the focused and the unfocused picture differ.
std::vector<TPoint> Differences(const TBitmap& a, const TBitmap& b) {
  std::vector<TPoint> d;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (At(a, x, y) != At(b, x, y)) d.push_back({x, y});
  return d;
}

TEST_F(LbButtonTest, FocusRectangleIsInsetFourPixels) {
  const int w = button->Width(), h = button->Height();
  button->SetHotTrackColor(clNone);
  button->SetCaption("");
  const TBitmap plain = Image(button);
  button->SetFocus();
  const std::vector<TPoint> diff = Differences(plain, Image(button));
  ASSERT_FALSE(diff.empty());
  int minX = w, minY = h, maxX = 0, maxY = 0;
  for (TPoint p : diff) {
    EXPECT_TRUE(p.X == 4 || p.X == w - 5 || p.Y == 4 || p.Y == h - 5) << p.X << "," << p.Y;
    minX = std::min(minX, p.X), minY = std::min(minY, p.Y);
    maxX = std::max(maxX, p.X), maxY = std::max(maxY, p.Y);
  }
  EXPECT_EQ(Rect(minX, minY, maxX + 1, maxY + 1), Rect(4, 4, w - 4, h - 4));

  button->SetStyle(bsShape);
  other->SetFocus();
  const TBitmap shape = Image(button);
  button->SetFocus();
  EXPECT_TRUE(Differences(shape, Image(button)).empty()) << "no focus rectangle on a shape";
}

TEST_F(LbButtonTest, OldStyleFocusedFramesAShiftedFace) {
  const int w = button->Width(), h = button->Height();
  button->SetStyle(bsOld);
  button->SetLightColor(clWhite);
  button->SetCaption("");
  button->SetFocus();
  const TBitmap& img = Image(button);
  EXPECT_EQ(At(img, 0, 0), clBlack);
  EXPECT_EQ(At(img, w - 1, h - 1), clBlack);
  EXPECT_EQ(At(img, 1, 1), clWhite) << "the face's top-left corner, one pixel in";
  EXPECT_EQ(At(img, w - 2, h - 2), ColorToRGB(cl3DDkShadow)) << "the narrower face's far corner";
}

}  // namespace
}  // namespace hd

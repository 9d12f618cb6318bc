// Buttons in every style and state: pressed and disabled faces differ from the idle one. On
// request the states are laid out as one sheet for review by eye.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/lb_button.h"
#include "platform/bitmap_resources.h"
#include "platform/files.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

constexpr TColor kWindow = RGB(248, 247, 237);

struct Sample {
  std::string name;
  int width = 100, height = 23;
  std::function<void(TLbButton&)> setUp;
};

// The first image of a stock strip, as the program's windows give their buttons one glyph.
TBitmap FirstImage(const std::string& resource) {
  const TBitmap strip = BitmapResource(resource);
  TBitmap one(strip.Height(), strip.Height());
  for (int y = 0; y < one.Height(); ++y)
    for (int x = 0; x < one.Width(); ++x) one.ScanLine(y)[x] = strip.ScanLine(y)[x];
  return one;
}

void ProgramLook(TLbButton& b) {
  b.SetColor(0xEDF7F8);
  b.SetLightColor(clGray);
  b.SetUseHotTrackFont(false);
  b.SetColorWhenDown(0x0080FF);
  b.SetHotTrackColor(clYellow);
  b.SetStyle(bsEncarta);
}

std::vector<Sample> Samples() {
  std::vector<Sample> s;
  s.push_back({"program, encarta", 100, 23, [](TLbButton& b) {
                 ProgramLook(b);
                 const TBitmap g = FirstImage("LBOK");
                 b.SetGlyph(&g);
                 b.SetCaption("OK");
               }});
  s.push_back({"program, left aligned", 100, 23, [](TLbButton& b) {
                 ProgramLook(b);
                 const TBitmap g = FirstImage("LBCANCEL");
                 b.SetGlyph(&g);
                 b.SetAlignment(taLeftJustify);
                 b.SetModalResult(mrCancel);
                 b.SetCaption("Cancel");
               }});
  s.push_back({"program, glyph right", 100, 23, [](TLbButton& b) {
                 ProgramLook(b);
                 const TBitmap g = FirstImage("LBIGNORE");
                 b.SetGlyph(&g);
                 b.SetLayout(blGlyphRight);
                 b.SetCaption("Next");
               }});
  s.push_back({"main window step", 170, 36, [](TLbButton& b) {
                 ProgramLook(b);
                 b.SetHotTrackColor(clSkyBlue);
                 b.SetStyle(bsNormal);
                 b.SetCaption("Set Communication");
               }});
  for (const char* icon : {"BTNINFO", "BTNOPTIONS", "BTNCLOSE"})
    s.push_back({std::string("main window ") + icon, 50, 50, [icon](TLbButton& b) {
                   ProgramLook(b);
                   b.SetHotTrackColor(clSkyBlue);
                   b.SetStyle(bsNormal);
                   b.Glyph().LoadFromResourceName(icon);
                   b.SetNumGlyphs(1);
                 }});
  const std::pair<const char*, TLbColorStyle> presets[] = {
      {"gold", lcsGold},          {"chrome", lcsChrome},           {"blue", lcsBlue},
      {"red", lcsRed},            {"ultra flat 1", lcsUltraFlat1}, {"ultra flat 2", lcsUltraFlat2},
      {"ultra flat XP", lcsUltraFlatXP}, {"aqua", lcsAqua},        {"default", lcsDefault},
      {"quicken", lcsQuicken},
  };
  for (auto [name, preset] : presets)
    s.push_back({std::string("preset ") + name, 100, 23, [preset](TLbButton& b) {
                   b.SetColorStyle(preset);
                   b.SetCaption("Preset");
                 }});
  s.push_back({"old", 100, 23, [](TLbButton& b) { b.SetStyle(bsOld); b.SetCaption("Old"); }});
  s.push_back({"shape with glyph", 100, 23, [](TLbButton& b) {
                 b.SetStyle(bsShape);
                 b.SetKind(bkYes);
               }});
  const std::pair<const char*, TLbButtonKind> kinds[] = {
      {"OK", bkOK},       {"Cancel", bkCancel}, {"Help", bkHelp},     {"Yes", bkYes},
      {"No", bkNo},       {"Close", bkClose},   {"Abort", bkAbort},   {"Retry", bkRetry},
      {"Ignore", bkIgnore}, {"All", bkAll},
  };
  for (auto [name, kind] : kinds)
    s.push_back({std::string("kind ") + name, 100, 23, [kind](TLbButton& b) {
                   b.SetHotTrackColor(clYellow);
                   b.SetKind(kind);
                 }});
  s.push_back({"glyph on top", 100, 44, [](TLbButton& b) {
                 b.SetKind(bkRetry);
                 b.SetLayout(blGlyphTop);
               }});
  s.push_back({"glyph below", 100, 44, [](TLbButton& b) {
                 b.SetKind(bkHelp);
                 b.SetLayout(blGlyphBottom);
               }});
  s.push_back({"word wrap", 100, 36, [](TLbButton& b) {
                 b.SetWordWrap(true);
                 b.SetCaption("A caption on two lines");
               }});
  s.push_back({"shortened caption", 100, 23, [](TLbButton& b) { b.SetCaption("A caption far too long to fit"); }});
  return s;
}

class LbButtonSheetTest : public testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(260, 120);
    form->SetColor(kWindow);
    TFont f;
    f.Name = "Verdana";
    form->SetFont(f);
    edit = new TEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 90, 60, 21);
    form->Show();
    kit.Process();
  }
  void TearDown() override { form.reset(); }

  void Rest(TLbButton* b) {
    kit.MoveMouse(form.get(), 250, 110);
    edit->SetFocus();
    b->Repaint();
  }

  // Pictures of the button idle, hot, pressed, focused and disabled.
  std::vector<TBitmap> States(TLbButton* b) {
    std::vector<TBitmap> out;
    auto shot = [&] {
      b->Repaint();
      out.push_back(*b->PaintedImage());
    };
    Rest(b);
    shot();
    kit.MoveMouse(b, 3, 3);
    shot();
    NativeMouseDown(b, {3, 3});
    kit.Process();
    shot();
    NativeMouseUp(b, {3, 3});
    Rest(b);
    b->SetFocus();
    shot();
    b->SetEnabled(false);
    Rest(b);
    shot();
    b->SetEnabled(true);
    return out;
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TEdit* edit = nullptr;
};

TEST_F(LbButtonSheetTest, EveryStyleLooksDifferentPressedAndDisabled) {
  constexpr int kLabelWidth = 150, kColumn = 180, kStates = 5;
  const std::vector<Sample> samples = Samples();
  int height = 30;
  for (const Sample& s : samples) height += s.height + 8;
  TBitmap sheet(kLabelWidth + kStates * kColumn, height);
  TCanvas& c = sheet.Canvas();
  c.Brush() = TBrush{kWindow, bsSolid};
  c.FillRect(Rect(0, 0, sheet.Width(), sheet.Height()));
  c.Font().Name = "Verdana";
  c.Font().Color = clBlack;
  c.SetBkMode(bkTransparent);
  const char* stateNames[] = {"idle", "hot", "pressed", "focused", "disabled"};
  for (int i = 0; i < kStates; ++i) c.TextOut(kLabelWidth + i * kColumn, 8, stateNames[i]);

  int top = 30;
  for (const Sample& s : samples) {
    SCOPED_TRACE(s.name);
    auto* b = new TLbButton(form.get());
    b->SetParent(form.get());
    b->SetBounds(10, 10, s.width, s.height);
    s.setUp(*b);
    const std::vector<TBitmap> states = States(b);
    c.TextOut(8, top + (s.height - 13) / 2, s.name);
    for (int i = 0; i < kStates; ++i) c.Draw(kLabelWidth + i * kColumn, top, states[static_cast<size_t>(i)]);
    // Idle, pressed and disabled faces differ in every style.
    EXPECT_FALSE(states[0].SaveToMemory() == states[2].SaveToMemory());
    EXPECT_FALSE(states[0].SaveToMemory() == states[4].SaveToMemory());
    delete b;
    top += s.height + 8;
  }

  // The sheet is for review by eye: scripts/review-pictures.sh asks for it.
  if (const char* review = std::getenv("HD_REVIEW_PICTURES"); review && *review) {
    ASSERT_TRUE(ForceDirectories(review));
    sheet.SaveToFile(std::string(review) + "/lb_button_styles.png");
  }
}

}  // namespace
}  // namespace hd

// The flat combo box: its border and button painted over the native face in each state, the
// colours it takes and gives back, the attached label, the list's close-up and width, and
// focusing on hover.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/editors/flat_combo.h"
#include "platform/bitmap.h"
#include "platform/ext_ctrls.h"
#include "platform/themes.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

constexpr TColor kFormColor = RGB(200, 216, 232);
constexpr TColor kWhite = RGB(255, 255, 255);

// The combo's picture as its window shows it: the paint, then the frame pass on the same
// canvas, over the parent's colour.
TBitmap Face(TCustomComboBox* c) {
  TBitmap b(c->Width(), c->Height());
  b.Canvas().Brush() = TBrush{c->Parent()->Color(), bsSolid};
  b.Canvas().FillRect(Rect(0, 0, c->Width(), c->Height()));
  c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&b.Canvas()));
  c->Perform(WM_NCPAINT, 1, reinterpret_cast<LPARAM>(&b.Canvas()));
  return b;
}

// Pixels of r that differ between two pictures.
int Differences(const TBitmap& a, const TBitmap& b, const TRect& r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += (a.ScanLine(y)[x] & 0xFFFFFF) != (b.ScanLine(y)[x] & 0xFFFFFF);
  return n;
}

class FlatComboTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetThemesActive(true);
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(360, 200);
    form->SetColor(kFormColor);
    combo = new TEsgComboBox(form.get());
    combo->SetParent(form.get());
    combo->SetBounds(100, 40, 120, 21);
    combo->SetButtonWidth(16);
    for (const char* item : {"COIL STATUS", "INPUT STATUS", "HOLDING REGISTER"}) combo->Items().Add(item);
    other = new TEdit(form.get());
    other->SetParent(form.get());
    other->SetBounds(10, 150, 80, 21);
    form->Show();
    other->SetFocus();
    kit.Process();
  }
  void TearDown() override {
    ResetKeyStates();
    SetThemesActive(true);
  }
  // The picture the screen shows, through the platform's own paint.
  TBitmap Shown(TControl* c, const std::string& name) {
    TBitmap b;
    b.LoadFromFile(kit.RenderPng(c, name));
    return b;
  }
  TComboBox* PlainCombo() {
    auto* plain = new TComboBox(form.get());
    plain->SetParent(form.get());
    plain->SetBounds(100, 100, 120, 21);
    for (int i = 0; i < combo->Items().Count(); ++i) plain->Items().Add(combo->Items().Strings(i));
    kit.Process();
    return plain;
  }
  void Hover(int x, int y) { combo->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TEsgComboBox* combo = nullptr;
  TEdit* other = nullptr;
};

// With ButtonWidth 16 on a 120 x 21 combo the button is x 107..118, y 1..19: its face fills
// x 106..117, y 2..18, a line runs down x 107 and the arrow points down from y 8 around x 114.
TEST_F(FlatComboTest, ColouredButtonShowsTheFaceAndArrowOfTheMouseState) {
  const TColor face = RGB(200, 220, 240), hot = RGB(255, 200, 100), down = RGB(100, 150, 255);
  const TColor line = RGB(0, 0, 128), arrow = RGB(0, 100, 0), arrowDown = RGB(150, 0, 0);
  combo->SetButtonColor(face);
  combo->SetButtonColorHot(hot);
  combo->SetButtonColorDown(down);
  combo->SetButtonBorderColor(line);
  combo->SetButtonTextColor(arrow);
  combo->SetButtonTextColorDown(arrowDown);
  struct Case {
    const char* name;
    TPoint mouse;
    bool buttonDown;
    TColor face, arrow;
  };
  const std::vector<Case> cases = {
      {"mouse elsewhere", {40, 10}, false, face, arrow},
      {"over the button", {110, 10}, false, hot, arrow},
      {"pressed on the button", {110, 10}, true, down, arrowDown},
      {"pressed elsewhere", {40, 10}, true, face, arrowDown},
      // The button begins right of Width - ButtonWidth.
      {"on the button's left edge", {104, 10}, false, face, arrow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Hover(c.mouse.X, c.mouse.Y);
    SetKeyDown(VK_LBUTTON, c.buttonDown);
    TBitmap b = Face(combo);
    EXPECT_EQ(b.Canvas().Pixel(110, 15), c.face);
    EXPECT_EQ(b.Canvas().Pixel(116, 3), c.face);
    EXPECT_EQ(b.Canvas().Pixel(114, 9), c.arrow);
    EXPECT_EQ(b.Canvas().Pixel(107, 10), line);
    EXPECT_EQ(b.Canvas().Pixel(102, 0), kWhite) << "the strip before the button keeps the combo's colour";
    EXPECT_NE(b.Canvas().Pixel(50, 0), kWhite) << "the native face paints the rest";
  }
  SetKeyDown(VK_LBUTTON, false);

  // Only face colours, as the grid's colour tones give them: the arrow still shows, in the
  // text colour.
  combo->SetButtonTextColor(clNone);
  combo->SetButtonTextColorDown(clNone);
  EXPECT_EQ(Face(combo).Canvas().Pixel(114, 9), ColorToRGB(clWindowText));

  // On screen, the mouse moved there through the adaptor.
  kit.MoveMouse(combo, 112, 10);
  EXPECT_EQ(Shown(combo, "flat_combo_hot_button").Canvas().Pixel(110, 15), hot);
}

TEST_F(FlatComboTest, FlatLookPaintsTheFrameInTheParentsColourAndTheHoveredOneSunken) {
  combo->SetFlatParentColor(false);
  combo->SetFlat(true);
  combo->SetFlatLineColor(RGB(255, 0, 0));
  ASSERT_EQ(combo->Color(), clWindow);
  const TColor face = ColorToRGB(clBtnFace);

  TBitmap b = Face(combo);
  auto px = [&b](int x, int y) { return b.Canvas().Pixel(x, y); };
  EXPECT_EQ(px(0, 10), kFormColor);
  EXPECT_EQ(px(1, 10), kFormColor);
  EXPECT_EQ(px(2, 10), kWhite);
  EXPECT_EQ(px(1, 1), kFormColor);
  EXPECT_EQ(px(2, 2), kWhite);
  EXPECT_EQ(px(102, 10), kFormColor) << "the second ring stops short of the button";
  EXPECT_EQ(px(101, 10), kWhite);
  EXPECT_EQ(px(119, 10), kFormColor);
  EXPECT_EQ(px(0, 20), RGB(255, 0, 0)) << "the line under a flat combo";
  EXPECT_EQ(px(100, 20), RGB(255, 0, 0));
  EXPECT_EQ(px(101, 20), kFormColor) << "the line ends ButtonWidth + 3 from the right";
  // The platform's button edge, flattened in the button face's colour around the glyph.
  EXPECT_EQ(px(105, 10), face);
  EXPECT_EQ(px(116, 10), face);
  EXPECT_EQ(px(110, 3), face);

  // Hovered with a focus border: a sunken edge, then the button face, then the combo's colour.
  combo->SetFocusBorder(true);
  combo->Perform(CM_MOUSEENTER);
  b = Face(combo);
  EXPECT_EQ(px(0, 10), ColorToRGB(clBtnShadow));
  EXPECT_EQ(px(10, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(px(119, 10), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(px(1, 10), face);
  EXPECT_EQ(px(2, 10), kWhite);
  EXPECT_EQ(px(105, 10), kWhite) << "an active combo keeps the platform's button edge";

  // Under visual styles that the owner says are in use, the button edge is left alone.
  combo->Perform(CM_MOUSELEAVE);
  combo->SetIsWinXP(true);
  b = Face(combo);
  EXPECT_EQ(px(105, 10), kWhite);
  EXPECT_EQ(px(0, 10), kFormColor);

  // The picture on screen is the one the messages paint.
  TBitmap shown = Shown(combo, "flat_combo_flat");
  EXPECT_EQ(Differences(shown, Face(combo), Rect(0, 0, 120, 21)), 0);
}

TEST_F(FlatComboTest, BorderColourAndFocusBorderColourTakeTurnsWithTheFocus) {
  const TColor border = RGB(0, 128, 0), focusBorder = RGB(128, 0, 128);
  struct Case {
    const char* name;
    TColor border, focusBorder;
    TColor unfocused, focused;  // the frame pixel; clNone: neither of the two colours
  };
  const std::vector<Case> cases = {
      {"border colour only", border, clNone, border, border},
      {"both", border, focusBorder, border, focusBorder},
      {"focus border colour only", clNone, focusBorder, clNone, focusBorder},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    combo->SetBorderColor(c.border);
    combo->SetFocusBorderColor(c.focusBorder);
    for (bool focused : {false, true}) {
      SCOPED_TRACE(focused ? "focused" : "unfocused");
      if (focused)
        combo->SetFocus();
      else
        other->SetFocus();
      kit.Process();
      ASSERT_EQ(combo->Focused(), focused);
      TBitmap b = Face(combo);
      TColor expected = focused ? c.focused : c.unfocused;
      for (TPoint p : {Point(0, 0), Point(60, 20), Point(119, 10)}) {
        if (expected == clNone) {
          EXPECT_NE(b.Canvas().Pixel(p.X, p.Y), border);
          EXPECT_NE(b.Canvas().Pixel(p.X, p.Y), focusBorder);
        } else {
          EXPECT_EQ(b.Canvas().Pixel(p.X, p.Y), expected) << p.X << "," << p.Y;
        }
      }
    }
  }
}

TEST_F(FlatComboTest, DisabledUnderAThemeIsFramedUnlessTheBorderIsLeftToThePlatform) {
  TComboBox* plain = PlainCombo();
  plain->SetEnabled(false);
  combo->SetEnabled(false);
  combo->SetDisabledBorder(false);
  TBitmap b = Face(combo);
  for (TPoint p : {Point(0, 0), Point(60, 0), Point(119, 20), Point(0, 10)})
    EXPECT_EQ(b.Canvas().Pixel(p.X, p.Y), kDisabledThemedBorderColor);

  combo->SetDisabledBorder(true);
  EXPECT_EQ(Differences(Face(combo), Face(plain), Rect(0, 0, 120, 21)), 0) << "painted by the platform";

  SetThemesActive(false);
  combo->SetDisabledBorder(false);
  EXPECT_EQ(Differences(Face(combo), Face(plain), Rect(0, 0, 120, 21)), 0) << "no theme, no frame";
}

TEST_F(FlatComboTest, SystemDrawnComboLooksLikeThePlatformsUntilGivenButtonOrBorderColour) {
  TComboBox* plain = PlainCombo();
  combo->SetFlatParentColor(false);
  combo->SetFlat(true);
  combo->SetFocusBorderColor(RGB(128, 0, 128));
  combo->SetIsVista(true);
  EXPECT_EQ(Differences(Face(combo), Face(plain), Rect(0, 0, 120, 21)), 0);
  combo->SetFocus();
  kit.Process();
  TBitmap focused = Face(combo);
  plain->SetFocus();
  kit.Process();
  EXPECT_EQ(Differences(focused, Face(plain), Rect(0, 0, 120, 21)), 0) << "not even the focus border";

  combo->SetBorderColor(RGB(0, 128, 0));
  EXPECT_EQ(Face(combo).Canvas().Pixel(60, 0), RGB(0, 128, 0)) << "a border colour is drawn over the system's face";
  combo->SetBorderColor(clNone);
  combo->SetButtonColor(RGB(200, 220, 240));
  EXPECT_EQ(Face(combo).Canvas().Pixel(110, 15), RGB(200, 220, 240));
}

// The button of a flat combo without button colours: the style's combo button in the state
// of the mouse and the list, or without a theme the platform's flat combo arrow.
TEST_F(FlatComboTest, ButtonIsTheStylesInTheMouseStateOrTheFlatArrowWithoutTheme) {
  combo->SetFlatParentColor(false);
  combo->SetFlat(true);
  combo->SetIsWinXP(true);
  const TRect themed{107, 1, 119, 20}, classic{103, 2, 119, 19};
  struct Case {
    const char* name;
    bool themes, enabled, overButton, buttonDown, dropped;
    int state;         // the themed state, or
    unsigned classic;  // the frame control's state without a theme
  };
  const std::vector<Case> cases = {
      {"normal", true, true, false, false, false, TS_NORMAL, 0},
      {"hot", true, true, true, false, false, TS_HOT, 0},
      {"pressed while the list is down", true, true, true, true, true, TS_PRESSED, 0},
      {"pressed with the list up", true, true, true, true, false, TS_NORMAL, 0},
      {"disabled", true, false, false, false, false, TS_DISABLED, 0},
      {"no theme", false, true, true, false, false, 0, DFCS_SCROLLCOMBOBOX | DFCS_FLAT},
      {"no theme, disabled", false, false, false, false, false, 0, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetThemesActive(c.themes);
    combo->SetEnabled(c.enabled);
    Hover(c.overButton ? 110 : 40, 10);
    combo->SetDroppedDown(c.dropped);
    kit.Process();
    SetKeyDown(VK_LBUTTON, c.buttonDown);
    TBitmap expected(120, 21);
    expected.Canvas().Brush() = TBrush{combo->Color(), bsSolid};
    expected.Canvas().FillRect(Rect(0, 0, 120, 21));
    TRect r = c.themes ? themed : classic;
    if (c.themes) {
      expected.Canvas().DrawThemedPart(TThemedElement::ComboButton, c.state, r);
    } else {
      expected.Canvas().DrawFrameControl(r, DFC_SCROLL, c.classic);
      // Neither hovered nor focused, the edge around the glyph is flattened in the face colour.
      expected.Canvas().SaveState();
      expected.Canvas().ExcludeClipRect(Rect(108, 4, 116, 17));
      expected.Canvas().Brush() = TBrush{clBtnFace, bsSolid};
      expected.Canvas().FillRect(Rect(104, 3, 117, 18));
      expected.Canvas().RestoreState();
    }
    EXPECT_EQ(Differences(Face(combo), expected, r), 0);
    SetKeyDown(VK_LBUTTON, false);
    combo->SetDroppedDown(false);
    kit.Process();
  }
}

TEST_F(FlatComboTest, ButtonWidthKeepsToItsRangeAndSelectItemToExactTexts) {
  for (auto [width, kept] : {std::pair{13, 16}, {14, 14}, {32, 32}, {33, 32}, {0, 32}}) {
    combo->SetButtonWidth(width);
    EXPECT_EQ(combo->ButtonWidth(), kept) << width;
  }
  combo->SelectItem("INPUT STATUS");
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->SelectItem("input status");
  combo->SelectItem("INPUT");
  EXPECT_EQ(combo->ItemIndex(), 1) << "no item has that text";
}

TEST_F(FlatComboTest, LabelSitsWhereItsPositionSays) {
  TFont font;
  font.Name = kTestFontName;  // every character 6 pixels wide at 8 points
  combo->SetFont(font);       // ParentFont off, so the label font is taken
  combo->SetLabelFont(font);
  combo->SetLabelMargin(5);
  combo->SetLabelCaption("&Speed");
  TLabel* label = combo->ComboLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), form.get());
  EXPECT_EQ(label->FocusControl(), combo);
  EXPECT_EQ(combo->LabelCaption(), "&Speed");
  const int L = 100, T = 40, Wc = 120, Hc = 21, M = 5, W = 30;  // "Speed": the mark takes no room
  const int Wl = label->Width(), Hl = label->Height();
  const int middle = T + (Hc - Hl) / 2, centre = L + (Wc - Wl) / 2;
  struct Case {
    TLabelPosition position;
    int left, top;
  };
  const std::vector<Case> cases = {
      {lpLeftTop, L - W - M, T},           {lpLeftCenter, L - W - M, middle},    {lpLeftBottom, L - W - M, T + Hc - Hl},
      {lpTopLeft, L, T - Hl - M},          {lpBottomLeft, L, T + Hc + M},        {lpLeftTopLeft, L - M, T},
      {lpLeftCenterLeft, L - M, middle},   {lpLeftBottomLeft, L - M, T + Hc - Hl}, {lpTopCenter, centre, T - Hl - M},
      {lpBottomCenter, centre, T + Hc + M}, {lpRightTop, L + Wc + M, T},         {lpRightCenter, L + Wc + M, middle},
      {lpRighBottom, L + Wc + M, T + Hc - Hl},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    combo->SetLabelPosition(c.position);
    EXPECT_EQ(label->Left(), c.left);
    EXPECT_EQ(label->Top(), c.top);
  }
  combo->SetLabelPosition(lpLeftTop);
  combo->SetBounds(150, 60, 120, 21);
  EXPECT_EQ(label->Left(), 150 - W - M) << "the label moves with the combo";
  EXPECT_EQ(label->Top(), 60);

  TFont big = font;
  big.Size = 20;
  combo->SetParentFont(true);
  combo->SetLabelFont(big);
  EXPECT_EQ(combo->LabelFont().Size, 8) << "ignored while the combo takes its parent's font";
}

TEST_F(FlatComboTest, LabelFollowsVisibleAndEnabledAndTurnsBoldWithTheFocus) {
  combo->SetLabelCaption("Type");
  TLabel* label = combo->ComboLabel();
  EXPECT_TRUE(label->Visible());
  combo->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  combo->SetVisible(true);
  EXPECT_TRUE(label->Visible());

  combo->SetEnabled(false);
  EXPECT_FALSE(label->Enabled());
  combo->SetEnabled(true);
  EXPECT_TRUE(label->Enabled());
  combo->SetLabelAlwaysEnabled(true);
  combo->SetEnabled(false);
  EXPECT_TRUE(label->Enabled()) << "a label that stays enabled";
  combo->SetEnabled(true);

  combo->SetFocusLabel(true);
  combo->SetFocus();
  kit.Process();
  EXPECT_TRUE(label->Font().Style.Contains(fsBold));
  other->SetFocus();
  kit.Process();
  EXPECT_FALSE(label->Font().Style.Contains(fsBold));
}

// The label stands on the combo's parent, which may go first: the combo forgets it.
TEST_F(FlatComboTest, LabelFreedWithAnotherParentIsForgottenByTheCombo) {
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(0, 0, 300, 100);
  auto* owned = new TEsgComboBox(form.get());
  owned->SetParent(panel);
  owned->SetLabelCaption("Port");
  ASSERT_EQ(owned->ComboLabel()->Parent(), panel);
  owned->SetParent(form.get());
  EXPECT_EQ(owned->ComboLabel()->Parent(), form.get()) << "the label goes along to the new parent";
  owned->ComboLabel()->SetParent(panel);
  delete panel;
  EXPECT_EQ(owned->ComboLabel(), nullptr);
  owned->SetBounds(10, 10, 100, 21);
  owned->SetVisible(false);
  owned->SetLabelCaption("Port again");
  EXPECT_EQ(owned->ComboLabel()->Parent(), form.get());
}

TEST_F(FlatComboTest, ClosingTheListFiresCloseUpThenDropUp) {
  test::TEventLog log;
  combo->OnCloseUp = [&](TObject*) { log.Note("CloseUp"); };
  combo->OnDropUp = [&](TObject* sender) {
    EXPECT_EQ(sender, combo);
    log.Note("DropUp");
  };
  combo->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_DROPDOWN));
  EXPECT_EQ(log.Text(), "");
  combo->Perform(CN_COMMAND, MAKEWPARAM(0, CBN_CLOSEUP));
  EXPECT_EQ(log.Text(), "CloseUp DropUp");

  log.Clear();
  combo->SetDroppedDown(true);
  kit.Process();
  ASSERT_TRUE(combo->DroppedDown());
  combo->SetDroppedDown(false);
  kit.Process();
  EXPECT_EQ(log.Text(), "CloseUp DropUp") << "the list closed on screen";

  log.Clear();
  combo->SetVisible(false);
  kit.Process();
  EXPECT_EQ(log.Text(), "") << "hiding the combo with its list closed closes nothing";
}

TEST_F(FlatComboTest, DropWidthWidensTheListOnlyWhenPositive) {
  EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH), 120) << "the platform's width: the combo's";
  combo->SetDropWidth(260);
  EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH), 260);
  combo->SetDropWidth(0);
  EXPECT_EQ(combo->DropWidth(), 0);
  EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH), 260) << "0 sends nothing";
}

TEST_F(FlatComboTest, AutoFocusTakesTheFocusOnHoverOnlyOnTheActiveForm) {
  kit.MoveMouse(combo, 40, 10);
  EXPECT_FALSE(combo->Focused()) << "without AutoFocus";
  kit.MoveMouse(other, 5, 5);
  combo->SetAutoFocus(true);
  kit.MoveMouse(combo, 40, 10);
  EXPECT_TRUE(combo->Focused());

  other->SetFocus();
  kit.MoveMouse(other, 5, 5);
  TForm front(nullptr);
  front.SetBounds(600, 400, 200, 100);
  front.Show();
  kit.Process();
  ASSERT_FALSE(form->Active());
  kit.MoveMouse(combo, 60, 10);
  EXPECT_FALSE(combo->Focused()) << "the form is not the active window";
}

class LoadedCombo : public TEsgComboBox {
 public:
  LoadedCombo(TComponent* owner, TWinControl* parent) : TEsgComboBox(owner), parent_(parent) {}

 protected:
  // Settings given while the combo is loading, as a form's stored settings are.
  void Create() override {
    TEsgComboBox::Create();
    SetParent(parent_);
    SetBounds(100, 80, 120, 21);
    SetColor(RGB(250, 240, 200));
    SetDropWidth(240);
    SetLabelCaption("Rate");
    SetEnabled(false);
  }

 private:
  TWinControl* parent_;
};

TEST_F(FlatComboTest, LoadingRecordsTheColourAndAppliesWidthAndLabelState) {
  LoadedCombo* loaded = New<LoadedCombo>(form.get(), form.get());
  EXPECT_EQ(loaded->Perform(CB_GETDROPPEDWIDTH), 240);
  EXPECT_FALSE(loaded->ComboLabel()->Enabled()) << "the label takes the loaded enabled state";
  loaded->SetEnabled(true);

  // Unflattened, the combo goes back to the colour it was loaded with.
  loaded->SetFlat(true);
  EXPECT_EQ(loaded->Color(), kFormColor);
  loaded->SetFlat(false);
  EXPECT_EQ(loaded->Color(), RGB(250, 240, 200));

  loaded->SetFocusColor(RGB(255, 255, 180));
  loaded->SetFocus();
  kit.Process();
  EXPECT_EQ(loaded->Color(), RGB(255, 255, 180));
  other->SetFocus();
  kit.Process();
  EXPECT_EQ(loaded->Color(), RGB(250, 240, 200));
}

// A combo made at run time has no loaded colour recorded: the focus colour still gives way to
// the combo's own colour, not to black.
TEST_F(FlatComboTest, FocusColourOfAComboMadeAtRunTimeGivesBackItsOwnColour) {
  combo->SetColor(RGB(230, 255, 230));
  combo->SetFocusColor(RGB(255, 255, 180));
  combo->SetFocus();
  kit.Process();
  EXPECT_EQ(combo->Color(), RGB(255, 255, 180));
  other->SetFocus();
  kit.Process();
  EXPECT_EQ(combo->Color(), RGB(230, 255, 230));
}

TEST_F(FlatComboTest, DisabledFlatComboShowsItsParentsColourAndGetsItsOwnBack) {
  combo->SetFlatParentColor(false);
  combo->SetFlat(true);
  combo->SetColor(RGB(255, 250, 220));
  combo->SetEnabled(false);
  EXPECT_EQ(combo->Color(), kFormColor);
  EXPECT_TRUE(combo->ParentColor());
  combo->SetEnabled(true);
  EXPECT_EQ(combo->Color(), RGB(255, 250, 220));
  EXPECT_FALSE(combo->ParentColor());

  combo->SetFlatParentColor(true);
  combo->SetFlat(false);
  combo->SetFlat(true);
  EXPECT_EQ(combo->Color(), kFormColor) << "a flat combo takes its parent's colour";
}

}  // namespace
}  // namespace hd

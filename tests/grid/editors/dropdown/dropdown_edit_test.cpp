// The drop-down edit with a plain content control: where its popup opens on the kit's monitor
// layouts, the size it keeps, the veto, the keys and clicks that close it and the argument its
// close event gets, the 250 ms rule of the button, activation chains, the styles it starts
// with, and typing through the real edit.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/editors/dropdown/dropdown_edit.h"
#include "platform/classes.h"
#include "platform/regional.h"
#include "grid/editors/dropdown/dropdown_fixture.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;
using test::TMonitorLayoutScope;

// The smallest kind: its content is an edit of 120 x 90 made in its own popup set-up, which
// the base runs once the kind's object is whole.
class TPlainDropDown : public TExtCustomDropDown {
 public:
  using TExtCustomDropDown::TExtCustomDropDown;
  TEdit* content = nullptr;
  int formsCreated = 0;

 protected:
  void CreateDropDownForm() override {
    TExtCustomDropDown::CreateDropDownForm();
    ++formsCreated;
    if (content) return;
    content = new TEdit(this);
    content->SetBounds(0, 0, 120, 90);
    SetDropDownControl(content);
    SetFocusControl(content);
  }
};

class DropDownEditTest : public test::DropDownFixture<TPlainDropDown> {
 protected:
  void SetUp() override {
    ShowForm([this] {
      drop->DropDownHeader().SetVisible(false);
      drop->DropDownFooter().SetVisible(false);
      // Filled into the popup the content took its size; it starts again at its own.
      drop->content->SetAlign(alNone);
      drop->content->SetBounds(0, 0, 120, 90);
      other = AddOtherEdit();
      drop->OnDropUp = [this](TObject*, bool cancelled) { dropUps.push_back(cancelled); };
    });
  }
  TDropDownForm* Popup() { return drop->DropDownForm(); }
  TPoint EditOnScreen() { return main->ClientToScreen({drop->Left(), drop->Top()}); }
  void MoveEdit(int left, int top) {
    main->SetBounds(left, top, main->Width(), main->Height());
    kit.Process();
  }

  TMonitorLayoutScope monitors{{{Rect(0, 0, 1280, 900), Rect(0, 0, 1280, 860)},
                                {Rect(-1280, 0, 0, 900), Rect(-1280, 0, 0, 860)}}};
  TEdit* other = nullptr;
  std::vector<bool> dropUps;
};

TEST_F(DropDownEditTest, ConstructionRunsTheKindsPopupSetUpAndAppliesTheDefaultStyles) {
  EXPECT_EQ(drop->formsCreated, 1);
  ASSERT_NE(drop->content, nullptr);
  EXPECT_EQ(drop->content->Parent(), Popup());
  EXPECT_EQ(drop->GetComponentStyle(), tsOffice2007Luna);
  EXPECT_EQ(drop->DropDownColor(), 0xF3E5DA);
  EXPECT_EQ(drop->DropDownColorTo(), 0xF0DED0);
  EXPECT_EQ(drop->DropDownBorderColor(), clNone);
  EXPECT_EQ(drop->DropDownHeader().Font().Color, 0x723708);
  EXPECT_EQ(drop->ButtonAppearance().ColorTo(), 0xFFDDC4);
  EXPECT_EQ(drop->SelectionColor(), 0xD7FFFD);
  EXPECT_EQ(drop->SelectionColorTo(), 0x58D4FC);
  EXPECT_EQ(drop->Version(), "1.2.1.4");
  drop->SetVersion("9.9.9.9");
  EXPECT_EQ(drop->Version(), "1.2.1.4");
  EXPECT_EQ(drop->Width(), 150);
  EXPECT_EQ(drop->Button()->Width(), 17);
}

TEST_F(DropDownEditTest, StylesSetTheirColoursAndCustomOnlyRecords) {
  drop->SetComponentStyle(tsWindows7);
  EXPECT_EQ(drop->DropDownBorderColor(), 0x979797);
  EXPECT_EQ(drop->ButtonAppearance().BorderColorDown(), 0xCEA27D);
  EXPECT_EQ(drop->DropDownFooter().BorderColor(), 0xFBD6B8);
  drop->SetDropDownBorderColor(0x123456);
  drop->SetComponentStyle(tsOffice2003Blue);
  EXPECT_EQ(drop->DropDownBorderColor(), 0x123456) << "this style leaves the popup's border as it was";
  EXPECT_EQ(drop->ButtonAppearance().ColorHot(), 0xEBFDFF);
  drop->SetComponentStyle(tsCustom);
  EXPECT_EQ(drop->GetComponentStyle(), tsCustom);
  EXPECT_EQ(drop->DropDownColor(), 0xFFFFFF);
  drop->SetSelectionColorStyle(scCustom);
  EXPECT_EQ(drop->SelectionColor(), 0xD7FFFD);
  drop->SetSelectionColorStyle(scWindows7);
  EXPECT_EQ(drop->SelectionColorTo(), 0xFCDBC1);
}

TEST_F(DropDownEditTest, PopupOpensBelowOrAboveAndShiftsOffTheRightEdge) {
  struct Case {
    const char* name;
    TPoint form;
    TDropPosition position;
    int width;
    bool above;
    bool shifted;
  };
  const std::vector<Case> cases = {
      {"room below", {100, 100}, dpAuto, 0, false, false},
      {"near the screen's bottom", {100, 780}, dpAuto, 0, true, false},
      {"near the bottom but asked down", {100, 780}, dpDown, 0, false, false},
      {"asked up", {100, 100}, dpUp, 0, true, false},
      {"wider than the room to the right", {1100, 100}, dpAuto, 300, false, true},
      {"on a monitor whose work area starts left of 0", {-300, 100}, dpAuto, 300, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MoveEdit(c.form.X, c.form.Y);
    drop->SetDropPosition(c.position);
    drop->SetDropDownWidth(c.width);
    drop->content->SetAlign(alNone);
    drop->content->SetBounds(0, 0, 120, 90);
    drop->ShowDropDown();
    ASSERT_TRUE(Popup()->Visible());
    EXPECT_TRUE(drop->DroppedDown());
    const TPoint p = EditOnScreen();
    const int w = c.width > 0 ? c.width : 120, h = 90 + 2;
    const int work = p.X >= 0 ? 1280 : 0;
    EXPECT_EQ(Popup()->BoundsRect(),
              Bounds(c.shifted ? work - w : p.X, c.above ? p.Y - h : p.Y + drop->Height() - 1, w, h));
    EXPECT_NE(GetWindowLongPtr(Popup()->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(Screen().ActiveForm(), Popup());
    EXPECT_EQ(GetFocus(), drop->content->Handle());
    drop->HideDropDown(false);
    EXPECT_FALSE(drop->DroppedDown());
    drop->SetDropDownWidth(-1);
  }
}

TEST_F(DropDownEditTest, UserSizeComesBackUntilDropDownWidthChanges) {
  drop->SetDropDownSizeable(true);
  drop->ShowDropDown();
  // The frame's bottom-right corner sizes the popup.
  const int w = Popup()->Width(), h = Popup()->Height();
  kit.MouseDown(Popup(), w - 1, h - 1);
  ASSERT_TRUE(Popup()->UserSizing());
  kit.MoveMouse(Popup(), 199, 149, {ssLeft});
  kit.MouseUp(Popup(), 199, 149);
  EXPECT_EQ(Popup()->Width(), 200);
  drop->HideDropDown(false);
  EXPECT_EQ(drop->UserDropDownWidth(), 200);
  drop->ShowDropDown();
  EXPECT_EQ(Popup()->Width(), 200);
  EXPECT_EQ(Popup()->Height(), 150);
  drop->HideDropDown(true);
  EXPECT_EQ(drop->UserDropDownHeight(), 150) << "a cancel keeps the size";
  drop->SetDropDownWidth(160);
  EXPECT_EQ(drop->UserDropDownWidth(), -1);
  drop->ShowDropDown();
  EXPECT_EQ(Popup()->Width(), 160);
  EXPECT_EQ(Popup()->Height(), 150) << "only the width went back to the computed one";
  drop->HideDropDown(false);
}

TEST_F(DropDownEditTest, VetoedShowLeavesThePopupHidden) {
  int before = 0;
  drop->OnBeforeDropDown = [&](TObject*) { ++before; };
  drop->OnDropDown = [](TObject*, bool& accept) { accept = false; };
  drop->ShowDropDown();
  EXPECT_EQ(before, 1);
  EXPECT_FALSE(Popup()->Visible());
  EXPECT_FALSE(drop->DroppedDown());
  drop->OnDropDown = nullptr;
  drop->SetReadOnly(true);
  drop->ShowDropDown();
  EXPECT_FALSE(Popup()->Visible()) << "a read-only edit opens nothing";
  EXPECT_EQ(before, 1);
}

TEST_F(DropDownEditTest, EscapeRestoresTheTextAndReturnKeepsIt) {
  struct Case {
    const char* name;
    int key;
    const char* text;
    bool cancelled;
  };
  const std::vector<Case> cases = {
      {"Escape", VK_ESCAPE, "abc", true},
      {"Return", VK_RETURN, "xyz", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dropUps.clear();
    drop->SetText("abc");
    drop->ShowDropDown();
    drop->SetTextDirect("xyz");
    kit.Press(c.key);
    kit.Process();
    EXPECT_FALSE(Popup()->Visible());
    EXPECT_FALSE(drop->DroppedDown());
    ASSERT_EQ(dropUps.size(), 1u);
    EXPECT_EQ(dropUps[0], c.cancelled);
    EXPECT_EQ(drop->Text(), c.text);
    EXPECT_EQ(GetFocus(), drop->Handle()) << "the focus comes back to the edit";
  }
}

TEST_F(DropDownEditTest, KeysOpenAndCloseThePopup) {
  kit.Press(VK_F4);
  EXPECT_TRUE(drop->DroppedDown());
  kit.Press(VK_F4);
  EXPECT_FALSE(drop->DroppedDown());
  kit.Press(VK_DOWN, {ssAlt});
  kit.Process();
  EXPECT_TRUE(drop->DroppedDown());
  kit.Press(VK_UP, {ssAlt});
  kit.Process();
  EXPECT_FALSE(drop->DroppedDown());
  ASSERT_EQ(dropUps.size(), 2u);
  EXPECT_FALSE(dropUps[1]);
}

TEST_F(DropDownEditTest, ButtonClosesAnOpenPopupAndReopensOnlyAfter250ms) {
  TControl* face = drop->Button()->SpeedButton();
  kit.Click(face);
  EXPECT_TRUE(drop->DroppedDown());
  kit.Click(face);
  kit.Process();
  EXPECT_FALSE(drop->DroppedDown()) << "the press outside the popup closes it; the release does not reopen it";
  ASSERT_EQ(dropUps.size(), 1u);
  EXPECT_TRUE(dropUps[0]) << "closed by losing the activation, which cancels";
  kit.Advance(100);
  kit.Click(face);
  EXPECT_FALSE(drop->DroppedDown());
  kit.Advance(300);
  kit.Click(face);
  EXPECT_TRUE(drop->DroppedDown());
  kit.Click(face, 3, 3, mbRight);
  EXPECT_FALSE(drop->DroppedDown()) << "the right button's press closes it too";
  kit.Advance(300);
  kit.Click(face, 3, 3, mbRight);
  EXPECT_FALSE(drop->DroppedDown()) << "a right release opens nothing";
}

TEST_F(DropDownEditTest, TickCounterWrapKeepsThe250msRule) {
  drop->ShowDropDown();
  kit.Clock().Set(0x1'0000'0000ull - 100);
  other->SetFocus();
  kit.Process();
  EXPECT_FALSE(drop->DroppedDown());
  kit.Clock().Set(0x1'0000'0000ull + 50);
  kit.Click(drop->Button()->SpeedButton());
  EXPECT_FALSE(drop->DroppedDown()) << "150 ms across the wrap";
  kit.Clock().Set(0x1'0000'0000ull + 200);
  kit.Click(drop->Button()->SpeedButton());
  EXPECT_TRUE(drop->DroppedDown());
}

TEST_F(DropDownEditTest, ActivationOutsideThePopupsChainHidesIt) {
  struct Case {
    const char* name;
    int to;  // 0 a window the popup owns, 1 a foreign form, 2 a foreign form while blocked
    bool stays;
  };
  const std::vector<Case> cases = {
      {"a window the popup owns", 0, true},
      {"a foreign form", 1, false},
      {"a foreign form while activation is blocked", 2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dropUps.clear();
    drop->ShowDropDown();
    ASSERT_TRUE(drop->DroppedDown());
    EXPECT_TRUE(main->CaptionActive());
    Popup()->SetBlockActivate(c.to == 2);
    TForm next(nullptr);
    if (c.to == 0) next.SetPopupParent(Popup());
    next.Show();
    kit.Process();
    EXPECT_EQ(drop->DroppedDown(), c.stays);
    if (!c.stays) {
      ASSERT_EQ(dropUps.size(), 1u);
      EXPECT_TRUE(dropUps[0]);
      EXPECT_EQ(Screen().ActiveForm(), &next) << "the form that took the activation keeps it";
    }
    next.Hide();
    Popup()->SetBlockActivate(false);
    drop->HideDropDown(false);
    drop->SetFocus();
    kit.Process();
  }
}

TEST_F(DropDownEditTest, TypingOffOpensOnAClickAndTakesNoCharacters) {
  drop->SetText("abc");
  drop->SetEditorEnabled(false);
  kit.Type("x");
  EXPECT_EQ(drop->Text(), "abc");
  kit.Click(drop, 10, 10);
  kit.Process();
  EXPECT_TRUE(drop->DroppedDown());
  kit.Press(VK_ESCAPE);
  kit.Process();
  EXPECT_FALSE(drop->DroppedDown());
}

TEST_F(DropDownEditTest, TypingThroughTheEditFollowsItsType) {
  drop->SetEditType(etFloat);
  drop->SetPrecision(2);
  drop->SelectAll();
  kit.Type("1234.5");
  EXPECT_EQ(drop->Text(), "1234.5");
  other->SetFocus();
  kit.Process();
  EXPECT_EQ(drop->Text(), "1234.50");
  drop->SetEditType(etString);
  drop->SetPrefix("$");
  drop->SetText("12");
  drop->SetFocus();
  kit.Press(VK_HOME);
  EXPECT_EQ(drop->SelStart(), 1);
  kit.Type("9");
  EXPECT_EQ(drop->Text(), "912");
  EXPECT_EQ(drop->EditText(), "$912");
}

TEST_F(DropDownEditTest, ButtonKeepsItsWidthAndFollowsTheEdit) {
  drop->Button()->SetBounds(0, 0, 40, 10);
  EXPECT_EQ(drop->Button()->Width(), 17);
  drop->SetDropDownButtonWidth(20);
  EXPECT_EQ(drop->Button()->Width(), 20);
  EXPECT_EQ(drop->Button()->Left() + 20, drop->ClientWidth() - 2);
  TRect format;
  drop->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  EXPECT_GT(format.Right, drop->ClientWidth() / 2);
  EXPECT_LE(format.Right, drop->Button()->Left()) << "the text stops before the button";
  drop->SetEnabled(false);
  EXPECT_FALSE(drop->Button()->Enabled());
  EXPECT_FALSE(drop->Button()->SpeedButton()->Enabled());
}

TEST_F(DropDownEditTest, LabelStandsWhereItsPositionSays) {
  drop->SetLabelMargin(4);
  drop->SetLabelCaption("Value");
  TLabel* label = drop->EditLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), main.get());
  const int lw = label->Width(), lh = label->Height();
  struct Case {
    TLabelPosition position;
    TPoint at;
  };
  const int L = 20, T = 30, W = 150, H = 21;
  const std::vector<Case> cases = {
      {lpLeftTop, {L - lw - 4, T}},           {lpLeftCenter, {L - lw - 4, T + (H - lh) / 2}},
      {lpTopLeft, {L, T - lh - 4}},           {lpBottomLeft, {L, T + H + 4}},
      {lpTopCenter, {L + (W - lw) / 2, T - lh - 4}}, {lpRighBottom, {L + W + 4, T + H - lh}},
      {lpBottomRight, {L + W - lw, T + H + 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.position));
    drop->SetLabelPosition(c.position);
    EXPECT_EQ(Point(label->Left(), label->Top()), c.at);
  }
}

TEST_F(DropDownEditTest, PopupPaintsItsBackgroundInsideItsFrame) {
  drop->SetDropDownColor(RGB(10, 20, 30));
  drop->SetDropDownColorTo(clNone);
  drop->SetDropDownBorderColor(RGB(200, 0, 0));
  drop->SetDropDownBorderWidth(1);
  Popup()->SetBounds(0, 0, 40, 30);
  TBitmap b(40, 30);
  Popup()->PaintBackground(b.Canvas());
  EXPECT_EQ(b.Canvas().Pixel(0, 0), RGB(200, 0, 0));
  EXPECT_EQ(b.Canvas().Pixel(39, 29), RGB(200, 0, 0));
  EXPECT_EQ(b.Canvas().Pixel(1, 1), RGB(10, 20, 30));
  drop->SetDropDownBorderWidth(0);
  Popup()->PaintBackground(b.Canvas());
  EXPECT_EQ(b.Canvas().Pixel(0, 0), RGB(10, 20, 30)) << "no frame: the background reaches the edge";
  drop->SetDropDownColorTo(RGB(250, 250, 250));
  drop->SetDropDownGradient(gdVertical);
  Popup()->SetBounds(0, 0, 40, 201);
  TBitmap tall(40, 201);
  Popup()->PaintBackground(tall.Canvas());
  EXPECT_EQ(tall.Canvas().Pixel(20, 0), RGB(10, 20, 30));
  EXPECT_EQ(tall.Canvas().Pixel(20, 1), RGB(10, 20, 30));
  EXPECT_EQ(tall.Canvas().Pixel(0, 199), RGB(247, 247, 247)) << "the last of 80 bands, top to bottom";
}

TEST_F(DropDownEditTest, ClipboardKeysHandOnTheValueOnlyAndAskTheirEvents) {
  drop->SetPrefix("$");
  drop->SetText("12");
  std::vector<std::string> seen;
  bool allowPaste = true;
  drop->FOnClipboardCopy = [&](TObject*, const std::string& value, bool&) { seen.push_back("copy " + value); };
  drop->FOnClipboardCut = [&](TObject*, const std::string& value, bool&) { seen.push_back("cut " + value); };
  drop->FOnClipboardPaste = [&](TObject*, const std::string& value, bool& allow) {
    seen.push_back("paste " + value);
    allow = allowPaste;
  };
  drop->SetFocus();
  drop->SelectAll();
  kit.Press('C', {ssCtrl});
  EXPECT_EQ(Clipboard().AsText(), "12");
  kit.Press('X', {ssCtrl});
  EXPECT_EQ(drop->EditText(), "$");
  Clipboard().SetAsText("34");
  allowPaste = false;
  kit.Press('V', {ssCtrl});
  EXPECT_EQ(drop->EditText(), "$");
  allowPaste = true;
  kit.Press('V', {ssCtrl});
  EXPECT_EQ(drop->Text(), "34");
  EXPECT_EQ(seen, (std::vector<std::string>{"copy 12", "cut 12", "paste 34", "paste 34"}))
      << "a cut fires no copy event of its own";
  drop->SetReadOnly(true);
  Clipboard().SetAsText("5");
  kit.Press('V', {ssCtrl});
  EXPECT_EQ(drop->Text(), "34") << "a read-only edit takes no paste";
}

}  // namespace
}  // namespace hd

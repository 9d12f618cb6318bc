// The combo box the program paints: owner-drawn items, the face painted over through WM_PAINT,
// and the item heights, list width and edit selection its messages set.
#include <gtest/gtest.h>

#include <memory>

#include "platform/recording_canvas.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

struct DrawCall {
  int index;
  TRect rect;
  TOwnerDrawState state;
};

class ComboBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(300, 200);
    combo = new TComboBox(form.get());
    combo->SetParent(form.get());
    combo->SetBounds(10, 10, 145, 21);
    combo->Items().Add("red");
    combo->Items().Add("green");
    form->Show();
    kit.Process();
  }
  // Items drawn as the program would: filled in the canvas's brush, the text 2 pixels in.
  void DrawItemsThemselves() {
    combo->OnDrawItem = [this](TWinControl* control, int index, const TRect& rect, TOwnerDrawState state) {
      EXPECT_EQ(control, combo);
      draws.push_back({index, rect, state});
      TCanvas& canvas = combo->Canvas();
      canvas.FillRect(rect);
      canvas.TextOut(rect.Left + 2, rect.Top, combo->Items().Strings(index));
    };
  }

  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TComboBox* combo = nullptr;
  std::vector<DrawCall> draws;
};

TEST_F(ComboBoxTest, AListTakingTheFocusStartsAFreshTypeAhead) {
  combo->SetStyle(csDropDownList);
  combo->Items().Add("grape");
  auto* other = new TEdit(form.get());
  other->SetParent(form.get());
  other->SetBounds(10, 60, 100, 21);
  kit.Process();
  combo->SetFocus();
  kit.Type("g");
  ASSERT_EQ(combo->ItemIndex(), 1);
  other->SetFocus();
  combo->SetFocus();
  kit.Type("r");
  EXPECT_EQ(combo->ItemIndex(), 0) << "\"r\" alone, not \"gr\"";
}

TEST_F(ComboBoxTest, ACharacterTypedIntoAListSearchesByItsTextNeverActsAsAKey) {
  // The codes of " " and "(" are those of VK_SPACE and VK_DOWN.
  combo->SetStyle(csDropDownList);
  combo->Items().Clear();
  for (const char* item : {"Read Coil Status", "Read Input Status", "(spare)"}) combo->Items().Add(item);
  combo->SetItemIndex(0);
  auto* other = new TEdit(form.get());
  other->SetParent(form.get());
  other->SetTop(100);
  combo->SetFocus();
  kit.Process();
  kit.Type("(");
  EXPECT_EQ(combo->ItemIndex(), 2) << "\"(\" picks the item it begins, not the next one";
  other->SetFocus();
  combo->SetFocus();
  kit.Process();
  kit.Type("read i");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_FALSE(combo->DroppedDown()) << "the blank is part of the search";
}

TEST_F(ComboBoxTest, OwnerDrawnFaceDrawsTheSelectedItemAfterTheNativeFace) {
  auto* other = new TEdit(form.get());
  other->SetParent(form.get());
  other->SetTop(100);
  other->SetFocus();
  combo->SetStyle(csOwnerDrawFixed);
  combo->SetItemIndex(1);
  DrawItemsThemselves();
  TRecordingCanvas canvas(combo->Width(), combo->Height());
  combo->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&canvas));

  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].index, 1);
  EXPECT_EQ(draws[0].state, TOwnerDrawState{odComboBoxEdit});
  TRect field = draws[0].rect;
  EXPECT_FALSE(field.IsEmpty());
  EXPECT_GE(field.Left, 0);
  EXPECT_LE(field.Right, combo->Width());
  EXPECT_EQ(canvas.Ops(), (std::vector<std::string>{"Draw", "SaveState", "IntersectClipRect", "FillRect", "TextOut", "RestoreState"}));
  auto fill = canvas.CallsOf("FillRect").at(0);
  EXPECT_EQ(fill.Rect, field);
  EXPECT_EQ(fill.Brush, ColorToRGB(clWindow));
  auto text = canvas.CallsOf("TextOut").at(0);
  EXPECT_EQ(text.Text, "green");
  EXPECT_EQ(text.Rect.TopLeft(), (TPoint{field.Left + 2, field.Top}));

  // Focused, the face shows the item selected with the focus mark over it.
  combo->SetFocus();
  kit.Process();
  draws.clear();
  canvas.ClearCalls();
  combo->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&canvas));
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].state, (TOwnerDrawState{odComboBoxEdit, odSelected, odFocused}));
  EXPECT_EQ(canvas.CallsOf("FillRect").at(0).Brush, ColorToRGB(clHighlight));
  EXPECT_EQ(canvas.CallsOf("TextOut").at(0).FontColor, ColorToRGB(clHighlightText));
  EXPECT_EQ(canvas.CallsOf("DrawFocusRect").at(0).Rect, field);
}

TEST_F(ComboBoxTest, WithoutAHandlerTheItemIsFilledAndWrittenAndNoItemIsOnlyFilled) {
  combo->SetStyle(csOwnerDrawVariable);
  combo->SetItemIndex(0);
  TRecordingCanvas canvas(combo->Width(), combo->Height());
  combo->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&canvas));
  EXPECT_EQ(canvas.CallsOf("TextOut").at(0).Text, "red");
  TRect field = canvas.CallsOf("FillRect").at(0).Rect;
  EXPECT_EQ(canvas.CallsOf("TextOut").at(0).Rect.TopLeft(), (TPoint{field.Left + 2, field.Top}));

  combo->SetItemIndex(-1);
  canvas.ClearCalls();
  combo->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&canvas));
  EXPECT_EQ(canvas.CallsOf("FillRect").size(), 1u);
  EXPECT_TRUE(canvas.CallsOf("TextOut").empty());
}

// A flat face: the handler fills the control and keeps the button strip out of the native
// painting, then frames the control over what the native face drew.
class FlatCombo : public TComboBox {
 public:
  using TComboBox::TComboBox;
  void Dispatch(TMessage& m) override {
    if (m.Msg == WM_PAINT && m.WParam) {
      TCanvas& canvas = *reinterpret_cast<TCanvas*>(m.WParam);
      canvas.Brush().Color = clYellow;
      canvas.FillRect(ClientRect());
      canvas.SaveState();
      canvas.ExcludeClipRect(Rect(Width() - 16, 0, Width(), Height()));
      TComboBox::Dispatch(m);
      canvas.RestoreState();
      canvas.Brush().Color = clRed;
      canvas.FrameRect(ClientRect());
      return;
    }
    TComboBox::Dispatch(m);
  }
};

TEST_F(ComboBoxTest, PaintHandlerDrawsAroundTheNativeFaceWithinItsClip) {
  auto* flat = new FlatCombo(form.get());
  flat->SetParent(form.get());
  flat->SetBounds(10, 50, 120, 21);
  kit.Process();
  TRecordingCanvas canvas(flat->Width(), flat->Height());
  flat->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&canvas));
  EXPECT_EQ(canvas.Ops(), (std::vector<std::string>{"FillRect", "SaveState", "ExcludeClipRect", "Draw", "RestoreState", "FrameRect"}));
  EXPECT_EQ(canvas.Pixel(flat->Width() - 8, 10), ColorToRGB(clYellow)) << "the button strip kept the handler's fill";
  EXPECT_NE(canvas.Pixel(40, 10), ColorToRGB(clYellow)) << "the native face painted the rest";
  EXPECT_EQ(canvas.Pixel(0, 0), ColorToRGB(clRed));
  EXPECT_EQ(canvas.Pixel(flat->Width() - 1, flat->Height() - 1), ColorToRGB(clRed));
}

TEST_F(ComboBoxTest, ItemHeightsDropWidthAndEditSelectionFollowTheirMessages) {
  combo->SetStyle(csOwnerDrawFixed);
  EXPECT_EQ(combo->ItemHeight(), 16);
  EXPECT_EQ(combo->Height(), 22) << "an owner-drawn face is as high as its items";
  combo->SetItemHeight(20);
  EXPECT_EQ(combo->Height(), 26);
  EXPECT_EQ(combo->Perform(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)), 20);
  EXPECT_EQ(combo->Perform(CB_SETEDITSEL, 0, MAKELPARAM(0, 2)), CB_ERR) << "a list style has no edit part";

  combo->SetStyle(csDropDown);
  combo->Perform(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 15);
  EXPECT_EQ(combo->Height(), 21) << "the selection field sets the face's height";
  combo->Perform(CB_SETITEMHEIGHT, 0, 18);
  EXPECT_EQ(combo->ItemHeight(), 18);
  EXPECT_EQ(combo->Perform(CB_GETITEMHEIGHT, 0), 18);

  EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH), combo->Width()) << "never narrower than the control";
  EXPECT_EQ(combo->Perform(CB_SETDROPPEDWIDTH, 300), 300);
  EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH), 300);

  combo->SetText("abcdef");
  EXPECT_EQ(combo->Perform(CB_SETEDITSEL, 0, MAKELPARAM(2, -1)), 1);
  EXPECT_EQ(combo->SelStart(), 2);
  EXPECT_EQ(combo->SelLength(), 4) << "-1 selects to the end";
  EXPECT_EQ(combo->SelText(), "cdef");
  EXPECT_EQ(combo->Perform(CB_GETEDITSEL), MAKELPARAM(2, 6));
  combo->SetSelStart(1);
  combo->SetSelLength(2);
  combo->SetSelText("X");
  EXPECT_EQ(combo->Text(), "aXdef");
}

}  // namespace
}  // namespace hd

// The rich edit: formatted text through its window and streams, the selection's format,
// the size its text asks for, and its text drawn into a rectangle of a canvas.
#include <gtest/gtest.h>

#include <memory>

#include "platform/recording_canvas.h"
#include "platform/rich_edit.h"
#include "platform/streams.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

}  // namespace

// Failures show the text as rich text.
void PrintTo(const TRichText& t, std::ostream* os) { *os << RichToRtf(t); }

namespace {

TRichText Sample() {
  TRichText t;
  TRichFormat bold, red, up;
  bold.Style.Include(fsBold);
  red.Color = RGB(255, 0, 0);
  up.Offset = 40;
  t.Append("x", {});
  t.Append("2", up);
  t.Append(" is ", {});
  t.Append("bold", bold);
  t.Append("\n", {});
  t.Append("red", red);
  return t;
}

class RichEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(400, 300);
    edit = new TRichEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 10, 200, 100);
    form->Show();
    kit.Process();
  }
  TGuiKit kit;
  std::unique_ptr<TForm> form;
  TRichEdit* edit = nullptr;
};

TEST_F(RichEditTest, FormatsSurviveTheWindowTheStreamsAndANewWindow) {
  edit->SetRichText(Sample());
  EXPECT_EQ(edit->RichText(), Sample());
  EXPECT_EQ(edit->Text(), "x2 is bold\r\nred");
  TMemoryStream out;
  edit->SaveToStream(out);
  out.SetPosition(0);
  auto other = std::make_unique<TRichEdit>(form.get());
  other->LoadFromStream(out);
  EXPECT_EQ(other->RichText(), Sample()) << "read without a window";
  other->SetParent(form.get());
  other->HandleNeeded();
  EXPECT_EQ(other->RichText(), Sample()) << "handed to a new window";
  edit->SetWordWrap(false);  // the window is made again
  EXPECT_EQ(edit->RichText(), Sample());
  // Plain text set through the memo loses the formats.
  edit->SetText("a\r\nb");
  ASSERT_EQ(edit->RichText().Runs.size(), 1u);
  EXPECT_EQ(edit->RichText().Runs[0].Text, "a\nb");
}

TEST_F(RichEditTest, SelectionFormatIsSetAndReadWithItsMask) {
  edit->SetRichText(Sample());
  edit->SetSelStart(0);
  edit->SetSelLength(2);  // "x2": plain and raised
  unsigned mask = 0;
  TRichFormat f = edit->SelFormat(&mask);
  EXPECT_FALSE(mask & CFM_OFFSET) << "the two characters differ in offset";
  EXPECT_TRUE(mask & CFM_BOLD);
  TRichFormat sub;
  sub.Offset = -40;
  edit->SetSelFormat(sub, CFM_OFFSET);
  f = edit->SelFormat(&mask);
  EXPECT_TRUE(mask & CFM_OFFSET);
  EXPECT_EQ(f.Offset, -40);
  TRichFormat boldRed;
  boldRed.Style.Include(fsBold);
  boldRed.Color = RGB(255, 0, 0);
  edit->SetSelFormat(boldRed, CFM_BOLD | CFM_COLOR);
  TRichText t = edit->RichText();
  ASSERT_GE(t.Runs.size(), 1u);
  EXPECT_EQ(t.Runs[0].Text, "x2");
  EXPECT_EQ(t.Runs[0].Format.Offset, -40) << "a format set without the offset keeps it";
  EXPECT_TRUE(t.Runs[0].Format.Style.Contains(fsBold));
  EXPECT_EQ(t.Runs[0].Format.Color, RGB(255, 0, 0));
}

// The parent that records the size requests its rich edit sends.
class RequestSpy : public TForm {
 public:
  using TForm::TForm;
  std::vector<TRect> requests;
  void Dispatch(TMessage& m) override {
    if (m.Msg == WM_NOTIFY) {
      auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
      if (hdr->code == EN_REQUESTRESIZE) requests.push_back(reinterpret_cast<REQRESIZE*>(m.LParam)->rc);
    }
    TForm::Dispatch(m);
  }
};

TEST(RichEditRequestTest, TypedLinesAskForMoreHeightAtTheControlsWidth) {
  TGuiKit kit;
  RequestSpy form(nullptr);
  form.SetClientSize(400, 300);
  auto* edit = new TRichEdit(&form);
  edit->SetParent(&form);
  edit->SetBounds(0, 0, 150, 40);
  form.Show();
  kit.Process();
  edit->SetText("one");
  EXPECT_TRUE(form.requests.empty()) << "no request without the event mask";
  edit->Perform(EM_SETEVENTMASK, 0, ENM_REQUESTRESIZE);
  edit->Perform(EM_REQUESTRESIZE);
  ASSERT_EQ(form.requests.size(), 1u);
  const int one = form.requests[0].Height();
  EXPECT_GT(one, 0);
  EXPECT_EQ(form.requests[0].Width(), 150);
  edit->SetFocus();
  edit->SetSelStart(3);
  edit->Perform(WM_CHAR, '\r');
  edit->Perform(WM_CHAR, 'b');
  ASSERT_GE(form.requests.size(), 3u);
  EXPECT_GT(form.requests.back().Height(), one) << "a second line asks for more";
  EXPECT_EQ(edit->Text(), "one\r\nb");
}

TEST(RichLayoutTest, TextIsDrawnRunByRunWithItsFontsAndTheRaisedPartHigher) {
  TRecordingCanvas canvas(300, 100);
  TFont base;
  base.Name = kTestFontName;
  base.Size = 10;
  base.Color = clBlack;
  TRichLayout layout = LayoutRichText(canvas, Sample(), base, 300, false);
  ASSERT_EQ(layout.LineTop.size(), 2u);
  DrawRichLayout(canvas, layout, Rect(5, 5, 300, 100));
  std::vector<TCanvasCall> texts = canvas.CallsOf("TextOut");
  ASSERT_EQ(texts.size(), 5u);
  const char* expected[] = {"x", "2", " is ", "bold", "red"};
  for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i].Text, expected[i]);
  EXPECT_EQ(texts[0].Rect.Left, 5);
  EXPECT_EQ(texts[1].Rect.Left, 5 + layout.Fragments[1].X);
  EXPECT_GT(layout.Fragments[1].X, 0);
  EXPECT_LT(texts[1].Rect.Top, texts[0].Rect.Top) << "the superscript sits higher";
  EXPECT_EQ(texts[2].Rect.Top, texts[0].Rect.Top);
  EXPECT_GT(texts[4].Rect.Top, texts[0].Rect.Top) << "the second line";
  EXPECT_EQ(texts[4].Rect.Left, 5);
  EXPECT_EQ(texts[4].FontColor, RGB(255, 0, 0));
  EXPECT_EQ(texts[0].FontColor, RGB(0, 0, 0));
  // Wrapped at a narrow width the words go to lines of their own.
  canvas.Font() = base;
  TRichLayout narrow = LayoutRichText(canvas, Sample(), base, canvas.TextWidth("x2 is"), true);
  EXPECT_EQ(narrow.LineTop.size(), 3u);
}

}  // namespace
}  // namespace hd

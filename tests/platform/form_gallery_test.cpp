// A form with every control kind, shown modally and driven through Qt input and through
// messages; its answers are read back and the form is rendered to a PNG for review.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ext_ctrls.h"
#include "platform/page_control.h"
#include "platform/std_ctrls.h"
#include "testkit/gui_kit.h"

namespace hd {
namespace {

using test::TGuiKit;

// An own-drawn push button: paints itself, answers Enter or Escape as the form's default or
// cancel button, and gives its form a modal result.
class TDialogButton : public TCustomControl {
 public:
  TDialogButton(TComponent* owner, TModalResult result) : TCustomControl(owner), result_(result) {
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
  }
  bool Default = false;
  bool Cancel = false;
  int paints = 0;

  void Dispatch(TMessage& m) override {
    if (m.Msg == CM_DIALOGKEY && ((m.WParam == VK_RETURN && Default) || (m.WParam == VK_ESCAPE && Cancel)) &&
        CanFocus()) {
      Click();
      m.Result = 1;
      return;
    }
    if (m.Msg == CM_FOCUSCHANGED) Invalidate();
    TCustomControl::Dispatch(m);
  }
  void Click() override {
    TCustomControl::Click();
    if (TCustomForm* f = GetParentForm(this)) f->SetModalResult(result_);
  }

 protected:
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    if (CanFocus()) SetFocus();
    TCustomControl::MouseDown(b, s, x, y);
  }
  void Paint() override {
    ++paints;
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
    c.Brush().Style = bsClear;
    c.SetFont(Font());
    TRect text = ClientRect();
    c.DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) {
      TRect f = ClientRect();
      InflateRect(f, -4, -4);
      c.DrawFocusRect(f);
    }
  }

 private:
  TModalResult result_;
};

struct Gallery {
  explicit Gallery(TComponent* owner) {
    form = new TForm(owner);
    form->SetName("Gallery");
    form->SetCaption("Every control");
    form->SetBorderStyle(bsDialog);
    form->SetPosition(poScreenCenter);
    form->SetClientSize(460, 330);
    form->SetColor(RGB(248, 247, 237));
    TFont font = form->Font();
    font.Name = "Verdana";
    font.Size = 8;
    form->SetFont(font);

    title = Make<TPanel>(form, 0, 0, 460, 36);
    title->SetAlign(alTop);
    title->SetColor(clSkyBlue);
    title->SetCaption("Title panel");
    label = Make<TLabel>(form, 12, 48, 0, 0);
    label->SetCaption("&Name:");
    edit = Make<TEdit>(form, 60, 44, 120, 21);
    edit->SetHint("The name|The name the folder gets");
    edit->SetShowHint(true);
    label->SetFocusControl(edit);
    check = Make<TCheckBox>(form, 12, 74, 160, 17);
    check->SetCaption("&Internet");
    group = Make<TGroupBox>(form, 12, 96, 170, 70);
    group->SetCaption("Mode");
    radioA = Make<TRadioButton>(group, 10, 20, 120, 17);
    radioA->SetCaption("Read");
    radioB = Make<TRadioButton>(group, 10, 42, 120, 17);
    radioB->SetCaption("Write");
    radioA->SetChecked(true);
    list = Make<TListBox>(form, 12, 172, 170, 80);
    for (const char* s : {"alpha", "beta", "gamma", "delta"}) list->Items().Add(s);
    combo = Make<TComboBox>(form, 12, 260, 170, 21);
    combo->SetStyle(csDropDownList);
    for (const char* s : {"IN", "OUT"}) combo->Items().Add(s);
    combo->SetItemIndex(0);
    pages = Make<TPageControl>(form, 196, 44, 250, 150);
    for (const char* caption : {"Language", "Connection", "Advanced", "Settings"}) {
      auto* sheet = new TTabSheet(form);
      sheet->SetCaption(caption);
      sheet->SetPageControl(pages);
      sheets.push_back(sheet);
    }
    sheets[2]->SetTabVisible(false);
    pageCheck = Make<TCheckBox>(sheets[1], 8, 8, 150, 17);
    pageCheck->SetCaption("Check for updates");
    pages->SetActivePage(sheets[0]);
    link = Make<TLinkLabel>(form, 196, 200, 0, 0);
    link->SetCaption("New version: <a href=\"https://example.invalid/download\">download</a>");
    shape = Make<TShape>(form, 196, 222, 60, 30);
    TBrush yellow;
    yellow.Color = clYellow;
    shape->SetBrush(yellow);
    image = Make<TImage>(form, 266, 222, 32, 32);
    TBitmap flag(16, 16);
    flag.Canvas().Brush().Color = clRed;
    flag.Canvas().FillRect(Rect(0, 0, 16, 16));
    image->Picture().Assign(flag);
    image->SetCenter(true);
    stat = Make<TStaticText>(form, 310, 226, 0, 0);
    stat->SetCaption("Static text");
    stat->SetBorderStyle(sbsSunken);
    separator = Make<TShape>(form, 12, 290, 436, 1);
    ok = Make<TDialogButton>(form, 292, 298, 75, 25, mrOk);
    ok->SetCaption("OK");
    ok->Default = true;
    cancel = Make<TDialogButton>(form, 373, 298, 75, 25, mrCancel);
    cancel->SetCaption("Cancel");
    cancel->Cancel = true;
  }

  template <class T, class... A>
  T* Make(TWinControl* parent, int l, int t, int w, int h, A... a) {
    auto* c = new T(form, a...);
    c->SetParent(parent);
    if (w > 0)
      c->SetBounds(l, t, w, h);
    else
      c->SetBounds(l, t, c->Width(), c->Height());
    return c;
  }

  TForm* form;
  TPanel* title;
  TLabel* label;
  TEdit* edit;
  TCheckBox* check;
  TGroupBox* group;
  TRadioButton* radioA;
  TRadioButton* radioB;
  TListBox* list;
  TComboBox* combo;
  TPageControl* pages;
  std::vector<TTabSheet*> sheets;
  TCheckBox* pageCheck;
  TLinkLabel* link;
  TShape* shape;
  TImage* image;
  TStaticText* stat;
  TShape* separator;
  TDialogButton* ok;
  TDialogButton* cancel;
};

std::uint32_t PixelAt(const TBitmap& bmp, int x, int y) { return bmp.ScanLine(y)[x] & 0xFFFFFF; }

TEST(FormGalleryTest, EveryControlDrivenByInputAndMessagesAndRendered) {
  TGuiKit kit;
  Gallery g(nullptr);
  std::unique_ptr<TForm> owner(g.form);
  std::string clickedLink;
  g.link->OnLinkClick = [&](TObject*, const std::string& link, TSysLinkType type) {
    clickedLink = link;
    EXPECT_EQ(type, sltURL);
  };
  std::vector<std::string> pageChanges;
  g.pages->OnChanging = [&](TObject*, bool& allow) {
    pageChanges.push_back("changing");
    allow = g.pages->ActivePage() != g.sheets[3];  // the last page cannot be left
  };
  g.pages->OnChange = [&](TObject*) { pageChanges.push_back("change:" + g.pages->ActivePage()->Caption()); };
  std::string png;

  kit.OnModal([&](TCustomForm* f) {
    ASSERT_EQ(f, g.form);
    EXPECT_EQ(GetFocus(), g.edit->Handle());
    EXPECT_EQ(g.title->Width(), 460) << "the title panel is aligned to the top";

    // Real Qt input.
    kit.Type("Plant 7");
    kit.Click(g.check, 6, 8);
    kit.Click(g.radioB, 6, 8);
    kit.Click(g.list, 20, 8);
    kit.Press(VK_DOWN);
    g.combo->SetFocus();
    kit.Press(VK_DOWN);
    TRect tab = g.pages->TabRect(g.sheets[1]->TabIndex());
    kit.Click(g.pages, (tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2);
    TRect linkRect = g.link->LinkRect(0);
    kit.Click(g.link, (linkRect.Left + linkRect.Right) / 2, linkRect.Height() / 2);
    kit.MoveMouse(g.edit, 10, 10);
    kit.Advance(500);
    EXPECT_EQ(Application().HintText(), "The name");
    kit.MoveMouse(g.form, 5, 300);

    // Messages.
    SendMessage(g.pageCheck->Handle(), BM_CLICK);
    PostMessage(g.pages->Handle(), WM_KEYDOWN, VK_RIGHT, KeyDataFor(VK_RIGHT, false, false, false));
    g.edit->SetFocus();
    g.edit->SetSelStart(100);  // entering the edit selected all of it
    PostMessage(g.edit->Handle(), WM_CHAR, '!', 0);
    kit.Process();

    // The answers.
    EXPECT_EQ(g.edit->Text(), "Plant 7!");
    EXPECT_TRUE(g.check->Checked());
    EXPECT_TRUE(g.radioB->Checked());
    EXPECT_FALSE(g.radioA->Checked());
    EXPECT_EQ(g.list->ItemIndex(), 1);
    EXPECT_EQ(g.combo->Text(), "OUT");
    EXPECT_EQ(g.pages->ActivePage(), g.sheets[3]) << "Right skips the hidden tab";
    EXPECT_TRUE(g.pageCheck->Checked());
    EXPECT_EQ(clickedLink, "https://example.invalid/download");
    EXPECT_EQ(pageChanges, (std::vector<std::string>{"changing", "change:Connection", "changing", "change:Settings"}));
    g.pages->SelectNextPage(true);
    EXPECT_EQ(g.pages->ActivePage(), g.sheets[3]) << "OnChanging refused";

    png = kit.RenderPng(f, "form_gallery");
    EXPECT_GT(g.ok->paints, 0);

    // Enter in the edit clicks the default button.
    kit.Press(VK_RETURN);
  });
  EXPECT_EQ(g.form->ShowModal(), mrOk);

  ASSERT_FALSE(png.empty());
  TPicture picture;
  picture.LoadFromFile(png);
  ASSERT_EQ(picture.Width(), 460);
  ASSERT_EQ(picture.Height(), 330);
  const TBitmap& shot = picture.Bitmap();
  EXPECT_EQ(PixelAt(shot, 196 + 30, 222 + 15), std::uint32_t(clYellow)) << "the shape's fill";
  EXPECT_EQ(PixelAt(shot, 196, 222), 0u) << "the shape's black outline";
  EXPECT_EQ(PixelAt(shot, 266 + 16, 222 + 16), std::uint32_t(clRed)) << "the centred image";
  EXPECT_EQ(PixelAt(shot, 200, 20), std::uint32_t(ColorToRGB(clSkyBlue))) << "the title panel";
  EXPECT_EQ(PixelAt(shot, 0, 0), std::uint32_t(ColorToRGB(clBtnHighlight))) << "the panel's raised bevel";
  EXPECT_EQ(PixelAt(shot, 100, 290), 0u) << "the separator line";
}

TEST(FormGalleryTest, EscapeClicksTheCancelButton) {
  TGuiKit kit;
  Gallery g(nullptr);
  std::unique_ptr<TForm> owner(g.form);
  kit.OnModal([&](TCustomForm*) { kit.Press(VK_ESCAPE); });
  EXPECT_EQ(g.form->ShowModal(), mrCancel);
}

}  // namespace
}  // namespace hd

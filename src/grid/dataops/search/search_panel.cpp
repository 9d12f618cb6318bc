// The search bar's controls, their pixel layout and its painting.
#include "grid/dataops/search/search_panel.h"

#include <cctype>

#include "grid/stringgrid/ext_string_grid.h"
#include "platform/bitmap_resources.h"
#include "platform/exceptions.h"
#include "platform/messages.h"

namespace hd {

namespace {

constexpr int kEditLeft = 25, kEditTop = 6, kEditWidth = 110;
constexpr int kButtonTop = 5, kButtonWidth = 90, kButtonHeight = 23;
constexpr int kForwardLeft = 140, kBackwardLeft = 235, kHiliteLeft = 330;
constexpr int kExitLeft = 5, kExitTop = 7, kExitSize = 14;
constexpr int kMatchCaseLeft = 425, kMatchCaseTop = 8;
constexpr int kGradientBands = 32;

TExtGridButton* MakeButton(TSearchPanel* Panel, const char* Glyph, const char* Disabled) {
  auto* b = new TExtGridButton(Panel);
  b->SetParent(Panel);
  b->SetParentFont(true);
  b->SetGlyph(BitmapResource(Glyph));
  if (Disabled) b->SetGlyphDisabled(BitmapResource(Disabled));
  return b;
}

}  // namespace

char CaptionAccelerator(const std::string& Caption) {
  for (std::size_t i = 0; i + 1 < Caption.size(); ++i)
    if (Caption[i] == '&') {
      if (Caption[i + 1] != '&') return static_cast<char>(std::tolower(static_cast<unsigned char>(Caption[i + 1])));
      ++i;
    }
  return 0;
}

void TRetEdit::WndProc(TMessage& m) {
  if (m.Msg == WM_KEYDOWN && m.WParam == VK_RETURN) {
    const TNotifyEvent& event = GetKeyState(VK_CONTROL) < 0 ? OnCtrlReturn : OnReturn;
    if (event) event(this);
    return;
  }
  if (m.Msg == WM_CHAR && (m.WParam == '\r' || m.WParam == '\n')) {
    TKeyChar copy = static_cast<TKeyChar>(m.WParam);
    if (OnKeyPress) OnKeyPress(this, copy);
    return;
  }
  TCustomEdit::WndProc(m);
}

TSearchPanel::TSearchPanel(TComponent* AOwner) : TCustomPanel(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner)) {
  if (!FGrid) throw EInvalidCast();
  SetBevelOuter(bvNone);
  SetCaption("");
  FEdit = new TRetEdit(this);
  FEdit->SetParent(this);
  FEdit->OnChange = [this](TObject*) { EditChanged(); };
  FEdit->OnReturn = [this](TObject*) { Fire(OnForwardClick); };
  FEdit->OnCtrlReturn = [this](TObject*) { Fire(OnBackwardClick); };
  FForwardButton = MakeButton(this, "ESGARDOWN", "ESGARDOWND");
  FForwardButton->OnClick = [this](TObject*) { Fire(OnForwardClick); };
  FBackwardButton = MakeButton(this, "ESGARUP", "ESGARUPD");
  FBackwardButton->OnClick = [this](TObject*) { Fire(OnBackwardClick); };
  FExitButton = MakeButton(this, "ESGCLOSE", nullptr);
  FExitButton->SetGlyphHot(BitmapResource("ESGCLOSEH"));
  FExitButton->SetGlyphDown(BitmapResource("ESGCLOSED"));
  FExitButton->SetShowCaption(false);
  FExitButton->OnClick = [this](TObject*) { Fire(OnExitClick); };
  FHiliteButton = MakeButton(this, "ESGHI", "ESGHID");
  FHiliteButton->SetStyle(tasCheck);
  FHiliteButton->OnClick = [this](TObject*) { Fire(OnHighlightClick); };
  for (TExtGridButton* b : {FForwardButton, FBackwardButton, FHiliteButton}) b->SetEnabled(false);
  FMatchCase = new TExtCheckBox(this);
  FMatchCase->SetParent(this);
  LayoutControls();
}

void TSearchPanel::SetColorTo(TColor Value) {
  FColorTo = Value;
  Invalidate();
}

void TSearchPanel::SetRightToLeftReading(bool Value) {
  FRightToLeft = Value;
  LayoutControls();
}

void TSearchPanel::LayoutControls() {
  auto left = [this](int Left, int Width) { return FRightToLeft ? ClientWidth() - Width - Left : Left; };
  FEdit->SetBounds(left(kEditLeft, kEditWidth), kEditTop, kEditWidth, FEdit->Height());
  auto place = [&](TExtGridButton* b, int Left, int Top, int Width, int Height) {
    b->SetBounds(left(Left, Width), Top, Width, b->Visible() ? Height : 0);
  };
  place(FForwardButton, kForwardLeft, kButtonTop, kButtonWidth, kButtonHeight);
  place(FBackwardButton, kBackwardLeft, kButtonTop, kButtonWidth, kButtonHeight);
  place(FExitButton, kExitLeft, kExitTop, kExitSize, kExitSize);
  place(FHiliteButton, kHiliteLeft, kButtonTop, kButtonWidth, kButtonHeight);
  const int matchLeft = FHiliteButton->Visible() ? kMatchCaseLeft : kHiliteLeft;
  FMatchCase->SetBounds(matchLeft, kMatchCaseTop, FMatchCase->Width(), FMatchCase->Visible() ? 18 : 0);
}

void TSearchPanel::CreateWnd() {
  TCustomPanel::CreateWnd();
  LayoutControls();
}

void TSearchPanel::EditChanged() {
  const bool any = !FEdit->Text().empty();
  for (TExtGridButton* b : {FForwardButton, FBackwardButton, FHiliteButton}) b->SetEnabled(any);
  Fire(OnEditChange);
}

void TSearchPanel::Paint() {
  TCanvas& c = Canvas();
  const TRect r = ClientRect();
  if (FColorTo == clNone) {
    c.Brush().Color = Color();
    c.Brush().Style = bsSolid;
    c.FillRect(r);
  } else {
    DrawButtonGradient(c, Color(), FColorTo, clNone, kGradientBands, r, false);
  }
  c.Pen().Color = FGrid->GridLineColor();
  c.MoveTo(r.Left, r.Top);
  c.LineTo(r.Right, r.Top);
}

}  // namespace hd

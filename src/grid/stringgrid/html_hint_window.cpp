#include "grid/stringgrid/html_hint_window.h"

#include "grid/foundation/markup/markup_renderer.h"
#include "grid/foundation/text_utils.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "platform/forms.h"

namespace hd {
namespace {

// The widest a hint is measured at before it is sized to its text.
constexpr int kMeasureWidth = 1008;
constexpr int kVertMargin = 4;
constexpr int kWideMargin = 8;
constexpr int kMarkupMargin = 16;
// A hint moved back onto its monitor stops this far inside the edge.
constexpr int kMonitorGap = 2;
constexpr unsigned kWideFlags = DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP;

std::string& RecordedHintFont() {
  static std::string name;
  return name;
}

TMarkupCall HintMarkupCall(const TRect& Within, TImageList* Images, TPictureContainer* Pictures, bool Measure) {
  TMarkupCall call;
  call.Rect = Within;
  call.Images = Images;
  call.PictureContainer = Pictures;
  call.ShadowOffset = 1;
  call.ShadowColor = 0x808080;
  call.URLColor = 0xFF0000;
  call.HoverColor = clNone;
  call.HoverFontColor = clNone;
  call.FocusLink = -1;
  call.MeasureOnly = Measure;
  call.WordWrap = Measure;
  return call;
}

}  // namespace

const std::string& HintFontName() { return RecordedHintFont(); }
void SetHintFontName(const std::string& Name) { RecordedHintFont() = Name; }

bool THTMLHintWindow::IsPackedWide(const std::string& Hint) const {
  return GetTextKind(Hint, true) == ttPackedWide;
}

TSize THTMLHintWindow::MeasureWide(const WideString& Text, TRect Within) {
  TCanvas& c = Canvas();
  c.SetFont(Font());
  if (!HintFontName().empty()) c.Font().Name = HintFontName();
  c.DrawText(WideToUtf8(Text), Within, kWideFlags | DT_CALCRECT);
  return {Within.Width(), Within.Height()};
}

TSize THTMLHintWindow::MeasureMarkup(const std::string& Hint, const TRect& Within) {
  TCanvas& c = Canvas();
  c.SetFont(Font());
  TMarkupResult result;
  DrawMarkup(c, Hint, HintMarkupCall(Within, FImages, FPictureContainer, true), result);
  return {result.XSize, result.YSize};
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const std::string& Hint, void* /*AData*/) {
  const TSize size = IsPackedWide(Hint) ? MeasureWide(DecodePackedUnicode(Hint), Rect(0, 0, MaxWidth, 0))
                                        : MeasureMarkup(Hint, Rect(0, 0, MaxWidth, 0));
  return Rect(0, 0, size.cx, size.cy);
}

void THTMLHintWindow::ActivateHintData(const TRect& Rect, const std::string& Hint, void* AData) {
  if (auto* grid = dynamic_cast<TExtStringGrid*>(static_cast<TObject*>(AData))) {
    FImages = nullptr;
    FPictureContainer = grid->PictureContainer();
  }
  THintWindow::ActivateHintData(Rect, Hint, AData);
}

void THTMLHintWindow::ActivateHint(const TRect& ARect, const std::string& Hint) {
  TRect r = ARect;
  r.Right = r.Left + kMeasureWidth;
  int margin = kMarkupMargin;
  TSize size;
  FPacked = IsPackedWide(Hint);
  if (FPacked) {
    FWideCaption = DecodePackedUnicode(Hint);
    size = MeasureWide(FWideCaption, r);
    margin = kWideMargin;
  } else {
    FWideCaption.clear();
    size = MeasureMarkup(Hint, r);
  }
  FTextWidth = size.cx;
  FTextHeight = size.cy;
  r.Right = r.Left + FTextWidth + margin;
  r.Bottom = r.Top + FTextHeight + kVertMargin;
  MONITORINFO mi;
  if (GetMonitorInfo(MonitorFromPoint({r.Left, r.Top}, MONITOR_DEFAULTTONEAREST), mi)) {
    const TRect& m = mi.rcMonitor;
    if (m.Width() < r.Right - m.Left) {
      r.Left = m.Left + m.Width() + r.Left - r.Right - kMonitorGap;
      r.Right = r.Left + margin + FTextWidth;
    }
    if (m.Height() < r.Bottom - m.Top) {
      r.Bottom = m.Top + m.Height() - kMonitorGap;
      r.Top = r.Bottom - FTextHeight - kVertMargin;
    }
  }
  THintWindow::ActivateHint(r, Hint);
}

void THTMLHintWindow::Paint() {
  TCanvas& c = Canvas();
  const TRect client = ClientRect();
  c.Brush().Style = bsSolid;
  c.Brush().Color = Color();
  c.FillRect(client);
  c.Pen().Style = psSolid;
  c.Pen().Width = 1;
  c.Pen().Color = cl3DLight;
  c.MoveTo(client.Left, client.Bottom - 2);
  c.LineTo(client.Left, client.Top);
  c.LineTo(client.Right - 1, client.Top);
  c.Pen().Color = cl3DDkShadow;
  c.MoveTo(client.Left, client.Bottom - 1);
  c.LineTo(client.Right - 1, client.Bottom - 1);
  c.LineTo(client.Right - 1, client.Top - 1);
  TRect text;
  text.Left = client.Left + 4;
  text.Right = client.Right - 4;
  text.Top = client.Top + (client.Height() - FTextHeight) / 2;
  text.Bottom = text.Top + FTextHeight + 8;
  c.Brush().Color = Color();
  c.SetFont(Font());
  if (FPacked) {
    if (!HintFontName().empty()) c.Font().Name = HintFontName();
    c.Brush().Style = bsClear;
    c.DrawText(WideToUtf8(FWideCaption), text, kWideFlags);
    return;
  }
  TMarkupResult result;
  DrawMarkup(c, Caption(), HintMarkupCall(text, FImages, FPictureContainer, false), result);
}

}  // namespace hd

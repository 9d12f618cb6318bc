#include "platform/rich_edit.h"

#include <algorithm>

#include "platform/streams.h"

namespace hd {

TFont RichFont(const TFont& Base, const TRichFormat& Format) {
  TFont f = Base;
  if (!Format.FontName.empty()) f.Name = Format.FontName;
  if (Format.Size > 0) f.Size = Format.Size;
  f.Style = Format.Style;
  if (Format.Color != clNone) f.Color = Format.Color;
  return f;
}

namespace {

constexpr int kTabWidth = 32;

// A word with the blanks after it, a tab, or a line break: the units wrapping moves.
std::vector<std::string> Tokens(const std::string& text) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c == '\n' || c == '\t') {
      out.emplace_back(1, c);
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < text.size() && text[j] != ' ' && text[j] != '\n' && text[j] != '\t') ++j;
    while (j < text.size() && text[j] == ' ') ++j;
    out.push_back(text.substr(i, j - i));
    i = j;
  }
  return out;
}

class TLayouter {
 public:
  TLayouter(TCanvas& canvas, const TFont& base, int width, bool wrap)
      : canvas_(canvas), base_(base), width_(width), wrap_(wrap) {
    canvas_.Font() = base_;
    TTextMetric tm = canvas_.TextMetrics();
    baseAscent_ = tm.Ascent;
    baseDescent_ = tm.Descent;
    StartLine();
  }

  void Add(const TRichRun& run) {
    TFont font = RichFont(base_, run.Format);
    canvas_.Font() = font;
    TTextMetric tm = canvas_.TextMetrics();
    int raise = run.Format.Offset * canvas_.PixelsPerInch() / 1440;
    for (const std::string& t : Tokens(run.Text)) {
      if (t == "\n") {
        EndLine();
        StartLine();
        continue;
      }
      int w = t == "\t" ? kTabWidth - x_ % kTabWidth : canvas_.TextWidth(t);
      // Blanks after a word may hang past the edge.
      std::size_t inked = t.find_last_not_of(' ');
      int need = inked == std::string::npos || inked + 1 == t.size() ? w : canvas_.TextWidth(t.substr(0, inked + 1));
      if (wrap_ && x_ > 0 && x_ + need > width_ && t[0] != ' ') {
        EndLine();
        StartLine();
        if (t == "\t") w = kTabWidth;
      }
      ascent_ = std::max(ascent_, tm.Ascent + std::max(raise, 0));
      descent_ = std::max(descent_, tm.Descent - std::min(raise, 0));
      TRichFragment* last = out_.Fragments.empty() ? nullptr : &out_.Fragments.back();
      if (t == "\t") {
        x_ += w;
        continue;
      }
      if (last && last->Line == line_ && last->Raise == raise && last->Font == font && last->X + lastWidth_ == x_) {
        last->Text += t;
        lastWidth_ += w;
      } else {
        out_.Fragments.push_back({x_, line_, t, font, raise});
        lastWidth_ = w;
      }
      x_ += w;
    }
  }

  TRichLayout Finish() {
    EndLine();
    return std::move(out_);
  }

 private:
  void StartLine() {
    x_ = 0;
    ascent_ = baseAscent_;
    descent_ = baseDescent_;
    line_ = static_cast<int>(out_.LineTop.size());
  }
  void EndLine() {
    out_.LineTop.push_back(out_.Height);
    out_.LineAscent.push_back(ascent_);
    out_.LineHeight.push_back(ascent_ + descent_);
    out_.Height += ascent_ + descent_;
    out_.Width = std::max(out_.Width, x_);
  }

  TCanvas& canvas_;
  TFont base_;
  int width_;
  bool wrap_;
  int baseAscent_ = 0, baseDescent_ = 0;
  int x_ = 0, ascent_ = 0, descent_ = 0, line_ = 0, lastWidth_ = 0;
  TRichLayout out_;
};

}  // namespace

TRichLayout LayoutRichText(TCanvas& Canvas, const TRichText& Text, const TFont& Base, int Width, bool Wrap) {
  TFont saved = Canvas.Font();
  TLayouter l(Canvas, Base, Width, Wrap);
  for (const TRichRun& r : Text.Runs) l.Add(r);
  Canvas.Font() = saved;
  return l.Finish();
}

void DrawRichLayout(TCanvas& Canvas, const TRichLayout& Layout, const TRect& R, TColor SelectionColor) {
  TFont savedFont = Canvas.Font();
  TBkMode savedMode = Canvas.BkMode();
  Canvas.SaveState();
  Canvas.IntersectClipRect(R);
  Canvas.SetBkMode(bkTransparent);
  for (const TRichFragment& f : Layout.Fragments) {
    int line = f.Line;
    int top = R.Top + Layout.LineTop[static_cast<std::size_t>(line)];
    if (top >= R.Bottom) break;
    Canvas.Font() = f.Font;
    if (SelectionColor != clNone) Canvas.Font().Color = SelectionColor;
    int ascent = Canvas.TextMetrics().Ascent;
    int y = top + Layout.LineAscent[static_cast<std::size_t>(line)] - ascent - f.Raise;
    Canvas.TextOut(R.Left + f.X, y, f.Text);
  }
  Canvas.RestoreState();
  Canvas.SetBkMode(savedMode);
  Canvas.Font() = savedFont;
}

TRichEdit::TRichEdit(TComponent* owner) : TCustomMemo(owner) {}

TRichEdit::~TRichEdit() = default;

TRichText TRichEdit::RichText() const { return HandleAllocated() ? NativeRichText() : rich_; }

void TRichEdit::SetRichText(const TRichText& Text) {
  setting_rich_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{setting_rich_};
  SetText(Text.PlainText());
  rich_ = Text;
  if (HandleAllocated()) NativeSetRichText(Text);
  RequestResize();
}

void TRichEdit::LoadFromStream(TStream& Stream) { SetRichText(RtfToRich(Stream.ReadAll())); }

void TRichEdit::SaveToStream(TStream& Stream) const { Stream.WriteString(RichToRtf(RichText())); }

void TRichEdit::NativeSetText(const std::string& text) {
  TCustomMemo::NativeSetText(text);
  if (setting_rich_) return;
  rich_ = PlainRichText(text);
  RequestResize();
}

void TRichEdit::CreateWnd() {
  // The new window is handed the plain text first, which would reset the formats.
  TRichText kept = rich_;
  TCustomMemo::CreateWnd();
  rich_ = kept;
  if (!rich_.Empty()) NativeSetRichText(rich_);
}

void TRichEdit::DestroyWnd() {
  if (HandleAllocated()) rich_ = NativeRichText();
  TCustomMemo::DestroyWnd();
}

TRichFormat TRichEdit::SelFormat(unsigned* Mask) {
  CHARFORMAT2 cf;
  cf.dwMask = CFM_ALL;
  Perform(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  if (Mask) *Mask = cf.dwMask;
  return cf.Format;
}

void TRichEdit::SetSelFormat(const TRichFormat& Format, unsigned Mask) {
  CHARFORMAT2 cf;
  cf.dwMask = Mask;
  cf.Format = Format;
  Perform(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}

TSize TRichEdit::RequiredSize() {
  if (HandleAllocated()) return {Width(), NativeTextHeight()};
  return {Width(), 0};
}

void TRichEdit::RequestResize() {
  if (!(event_mask_ & ENM_REQUESTRESIZE) || !HandleAllocated()) return;
  REQRESIZE req;
  req.nmhdr.hwndFrom = Handle();
  req.nmhdr.code = EN_REQUESTRESIZE;
  req.rc = Rect(0, 0, Width(), NativeTextHeight());
  auto lp = reinterpret_cast<LPARAM>(&req);
  if (TWinControl* parent = Parent())
    SendMessage(parent->Handle(), WM_NOTIFY, 0, lp);
  else
    Perform(CN_NOTIFY, 0, lp);
}

void TRichEdit::DrawTo(TCanvas& Canvas, const TRect& R, TColor SelectionColor) {
  TRichLayout layout = LayoutRichText(Canvas, RichText(), Font(), R.Right - R.Left, WordWrap());
  DrawRichLayout(Canvas, layout, R, SelectionColor);
}

void TRichEdit::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE:
      TCustomMemo::DefaultHandler(m);
      return;
    case EM_GETCHARFORMAT: {
      auto* cf = reinterpret_cast<CHARFORMAT2*>(m.LParam);
      if (!cf) return;
      if (!HandleAllocated()) HandleNeeded();
      unsigned mask = cf->dwMask;
      cf->Format = NativeSelFormat(mask);
      cf->dwMask &= mask;
      return;
    }
    case EM_SETCHARFORMAT: {
      auto* cf = reinterpret_cast<const CHARFORMAT2*>(m.LParam);
      if (!cf) return;
      if (!HandleAllocated()) HandleNeeded();
      NativeSetSelFormat(cf->Format, cf->dwMask);
      m.Result = 1;
      return;
    }
    case EM_SETEVENTMASK: {
      m.Result = event_mask_;
      event_mask_ = static_cast<unsigned>(m.LParam);
      return;
    }
    case EM_GETEVENTMASK: m.Result = event_mask_; return;
    case EM_REQUESTRESIZE: RequestResize(); return;
    case EM_FORMATRANGE: {
      auto* fr = reinterpret_cast<FORMATRANGE*>(m.LParam);
      if (fr && fr->Canvas) DrawTo(*fr->Canvas, fr->Rect);
      return;
    }
    default: TCustomMemo::DefaultHandler(m);
  }
}

}  // namespace hd

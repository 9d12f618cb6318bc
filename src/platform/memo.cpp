#include "platform/memo.h"

namespace hd {

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner), lines_(std::make_unique<TControlItems>([this] {
        if (syncing_) return;
        // The program changed the lines: they become the text.
        syncing_ = true;
        struct Done {
          bool& flag;
          ~Done() { flag = false; }
        } done{syncing_};
        SetText(lines_->Text());
      })) {
  control_style_.Exclude(csFixedHeight);
  SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() { lines_->OnChange = nullptr; }

TStringList& TCustomMemo::Lines() {
  LinesFromText();
  return *lines_;
}

void TCustomMemo::LinesFromText() {
  if (syncing_) return;
  syncing_ = true;
  lines_->SetText(Text());
  syncing_ = false;
}

void TCustomMemo::Change() {
  LinesFromText();
  TCustomEdit::Change();
}

void TCustomMemo::TextChanged() {
  LinesFromText();
  TCustomEdit::TextChanged();
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_MULTILINE;
  // A wrapping memo never scrolls sideways.
  if (word_wrap_) params.Style &= ~ES_AUTOHSCROLL;
  if (alignment_ == taCenter) params.Style |= ES_CENTER;
  if (alignment_ == taRightJustify) params.Style |= ES_RIGHT;
  if (scroll_bars_ == ssHorizontal || scroll_bars_ == ssBoth) params.Style |= WS_HSCROLL;
  if (scroll_bars_ == ssVertical || scroll_bars_ == ssBoth) params.Style |= WS_VSCROLL;
  if (want_returns_) params.Style |= ES_WANTRETURN;
}

void TCustomMemo::StyleChanged() { RecreateWnd(); }

void TCustomMemo::SetAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  StyleChanged();
}

void TCustomMemo::SetWordWrap(bool v) {
  if (v == word_wrap_) return;
  word_wrap_ = v;
  StyleChanged();
}

void TCustomMemo::SetScrollBars(TScrollStyle s) {
  if (s == scroll_bars_) return;
  scroll_bars_ = s;
  StyleChanged();
}

void TCustomMemo::KeyPress(TKeyChar& key) {
  TCustomEdit::KeyPress(key);
  // Without WantReturns a Return that no button took types nothing either.
  if (key == U'\r' && !want_returns_) key = 0;
}

void TCustomMemo::DefaultHandler(TMessage& m) {
  TCustomEdit::DefaultHandler(m);
  if (m.Msg != WM_GETDLGCODE) return;
  if (want_tabs_)
    m.Result |= DLGC_WANTTAB;
  else
    m.Result &= ~DLGC_WANTTAB;
  if (!want_returns_) m.Result &= ~DLGC_WANTALLKEYS;
}

}  // namespace hd

#include "platform/hint_window.h"

#include "platform/native_bridge_p.h"

namespace hd {
namespace {

// A one-pixel frame and a margin of two inside it.
constexpr int kHintInset = 3;
constexpr unsigned kHintTextFlags = DT_WORDBREAK | DT_NOPREFIX;

THintWindowClass& ApplicationHintClass() {
  static THintWindowClass cls = HintClassOf<THintWindow>();
  return cls;
}

}  // namespace

THintWindow::THintWindow() = default;

THintWindow::~THintWindow() = default;

TCanvas& THintWindow::Canvas() {
  if (!image_) image_ = std::make_unique<TBitmap>(std::max(bounds_.Width(), 1), std::max(bounds_.Height(), 1));
  return image_->Canvas();
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& Hint, void*) {
  TCanvas& canvas = Canvas();
  canvas.SetFont(font_);
  TRect r = Rect(0, 0, std::max(MaxWidth - 2 * kHintInset, 16), 0);
  canvas.DrawText(Hint, r, kHintTextFlags | DT_CALCRECT);
  return Rect(0, 0, r.Width() + 2 * kHintInset, r.Height() + 2 * kHintInset);
}

void THintWindow::ActivateHint(const TRect& Rect, const std::string& Hint) {
  caption_ = Hint;
  bounds_ = Rect;
  Repaint();
}

void THintWindow::ActivateHintData(const TRect& Rect, const std::string& Hint, void*) { ActivateHint(Rect, Hint); }

void THintWindow::Repaint() {
  TCanvas& canvas = Canvas();
  if (image_->Width() != bounds_.Width() || image_->Height() != bounds_.Height())
    image_->SetSize(std::max(bounds_.Width(), 1), std::max(bounds_.Height(), 1));
  canvas.ClearClip();
  canvas.SetFont(font_);
  Paint();
  if (!native_) native_ = NativeCreateHintWindow();
  native_->Show(caption_, bounds_, *image_, shape_ ? &*shape_ : nullptr);
  showing_ = true;
}

void THintWindow::SetAlpha(std::uint8_t Value) {
  alpha_ = Value;
  if (!native_) native_ = NativeCreateHintWindow();
  native_->SetAlpha(Value);
}

void THintWindow::Paint() {
  TCanvas& canvas = Canvas();
  TRect client = ClientRect();
  canvas.Brush().Color = color_;
  canvas.Brush().Style = bsSolid;
  canvas.FillRect(client);
  canvas.Brush().Color = clInfoText;
  canvas.FrameRect(client);
  canvas.Brush().Style = bsClear;
  canvas.Font().Color = clInfoText;
  TRect text = client;
  InflateRect(text, -kHintInset, -kHintInset);
  canvas.DrawText(caption_, text, kHintTextFlags);
}

void THintWindow::ReleaseHandle() {
  if (native_) native_->Hide();
  showing_ = false;
}

THintWindowClass HintWindowClass() { return ApplicationHintClass(); }

void SetHintWindowClass(THintWindowClass Value) {
  ApplicationHintClass() = Value ? Value : HintClassOf<THintWindow>();
}

}  // namespace hd

#include "app/testkit/window_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/std_ctrls.h"

namespace hd::testkit {

namespace {

// Controls that draw their caption or text in their font's colour: labels, check boxes, radio
// buttons, group boxes and edits.
void CollectCaptioned(const TControl* c, std::vector<const TControl*>& out) {
  if (dynamic_cast<const TCustomLabel*>(c) || dynamic_cast<const TButtonControl*>(c) ||
      dynamic_cast<const TCustomGroupBox*>(c) || dynamic_cast<const TCustomEdit*>(c))
    out.push_back(c);
  if (auto* w = dynamic_cast<const TWinControl*>(c))
    for (int i = 0; i < w->ControlCount(); ++i) CollectCaptioned(w->Controls(i), out);
}

}  // namespace

TWindowPicture::TWindowPicture(const std::string& png, const TControl* window) : window_(window) {
  if (!png.empty()) bitmap_.LoadFromFile(png);
}

TRect TWindowPicture::Place(const TControl* c) const {
  const TPoint origin = window_->ClientToScreen({0, 0});
  auto inWindow = [&](const TWinControl* parent, const TRect& r) {
    const TPoint at = parent->ClientToScreen({r.Left, r.Top});
    return Bounds(at.X - origin.X, at.Y - origin.Y, r.Width(), r.Height());
  };
  if (c == window_) return Rect(0, 0, c->ClientWidth(), c->ClientHeight());
  // A parent shows its children only inside its client area (a folded group box hides them so).
  TRect r = inWindow(c->Parent(), c->BoundsRect());
  for (const TWinControl* p = c->Parent(); p && p != window_; p = p->Parent())
    if (!IntersectRect(r, r, inWindow(p, p->ClientRect()))) break;
  return r;
}

int TWindowPicture::Count(const TControl* c, TColor colour) const {
  const TRect r = Place(c);
  const auto rgb = static_cast<std::uint32_t>(ColorToRGB(colour));
  int n = 0;
  for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, bitmap_.Height()); ++y)
    for (int x = std::max(r.Left, 0); x < std::min(r.Right, bitmap_.Width()); ++x)
      n += (bitmap_.ScanLine(y)[x] & 0xFFFFFF) == rgb;
  return n;
}

std::vector<std::string> TWindowPicture::CaptionsDrawnWrong() const {
  std::vector<const TControl*> captioned;
  CollectCaptioned(window_, captioned);
  std::vector<std::string> wrong;
  for (const TControl* c : captioned) {
    if (!c->Showing() || StripAccel(c->Caption()).empty() || Place(c).IsEmpty()) continue;
    bool enabled = true;
    for (const TControl* p = c; p && p != window_; p = p->Parent()) enabled = enabled && p->Enabled();
    // A focused edit whose text is selected draws it in the selection's text colour.
    const auto* edit = dynamic_cast<const TCustomEdit*>(c);
    const bool selected = edit && edit->Focused() && edit->SelLength() > 0;
    const bool inked = Shows(c, c->Font().Color) || (selected && Shows(c, clHighlightText));
    if (inked != enabled)
      wrong.push_back(c->Name() + " \"" + c->Caption() + (enabled ? "\" shows no ink" : "\" is not greyed"));
  }
  return wrong;
}

TWindowPicture RenderWindow(test::TGuiKit& kit, TControl* window, const std::string& name) {
  const std::string path = kit.RenderPng(window, name);
  EXPECT_FALSE(path.empty()) << name;
  TWindowPicture picture(path, window);
  EXPECT_EQ(picture.CaptionsDrawnWrong(), std::vector<std::string>{}) << name;
  return picture;
}

}  // namespace hd::testkit

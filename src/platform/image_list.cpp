#include "platform/image_list.h"

#include <algorithm>
#include <functional>
#include <string>

#include "platform/exceptions.h"

namespace hd {
namespace {

// An icon of the silhouette of the image in one colour.
TIcon Silhouette(const TIcon& icon, TColor color) {
  const TBitmap& img = icon.Image();
  TBitmap bmp(img.Width(), img.Height());
  TColor key = ColorToRGB(color) == clFuchsia ? clLime : clFuchsia;
  for (int y = 0; y < img.Height(); ++y) {
    const std::uint32_t* src = img.ScanLine(y);
    std::uint32_t* dst = bmp.ScanLine(y);
    for (int x = 0; x < img.Width(); ++x)
      dst[x] = 0xFF000000u | static_cast<std::uint32_t>((src[x] >> 24) >= 128 ? ColorToRGB(color) : key);
  }
  TIcon out;
  out.AssignBitmap(bmp, key);
  return out;
}

}  // namespace

TImageList::TImageList(int width, int height) : width_(width), height_(height) {}

void TImageList::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
  images_.clear();
}

int TImageList::AddStrip(const TBitmap& image, const std::function<bool(int, int)>& transparent) {
  int first = Count();
  if (image.Empty() || width_ <= 0 || height_ <= 0) return first;
  int count = std::max(1, image.Width() / width_);
  for (int i = 0; i < count; ++i) {
    TBitmap part(width_, height_);
    part.SetPixelFormat(pf32bit);
    for (int y = 0; y < height_; ++y) {
      std::uint32_t* dst = part.ScanLine(y);
      for (int x = 0; x < width_; ++x) {
        int sx = i * width_ + x;
        bool inside = sx < image.Width() && y < image.Height();
        dst[x] = inside && !transparent(sx, y) ? (image.ScanLine(y)[sx] | 0xFF000000u) : 0u;
      }
    }
    TIcon icon;
    icon.AssignAlphaImage(part);
    images_.push_back(icon);
  }
  return first;
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
  return AddStrip(image, [&](int x, int y) {
    if (!mask || x >= mask->Width() || y >= mask->Height()) return false;
    return (mask->ScanLine(y)[x] & 0xFFFFFFu) == 0xFFFFFFu;
  });
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
  TColor key = maskColor == clDefault ? image.TransparentColor() : ColorToRGB(maskColor);
  return AddStrip(image, [&](int x, int y) { return static_cast<TColor>(image.ScanLine(y)[x] & 0xFFFFFFu) == key; });
}

int TImageList::AddIcon(const TIcon& icon) {
  TIcon sized;
  TBitmap img(width_, height_);
  img.SetPixelFormat(pf32bit);
  for (int y = 0; y < height_; ++y) {
    std::uint32_t* dst = img.ScanLine(y);
    for (int x = 0; x < width_; ++x) {
      int sx = icon.Width() ? x * icon.Width() / width_ : 0, sy = icon.Height() ? y * icon.Height() / height_ : 0;
      dst[x] = icon.Empty() ? 0u : icon.Image().ScanLine(sy)[sx];
    }
  }
  sized.AssignAlphaImage(img);
  images_.push_back(sized);
  return Count() - 1;
}

void TImageList::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  images_.erase(images_.begin() + index);
}

const TIcon& TImageList::Image(int index) const {
  if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return images_[static_cast<size_t>(index)];
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  const TIcon& icon = images_[static_cast<size_t>(index)];
  if (enabled) {
    canvas.DrawIcon(x, y, icon);
    return;
  }
  canvas.DrawIcon(x + 1, y + 1, Silhouette(icon, clBtnHighlight));
  canvas.DrawIcon(x, y, Silhouette(icon, clBtnShadow));
}

}  // namespace hd

// Image lists: images of one size, drawn by index, enabled or in the disabled look.
#pragma once

#include <functional>
#include <vector>

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/icon.h"

namespace hd {

class TImageList {
 public:
  explicit TImageList(int width = 16, int height = 16);
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return static_cast<int>(images_.size()); }
  // Changing the size empties the list.
  void SetSize(int width, int height);

  // A strip wider than the image size adds one image per Width() pixels; returns the index
  // of the first. Without a mask every pixel is opaque; a mask is white where transparent.
  int Add(const TBitmap& image, const TBitmap* mask = nullptr);
  // Pixels of maskColor (clDefault: the bitmap's bottom-left pixel) are transparent.
  int AddMasked(const TBitmap& image, TColor maskColor = clDefault);
  int AddIcon(const TIcon& icon);
  void Delete(int index);
  void Clear() { images_.clear(); }
  // EListError for an index outside the list.
  const TIcon& Image(int index) const;

  // Enabled images blend by their alpha; disabled ones are an embossed silhouette in the
  // button highlight and shadow colours. Nothing is drawn for an index outside the list.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

 private:
  int AddStrip(const TBitmap& image, const std::function<bool(int, int)>& transparent);
  int width_;
  int height_;
  std::vector<TIcon> images_;
};

}  // namespace hd

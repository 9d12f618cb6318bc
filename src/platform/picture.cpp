#include "platform/picture.h"

#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/icon.h"
#include "platform/jpeg_codec.h"

namespace hd {
namespace {

std::string Sniff(const std::string& b) {
  auto starts = [&](const char* magic, size_t n) { return b.size() >= n && b.compare(0, n, magic, n) == 0; };
  if (jpeg::IsJpeg(b)) return "jpeg";
  if (starts("\x89PNG", 4)) return "png";
  if (starts("BM", 2)) return "bmp";
  if (starts("GIF8", 4)) return "gif";
  if (starts("\0\0\1\0", 4)) return "ico";
  return "";
}

std::string Extension(const std::string& path) {
  size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find_first_of("/\\", dot) != std::string::npos) return "";
  std::string ext = path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == "jpg" ? "jpeg" : ext;
}

}  // namespace

void TPicture::LoadFromMemory(const std::string& bytes, std::int64_t maxPixels) {
  Clear();
  TBitmap decoded;
  decoded.LoadFromMemory(bytes, maxPixels);
  bitmap_ = decoded;
  bytes_ = bytes;
  format_ = Sniff(bytes);
}

void TPicture::LoadFromFile(const std::string& path, std::int64_t maxPixels) {
  std::string bytes;
  try {
    bytes = ReadFileBytes(path, kMaxPictureFileSize);
  } catch (const EInOutError&) {
    Clear();
    throw;
  }
  LoadFromMemory(bytes, maxPixels);
}

void TPicture::SaveToFile(const std::string& path) const {
  std::string ext = Extension(path);
  if (bytes_.empty() || (!ext.empty() && ext != format_)) {
    bitmap_.SaveToFile(path);
    return;
  }
  WriteFileAtomic(path, bytes_);
}

void TPicture::Assign(const TBitmap& bmp) {
  bitmap_ = bmp;
  bytes_.clear();
  format_.clear();
}

void TPicture::Clear() {
  bitmap_ = TBitmap();
  bytes_.clear();
  format_.clear();
}

void TPicture::Draw(TCanvas& canvas, const TRect& r, bool stretch) const {
  if (Empty()) return;
  TRect target = stretch ? r : Bounds(r.Left, r.Top, Width(), Height());
  if (bitmap_.PixelFormat() != pf32bit) {
    if (stretch) canvas.StretchDraw(target, bitmap_);
    else canvas.Draw(target.Left, target.Top, bitmap_);
    return;
  }
  TBitmap scaled(target.Width(), target.Height());
  scaled.SetPixelFormat(pf32bit);
  for (int y = 0; y < scaled.Height(); ++y) {
    std::uint32_t* dst = scaled.ScanLine(y);
    const std::uint32_t* src = bitmap_.ScanLine(y * Height() / scaled.Height());
    for (int x = 0; x < scaled.Width(); ++x) dst[x] = src[x * Width() / scaled.Width()];
  }
  TIcon icon;
  icon.AssignAlphaImage(scaled);
  canvas.DrawIcon(target.Left, target.Top, icon);
}

}  // namespace hd

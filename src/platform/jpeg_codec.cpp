#include "platform/jpeg_codec.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "platform/exceptions.h"

namespace hd::jpeg {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings of damaged data are not shown, but data that ends early is no picture: libjpeg
// would fill the rest with grey.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) OnError(info);
}

// Called between the scans of a progressive file.
void OnProgress(j_common_ptr info) {
  auto* d = reinterpret_cast<j_decompress_ptr>(info);
  if (d->input_scan_number <= kMaxScans) return;
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  std::snprintf(err->message, JMSG_LENGTH_MAX, "More than %d scans", kMaxScans);
  std::longjmp(err->jump, 1);
}

// Plain C flow between setjmp and longjmp: nothing here has a destructor to skip.
bool DecodeRgb(const unsigned char* data, unsigned long size, std::int64_t maxPixels, std::vector<unsigned char>* rgb,
               int* width, int* height, char* message) {
  jpeg_decompress_struct info;
  ErrorManager err;
  jpeg_progress_mgr progress{};
  progress.progress_monitor = OnProgress;
  info.err = jpeg_std_error(&err.base);
  err.base.error_exit = OnError;
  err.base.emit_message = OnMessage;
  if (setjmp(err.jump)) {
    std::strncpy(message, err.message, JMSG_LENGTH_MAX);
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  info.progress = &progress;
  jpeg_mem_src(&info, const_cast<unsigned char*>(data), size);
  jpeg_read_header(&info, TRUE);
  // The header alone names the size: a few bytes may ask for gigabytes.
  if (static_cast<std::int64_t>(info.image_width) * info.image_height > maxPixels) {
    std::snprintf(message, JMSG_LENGTH_MAX, "Picture of %u x %u pixels is too large", info.image_width,
                  info.image_height);
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  *width = static_cast<int>(info.output_width);
  *height = static_cast<int>(info.output_height);
  size_t stride = static_cast<size_t>(info.output_width) * 3;
  rgb->resize(stride * info.output_height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = rgb->data() + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

bool EncodeRgb(const unsigned char* rgb, int width, int height, int quality, unsigned char** out,
               unsigned long* outSize, char* message) {
  jpeg_compress_struct info;
  ErrorManager err;
  info.err = jpeg_std_error(&err.base);
  err.base.error_exit = OnError;
  err.base.emit_message = OnMessage;
  if (setjmp(err.jump)) {
    std::strncpy(message, err.message, JMSG_LENGTH_MAX);
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, out, outSize);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  size_t stride = static_cast<size_t>(width) * 3;
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(rgb) + stride * info.next_scanline;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

bool IsJpeg(const std::string& bytes) {
  return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
         static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF;
}

TBitmap Decode(const std::string& bytes, std::int64_t maxPixels) {
  std::vector<unsigned char> rgb;
  int w = 0, h = 0;
  char message[JMSG_LENGTH_MAX] = {};
  if (!DecodeRgb(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), maxPixels, &rgb, &w, &h,
                 message))
    throw EInvalidGraphic(std::string("JPEG error: ") + message);
  TBitmap bmp(w, h);
  for (int y = 0; y < h; ++y) {
    std::uint32_t* line = bmp.ScanLine(y);
    const unsigned char* src = rgb.data() + static_cast<size_t>(y) * w * 3;
    for (int x = 0; x < w; ++x)
      line[x] = 0xFF000000u | src[3 * x] | (static_cast<std::uint32_t>(src[3 * x + 1]) << 8) |
                (static_cast<std::uint32_t>(src[3 * x + 2]) << 16);
  }
  return bmp;
}

std::string Encode(const TBitmap& bmp, int quality) {
  if (bmp.Empty()) throw EInvalidGraphic("Cannot write an empty picture as JPEG");
  int w = bmp.Width(), h = bmp.Height();
  std::vector<unsigned char> rgb(static_cast<size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* line = bmp.ScanLine(y);
    unsigned char* dst = rgb.data() + static_cast<size_t>(y) * w * 3;
    for (int x = 0; x < w; ++x) {
      dst[3 * x] = line[x] & 0xFF;
      dst[3 * x + 1] = (line[x] >> 8) & 0xFF;
      dst[3 * x + 2] = (line[x] >> 16) & 0xFF;
    }
  }
  unsigned char* out = nullptr;
  unsigned long size = 0;
  char message[JMSG_LENGTH_MAX] = {};
  bool ok = EncodeRgb(rgb.data(), w, h, quality < 1 ? 1 : (quality > 100 ? 100 : quality), &out, &size, message);
  std::string result;
  if (ok && out) result.assign(reinterpret_cast<const char*>(out), size);
  std::free(out);
  if (!ok) throw EInvalidGraphic(std::string("JPEG error: ") + message);
  return result;
}

}  // namespace hd::jpeg

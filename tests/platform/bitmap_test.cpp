#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include <jpeglib.h>

#include "platform/bitmap.h"
#include "platform/bitmap_resources.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/gui_application.h"
#include "platform/image_list.h"
#include "platform/jpeg_codec.h"
#include "platform/picture.h"
#include "platform/region.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

// Four flat quadrants: red, green, blue and white.
TBitmap Quadrants(int size) {
  TBitmap bmp(size, size);
  TCanvas& c = bmp.Canvas();
  int h = size / 2;
  c.Brush().Color = clRed;
  c.FillRect({0, 0, h, h});
  c.Brush().Color = clLime;
  c.FillRect({h, 0, size, h});
  c.Brush().Color = clBlue;
  c.FillRect({0, h, h, size});
  return bmp;
}

bool Near(TColor a, TColor b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::string TempPath(const std::string& name) {
  const char* dir = std::getenv("HD_TEST_TMP");
  std::filesystem::path base = dir ? dir : std::filesystem::temp_directory_path().string();
  std::filesystem::create_directories(base);
  return (base / name).string();
}

class Bitmaps : public testing::Test {
 protected:
  void SetUp() override { EnsureGuiApplication(); }
};

TEST_F(Bitmaps, JpegRoundTripThroughLibjpeg) {
  TBitmap src = Quadrants(32);
  std::string bytes = jpeg::Encode(src, 95);
  ASSERT_TRUE(jpeg::IsJpeg(bytes));
  TBitmap back;
  back.LoadFromMemory(bytes);
  ASSERT_EQ(back.Width(), 32);
  ASSERT_EQ(back.Height(), 32);
  EXPECT_EQ(back.PixelFormat(), pf24bit);
  struct Probe {
    int x, y;
    TColor color;
  };
  for (Probe p : {Probe{4, 4, clRed}, Probe{27, 4, clLime}, Probe{4, 27, clBlue}, Probe{27, 27, clWhite}}) {
    SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
    EXPECT_TRUE(Near(back.Canvas().Pixel(p.x, p.y), p.color, 12)) << std::hex << back.Canvas().Pixel(p.x, p.y);
  }
  std::string path = TempPath("round_trip.jpg");
  src.SaveToFile(path);
  TPicture picture;
  picture.LoadFromFile(path);
  EXPECT_EQ(picture.Format(), "jpeg");
  EXPECT_EQ(picture.Width(), 32);
  EXPECT_THROW(back.LoadFromMemory(bytes.substr(0, 20)), EInvalidGraphic);
}

// A few hundred bytes may claim any size in their header; Qt's readers refuse a picture over
// their allocation limit and a JPEG must not be decoded into gigabytes either.
TEST_F(Bitmaps, JpegClaimingAHugeSizeIsRefusedBeforeDecoding) {
  std::string bytes = jpeg::Encode(Quadrants(8));
  const size_t sof = bytes.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  for (size_t at : {sof + 5, sof + 7}) {  // height, then width, big-endian
    bytes[at] = static_cast<char>(8200 >> 8);
    bytes[at + 1] = static_cast<char>(8200 & 0xFF);
  }
  TBitmap bmp;
  EXPECT_THROW(bmp.LoadFromMemory(bytes), EInvalidGraphic);
  EXPECT_TRUE(bmp.Empty());
}

// A progressive JPEG of the bitmap, as cameras and web tools write them.
std::string ProgressiveJpeg(const TBitmap& bmp) {
  std::vector<unsigned char> rgb;
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) {
      const std::uint32_t p = bmp.ScanLine(y)[x];
      rgb.insert(rgb.end(), {static_cast<unsigned char>(p), static_cast<unsigned char>(p >> 8),
                             static_cast<unsigned char>(p >> 16)});
    }
  jpeg_compress_struct info;
  jpeg_error_mgr err;
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = static_cast<JDIMENSION>(bmp.Width());
  info.image_height = static_cast<JDIMENSION>(bmp.Height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = rgb.data() + static_cast<size_t>(info.next_scanline) * bmp.Width() * 3;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<const char*>(out), size);
  std::free(out);
  return bytes;
}

// A 20 KB progressive file of 2,000 empty scans took 8 s to decode: each scan is a pass over
// the whole picture. The last scan repeated stands for them.
TEST_F(Bitmaps, JpegOfTooManyScansIsRefused) {
  const std::string progressive = ProgressiveJpeg(Quadrants(16));
  const size_t lastScan = progressive.rfind("\xFF\xDA");
  const size_t end = progressive.rfind("\xFF\xD9");
  ASSERT_TRUE(lastScan != std::string::npos && end == progressive.size() - 2);
  TBitmap bmp;
  bmp.LoadFromMemory(progressive);
  EXPECT_EQ(bmp.Width(), 16);
  std::string repeated = progressive.substr(0, end);
  for (int k = 0; k < jpeg::kMaxScans; ++k) repeated += progressive.substr(lastScan, end - lastScan);
  repeated += "\xFF\xD9";
  try {
    bmp.LoadFromMemory(repeated);
    FAIL() << "decoded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(e.Message().find("scans"), std::string::npos) << e.Message();
  }
}

// libjpeg fills what is missing with grey and calls it a warning; a cut file is no picture.
TEST_F(Bitmaps, JpegThatEndsEarlyIsRefused) {
  for (const std::string& whole : {jpeg::Encode(Quadrants(64)), ProgressiveJpeg(Quadrants(64))}) {
    TBitmap bmp;
    bmp.LoadFromMemory(whole);
    EXPECT_THROW(bmp.LoadFromMemory(whole.substr(0, whole.size() * 2 / 3)), EInvalidGraphic);
    EXPECT_THROW(bmp.LoadFromMemory(whole.substr(0, whole.size() - 2)), EInvalidGraphic);  // no end marker
  }
}

// A 150-byte header asked for 312 MB; a language flag is a small picture recognised by its
// content, so a ".bmp" may well be a JPEG or a PNG.
TEST_F(Bitmaps, SmallPicturesAreRefusedOverTheSmallLimitByTheirHeader) {
  testkit::TempFolder tmp;
  TBitmap big(600, 500);
  std::string jpegFlag = jpeg::Encode(Quadrants(8));
  const size_t sof = jpegFlag.find("\xFF\xC0");
  jpegFlag[sof + 5] = static_cast<char>(0x80);  // 32776 rows
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {{"JPEG of 8 x 32776", jpegFlag}, {"PNG", big.SaveToMemory("png")}, {"BMP", big.SaveToMemory("bmp")}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = tmp.Write("Italiano.bmp", c.bytes);
    TPicture flag;
    try {
      flag.LoadFromFile(path, kSmallPicturePixels);
      FAIL() << "loaded";
    } catch (const EInvalidGraphic& e) {
      EXPECT_NE(e.Message().find("too large"), std::string::npos) << e.Message();
    }
    EXPECT_TRUE(flag.Empty());
  }
  TPicture flag;
  flag.LoadFromFile(tmp.Write("English.bmp", TBitmap(512, 512).SaveToMemory("png")), kSmallPicturePixels);
  EXPECT_EQ(flag.Width(), 512);
}

TEST_F(Bitmaps, PngAndBmpKeepEveryPixel) {
  TBitmap src = Quadrants(10);
  src.Canvas().SetPixel(3, 7, RGB(1, 2, 3));
  for (const char* format : {"png", "bmp"}) {
    SCOPED_TRACE(format);
    TBitmap back;
    back.LoadFromMemory(src.SaveToMemory(format));
    ASSERT_EQ(back.Width(), 10);
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) ASSERT_EQ(back.Canvas().Pixel(x, y), src.Canvas().Pixel(x, y)) << x << "," << y;
  }
  TPicture picture;
  EXPECT_THROW(picture.LoadFromMemory("no picture at all"), EInvalidGraphic);
  EXPECT_TRUE(picture.Empty());
  EXPECT_THROW(picture.LoadFromFile(TempPath("missing.png")), EFOpenError);
}

// A write stopped half-way (a file-size limit stands in for a full disk) must leave the old
// file as it was, whichever way the picture is written.
TEST_F(Bitmaps, FailedPictureWriteLeavesTheOldFileIntact) {
  TPicture loaded;
  loaded.LoadFromMemory(Quadrants(64).SaveToMemory("png"));
  struct Case {
    const char* name;
    const char* file;
    std::function<void(const std::string&)> save;
  } cases[] = {
      {"bitmap", "logo.bmp", [](const std::string& p) { Quadrants(64).SaveToFile(p); }},
      {"picture's own bytes", "logo.png", [&](const std::string& p) { loaded.SaveToFile(p); }},
      {"picture re-encoded", "logo.bmp", [&](const std::string& p) { loaded.SaveToFile(p); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testkit::TempFolder tmp;
    const std::string path = tmp.File(c.file);
    WriteFileAtomic(path, "old");
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = 100;
    ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_THROW(c.save(path), EFCreateError);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, SIG_DFL);
    EXPECT_TRUE(ReadFileBytes(path) == "old") << "the old file was overwritten";
    EXPECT_EQ(ListFiles(tmp.Path()), std::vector<std::string>{c.file});
  }
}

TEST_F(Bitmaps, PartialCopyHonoursTheClip) {
  TBitmap src = Quadrants(8);
  TBitmap dst(8, 8);
  TCanvas& c = dst.Canvas();
  c.SetClipRect({0, 0, 3, 8});
  c.CopyRect({0, 0, 4, 4}, src.Canvas(), {4, 0, 8, 4});  // the green quadrant
  EXPECT_EQ(c.Pixel(2, 2), clLime);
  EXPECT_EQ(c.Pixel(3, 2), clWhite);  // outside the clip
  EXPECT_EQ(c.Pixel(2, 5), clWhite);  // outside the destination
}

TEST_F(Bitmaps, PixelFormatsReduceTheirColours) {
  TBitmap bmp(2, 1);
  bmp.Canvas().SetPixel(0, 0, RGB(200, 190, 180));
  bmp.Canvas().SetPixel(1, 0, RGB(40, 60, 20));
  bmp.SetPixelFormat(pf1bit);
  EXPECT_EQ(bmp.Canvas().Pixel(0, 0), clWhite);
  EXPECT_EQ(bmp.Canvas().Pixel(1, 0), clBlack);
  TBitmap alpha(1, 1);
  alpha.SetPixelFormat(pf32bit);
  alpha.ScanLine(0)[0] = 0x80102030u;
  EXPECT_EQ(alpha.ScanLine(0)[0] >> 24, 0x80u);
  EXPECT_THROW(alpha.ScanLine(1), EInvalidGraphic);
}

TEST_F(Bitmaps, MaskAndRegionLeaveOutTheTransparentColour) {
  TBitmap bmp(4, 3);
  TCanvas& c = bmp.Canvas();
  c.Brush().Color = clFuchsia;
  c.FillRect({0, 0, 4, 3});
  c.SetPixel(1, 0, clBlack);
  c.SetPixel(2, 0, clBlack);
  c.SetPixel(2, 1, clBlack);
  TRegion rgn = bmp.CreateRegion();  // keyed on the bottom-left pixel
  EXPECT_EQ(rgn.Rects(), (std::vector<TRect>{{1, 0, 3, 1}, {2, 1, 3, 2}}));
  TBitmap mask = bmp.CreateMask(clFuchsia);
  EXPECT_EQ(mask.PixelFormat(), pf1bit);
  EXPECT_EQ(mask.Canvas().Pixel(0, 0), clWhite);
  EXPECT_EQ(mask.Canvas().Pixel(1, 0), clBlack);
  TRegion arrow = TRegion::Polygon({{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}, WINDING);
  EXPECT_TRUE(arrow.Contains(5, 1));  // the tip row holds no pixel of its own
  EXPECT_TRUE(arrow.Contains(3, 8));
  EXPECT_FALSE(arrow.Contains(7, 8));
  EXPECT_FALSE(arrow.Contains(1, 8));
}

TEST_F(Bitmaps, ImageListSplitsStripsAndDrawsTheDisabledLook) {
  TBitmap strip(8, 4);
  TCanvas& s = strip.Canvas();
  s.Brush().Color = clFuchsia;
  s.FillRect({0, 0, 8, 4});
  s.SetPixel(1, 1, clRed);
  s.SetPixel(6, 2, clBlue);
  TImageList list(4, 4);
  EXPECT_EQ(list.AddMasked(strip), 0);
  EXPECT_EQ(list.Count(), 2);
  TBitmap out(10, 10);
  TCanvas& c = out.Canvas();
  list.Draw(c, 0, 0, 1);
  EXPECT_EQ(c.Pixel(2, 2), clBlue);
  EXPECT_EQ(c.Pixel(1, 1), clWhite);  // the masked colour stays out
  list.Draw(c, 5, 5, 0, false);
  EXPECT_EQ(c.Pixel(6, 6), ColorToRGB(clBtnShadow));
  EXPECT_EQ(c.Pixel(7, 7), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(c.Pixel(8, 8), clWhite);
  EXPECT_THROW(list.Delete(5), EListError);
}

TEST_F(Bitmaps, NamedResourcesExistWithTheirSizesAndKeyCorners) {
  struct Case {
    const char* name;
    int w, h;
  };
  const Case cases[] = {
      {"ESGCHK01", 15, 15}, {"ESGCHK08", 15, 15}, {"ESGRAD01", 16, 16}, {"ESGRAD08", 16, 16},
      {"ESGFILT", 16, 16},  {"LBARROW", 9, 5},    {"LBOK", 32, 16},     {"LBALL", 32, 16},
      {"XPNODEC", 10, 10},  {"ESGLEAFOPEN", 12, 12}, {"metrocheckon", 15, 15}, {"metroradiooff", 16, 16},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    TBitmap bmp = BitmapResource(tc.name);
    EXPECT_EQ(bmp.Width(), tc.w);
    EXPECT_EQ(bmp.Height(), tc.h);
    EXPECT_EQ(bmp.TransparentColor(), clFuchsia);
    EXPECT_EQ(bmp.Canvas().Pixel(0, 0), clFuchsia);
  }
  for (const std::string& name : BitmapResourceNames()) {
    SCOPED_TRACE(name);
    TBitmap bmp;
    bmp.LoadFromResourceName(name);
    EXPECT_FALSE(bmp.Empty());
  }
  // Checked and unchecked boxes differ only inside the box.
  TBitmap on = BitmapResource("esgchk05"), off = BitmapResource("ESGCHK06");
  EXPECT_NE(on.Canvas().Pixel(7, 7), off.Canvas().Pixel(7, 7));
  EXPECT_THROW(BitmapResource("NOSUCH"), EResNotFound);
}

}  // namespace
}  // namespace hd

#include "grid/foundation/picture_container.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/foundation/picture_kit.h"
#include "platform/exceptions.h"
#include "platform/raw_resources.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

const std::vector<TGifFrameSpec> kFrames = {
    {0, 0, 8, 6, 1, 10},
    {2, 1, 3, 2, 2, 20, 0x01 | (2 << 2)},
    {5, 3, 2, 2, 3, 30},
};

TColor PixelOf(const THTMLPicture& picture, int x, int y) {
  TBitmap target(20, 20);
  picture.Draw(target.Canvas(), {0, 0, 20, 20});
  return target.Canvas().Pixel(x, y);
}

TEST(HTMLPicture, AnimatedGifFramesDecodeOneByOne) {
  THTMLPicture gif;
  gif.LoadFromBytes(AnimatedGif(8, 6, kFrames));
  ASSERT_FALSE(gif.Empty());
  EXPECT_TRUE(gif.IsGIF());
  EXPECT_EQ(gif.FrameCount(), 3);
  EXPECT_EQ(gif.MaxWidth(), 8);
  EXPECT_EQ(gif.MaxHeight(), 6);
  std::vector<int> delays;
  for (int i = 0; i <= 4; ++i) delays.push_back(gif.FrameTime(i));
  EXPECT_EQ(delays, (std::vector<int>{-1, 10, 20, 30, -1}));
  gif.FrameTime(2);
  EXPECT_TRUE(gif.FrameTransp());
  EXPECT_EQ(gif.FrameDisposal(), 2);

  struct Case {
    int frame, x, y, width, height;
    TColor color;
  };
  int changes = 0;
  gif.OnFrameChange = [&](THTMLPicture*) { ++changes; };
  for (const Case& c : std::vector<Case>{{3, 5, 3, 2, 2, clBlue}, {2, 2, 1, 3, 2, clLime}, {1, 0, 0, 8, 6, clRed}}) {
    SCOPED_TRACE(c.frame);
    gif.SetFrame(c.frame);
    // Only the frame's own rectangle, not the logical screen it was decoded on.
    EXPECT_EQ(gif.FrameXPos(), c.x);
    EXPECT_EQ(gif.FrameYPos(), c.y);
    EXPECT_EQ(gif.Width(), c.width);
    EXPECT_EQ(gif.Height(), c.height);
    EXPECT_EQ(PixelOf(gif, 0, 0), c.color);
  }
  EXPECT_EQ(changes, 3);

  gif.SetFrame(3);
  gif.FrameNext();
  EXPECT_EQ(gif.Frame(), 1);
  gif.FramePrev();
  EXPECT_EQ(gif.Frame(), 3);
}

TEST(HTMLPicture, StepMovesOnWhenTheFrameDelayIsDue) {
  THTMLPicture gif;
  gif.LoadFromBytes(AnimatedGif(8, 6, kFrames));
  std::vector<bool> changed;
  for (int tick = 0; tick < 8; ++tick) changed.push_back(gif.Step());
  // 100 ms a tick: frame 2 after 10 hundredths, frame 3 after 20 more, frame 1 after 30 more.
  EXPECT_EQ(changed, (std::vector<bool>{false, false, true, false, true, false, false, true}));
  EXPECT_EQ(gif.Frame(), 1);

  THTMLPicture still;
  still.LoadFromBytes(SolidBmp(4, 4, clRed));
  EXPECT_FALSE(still.Step());
  THTMLPictureCache cache;
  cache.AddPicture()->LoadFromBytes(AnimatedGif(8, 6, kFrames));
  int animated = 0;
  for (int tick = 0; tick < 3; ++tick) animated += cache.Animate();
  EXPECT_EQ(animated, 1);
}

TEST(HTMLPicture, LoadsAndFailsAsDescribed) {
  THTMLPicture p;
  p.LoadFromBytes(SolidBmp(20, 10, clRed));
  EXPECT_EQ(p.Width(), 20);
  EXPECT_EQ(p.FrameCount(), -1);
  EXPECT_EQ(p.MaxWidth(), 20);

  THTMLPicture four;
  EXPECT_THROW(four.LoadFromBytes("GIF8"), Exception);
  EXPECT_FALSE(four.IsGIF()) << "five bytes at least";
  EXPECT_TRUE(four.Empty());
  try {
    four.LoadFromBytes("not a picture");
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Could not load image. Invalid format");
  }

  THTMLPicture missing;
  EXPECT_NO_THROW(missing.LoadFromFile("/no/such/file.bmp"));
  EXPECT_TRUE(missing.Empty());

  THTMLPicture copy;
  copy.Assign(&p);
  EXPECT_EQ(copy.Bytes(), p.Bytes());
  EXPECT_EQ(copy.Height(), 10);
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
  EXPECT_TRUE(copy.Bytes().empty());
}

TEST(HTMLPicture, LoadsFromFileAndResourceURLsOnly) {
  testkit::TempFolder tmp;
  const std::string path = tmp.Write("Pics/Red.bmp", SolidBmp(6, 3, clRed));
  RegisterRawResource("BLUEDOT", SolidBmp(2, 2, clBlue));
  struct Case {
    std::string url;
    bool asynch;
    bool loaded;
    std::string id;
    bool busy;
  };
  for (const Case& c : std::vector<Case>{{"file://" + path, false, true, "file://" + path, false},
                                         {"FILE://", false, false, "FILE://", false},
                                         {"res://bluedot", false, true, "res://bluedot", false},
                                         {"res://nothing", false, false, "res://nothing", false},
                                         {"http://example.invalid/a.gif", false, false, "http://example.invalid/a.gif", false},
                                         {"http://example.invalid/a.gif", true, false, "", true},
                                         {"C:\\pics\\a.bmp", false, false, "C:\\pics\\a.bmp", false}}) {
    SCOPED_TRACE(c.url);
    THTMLPicture p;
    p.SetAsynch(c.asynch);
    p.LoadFromURL(c.url);
    EXPECT_EQ(!p.Empty(), c.loaded);
    EXPECT_EQ(p.ID(), c.id);
    EXPECT_EQ(p.Busy(), c.busy);
  }
  UnregisterRawResource("BLUEDOT");

  RegisterRawResource("7", SolidBmp(3, 1, clBlue));
  THTMLPicture byNumber;
  byNumber.LoadFromResourceID(7);
  EXPECT_EQ(byNumber.Width(), 3);
  EXPECT_THROW(byNumber.LoadFromResourceID(8), EResNotFound);
  UnregisterRawResource("7");
}

TEST(PictureContainer, NamesIgnoreCaseAndCacheIDsDoNot) {
  TPictureContainer container(nullptr);
  TPictureItem* item = container.Items().Add();
  item->SetName("Logo");
  item->Picture().LoadFromBytes(SolidBmp(3, 3, clRed));
  container.Items().Insert(0)->SetName("first");
  EXPECT_EQ(container.FindPicture("LOGO"), &item->Picture());
  EXPECT_EQ(container.FindPicture("logo"), &item->Picture());
  EXPECT_EQ(container.FindPicture("log"), nullptr);
  EXPECT_EQ(container.Items().Items(0)->Name(), "first");

  THTMLPictureCache cache;
  THTMLPicture* p = cache.AddPicture();
  p->SetID("file://a.gif");
  EXPECT_EQ(cache.FindPicture("file://a.gif"), p);
  EXPECT_EQ(cache.FindPicture("FILE://A.GIF"), nullptr);
  cache.ClearPictures();
  EXPECT_EQ(cache.Count(), 0);
}

}  // namespace
}  // namespace hd

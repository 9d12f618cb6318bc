// The image picker through its real edit: ImageIndex both ways, the events a choice fires, a
// folder of pictures, a broken file and a sub-folder, the edit area's picture, and the popup's
// choosing and Escape.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/editors/dropdown/imagepicker_dropdown.h"
#include "grid/editors/dropdown/dropdown_fixture.h"
#include "platform/bitmap.h"
#include "platform/edit_paint.h"
#include "platform/files.h"
#include "platform/image_list.h"
#include "platform/raster_canvas.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

TBitmap Solid(int w, int h, TColor c) {
  TBitmap b;
  b.SetPixelFormat(pf24bit);
  b.SetSize(w, h);
  b.Canvas().Brush() = TBrush{c, bsSolid};
  b.Canvas().FillRect(Rect(0, 0, w, h));
  return b;
}

class ImagePickerTest : public test::DropDownFixture<TExtImagePickerDropDown> {
 protected:
  void SetUp() override {
    ShowForm([this] {
      list.Add(Solid(16, 16, 0x0000FF));
      list.Add(Solid(16, 16, 0x00FF00));
      list.Add(Solid(16, 16, 0xFF0000));
      drop->SetImages(&list);
      drop->OnChange = [this](TObject*) { events.push_back("change"); };
      drop->OnSelect = [this](TObject*) { events.push_back("select"); };
    });
  }
  bool Down() { return drop->DropDownForm() && drop->DropDownForm()->Visible(); }

  TImageList list{16, 16};
  std::vector<std::string> events;
};

TEST_F(ImagePickerTest, ImageIndexChoosesTheFirstMatchOrClearsAndFiresOnlyOnChange) {
  EXPECT_FALSE(drop->EditorEnabled());
  EXPECT_EQ(drop->ImageIndex(), -1);
  drop->AddImagesFromImageList();
  drop->Items().Add()->SetImageIndex(1);  // a second item with image 1
  ASSERT_EQ(drop->Items().Count(), 4);
  drop->SetImageIndex(1);
  EXPECT_EQ(drop->ItemIndex(), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"change", "select"}));
  events.clear();
  drop->SetItemIndex(1);
  drop->SetItemIndex(4);  // past the items
  EXPECT_TRUE(events.empty());
  drop->SetImageIndex(7);
  EXPECT_EQ(drop->ItemIndex(), -1);
  EXPECT_EQ(drop->ImageIndex(), -1);
  EXPECT_EQ(events.size(), 2u);
  events.clear();
  drop->SetImageIndex(7);
  EXPECT_TRUE(events.empty()) << "already without a choice";
  // Stepping without wrapping.
  drop->SelectPrevious();
  EXPECT_EQ(drop->ItemIndex(), 0);
  drop->SelectPrevious();
  EXPECT_EQ(drop->ItemIndex(), 0);
  drop->SelectLast();
  drop->SelectNext();
  EXPECT_EQ(drop->ItemIndex(), 3);
}

TEST_F(ImagePickerTest, FolderGivesAnItemPerMatchingEntryAndEmptyOnesForWhatDoesNotLoad) {
  testkit::TempFolder dir;
  Solid(10, 8, 0x0000FF).SaveToFile(dir.File("a.bmp"));
  Solid(6, 6, 0x00FF00).SaveToFile(dir.File("B.BMP"));
  dir.Write("broken.bmp", "not a picture");
  ASSERT_TRUE(CreateDir(dir.File("sub.bmp")));
  dir.Write("notes.txt", "x");
  drop->AddImagesFromFolder(IncludeTrailingPathDelimiter(dir.Path()) + "*.bmp", true);
  std::vector<std::string> captions;
  int pictures = 0;
  for (int i = 0; i < drop->Items().Count(); ++i) {
    captions.push_back(drop->Items().Items(i)->Caption());
    if (!drop->Items().Items(i)->Image().Empty()) ++pictures;
  }
  ASSERT_EQ(drop->Items().Count(), 4) << "two pictures, the broken file and the folder";
  EXPECT_EQ(pictures, 2);
  EXPECT_EQ(std::count(captions.begin(), captions.end(), "a.bmp"), 1);
  EXPECT_EQ(std::count(captions.begin(), captions.end(), "B.BMP"), 1);
  EXPECT_EQ(std::count(captions.begin(), captions.end(), ""), 2);
  // "*" also lists the folder's "." and "..".
  TExtImagePickerDropDown other(nullptr);
  other.AddImagesFromFolder(IncludeTrailingPathDelimiter(dir.Path()) + "*", false);
  EXPECT_EQ(other.Items().Count(), 7);
}

TEST_F(ImagePickerTest, EditAreaShowsTheItemsOwnPictureBeforeItsImageListImage) {
  TImageItem* item = drop->Items().Add();
  item->SetImageIndex(0);  // red in the list
  drop->SetItemIndex(0);
  TBitmap shot = Solid(drop->Width(), drop->Height(), clWhite);
  const TRect R = drop->GetEditRect();
  const int cx = R.Left + R.Width() / 2, cy = R.Top + R.Height() / 2;
  {
    TRasterCanvas c(shot);
    drop->PaintSelectedImage(c);
    EXPECT_EQ(c.Pixel(cx, cy), 0x0000FF);
  }
  item->SetImage([] {
    TPicture p;
    p.Assign(Solid(4, 4, 0x00FF00));
    return p;
  }());
  TRasterCanvas c(shot);
  drop->PaintSelectedImage(c);
  EXPECT_EQ(c.Pixel(cx, cy), 0x00FF00);
  EXPECT_EQ(c.Pixel(cx - 6, cy), 0x0000FF) << "the picture is drawn at its own size, centred";
  bool drawn = false;
  drop->OnDrawSelectedImage = [&](TObject*, TCanvas&, TRect r) { drawn = r == R; };
  drop->PaintSelectedImage(c);
  EXPECT_TRUE(drawn);
  // The window's own paint draws it over the face.
  EXPECT_TRUE(EditPaintsOver(*drop));
  drawn = false;
  drop->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&c)));
  EXPECT_TRUE(drawn);
}

TEST_F(ImagePickerTest, PopupChoosesWithKeysAndEscapeRestores) {
  drop->AddImagesFromImageList();
  drop->SetItemIndex(0);
  kit.Press(VK_DOWN);
  EXPECT_EQ(drop->ItemIndex(), 1) << "closed: Down steps the value";
  EXPECT_FALSE(Down());
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  ASSERT_NE(drop->ItemSelector(), nullptr);
  EXPECT_EQ(drop->ItemSelector()->Items().Count(), 3);
  kit.Press(VK_DOWN);
  EXPECT_EQ(drop->ItemIndex(), 2);
  EXPECT_TRUE(Down()) << "moving with keys keeps the popup open";
  kit.Press(VK_ESCAPE);
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->ItemIndex(), 1);
  drop->ShowDropDown();
  kit.Process();
  ASSERT_TRUE(Down());
  drop->ItemSelector()->SetItemIndex(0);  // a click on an item
  kit.Process();
  EXPECT_FALSE(Down());
  EXPECT_EQ(drop->ItemIndex(), 0);
}

}  // namespace
}  // namespace hd

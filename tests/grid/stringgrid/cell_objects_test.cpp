// Cell objects of every kind: each kind added, asked for, sized and removed (and whether what
// the grid made goes with it), pictures fitted per stretch mode, printed sizes, markers and
// comments riding on other objects, check-box and radio columns, and image-list and
// application objects painted.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "grid/foundation/input_settings.h"
#include "grid/foundation/lists.h"
#include "grid/foundation/undo.h"
#include "grid/stringgrid/ext_string_grid.h"
#include "grid/stringgrid/grid_settings_data.h"
#include "grid/stringgrid/look_objects.h"
#include "grid/stringgrid/string_grid_fixture.h"
#include "platform/bitmap.h"
#include "platform/icon.h"
#include "platform/image_list.h"
#include "platform/picture.h"
#include "platform/recording_canvas.h"
#include "platform/string_list.h"

namespace hd {
namespace {

using test::StringGridTest;

// An application object that draws a mark and tells a size.
class TStampCell : public TObject, public IInterfacedCell {
 public:
  TStampCell(int w, int h) : w_(w), h_(h) {}
  void Draw(TCanvas& Canvas, const TRect& R, TObject*, bool, int ARow, int ACol) override {
    Canvas.TextOut(R.Left, R.Top, "stamp " + std::to_string(ACol) + "," + std::to_string(ARow));
  }
  int GetWidth() override { return w_; }
  int GetHeight() override { return h_; }
  bool IsBackground() override { return false; }

 private:
  int w_, h_;
};

class CellObjectTest : public StringGridTest {
 protected:
  void SetUp() override {
    StringGridTest::SetUp();
    images.Add(TBitmap(16 * 4, 16));
    grid->SetGridImages(&images);
  }
  TImageList images{16, 16};
};

TEST_F(CellObjectTest, EveryKindIsAddedFoundSizedAndRemovedOnlyByItsOwnRemove) {
  TBitmap bitmap(30, 20);
  TIcon icon;
  icon.AssignBitmap(TBitmap(24, 24));
  TPicture picture;
  picture.Assign(TBitmap(40, 10));
  TStampCell stamp(33, 11);
  TStringList radioItems;
  radioItems.Add("a");
  const TControlLook& look = grid->ControlLook();
  struct Kind {
    const char* name;
    std::function<void(int, int)> add;
    TCellType type;
    TPoint size;  // on screen, in a cell without text
    std::function<void(int, int)> remove;
  };
  std::vector<Kind> kinds = {
      {"bitmap", [&](int c, int r) { grid->AddBitmap(c, r, &bitmap, false, haLeft, vaTop); }, ctBitmap, {30, 20},
       [&](int c, int r) { grid->RemoveBitmap(c, r); }},
      {"created bitmap", [&](int c, int r) { grid->CreateBitmap(c, r, false, haLeft, vaTop)->SetSize(8, 9); },
       ctBitmap, {8, 9}, [&](int c, int r) { grid->RemoveBitmap(c, r); }},
      {"icon", [&](int c, int r) { grid->AddIcon(c, r, &icon, haLeft, vaTop); }, ctIcon, {24, 24},
       [&](int c, int r) { grid->RemoveIcon(c, r); }},
      {"created icon", [&](int c, int r) { grid->CreateIcon(c, r, haLeft, vaTop); }, ctIcon, {0, 0},
       [&](int c, int r) { grid->RemoveIcon(c, r); }},
      {"picture", [&](int c, int r) { grid->AddPicture(c, r, &picture, false, noStretch, 0, haLeft, vaTop); },
       ctPicture, {40, 10}, [&](int c, int r) { grid->RemovePicture(c, r); }},
      {"created picture",
       [&](int c, int r) { grid->CreatePicture(c, r, false, noStretch, 0, haLeft, vaTop)->Assign(TBitmap(5, 6)); },
       ctPicture, {5, 6}, [&](int c, int r) { grid->RemovePicture(c, r); }},
      {"created file picture",
       [&](int c, int r) { grid->CreateFilePicture(c, r, false, noStretch, 0, haLeft, vaTop); }, ctFilePicture,
       {0, 0}, [&](int c, int r) { grid->RemoveFilePicture(c, r); }},
      {"image index", [&](int c, int r) { grid->AddImageIdx(c, r, 2, haLeft, vaTop); }, ctImageList, {16, 16},
       [&](int c, int r) { grid->RemoveImageIdx(c, r); }},
      // The data image writes its index as the text, so only its width beside the text counts.
      {"data image", [&](int c, int r) { grid->AddDataImage(c, r, 1, haBeforeText, vaTop); }, ctDataImage, {16, 0},
       [&](int c, int r) { grid->RemoveDataImage(c, r); }},
      {"image strip",
       [&](int c, int r) {
         grid->AddMultiImage(c, r, 0, haLeft, vaTop);
         grid->GetCellImages(c, r)->Add(0);
         grid->GetCellImages(c, r)->Add(3);
       },
       ctImages, {32, 16}, [&](int c, int r) { grid->RemoveMultiImage(c, r); }},
      {"progress", [&](int c, int r) { grid->AddProgress(c, r, clRed, clWhite); }, ctProgress, {0, 0},
       [&](int c, int r) { grid->RemoveProgress(c, r); }},
      {"styled progress", [&](int c, int r) { grid->AddExtProgress(c, r, 0, 50); }, ctXPProgress, {0, 0},
       [&](int c, int r) { grid->RemoveExtProgress(c, r); }},
      {"pie", [&](int c, int r) { grid->AddProgressPie(c, r, clRed, 40); }, ctProgressPie, {20, 20},
       [&](int c, int r) { grid->RemoveProgressPie(c, r); }},
      {"range", [&](int c, int r) { grid->AddRangeIndicator(c, r, 100, clRed, clGreen, true); }, ctRangeIndicator,
       {0, 0}, [&](int c, int r) { grid->RemoveRangeIndicator(c, r); }},
      {"comment", [&](int c, int r) { grid->AddComment(c, r, "note"); }, ctComment, {0, 0},
       [&](int c, int r) { grid->RemoveComment(c, r); }},
      {"shape", [&](int c, int r) { grid->AddShape(c, r, csCircle, clRed, clBlack, haLeft, vaTop); }, ctShape,
       {0, 0}, [&](int c, int r) { grid->RemoveShape(c, r); }},
      {"rating", [&](int c, int r) { grid->AddRating(c, r, 5, clYellow, clGray); }, ctRating, {90, 16},
       [&](int c, int r) { grid->RemoveRating(c, r); }},
      {"scroll bar", [&](int c, int r) { grid->AddScrollBar(c, r, false); }, ctScrollbar, {0, 0},
       [&](int c, int r) { grid->RemoveScrollBar(c, r); }},
      {"button", [&](int c, int r) { grid->AddButton(c, r, 40, 18, "Go", haLeft, vaTop); }, ctButton, {40, 18},
       [&](int c, int r) { grid->RemoveButton(c, r); }},
      {"bit button", [&](int c, int r) { grid->AddBitButton(c, r, 41, 19, "Go", &bitmap, haLeft, vaTop); },
       ctBitButton, {41, 19}, [&](int c, int r) { grid->RemoveButton(c, r); }},
      {"created bit button",
       [&](int c, int r) { grid->CreateBitButton(c, r, 42, 20, "Go", haLeft, vaTop)->SetSize(4, 4); }, ctBitButton,
       {42, 20}, [&](int c, int r) { grid->RemoveBitButton(c, r); }},
      {"interfaced", [&](int c, int r) { grid->AddInterfacedCell(c, r, &stamp); }, ctInterface, {33, 11},
       [&](int c, int r) { grid->RemoveInterfacedCell(c, r); }},
      {"marker", [&](int c, int r) { grid->AddMarker(c, r, 1, 2); }, ctEmpty, {0, 0},
       [&](int c, int r) { grid->RemoveMarker(c, r); }},
      {"check box", [&](int c, int r) { grid->AddCheckBox(c, r, true, false); }, ctCheckBox,
       {look.CheckSize(), look.CheckSize()}, [&](int c, int r) { grid->RemoveCheckBox(c, r); }},
      {"radio button", [&](int c, int r) { grid->AddRadioButton(c, r, true); }, ctRadioButton,
       {look.RadioSize(), look.RadioSize()}, [&](int c, int r) { grid->RemoveRadioButton(c, r); }},
      {"radio group", [&](int c, int r) { grid->AddRadio(c, r, 0, 0, &radioItems); }, ctRadio,
       {grid->Canvas().TextWidth("a") + 12, std::max(16, grid->Canvas().TextHeight("gh"))},
       [&](int c, int r) { grid->RemoveRadio(c, r); }},
  };
  for (const Kind& k : kinds) {
    SCOPED_TRACE(k.name);
    // An add replaces the bitmap (which stays the caller's); a marker alone rides on what is there.
    if (k.type != ctEmpty) grid->AddBitmap(1, 1, &bitmap, false, haLeft, vaTop);
    k.add(1, 1);
    EXPECT_EQ(grid->GetCellType(1, 1), k.type);
    EXPECT_EQ(grid->GetCellGraphic(1, 1)->CellType(), k.type);
    EXPECT_EQ(grid->GetCellGraphicSize(1, 1), k.size);
    EXPECT_EQ(grid->Cells(1, 1), k.type == ctDataImage ? "1" : "");
    // A remove of another kind leaves the object.
    if (k.type != ctBitmap) {
      grid->RemoveBitmap(1, 1);
      EXPECT_EQ(grid->GetCellType(1, 1), k.type);
    } else {
      grid->RemovePicture(1, 1);
      EXPECT_EQ(grid->GetCellType(1, 1), ctBitmap);
    }
    k.remove(1, 1);
    EXPECT_EQ(grid->GetCellGraphic(1, 1), nullptr);
    EXPECT_EQ(grid->GetCellType(1, 1), ctEmpty);
  }
  // What was handed in is still whole (the sanitizer would see a freed one).
  EXPECT_EQ(bitmap.Width(), 30);
  EXPECT_EQ(icon.Width(), 24);
  EXPECT_EQ(picture.Width(), 40);
  EXPECT_EQ(stamp.GetWidth(), 33);
}

TEST_F(CellObjectTest, QueriesAnswerTheirKindAndNothingForOthers) {
  TBitmap bitmap(3, 3);
  TIcon icon;
  TStampCell stamp(1, 1);
  grid->AddBitmap(1, 1, &bitmap, true, haLeft, vaTop);
  grid->AddIcon(2, 1, &icon, haLeft, vaTop);
  grid->AddImageIdx(3, 1, 3, haLeft, vaTop);
  grid->AddInterfacedCell(4, 1, &stamp);
  EXPECT_EQ(grid->GetBitmap(1, 1), &bitmap);
  EXPECT_EQ(grid->GetBitmap(2, 1), nullptr);
  EXPECT_EQ(grid->GetCellImageKey(1, 1), reinterpret_cast<std::intptr_t>(&bitmap));
  EXPECT_EQ(grid->GetCellImageKey(2, 1), reinterpret_cast<std::intptr_t>(&icon));
  EXPECT_EQ(grid->GetCellImageKey(3, 1), 3);
  EXPECT_EQ(grid->GetCellImageKey(4, 1), -1);
  EXPECT_EQ(grid->GetInterfacedCell(4, 1), &stamp);
  EXPECT_EQ(grid->GetInterfacedCell(1, 1), nullptr);
  int idx = -1;
  EXPECT_TRUE(grid->GetImageIdx(3, 1, idx));
  EXPECT_EQ(idx, 3);
  grid->SetImageIdx(3, 1, 1);
  EXPECT_TRUE(grid->GetImageIdx(3, 1, idx));
  EXPECT_EQ(idx, 1);
  EXPECT_FALSE(grid->GetImageIdx(1, 1, idx));

  // Without an image list the image kinds are not added.
  grid->SetGridImages(nullptr);
  grid->AddImageIdx(1, 2, 0, haLeft, vaTop);
  grid->AddDataImage(2, 2, 0, haLeft, vaTop);
  grid->AddMultiImage(3, 2, 0, haLeft, vaTop);
  EXPECT_EQ(grid->GetCellType(1, 2), ctEmpty);
  EXPECT_EQ(grid->GetCellType(2, 2), ctEmpty);
  EXPECT_EQ(grid->GetCellType(3, 2), ctEmpty);
  EXPECT_FALSE(grid->GetImageIdx(3, 1, idx));

  // Shapes, scroll bars, pies and button captions.
  EXPECT_EQ(grid->GetShapeColor(1, 1), static_cast<TColor>(0x1FFFFFFF));
  grid->AddShape(1, 3, csSquare, clRed, clBlack, haLeft, vaTop);
  grid->SetShapeColor(1, 3, clBlue);
  EXPECT_EQ(grid->GetShapeColor(1, 3), clBlue);
  EXPECT_EQ(grid->GetScrollPosition(1, 3), -1);
  EXPECT_EQ(grid->GetScrollProp(1, 3).Range, -1);
  grid->AddScrollBar(2, 3, false);
  EXPECT_FALSE(grid->HasAutoRangeScrollBar(2, 3));
  EXPECT_EQ(grid->GetScrollProp(2, 3).Range, 100);
  grid->SetScrollProp(2, 3, {7, 300});
  grid->SetScrollPosition(2, 3, 12);
  EXPECT_EQ(grid->GetScrollPosition(2, 3), 12);
  EXPECT_EQ(grid->GetScrollProp(2, 3).PageSize, 7);
  EXPECT_EQ(grid->GetScrollProp(2, 3).Range, 300);
  grid->SetCells(1, 4, "a\nb\nc");
  grid->AddScrollBar(1, 4, true);
  EXPECT_TRUE(grid->HasAutoRangeScrollBar(1, 4));
  EXPECT_EQ(grid->GetScrollProp(1, 4).PageSize, grid->RowHeights(4));
  grid->AddButton(3, 3, 70000, 20, "Old", haLeft, vaTop);
  EXPECT_EQ(grid->GetCellGraphicSize(3, 3).X, 70000 & 0xFFFF);
  grid->SetButtonText(3, 3, "New");
  EXPECT_EQ(grid->GetButtonText(3, 3), "New");
  EXPECT_EQ(grid->GetButtonText(4, 4), "");
}

TEST_F(CellObjectTest, MarkersAndCommentsRideOnOtherObjectsWithoutReplacingThem) {
  grid->AddProgress(1, 1, clRed, clWhite);
  grid->AddMarker(1, 1, 2, 3);
  EXPECT_EQ(grid->GetCellType(1, 1), ctProgress);
  int pos = -1, len = -1;
  grid->GetMarker(1, 1, pos, len);
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(len, 3);
  grid->RemoveMarker(1, 1);
  grid->GetMarker(1, 1, pos, len);
  EXPECT_EQ(pos + len, 0);
  EXPECT_TRUE(grid->HasProgress(1, 1));
  // A marker alone is an empty record, which its removal frees.
  grid->AddMarker(2, 1, 0, 1);
  EXPECT_NE(grid->GetCellGraphic(2, 1), nullptr);
  grid->RemoveAllMarkers();
  EXPECT_EQ(grid->GetCellGraphic(2, 1), nullptr);
  EXPECT_TRUE(grid->HasProgress(1, 1));

  grid->AddButton(3, 1, 20, 20, "b", haLeft, vaTop);
  grid->SetComment(3, 1, "ignored");
  EXPECT_TRUE(grid->HasButton(3, 1));
  EXPECT_EQ(grid->GetComment(3, 1), "");
  grid->SetComment(3, 2, "first");
  grid->SetComment(3, 2, "second");
  EXPECT_EQ(grid->GetComment(3, 2), "second");
  grid->AddColorComment(4, 4, "red", clRed);
  EXPECT_EQ(static_cast<TColor>(grid->GetCellGraphic(4, 4)->CellIndex()), clRed);
  grid->RemoveAllComments();
  grid->RemoveAllButtons();
  std::string comment;
  EXPECT_FALSE(grid->IsComment(3, 2, comment));
  EXPECT_FALSE(grid->IsComment(4, 4, comment));
  EXPECT_FALSE(grid->HasButton(3, 1));
}

TEST_F(CellObjectTest, AddsRefuseNegativeCellsAndChangeNothing) {
  TBitmap bitmap(3, 3);
  grid->AddBitmap(-1, 1, &bitmap, false, haLeft, vaTop);
  grid->AddComment(1, -1, "x");
  grid->AddMarker(-1, -1, 1, 1);
  EXPECT_EQ(grid->CreatePicture(-1, 0, false, Stretch, 0, haLeft, vaTop), nullptr);
  EXPECT_EQ(grid->CreateBitButton(0, -2, 1, 1, "", haLeft, vaTop), nullptr);
  EXPECT_EQ(grid->GetCellType(-1, 1), ctEmpty);
  for (int c = 0; c < grid->ColCount(); ++c)
    for (int r = 0; r < grid->RowCount(); ++r) EXPECT_EQ(grid->GetCellGraphic(c, r), nullptr);
}

TEST(CellPictureSize, FitsThePictureByItsStretchMode) {
  struct Case {
    TStretchMode mode;
    int w, h, cw, ch, padding;
    TPoint expected;
  };
  const Case cases[] = {
      {noStretch, 200, 100, 50, 50, 0, {200, 100}},
      {Stretch, 10, 10, 100, 40, 3, {97, 37}},
      {Shrink, 20, 10, 50, 50, 0, {20, 10}},
      {Shrink, 60, 10, 50, 50, 0, {50, 50}},
      {StretchWithAspectRatio, 200, 100, 50, 50, 0, {50, 25}},
      // 12.5 rounds to the even 12.
      {StretchWithAspectRatio, 10, 40, 50, 50, 0, {12, 50}},
      {ShrinkWithAspectRatio, 20, 10, 50, 50, 0, {20, 10}},
      {ShrinkWithAspectRatio, 100, 400, 50, 50, 0, {12, 50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mode << " " << c.w << "x" << c.h);
    TPicture picture;
    picture.Assign(TBitmap(c.w, c.h));
    TCellGraphic record;
    record.SetCellType(ctPicture);
    record.SetCellBitmap(&picture);
    record.SetCellAngle(c.mode);
    record.SetCellIndex(c.padding);
    EXPECT_EQ(record.GetPictureSize(c.cw, c.ch, false), c.expected);
  }
  TCellGraphic other;
  other.SetCellType(ctBitmap);
  EXPECT_EQ(other.GetPictureSize(10, 10, false), (TPoint{0, 0}));
}

TEST_F(CellObjectTest, ScreenAndPrintSizesDifferWhereTheTextCarriesTheSize) {
  TBitmap bitmap(30, 20);
  grid->SetCells(1, 1, "text");
  grid->AddBitmap(1, 1, &bitmap, false, haLeft, vaTop);
  EXPECT_EQ(grid->GetCellGraphicSize(1, 1), (TPoint{0, 0}));
  EXPECT_EQ(grid->CalcPrintCellGraphicSize(1, 1, 100, 40, 1.0), (TPoint{30, 20}));

  // A stretched picture takes the cell less lines, offsets and padding on screen, and the
  // printed room divided by the scale on paper.
  TPicture picture;
  picture.Assign(TBitmap(10, 10));
  grid->SetColWidths(2, 100);
  grid->SetRowHeights(2, 40);
  grid->AddPicture(2, 2, &picture, false, Stretch, 3, haLeft, vaTop);
  int hx = grid->GetHorzXYOffset(), vy = grid->GetVertXYOffset();
  EXPECT_EQ(grid->GetCellGraphicSize(2, 2), (TPoint{100 - 1 - hx - 3, 40 - 1 - vy - 3}));
  EXPECT_EQ(grid->CalcCellGraphicSize(2, 2, 5), (TPoint{100 - 1 - hx - 3, 40 - 1 - vy - 3 - 5}));
  EXPECT_EQ(grid->CalcPrintCellGraphicSize(2, 2, 403, 203, 4.0), (TPoint{100, 50}));

  // A stacked radio group keeps 16 pixels a line on screen, only the text height in print.
  TStringList items;
  items.Add("one");
  items.Add("two");
  items.Add("three");
  grid->AddRadio(3, 3, 0, 0, &items);
  int gh = grid->Canvas().TextHeight("gh");
  EXPECT_EQ(grid->GetCellGraphicSize(3, 3).Y, std::max(16, gh) * 3);
  EXPECT_EQ(grid->CalcPrintCellGraphicSize(3, 3, 100, 100, 1.0).Y, gh * 3);

  // An object answering width 0 takes the whole cell on screen, the cell's width in print.
  TStampCell stamp(0, 9);
  grid->AddInterfacedCell(1, 3, &stamp);
  TPoint cell = grid->CellSize(1, 3);
  EXPECT_EQ(grid->GetCellGraphicSize(1, 3), cell);
  EXPECT_EQ(grid->CalcPrintCellGraphicSize(1, 3, 100, 100, 1.0), (TPoint{grid->CellRect(1, 3).Width(), 9}));

  // A rating is not widened to its cell; in print it takes no room.
  grid->AddRating(4, 4, 5, clYellow, clGray);
  EXPECT_EQ(grid->GetCellGraphicSize(4, 4), (TPoint{90, 16}));
  EXPECT_EQ(grid->CalcPrintCellGraphicSize(4, 4, 100, 100, 1.0), (TPoint{0, 0}));
}

TEST_F(CellObjectTest, ExpandButtonSitsInTheTopRightCorner) {
  EXPECT_EQ(grid->GetExpandRect(1, 1), TRect{});
  grid->CreateCellGraphic(1, 1)->SetCellType(ctExpand);
  TRect r = grid->CellRect(1, 1);
  EXPECT_EQ(grid->GetExpandRect(1, 1), Rect(r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13));
}

TEST_F(CellObjectTest, CheckBoxAndRadioColumnsCoverTheirRows) {
  grid->MouseActions().SetCheckAllCheck(true);
  grid->AddCheckBoxColumn(1, false, true);
  EXPECT_TRUE(grid->HasCheckBox(1, 0));
  EXPECT_TRUE(grid->HasDataCheckBox(1, grid->RowCount() - 1));
  std::vector<int> changed;
  grid->OnCheckBoxChange = [&](TObject*, int, int r, bool state) {
    EXPECT_TRUE(state);
    changed.push_back(r);
  };
  grid->SetCells(1, 3, grid->CheckTrue());
  grid->CheckAll(1);
  // Every normal row but the one already checked reports its change.
  EXPECT_EQ(static_cast<int>(changed.size()), grid->RowCount() - grid->FixedRows() - 1);
  for (int r = grid->FixedRows(); r < grid->RowCount(); ++r) EXPECT_TRUE(grid->IsChecked(1, r));
  grid->OnCheckBoxChange = nullptr;
  grid->UnCheckAll(1);
  for (int r = grid->FixedRows(); r < grid->RowCount(); ++r) EXPECT_FALSE(grid->IsChecked(1, r));
  grid->RemoveCheckBoxColumn(1);
  for (int r = 0; r < grid->RowCount(); ++r) EXPECT_FALSE(grid->HasCheckBox(1, r));

  grid->AddRadioButtonColumn(2);
  EXPECT_FALSE(grid->HasRadioButton(2, 0));
  EXPECT_EQ(grid->GetRadioButtonColumnIndex(2), -1);
  grid->SetRadioButtonColumnIndex(2, 4);
  EXPECT_EQ(grid->GetRadioButtonColumnIndex(2), 4);
  // Another object in the column is not a radio button and stays.
  grid->AddComment(2, 5, "kept");
  grid->RemoveRadioButtonColumn(2);
  EXPECT_EQ(grid->GetRadioButtonColumnIndex(2), -1);
  EXPECT_EQ(grid->GetComment(2, 5), "kept");
}

TEST_F(CellObjectTest, RadioIndexesAreWrittenOnlyIntoRadioGroups) {
  grid->AddButton(1, 1, 40, 18, "b", haLeft, vaTop);
  EXPECT_FALSE(grid->SetRadioIdx(1, 1, 2));
  EXPECT_EQ(grid->GetCellGraphicSize(1, 1), (TPoint{40, 18}));
  int idx = -1;
  // Reading still answers the index of any kind.
  EXPECT_FALSE(grid->GetRadioIdx(1, 1, idx));

  TStringList none;
  grid->SetCells(2, 2, "keep");
  grid->AddRadio(2, 2, 0, 0, &none);
  grid->SelectNextRadio(2, 2, false);
  EXPECT_EQ(grid->Cells(2, 2), "keep");
  grid->GetRadioIdx(2, 2, idx);
  EXPECT_EQ(idx, 0);
}

TEST_F(CellObjectTest, ImageListAndApplicationObjectsPaintThemselves) {
  TStampCell stamp(20, 10);
  grid->AddImageIdx(1, 1, 2, haLeft, vaTop);
  grid->AddInterfacedCell(2, 1, &stamp);
  grid->SetCells(3, 1, "1");
  grid->AddDataImage(3, 1, 2, haLeft, vaTop);
  grid->AddDataImage(4, 1, 9, haLeft, vaTop);
  TRecordingCanvas canvas(600, 400);
  for (int c = 1; c <= 4; ++c) grid->PaintCell(canvas, c, 1, grid->CellRect(c, 1), {});
  auto icons = canvas.CallsOf("DrawIcon");
  // The image-list cell and the data image (1 + 2 = 3) draw; an index past the list draws nothing.
  ASSERT_EQ(icons.size(), 2u) << canvas.Dump();
  TRect r1 = grid->CellRect(1, 1);
  EXPECT_GE(icons[0].Rect.Left, r1.Left);
  EXPECT_LT(icons[0].Rect.Left, r1.Left + 4);
  bool stamped = false;
  for (const TCanvasCall& call : canvas.Calls())
    if (call.Text == "stamp 2,1") stamped = true;
  EXPECT_TRUE(stamped) << canvas.Dump();
}

TEST_F(CellObjectTest, LinksInTextAreShownForTheFirstPrefixFound) {
  grid->SetURLShowInText(true);
  grid->SetCells(1, 1, "see www.example.org or http://example.com");
  std::string shown = grid->Cells(1, 1);
  EXPECT_NE(shown.find("<a href=\"http://example.com\""), std::string::npos) << shown;
  EXPECT_EQ(shown.find("<a href=\"www.example.org\""), std::string::npos) << shown;
  grid->SetCells(1, 2, "see www.example.org");
  shown = grid->Cells(1, 2);
  EXPECT_NE(shown.find("<a"), std::string::npos) << shown;
  grid->SetURLShowInText(false);
  EXPECT_EQ(grid->Cells(1, 2), "see www.example.org");
}

}  // namespace
}  // namespace hd

namespace hd {
namespace {

using test::StringGridTest;

TEST_F(StringGridTest, ColumnOrderLookupsFollowMovesAndReset) {
  for (int c = 0; c < grid->ColCount(); ++c) grid->SetCells(c, 0, "h" + std::to_string(c));
  grid->SetCells(0, 1, "first");
  grid->SetColumnOrder();
  grid->MoveColumn(0, 2);
  EXPECT_EQ(grid->ColumnPosition(0), 2);
  EXPECT_EQ(grid->ColumnAtPosition(2), 0);
  EXPECT_EQ(grid->ColumnPosition(1), 0);
  EXPECT_EQ(grid->ColumnByHeader("h0"), 2);
  EXPECT_EQ(grid->ColumnByHeader("H0"), -1);
  // The cell is found by where its column stood before the move, for reading and writing.
  EXPECT_EQ(grid->OriginalCells(0, 1), "first");
  grid->SetOriginalCells(0, 1, "again");
  EXPECT_EQ(grid->Cells(2, 1), "again");

  grid->MoveColumn(4, 1);
  grid->HideColumn(3);
  grid->ResetColumnOrder();
  EXPECT_EQ(grid->NumHiddenColumns(), 0);
  for (int c = 0; c < grid->ColCount(); ++c) {
    EXPECT_EQ(grid->Cells(c, 0), "h" + std::to_string(c));
    EXPECT_EQ(grid->ColumnPosition(c), c);
  }
}

TEST_F(StringGridTest, BalloonsStandAloneOrRideOnBoxesAndNothingElse) {
  std::string title, text;
  TBalloonIcon icon = biNone;
  grid->AddBalloon(1, 1, "T", "body", biInfo);
  EXPECT_TRUE(grid->HasBalloon(1, 1));
  EXPECT_TRUE(grid->IsBalloon(1, 1, title, text, icon));
  EXPECT_EQ(title + "|" + text, "T|body");
  EXPECT_EQ(icon, biInfo);

  grid->AddCheckBox(2, 1, false, true);
  grid->AddBalloon(2, 1, "old", "x", biWarning);
  // A second balloon replaces the first (the sanitizer sees a lost list).
  grid->AddBalloon(2, 1, "new", "y", biError);
  EXPECT_TRUE(grid->HasDataCheckBox(2, 1));
  EXPECT_FALSE(grid->HasBalloon(2, 1));
  EXPECT_TRUE(grid->IsBalloon(2, 1, title, text, icon));
  EXPECT_EQ(title, "new");
  EXPECT_EQ(icon, biError);
  grid->RemoveBalloon(2, 1);
  EXPECT_FALSE(grid->IsBalloon(2, 1, title, text, icon));
  EXPECT_TRUE(grid->HasCheckBox(2, 1));
  // A balloon left on a box goes with the box.
  grid->AddRadioButton(3, 1, true);
  grid->AddBalloon(3, 1, "r", "b", biNone);
  grid->RemoveRadioButton(3, 1);
  EXPECT_EQ(grid->GetCellGraphic(3, 1), nullptr);

  grid->AddButton(4, 1, 10, 10, "b", haLeft, vaTop);
  grid->AddBalloon(4, 1, "no", "no", biInfo);
  title = "kept";
  EXPECT_FALSE(grid->IsBalloon(4, 1, title, text, icon));
  EXPECT_EQ(title, "kept");
  EXPECT_TRUE(grid->HasButton(4, 1));

  grid->RemoveBalloon(1, 1);
  EXPECT_EQ(grid->GetCellGraphic(1, 1), nullptr);
}

TEST_F(StringGridTest, OwnedRadioListGoesWithItsGroup) {
  TStringList* items = grid->CreateRadio(1, 1, 1, 0);
  ASSERT_NE(items, nullptr);
  items->Add("a");
  items->Add("b");
  grid->SelectNextRadio(1, 1, false);
  EXPECT_EQ(grid->Cells(1, 1), "b");
  grid->RemoveRadio(1, 1);
  EXPECT_FALSE(grid->IsRadio(1, 1));
}

}  // namespace
}  // namespace hd

namespace hd {
namespace {

using test::StringGridTest;

TEST_F(StringGridTest, SaveCellTextWritesWhatAFileShouldHold) {
  grid->OnGetDisplText = [](TObject*, int, int ARow, std::string& Value) {
    if (ARow == 5) Value = "shown";
  };
  grid->SetCells(1, 1, "<b>bold</b>");
  grid->AddCheckBox(2, 1, true, false);
  grid->AddCheckBox(3, 1, false, false);
  grid->AddCheckBox(4, 1, cbChecked);
  grid->AddCheckBox(4, 2, cbGrayed);
  grid->SetCells(2, 2, "text");
  grid->AddCheckBox(2, 2, true, false);
  struct Case {
    int col, row;
    bool html;
    std::string expected;
  };
  const Case cases[] = {
      {1, 1, false, "bold"},
      {1, 1, true, "<b>bold</b>"},
      {2, 1, false, grid->CheckTrue()},
      {3, 1, false, grid->CheckFalse()},
      {4, 1, false, grid->CheckTrue()},
      // A grayed tri-state box is not checked.
      {4, 2, false, grid->CheckFalse()},
      // A box beside a text keeps the text.
      {2, 2, false, "text"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.col << "," << c.row << " html " << c.html);
    grid->SetSaveWithHTML(c.html);
    std::string value;
    grid->SaveCellText(c.col, c.row, value);
    EXPECT_EQ(value, c.expected);
  }
  // The handler has the last word.
  grid->OnSaveCell = [](TObject*, int, int, std::string& Value) { Value += "!"; };
  std::string value;
  grid->SaveCellText(3, 1, value);
  EXPECT_EQ(value, grid->CheckFalse() + "!");
  grid->OnLoadCell = [](TObject*, int, int, std::string& Value) { Value = "[" + Value + "]"; };
  grid->LoadCellText(1, 3, "in");
  EXPECT_EQ(grid->Cells(1, 3), "[in]");
}

TEST_F(StringGridTest, AutoDeleteRowClearsTheLastNormalRowInsteadOfRemovingIt) {
  grid->SetRowCount(3);
  grid->SetCells(1, 1, "a");
  grid->SetCells(1, 2, "b");
  std::vector<int> deleted;
  grid->OnAutoDeleteRow = [&](TObject*, int ARow) { deleted.push_back(ARow); };
  grid->AutoDeleteRow(1);
  EXPECT_EQ(grid->RowCount(), 2);
  EXPECT_EQ(grid->Cells(1, 1), "b");
  grid->AutoDeleteRow(1);
  EXPECT_EQ(grid->RowCount(), 2);
  EXPECT_EQ(grid->Cells(1, 1), "");
  EXPECT_EQ(deleted, (std::vector<int>{1, 1}));
  grid->AutoInsertRow(1);
  grid->AppendEmptyRow();
  EXPECT_EQ(grid->RowCount(), 4);
}

TEST_F(StringGridTest, RotatedCellsAndTheFixedEditorChoice) {
  grid->SetCells(1, 1, "keep");
  grid->SetRotated(1, 1, -30);
  int angle = 0;
  EXPECT_TRUE(grid->IsRotated(1, 1, angle));
  EXPECT_EQ(angle, 330);
  EXPECT_EQ(grid->Cells(1, 1), "keep");
  grid->AddRotated(2, 1, 720, "turned");
  EXPECT_TRUE(grid->IsRotated(2, 1, angle));
  EXPECT_EQ(angle, 360);
  EXPECT_EQ(grid->Cells(2, 1), "turned");
  grid->RemoveRotated(2, 1);
  EXPECT_FALSE(grid->IsRotated(2, 1, angle));

  TStringList values;
  grid->OnFixedEdit = [](TObject*, int, int, TGridFixedCellEditor& AEditor, TStringList& Values) {
    AEditor = fceComboList;
    Values.Add("x");
  };
  EXPECT_EQ(grid->DoFixedEdit(1, 0, fceEdit, values), fceComboList);
  EXPECT_EQ(values.Count(), 1);
}

TEST_F(StringGridTest, UndoOfAToggledDataCheckBoxRestoresItsRealText) {
  auto* undo = New<TExtGridUndoRedo>(form.get());
  grid->SetUndoRedo(undo);
  grid->AddCheckBox(1, 1, false, true);
  // A text that is neither check text counts as unchecked.
  grid->SetCells(1, 1, "maybe");
  ASSERT_TRUE(grid->ToggleCheckBox(1, 1));
  EXPECT_EQ(grid->Cells(1, 1), grid->CheckTrue());
  undo->Undo();
  EXPECT_EQ(grid->Cells(1, 1), "maybe");
  undo->Redo();
  EXPECT_EQ(grid->Cells(1, 1), grid->CheckTrue());
}

}  // namespace
}  // namespace hd

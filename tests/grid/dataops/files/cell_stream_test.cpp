// The binary cell stream on in-memory grids.
#include "grid/dataops/files/cell_stream.h"

#include <gtest/gtest.h>

#include "grid/dataops/testkit/memory_grid_host.h"
#include "grid/foundation/lists.h"
#include "platform/bitmap.h"
#include "platform/exceptions.h"
#include "platform/icon.h"
#include "platform/picture.h"
#include "platform/string_list.h"

namespace hd::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TMemoryGridHost Blank(int Cols, int RowCount) {
  return TMemoryGridHost(Rows(static_cast<std::size_t>(RowCount), std::vector<std::string>(static_cast<std::size_t>(Cols))), 0);
}

std::string Saved(TMemoryGridHost& Host, const TRect& R) {
  TMemoryStream s;
  TGridCellStream(Host).SaveRect(R, s);
  return s.Bytes();
}

TEST(CellStreamTest, PlainCellsAreByteExact) {
  TMemoryGridHost host(Rows{{"a", "", "c"}}, 0);
  const std::string rec = std::string("TPF0\x0BTGridCellIO\x00", 17);
  EXPECT_EQ(Saved(host, TRect{0, 0, 1, 0}),
            std::string("TPF0\x0BTGridPropIO\x00", 17) + "\x08" "ColCount\x02\x02" + "\x08" "RowCount\x02\x01" +
                "\x09" "ColWidths\x06\x05" "64,64" + "\x0A" "RowHeights\x06\x02" "24" + "\x08" "FullGrid\x08" +
                "\x02" "ID\x02\x4D" + std::string(2, '\0') +
                rec + "\x03" "Col\x02" + std::string(1, '\0') + "\x03" "Row\x02" + std::string(1, '\0') +
                "\x04" "Cell\x06\x01" "a" + "\x07" "HasProp\x08" + std::string(2, '\0') +
                rec + "\x03" "Col\x02\x01" + "\x03" "Row\x02" + std::string(1, '\0') + "\x07" "HasProp\x08" +
                std::string(2, '\0'));
  using S = std::pair<TGridExportState, int>;
  EXPECT_EQ(host.exports, (std::vector<S>{{esExportStart, 0}, {esExportNextRow, 0}, {esExportDone, -1}}));
  // The whole grid is a full grid.
  EXPECT_NE(Saved(host, TRect{0, 0, 2, 0}).find("\x08" "FullGrid\x09"), std::string::npos);
}

// A source grid of 4 x 2 whose first 3 x 2 cells carry every kind of content the stream takes.
struct TRichSource {
  TRichSource() : host(Rows{{"plain", "checked", "radio", ""}, {"images", "picture", "merged", ""}}, 0) {
    TCellProperties* p = host.MakeCellProperties(0, 0);
    p->SetBrushColor(clWindow);
    p->SetFontColor(0x00123456);
    p->SetFontStyle({fsBold, fsUnderline});
    p->SetFontName("Arial");
    p->SetFontSize(11);
    p->SetAlignment(taCenter);
    p->SetVAlignment(vtaBottom);
    p->SetEditor(edComboList);
    p->SetWordWrap(false);
    p->SetReadOnly(true);
    p->SetCellObject(&foreign);
    TCellProperties* merged = host.MakeCellProperties(2, 1);
    merged->SetCellSpanX(1);
    merged->SetCellSpanY(2);
    host.MakeCellProperties(1, 0);
    TCellGraphic* check = host.CreateCellGraphic(1, 0);
    check->SetCellType(ctCheckBox);
    check->SetCellBoolean(true);
    check->SetCellValue(2.5);
    host.MakeCellProperties(2, 0);
    TCellGraphic* radio = host.CreateCellGraphic(2, 0);
    radio->SetCellType(ctRadio);
    auto* items = new TStringList;
    items->Add("one");
    items->Add("two");
    radio->SetCellBitmap(items);
    radio->SetCellCreated(true);
    radio->SetCellIndex(1);
    host.MakeCellProperties(0, 1);
    TCellGraphic* images = host.CreateCellGraphic(0, 1);
    images->SetCellType(ctImages);
    auto* indexes = new TIntList(0, 1);
    indexes->Add(3);
    indexes->Add(0);
    images->SetCellBitmap(static_cast<TObject*>(indexes));
    host.MakeCellProperties(1, 1);
    TCellGraphic* bitmap = host.CreateCellGraphic(1, 1);
    bitmap->SetCellType(ctBitmap);
    auto* bmp = new TBitmap(3, 2);
    bmp->ScanLine(1)[2] = 0xFF0000FF;
    bitmap->SetCellBitmap(bmp);
    bitmap->SetCellCreated(true);
    bitmap->SetCellHAlign(haRight);
  }
  TObject foreign;
  TMemoryGridHost host;
};

TEST(CellStreamTest, CellsTravelWithTheirPropertiesAndObjectsToAPoint) {
  TRichSource src;
  const std::string bytes = Saved(src.host, TRect{0, 0, 2, 1});
  // A colour with a name goes by it, another by its number.
  EXPECT_NE(bytes.find("\x19" "CellProperties.BrushColor\x07\x08" "clWindow"), std::string::npos);
  EXPECT_NE(bytes.find(std::string("\x18" "CellProperties.FontColor\x04\x56\x34\x12\x00", 30)), std::string::npos);

  TMemoryGridHost target = Blank(10, 14);
  TObject own;
  target.MakeCellProperties(5, 10)->SetCellObject(&own);
  target.MakeCellProperties(5, 10)->SetBorderWidth(3);
  TMemoryStream s(bytes);
  TGridCellStream(target).LoadAtPoint(TPoint{5, 10}, s);

  EXPECT_EQ(target.Text(5, 10), "plain");
  EXPECT_EQ(target.Text(7, 11), "merged");
  const TCellProperties* p = target.FindCellProperties(5, 10);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->BrushColor(), clWindow);
  EXPECT_EQ(p->FontColor(), 0x00123456);
  EXPECT_EQ(p->FontStyle(), (TFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(p->FontName(), "Arial");
  EXPECT_EQ(p->FontSize(), 11);
  EXPECT_EQ(p->Alignment(), taCenter);
  EXPECT_EQ(p->VAlignment(), vtaBottom);
  EXPECT_EQ(p->Editor(), edComboList);
  EXPECT_FALSE(p->WordWrap());
  EXPECT_TRUE(p->ReadOnly());
  EXPECT_EQ(p->OwnerCol(), 5);
  EXPECT_EQ(p->OwnerRow(), 10);
  // The ordinal values come from the stream; the foreign reference never does.
  EXPECT_EQ(p->BorderWidth(), 0);
  EXPECT_EQ(p->CellObject(), &own);
  EXPECT_EQ(target.FindCellProperties(7, 11)->CellSpanX(), 1);
  EXPECT_EQ(target.FindCellProperties(7, 11)->CellSpanY(), 2);

  const TCellGraphic* check = target.CellGraphic(6, 10);
  ASSERT_NE(check, nullptr);
  EXPECT_EQ(check->CellType(), ctCheckBox);
  EXPECT_TRUE(check->CellBoolean());
  EXPECT_EQ(check->CellValue(), 2.5);
  const TCellGraphic* radio = target.CellGraphic(7, 10);
  ASSERT_NE(radio, nullptr);
  const TStringList* items = TCellGraphic::SlotObject<TStringList>(radio->CellBitmap());
  ASSERT_NE(items, nullptr);
  EXPECT_EQ(items->Count(), 2);
  EXPECT_EQ(items->Strings(1), "two");
  EXPECT_EQ(radio->CellIndex(), 1);
  const TIntList* indexes = TCellGraphic::SlotObject<TIntList>(target.CellGraphic(5, 11)->CellBitmap());
  ASSERT_NE(indexes, nullptr);
  EXPECT_EQ(indexes->Count(), 2);
  EXPECT_EQ(indexes->Items(0), 3);
  const TCellGraphic* bitmap = target.CellGraphic(6, 11);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->CellHAlign(), haRight);
  const TBitmap* bmp = TCellGraphic::SlotObject<TBitmap>(bitmap->CellBitmap());
  ASSERT_NE(bmp, nullptr);
  EXPECT_EQ(bmp->Width(), 3);
  EXPECT_EQ(bmp->ScanLine(1)[2] & 0xFFFFFF, 0x0000FFU);
  EXPECT_TRUE(bitmap->CellCreated());
  EXPECT_EQ(target.clears, 0);
}

TEST(CellStreamTest, CellsOutsideTheGridAreSkipped) {
  TRichSource src;
  const std::string bytes = Saved(src.host, TRect{0, 0, 2, 1});
  TMemoryGridHost target = Blank(4, 3);
  TMemoryStream s(bytes);
  TGridCellStream(target).LoadAtPoint(TPoint{3, 2}, s);
  EXPECT_EQ(target.Text(3, 2), "plain");
  EXPECT_EQ(target.props.size(), 1U);
  EXPECT_TRUE(target.ownedGraphics.empty());
  EXPECT_EQ(target.ColCount(), 4);
  EXPECT_EQ(target.RowCount(), 3);
}

TEST(CellStreamTest, FullGridsTakeTheirSizeAndAFixedlessOneKeepsItsLastRows) {
  TMemoryGridHost src(Rows{{"", "h1", "h2"}, {"r1", "a", "b"}, {"r2", "c", "d"}}, 1);
  src.fixedCols = 1;
  src.widths = {10, 20, 30};
  src.heights = {{0, 5}, {1, 6}, {2, 7}};
  src.MakeCellProperties(0, 2);
  src.CreateCellGraphic(0, 2)->SetCellType(ctNode);
  TMemoryStream all;
  TGridCellStream(src).Save(all);
  TMemoryGridHost target = Blank(1, 1);
  all.SetPosition(0);
  TGridCellStream(target).Load(all);
  EXPECT_EQ(target.clears, 1);
  EXPECT_EQ(target.ColCount(), 3);
  EXPECT_EQ(target.RowCount(), 3);
  EXPECT_EQ(target.widths, (std::vector<int>{10, 20, 30}));
  EXPECT_EQ(target.heights, (std::map<int, int>{{0, 5}, {1, 6}, {2, 7}}));
  EXPECT_EQ(target.Text(2, 2), "d");
  // The node rows are counted and their column repainted.
  EXPECT_EQ(target.numNodes, 1);
  EXPECT_EQ(target.repaintedCols, (std::vector<int>{0}));

  // Without the fixed cells the stream starts at (1, 1): the grid grows by that much.
  src.options.SaveFixedCells = false;
  TMemoryStream normal;
  TGridCellStream(src).Save(normal);
  TMemoryGridHost back = Blank(1, 1);
  normal.SetPosition(0);
  TGridCellStream(back).Load(normal);
  EXPECT_EQ(back.RowCount(), 3);
  EXPECT_EQ(back.ColCount(), 3);
  EXPECT_EQ(back.Text(1, 1), "a");
  EXPECT_EQ(back.Text(2, 2), "d");
}

TEST(CellStreamTest, BrokenStreamsFailWithTheReadErrorKeepingWhatWasRead) {
  TRichSource src;
  const std::string bytes = Saved(src.host, TRect{0, 0, 2, 1});
  // One stray byte after the last record is ignored.
  {
    TMemoryGridHost target = Blank(3, 2);
    TMemoryStream s(bytes + "x");
    TGridCellStream(target).LoadAtPoint(TPoint{0, 0}, s);
    EXPECT_EQ(target.Text(2, 1), "merged");
  }
  // Cut short, the read fails with the read error; the cells before the cut stay.
  const std::size_t firstCellEnd = bytes.find("HasProp") + 10;
  std::size_t failures = 0;
  std::size_t cuts = 0;
  for (std::size_t n = 0; n < bytes.size(); n += 3, ++cuts) {
    TMemoryGridHost target = Blank(3, 2);
    TMemoryStream s(bytes.substr(0, n));
    try {
      TGridCellStream(target).LoadAtPoint(TPoint{0, 0}, s);
    } catch (const EReadError&) {
      ++failures;
    }
    if (n >= firstCellEnd) {
      EXPECT_EQ(target.Text(0, 0), "plain") << n;
    }
  }
  EXPECT_GT(failures, cuts * 9 / 10);
  {
    TMemoryGridHost target = Blank(3, 2);
    TMemoryStream s(bytes.substr(0, bytes.size() - 3));
    EXPECT_THROW(TGridCellStream(target).LoadAtPoint(TPoint{0, 0}, s), EReadError);
  }
  // A property the record does not have, and a full grid whose widths are short.
  std::string renamed = bytes;
  renamed.replace(renamed.find("HasProp"), 7, "HasPro_");
  TMemoryGridHost target = Blank(3, 2);
  TMemoryStream s(renamed);
  EXPECT_THROW(TGridCellStream(target).LoadAtPoint(TPoint{0, 0}, s), EReadError);

  TMemoryGridHost whole(Rows{{"a", "b"}}, 0);
  std::string full = Saved(whole, TRect{0, 0, 1, 0});
  full.replace(full.find("\x05" "64,64"), 6, std::string("\x05" "64,xy", 6));
  TMemoryStream fs(full);
  TMemoryGridHost cleared = Blank(2, 1);
  cleared.SetStoredText(0, 0, "kept");
  EXPECT_THROW(TGridCellStream(cleared).LoadAtPoint(TPoint{0, 0}, fs), EConvertError);
  EXPECT_EQ(cleared.clears, 0);
  EXPECT_EQ(cleared.Text(0, 0), "kept");
  // A count the lists do not back fails before the grid is sized for it.
  std::string huge = Saved(whole, TRect{0, 0, 1, 0});
  huge.replace(huge.find("RowCount\x02\x01"), 10, std::string("RowCount\x04\xFF\xFF\xFF\x7F", 13));
  TMemoryStream hs(huge);
  EXPECT_THROW(TGridCellStream(cleared).LoadAtPoint(TPoint{0, 0}, hs), EListError);
  EXPECT_EQ(cleared.RowCount(), 1);
}

TEST(CellStreamTest, PicturesAndIconsTravelAsTheirFiles) {
  TMemoryGridHost src(Rows{{"png", "icon", "jpeg", ""}}, 0);
  TBitmap pixels(4, 3);
  pixels.ScanLine(0)[0] = 0xFF00FF00;
  TPicture png;
  png.LoadFromMemory(pixels.SaveToMemory("png"));
  TPicture jpeg;
  jpeg.LoadFromMemory(pixels.SaveToMemory("jpeg"));
  TIcon icon;
  icon.AssignBitmap(pixels, clNone);
  const std::vector<std::pair<TCellType, TCellSlot>> kinds{
      {ctPicture, TCellSlot(new TPicture(png))}, {ctIcon, TCellSlot()}, {ctPicture, TCellSlot(new TPicture(jpeg))}};
  for (int c = 0; c < 3; ++c) {
    src.MakeCellProperties(c, 0);
    TCellGraphic* g = src.CreateCellGraphic(c, 0);
    g->SetCellType(kinds[static_cast<std::size_t>(c)].first);
    if (c == 1) g->SetCellIcon(new TIcon(icon));
    else g->SetCellBitmap(kinds[static_cast<std::size_t>(c)].second);
    g->SetCellCreated(true);
  }
  src.trackProgress = true;
  const std::string bytes = Saved(src, TRect{0, 0, 2, 0});
  EXPECT_EQ(src.progress.back(), 0);  // one row: nothing after the first

  TMemoryGridHost target = Blank(3, 1);
  target.trackProgress = true;
  TMemoryStream s(bytes);
  TGridCellStream(target).LoadAtPoint(TPoint{0, 0}, s);
  const TPicture* back = TCellGraphic::SlotObject<TPicture>(target.CellGraphic(0, 0)->CellBitmap());
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->Width(), 4);
  EXPECT_EQ(back->Bitmap().ScanLine(0)[0] & 0xFFFFFF, 0x00FF00U);
  const TIcon* ico = TCellGraphic::SlotObject<TIcon>(target.CellGraphic(1, 0)->CellIcon());
  ASSERT_NE(ico, nullptr);
  EXPECT_EQ(ico->Width(), 4);
  EXPECT_EQ(ico->Height(), 3);
  const TPicture* jpg = TCellGraphic::SlotObject<TPicture>(target.CellGraphic(2, 0)->CellBitmap());
  ASSERT_NE(jpg, nullptr);
  EXPECT_EQ(jpg->Format(), "jpeg");
  EXPECT_EQ(jpg->Height(), 3);
}

}  // namespace
}  // namespace hd::test

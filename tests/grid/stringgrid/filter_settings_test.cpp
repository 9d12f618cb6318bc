#include "grid/stringgrid/filter_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/stringgrid/settings_kit.h"
#include "platform/exceptions.h"

namespace hd {
namespace {

using Calls = std::vector<std::string>;

TEST(FilterSettings, NewObjectsHaveEveryDefault) {
  TFilter filter(nullptr);
  TFilterData* item = filter.Insert(0);
  TFilterDropDown fd;
  ExpectDefaults({
      HD_DEFAULT(item->Column(), 0),
      HD_DEFAULT(item->Condition(), ""),
      HD_DEFAULT(item->CaseSensitive(), true),
      HD_DEFAULT(item->Suffix(), ""),
      HD_DEFAULT(item->Prefix(), ""),
      HD_DEFAULT(item->Operation(), foSHORT),
      HD_DEFAULT(item->Data(), fcVirtual),
      HD_DEFAULT(item->Method(), fmExpression),
      HD_DEFAULT(fd.AutoSize(), false),
      HD_DEFAULT(fd.Height(), 150),
      HD_DEFAULT(fd.Width(), 150),
      HD_DEFAULT(fd.Color(), clWindow),
      HD_DEFAULT(fd.Glyph().Empty(), true),
      HD_DEFAULT(fd.GlyphActive().Empty(), true),
      HD_DEFAULT(fd.ColumnWidth(), false),
  });
  EXPECT_EQ(fd.Font(), TFont());
}

TEST(FilterSettings, CollectionJoinsNewItemsAndFindsAndRemovesColumnFilters) {
  RecordingHost grid;
  TFilter filter(&grid);
  EXPECT_EQ(filter.Add()->Operation(), foNONE);
  EXPECT_EQ(filter.Add()->Operation(), foAND);
  TFilterData* inserted = filter.Insert(0);  // the index is not used
  EXPECT_EQ(inserted->Operation(), foSHORT);
  EXPECT_EQ(filter.Items(2), inserted);
  filter.Clear();

  EXPECT_FALSE(filter.HasFilter(2));
  TFilterData* col2 = filter.GetColFilter(2);
  EXPECT_EQ(filter.Count(), 1);
  EXPECT_EQ(col2->Column(), 2);
  EXPECT_EQ(col2->Operation(), foNONE);
  EXPECT_EQ(filter.ColumnFilter(2), col2);
  EXPECT_EQ(filter.Count(), 1);
  EXPECT_TRUE(filter.HasFilter(2));
  filter.GetColFilter(3);
  filter.Add()->SetColumn(2);
  EXPECT_EQ(filter.Count(), 3);

  filter.RemoveColumnFilter(2);
  ASSERT_EQ(filter.Count(), 1);
  EXPECT_EQ(filter.Items(0)->Column(), 3);
  EXPECT_EQ(grid.Take(), (Calls{"RepaintCell 2 0"}));
  filter.RemoveColumnFilter(7);  // no item: the header cell is repainted all the same
  EXPECT_EQ(grid.Take(), (Calls{"RepaintCell 7 0"}));
}

TEST(FilterSettings, FilterDataAssignLeavesMethodAndRefusesOtherKinds) {
  TFilter filter(nullptr);
  TFilterData* source = filter.Add();
  source->SetColumn(4);
  source->SetCondition(">10");
  source->SetCaseSensitive(false);
  source->SetSuffix(" kg");
  source->SetPrefix("$");
  source->SetOperation(foXOR);
  source->SetData(fcRow);
  source->SetMethod(fmLiteral);
  TFilterData* target = filter.Add();
  target->Assign(source);
  EXPECT_EQ(target->Column(), 4);
  EXPECT_EQ(target->Condition(), ">10");
  EXPECT_FALSE(target->CaseSensitive());
  EXPECT_EQ(target->Suffix(), " kg");
  EXPECT_EQ(target->Prefix(), "$");
  EXPECT_EQ(target->Operation(), foXOR);
  EXPECT_EQ(target->Data(), fcRow);
  EXPECT_EQ(target->Method(), fmExpression);

  target->Assign(nullptr);
  EXPECT_EQ(target->Column(), 4);
  TFilterDropDown other;
  try {
    target->Assign(&other);
    ADD_FAILURE() << "no error";
  } catch (const EInvalidCast& e) {
    EXPECT_EQ(e.Message(), "Invalid class typecast");
  }

  // A whole filter copies its items through their own Assign.
  TFilter copy(nullptr);
  copy.Assign(&filter);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.Items(1)->Condition(), ">10");
  EXPECT_EQ(copy.Items(0)->Method(), fmExpression);
}

TEST(FilterSettings, DropDownGlyphsNotifyAndAssignCopiesAllButAutoSize) {
  TFilterDropDown fd;
  int changes = 0;
  fd.OnChange = [&](TObject* s) {
    EXPECT_EQ(s, &fd);
    ++changes;
  };
  fd.SetGlyph(TBitmap(16, 16));
  fd.SetGlyphActive(TBitmap(12, 12));
  TFont f;
  f.Size = 11;
  fd.SetFont(f);
  fd.SetWidth(200);
  fd.SetColor(clRed);
  EXPECT_EQ(changes, 2);

  TFilterDropDown source;
  source.SetAutoSize(true);
  source.SetHeight(80);
  source.SetColumnWidth(true);
  source.SetGlyph(TBitmap(4, 4));
  changes = 0;
  fd.Assign(&source);
  EXPECT_EQ(changes, 2);  // each glyph arrives through its setter
  EXPECT_FALSE(fd.AutoSize());
  EXPECT_EQ(fd.Height(), 80);
  EXPECT_EQ(fd.Width(), 150);
  EXPECT_EQ(fd.Color(), clWindow);
  EXPECT_TRUE(fd.ColumnWidth());
  EXPECT_EQ(fd.Font().Size, TFont().Size);
  EXPECT_EQ(fd.Glyph().Width(), 4);
  EXPECT_TRUE(fd.GlyphActive().Empty());

  TFilter other(nullptr);
  fd.Assign(&other);
  EXPECT_EQ(fd.Height(), 80);
  EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace hd

#include "grid/stringgrid/filter_settings.h"

#include "platform/exceptions.h"

namespace hd {

void TFilterData::Assign(const TPersistent* Source) {
  if (!Source) return;
  auto* s = dynamic_cast<const TFilterData*>(Source);
  if (!s) throw EInvalidCast();
  FColumn = s->FColumn;
  FCondition = s->FCondition;
  FCaseSensitive = s->FCaseSensitive;
  FData = s->FData;
  FPrefix = s->FPrefix;
  FSuffix = s->FSuffix;
  FOperation = s->FOperation;
}

TFilterData* TFilter::Add() {
  auto* item = static_cast<TFilterData*>(TCollection::Add());
  item->SetOperation(Count() == 1 ? foNONE : foAND);
  return item;
}

TFilterData* TFilter::Insert(int) { return static_cast<TFilterData*>(TCollection::Add()); }

TFilterData* TFilter::GetColFilter(int Col) {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Column() == Col) return Items(i);
  TFilterData* item = Add();
  item->SetColumn(static_cast<std::int16_t>(Col));
  return item;
}

bool TFilter::HasFilter(int Col) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Column() == Col) return true;
  return false;
}

void TFilter::RemoveColumnFilter(int Col) {
  for (int i = Count() - 1; i >= 0; --i)
    if (Items(i)->Column() == Col) Delete(i);
  if (FOwner) FOwner->RepaintCell(Col, 0);
}

void TFilterDropDown::SetGlyph(const TBitmap& Value) {
  FGlyph = Value;
  if (OnChange) OnChange(this);
}

void TFilterDropDown::SetGlyphActive(const TBitmap& Value) {
  FGlyphActive = Value;
  if (OnChange) OnChange(this);
}

void TFilterDropDown::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TFilterDropDown*>(Source);
  if (!s || s == this) return;
  FColor = s->FColor;
  FColumnWidth = s->FColumnWidth;
  FFont = s->FFont;
  FHeight = s->FHeight;
  FWidth = s->FWidth;
  SetGlyph(s->FGlyph);
  SetGlyphActive(s->FGlyphActive);
}

}  // namespace hd

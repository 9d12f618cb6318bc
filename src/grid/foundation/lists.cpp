#include "grid/foundation/lists.h"

#include <algorithm>
#include <cstdint>

#include "platform/exceptions.h"
#include "platform/picture.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr std::uint32_t kDescendingBit = 0x80000000u;

std::uint32_t Bits(int v) { return static_cast<std::uint32_t>(v); }
int FromBits(std::uint32_t v) { return static_cast<int>(v); }

[[noreturn]] void IndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

void TIntList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
}

void TIntList::Changed() {
  if (OnChange) OnChange(this, FCol, FRow);
}

int TIntList::GetInteger(int Index) const {
  CheckIndex(Index);
  return items_[static_cast<size_t>(Index)];
}

void TIntList::SetInteger(int Index, int Value) {
  CheckIndex(Index);
  items_[static_cast<size_t>(Index)] = Value;
  Changed();
}

int TIntList::Add(int Value) {
  items_.push_back(Value);
  Changed();
  return Count() - 1;
}

void TIntList::Delete(int Index) {
  CheckIndex(Index);
  items_.erase(items_.begin() + Index);
  Changed();
}

void TIntList::Insert(int Index, int Value) {
  if (Index < 0 || Index > Count()) IndexError(Index);
  items_.insert(items_.begin() + Index, Value);
}

void TIntList::DeleteValue(int Value) {
  int i = IndexOf(Value);
  if (i >= 0) Delete(i);
}

bool TIntList::HasValue(int Value) const { return IndexOf(Value) >= 0; }

int TIntList::IndexOf(int Value) const {
  auto it = std::find(items_.begin(), items_.end(), Value);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TIntList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  std::swap(items_[static_cast<size_t>(Index1)], items_[static_cast<size_t>(Index2)]);
}

void TIntList::Move(int CurIndex, int NewIndex) {
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  int v = items_[static_cast<size_t>(CurIndex)];
  items_.erase(items_.begin() + CurIndex);
  items_.insert(items_.begin() + NewIndex, v);
}

void TIntList::Sort(const std::function<int(int, int)>& Compare) {
  std::stable_sort(items_.begin(), items_.end(), [&](int a, int b) { return Compare(a, b) < 0; });
}

std::string TIntList::StrValue() const {
  std::string s;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (i > 0) s += ',';
    s += std::to_string(items_[i]);
  }
  return s;
}

void TIntList::SetStrValue(const std::string& Value) {
  TStringList sl;
  sl.SetCommaText(Value);
  Clear();
  for (int i = 0; i < sl.Count(); ++i) Add(StrToInt(sl[i]));
}

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
  std::uint32_t v = Bits(ColumnIndex);
  Add(FromBits(Ascending ? v : v | kDescendingBit));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
  for (int i = 0; i < Count(); ++i)
    if (GetSortColumns(i) == ColumnIndex) return i;
  return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
  int i = FindIndex(ColumnIndex);
  if (i >= 0) SetInteger(i, FromBits(Bits(GetInteger(i)) ^ kDescendingBit));
}

int TSortIndexList::GetSortColumns(int i) const { return FromBits(Bits(GetInteger(i)) & ~kDescendingBit); }

void TSortIndexList::SetSortColumns(int i, int Value) {
  std::uint32_t dir = Bits(GetInteger(i)) & kDescendingBit;
  SetInteger(i, FromBits(dir | (Bits(Value) & ~kDescendingBit)));
}

bool TSortIndexList::GetSortDirections(int i) const { return (Bits(GetInteger(i)) & kDescendingBit) == 0; }

void TSortIndexList::SetSortDirections(int i, bool Value) {
  std::uint32_t v = Bits(GetInteger(i));
  SetInteger(i, FromBits(Value ? v & ~kDescendingBit : v | kDescendingBit));
}

std::string TSortIndexList::SaveToString() const {
  std::string s;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) s += ';';
    std::uint32_t v = Bits(GetInteger(i));
    // Only the low 16 bits: the text form has always been written so.
    s += (v & kDescendingBit) ? 'd' : 'u';
    s += std::to_string(v & 0xFFFFu);
  }
  return s;
}

void TSortIndexList::LoadFromString(std::string s) {
  Clear();
  while (!s.empty()) {
    size_t p = s.find(';');
    std::string item = s.substr(0, p);
    s.erase(0, p == std::string::npos ? s.size() : p + 1);
    if (item.size() < 2) continue;
    AddIndex(StrToIntDef(item.substr(1), 0), item[0] == 'u');
  }
}

TControlList::~TControlList() {
  while (Count() > 0) RemoveControl(0);
}

void TControlList::AddControl(int X, int Y, TControl* AObject) {
  items_.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<size_t>(i)]->X() == X && items_[static_cast<size_t>(i)]->Y() == Y) return i;
  return -1;
}

TControlItem* TControlList::GetControl(int i) const {
  if (i < 0 || i >= Count()) IndexError(i);
  return items_[static_cast<size_t>(i)].get();
}

bool TControlList::HasHandle(HWND Handle) const {
  for (const auto& item : items_) {
    auto* w = dynamic_cast<TWinControl*>(item->Control());
    if (w && w->Handle() == Handle) return true;
  }
  return false;
}

void TControlList::RemoveControl(int i) {
  if (i < 0 || i >= Count()) IndexError(i);
  items_.erase(items_.begin() + i);
}

void TFilePicture::SetFilename(const std::string& Value) {
  FFilename = Value;
  // Sizes of an earlier file never stand for this one, even when it cannot be read.
  FWidth = 0;
  FHeight = 0;
  TPicture picture;
  picture.LoadFromFile(Value);
  FWidth = picture.Width();
  FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas& Canvas, const TRect& r) const {
  if (FFilename.empty()) return;
  TPicture picture;
  picture.LoadFromFile(FFilename);
  picture.Draw(Canvas, r, true);
}

void TFilePicture::Assign(const TPersistent* Source) {
  auto* src = dynamic_cast<const TFilePicture*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  FFilename = src->FFilename;
  FWidth = src->FWidth;
  FHeight = src->FHeight;
}

void TFileStringList::Reset() {
  fp = 0;
  cache.clear();
}

void TFileStringList::ReadLn(std::string& s) {
  s = Strings(fp);
  ++fp;
}

void TFileStringList::WriteLn(const std::string& s) {
  Add(cache + s);
  cache.clear();
}

}  // namespace hd

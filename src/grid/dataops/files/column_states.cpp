#include "grid/dataops/files/column_states.h"

#include "grid/stringgrid/column_size.h"
#include "platform/exceptions.h"
#include "platform/ini_files.h"
#include "platform/registry.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

std::vector<std::string> Split(const std::string& Text, char Separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at = Text.find(Separator); at != std::string::npos; at = Text.find(Separator, start)) {
    parts.push_back(Text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(Text.substr(start));
  return parts;
}

// The runtime's list-index error for an entry the text does not have.
const std::string& Entry(const std::vector<std::string>& List, int Index) {
  if (Index < 0 || Index >= static_cast<int>(List.size()))
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return List[static_cast<std::size_t>(Index)];
}

template <class Each>
std::string Join(int Count, Each&& Item) {
  std::string out;
  for (int i = 0; i < Count; ++i) out += (i ? "," : "") + Item(i);
  return out;
}

// The position each column number stands at in Order.
std::vector<int> Inverse(const std::vector<int>& Order) {
  std::vector<int> inverse(Order.size());
  for (std::size_t i = 0; i < Order.size(); ++i) inverse[static_cast<std::size_t>(Order[i])] = static_cast<int>(i);
  return inverse;
}

void SetList(TIntList& List, const std::vector<int>& Values) {
  List.Clear();
  for (int v : Values) List.Add(v);
}

class TIniColumnStore : public TColumnStore {
 public:
  TIniColumnStore(const std::string& FileName, const std::string& Section) : FFile(FileName), FSection(Section) {}
  int Read(const std::string& Name, int Default) override { return FFile.ReadInteger(FSection, Name, Default); }
  void Write(const std::string& Name, int Value) override { FFile.WriteInteger(FSection, Name, Value); }
  void Flush() override { FFile.UpdateFile(); }

 private:
  TMemIniFile FFile;
  std::string FSection;
};

class TUserKeyColumnStore : public TColumnStore {
 public:
  TUserKeyColumnStore(const std::string& Key, const std::string& Section) {
    FReg.SetRootKey(HKEY_CURRENT_USER);
    if (!FReg.OpenKey("\\" + Key + "\\" + Section, true))
      throw ERegistryException("Failed to create key " + Key + "\\" + Section);
  }
  // Integers and decimal texts both read.
  int Read(const std::string& Name, int Default) override {
    switch (FReg.GetDataType(Name)) {
      case rdInteger:
        return FReg.ReadInteger(Name);
      case rdString:
        return StrToIntDef(FReg.ReadString(Name), Default);
      default:
        return Default;
    }
  }
  // A value kept as text stays text.
  void Write(const std::string& Name, int Value) override {
    if (FReg.GetDataType(Name) == rdString)
      FReg.WriteString(Name, IntToStr(Value));
    else
      FReg.WriteInteger(Name, Value);
  }
  void Flush() override {}

 private:
  TRegistry FReg;
};

}  // namespace

std::unique_ptr<TColumnStore> OpenColumnStore(const TColumnSize& Settings) {
  if (Settings.Key().empty() || Settings.Section().empty()) return nullptr;
  if (Settings.Location() == clIniFile) return std::make_unique<TIniColumnStore>(Settings.Key(), Settings.Section());
  return std::make_unique<TUserKeyColumnStore>(Settings.Key(), Settings.Section());
}

bool IsColumnPermutation(const std::vector<int>& Order, int Count) {
  if (static_cast<int>(Order.size()) != Count) return false;
  std::vector<bool> seen(Order.size());
  for (int v : Order) {
    if (v < 0 || v >= Count || seen[static_cast<std::size_t>(v)]) return false;
    seen[static_cast<std::size_t>(v)] = true;
  }
  return true;
}

std::string TColumnStates::ToString() {
  int n = H.ColCount() + H.NumHiddenColumns();
  TIntList& order = H.ColumnOrder();
  std::string text = std::to_string(n) + "#";
  text += Join(n, [&](int i) { return std::to_string(H.ColWidth(i)); }) + "#";
  if (order.Count() == 0)
    text += Join(n, [](int i) { return std::to_string(i); });
  else
    text += Join(order.Count(), [&](int i) { return std::to_string(order.Items(i)); });
  return text + "#" + Join(n, [&](int i) { return std::string(H.IsHiddenColumn(i) ? "0" : "1"); });
}

void TColumnStates::FromString(const std::string& Value) {
  if (Value.find('#') == std::string::npos) return;
  std::vector<std::string> fields = Split(Value, '#');
  H.ColumnOrder().Clear();
  H.UnHideColumnsAll();
  H.SetColCount(StrToInt(fields[0]));
  int n = H.ColCount();
  if (!Entry(fields, 2).empty()) {
    std::vector<std::string> entries = Split(fields[2], ',');
    std::vector<int> order;
    // A short field is no order for these columns, like one with numbers out of range.
    for (int i = 0; i < n && i < static_cast<int>(entries.size()); ++i)
      if (int v = StrToInt(entries[static_cast<std::size_t>(i)]); v != -1) order.push_back(v);
    if (IsColumnPermutation(order, n)) ApplyOrder(order);
  }
  std::vector<std::string> visible = Split(Entry(fields, 3), ',');
  for (int c = n - 1; c >= 0; --c)
    if (Entry(visible, c) == "0") H.HideColumn(c);
  ApplyWidths(Split(Entry(fields, 1), ','));
}

void TColumnStates::ApplyOrder(const std::vector<int>& Order) {
  SetList(H.ColumnOrder(), Inverse(Order));
  H.ResetColumnOrder();
  SetList(H.ColumnOrder(), Order);
}

void TColumnStates::ApplyWidths(const std::vector<std::string>& Widths) {
  TColumnSize& size = H.ColumnSize();
  bool stretch = size.Stretch();
  size.SetStretch(false);
  // Stretching comes back on even when a width is no number.
  struct TRestore {
    TColumnSize& Size;
    bool Value;
    ~TRestore() {
      if (Value) Size.SetStretch(true);
    }
  } restore{size, stretch};
  if (stretch) H.SetDefaultColWidth(H.ColWidth(size.StretchColumn() == -1 ? H.ColCount() - 1 : size.StretchColumn()));
  for (int i = 0; i < H.ColCount(); ++i) H.SetColWidth(i, StrToInt(Entry(Widths, i)));
}

std::unique_ptr<TColumnStore> TColumnStates::Store() {
  if (H.IsDesigning()) return nullptr;
  return OpenColumnStore(H.ColumnSize());
}

void TColumnStates::SaveColSizes() {
  std::unique_ptr<TColumnStore> store = Store();
  if (!store) return;
  for (int i = 0; i < H.ColCount(); ++i) store->Write("Col" + std::to_string(i), H.ColWidth(i));
  store->Flush();
}

void TColumnStates::LoadColSizes() {
  std::unique_ptr<TColumnStore> store = Store();
  if (!store) return;
  for (int i = 0; i < H.ColCount(); ++i) {
    int width = store->Read("Col" + std::to_string(i), H.ColWidth(i));
    if (width != H.ColWidth(i)) H.SetColWidth(i, width);
  }
  store->Flush();
}

void TColumnStates::SaveColPositions() {
  std::unique_ptr<TColumnStore> store = Store();
  if (!store) return;
  TIntList& order = H.ColumnOrder();
  for (int i = 0; i < order.Count(); ++i) store->Write("Pos" + std::to_string(i), order.Items(i));
  store->Flush();
}

void TColumnStates::LoadColPositions() {
  std::unique_ptr<TColumnStore> store = Store();
  if (!store) return;
  int all = H.ColCount() + H.NumHiddenColumns();
  std::vector<int> order;
  if (store->Read("Pos0", -1) != -1)
    for (int i = 0; i < all; ++i)
      if (int v = store->Read("Pos" + std::to_string(i), -1); v != -1) order.push_back(v);
  if (IsColumnPermutation(order, all)) {
    std::vector<int> hidden;
    for (int c = 0; c < all; ++c)
      if (H.IsHiddenColumn(c)) hidden.push_back(c);
    SetList(H.ColumnOrder(), Inverse(order));
    H.UnHideColumnsAll();
    H.ResetColumnOrder();
    for (int c : hidden) H.HideColumn(c);
    SetList(H.ColumnOrder(), order);
  }
  store->Flush();
}

}  // namespace hd

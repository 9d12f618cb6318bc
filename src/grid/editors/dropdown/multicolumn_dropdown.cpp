#include "grid/editors/dropdown/multicolumn_dropdown.h"

#include <algorithm>

#include "platform/sysutils.h"

namespace hd::multicolumn {

std::string TDropDownItem::ColumnText(int Column) const {
  if (Column < 0 || Column >= static_cast<int>(FText.size())) return {};
  return FText[static_cast<size_t>(Column)];
}

int FindLookup(const TDropDownItems& Items, int Column, const std::string& Entry, bool CaseSensitive) {
  if (Entry.empty()) return -1;
  const std::string key = CaseSensitive ? Entry : AnsiUpperCase(Entry);
  for (size_t i = 0; i < Items.size(); ++i) {
    const std::string t = CaseSensitive ? Items[i].ColumnText(Column) : AnsiUpperCase(Items[i].ColumnText(Column));
    if (t.compare(0, key.size(), key) == 0) return static_cast<int>(i);
  }
  return -1;
}

TListSearch::TResult TListSearch::LookupChar(char32_t Ch, const TDropDownItems& Items, int Column, bool CaseSensitive,
                                             const std::string& EditText, int SelStart, int SelLength) {
  TResult r;
  if (Ch == 8) {
    r.SetText = true;
    if (SelLength <= 0) {
      std::u32string e = Utf8ToCodePoints(FLookupEntry);
      if (!e.empty()) e.pop_back();
      FLookupEntry = CodePointsToUtf8(e);
      r.Text = FLookupEntry;
    } else {
      std::u32string t = Utf8ToCodePoints(EditText);
      const size_t start = static_cast<size_t>(std::clamp(SelStart, 0, static_cast<int>(t.size())));
      t.erase(start, static_cast<size_t>(SelLength));
      r.Text = CodePointsToUtf8(t);
    }
    r.SelStart = Utf8Length(r.Text);
    return r;
  }
  if (Ch != 9) FLookupEntry += CodePointsToUtf8(std::u32string(1, Ch));
  int found = FindLookup(Items, Column, FLookupEntry, CaseSensitive);
  bool select = true;
  if (found < 0) {
    const std::string single = CodePointsToUtf8(std::u32string(1, Ch));
    found = Ch == 9 ? -1 : FindLookup(Items, Column, single, CaseSensitive);
    if (found < 0) {
      FLookupEntry.clear();
      return r;
    }
    FLookupEntry = single;
    select = false;
  }
  r.Item = found;
  r.SetText = true;
  r.Text = Items[static_cast<size_t>(found)].ColumnText(Column);
  const int typed = std::min(Utf8Length(FLookupEntry), Utf8Length(r.Text));
  r.SelStart = typed;
  r.SelLength = select ? Utf8Length(r.Text) - typed : 0;
  return r;
}

TCompletion Complete(const std::vector<std::string>& Lookup, const std::string& Text, int Caret, bool MatchCase) {
  TCompletion r;
  const std::u32string text = Utf8ToCodePoints(Text);
  const size_t caret = static_cast<size_t>(std::clamp(Caret, 0, static_cast<int>(text.size())));
  const std::u32string typed = text.substr(0, caret);
  r.Text = Text;
  r.Typed = static_cast<int>(typed.size());
  if (typed.empty()) return r;
  auto form = [MatchCase](const std::string& s) { return Utf8ToCodePoints(MatchCase ? s : AnsiUpperCase(s)); };
  const std::u32string key = form(CodePointsToUtf8(typed));
  for (size_t i = 0; i < Lookup.size(); ++i) {
    const std::u32string entry = Utf8ToCodePoints(Lookup[i]);
    const std::u32string compared = form(Lookup[i]);
    if (compared.compare(0, key.size(), key) != 0 || entry.size() < typed.size()) continue;
    r.Matched = true;
    r.Item = static_cast<int>(i);
    // The completed text is bounded as the edit's lookup buffer is.
    r.Text = CodePointsToUtf8((typed + entry.substr(typed.size())).substr(0, 255));
    r.TextAtKeyUp = Lookup[i];
    return r;
  }
  r.Text = CodePointsToUtf8(typed);
  return r;
}

int StepItem(int ItemIndex, int Count, WORD Key, bool EndKeys) {
  if (Count <= 0) return ItemIndex;
  const int last = Count - 1;
  const bool none = ItemIndex < 0;
  switch (Key) {
    case VK_PRIOR: return none || ItemIndex - 10 < 0 ? 0 : ItemIndex - 10;
    case VK_NEXT: return none ? 0 : std::min(ItemIndex + 10, last);
    case VK_UP: return none ? 0 : std::max(ItemIndex - 1, 0);
    case VK_DOWN: return none ? 0 : std::min(ItemIndex + 1, last);
    case VK_HOME: return EndKeys ? 0 : ItemIndex;
    case VK_END: return EndKeys ? last : ItemIndex;
    default: return ItemIndex;
  }
}

}  // namespace hd::multicolumn

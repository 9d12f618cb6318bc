// The multi-column drop-down: items of several texts picked from a list under a header row.
// Its names live in a namespace of their own, since the grid drop-down has classes of the same
// names. What is here so far is Qt-free: the items and the rules that find and step through them.
#pragma once

#include <string>
#include <vector>

#include "platform/messages.h"
#include "platform/types.h"

namespace hd::multicolumn {

// One entry of the list: one text per column and an image.
class TDropDownItem {
 public:
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  const std::vector<std::string>& Text() const { return FText; }
  void SetText(const std::vector<std::string>& Value) { FText = Value; }
  // The text of a column; empty when the item has none there.
  std::string ColumnText(int Column) const;
  // The texts travel with the image, so assigning a collection keeps what it shows.
  void Assign(const TDropDownItem& Source) {
    FImageIndex = Source.FImageIndex;
    FText = Source.FText;
  }

 private:
  int FImageIndex = -1;
  std::vector<std::string> FText;
};

using TDropDownItems = std::vector<TDropDownItem>;

// The first item whose Column text starts with Entry (both upper-cased unless CaseSensitive);
// an item without a text there counts as empty. -1 when none or Entry is empty.
int FindLookup(const TDropDownItems& Items, int Column, const std::string& Entry, bool CaseSensitive);
// The item an edit key steps to from ItemIndex (negative: none chosen): Up and Down by one,
// PageUp and PageDown by ten, Home and End only when EndKeys. Answers ItemIndex when the key
// moves nothing.
int StepItem(int ItemIndex, int Count, WORD Key, bool EndKeys);
// The search of the open list: characters typed there gather into a search text.
class TListSearch {
 public:
  struct TResult {
    // The item found, -1 for none.
    int Item = -1;
    // The edit's new text and selection, when SetText.
    bool SetText = false;
    std::string Text;
    int SelStart = 0;
    int SelLength = 0;
  };
  // EditText, SelStart and SelLength: the edit as it stands (positions in characters).
  TResult LookupChar(char32_t Ch, const TDropDownItems& Items, int Column, bool CaseSensitive,
                     const std::string& EditText, int SelStart, int SelLength);
  const std::string& Entry() const { return FLookupEntry; }
  void Clear() { FLookupEntry.clear(); }

 private:
  std::string FLookupEntry;
};

// What typing into the edit makes of its text against the lookup entries.
struct TCompletion {
  bool Matched = false;
  // The matched entry; the text the edit shows while the key is down (the typed characters
  // followed by the rest of the entry) and at key-up (the entry in its own letter case).
  int Item = -1;
  std::string Text;
  std::string TextAtKeyUp;
  // The typed part's length: the completed tail after it is selected, the caret after the
  // typed part. Without a match the text is cut to the typed part with the caret at its end.
  int Typed = 0;
};
// Text and Caret: the edit after a change; MatchCase compares as typed, else upper-cased. An
// empty typed part matches nothing and leaves Text as it is.
TCompletion Complete(const std::vector<std::string>& Lookup, const std::string& Text, int Caret, bool MatchCase);

// Any negative index means no item.
inline int NormalizeItemIndex(int Value) { return Value < 0 ? -1 : Value; }

}  // namespace hd::multicolumn

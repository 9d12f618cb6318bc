#include "platform/string_list.h"

#include <algorithm>

#include "platform/exceptions.h"

namespace hd {
namespace {

int CompareAsciiNoCase(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool IsBlankChar(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

std::string QuotedStr(const std::string& s, char quote) {
  std::string r(1, quote);
  for (char c : s) {
    r += c;
    if (c == quote) r += c;
  }
  r += quote;
  return r;
}

}  // namespace

TStringList::TStringList(const TStringList& other) { Assign(other); }

TStringList& TStringList::operator=(const TStringList& other) {
  if (this != &other) Assign(other);
  return *this;
}

TStringList::~TStringList() {
  OnChange = nullptr;
  Clear();
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

void TStringList::Changed() {
  if (update_count_ > 0) {
    changed_while_updating_ = true;
    return;
  }
  if (OnChange) OnChange(*this);
}

void TStringList::EndUpdate() {
  if (update_count_ > 0 && --update_count_ == 0 && changed_while_updating_) {
    changed_while_updating_ = false;
    Changed();
  }
}

void TStringList::FreeObject(TObject* obj) {
  if (owns_objects_) delete obj;
}

const std::string& TStringList::Strings(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)].text;
}

void TStringList::SetStrings(int index, const std::string& s) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(index);
  items_[static_cast<size_t>(index)].text = s;
  Changed();
}

TObject* TStringList::Objects(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)].object;
}

void TStringList::SetObjects(int index, TObject* obj) {
  CheckIndex(index);
  // The old object is not freed, even by an owning list: setting nullptr is how a caller takes
  // an object back before deleting its item.
  items_[static_cast<size_t>(index)].object = obj;
  Changed();
}

int TStringList::Add(const std::string& s) { return AddObject(s, nullptr); }

int TStringList::AddObject(const std::string& s, TObject* obj) {
  int index = Count();
  if (sorted_) {
    if (Find(s, index)) {
      if (duplicates_ == dupIgnore) return index;
      if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
    }
  }
  InsertItem(index, s, obj);
  return index;
}

void TStringList::AddStrings(const TStringList& other) {
  BeginUpdate();
  for (int i = 0; i < other.Count(); ++i) AddObject(other.Strings(i), other.Objects(i));
  EndUpdate();
}

void TStringList::Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::string& s, TObject* obj) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  if (index < 0 || index > Count())
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  InsertItem(index, s, obj);
}

void TStringList::InsertItem(int index, const std::string& s, TObject* obj) {
  items_.insert(items_.begin() + index, Item{s, obj});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  TObject* obj = items_[static_cast<size_t>(index)].object;
  items_.erase(items_.begin() + index);
  FreeObject(obj);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  std::vector<Item> old;
  old.swap(items_);
  for (Item& it : old) FreeObject(it.object);
  Changed();
}

void TStringList::Exchange(int a, int b) {
  CheckIndex(a);
  CheckIndex(b);
  std::swap(items_[static_cast<size_t>(a)], items_[static_cast<size_t>(b)]);
  Changed();
}

void TStringList::Move(int from, int to) {
  if (from == to) return;
  CheckIndex(from);
  CheckIndex(to);
  Item it = items_[static_cast<size_t>(from)];
  items_.erase(items_.begin() + from);
  items_.insert(items_.begin() + to, it);
  Changed();
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
  if (case_sensitive_) return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
  return CompareAsciiNoCase(a, b);
}

int TStringList::IndexOf(const std::string& s) const {
  if (sorted_) {
    int index = 0;
    return Find(s, index) ? index : -1;
  }
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(items_[static_cast<size_t>(i)].text, s) == 0) return i;
  return -1;
}

int TStringList::IndexOfObject(const TObject* obj) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<size_t>(i)].object == obj) return i;
  return -1;
}

int TStringList::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string& t = items_[static_cast<size_t>(i)].text;
    size_t eq = t.find('=');
    if (eq != std::string::npos && CompareStrings(t.substr(0, eq), name) == 0) return i;
  }
  return -1;
}

void TStringList::Assign(const TStringList& other) {
  if (this == &other) return;
  BeginUpdate();
  Clear();
  line_break_ = other.line_break_;
  delimiter_ = other.delimiter_;
  quote_char_ = other.quote_char_;
  strict_delimiter_ = other.strict_delimiter_;
  // The order rules travel with the items, so a sorted copy stays searchable.
  sorted_ = other.sorted_;
  duplicates_ = other.duplicates_;
  case_sensitive_ = other.case_sensitive_;
  for (const Item& it : other.items_) items_.push_back(it);
  if (!items_.empty()) Changed();
  EndUpdate();
}

std::string TStringList::Names(int index) const {
  const std::string& t = Strings(index);
  size_t eq = t.find('=');
  return eq == std::string::npos ? std::string() : t.substr(0, eq);
}

std::string TStringList::ValueFromIndex(int index) const {
  const std::string& t = Strings(index);
  size_t eq = t.find('=');
  return eq == std::string::npos ? std::string() : t.substr(eq + 1);
}

std::string TStringList::Values(const std::string& name) const {
  int i = IndexOfName(name);
  return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStringList::SetValues(const std::string& name, const std::string& value) {
  int i = IndexOfName(name);
  if (value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  if (i < 0) {
    Add(name + "=" + value);
  } else {
    items_[static_cast<size_t>(i)].text = name + "=" + value;
    Changed();
  }
}

std::string TStringList::Text() const {
  std::string r;
  for (const Item& it : items_) {
    r += it.text;
    r += line_break_;
  }
  return r;
}

void TStringList::SetText(const std::string& text) {
  BeginUpdate();
  Clear();
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    size_t start = i;
    while (i < n && text[i] != '\r' && text[i] != '\n') ++i;
    Add(text.substr(start, i - start));
    if (i < n && text[i] == '\r') ++i;
    if (i < n && text[i] == '\n') ++i;
  }
  EndUpdate();
}

std::string TStringList::CommaText() const {
  TStringList copy;
  copy.items_ = items_;
  copy.SetDelimiter(',');
  copy.SetQuoteChar('"');
  return copy.DelimitedText();
}

void TStringList::SetCommaText(const std::string& text) {
  char d = delimiter_, q = quote_char_;
  bool strict = strict_delimiter_;
  delimiter_ = ',';
  quote_char_ = '"';
  strict_delimiter_ = false;
  SetDelimitedText(text);
  delimiter_ = d;
  quote_char_ = q;
  strict_delimiter_ = strict;
}

std::string TStringList::DelimitedText() const {
  if (Count() == 1 && items_[0].text.empty()) return std::string(2, quote_char_);
  std::string r;
  for (size_t i = 0; i < items_.size(); ++i) {
    const std::string& s = items_[i].text;
    bool quote = false;
    for (char c : s) {
      if (c == quote_char_ || c == delimiter_ || c == '\0' || (!strict_delimiter_ && IsBlankChar(c))) {
        quote = true;
        break;
      }
    }
    if (i > 0) r += delimiter_;
    r += quote ? QuotedStr(s, quote_char_) : s;
  }
  return r;
}

void TStringList::SetDelimitedText(const std::string& text) {
  BeginUpdate();
  Clear();
  size_t p = 0;
  const size_t n = text.size();
  auto skipBlanks = [&] {
    if (!strict_delimiter_)
      while (p < n && IsBlankChar(text[p])) ++p;
  };
  skipBlanks();
  while (p < n) {
    std::string s;
    if (text[p] == quote_char_) {
      ++p;
      while (p < n) {
        if (text[p] == quote_char_) {
          if (p + 1 < n && text[p + 1] == quote_char_) {
            s += quote_char_;
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        s += text[p++];
      }
    } else {
      size_t start = p;
      while (p < n && text[p] != delimiter_ && (strict_delimiter_ || !IsBlankChar(text[p]))) ++p;
      s = text.substr(start, p - start);
    }
    Add(s);
    skipBlanks();
    if (p < n && text[p] == delimiter_) {
      if (p + 1 == n) Add("");
      ++p;
      skipBlanks();
    }
  }
  EndUpdate();
}

void TStringList::SetSorted(bool v) {
  if (sorted_ == v) return;
  if (v) Sort();
  sorted_ = v;
}

void TStringList::SetCaseSensitive(bool v) {
  if (case_sensitive_ == v) return;
  case_sensitive_ = v;
  if (sorted_) Sort();
}

void TStringList::Sort() {
  CustomSort([](const TStringList& l, int a, int b) { return l.CompareStrings(l.Strings(a), l.Strings(b)); });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare) {
  if (Count() < 2) return;
  // Sort an index permutation so the comparer sees the list as it stands.
  std::vector<int> order(items_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
  std::vector<Item> sorted;
  sorted.reserve(items_.size());
  for (int i : order) sorted.push_back(items_[static_cast<size_t>(i)]);
  items_.swap(sorted);
  Changed();
}

bool TStringList::Find(const std::string& s, int& index) const {
  int lo = 0, hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
    int c = CompareStrings(items_[static_cast<size_t>(mid)].text, s);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (duplicates_ != dupAccept) lo = mid;
      }
    }
  }
  index = lo;
  return found;
}

}  // namespace hd

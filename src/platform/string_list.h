// The string list of the platform: items with an object each, text and delimited forms.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/object.h"

namespace hd {

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList {
 public:
  TStringList() = default;
  explicit TStringList(bool ownsObjects) : owns_objects_(ownsObjects) {}
  TStringList(const TStringList& other);
  TStringList& operator=(const TStringList& other);
  virtual ~TStringList();

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Strings(int index) const;
  void SetStrings(int index, const std::string& s);
  const std::string& operator[](int index) const { return Strings(index); }
  TObject* Objects(int index) const;
  // Replaces the pointer only; an owning list does not free the object it held.
  void SetObjects(int index, TObject* obj);

  int Add(const std::string& s);
  int AddObject(const std::string& s, TObject* obj);
  void AddStrings(const TStringList& other);
  void Insert(int index, const std::string& s);
  void InsertObject(int index, const std::string& s, TObject* obj);
  void Delete(int index);
  void Clear();
  void Exchange(int a, int b);
  void Move(int from, int to);
  int IndexOf(const std::string& s) const;
  int IndexOfObject(const TObject* obj) const;
  int IndexOfName(const std::string& name) const;
  // Copies strings, object pointers, the text settings and the sort rules; ownership of the
  // objects is not taken.
  void Assign(const TStringList& other);

  // "name=value" items.
  std::string Names(int index) const;
  std::string ValueFromIndex(int index) const;
  std::string Values(const std::string& name) const;
  void SetValues(const std::string& name, const std::string& value);

  // Every item followed by LineBreak(); setting splits at CR, LF or CR LF.
  std::string Text() const;
  void SetText(const std::string& text);
  std::string LineBreak() const { return line_break_; }
  void SetLineBreak(const std::string& lb) { line_break_ = lb; }

  std::string CommaText() const;
  void SetCommaText(const std::string& text);
  std::string DelimitedText() const;
  void SetDelimitedText(const std::string& text);
  char Delimiter() const { return delimiter_; }
  void SetDelimiter(char c) { delimiter_ = c; }
  char QuoteChar() const { return quote_char_; }
  void SetQuoteChar(char c) { quote_char_ = c; }
  bool StrictDelimiter() const { return strict_delimiter_; }
  void SetStrictDelimiter(bool v) { strict_delimiter_ = v; }

  bool Sorted() const { return sorted_; }
  void SetSorted(bool v);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates d) { duplicates_ = d; }
  bool CaseSensitive() const { return case_sensitive_; }
  void SetCaseSensitive(bool v);
  bool OwnsObjects() const { return owns_objects_; }
  void SetOwnsObjects(bool v) { owns_objects_ = v; }
  void Sort();
  void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);
  // Binary search of a sorted list: true when found; index is the match or the insertion point.
  bool Find(const std::string& s, int& index) const;

  void BeginUpdate() { ++update_count_; }
  void EndUpdate();
  std::function<void(TStringList&)> OnChange;

 protected:
  int CompareStrings(const std::string& a, const std::string& b) const;

 private:
  struct Item {
    std::string text;
    TObject* object = nullptr;
  };
  void CheckIndex(int index) const;
  void Changed();
  void InsertItem(int index, const std::string& s, TObject* obj);
  void FreeObject(TObject* obj);

  std::vector<Item> items_;
  std::string line_break_ = "\r\n";
  char delimiter_ = ',';
  char quote_char_ = '"';
  bool strict_delimiter_ = false;
  bool sorted_ = false;
  bool case_sensitive_ = false;
  bool owns_objects_ = false;
  TDuplicates duplicates_ = dupIgnore;
  int update_count_ = 0;
  bool changed_while_updating_ = false;
};

}  // namespace hd

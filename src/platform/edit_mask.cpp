#include "platform/edit_mask.h"

#include <algorithm>
#include <unordered_map>

#include "platform/edit_rules.h"
#include "platform/regional.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

constexpr char32_t kEscape = U'\\';
constexpr char32_t kFieldSeparator = U';';

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

char32_t CaseOf(char32_t c, TMaskCase mode) {
  if (mode == TMaskCase::mcNone) return c;
  std::string one = CodePointsToUtf8(std::u32string(1, c));
  return Utf8ToCodePoints(CasedText(one, mode == TMaskCase::mcUpper ? ecUpperCase : ecLowerCase))[0];
}

bool Escaped(const std::u32string& mask, size_t i) {
  return i > 0 && mask[i - 1] == kEscape && !(i > 1 && mask[i - 2] == kEscape);
}

// Where each literal of the mask stands in a text, so that splitting a long text into many
// fields looks each one up instead of searching the text again.
class TLiteralIndex {
 public:
  TLiteralIndex(const std::u32string& text, const std::vector<char32_t>& literals) {
    for (size_t i = 0; i < text.size(); ++i)
      if (std::binary_search(literals.begin(), literals.end(), text[i])) at_[text[i]].push_back(i);
  }
  // The first ch at or after from.
  size_t Find(char32_t ch, size_t from) const {
    const std::vector<size_t>* v = Of(ch);
    if (!v) return std::u32string::npos;
    auto it = std::lower_bound(v->begin(), v->end(), from);
    return it == v->end() ? std::u32string::npos : *it;
  }
  // The last ch at or before last.
  size_t ReverseFind(char32_t ch, size_t last) const {
    const std::vector<size_t>* v = Of(ch);
    if (!v) return std::u32string::npos;
    auto it = std::upper_bound(v->begin(), v->end(), last);
    return it == v->begin() ? std::u32string::npos : *(it - 1);
  }

 private:
  const std::vector<size_t>* Of(char32_t ch) const {
    auto it = at_.find(ch);
    return it == at_.end() ? nullptr : &it->second;
  }
  std::unordered_map<char32_t, std::vector<size_t>> at_;
};

}  // namespace

TEditMask::TEditMask(const std::string& mask) : mask_(mask) { Parse(Utf8ToCodePoints(mask)); }

void TEditMask::Parse(const std::u32string& mask) {
  // The save and blank fields sit among the last four characters, after an unescaped ";".
  size_t body = mask.size();
  for (size_t i = mask.size() >= 4 ? mask.size() - 4 : 0; i < mask.size(); ++i) {
    if (mask[i] == kFieldSeparator && !Escaped(mask, i)) {
      body = i;
      break;
    }
  }
  if (body + 1 < mask.size()) save_literals_ = mask[body + 1] != U'0';
  if (body + 3 < mask.size() && mask[body + 2] == kFieldSeparator) blank_ = mask[body + 3];

  TFormatSettings fs = FormatSettings();
  TMaskCase mode = TMaskCase::mcNone;
  for (size_t i = 0; i < body; ++i) {
    char32_t c = mask[i];
    TMaskPosition p;
    p.Case = mode;
    switch (c) {
      case U'\\':
        if (i + 1 < body) {
          p.Literal = true;
          p.Char = mask[++i];
          positions_.push_back(p);
        }
        continue;
      case U'!': reverse_ = true; continue;
      case U'>': mode = TMaskCase::mcUpper; continue;
      case U'<':
        if (i + 1 < body && mask[i + 1] == U'>') {
          ++i;
          mode = TMaskCase::mcNone;
        } else {
          mode = TMaskCase::mcLower;
        }
        continue;
      case U':': p.Literal = true; p.Char = static_cast<unsigned char>(fs.TimeSeparator); break;
      case U'/': p.Literal = true; p.Char = static_cast<unsigned char>(fs.DateSeparator); break;
      case U'L': case U'A': case U'C': case U'0': p.Char = c; p.Required = true; break;
      case U'l': case U'a': case U'c': case U'9': case U'#': p.Char = c; break;
      default: p.Literal = true; p.Char = c; break;
    }
    positions_.push_back(p);
  }
  next_literal_.assign(positions_.size() + 1, Size());
  for (size_t i = positions_.size(); i-- > 0;)
    next_literal_[i] = positions_[i].Literal ? static_cast<int>(i) : next_literal_[i + 1];
  for (const TMaskPosition& p : positions_)
    if (p.Literal) literal_chars_.push_back(p.Char);
  std::sort(literal_chars_.begin(), literal_chars_.end());
  literal_chars_.erase(std::unique(literal_chars_.begin(), literal_chars_.end()), literal_chars_.end());
}

int TEditMask::NextInput(int pos) const {
  pos = std::max(pos, 0);
  while (pos < Size() && !IsInput(pos)) ++pos;
  return std::min(pos, Size());
}

bool TEditMask::HasLiteral(char32_t ch) const {
  return std::binary_search(literal_chars_.begin(), literal_chars_.end(), ch);
}

int TEditMask::NextLiteral(int pos) const { return next_literal_[static_cast<size_t>(std::clamp(pos, 0, Size()))]; }

int TEditMask::PriorInput(int pos) const {
  for (int i = std::min(pos, Size()) - 1; i >= 0; --i)
    if (IsInput(i)) return i;
  return -1;
}

bool TEditMask::Accepts(int pos, char32_t& ch) const {
  if (!IsInput(pos) || ch < 32) return false;
  const TMaskPosition& p = positions_[static_cast<size_t>(pos)];
  bool ok = false;
  switch (p.Char) {
    case U'L': case U'l': ok = IsCharAlpha(ch); break;
    case U'A': case U'a': ok = IsCharAlphaNumeric(ch); break;
    case U'C': case U'c': ok = true; break;
    case U'0': case U'9': ok = IsDigit(ch); break;
    case U'#': ok = IsDigit(ch) || ch == U'+' || ch == U'-' || ch == U' '; break;
    default: break;
  }
  if (ok) ch = CaseOf(ch, p.Case);
  return ok;
}

std::u32string TEditMask::EmptyEditText() const { return EditTextFromRaw(U""); }

std::u32string TEditMask::RawOf(const std::u32string& editText) const {
  std::u32string raw;
  for (int i = 0; i < Size() && i < static_cast<int>(editText.size()); ++i)
    if (IsInput(i)) raw += editText[static_cast<size_t>(i)];
  return raw;
}

std::u32string TEditMask::LeftAligned(const std::u32string& raw) const {
  std::u32string out;
  size_t next = 0;
  for (const TMaskPosition& p : positions_) {
    if (p.Literal)
      out += p.Char;
    else
      out += next < raw.size() ? raw[next++] : blank_;
  }
  return out;
}

std::u32string TEditMask::RightAligned(const std::u32string& raw) const {
  std::u32string out(positions_.size(), blank_);
  size_t left = raw.size();
  for (size_t i = positions_.size(); i-- > 0;) {
    const TMaskPosition& p = positions_[i];
    if (p.Literal)
      out[i] = p.Char;
    else if (left > 0)
      out[i] = raw[--left];
  }
  return out;
}

std::u32string TEditMask::BlankedSpaces(std::u32string editText) const {
  // A space typed or set where a character is optional shows as the blank, except where any
  // character (a space too) may stand.
  for (int i = 0; i < Size(); ++i) {
    const TMaskPosition& p = positions_[static_cast<size_t>(i)];
    if (!p.Literal && editText[static_cast<size_t>(i)] == U' ' && p.Char != U'C' && p.Char != U'c')
      editText[static_cast<size_t>(i)] = blank_;
  }
  return editText;
}

std::u32string TEditMask::EditTextFromRaw(const std::u32string& raw) const {
  return BlankedSpaces(reverse_ ? RightAligned(raw) : LeftAligned(raw));
}

std::u32string TEditMask::TextOf(const std::u32string& editText) const {
  if (!save_literals_) return ValueOf(editText);
  std::u32string out = editText;
  for (int i = 0; i < Size() && i < static_cast<int>(out.size()); ++i)
    if (IsInput(i) && out[static_cast<size_t>(i)] == blank_) out[static_cast<size_t>(i)] = U' ';
  return out;
}

std::u32string TEditMask::ValueOf(const std::u32string& editText) const {
  std::u32string raw = RawOf(editText);
  if (reverse_) {
    size_t first = raw.find_first_not_of(blank_);
    raw.erase(0, first == std::u32string::npos ? raw.size() : first);
  } else {
    size_t last = raw.find_last_not_of(blank_);
    raw.erase(last == std::u32string::npos ? 0 : last + 1);
  }
  std::replace(raw.begin(), raw.end(), blank_, U' ');
  return raw;
}

std::u32string TEditMask::EditTextOf(const std::u32string& text) const {
  if (!save_literals_) return EditTextFromRaw(text);
  // Each literal of the mask ends a run of places (the end of the mask ends the last one).
  std::vector<int> ends;
  for (int i = 0; i < Size(); ++i)
    if (positions_[static_cast<size_t>(i)].Literal) ends.push_back(i);
  ends.push_back(Size());
  std::u32string out = Normalized(U"");
  const TLiteralIndex literals(text, literal_chars_);
  // A field too long for its places is cut; a short one leaves its blanks at the end of its
  // run, or at the start with "!".
  auto place = [&](int first, int last, std::u32string field) {
    size_t places = static_cast<size_t>(last - first);
    if (field.size() > places) field = reverse_ ? field.substr(field.size() - places) : field.substr(0, places);
    size_t at = reverse_ ? static_cast<size_t>(last) - field.size() : static_cast<size_t>(first);
    out.replace(at, field.size(), field);
  };
  if (!reverse_) {
    size_t from = 0;
    int first = 0;
    for (int end : ends) {
      size_t stop = end < Size() ? literals.Find(positions_[static_cast<size_t>(end)].Char, from) : std::u32string::npos;
      size_t next = stop + 1;
      if (stop == std::u32string::npos) {
        // Without its literal in the text, a field takes as many characters as it has places.
        stop = next = std::min(text.size(), from + static_cast<size_t>(end - first));
      }
      place(first, end, text.substr(from, stop - from));
      from = next;
      first = end + 1;
    }
  } else {
    // Fields are matched from the end, so that a short text fills the last fields.
    size_t to = text.size();
    for (size_t k = ends.size(); k-- > 0;) {
      int first = k > 0 ? ends[k - 1] + 1 : 0;
      size_t literal = k > 0 && to > 0 ? literals.ReverseFind(positions_[static_cast<size_t>(ends[k - 1])].Char, to - 1) : std::u32string::npos;
      size_t start = literal + 1;
      if (literal == std::u32string::npos) literal = start = to - std::min(to, static_cast<size_t>(ends[k] - first));
      place(first, ends[k], text.substr(start, to - start));
      to = literal;
    }
  }
  return BlankedSpaces(out);
}

std::u32string TEditMask::Normalized(const std::u32string& editText) const {
  std::u32string out(positions_.size(), blank_);
  for (size_t i = 0; i < positions_.size(); ++i)
    out[i] = positions_[i].Literal ? positions_[i].Char : i < editText.size() ? editText[i] : blank_;
  return out;
}

int TEditMask::FirstIncomplete(const std::u32string& editText) const {
  if (editText.empty()) return -1;
  for (int i = 0; i < Size(); ++i) {
    const TMaskPosition& p = positions_[static_cast<size_t>(i)];
    if (p.Literal || !p.Required) continue;
    char32_t c = i < static_cast<int>(editText.size()) ? editText[static_cast<size_t>(i)] : blank_;
    if (c == blank_ || (c == U' ' && p.Char != U'C')) return i;
  }
  return -1;
}

TMaskedText::TMaskedText(const TEditMask& mask) : mask_(mask), text_(mask.EmptyEditText()) { SetCursor(0); }

void TMaskedText::SetEditText(const std::u32string& text) {
  text_ = mask_.Normalized(text);
  Select(std::min(anchor_, mask_.Size()), std::min(caret_, mask_.Size()));
}

void TMaskedText::Select(int anchor, int caret) {
  anchor_ = std::clamp(anchor, 0, mask_.Size());
  caret_ = std::clamp(caret, 0, mask_.Size());
  sel_start_ = std::min(anchor_, caret_);
  sel_length_ = std::abs(caret_ - anchor_);
}

void TMaskedText::SetSelection(int start, int length) { Select(start, start + std::max(length, 0)); }

void TMaskedText::SetCursor(int pos) {
  pos = mask_.NextInput(pos);
  if (pos >= mask_.Size())
    Select(mask_.Size(), mask_.Size());
  else
    Select(pos, pos + 1);
}

void TMaskedText::BlankRange(int from, int to) {
  for (int i = std::max(from, 0); i < std::min(to, mask_.Size()); ++i)
    if (mask_.IsInput(i)) text_[static_cast<size_t>(i)] = mask_.Blank();
}

int TMaskedText::ClearWideSelection() {
  if (sel_length_ > 1) BlankRange(sel_start_, sel_start_ + sel_length_);
  return mask_.NextInput(sel_start_);
}

bool TMaskedText::TypeChar(char32_t ch) {
  int pos = ClearWideSelection();
  if (pos >= mask_.Size()) {
    SetCursor(pos);
    return false;
  }
  char32_t c = ch;
  if (mask_.Accepts(pos, c)) {
    text_[static_cast<size_t>(pos)] = c;
    SetCursor(pos + 1);
    return true;
  }
  int after = PastLiteral(pos, ch);
  SetCursor(after < 0 ? pos : after);
  return after >= 0;
}

int TMaskedText::PastLiteral(int pos, char32_t ch) const {
  pos = mask_.NextLiteral(pos);
  return pos < mask_.Size() && mask_.Position(pos).Char == ch ? pos + 1 : -1;
}

bool TMaskedText::Backspace() {
  if (sel_length_ > 1) {
    BlankRange(sel_start_, sel_start_ + sel_length_);
    SetCursor(sel_start_);
    return true;
  }
  int prior = mask_.PriorInput(sel_start_);
  if (prior < 0) return false;
  text_[static_cast<size_t>(prior)] = mask_.Blank();
  SetCursor(prior);
  return true;
}

bool TMaskedText::Delete() {
  if (sel_length_ > 1) {
    BlankRange(sel_start_, sel_start_ + sel_length_);
    SetCursor(sel_start_);
    return true;
  }
  int pos = sel_start_;
  if (!mask_.IsInput(pos)) return false;
  text_[static_cast<size_t>(pos)] = mask_.Blank();
  SetCursor(pos);
  return true;
}

bool TMaskedText::Paste(const std::u32string& text) {
  BlankRange(sel_start_, sel_start_ + sel_length_);
  int pos = sel_start_;
  bool all = true;
  for (size_t k = 0; k < text.size();) {
    if (pos >= mask_.Size()) {
      all = false;
      break;
    }
    char32_t c = text[k];
    if (!mask_.IsInput(pos)) {
      // The text's own literals line up with the mask's; other characters go to the next input.
      if (mask_.Position(pos).Char == c) ++k;
      ++pos;
      continue;
    }
    ++k;
    if (mask_.Accepts(pos, c)) {
      text_[static_cast<size_t>(pos++)] = c;
    } else if (int after = PastLiteral(pos, c); after >= 0) {
      pos = after;
    } else if (mask_.HasLiteral(c)) {
      // Copied text carries the mask's literals where this paste does not expect them.
      continue;
    } else {
      all = false;
      break;
    }
  }
  SetCursor(pos);
  return all;
}

void TMaskedText::MoveLeft(bool extend) {
  if (extend) {
    Select(anchor_, caret_ - 1);
    return;
  }
  int prior = mask_.PriorInput(sel_start_);
  SetCursor(prior < 0 ? sel_start_ : prior);
}

void TMaskedText::MoveRight(bool extend) {
  if (extend) {
    Select(anchor_, caret_ + 1);
    return;
  }
  SetCursor(sel_length_ > 1 ? sel_start_ + sel_length_ : sel_start_ + 1);
}

void TMaskedText::MoveHome(bool extend) {
  if (extend)
    Select(anchor_, 0);
  else
    SetCursor(0);
}

void TMaskedText::MoveEnd(bool extend) {
  if (extend)
    Select(anchor_, mask_.Size());
  else
    SetCursor(mask_.Size());
}

void TMaskedText::Clear() {
  text_ = mask_.EmptyEditText();
  SetCursor(0);
}

}  // namespace hd

// The platform's edit masks and the editing of masked text, without a widget.
//
// A mask "body[;save[;blank]]" gives each position of the edit text: a literal the user does
// not type, or a place for one character of a kind (L l letter, A a letter or digit, C c any,
// 0 9 digit, # digit or sign; upper case letters are required, lower case and # optional).
// In the body, ">" upper-cases and "<" lower-cases what follows ("<>" ends either), "\" makes
// the next character a literal, ":" and "/" stand for the locale's time and date separators
// and "!" moves the blanks of the text to its start. The save field "0" leaves the literals out
// of Text; the blank field is the character shown for an empty position ("_" by default).
#pragma once

#include <string>
#include <vector>

#include "platform/exceptions.h"

namespace hd {

// Raised by ValidateEdit when a required position is empty: "Invalid input value".
class EDBEditError : public Exception {
 public:
  using Exception::Exception;
};

enum class TMaskCase { mcNone, mcUpper, mcLower };

struct TMaskPosition {
  bool Literal = false;
  // The literal (separators resolved) or the mask letter of an input position.
  char32_t Char = 0;
  bool Required = false;
  TMaskCase Case = TMaskCase::mcNone;
};

class TEditMask {
 public:
  TEditMask() = default;
  // Parses the mask with the locale's separators as they are now.
  explicit TEditMask(const std::string& mask);

  const std::string& Mask() const { return mask_; }
  bool IsMasked() const { return !positions_.empty(); }
  // Characters in the edit text.
  int Size() const { return static_cast<int>(positions_.size()); }
  const TMaskPosition& Position(int i) const { return positions_.at(static_cast<size_t>(i)); }
  bool SaveLiterals() const { return save_literals_; }
  char32_t Blank() const { return blank_; }
  bool Reverse() const { return reverse_; }

  bool IsInput(int pos) const { return pos >= 0 && pos < Size() && !positions_[static_cast<size_t>(pos)].Literal; }
  // The first input position at or after pos; Size() when there is none.
  int NextInput(int pos) const;
  // The last input position before pos; -1 when there is none.
  int PriorInput(int pos) const;

  bool HasLiteral(char32_t ch) const;
  // The first literal position at or after pos; Size() when there is none.
  int NextLiteral(int pos) const;
  // Whether ch may stand at the input position; on success ch carries the position's case.
  bool Accepts(int pos, char32_t& ch) const;

  // The edit text of an empty field.
  std::u32string EmptyEditText() const;
  // Text as the program reads it: with save literals the edit text with blanks as spaces;
  // without, its value.
  std::u32string TextOf(const std::u32string& editText) const;
  // The typed characters only: the blanks at the end (at the start with "!") left out and the
  // others as spaces.
  std::u32string ValueOf(const std::u32string& editText) const;
  // The edit text for a Text set by code. With save literals the text's literals split it into
  // fields, each placed into its part of the mask; without, the characters fill the input
  // positions. "!" fills from the end and leaves a short field's blanks at its start. Spaces
  // become blanks.
  std::u32string EditTextOf(const std::u32string& text) const;
  // The typed characters of an edit text, for carrying a value into another mask.
  std::u32string RawOf(const std::u32string& editText) const;
  // The edit text holding raw characters in the input positions.
  std::u32string EditTextFromRaw(const std::u32string& raw) const;
  // An edit text of the mask's size with the mask's literals in their places; missing
  // characters are blanks.
  std::u32string Normalized(const std::u32string& editText) const;
  // The first required position left empty (a blank, or a space where only "C" allows one);
  // -1 when the edit text is complete. An empty edit text counts as complete.
  int FirstIncomplete(const std::u32string& editText) const;

 private:
  void Parse(const std::u32string& mask);
  std::u32string LeftAligned(const std::u32string& raw) const;
  std::u32string RightAligned(const std::u32string& raw) const;
  std::u32string BlankedSpaces(std::u32string editText) const;

  std::string mask_;
  std::vector<TMaskPosition> positions_;
  // Looked up once per pasted character, so a long paste into a long mask stays linear.
  std::vector<int> next_literal_;
  std::vector<char32_t> literal_chars_;  // sorted, each once
  bool save_literals_ = true;
  char32_t blank_ = U'_';
  bool reverse_ = false;
};

// A masked edit's text and selection, in characters, and what keys and the clipboard do to
// them. The caret rests on an input position with that one character selected, as the
// platform's masked edit shows it; at the end of the text nothing is selected.
class TMaskedText {
 public:
  explicit TMaskedText(const TEditMask& mask);

  const TEditMask& Mask() const { return mask_; }
  const std::u32string& EditText() const { return text_; }
  void SetEditText(const std::u32string& text);
  int SelStart() const { return sel_start_; }
  int SelLength() const { return sel_length_; }
  // A selection set from outside (mouse, code): the anchor at start, the caret at its end.
  void SetSelection(int start, int length);
  void SelectRange(int anchor, int caret) { Select(anchor, caret); }
  int Anchor() const { return anchor_; }
  int Caret() const { return caret_; }

  // The caret onto an input position at or after pos.
  void SetCursor(int pos);
  // Typing: false when the character fits neither the position nor the next literal (the
  // caller beeps). A selection of more than one character is cleared first.
  bool TypeChar(char32_t ch);
  // Backspace blanks the input position before the caret, Delete the one under it, both the
  // whole selection when more than one character is selected. False when nothing changed.
  bool Backspace();
  bool Delete();
  // Pastes over the selection from the caret on, literals in the text matched against those
  // of the mask; stops at the first character that does not fit and answers false then.
  bool Paste(const std::u32string& text);
  // Caret keys: Left and Right skip the literals; with extend they grow the selection.
  void MoveLeft(bool extend);
  void MoveRight(bool extend);
  void MoveHome(bool extend);
  void MoveEnd(bool extend);
  // Blanks every input position.
  void Clear();

 private:
  void Select(int anchor, int caret);
  void BlankRange(int from, int to);
  // Blanks a selection of more than one character; answers where typing goes on.
  int ClearWideSelection();
  // A character that is the next literal after pos moves on past it ("1/" starts the next
  // field of a date): the position after that literal, or -1.
  int PastLiteral(int pos, char32_t ch) const;

  TEditMask mask_;
  std::u32string text_;
  // The selection runs from the anchor to the caret; at rest the caret is one past the anchor.
  int anchor_ = 0;
  int caret_ = 0;
  int sel_start_ = 0;
  int sel_length_ = 0;
};

}  // namespace hd

// The native window of the edit controls: a line edit for one line, a plain text edit for
// the multi-line style. Positions are the platform's character indexes: characters of the
// text, each line break counting as the two characters CR LF; points are in the widget's
// coordinates, which are the control's client coordinates.
#pragma once

#include <QWidget>

#include <optional>
#include <string>

#include "platform/controls.h"

namespace hd {

class QtEditBox {
 public:
  virtual ~QtEditBox() = default;
  virtual QWidget* Widget() = 0;
  virtual bool Multiline() const = 0;

  // Lines joined by CR LF.
  virtual std::string Text() const = 0;
  // Replaces the text; CR LF, CR and LF all break lines. Not undoable.
  virtual void SetText(const std::string& text) = 0;
  virtual int Length() const = 0;

  // The selection runs from the anchor to the caret.
  virtual int Anchor() const = 0;
  virtual int Caret() const = 0;
  virtual void Select(int anchor, int caret) = 0;
  virtual std::string SelectedText() const = 0;
  // Replaces the selection as typing does (undoable); the caret goes after the new text.
  virtual void Insert(const std::string& text) = 0;
  // Backspace: the selection, or the character before the caret.
  virtual void DeleteBack() = 0;
  virtual void DeleteSelection() = 0;
  virtual void Undo() = 0;

  virtual void SetReadOnly(bool v) = 0;
  virtual void SetFrame(bool v) = 0;

  // Lines as shown: a wrapped line counts as several.
  virtual int LineCount() const = 0;
  virtual int LineFromChar(int index) const = 0;
  // The index of the line's first character; -1 when there is no such line.
  virtual int LineIndex(int line) const = 0;
  // The top-left corner of the character; nullopt past the last character.
  virtual std::optional<TPoint> PosFromChar(int index) const = 0;
  // The character nearest to the point.
  virtual int CharFromPos(TPoint p) const = 0;
  // The rectangle the text is laid out in.
  virtual TRect FormatRect() const = 0;
  virtual void SetFormatRect(const TRect& r) = 0;
  virtual void ScrollCaret() = 0;
};

// How a new box is made: from the edit's style bits.
struct QtEditBoxStyle {
  bool multiline = false;
  bool wordWrap = false;
  bool password = false;
  TAlignment alignment = taLeftJustify;
  bool horzBar = false;
  bool vertBar = false;
};

// A new box; its widget belongs to whoever takes it (the control's native window).
QtEditBox* MakeEditBox(const QtEditBoxStyle& style);
// The box of a control's window, or null.
QtEditBox* EditBoxOf(const TControl* control);

// The platform's index of a position in Qt's text (UTF-16 units, one unit per line break),
// and back; an index inside a CR LF or a surrogate pair goes to the position before it.
int IndexOfPosition(const QString& plain, int pos);
int PositionOfIndex(const QString& plain, int index);

}  // namespace hd

#include "platform/qt/qt_edit_box.h"

#include <QAbstractTextDocumentLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

#include "platform/edit_paint.h"
#include "platform/qt/qt_bitmap.h"
#include "platform/qt/qt_native.h"
#include "platform/qt/qt_std_ctrls_p.h"
#include "platform/std_ctrls.h"

namespace hd {

int IndexOfPosition(const QString& plain, int pos) {
  int index = 0;
  for (int i = 0; i < std::min(pos, static_cast<int>(plain.size())); ++i) {
    QChar c = plain.at(i);
    if (c.isLowSurrogate()) continue;
    index += c == QLatin1Char('\n') ? 2 : 1;
  }
  return index;
}

int PositionOfIndex(const QString& plain, int index) {
  int counted = 0, i = 0;
  while (i < plain.size()) {
    QChar c = plain.at(i);
    int width = c == QLatin1Char('\n') ? 2 : 1;
    if (counted + width > index) break;
    counted += width;
    i += (c.isHighSurrogate() && i + 1 < plain.size()) ? 2 : 1;
  }
  return i;
}

namespace {

QString LinesOf(const std::string& text) {
  QString s = ToQString(text);
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

std::string PlatformText(QString s) {
  s.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return FromQString(s);
}

Qt::Alignment QtAlignment(TAlignment a) {
  return a == taCenter ? Qt::AlignHCenter : a == taRightJustify ? Qt::AlignRight : Qt::AlignLeft;
}

// One line: the widget's own text holds the edit's text as it is.
constexpr const char* kPaintsOverProperty = "hdPaintsOver";

class QtLineEditBox : public QLineEdit, public QtEditBox {
 public:
  // The face, then, when asked for, what the edit draws over it on a clear canvas.
  void paintEvent(QPaintEvent* e) override {
    QLineEdit::paintEvent(e);
    if (!property(kPaintsOverProperty).toBool() || width() <= 0 || height() <= 0) return;
    TControl* owner = ControlOfWidget(this);
    if (!owner) return;
    TBitmap over(width(), height());
    over.SetPixelFormat(pf32bit);
    BitmapImage(over).fill(Qt::transparent);
    SendMessage(owner->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(&over.Canvas()), 0);
    QPainter painter(this);
    painter.drawImage(0, 0, BitmapImage(over));
  }

  explicit QtLineEditBox(const QtEditBoxStyle& style) {
    setMaxLength(32767);
    setAlignment(QtAlignment(style.alignment) | Qt::AlignVCenter);
    if (style.password) setEchoMode(QLineEdit::Password);
  }
  QWidget* Widget() override { return this; }
  bool Multiline() const override { return false; }
  std::string Text() const override { return FromQString(text()); }
  void SetText(const std::string& t) override { setText(ToQString(t)); }
  int Length() const override { return IndexOfPosition(text(), static_cast<int>(text().size())); }
  int Anchor() const override {
    if (!hasSelectedText()) return Caret();
    int start = selectionStart(), end = start + static_cast<int>(selectedText().size());
    return IndexOfPosition(text(), cursorPosition() == start ? end : start);
  }
  int Caret() const override { return IndexOfPosition(text(), cursorPosition()); }
  void Select(int anchor, int caret) override {
    int a = PositionOfIndex(text(), std::max(anchor, 0)), c = PositionOfIndex(text(), std::max(caret, 0));
    if (a == c) {
      deselect();
      setCursorPosition(c);
    } else {
      setSelection(a, c - a);
    }
  }
  std::string SelectedText() const override { return FromQString(selectedText()); }
  void Insert(const std::string& t) override { insert(ToQString(t)); }
  void DeleteBack() override { backspace(); }
  void DeleteSelection() override { del(); }
  void Undo() override { undo(); }
  void SetReadOnly(bool v) override { setReadOnly(v); }
  void SetFrame(bool v) override { setFrame(v); }
  int LineCount() const override { return 1; }
  int LineFromChar(int) const override { return 0; }
  int LineIndex(int line) const override { return line == 0 ? 0 : -1; }
  std::optional<TPoint> PosFromChar(int index) const override {
    if (index < 0) return std::nullopt;
    // Past the end of its one line the edit answers the point just after the text, where the
    // next character would go (the cells' error underline measures up to there).
    index = std::min(index, Length());
    auto* self = const_cast<QtLineEditBox*>(this);
    // The line's place inside the widget is settled when it paints; one not shown yet renders
    // a pixel of itself first, so that it answers as it will once shown.
    self->grab(QRect(0, 0, 1, 1));
    // The line edit tells the caret's rectangle only: the caret visits the character.
    int anchor = Anchor(), caret = Caret();
    self->setCursorPosition(PositionOfIndex(text(), index));
    QRect r = cursorRect();
    self->Select(anchor, caret);
    // The caret stands in the middle of its rectangle, which is an even number of pixels wide.
    return TPoint{r.left() + r.width() / 2, r.top()};
  }
  int CharFromPos(TPoint p) const override {
    return IndexOfPosition(text(), const_cast<QtLineEditBox*>(this)->cursorPositionAt(QPoint(p.X, p.Y)));
  }
  TRect FormatRect() const override {
    QRect r = contentsRect().marginsRemoved(textMargins());
    return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
  }
  void SetFormatRect(const TRect& r) override {
    QRect c = contentsRect();
    setTextMargins(std::max(0, r.Left - c.left()), std::max(0, r.Top - c.top()),
                   std::max(0, c.right() + 1 - r.Right), std::max(0, c.bottom() + 1 - r.Bottom));
  }
  void ScrollCaret() override {}
};

// Several lines: the document's blocks are the lines; wrapping shows a block as several.
class QtTextEditBox : public QPlainTextEdit, public QtEditBox {
 public:
  explicit QtTextEditBox(const QtEditBoxStyle& style) {
    setLineWrapMode(style.wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(QtAlignment(style.alignment));
    option.setWrapMode(style.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    document()->setDefaultTextOption(option);
    setHorizontalScrollBarPolicy(style.horzBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(style.vertBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(false);
  }
  QWidget* Widget() override { return this; }
  bool Multiline() const override { return true; }
  std::string Text() const override { return PlatformText(Plain()); }
  void SetText(const std::string& t) override { setPlainText(LinesOf(t)); }
  int Length() const override {
    QString p = Plain();
    return IndexOfPosition(p, static_cast<int>(p.size()));
  }
  int Anchor() const override { return IndexOfPosition(Plain(), textCursor().anchor()); }
  int Caret() const override { return IndexOfPosition(Plain(), textCursor().position()); }
  void Select(int anchor, int caret) override {
    QString p = Plain();
    QTextCursor c = textCursor();
    c.setPosition(PositionOfIndex(p, std::max(anchor, 0)));
    c.setPosition(PositionOfIndex(p, std::max(caret, 0)), QTextCursor::KeepAnchor);
    setTextCursor(c);
  }
  std::string SelectedText() const override {
    QString s = textCursor().selectedText();
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return PlatformText(s);
  }
  // Like the platform's edit, a change made at the caret scrolls the caret into view.
  void Insert(const std::string& t) override {
    insertPlainText(LinesOf(t));
    ensureCursorVisible();
  }
  void DeleteBack() override {
    QTextCursor c = textCursor();
    c.deletePreviousChar();
    setTextCursor(c);
    ensureCursorVisible();
  }
  void DeleteSelection() override {
    QTextCursor c = textCursor();
    c.removeSelectedText();
    setTextCursor(c);
    ensureCursorVisible();
  }
  void Undo() override { undo(); }
  void SetReadOnly(bool v) override {
    setReadOnly(v);
    // Read-only text still shows and moves its caret, as on the platform.
    setTextInteractionFlags(v ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard : Qt::TextEditorInteraction);
  }
  void SetFrame(bool v) override { setFrameStyle(v ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame); }

  int LineCount() const override {
    int lines = 0;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) lines += LinesIn(b);
    return lines;
  }
  int LineFromChar(int index) const override {
    int pos = PositionOfIndex(Plain(), index);
    int line = 0;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
      int n = LinesIn(b);
      if (pos < b.position() + b.length() || !b.next().isValid()) {
        QTextLine l = b.layout()->lineForTextPosition(std::clamp(pos - b.position(), 0, b.length() - 1));
        return line + (l.isValid() ? l.lineNumber() : 0);
      }
      line += n;
    }
    return std::max(line - 1, 0);
  }
  int LineIndex(int line) const override {
    if (line < 0) return -1;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
      int n = LinesIn(b);
      if (line < n) {
        QTextLine l = b.layout()->lineAt(line);
        return IndexOfPosition(Plain(), b.position() + (l.isValid() ? l.textStart() : 0));
      }
      line -= n;
    }
    return -1;
  }
  std::optional<TPoint> PosFromChar(int index) const override {
    QString p = Plain();
    if (index < 0 || index >= IndexOfPosition(p, static_cast<int>(p.size()))) return std::nullopt;
    int pos = PositionOfIndex(p, index);
    QTextBlock block = document()->findBlock(pos);
    // The view places its first shown block; the others lie the heights of the blocks
    // between away (the view's own answer only guesses at blocks a screen off).
    QTextBlock top = firstVisibleBlock();
    QPointF at = contentOffset();
    if (block.blockNumber() >= top.blockNumber()) {
      for (QTextBlock b = top; b.isValid() && b != block; b = b.next()) at.ry() += blockBoundingRect(b).height();
    } else {
      for (QTextBlock b = top.previous(); b.isValid(); b = b.previous()) {
        at.ry() -= blockBoundingRect(b).height();
        if (b == block) break;
      }
    }
    LinesIn(block);
    QTextLayout* layout = block.layout();
    QTextLine line = layout->lineForTextPosition(pos - block.position());
    at += layout->position();
    if (line.isValid()) at += QPointF(line.cursorToX(pos - block.position()), line.y());
    QPoint inWidget = viewport()->mapTo(this, at.toPoint());
    return TPoint{inWidget.x(), inWidget.y()};
  }
  int CharFromPos(TPoint p) const override {
    QPoint in = viewport()->mapFrom(this, QPoint(p.X, p.Y));
    return IndexOfPosition(Plain(), cursorForPosition(in).position());
  }
  TRect FormatRect() const override {
    QRect v = viewport()->geometry();
    int m = static_cast<int>(document()->documentMargin());
    return Rect(v.left() + m, v.top() + m, v.right() + 1 - m, v.bottom() + 1 - m);
  }
  void SetFormatRect(const TRect& r) override {
    QRect c = contentsRect();
    document()->setDocumentMargin(0);
    setViewportMargins(std::max(0, r.Left - c.left()), std::max(0, r.Top - c.top()),
                       std::max(0, c.right() + 1 - r.Right), std::max(0, c.bottom() + 1 - r.Bottom));
  }
  void ScrollCaret() override { ensureCursorVisible(); }

 private:
  QString Plain() const { return document()->toPlainText(); }
  // A block's lines, laid out first when the layout has not reached it yet.
  int LinesIn(const QTextBlock& b) const {
    if (b.layout()->lineCount() == 0) document()->documentLayout()->blockBoundingRect(b);
    return std::max(1, b.layout()->lineCount());
  }
};

}  // namespace

QtEditBox* MakeEditBox(const QtEditBoxStyle& style) {
  if (style.multiline) return new QtTextEditBox(style);
  return new QtLineEditBox(style);
}

void SetEditPaintsOver(TCustomEdit& Edit, bool On) {
  if (!Edit.HandleAllocated() && !Edit.Destroying()) Edit.HandleNeeded();
  if (QtEditBox* box = EditBoxOf(&Edit)) {
    box->Widget()->setProperty(kPaintsOverProperty, On);
    box->Widget()->update();
  }
}

bool EditPaintsOver(const TCustomEdit& Edit) {
  QtEditBox* box = EditBoxOf(&Edit);
  return box && box->Widget()->property(kPaintsOverProperty).toBool();
}

QtEditBox* EditBoxOf(const TControl* control) {
  TNativeWindow* n = NativeOf(control);
  return n ? dynamic_cast<QtEditBox*>(n->widget) : nullptr;
}

}  // namespace hd

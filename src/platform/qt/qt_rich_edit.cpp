// The native side of the rich edit: the memo's text document, whose character formats hold
// the run formats (the names and sizes as the program gave them, beside what Qt draws).
#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/qt/qt_edit_box.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_native.h"
#include "platform/rich_edit.h"

namespace hd {
namespace {

enum : int {
  kPropFace = QTextFormat::UserProperty + 100,
  kPropSize,
  kPropColor,
  kPropOffset,
};

QPlainTextEdit* TextOf(const TRichEdit* edit) {
  QtEditBox* box = EditBoxOf(edit);
  return box ? dynamic_cast<QPlainTextEdit*>(box->Widget()) : nullptr;
}

TRichFormat FormatOf(const QTextCharFormat& q) {
  TRichFormat f;
  f.FontName = q.hasProperty(kPropFace) ? q.stringProperty(kPropFace).toStdString() : std::string();
  f.Size = q.hasProperty(kPropSize) ? q.intProperty(kPropSize) : 0;
  f.Color = q.hasProperty(kPropColor) ? static_cast<TColor>(q.intProperty(kPropColor)) : clNone;
  f.Offset = q.hasProperty(kPropOffset) ? q.intProperty(kPropOffset) : 0;
  if (q.fontWeight() >= QFont::Bold) f.Style.Include(fsBold);
  if (q.fontItalic()) f.Style.Include(fsItalic);
  if (q.fontUnderline()) f.Style.Include(fsUnderline);
  if (q.fontStrikeOut()) f.Style.Include(fsStrikeOut);
  return f;
}

// The Qt format of the fields in Mask.
QTextCharFormat QtFormat(const TRichFormat& f, unsigned mask, const TFont& base) {
  QTextCharFormat q;
  if (mask & CFM_BOLD) q.setFontWeight(f.Style.Contains(fsBold) ? QFont::Bold : QFont::Normal);
  if (mask & CFM_ITALIC) q.setFontItalic(f.Style.Contains(fsItalic));
  if (mask & CFM_UNDERLINE) q.setFontUnderline(f.Style.Contains(fsUnderline));
  if (mask & CFM_STRIKEOUT) q.setFontStrikeOut(f.Style.Contains(fsStrikeOut));
  if (mask & CFM_FACE) {
    q.setProperty(kPropFace, QString::fromStdString(f.FontName));
    q.setFontFamilies({FontFamily(f.FontName.empty() ? base.Name : f.FontName)});
  }
  if (mask & CFM_SIZE) {
    q.setProperty(kPropSize, f.Size);
    int size = f.Size > 0 ? f.Size : base.Size;
    q.setProperty(QTextFormat::FontPixelSize, std::max(1, size * base.PixelsPerInch / 72));
  }
  if (mask & CFM_COLOR) {
    q.setProperty(kPropColor, static_cast<int>(f.Color));
    q.setForeground(ToQColor(f.Color == clNone ? base.Color : f.Color));
  }
  if (mask & CFM_OFFSET) {
    q.setProperty(kPropOffset, f.Offset);
    q.setVerticalAlignment(f.Offset > 0   ? QTextCharFormat::AlignSuperScript
                           : f.Offset < 0 ? QTextCharFormat::AlignSubScript
                                          : QTextCharFormat::AlignNormal);
  }
  return q;
}

// Each fragment of the document between two positions, with its format.
template <typename Visit>
void ForEachFragment(QTextDocument* doc, int from, int to, Visit visit) {
  for (QTextBlock b = doc->findBlock(from); b.isValid() && b.position() < to; b = b.next()) {
    for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
      QTextFragment fr = it.fragment();
      int start = std::max(fr.position(), from), end = std::min(fr.position() + fr.length(), to);
      if (start < end) visit(fr.charFormat());
    }
  }
}

}  // namespace

TNativeWindow* TRichEdit::CreateNativeWindow() {
  TNativeWindow* n = TCustomMemo::CreateNativeWindow();
  if (auto* text = dynamic_cast<QPlainTextEdit*>(n->widget)) {
    QObject::connect(text->document(), &QTextDocument::contentsChanged, text, [this] { RequestResize(); });
    QObject::connect(text, &QPlainTextEdit::selectionChanged, text, [this] {
      if (OnSelectionChange) OnSelectionChange(this);
    });
  }
  return n;
}

TRichText TRichEdit::NativeRichText() const {
  TRichText t;
  QPlainTextEdit* w = TextOf(this);
  if (!w) return rich_;
  QTextDocument* doc = w->document();
  TRichFormat last;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    if (b != doc->begin()) t.Append("\n", last);
    for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
      QTextFragment fr = it.fragment();
      last = FormatOf(fr.charFormat());
      t.Append(fr.text().toStdString(), last);
    }
  }
  return t;
}

void TRichEdit::NativeSetRichText(const TRichText& Text) {
  QPlainTextEdit* w = TextOf(this);
  if (!w) return;
  TNativeUpdate guard(Native());
  QTextDocument* doc = w->document();
  doc->clear();
  QTextCursor c(doc);
  for (const TRichRun& r : Text.Runs) c.insertText(QString::fromStdString(r.Text), QtFormat(r.Format, CFM_ALL, Font()));
  c.setPosition(0);
  w->setTextCursor(c);
}

TRichFormat TRichEdit::NativeSelFormat(unsigned& Mask) const {
  QPlainTextEdit* w = TextOf(this);
  if (!w) return {};
  QTextCursor c = w->textCursor();
  if (!c.hasSelection()) return FormatOf(c.charFormat());
  bool first = true;
  TRichFormat f;
  ForEachFragment(w->document(), c.selectionStart(), c.selectionEnd(), [&](const QTextCharFormat& q) {
    TRichFormat g = FormatOf(q);
    if (first) {
      f = g;
      first = false;
      return;
    }
    auto style = [&](TFontStyle s, unsigned bit) {
      if (f.Style.Contains(s) != g.Style.Contains(s)) Mask &= ~bit;
    };
    style(fsBold, CFM_BOLD);
    style(fsItalic, CFM_ITALIC);
    style(fsUnderline, CFM_UNDERLINE);
    style(fsStrikeOut, CFM_STRIKEOUT);
    if (f.FontName != g.FontName) Mask &= ~CFM_FACE;
    if (f.Size != g.Size) Mask &= ~CFM_SIZE;
    if (f.Color != g.Color) Mask &= ~CFM_COLOR;
    if (f.Offset != g.Offset) Mask &= ~CFM_OFFSET;
  });
  return f;
}

void TRichEdit::NativeSetSelFormat(const TRichFormat& Format, unsigned Mask) {
  QPlainTextEdit* w = TextOf(this);
  if (!w) return;
  QTextCharFormat q = QtFormat(Format, Mask, Font());
  QTextCursor c = w->textCursor();
  if (c.hasSelection())
    c.mergeCharFormat(q);
  else
    w->mergeCurrentCharFormat(q);
  RequestResize();
}

int TRichEdit::NativeTextHeight() const {
  QPlainTextEdit* w = TextOf(this);
  if (!w) return 0;
  QTextDocument* doc = w->document();
  double h = 0;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) h += doc->documentLayout()->blockBoundingRect(b).height();
  return static_cast<int>(h + 2 * doc->documentMargin() + 0.5);
}

}  // namespace hd

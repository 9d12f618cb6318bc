// The native sides of the standard controls: the Qt widgets, their default handling of
// messages, and their signals turned into the platform's notifications.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "platform/forms.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_native.h"
#include "platform/std_ctrls.h"

namespace hd {
namespace {

// Qt counts UTF-16 units; the layer counts characters.
int CharsBefore(const QString& text, int units) {
  units = std::clamp(units, 0, static_cast<int>(text.size()));
  int chars = 0;
  for (int i = 0; i < units; ++i)
    if (!text.at(i).isLowSurrogate()) ++chars;
  return chars;
}

int UnitsOf(const QString& text, int chars) {
  int units = 0, counted = 0;
  while (units < text.size() && counted < chars) {
    units += (text.at(units).isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
    ++counted;
  }
  return units;
}

QString CharText(TKeyChar ch) {
  char32_t c = ch;
  return QString::fromUcs4(&c, 1);
}

// A press takes the focus, as the native controls do, before the widget sees it.
void TakeFocusOnPress(TWinControl* c, const TMessage& m) {
  if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && !c->Focused() && c->CanFocus()) c->SetFocus();
}

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

// Shift+Insert, Ctrl+Insert and Shift+Delete: paste, copy and cut; 0 for other keys.
int ClipboardKeyMessage(int vk, TShiftState shift) {
  if (vk == VK_INSERT && shift == TShiftState{ssShift}) return WM_PASTE;
  if (vk == VK_INSERT && shift == TShiftState{ssCtrl}) return WM_COPY;
  if (vk == VK_DELETE && shift == TShiftState{ssShift}) return WM_CUT;
  return 0;
}

bool YieldsChar(const TMessage& m) {
  return CharFromVirtualKey(static_cast<int>(m.WParam), KeyDataToShiftState(m.LParam)).has_value();
}

// The default handling shared by the native controls.
void NativeDefault(TWinControl* c, TMessage& m, bool forwardCharKeys) {
  TNativeWindow* n = c->Native();
  if (IsMouseMessage(m.Msg)) {
    HWND self = c->Handle();
    TakeFocusOnPress(c, m);
    if (IsWindow(self)) ForwardMouse(c->Native(), m);
    return;
  }
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (forwardCharKeys || !YieldsChar(m)) ForwardKey(n, m);
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      ForwardKey(n, m);
      break;
    case WM_MOUSEWHEEL:
      ForwardWheel(n, m);
      break;
    default:
      break;
  }
}

void SetBaseColor(QWidget* w, TColor color) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, ToQColor(color));
  w->setPalette(p);
}

// A label's text size for auto-sizing.
QSize TextSize(const QFont& font, const QString& text, bool wordWrap, int width) {
  QFontMetrics fm(font);
  if (text.isEmpty()) return {0, fm.height()};
  int flags = wordWrap ? Qt::TextWordWrap : 0;
  QRect r = fm.boundingRect(QRect(0, 0, wordWrap ? std::max(width, 1) : 100000, 100000), flags | Qt::AlignLeft, text);
  return {wordWrap ? width : r.width(), std::max(r.height(), fm.height())};
}

// The widget may outlive its control until Qt deletes it: it finds the control by handle.
class QtComboWidget : public QComboBox {
 public:
  explicit QtComboWidget(TCustomComboBox* owner) : owner_(owner->Handle()) {}
  void showPopup() override {
    Notify(CBN_DROPDOWN);
    QComboBox::showPopup();
  }
  void hidePopup() override {
    QComboBox::hidePopup();
    Notify(CBN_CLOSEUP);
  }

 private:
  void Notify(unsigned code) {
    if (auto* owner = dynamic_cast<TCustomComboBox*>(FindWindowTarget(owner_))) NotifyParent(owner, code);
  }
  HWND owner_;
};

}  // namespace

TCustomLabel::TCustomLabel(TComponent* owner) : TControl(owner) {
  control_style_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  auto* label = new QLabel;
  label->setTextFormat(Qt::PlainText);
  AttachNative(MakeNative(this, label));
  SetBounds(0, 0, 65, 17);
  ApplyLook();
  AdjustBounds();
}

void TCustomLabel::SetAutoSize(bool v) {
  auto_size_ = v;
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment a) {
  alignment_ = a;
  ApplyLook();
}

void TCustomLabel::SetLayout(TTextLayout l) {
  layout_ = l;
  ApplyLook();
}

void TCustomLabel::SetWordWrap(bool v) {
  word_wrap_ = v;
  ApplyLook();
  AdjustBounds();
}

void TCustomLabel::SetTransparent(bool v) {
  transparent_ = v;
  ApplyLook();
}

void TCustomLabel::SetShowAccelChar(bool v) {
  show_accel_char_ = v;
  NativeSetText(text_);
  AdjustBounds();
}

void TCustomLabel::ApplyLook() {
  auto* label = WidgetOf<QLabel>(this);
  if (!label) return;
  Qt::Alignment h = alignment_ == taCenter ? Qt::AlignHCenter : alignment_ == taRightJustify ? Qt::AlignRight : Qt::AlignLeft;
  Qt::Alignment v = layout_ == tlCenter ? Qt::AlignVCenter : layout_ == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
  label->setAlignment(h | v);
  label->setWordWrap(word_wrap_);
  label->setAutoFillBackground(!transparent_);
}

void TCustomLabel::NativeSetText(const std::string& text) {
  if (auto* label = WidgetOf<QLabel>(this)) label->setText(ToQString(show_accel_char_ ? StripAccel(text) : text));
}

void TCustomLabel::NativeSetColor() {
  TControl::NativeSetColor();
  if (Native()) Native()->widget->setAutoFillBackground(!transparent_);
}

void TCustomLabel::NativeSetFont() { TControl::NativeSetFont(); }

void TCustomLabel::AdjustBounds() {
  if (!auto_size_) return;
  QString text = ToQString(show_accel_char_ ? StripAccel(Caption()) : Caption());
  QSize s = TextSize(QtControlFont(Font()), text, word_wrap_, Width());
  int left = Left();
  // A right-aligned label keeps its right edge.
  if (alignment_ == taRightJustify && !word_wrap_) left += Width() - s.width();
  SetBounds(left, Top(), s.width(), s.height());
}

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) {
  control_style_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  auto* label = new QLabel;
  label->setTextFormat(Qt::PlainText);
  AttachNative(MakeNative(this, label));
  SetBounds(0, 0, 65, 17);
  AdjustBounds();
}

void TStaticText::SetAutoSize(bool v) {
  auto_size_ = v;
  AdjustBounds();
}

void TStaticText::SetAlignment(TAlignment a) {
  alignment_ = a;
  if (auto* label = WidgetOf<QLabel>(this))
    label->setAlignment((a == taCenter ? Qt::AlignHCenter : a == taRightJustify ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignTop);
}

void TStaticText::SetBorderStyle(TStaticBorderStyle s) {
  border_style_ = s;
  if (auto* label = WidgetOf<QLabel>(this)) {
    switch (s) {
      case sbsNone: label->setFrameStyle(QFrame::NoFrame); break;
      case sbsSingle: label->setFrameStyle(QFrame::Box | QFrame::Plain); break;
      case sbsSunken: label->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    }
  }
  AdjustBounds();
}

void TStaticText::NativeSetText(const std::string& text) {
  if (auto* label = WidgetOf<QLabel>(this)) label->setText(ToQString(StripAccel(text)));
}

void TStaticText::NativeSetFont() { TWinControl::NativeSetFont(); }

void TStaticText::AdjustBounds() {
  if (!auto_size_) return;
  QSize s = TextSize(QtControlFont(Font()), ToQString(StripAccel(Caption())), false, Width());
  int frame = border_style_ == sbsNone ? 0 : 2;
  SetBounds(Left(), Top(), s.width() + 2 * frame, s.height() + 2 * frame);
}

void TStaticText::DefaultHandler(TMessage& m) {
  if (m.Msg == WM_GETDLGCODE) {
    m.Result = DLGC_STATIC;
    return;
  }
  TWinControl::DefaultHandler(m);
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  control_style_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
  SetTabStop(true);
  SetParentColor(false);
  color_ = clWindow;
  auto* edit = new QLineEdit;
  edit->setMaxLength(32767);
  // Drag and drop and undo of the native widget stay; its own key handling only sees what
  // the layer forwards.
  TNativeWindow* n = MakeNative(this, edit);
  AttachNative(n);
  SetBounds(0, 0, 121, 21);
  QObject::connect(edit, &QLineEdit::textChanged, [this, n](const QString&) {
    if (n->updating == 0) modified_ = true;
    NotifyParent(this, EN_CHANGE);
  });
}

std::string TCustomEdit::Text() const {
  auto* edit = WidgetOf<QLineEdit>(this);
  return edit ? FromQString(edit->text()) : text_;
}

void TCustomEdit::NativeSetText(const std::string& text) {
  auto* edit = WidgetOf<QLineEdit>(this);
  if (!edit) return;
  TNativeUpdate guard(Native());
  edit->setText(ToQString(text));
  modified_ = false;
}

void TCustomEdit::NativeSetColor() {
  TWinControl::NativeSetColor();
  if (auto* edit = WidgetOf<QLineEdit>(this)) SetBaseColor(edit, Color());
}

void TCustomEdit::SetReadOnly(bool v) {
  read_only_ = v;
  if (auto* edit = WidgetOf<QLineEdit>(this)) edit->setReadOnly(v);
}

void TCustomEdit::SetPasswordChar(TKeyChar c) {
  password_char_ = c;
  if (auto* edit = WidgetOf<QLineEdit>(this)) edit->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
}

void TCustomEdit::SetCharCase(TEditCharCase c) { char_case_ = c; }

void TCustomEdit::SetBorderStyle(TBorderStyle s) {
  border_style_ = s;
  if (auto* edit = WidgetOf<QLineEdit>(this)) edit->setFrame(s != bsNone);
}

int TCustomEdit::SelStart() const {
  auto* edit = WidgetOf<QLineEdit>(this);
  if (!edit) return 0;
  int pos = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  return CharsBefore(edit->text(), pos);
}

void TCustomEdit::SetSelStart(int pos) {
  auto* edit = WidgetOf<QLineEdit>(this);
  if (!edit) return;
  edit->deselect();
  edit->setCursorPosition(UnitsOf(edit->text(), std::max(pos, 0)));
}

int TCustomEdit::SelLength() const {
  auto* edit = WidgetOf<QLineEdit>(this);
  if (!edit || !edit->hasSelectedText()) return 0;
  QString t = edit->text();
  int start = edit->selectionStart();
  return CharsBefore(t, start + edit->selectedText().size()) - CharsBefore(t, start);
}

void TCustomEdit::SetSelLength(int len) {
  auto* edit = WidgetOf<QLineEdit>(this);
  if (!edit) return;
  QString t = edit->text();
  int startChars = SelStart();
  int from = UnitsOf(t, startChars), to = UnitsOf(t, startChars + std::max(len, 0));
  edit->setSelection(from, to - from);
}

std::string TCustomEdit::SelText() const {
  auto* edit = WidgetOf<QLineEdit>(this);
  return edit ? FromQString(edit->selectedText()) : std::string();
}

void TCustomEdit::SetSelText(const std::string& text) {
  if (auto* edit = WidgetOf<QLineEdit>(this)) edit->insert(ToQString(text));
}

void TCustomEdit::SelectAll() {
  if (auto* edit = WidgetOf<QLineEdit>(this)) edit->selectAll();
}

void TCustomEdit::ClearSelection() {
  if (auto* edit = WidgetOf<QLineEdit>(this); edit && edit->hasSelectedText() && !read_only_) edit->del();
}

void TCustomEdit::CopyToClipboard() { Perform(WM_COPY); }
void TCustomEdit::CutToClipboard() { Perform(WM_CUT); }
void TCustomEdit::PasteFromClipboard() { Perform(WM_PASTE); }
void TCustomEdit::Undo() { Perform(WM_UNDO); }

void TCustomEdit::InsertTyped(const std::string& text) {
  auto* edit = WidgetOf<QLineEdit>(this);
  if (!edit || read_only_) return;
  QString add = ToQString(text);
  if (char_case_ == ecUpperCase) add = add.toUpper();
  if (char_case_ == ecLowerCase) add = add.toLower();
  if (max_length_ > 0) {
    QString current = edit->text();
    QString selected = edit->selectedText();
    int kept = CharsBefore(current, static_cast<int>(current.size())) -
               CharsBefore(selected, static_cast<int>(selected.size()));
    int room = max_length_ - kept;
    if (room <= 0) return;
    int units = UnitsOf(add, room);
    add = add.left(units);
  }
  if (!add.isEmpty()) edit->insert(add);
}

void TCustomEdit::DefaultHandler(TMessage& m) {
  auto* edit = WidgetOf<QLineEdit>(this);
  if (!edit) return;
  switch (m.Msg) {
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
      return;
    case WM_CHAR: {
      auto ch = static_cast<TKeyChar>(m.WParam);
      switch (ch) {
        case 8: if (!read_only_) edit->backspace(); return;
        case 1: edit->selectAll(); return;
        case 3: Perform(WM_COPY); return;
        case 22: Perform(WM_PASTE); return;
        case 24: Perform(WM_CUT); return;
        case 26: Perform(WM_UNDO); return;
        default: break;
      }
      if (ch >= 32 && ch != 127) InsertTyped(FromQString(CharText(ch)));
      return;
    }
    case WM_COPY: edit->copy(); return;
    case WM_CUT: if (!read_only_) { edit->copy(); edit->del(); } return;
    case WM_CLEAR: if (!read_only_) edit->del(); return;
    case WM_UNDO: if (!read_only_) edit->undo(); return;
    case WM_PASTE: {
      QString clip = QApplication::clipboard()->text();
      // A single-line edit takes the first line.
      int eol = static_cast<int>(clip.indexOf(QRegularExpression("[\r\n]")));
      if (eol >= 0) clip = clip.left(eol);
      InsertTyped(FromQString(clip));
      return;
    }
    case EM_GETSEL: {
      int start = SelStart();
      m.Result = MAKELPARAM(start, start + SelLength());
      return;
    }
    case EM_SETSEL: {
      int from = static_cast<int>(static_cast<std::intptr_t>(m.WParam)), to = static_cast<int>(m.LParam);
      int len = CharsBefore(edit->text(), static_cast<int>(edit->text().size()));
      if (from < 0) { edit->deselect(); return; }
      if (to < 0 || to > len) to = len;
      SetSelStart(std::min(from, to));
      SetSelLength(std::abs(to - from));
      return;
    }
    case WM_KEYDOWN:
      // The platform's edit answers these clipboard keys through its own messages, so that a
      // paste keeps to MaxLength and the first line; the widget's own bindings would not.
      if (int msg = ClipboardKeyMessage(static_cast<int>(m.WParam), KeyDataToShiftState(m.LParam))) {
        Perform(static_cast<UINT>(msg));
        return;
      }
      NativeDefault(this, m, false);
      return;
    case EM_LIMITTEXT: SetMaxLength(static_cast<int>(m.WParam)); return;
    case EM_SETREADONLY: SetReadOnly(m.WParam != 0); m.Result = 1; return;
    case EM_SETPASSWORDCHAR: SetPasswordChar(static_cast<TKeyChar>(m.WParam)); return;
    case EM_LINEFROMCHAR: m.Result = 0; return;
    case EM_CHARFROMPOS: {
      int pos = edit->cursorPositionAt(QPoint(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)));
      m.Result = CharsBefore(edit->text(), pos);
      return;
    }
    default:
      NativeDefault(this, m, false);
  }
}

void TButtonControl::NativeSetText(const std::string& text) {
  if (auto* b = WidgetOf<QAbstractButton>(this)) b->setText(ToQString(text));
}

void TButtonControl::NativeSetColor() {
  TWinControl::NativeSetColor();
  // Of its parent's colour, a check box or radio button is drawn on what its parent painted
  // (a group box's panel among them), as the platform's themed buttons are; a colour of its
  // own fills its bounds.
  if (Native() && ParentColor()) Native()->widget->setAutoFillBackground(false);
}

void TButtonControl::DefaultHandler(TMessage& m) {
  if (m.Msg == WM_GETDLGCODE) {
    m.Result = DLGC_BUTTON | (dynamic_cast<TRadioButton*>(this) ? DLGC_RADIOBUTTON : 0);
    return;
  }
  NativeDefault(this, m, true);
}

namespace {

// The platform's check boxes and radio buttons react to a click anywhere in their bounds,
// not only on the box and its caption text.
template <typename Button>
class TWholeAreaButton : public Button {
 protected:
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

}  // namespace

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
  auto* box = new TWholeAreaButton<QCheckBox>;
  TNativeWindow* n = MakeNative(this, box);
  AttachNative(n);
  SetBounds(0, 0, 97, 17);
  QObject::connect(box, &QCheckBox::clicked, [this, n](bool) {
    if (n->updating == 0) NotifyParent(this, BN_CLICKED);
  });
}

void TCustomCheckBox::PushState() {
  auto* box = WidgetOf<QCheckBox>(this);
  if (!box) return;
  TNativeUpdate guard(Native());
  box->setTristate(allow_grayed_ || state_ == cbGrayed);
  box->setCheckState(state_ == cbChecked ? Qt::Checked : state_ == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
}

void TCustomCheckBox::SetAlignment(TLeftRight a) {
  alignment_ = a;
  if (auto* box = WidgetOf<QCheckBox>(this)) box->setLayoutDirection(a == taLeftSide ? Qt::RightToLeft : Qt::LeftToRight);
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
  SetTabStop(false);
  auto* radio = new TWholeAreaButton<QRadioButton>;
  radio->setAutoExclusive(false);
  TNativeWindow* n = MakeNative(this, radio);
  AttachNative(n);
  SetBounds(0, 0, 113, 17);
  QObject::connect(radio, &QRadioButton::clicked, [this, n](bool) {
    if (n->updating == 0) NotifyParent(this, BN_CLICKED);
  });
}

void TRadioButton::PushState() {
  auto* radio = WidgetOf<QRadioButton>(this);
  if (!radio) return;
  TNativeUpdate guard(Native());
  radio->setChecked(checked_);
}

void TRadioButton::SetAlignment(TLeftRight a) {
  alignment_ = a;
  if (auto* r = WidgetOf<QRadioButton>(this)) r->setLayoutDirection(a == taLeftSide ? Qt::RightToLeft : Qt::LeftToRight);
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
  control_style_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  AttachNative(MakeNative(this, new QGroupBox));
  SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::NativeSetText(const std::string& text) {
  if (auto* g = WidgetOf<QGroupBox>(this)) g->setTitle(ToQString(text));
}

namespace {

// The list box marks the item that has the focus with the platform's focus rectangle: every
// other pixel of its outline inverted, so it shows on the selection as on the window colour.
// The style's own mark is a faint tint nobody sees. Like the other controls' marks, it shows
// once the user moves through the window with the keyboard.
class TListFocusDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(p, option, index);
    const QStyle::State marked = QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    if ((option.state & marked) == marked) DrawFocusRect(p, option.rect);
  }

 private:
  static void DrawFocusRect(QPainter* p, const QRect& r) {
    if (r.width() < 1 || r.height() < 1) return;
    p->save();
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p->setPen(Qt::white);
    p->setRenderHint(QPainter::Antialiasing, false);
    auto dot = [p](int x, int y) {
      if (((x + y) & 1) == 0) p->drawPoint(x, y);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
      dot(x, r.top());
      if (r.bottom() != r.top()) dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
      dot(r.left(), y);
      if (r.right() != r.left()) dot(r.right(), y);
    }
    p->restore();
  }
};

}  // namespace

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TControlItems>([this] { SyncItems(); })) {
  control_style_ = {csSetCaption, csDoubleClicks, csOpaque, csCaptureMouse};
  SetTabStop(true);
  SetParentColor(false);
  color_ = clWindow;
  auto* list = new QListWidget;
  list->setItemDelegate(new TListFocusDelegate(list));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  TNativeWindow* n = MakeNative(this, list);
  FilterSubWidget(n, list->viewport());
  n->mouse_target = list->viewport();
  AttachNative(n);
  SetBounds(0, 0, 121, 97);
  QObject::connect(list, &QListWidget::currentRowChanged, [this, n](int) {
    if (n->updating == 0) NotifyParent(this, LBN_SELCHANGE);
  });
  QObject::connect(list, &QListWidget::itemDoubleClicked, [this](QListWidgetItem*) { NotifyParent(this, LBN_DBLCLK); });
}

TCustomListBox::~TCustomListBox() { items_->OnChange = nullptr; }

void TCustomListBox::SyncItems() {
  auto* list = WidgetOf<QListWidget>(this);
  if (!list) return;
  TNativeUpdate guard(Native());
  int current = list->currentRow();
  list->clear();
  for (int i = 0; i < items_->Count(); ++i) list->addItem(ToQString(items_->Strings(i)));
  if (current >= 0 && current < items_->Count()) list->setCurrentRow(current);
}

int TCustomListBox::ItemIndex() const {
  auto* list = WidgetOf<QListWidget>(this);
  return list && !list->selectedItems().isEmpty() ? list->currentRow() : -1;
}

void TCustomListBox::SetItemIndex(int index) {
  auto* list = WidgetOf<QListWidget>(this);
  if (!list) return;
  TNativeUpdate guard(Native());
  if (index < 0 || index >= list->count()) {
    list->clearSelection();
    list->setCurrentRow(-1);
  } else {
    list->setCurrentRow(index);
  }
}

int TCustomListBox::TopIndex() const {
  auto* list = WidgetOf<QListWidget>(this);
  if (!list) return 0;
  QListWidgetItem* item = list->itemAt(2, 2);
  return item ? list->row(item) : 0;
}

void TCustomListBox::SetTopIndex(int index) {
  auto* list = WidgetOf<QListWidget>(this);
  if (list && index >= 0 && index < list->count())
    list->scrollToItem(list->item(index), QAbstractItemView::PositionAtTop);
}

void TCustomListBox::NativeSetColor() {
  TWinControl::NativeSetColor();
  if (auto* list = WidgetOf<QListWidget>(this)) SetBaseColor(list, Color());
}

void TCustomListBox::DefaultHandler(TMessage& m) {
  auto* list = WidgetOf<QListWidget>(this);
  if (!list) return;
  switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_CHAR: {
      auto ch = static_cast<TKeyChar>(m.WParam);
      if (ch >= 32) ForwardKey(Native(), m, CharText(ch));
      return;
    }
    case LB_GETCURSEL: m.Result = ItemIndex(); return;
    case LB_SETCURSEL: SetItemIndex(static_cast<int>(static_cast<std::intptr_t>(m.WParam))); m.Result = ItemIndex(); return;
    case LB_GETCOUNT: m.Result = Count(); return;
    default: NativeDefault(this, m, false);
  }
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TControlItems>([this] { SyncItems(); })) {
  control_style_ = {csSetCaption, csDoubleClicks, csFixedHeight, csCaptureMouse};
  SetTabStop(true);
  SetParentColor(false);
  color_ = clWindow;
  CreateWidget();
  SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox() { items_->OnChange = nullptr; }

void TCustomComboBox::CreateWidget() {
  auto* combo = new QtComboWidget(this);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setMaxVisibleItems(drop_down_count_);
  TNativeWindow* n = MakeNative(this, combo);
  AttachNative(n);
  QObject::connect(combo, &QComboBox::currentIndexChanged, [this, n](int) {
    if (n->updating == 0) NotifyParent(this, CBN_SELCHANGE);
  });
  SetStyle(style_);
}

void TCustomComboBox::SetStyle(TComboBoxStyle s) {
  style_ = s;
  auto* combo = WidgetOf<QComboBox>(this);
  if (!combo) return;
  TNativeUpdate guard(Native());
  bool editable = s != csDropDownList;
  if (combo->isEditable() != editable) combo->setEditable(editable);
  if (QLineEdit* edit = combo->lineEdit()) {
    combo->setCompleter(nullptr);
    FilterSubWidget(Native(), edit);
  }
}

void TCustomComboBox::SyncItems() {
  auto* combo = WidgetOf<QComboBox>(this);
  if (!combo) return;
  TNativeUpdate guard(Native());
  QString text = combo->isEditable() ? combo->currentText() : QString();
  int current = combo->currentIndex();
  combo->clear();
  for (int i = 0; i < items_->Count(); ++i) combo->addItem(ToQString(items_->Strings(i)));
  combo->setCurrentIndex(current < items_->Count() ? current : -1);
  if (combo->isEditable()) combo->setEditText(text);
}

int TCustomComboBox::ItemIndex() const {
  auto* combo = WidgetOf<QComboBox>(this);
  if (!combo) return -1;
  int i = combo->currentIndex();
  // A typed text that differs from the item leaves no item selected.
  if (i >= 0 && combo->isEditable() && combo->currentText() != combo->itemText(i)) return -1;
  return i;
}

void TCustomComboBox::SetItemIndex(int index) {
  auto* combo = WidgetOf<QComboBox>(this);
  if (!combo) return;
  TNativeUpdate guard(Native());
  if (index < 0 || index >= combo->count()) {
    combo->setCurrentIndex(-1);
    if (combo->isEditable()) combo->setEditText(QString());
  } else {
    combo->setCurrentIndex(index);
    if (combo->isEditable()) combo->setEditText(combo->itemText(index));
  }
}

std::string TCustomComboBox::Text() const {
  auto* combo = WidgetOf<QComboBox>(this);
  return combo ? FromQString(combo->currentText()) : text_;
}

void TCustomComboBox::NativeSetText(const std::string& text) {
  auto* combo = WidgetOf<QComboBox>(this);
  if (!combo) return;
  TNativeUpdate guard(Native());
  int found = items_->IndexOf(text);
  if (combo->isEditable()) {
    combo->setCurrentIndex(found);
    combo->setEditText(ToQString(text));
  } else {
    combo->setCurrentIndex(found);
  }
}

void TCustomComboBox::NativeSetColor() {
  TWinControl::NativeSetColor();
  if (auto* combo = WidgetOf<QComboBox>(this)) SetBaseColor(combo, Color());
}

void TCustomComboBox::SetDropDownCount(int n) {
  drop_down_count_ = n;
  if (auto* combo = WidgetOf<QComboBox>(this)) combo->setMaxVisibleItems(n);
}

bool TCustomComboBox::DroppedDown() const {
  auto* combo = WidgetOf<QComboBox>(this);
  return combo && combo->view() && combo->view()->isVisible();
}

void TCustomComboBox::SetDroppedDown(bool v) {
  auto* combo = WidgetOf<QComboBox>(this);
  if (!combo || v == DroppedDown()) return;
  if (v)
    combo->showPopup();
  else
    combo->hidePopup();
}

void TCustomComboBox::Clear() {
  items_->Clear();
  SetItemIndex(-1);
}

void TCustomComboBox::DefaultHandler(TMessage& m) {
  auto* combo = WidgetOf<QComboBox>(this);
  if (!combo) return;
  QLineEdit* edit = combo->lineEdit();
  // Typing into the edit part is reported as CBN_EDITCHANGE.
  auto reportEdit = [&](const QString& before) {
    if (edit && edit->text() != before) NotifyParent(this, CBN_EDITCHANGE);
  };
  switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_CHAR: {
      auto ch = static_cast<TKeyChar>(m.WParam);
      if (!edit) {
        if (ch >= 32) ForwardKey(Native(), m, CharText(ch));
        return;
      }
      QString before = edit->text();
      if (ch == 8) {
        edit->backspace();
      } else if (ch == 3) {
        edit->copy();
      } else if (ch == 22) {
        QString clip = QApplication::clipboard()->text();
        int eol = static_cast<int>(clip.indexOf(QRegularExpression("[\r\n]")));
        edit->insert(eol >= 0 ? clip.left(eol) : clip);
      } else if (ch == 24) {
        edit->cut();
      } else if (ch == 1) {
        edit->selectAll();
      } else if (ch >= 32 && ch != 127) {
        bool full = max_length_ > 0 && CharsBefore(edit->text(), static_cast<int>(edit->text().size())) -
                                               CharsBefore(edit->selectedText(), static_cast<int>(edit->selectedText().size())) >=
                                           max_length_;
        if (!full) edit->insert(CharText(ch));
      }
      reportEdit(before);
      return;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      if (YieldsChar(m)) return;
      QString before = edit ? edit->text() : QString();
      int index = combo->currentIndex();
      ForwardKey(Native(), m);
      if (combo->currentIndex() == index) reportEdit(before);
      return;
    }
    case CB_GETCOUNT: m.Result = items_->Count(); return;
    case CB_GETCURSEL: m.Result = ItemIndex(); return;
    case CB_SETCURSEL: SetItemIndex(static_cast<int>(static_cast<std::intptr_t>(m.WParam))); m.Result = ItemIndex(); return;
    case CB_SHOWDROPDOWN: SetDroppedDown(m.WParam != 0); m.Result = 1; return;
    case CB_GETDROPPEDSTATE: m.Result = DroppedDown() ? 1 : 0; return;
    case CB_GETLBTEXT: {
      auto i = static_cast<int>(static_cast<std::intptr_t>(m.WParam));
      if (i < 0 || i >= items_->Count()) { m.Result = -1; return; }
      if (auto* out = reinterpret_cast<std::string*>(m.LParam)) *out = items_->Strings(i);
      m.Result = static_cast<LRESULT>(items_->Strings(i).size());
      return;
    }
    default: NativeDefault(this, m, false);
  }
}

}  // namespace hd

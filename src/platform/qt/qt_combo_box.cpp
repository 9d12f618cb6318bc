// The native side of the combo box.
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>

#include "platform/clipboard.h"
#include "platform/qt/qt_bitmap.h"
#include "platform/qt/qt_native.h"
#include "platform/qt/qt_std_ctrls_p.h"
#include "platform/std_ctrls.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

// The gap between the face's height and its selection field, as the platform keeps it.
constexpr int kFaceBorder = 6;

TCustomComboBox* ComboOf(HWND h) { return dynamic_cast<TCustomComboBox*>(FindWindowTarget(h)); }

// Every style keeps the list below the face (above it where the screen ends), DropDownCount
// items high with a scroll bar; some would lay all the items over the face.
class QtComboListStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

QStyle* ComboListStyle() {
  static QPointer<QtComboListStyle> style;
  if (!style) {
    style = new QtComboListStyle;
    style->setParent(qApp);
  }
  return style;
}

// The widget may outlive its control until Qt deletes it: it finds the control by handle.
class QtComboWidget : public QComboBox {
 public:
  explicit QtComboWidget(TCustomComboBox* owner) : owner_(owner->Handle()) { setStyle(ComboListStyle()); }
  void showPopup() override {
    // The list takes the mouse from whichever window held it, as the platform's list does.
    if (GetCapture()) ReleaseCapture();
    Notify(CBN_DROPDOWN);
    QComboBox::showPopup();
    if (QAbstractItemView* list = view()) list->installEventFilter(this);
    // At least as wide as its widest item, which it would otherwise cut.
    if (QAbstractItemView* list = view(); list && list->isVisible()) {
      int wanted = list->sizeHintForColumn(0) + 2 * list->frameWidth() + 4;
      if (count() > maxVisibleItems()) wanted += list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
      QWidget* popup = list->window();
      if (popup->width() < wanted) popup->resize(wanted, popup->height());
    }
  }
  // Qt also calls this when the combo itself is hidden: only a list that was open closes.
  void hidePopup() override {
    bool open = view() && view()->isVisible();
    QComboBox::hidePopup();
    if (open) Notify(CBN_CLOSEUP);
  }
  QStyleOptionComboBox StyleOption() const {
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    return opt;
  }

 protected:
  // Return in the open list picks the item and closes the list, and then reaches the control
  // as a key, as the platform's list passes it on: one Return both chooses and acts.
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == view() && e->type() == QEvent::KeyPress && view()->isVisible()) {
      auto* key = static_cast<QKeyEvent*>(e);
      if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat())
        QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, key->key(), key->modifiers(), key->text()));
    }
    return QComboBox::eventFilter(watched, e);
  }

  // The control paints through WM_PAINT on a bitmap holding its parent's colour; the default
  // handling draws the native face onto it. WM_NCPAINT follows on the same bitmap: the combo
  // has no frame of its own, so its window's canvas is the face's, and what a control draws
  // there (its own border) lies over the face.
  void paintEvent(QPaintEvent* e) override {
    TCustomComboBox* owner = ComboOf(owner_);
    if (!owner || width() <= 0 || height() <= 0) {
      QComboBox::paintEvent(e);
      return;
    }
    TBitmap image(width(), height());
    TCanvas& canvas = image.Canvas();
    canvas.Brush().Color = owner->Parent() ? owner->Parent()->Color() : owner->Color();
    canvas.FillRect(Rect(0, 0, width(), height()));
    SendMessage(owner_, WM_PAINT, reinterpret_cast<WPARAM>(&canvas), 0);
    if (IsWindow(owner_)) SendMessage(owner_, WM_NCPAINT, 1, reinterpret_cast<LPARAM>(&canvas));
    QPainter painter(this);
    painter.drawImage(0, 0, BitmapImage(image));
  }

 private:
  void Notify(unsigned code) {
    if (auto* owner = ComboOf(owner_)) NotifyParent(owner, code);
  }
  HWND owner_;
};

// Draws the list's items through the control's CN_DRAWITEM and sizes them through
// CN_MEASUREITEM, for the owner-drawn styles and a list whose item height was set.
class QtComboItemDelegate : public QStyledItemDelegate {
 public:
  QtComboItemDelegate(HWND owner, QObject* parent) : QStyledItemDelegate(parent), owner_(owner) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    TCustomComboBox* owner = ComboOf(owner_);
    bool ownerDrawn = owner && (owner->Style() == csOwnerDrawFixed || owner->Style() == csOwnerDrawVariable);
    if (!ownerDrawn || option.rect.isEmpty()) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    TBitmap image(option.rect.width(), option.rect.height());
    TDrawItemStruct item;
    item.itemID = index.row();
    item.hwndItem = owner_;
    item.Canvas = &image.Canvas();
    item.rcItem = Rect(0, 0, option.rect.width(), option.rect.height());
    if (option.state & QStyle::State_Selected) item.itemState |= ODS_SELECTED;
    if (option.state & QStyle::State_HasFocus) item.itemState |= ODS_FOCUS;
    if (!(option.state & QStyle::State_Enabled)) item.itemState |= ODS_DISABLED;
    SendMessage(owner_, CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    painter->drawImage(option.rect.topLeft(), BitmapImage(image));
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    TMeasureItemStruct item;
    item.itemID = index.row();
    item.itemWidth = size.width();
    SendMessage(owner_, CN_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item));
    if (item.itemHeight > 0) size.setHeight(item.itemHeight);
    return size;
  }

 private:
  HWND owner_;
};

}  // namespace

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
  UpdateListDrawing();
  if (IsOwnerDrawn()) SetHeight(ItemHeight() + kFaceBorder);
  bool editable = s == csDropDown || s == csSimple;
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
  // A typed text that differs from the item leaves no item selected; as the platform's list
  // finds its items, case does not count.
  if (i >= 0 && combo->isEditable() && combo->currentText().compare(combo->itemText(i), Qt::CaseInsensitive) != 0)
    return -1;
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

void TCustomComboBox::UpdateListDrawing() {
  auto* combo = WidgetOf<QComboBox>(this);
  if (!combo) return;
  auto* own = combo->findChild<QtComboItemDelegate*>(QString(), Qt::FindDirectChildrenOnly);
  bool wanted = IsOwnerDrawn() || item_height_ > 0;
  if (wanted && !own) {
    // The style's own delegate stays with the widget, to come back when no longer wanted.
    combo->setProperty("hdStyleDelegate", QVariant::fromValue<QObject*>(combo->itemDelegate()));
    combo->setItemDelegate(new QtComboItemDelegate(Handle(), combo));
  } else if (!wanted && own) {
    if (auto* original = qobject_cast<QAbstractItemDelegate*>(combo->property("hdStyleDelegate").value<QObject*>()))
      combo->setItemDelegate(original);
    delete own;
  }
  if (combo->view()) combo->view()->doItemsLayout();
}

int TCustomComboBox::ItemHeight() const {
  if (item_height_ > 0) return item_height_;
  if (IsOwnerDrawn()) return 16;
  return QFontMetrics(QtControlFont(Font())).height() + 2;
}

void TCustomComboBox::SetItemHeight(int h) {
  if (h <= 0) return;
  item_height_ = h;
  UpdateListDrawing();
  if (IsOwnerDrawn()) SetHeight(h + kFaceBorder);
}

int TCustomComboBox::SelStart() const {
  auto* combo = WidgetOf<QComboBox>(this);
  return combo && combo->lineEdit() ? LineSelStart(combo->lineEdit()) : 0;
}

void TCustomComboBox::SetSelStart(int pos) {
  if (auto* combo = WidgetOf<QComboBox>(this); combo && combo->lineEdit()) SetLineSelStart(combo->lineEdit(), pos);
}

int TCustomComboBox::SelLength() const {
  auto* combo = WidgetOf<QComboBox>(this);
  return combo && combo->lineEdit() ? LineSelLength(combo->lineEdit()) : 0;
}

void TCustomComboBox::SetSelLength(int len) {
  if (auto* combo = WidgetOf<QComboBox>(this); combo && combo->lineEdit()) SetLineSelLength(combo->lineEdit(), len);
}

std::string TCustomComboBox::SelText() const {
  auto* combo = WidgetOf<QComboBox>(this);
  return combo && combo->lineEdit() ? FromQString(combo->lineEdit()->selectedText()) : std::string();
}

void TCustomComboBox::SetSelText(const std::string& text) {
  if (auto* combo = WidgetOf<QComboBox>(this); combo && combo->lineEdit()) combo->lineEdit()->insert(ToQString(text));
}

void TCustomComboBox::SelectAll() {
  if (auto* combo = WidgetOf<QComboBox>(this); combo && combo->lineEdit()) combo->lineEdit()->selectAll();
}

void TCustomComboBox::PaintWindow(TCanvas& canvas) {
  auto* combo = static_cast<QtComboWidget*>(WidgetOf<QComboBox>(this));
  if (!combo || combo->width() <= 0 || combo->height() <= 0) return;
  TRect all = Rect(0, 0, combo->width(), combo->height());
  // The native face goes over what the canvas holds, and back within the canvas's clip.
  TBitmap face(all.Right, all.Bottom);
  face.Canvas().CopyRect(all, canvas, all);
  QStyleOptionComboBox opt = combo->StyleOption();
  bool ownerDrawn = IsOwnerDrawn();
  if (ownerDrawn) opt.currentText.clear();
  {
    QPainter painter(&BitmapImage(face));
    painter.setPen(combo->palette().color(QPalette::Text));
    combo->style()->drawComplexControl(QStyle::CC_ComboBox, &opt, &painter, combo);
    if (!ownerDrawn) combo->style()->drawControl(QStyle::CE_ComboBoxLabel, &opt, &painter, combo);
  }
  canvas.Draw(0, 0, face);
  if (!ownerDrawn) return;
  QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
  TDrawItemStruct item;
  item.itemID = ItemIndex();
  item.hwndItem = Handle();
  item.Canvas = &canvas;
  item.rcItem = Rect(field.left(), field.top(), field.right() + 1, field.bottom() + 1);
  item.itemState = ODS_COMBOBOXEDIT;
  if (Focused() && !DroppedDown()) item.itemState |= ODS_SELECTED | ODS_FOCUS;
  if (!Enabled()) item.itemState |= ODS_DISABLED;
  canvas.SaveState();
  canvas.IntersectClipRect(item.rcItem);
  Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  canvas.RestoreState();
}

void TCustomComboBox::InsertTyped(const std::string& text) {
  auto* combo = WidgetOf<QComboBox>(this);
  QLineEdit* edit = combo ? combo->lineEdit() : nullptr;
  if (!edit) return;
  std::string add = FittingText(CasedText(text, char_case_), Utf8Length(FromQString(edit->text())),
                                Utf8Length(FromQString(edit->selectedText())), max_length_);
  if (!add.empty()) edit->insert(ToQString(add));
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
        if (edit->hasSelectedText()) Clipboard().SetAsText(FromQString(edit->selectedText()));
      } else if (ch == 22) {
        InsertTyped(FirstLine(Clipboard().AsText()));
      } else if (ch == 24) {
        if (edit->hasSelectedText()) {
          Clipboard().SetAsText(FromQString(edit->selectedText()));
          edit->del();
        }
      } else if (ch == 1) {
        edit->selectAll();
      } else if (ch >= 32 && ch != 127) {
        InsertTyped(FromQString(CharText(ch)));
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
    case WM_SETFOCUS:
      // A list takes the focus with a fresh type-ahead: what was typed into it before does not
      // prefix what is typed now, however soon.
      if (!edit && combo->view()) combo->view()->keyboardSearch(QString());
      NativeDefault(this, m, false);
      return;
    case WM_PAINT:
      if (m.WParam) PaintWindow(*reinterpret_cast<TCanvas*>(m.WParam));
      return;
    case CB_GETITEMHEIGHT:
      m.Result = static_cast<int>(static_cast<std::intptr_t>(m.WParam)) == -1 ? Height() - kFaceBorder : ItemHeight();
      return;
    case CB_SETITEMHEIGHT:
      // -1 names the selection field, which sets the face's height.
      if (static_cast<int>(static_cast<std::intptr_t>(m.WParam)) == -1)
        SetHeight(static_cast<int>(m.LParam) + kFaceBorder);
      else
        SetItemHeight(static_cast<int>(m.LParam));
      m.Result = m.LParam > 0 ? 0 : CB_ERR;
      return;
    case CB_SETDROPPEDWIDTH:
      dropped_width_ = static_cast<int>(m.WParam);
      if (combo->view()) combo->view()->setMinimumWidth(dropped_width_);
      m.Result = std::max(dropped_width_, Width());
      return;
    case CB_GETDROPPEDWIDTH: m.Result = std::max(dropped_width_, Width()); return;
    case CB_SETEDITSEL:
      if (!edit) {
        m.Result = CB_ERR;
        return;
      }
      SetLineSelRange(edit, static_cast<std::int16_t>(LOWORD(m.LParam)), static_cast<std::int16_t>(HIWORD(m.LParam)));
      m.Result = 1;
      return;
    case CB_GETEDITSEL: {
      if (!edit) {
        m.Result = CB_ERR;
        return;
      }
      int start = LineSelStart(edit);
      m.Result = MAKELPARAM(start, start + LineSelLength(edit));
      return;
    }
    case EM_CHARFROMPOS: {
      // The edit part answers for a point of the control's client area.
      if (!edit) {
        m.Result = -1;
        return;
      }
      QPoint p = edit->mapFrom(combo, QPoint(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)));
      m.Result = CharsBefore(edit->text(), edit->cursorPositionAt(p));
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

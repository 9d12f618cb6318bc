// The native side of the combo box.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include "platform/clipboard.h"
#include "platform/qt/qt_native.h"
#include "platform/qt/qt_std_ctrls_p.h"
#include "platform/std_ctrls.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

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

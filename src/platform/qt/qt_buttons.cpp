// The native sides of the push button, the check box, the radio button and the group box.
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "platform/qt/qt_native.h"
#include "platform/qt/qt_std_ctrls_p.h"
#include "platform/std_ctrls.h"

namespace hd {

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

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  auto* button = new QPushButton;
  button->setAutoDefault(false);
  TNativeWindow* n = MakeNative(this, button);
  AttachNative(n);
  SetBounds(0, 0, 75, 25);
  QObject::connect(button, &QPushButton::clicked, [this, n](bool) {
    if (n->updating == 0) NotifyParent(this, BN_CLICKED);
  });
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

}  // namespace hd

// The native side of every control: geometry, visibility, look and repainting; and the form's
// top-level window.
#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

#include "platform/forms.h"
#include "platform/native_bridge_p.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_native.h"

namespace hd {
namespace {

bool IsForm(const TControl* c) { return dynamic_cast<const TCustomForm*>(c) != nullptr; }

bool IsSizeable(const TCustomForm* f) {
  return f->BorderStyle() == bsSizeable || f->BorderStyle() == bsSizeToolWin;
}

}  // namespace

void TControl::AttachNative(TNativeWindow* native) {
  native_ = native;
  if (!native_) return;
  NativeSetBounds();
  NativeSetEnabled();
  NativeSetFont();
  NativeSetColor();
  NativeSetCursor();
  if (!text_.empty()) NativeSetText(text_);
  // A window made after the control was parented goes inside its parent's now.
  if (parent_)
    NativeSetParent();
  else
    NativeSetVisible();
}

void TControl::DestroyNative() {
  if (!native_) return;
  TNativeWindow* n = native_;
  native_ = nullptr;
  n->control = nullptr;
  if (QWidget* w = n->widget) {
    w->removeEventFilter(n->filter);
    w->hide();
    w->setParent(nullptr);
    // Qt may still be inside an event of this widget: it goes once that has returned.
    w->deleteLater();
  }
  delete n->filter;
  delete n;
}

void TControl::NativeSetParent() {
  if (!native_) return;
  QWidget* w = native_->widget;
  TNativeUpdate guard(native_);
  QWidget* parentWidget = parent_ && parent_->native_ ? parent_->native_->widget : nullptr;
  if (w->parentWidget() != parentWidget) w->setParent(parentWidget);
  NativeSetBounds();
  NativeSetVisible();
}

void TControl::NativeSetBounds() {
  if (!native_) return;
  QWidget* w = native_->widget;
  TNativeUpdate guard(native_);
  if (auto* form = dynamic_cast<TCustomForm*>(this)) {
    int cw = form->ClientWidth(), ch = form->ClientHeight();
    if (IsSizeable(form)) {
      w->setMinimumSize(0, 0);
      w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
      w->setFixedSize(cw, ch);
    }
    // Left and Top are the outer frame's corner: the native client area goes where the form's
    // own frame puts it, below the title bar, whatever frame the window system reports (none
    // before the window is first shown).
    const TPoint origin = form->ClientOrigin();
    w->setGeometry(origin.X, origin.Y, cw, ch);
    return;
  }
  // Children stand in the parent's client area, inside its border and bars.
  TRect in = parent_ ? parent_->NonClientInsets() : TRect{};
  w->setGeometry(left_ + in.Left, top_ + in.Top, width_, height_);
}

void TControl::NativeSetVisible() {
  if (!native_) return;
  QWidget* w = native_->widget;
  TNativeUpdate guard(native_);
  // A control without a parent window (none yet, or its parent's is not made) never becomes
  // a window of its own.
  bool show = visible_ && (IsForm(this) || (parent_ && w->parentWidget()));
  if (show) {
    w->show();
    if (!IsForm(this)) w->raise();
  } else {
    w->hide();
  }
}

void TControl::NativeSetEnabled() {
  if (native_) native_->widget->setEnabled(enabled_);
}

void TControl::NativeSetText(const std::string& text) {
  if (native_ && IsForm(this)) native_->widget->setWindowTitle(ToQString(text));
}

void TControl::NativeSetColor() {
  if (!native_) return;
  QWidget* w = native_->widget;
  QPalette p = w->palette();
  // Buttons fill with their own role; the control's colour is the background either way.
  p.setColor(QPalette::Window, ToQColor(color_));
  if (w->backgroundRole() != QPalette::Base) p.setColor(w->backgroundRole(), ToQColor(color_));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void TControl::NativeSetFont() {
  if (!native_) return;
  QWidget* w = native_->widget;
  w->setFont(QtControlFont(font_));
  QPalette p = w->palette();
  QColor c = ToQColor(font_.Color);
  p.setColor(QPalette::Active, QPalette::WindowText, c);
  p.setColor(QPalette::Inactive, QPalette::WindowText, c);
  p.setColor(QPalette::Active, QPalette::Text, c);
  p.setColor(QPalette::Inactive, QPalette::Text, c);
  p.setColor(QPalette::Active, QPalette::ButtonText, c);
  p.setColor(QPalette::Inactive, QPalette::ButtonText, c);
  w->setPalette(p);
}

void TControl::NativeSetCursor() {
  if (!native_) return;
  if (cursor_ == crDefault)
    native_->widget->unsetCursor();
  else
    native_->widget->setCursor(QtCursor(cursor_));
}

void NativeUpdateRect(TControl* control, const TRect* clientRect) {
  TNativeWindow* n = NativeOf(control);
  if (!n) return;
  if (!clientRect) {
    n->widget->update();
    return;
  }
  TRect in = control->NonClientInsets();
  n->widget->update(clientRect->Left + in.Left, clientRect->Top + in.Top, clientRect->Width(), clientRect->Height());
}

void NativeScrollRect(TControl* control, int dx, int dy, const TRect& clientRect) {
  TNativeWindow* n = NativeOf(control);
  if (!n || clientRect.IsEmpty()) return;
  TRect in = control->NonClientInsets();
  QRect r(clientRect.Left + in.Left, clientRect.Top + in.Top, clientRect.Width(), clientRect.Height());
  n->widget->scroll(dx, dy, r);
  // Children over the part keep their place and are shown again over what moved under them.
  for (QObject* o : n->widget->children())
    if (auto* child = qobject_cast<QWidget*>(o); child && child->isVisible() && child->geometry().intersects(r))
      child->update();
}

bool NativeShowing(const TControl* control) {
  TNativeWindow* n = NativeOf(control);
  return n && n->widget->isVisible();
}

void NativeFlushUpdates(TControl* control) {
  TNativeWindow* n = NativeOf(control);
  if (n && n->widget->isVisible()) QCoreApplication::sendPostedEvents(n->widget->window(), QEvent::UpdateRequest);
}

void TControl::BringToFront() {
  if (parent_) {
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.push_back(this);
  }
  if (native_) native_->widget->raise();
}

void TControl::SendToBack() {
  if (parent_) {
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.insert(list.begin(), this);
  }
  if (native_) native_->widget->lower();
}

TNativeWindow* CreateFormWindow(TCustomForm* form) {
  EnsureNativeApplication();
  auto* w = new QWidget(nullptr, Qt::Window);
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  TNativeWindow* n = MakeNative(form, w);
  return n;
}

void NativeSetFormStyle(TCustomForm* form) {
  TNativeWindow* n = NativeOf(form);
  if (!n) return;
  QWidget* w = n->widget;
  TNativeUpdate guard(n);
  bool wasVisible = w->isVisible();
  Qt::WindowFlags flags;
  TBorderIcons icons = form->BorderIcons();
  switch (form->BorderStyle()) {
    case bsNone: flags = Qt::Window | Qt::FramelessWindowHint; break;
    case bsDialog: flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint; break;
    case bsToolWindow:
    case bsSizeToolWin: flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint; break;
    default:
      flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
      if (icons.Contains(biSystemMenu)) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
      if (icons.Contains(biMinimize)) flags |= Qt::WindowMinimizeButtonHint;
      if (icons.Contains(biMaximize) && form->BorderStyle() == bsSizeable) flags |= Qt::WindowMaximizeButtonHint;
      break;
  }
  flags |= TopLevelFlags(form);
  // A popup's window belongs to its owner's: it stays above it and keeps out of the taskbar.
  QWidget* owner = OwnerWidget(form);
  if (w->parentWidget() != owner)
    w->setParent(owner, flags);
  else
    w->setWindowFlags(flags);
  if (wasVisible) w->show();
}

void NativeSetModal(TCustomForm* form, bool modal) {
  TNativeWindow* n = NativeOf(form);
  if (!n) return;
  QWidget* w = n->widget;
  if (w->isVisible()) return;
  w->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
}

void NativeActivateForm(TCustomForm* form) {
  TNativeWindow* n = NativeOf(form);
  if (!n || !n->widget->isVisible()) return;
  // The offscreen platform keeps no stacking order of windows.
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) n->widget->raise();
  n->widget->activateWindow();
}

}  // namespace hd

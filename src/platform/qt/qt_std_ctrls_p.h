// Shared by the native sides of the standard controls: character counting between Qt's UTF-16
// units and the layer's characters, and the default handling of messages.
#pragma once

#include <QString>
#include <QWidget>

#include "platform/controls.h"

namespace hd {

// Qt counts UTF-16 units; the layer counts characters.
int CharsBefore(const QString& text, int units);
int UnitsOf(const QString& text, int chars);
QString CharText(TKeyChar ch);
bool IsMouseMessage(UINT msg);
// Shift+Insert, Ctrl+Insert and Shift+Delete: paste, copy and cut; 0 for other keys.
int ClipboardKeyMessage(int vk, TShiftState shift);
bool YieldsChar(const TMessage& m);
// The default handling shared by the native controls.
void NativeDefault(TWinControl* c, TMessage& m, bool forwardCharKeys);
void SetBaseColor(QWidget* w, TColor color);

}  // namespace hd

// Shared by the native sides of the standard controls: character counting between Qt's UTF-16
// units and the layer's characters, and the default handling of messages.
#pragma once

#include <QLineEdit>
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

// Caret and selection of a line edit (the edit, a combo box's edit part), in characters.
int LineSelStart(const QLineEdit* edit);
int LineSelLength(const QLineEdit* edit);
void SetLineSelStart(QLineEdit* edit, int pos);
void SetLineSelLength(QLineEdit* edit, int len);
// The selection from one character to another, as EM_SETSEL gives it: from < 0 removes the
// selection; to < 0 or past the end reaches the end.
void SetLineSelRange(QLineEdit* edit, int from, int to);

}  // namespace hd

// What the layer's Qt-free code asks of the Qt adaptor (implemented in src/platform/qt/).
// Private to the platform layer.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/controls.h"

namespace hd {

class TCustomForm;
class TDialogSink;

// Brings up the windowing system once (the Qt application object) and hooks it into the
// message layer.
void EnsureNativeApplication();
// Processes pending native events without waiting.
void NativeProcessEvents();
// Asks the native event loop to run the calls posted to the main thread; false when there is
// no application object yet.
bool NativeWakeMainLoop();
// Waits until a native event arrives or the next timer falls due (real clock only).
void NativeWaitForEvents();

TSize NativeScreenSize();
void NativeBeep();
unsigned NativeDoubleClickTime();
int NativeWheelScrollLines();
std::string NativeExecutablePath();
void NativeSetScreenCursor(TCursor cursor);

// The native focus follows the layer's focus model.
void NativeFocusChanged(HWND focused);
// Asks the window to show the control's image again over a client rectangle (all of it for
// null); it paints what waits first.
void NativeUpdateRect(TControl* control, const TRect* clientRect);
// Moves what the window shows inside a client rectangle by dx, dy (the children stay) and asks
// it to show the control's image again over the part uncovered.
void NativeScrollRect(TControl* control, int dx, int dy, const TRect& clientRect);
// The control's window is shown on the screen.
bool NativeShowing(const TControl* control);
// Delivers the window's pending repaints now.
void NativeFlushUpdates(TControl* control);
// The window of a control that paints itself.
TNativeWindow* CreateOwnDrawnWindow(TControl* control, TOwnDrawing* drawing);
// A form's window: created for the form; its border, modality and activation.
TNativeWindow* CreateFormWindow(TCustomForm* form);
void NativeSetFormStyle(TCustomForm* form);
void NativeSetModal(TCustomForm* form, bool modal);
void NativeActivateForm(TCustomForm* form);

// The top-most window of a hint or a balloon: it shows a picture painted by the layer, never
// takes the activation, and carries the text for assistive tools.
class TBitmap;
class TNativeHintWindow {
 public:
  virtual ~TNativeHintWindow() = default;
  // A shape (window coordinates) cuts the window to it; null keeps the rectangle.
  virtual void Show(const std::string& text, const TRect& screenRect, const TBitmap& picture,
                    const TRegion* shape) = 0;
  virtual void Hide() = 0;
  // The constant alpha the window is shown with (255 opaque).
  virtual void SetAlpha(std::uint8_t alpha) = 0;
};
std::unique_ptr<TNativeHintWindow> NativeCreateHintWindow();

// Shows native message boxes and file dialogs.
TDialogSink& NativeDialogSink();
// A native popup menu showing the items of a menu item; it reports the command of the item
// the user picks and when it has closed, and goes away with this object.
class TMenuItem;
class TNativePopupMenu {
 public:
  virtual ~TNativePopupMenu() = default;
  virtual void Close() = 0;
  WORD Chosen = 0;
  bool Closed = false;
};
std::unique_ptr<TNativePopupMenu> NativeShowPopupMenu(TMenuItem& menu, TPoint screen, unsigned flags);

// The windowing system's clipboard.
class TClipboardSink;
TClipboardSink& NativeClipboardSink();

}  // namespace hd

// The look the configurator's windows share: the window font, the push buttons' colours and
// pictures, the dialogs' title band and button panel.
#pragma once

#include <optional>
#include <string>

#include "app/dialog_buttons.h"
#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/ext_ctrls.h"
#include "platform/forms.h"
#include "platform/std_ctrls.h"

namespace hd {

class TLbButton;

// Verdana 8, the font of every window.
TFont Window_Font();
TFont Bold_Font(int size);
// The main window's step labels.
TFont Step_Font();
// Blue and underlined, for labels that open a web page.
TFont Link_Font();

// A label at (left, top) sized to its text; without a font it takes its parent's.
TLabel* Make_Label(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top,
                   std::optional<TFont> font = std::nullopt);
// A rectangle outlined in `line` and filled with `fill` (clNone for no fill).
TShape* Make_Frame(TComponent* owner, TWinControl* parent, const std::string& name, const TRect& bounds,
                   TColor line, TColor fill);

// A push button with the face every window gives its buttons (dialog_buttons.h), yellow
// under the mouse unless told otherwise, and a one-image picture.
TLbButton* Make_Button(TComponent* owner, TWinControl* parent, const std::string& name, const TRect& bounds,
                       const TBitmap& glyph, TModalResult modalResult = mrNone,
                       TColor hotTrackColor = kYellowHotTrack);

// The band at the top of a dialog: the software code and the window's description.
struct TTitlePanel {
  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
};
TTitlePanel Make_Title_Panel(TCustomForm* form);
// The band at the bottom of a dialog that holds its buttons.
TPanel* Make_Button_Panel(TCustomForm* form, int height);

}  // namespace hd

// Drawing over an edit's face. With the switch on for an edit's window, every paint of its
// one-line face ends with WM_PAINT to the edit carrying a canvas (WParam) that lies over the
// face as drawn: what a handler draws there shows, the rest of the face stays. The switch
// belongs to the window: a control turns it on again in CreateWnd.
#pragma once

namespace hd {

class TCustomEdit;

// Makes the window first when there is none.
void SetEditPaintsOver(TCustomEdit& Edit, bool On);
bool EditPaintsOver(const TCustomEdit& Edit);

}  // namespace hd

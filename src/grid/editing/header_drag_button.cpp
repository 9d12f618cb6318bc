#include "grid/editing/header_drag_button.h"

#include "grid/foundation/base_grid.h"
#include "grid/foundation/markup/markup_renderer.h"

namespace hd {

// The client area the button paints, as a control of its own.
class THeaderDragButton::TFace : public TCustomControl {
 public:
  TFace(THeaderDragButton* Owner) : TCustomControl(Owner), FButton(Owner) {}
  const char* ClassName() const override { return "THeaderDragButtonFace"; }

 protected:
  void Paint() override { FButton->PaintTo(Canvas()); }

 private:
  THeaderDragButton* FButton;
};

THeaderDragButton::THeaderDragButton(TBaseGrid* AGrid) : TNoActiveForm(AGrid), FGrid(AGrid) {
  SetFormStyle(fsStayOnTop);
  if (TCustomForm* form = GetParentForm(AGrid)) SetPopupParent(form);
  SetColor(clBtnFace);
  FFace = new TFace(this);
  FFace->SetParent(this);
  FFace->SetAlign(alClient);
}

void THeaderDragButton::SetCaption(const std::string& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  FFace->Invalidate();
}

void THeaderDragButton::Paint() { FFace->Invalidate(); }

void THeaderDragButton::PaintTo(TCanvas& ACanvas) {
  const TRect r = FFace->ClientRect();
  FGrid->PaintCellExt(ACanvas, 0, 0, r, TGridDrawState{});
  ACanvas.Brush().Style = bsClear;
  if (FCaption.find("</") == std::string::npos) {
    TRect text = r;
    ACanvas.DrawText(FCaption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    return;
  }
  TMarkupCall call;
  call.Rect = r;
  call.URLColor = clBlue;
  TMarkupResult result;
  DrawMarkup(ACanvas, FCaption, call, result);
}

}  // namespace hd

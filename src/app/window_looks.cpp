#include "app/window_looks.h"

#include "app/dialog_buttons.h"
#include "app/lb_button.h"

namespace hd {
namespace {

constexpr TColor kTitleBand = clWhite;
constexpr int kTitleHeight = 65;

}  // namespace

TFont Window_Font() {
  TFont f;
  f.Name = "Verdana";
  f.Size = 8;
  f.Color = clWindowText;
  return f;
}

TFont Bold_Font(int size) {
  TFont f = Window_Font();
  f.Size = size;
  f.Style = {fsBold};
  return f;
}

TFont Step_Font() {
  TFont f = Bold_Font(10);
  f.Color = RGB(0, 51, 102);
  return f;
}

TFont Link_Font() {
  TFont f = Window_Font();
  f.Color = clBlue;
  f.Style = {fsUnderline};
  return f;
}

TLabel* Make_Label(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top,
                   std::optional<TFont> font) {
  auto* label = new TLabel(owner);
  label->SetName(name);
  label->SetParent(parent);
  label->SetLeft(left);
  label->SetTop(top);
  if (font) label->SetFont(*font);
  return label;
}

TShape* Make_Frame(TComponent* owner, TWinControl* parent, const std::string& name, const TRect& bounds,
                   TColor line, TColor fill) {
  auto* shape = new TShape(owner);
  shape->SetName(name);
  shape->SetParent(parent);
  shape->SetBoundsRect(bounds);
  TPen pen;
  pen.Color = line;
  shape->SetPen(pen);
  TBrush brush;
  brush.Color = fill;
  brush.Style = fill == clNone ? bsClear : bsSolid;
  shape->SetBrush(brush);
  return shape;
}

TLbButton* Make_Button(TComponent* owner, TWinControl* parent, const std::string& name, const TRect& bounds,
                       const TBitmap& glyph, TModalResult modalResult, TColor hotTrackColor) {
  auto* button = new TLbButton(owner);
  button->SetName(name);
  button->SetParent(parent);
  button->SetBoundsRect(bounds);
  StyleDialogButton(*button, hotTrackColor, glyph);
  if (modalResult != mrNone) button->SetModalResult(modalResult);
  return button;
}

TTitlePanel Make_Title_Panel(TCustomForm* form) {
  TTitlePanel t;
  t.P_Title = new TPanel(form);
  t.P_Title->SetName("P_Title");
  t.P_Title->SetParent(form);
  t.P_Title->SetAlign(alTop);
  t.P_Title->SetHeight(kTitleHeight);
  t.P_Title->SetBevelOuter(bvNone);
  t.P_Title->SetCaption("");
  t.P_Title->SetColor(kTitleBand);
  TFont code = Bold_Font(20);
  code.Color = clGray;
  t.L_SW_Code = Make_Label(form, t.P_Title, "L_SW_Code", 10, 4, code);
  t.L_SW_Desc = Make_Label(form, t.P_Title, "L_SW_Desc", 10, 44, Bold_Font(8));
  return t;
}

TPanel* Make_Button_Panel(TCustomForm* form, int height) {
  auto* panel = new TPanel(form);
  panel->SetName("P_Button");
  panel->SetParent(form);
  panel->SetAlign(alBottom);
  panel->SetHeight(height);
  panel->SetBevelOuter(bvNone);
  panel->SetCaption("");
  return panel;
}

}  // namespace hd

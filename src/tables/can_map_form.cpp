#include "tables/can_map_form.h"

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/lb_button.h"
#include "app/window_looks.h"
#include "platform/exceptions.h"
#include "platform/sysutils.h"

namespace hd {

namespace {

constexpr int kClientWidth = 654, kClientHeight = 508;
constexpr int kButtonPanelHeight = 40;
constexpr TColor kBackground = 0xEDF7F8;  // (248,247,237) as 0x00BBGGRR
constexpr TColor kPanelTint = 0xFEFAE0;   // (224,250,254)
constexpr TColor kNotInUseColor = clMaroon;

// The list under its title at the left, the byte panels one under the other at the right.
constexpr int kTitlesTop = 70, kBodyTop = 90;
constexpr TRect kList{8, kBodyTop, 8 + 169, kBodyTop + 377};
constexpr int kPanelLeft = 188, kPanelWidth = 457, kPanelHeight = 41, kPanelStep = 48;
// Inside a panel: the label, the field, the trailing label, "Not in use".
constexpr int kLabelLeft = 8, kLabelWidth = 196, kFieldLeft = 208, kFieldWidth = 57, kFieldHeight = 21;
constexpr int kImageLeft = 272, kNotInUseLeft = 376;

TStaticText* Make_Text(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top) {
  auto* text = new TStaticText(owner);
  text->SetName(name);
  text->SetParent(parent);
  text->SetLeft(left);
  text->SetTop(top);
  text->SetCaption("");
  return text;
}

}  // namespace

TCANMapForm::TCANMapForm(TComponent* owner, TAppState& state, const TCanMapKind& kind, TCanMapPaths paths)
    : TForm(owner), Map(kind), FState(state), FPaths(paths) {
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetFont(Window_Font());
  SetColor(kBackground);
  SetClientSize(kClientWidth, kClientHeight);
  const TTitlePanel title = Make_Title_Panel(this);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;
  P_Button = Make_Button_Panel(this, kButtonPanelHeight);
  Btn_OK = Make_Button(this, P_Button, "Btn_OK", Bounds(8, 6, 110, 28), DialogGlyph(TDialogGlyph::OK));
  Btn_Cancel = Make_Button(this, P_Button, "Btn_Cancel", Bounds(122, 6, 110, 28), DialogGlyph(TDialogGlyph::Cancel),
                           mrCancel);
  Btn_OK->OnClick = [this](TObject* s) { bitbtn1Click(s); };

  ST_Title_Cob = Make_Text(this, this, "ST_Title_Cob", kList.Left, kTitlesTop);
  ST_Title_Bytes = Make_Text(this, this, "ST_Title_Bytes", kPanelLeft, kTitlesTop);
  for (TStaticText* t : {ST_Title_Cob, ST_Title_Bytes}) t->SetFont(Bold_Font(8));
  ListBox1 = new TListBox(this);
  ListBox1->SetName("ListBox1");
  ListBox1->SetParent(this);
  ListBox1->SetBoundsRect(kList);
  ListBox1->OnClick = [this](TObject* s) { ListBox1Click(s); };
  for (int k = 1; k <= CAN_Frame_Bytes; ++k) Create_Byte_Panel(k);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

void TCANMapForm::Create_Byte_Panel(int k) {
  const std::size_t i = static_cast<std::size_t>(k - 1);
  const std::string n = IntToStr(k);
  TPanel* panel = Panel[i] = new TPanel(this);
  panel->SetName("Panel" + n);
  panel->SetParent(this);
  panel->SetBounds(kPanelLeft, kBodyTop + (k - 1) * kPanelStep, kPanelWidth, kPanelHeight);
  panel->SetBevelOuter(bvNone);
  panel->SetCaption("");
  // The labels take the panel's colour, so they stand on the shape's tint without a box.
  panel->SetColor(kPanelTint);
  TShape* shape = Shape[i] = new TShape(this);
  shape->SetName("Shape" + n);
  shape->SetParent(panel);
  shape->SetAlign(alClient);
  TBrush brush = shape->Brush();
  brush.Color = kPanelTint;
  shape->SetBrush(brush);
  const int textTop = (kPanelHeight - 14) / 2;
  Byte_Label[i] = Make_Text(this, panel, "Byte_Label" + n, kLabelLeft, textTop);
  Byte_Label[i]->SetAutoSize(false);
  Byte_Label[i]->SetWidth(kLabelWidth);
  TEdit* edit = Edit[i] = new TEdit(this);
  edit->SetName("Edit" + n);
  edit->SetParent(panel);
  edit->SetBounds(kFieldLeft, (kPanelHeight - kFieldHeight) / 2, kFieldWidth, kFieldHeight);
  edit->SetText("none");
  edit->OnExit = [this, k](TObject*) { Edit_Exit(k); };
  Image_Label[i] = Make_Text(this, panel, "Image_Label" + n, kImageLeft, textTop);
  Not_In_Use[i] = Make_Text(this, panel, "Not_In_Use" + n, kNotInUseLeft, textTop);
  TFont font = Not_In_Use[i]->Font();
  font.Color = kNotInUseColor;
  Not_In_Use[i]->SetFont(font);
}

std::string TCANMapForm::Lang(int offset) const { return FState.Lang_Table.Strings(Map.Kind().FirstText + offset); }

TLangText TCANMapForm::Lang_Text() const {
  return [this](int number) { return FState.Lang_Table.Strings(number); };
}

void TCANMapForm::FormCreate(TObject*) {
  L_SW_Code->SetCaption(FState.SW_Code);
  SetClientSize(kClientWidth, kClientHeight);
  Set_Lang();
}

void TCANMapForm::Set_Lang() {
  SetCaption(Lang(cmCaption));
  L_SW_Desc->SetCaption(Lang(cmDescription));
  Btn_OK->SetCaption(Lang(cmOK));
  Btn_Cancel->SetCaption(Lang(cmCancel));
  ST_Title_Cob->SetCaption(Lang(cmTitleCob));
  ST_Title_Bytes->SetCaption(Lang(cmTitleBytes));
  for (int k = 1; k <= CAN_Frame_Bytes; ++k) {
    const std::size_t i = static_cast<std::size_t>(k - 1);
    Byte_Label[i]->SetCaption(Lang(cmByteLabel + k));
    Image_Label[i]->SetCaption(Lang(cmOfImage));
    Not_In_Use[i]->SetCaption(Lang(cmNotInUse));
  }
}

void TCANMapForm::FormShow(TObject*) {
  const std::vector<std::string> failures = Map.Load(FState.Path_ParGen, FState.*FPaths.Frames, FState.*FPaths.Map);
  ListBox1->Items().Clear();
  for (const std::string& cobId : Map.Cob_Ids) ListBox1->Items().Add(cobId);
  FShown = -1;
  if (Map.Data_arr.empty()) {
    for (TPanel* p : Panel) p->SetEnabled(false);
  } else {
    ListBox1->SetItemIndex(0);
    ListBox1Click(ListBox1);
  }
  for (const std::string& failure : failures) Show_Error(failure);
}

void TCANMapForm::ListBox1Click(TObject*) {
  const int i = ListBox1->ItemIndex();
  if (i < 0 || i >= static_cast<int>(Map.Data_arr.size())) return;
  FShown = i;
  const TRecInfo& info = Map.Data_arr[static_cast<std::size_t>(i)];
  for (int k = 1; k <= CAN_Frame_Bytes; ++k) {
    const std::size_t f = static_cast<std::size_t>(k - 1);
    const bool inUse = info.InUse(k);
    Not_In_Use[f]->SetVisible(!inUse);
    Panel[f]->SetEnabled(inUse);
    Edit[f]->SetText(inUse && info.PosB(k) != No_Position ? IntToStr(info.PosB(k)) : "none");
  }
}

void TCANMapForm::Edit_Exit(int k) {
  // Leaving for Cancel gives the value up with the rest of the window, and a window closing
  // hands the focus to no control of its own.
  const TWinControl* next = ActiveControl();
  if (FShown < 0 || !next || next == Btn_Cancel) return;
  TEdit* field = Edit[static_cast<std::size_t>(k - 1)];
  if (Map.Set_Field(FShown, k, field->Text())) return;
  Show_Error(Map.Field_Error(k, Lang_Text()));
  if (field->CanFocus()) field->SetFocus();
}

int TCANMapForm::Focused_Field() const {
  for (int k = 1; k <= CAN_Frame_Bytes; ++k)
    if (Edit[static_cast<std::size_t>(k - 1)]->Focused()) return k;
  return 0;
}

void TCANMapForm::bitbtn1Click(TObject*) {
  // A field the focus never left (its value refused just now, or OK pressed from the keyboard)
  // counts as it stands: a refused value keeps the window open.
  if (const int k = Focused_Field(); k > 0 && FShown >= 0)
    if (!Map.Set_Field(FShown, k, Edit[static_cast<std::size_t>(k - 1)]->Text())) return;
  if (!Controlla_dati()) return;
  try {
    Map.Save_Map(FState.*FPaths.Map);
  } catch (const Exception& e) {
    Show_Error(e.Message());
    return;
  }
  SetModalResult(mrOk);
}

}  // namespace hd

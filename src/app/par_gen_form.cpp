#include "app/par_gen_form.h"

#include <algorithm>

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/dialog_buttons.h"
#include "app/lb_button.h"
#include "app/window_looks.h"

namespace hd {

namespace {

constexpr int kGroupLeft = 8;
constexpr int kGroupTop = 70;
constexpr int kGroupWidth = 296;
constexpr int kEtherNetIPHeight = 326;
constexpr int kModbusTCPMasterHeight = 258;
constexpr int kCollapsedHeight = 26;  // the caption row alone
constexpr int kGroupGap = 6;
constexpr int kFoldLeft = 280, kFoldTop = 10, kFoldSize = 11;
constexpr int kClientWidth = 312;
constexpr int kButtonsBelowGroup = 13;
constexpr int kClientBelowGroup = 54;

// Rows inside a group: a label at the left, the fields to its right, all ending at 274.
constexpr int kLabelLeft = 10;
constexpr int kPortLeft = 82, kPortWidth = 192;
constexpr int kFirstRowTop = 26;
constexpr int kRowStep = 42;
constexpr int kEditHeight = 21;
// The labels of the address rows are the widest, so their four parts start further right.
constexpr int kPartLeft = 106;
constexpr int kPartWidth = 39;
constexpr int kPartStep = 43;
// The byte counts and the diagnostic address take the right end of their rows.
constexpr int kCountLeft = 180;
constexpr int kCountWidth = 94;

constexpr int RowTop(int row) { return kFirstRowTop + row * kRowStep; }

}  // namespace

TGroupFoldButton::TGroupFoldButton(TComponent* owner, bool expand) : TGraphicControl(owner), expand_(expand) {
  SetBounds(0, 0, kFoldSize, kFoldSize);
  SetCursor(crHandPoint);
  SetShowHint(true);
}

void TGroupFoldButton::Paint() {
  TCanvas& c = Canvas();
  const int w = ClientWidth(), h = ClientHeight();
  c.Brush().Color = clWhite;
  c.Pen().Color = clGray;
  c.Rectangle(0, 0, w, h);
  c.Pen().Color = clBlack;
  const int mx = w / 2, my = h / 2;
  c.MoveTo(2, my);
  c.LineTo(w - 2, my);
  if (expand_) {
    c.MoveTo(mx, 2);
    c.LineTo(mx, h - 2);
  }
}

TFParGen::TFParGen(TComponent* owner, TAppState& state) : TForm(owner), state_(state) {
  SetName("FParGen");
  SetBorderStyle(bsSingle);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  SetShowHint(true);
  CreateTitle();
  CreateEtherNetIPGroup();
  CreateModbusTCPMasterGroup();
  CreateButtons();
  fields_ = {E_IP1,
             E_IP2,
             E_IP3,
             E_IP4,
             E_SM1,
             E_SM2,
             E_SM3,
             E_SM4,
             E_GAT1,
             E_GAT2,
             E_GAT3,
             E_GAT4,
             CB_EN_GAT,
             E_PORT,
             E_NB_Input,
             E_NB_Output,
             CB_PROFINET_En_Diagnostic,
             E_PROFINET_Diagnostic_Address,
             E_TO_Modbus_TCP_Master,
             E_CD_Modbus_TCP_Master,
             E_IP1_Modbus_TCP_Master,
             E_IP2_Modbus_TCP_Master,
             E_IP3_Modbus_TCP_Master,
             E_IP4_Modbus_TCP_Master,
             E_SM1_Modbus_TCP_Master,
             E_SM2_Modbus_TCP_Master,
             E_SM3_Modbus_TCP_Master,
             E_SM4_Modbus_TCP_Master,
             E_GAT1_Modbus_TCP_Master,
             E_GAT2_Modbus_TCP_Master,
             E_GAT3_Modbus_TCP_Master,
             E_GAT4_Modbus_TCP_Master,
             CB_En_GAT_Modbus_TCP_Master};
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  OnActivate = [this](TObject* s) { FormActivate(s); };
}

TLabel* TFParGen::AddLabel(TWinControl* parent, int left, int top) {
  auto* l = new TLabel(this);
  l->SetParent(parent);
  l->SetLeft(left);
  l->SetTop(top);
  return l;
}

TEdit* TFParGen::AddEdit(TWinControl* parent, int left, int top, int width) {
  auto* e = new TEdit(this);
  e->SetParent(parent);
  e->SetBounds(left, top, width, kEditHeight);
  e->OnChange = [this](TObject* s) { On_Change(s); };
  return e;
}

TCheckBox* TFParGen::AddCheck(TWinControl* parent, int left, int top, int width) {
  auto* c = new TCheckBox(this);
  c->SetParent(parent);
  c->SetBounds(left, top, width, 17);
  c->OnClick = [this](TObject* s) { On_Click(s); };
  return c;
}

void TFParGen::AddAddressRow(TWinControl* parent, int top, std::array<TEdit**, 4> parts) {
  for (int i = 0; i < 4; ++i) {
    TEdit* e = AddEdit(parent, kPartLeft + i * kPartStep, top, kPartWidth);
    e->OnKeyPress = [this](TObject* s, TKeyChar& k) { KeyPress(s, k); };
    *parts[i] = e;
  }
}

void TFParGen::AddFoldButtons(TWinControl* group, TGroupFoldButton*& collapse, TGroupFoldButton*& expand) {
  collapse = new TGroupFoldButton(this, false);
  expand = new TGroupFoldButton(this, true);
  for (TGroupFoldButton* b : {collapse, expand}) {
    b->SetParent(group);
    b->SetBounds(kFoldLeft, kFoldTop, kFoldSize, kFoldSize);
  }
  collapse->OnClick = [this](TObject* s) { Btn_GB_Collapse(s); };
  expand->OnClick = [this](TObject* s) { Btn_GB_Expande(s); };
}

void TFParGen::CreateTitle() {
  L_SW_Code = AddLabel(this, 8, 4);
  TFont big = L_SW_Code->Font();
  big.Size = 20;
  big.Style = {fsBold};
  big.Color = clGray;
  L_SW_Code->SetFont(big);
  L_SW_Desc = AddLabel(this, 8, 44);
  TFont bold = L_SW_Desc->Font();
  bold.Style = {fsBold};
  L_SW_Desc->SetFont(bold);
}

void TFParGen::CreateEtherNetIPGroup() {
  GB_EtherNetIP = new TGroupBox(this);
  GB_EtherNetIP->SetParent(this);
  GB_EtherNetIP->SetBounds(kGroupLeft, kGroupTop, kGroupWidth, kEtherNetIPHeight);
  TGroupBox* g = GB_EtherNetIP;
  AddFoldButtons(g, Btn_Collapse_EtherNetIP, Btn_Expand_EtherNetIP);

  L_EtherNetIP_IP = AddLabel(g, kLabelLeft, RowTop(0) + 3);
  AddAddressRow(g, RowTop(0), {&E_IP1, &E_IP2, &E_IP3, &E_IP4});
  L_EtherNetIP_SM = AddLabel(g, kLabelLeft, RowTop(1) + 3);
  AddAddressRow(g, RowTop(1), {&E_SM1, &E_SM2, &E_SM3, &E_SM4});
  CB_EN_GAT = AddCheck(g, kLabelLeft, RowTop(2) + 2, kPartLeft - kLabelLeft - 2);
  AddAddressRow(g, RowTop(2), {&E_GAT1, &E_GAT2, &E_GAT3, &E_GAT4});
  L_EtherNetIP_Port = AddLabel(g, kLabelLeft, RowTop(3) + 3);
  E_PORT = AddEdit(g, kCountLeft, RowTop(3), kCountWidth);
  L_EtherNetIP_NumIn = AddLabel(g, kLabelLeft, RowTop(4) + 3);
  E_NB_Input = AddEdit(g, kCountLeft, RowTop(4), kCountWidth);
  L_EtherNetIP_NumOut = AddLabel(g, kLabelLeft, RowTop(5) + 3);
  E_NB_Output = AddEdit(g, kCountLeft, RowTop(5), kCountWidth);
  CB_PROFINET_En_Diagnostic = AddCheck(g, kLabelLeft, RowTop(6) + 2, kCountLeft - kLabelLeft - 4);
  E_PROFINET_Diagnostic_Address = AddEdit(g, kCountLeft, RowTop(6), kCountWidth);
  CB_PROFINET_En_Diagnostic->Hide();
  E_PROFINET_Diagnostic_Address->Hide();
}

void TFParGen::CreateModbusTCPMasterGroup() {
  GB_Modbus_TCP_Master = new TGroupBox(this);
  GB_Modbus_TCP_Master->SetParent(this);
  GB_Modbus_TCP_Master->SetBounds(kGroupLeft, kGroupTop + kEtherNetIPHeight + kGroupGap, kGroupWidth,
                                  kModbusTCPMasterHeight);
  TGroupBox* g = GB_Modbus_TCP_Master;
  AddFoldButtons(g, Btn_Collapse_Modbus_TCP_Master, Btn_Expand_Modbus_TCP_Master);

  L_Modbus_TCP_Master_IP_Add = AddLabel(g, kLabelLeft, RowTop(0) + 3);
  AddAddressRow(
      g, RowTop(0),
      {&E_IP1_Modbus_TCP_Master, &E_IP2_Modbus_TCP_Master, &E_IP3_Modbus_TCP_Master, &E_IP4_Modbus_TCP_Master});
  L_Modbus_TCP_Master_SM_Add = AddLabel(g, kLabelLeft, RowTop(1) + 3);
  AddAddressRow(
      g, RowTop(1),
      {&E_SM1_Modbus_TCP_Master, &E_SM2_Modbus_TCP_Master, &E_SM3_Modbus_TCP_Master, &E_SM4_Modbus_TCP_Master});
  CB_En_GAT_Modbus_TCP_Master = AddCheck(g, kLabelLeft, RowTop(2) + 2, kPartLeft - kLabelLeft - 2);
  AddAddressRow(
      g, RowTop(2),
      {&E_GAT1_Modbus_TCP_Master, &E_GAT2_Modbus_TCP_Master, &E_GAT3_Modbus_TCP_Master, &E_GAT4_Modbus_TCP_Master});
  L_ModbusTCPMaster_TimeOut = AddLabel(g, kLabelLeft, RowTop(3) + 3);
  E_TO_Modbus_TCP_Master = AddEdit(g, kCountLeft, RowTop(3), kCountWidth);
  L_ModbusTCPMaster_CyclicDelay = AddLabel(g, kLabelLeft, RowTop(4) + 3);
  E_CD_Modbus_TCP_Master = AddEdit(g, kCountLeft, RowTop(4), kCountWidth);
}

void TFParGen::CreateButtons() {
  Btn_OK = Make_Button(this, this, "Btn_OK", Bounds(8, 0, 145, 28), DialogGlyph(TDialogGlyph::OK), mrNone,
                       kSkyBlueHotTrack);
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  Btn_Cancel = Make_Button(this, this, "Btn_Cancel", Bounds(159, 0, 145, 28), DialogGlyph(TDialogGlyph::Cancel),
                           mrNone, kSkyBlueHotTrack);
  Btn_Cancel->OnClick = [this](TObject* s) { Btn_CancelClick(s); };
}

const std::string& TFParGen::Lang(int index) const { return state_.Lang_Table.Strings(index); }

void TFParGen::FormCreate(TObject*) {
  L_SW_Code->SetCaption(state_.SW_Code);
  // Only the EtherNet/IP group stays; Move_GroupBoxs brings the Modbus TCP master group back.
  GB_Modbus_TCP_Master->Hide();
  Collapse_Expand_Creation();
  L_EtherNetIP_Port->SetCaption(Lang(408));
  E_PORT->SetEnabled(false);
  E_PORT->SetLeft(kPortLeft);
  E_PORT->SetWidth(kPortWidth);
  CB_PROFINET_En_Diagnostic->Show();
  E_PROFINET_Diagnostic_Address->Show();
  Move_GroupBoxs();
  Set_Lang();
}

void TFParGen::Collapse_Expand_Creation() {
  GB_EtherNetIP_Visible = true;
  GB_Modbus_TCP_Master_Visible = true;
  for (TGroupFoldButton* b : {Btn_Collapse_EtherNetIP, Btn_Collapse_Modbus_TCP_Master}) {
    b->SetBounds(kFoldLeft, kFoldTop, kFoldSize, kFoldSize);
    b->Show();
  }
  for (TGroupFoldButton* b : {Btn_Expand_EtherNetIP, Btn_Expand_Modbus_TCP_Master}) {
    b->SetBounds(kFoldLeft, kFoldTop, kFoldSize, kFoldSize);
    b->Hide();
  }
}

void TFParGen::Move_GroupBoxs() {
  for (TControl* c : std::initializer_list<TControl*>{L_EtherNetIP_NumIn, E_NB_Input, L_EtherNetIP_NumOut, E_NB_Output})
    c->Show();
  // A collapsed group keeps its caption-row height.
  const int ethHeight = GB_EtherNetIP_Visible ? kEtherNetIPHeight : GB_EtherNetIP->Height();
  GB_EtherNetIP->SetBounds(kGroupLeft, kGroupTop, GB_EtherNetIP->Width(), ethHeight);
  GB_EtherNetIP->Show();
  const int masterTop = GB_EtherNetIP->Top() + GB_EtherNetIP->Height() + kGroupGap;
  GB_Modbus_TCP_Master->SetBounds(kGroupLeft, masterTop, GB_Modbus_TCP_Master->Width(), GB_Modbus_TCP_Master->Height());
  GB_Modbus_TCP_Master->Show();
  const int masterBottom = masterTop + GB_Modbus_TCP_Master->Height();
  Btn_OK->SetTop(masterBottom + kButtonsBelowGroup);
  Btn_Cancel->SetTop(masterBottom + kButtonsBelowGroup);
  SetClientSize(kClientWidth, masterBottom + kClientBelowGroup);
}

TFParGen::TFoldGroup TFParGen::FoldGroupOf(TObject* button) {
  if (button == Btn_Collapse_EtherNetIP || button == Btn_Expand_EtherNetIP)
    return {GB_EtherNetIP, L_EtherNetIP_IP, Btn_Collapse_EtherNetIP, Btn_Expand_EtherNetIP, &GB_EtherNetIP_Visible};
  return {GB_Modbus_TCP_Master, L_Modbus_TCP_Master_IP_Add, Btn_Collapse_Modbus_TCP_Master,
          Btn_Expand_Modbus_TCP_Master, &GB_Modbus_TCP_Master_Visible};
}

void TFParGen::Btn_GB_Collapse(TObject* Sender) {
  TFoldGroup g = FoldGroupOf(Sender);
  g.Group->SetHeight(kCollapsedHeight);
  g.FirstLabel->Hide();
  g.Collapse->Hide();
  g.Expand->Show();
  *g.Expanded = false;
  Move_GroupBoxs();
  Set_Fields_Reachable(g.Group, false);
}

void TFParGen::Btn_GB_Expande(TObject* Sender) {
  TFoldGroup g = FoldGroupOf(Sender);
  // The EtherNet/IP group gets its height back from Move_GroupBoxs.
  if (g.Group == GB_Modbus_TCP_Master) g.Group->SetHeight(kModbusTCPMasterHeight);
  g.FirstLabel->Show();
  g.Collapse->Show();
  g.Expand->Hide();
  *g.Expanded = true;
  Move_GroupBoxs();
  Set_Fields_Reachable(g.Group, true);
}

void TFParGen::Set_Fields_Reachable(TGroupBox* group, bool reachable) {
  // A folded group still holds its fields below the caption row, where nobody sees them:
  // Tab passes over them, and a focus left inside moves on to the next field in sight.
  for (int i = 0; i < group->ControlCount(); ++i)
    if (auto* field = dynamic_cast<TWinControl*>(group->Controls(i))) field->SetTabStop(reachable);
  if (!reachable && ActiveControl() && group->ContainsControl(ActiveControl())) SelectNext(ActiveControl(), true, true);
}

void TFParGen::FormActivate(TObject*) {
  if (Top() < 0) SetTop(0);
}

void TFParGen::Set_Lang() {
  SetCaption(Lang(400));
  L_SW_Desc->SetCaption(Lang(401));
  Btn_OK->SetCaption(Lang(402));
  Btn_Cancel->SetCaption(Lang(403));
  GB_EtherNetIP->SetCaption(Lang(404));
  L_EtherNetIP_IP->SetCaption(Lang(405));
  L_EtherNetIP_SM->SetCaption(Lang(406));
  CB_EN_GAT->SetCaption(Lang(407));
  L_EtherNetIP_Port->SetCaption(Lang(408));
  L_EtherNetIP_NumIn->SetCaption(Lang(409));
  L_EtherNetIP_NumOut->SetCaption(Lang(410));
  CB_PROFINET_En_Diagnostic->SetCaption(Lang(547));
  GB_Modbus_TCP_Master->SetCaption(Lang(478));
  L_Modbus_TCP_Master_IP_Add->SetCaption(Lang(479));
  L_Modbus_TCP_Master_SM_Add->SetCaption(Lang(480));
  CB_En_GAT_Modbus_TCP_Master->SetCaption(Lang(481));
  L_ModbusTCPMaster_TimeOut->SetCaption(Lang(482));
  L_ModbusTCPMaster_CyclicDelay->SetCaption(Lang(483));
  for (TGroupFoldButton* b : {Btn_Collapse_EtherNetIP, Btn_Collapse_Modbus_TCP_Master}) b->SetHint(Lang(443));
  for (TGroupFoldButton* b : {Btn_Expand_EtherNetIP, Btn_Expand_Modbus_TCP_Master}) b->SetHint(Lang(444));
}

void TFParGen::ShowFields(const TParGen& p) {
  const auto& elements = ParGenElements();
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (elements[i].Text)
      static_cast<TEdit*>(fields_[i])->SetText(p.*elements[i].Text);
    else
      static_cast<TCheckBox*>(fields_[i])->SetChecked(p.*elements[i].Checked);
  }
}

TParGen TFParGen::ReadFields() const {
  TParGen p;
  const auto& elements = ParGenElements();
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (elements[i].Text)
      p.*elements[i].Text = static_cast<TEdit*>(fields_[i])->Text();
    else
      p.*elements[i].Checked = static_cast<TCheckBox*>(fields_[i])->Checked();
  }
  return p;
}

void TFParGen::FormShow(TObject*) {
  TParGen p;
  const std::string unreadable = LoadParGen(p, state_.Path_ParGen);
  // Told before the defaults show, since OK would put them in the file's place.
  if (!unreadable.empty())
    Show_Error("Error! " + unreadable + "\nThe window shows the default values; OK replaces the file with them.");
  ShowFields(p);
  // Filling the fields ran the change handlers.
  Is_Change = false;
}

bool TFParGen::Controllo_Dati() {
  const TParGenCheck check = hd::Controllo_Dati(ReadFields());
  if (check.Passed()) return true;
  // The text is read now, so the message follows the language loaded last.
  Show_Error(check.Message([this](int i) { return Lang(i); }));
  return false;
}

void TFParGen::Btn_OKClick(TObject*) {
  if (!Controllo_Dati()) return;
  SaveParGen(ReadFields(), state_.Path_ParGen);
  SetModalResult(mrOk);
}

void TFParGen::Btn_CancelClick(TObject*) {
  if (Is_Change && !Ask_Yes_No(Lang(474))) return;
  SetModalResult(mrCancel);
}

void TFParGen::On_Change(TObject*) { Is_Change = true; }

void TFParGen::On_Click(TObject*) { Is_Change = true; }

void TFParGen::KeyPress(TObject* Sender, TKeyChar& Key) {
  if (Key != '.') return;
  Key = 0;
  const std::array<TEdit*, 12> chains[] = {
      {E_IP1, E_IP2, E_IP3, E_IP4, E_SM1, E_SM2, E_SM3, E_SM4, E_GAT1, E_GAT2, E_GAT3, E_GAT4},
      {E_IP1_Modbus_TCP_Master, E_IP2_Modbus_TCP_Master, E_IP3_Modbus_TCP_Master, E_IP4_Modbus_TCP_Master,
       E_SM1_Modbus_TCP_Master, E_SM2_Modbus_TCP_Master, E_SM3_Modbus_TCP_Master, E_SM4_Modbus_TCP_Master,
       E_GAT1_Modbus_TCP_Master, E_GAT2_Modbus_TCP_Master, E_GAT3_Modbus_TCP_Master, E_GAT4_Modbus_TCP_Master}};
  for (const auto& chain : chains) {
    auto it = std::find(chain.begin(), chain.end(), Sender);
    // The last gateway part ends its chain: the dot is only swallowed there.
    if (it == chain.end() || it + 1 == chain.end()) continue;
    if ((*(it + 1))->CanFocus()) (*(it + 1))->SetFocus();
  }
}

}  // namespace hd

// The main window's controls, its creation and layout, and its texts.
#include "app/main_form.h"

#include <initializer_list>

#include "app/dialog_buttons.h"
#include "app/lb_button.h"
#include "app/boot_tcp_form.h"
#include "app/new_project_form.h"
#include "app/open_conf_form.h"
#include "app/par_gen_form.h"
#include "app/soft_options_form.h"
#include "app/window_glyphs.h"
#include "app/window_looks.h"
#include "platform/files.h"

namespace hd {
namespace {

constexpr TColor kMainColor = RGB(248, 247, 237);
constexpr int kStepButtonWidth = 170;
constexpr int kStepButtonHeight = 36;
constexpr int kIconButtonSize = 50;
constexpr unsigned kFirstCheckMs = 60000;

// A step button: its field, caption and hint texts (no caption for the icons), where the
// designer put it and its picture.
struct StepButton {
  TLbButton* TFTessaroneFirmWare::*Field;
  const char* Name;
  int Caption;
  int Hint;
  TPoint Design;
  const char* Glyph;
};

// In the order Btn_Click tests them.
constexpr StepButton kStepButtons[] = {
    {&TFTessaroneFirmWare::Btn_New, "Btn_New", 15, 30, {80, 112}, "WGNEW"},
    {&TFTessaroneFirmWare::Btn_Open, "Btn_Open", 16, 31, {258, 112}, "WGOPEN"},
    {&TFTessaroneFirmWare::Btn_Close, "Btn_Close", -1, 14, {632, 8}, "BTNCLOSE"},
    {&TFTessaroneFirmWare::Btn_Info, "Btn_Info", -1, 12, {516, 8}, "BTNINFO"},
    {&TFTessaroneFirmWare::Btn_Opz, "Btn_Opz", -1, 13, {574, 8}, "BTNOPTIONS"},
    {&TFTessaroneFirmWare::Btn_Prm_Gen, "Btn_Prm_Gen", 20, 32, {80, 156}, "WGSETCOM"},
    {&TFTessaroneFirmWare::Btn_Set_Access, "Btn_Set_Access", 21, 35, {80, 200}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_Receive_NMEA, "Btn_Receive_NMEA", 22, 36, {80, 288}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_Transmit_NMEA, "Btn_Transmit_NMEA", 23, 37, {258, 288}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_SDO_Server_CANopen, "Btn_SDO_Server_CANopen", 24, 39, {80, 332}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_SDO_Client_CANopen, "Btn_SDO_Client_CANopen", 25, 40, {258, 332}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_PDO_CANopen, "Btn_PDO_CANopen", 26, 41, {436, 332}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_ReStart_Devices_CANopen, "Btn_ReStart_Devices_CANopen", 58, 59, {258, 376}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_NodeGuard_CANopen, "Btn_NodeGuard_CANopen", 56, 57, {80, 376}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_CANopen_EDS, "Btn_CANopen_EDS", 29, 42, {436, 376}, "WGNEW"},
    {&TFTessaroneFirmWare::Btn_PROFIBUS_GSD, "Btn_PROFIBUS_GSD", 27, 38, {258, 300}, "WGNEW"},
    {&TFTessaroneFirmWare::Btn_DMX_Default, "Btn_DMX_Default", 28, 43, {436, 288}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_J1939_Rec_Frame, "Btn_J1939_Rec_Frame", 44, 46, {80, 420}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_J1939_Send_Frame, "Btn_J1939_Send_Frame", 45, 47, {258, 420}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_CAN_Rec_Frame, "Btn_CAN_Rec_Frame", 48, 52, {80, 464}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_CAN_Rec_Info, "Btn_CAN_Rec_Info", 49, 53, {258, 464}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_CAN_Send_Frame, "Btn_CAN_Send_Frame", 50, 54, {80, 508}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_CAN_Send_Info, "Btn_CAN_Send_Info", 51, 55, {258, 508}, "WGSETACCESS"},
    {&TFTessaroneFirmWare::Btn_CreateBin, "Btn_CreateBin", 17, 33, {80, 244}, "WGUPDATE"},
};

constexpr TLabel* TFTessaroneFirmWare::*kStepLabels[] = {
    &TFTessaroneFirmWare::L_Step_1, &TFTessaroneFirmWare::L_Step_2, &TFTessaroneFirmWare::L_Step_3,
    &TFTessaroneFirmWare::L_Step_4, &TFTessaroneFirmWare::L_Step_5, &TFTessaroneFirmWare::L_Step_6,
    &TFTessaroneFirmWare::L_Step_7, &TFTessaroneFirmWare::L_Step_8, &TFTessaroneFirmWare::L_Step_9,
};

// The windows whose texts follow a language change, after the main window's own, in this order.
constexpr const char* kRelabelledTables[] = {
    "TFReceiveNMEA", "TFTransmitNMEA", "TFSet_PDO_Access", "TFSet_SDO_Client_Access", "TFDMXDefVal",
    "TFCAN_Rec_Frames", "TF_Rec_Info", "TFCAN_Send_Frame", "TF_Sen_Info",
};

bool IsIcon(const StepButton& b) { return b.Caption < 0; }

}  // namespace

TFTessaroneFirmWare::TFTessaroneFirmWare(TComponent* owner, std::string appFolder)
    : TForm(owner), HTTP1(CreateHttpClient()), FAppFolder(std::move(appFolder)) {
  SetName("FTessaroneFirmWare");
  SetBorderStyle(bsSingle);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  SetColor(kMainColor);
  SetFont(Window_Font());
  SetShowHint(true);
  CreateControls();
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

TFTessaroneFirmWare::~TFTessaroneFirmWare() = default;

const std::string& TFTessaroneFirmWare::Text(int number) const { return FState.Lang_Table[number]; }

void TFTessaroneFirmWare::CreateControls() {
  L_SW_Code = Make_Label(this, this, "L_SW_Code", 16, 8);
  TFont code = Window_Font();
  code.Size = 20;
  code.Style = {fsBold};
  code.Color = RGB(128, 128, 128);
  L_SW_Code->SetFont(code);
  L_SW_Desc = Make_Label(this, this, "L_SW_Desc", 16, 42);
  TFont desc = Window_Font();
  desc.Size = 11;
  desc.Style = {fsBold};
  desc.Color = RGB(0, 51, 102);
  L_SW_Desc->SetFont(desc);
  L_Begin = Make_Label(this, this, "L_Begin", 16, 84, Bold_Font(10));

  Shape2 = Make_Frame(this, this, "Shape2", Bounds(80, 70, 420, 36), RGB(160, 160, 150), clWhite);
  L_Name_Conf = Make_Label(this, this, "L_Name_Conf", 87, 75);
  L_Name_Conf_L2 = Make_Label(this, this, "L_Name_Conf_L2", 87, 88, Bold_Font(8));
  L_Name_Conf->SetTransparent(true);
  L_Name_Conf_L2->SetTransparent(true);

  for (std::size_t i = 0; i < std::size(kStepLabels); ++i)
    this->*kStepLabels[i] = Make_Label(this, this, "L_Step_" + std::to_string(i + 1), 16, 0, Step_Font());

  L_Kastir = Make_Label(this, this, "L_Kastir", 565, 260);
  L_Kastir->SetCaption(Maker_Web_Host);
  L_Kastir->SetFont(Link_Font());
  L_Kastir->SetCursor(crHandPoint);
  L_Kastir->OnClick = [this](TObject* s) { L_KastirClick(s); };

  LL_Update = new TLinkLabel(this);
  LL_Update->SetName("LL_Update");
  LL_Update->SetParent(this);
  LL_Update->SetBounds(208, 19, 290, 16);
  LL_Update->SetVisible(false);
  LL_Update->OnLinkClick = [this](TObject* s, const std::string& link, TSysLinkType type) {
    LL_UpdateLinkClick(s, link, type);
  };

  Shape1 = Make_Frame(this, this, "Shape1", Bounds(10, 0, 674, 1), RGB(160, 160, 150), RGB(160, 160, 150));

  CreateStepButtons();

  Timer_Update = new TTimer(this);
  Timer_Update->SetName("Timer_Update");
  Timer_Update->SetEnabled(false);
  Timer_Update->SetInterval(kFirstCheckMs);
  Timer_Update->OnTimer = [this](TObject* s) { Timer_UpdateTimer(s); };
}

void TFTessaroneFirmWare::CreateStepButtons() {
  for (const StepButton& b : kStepButtons) {
    TLbButton* button = new TLbButton(this);
    button->SetName(b.Name);
    button->SetParent(this);
    if (IsIcon(b)) {
      button->SetBounds(b.Design.X, b.Design.Y, kIconButtonSize, kIconButtonSize);
      StyleDialogButton(*button, kSkyBlueHotTrack, WindowGlyph(b.Glyph));
      button->SetStyle(bsNormal);
    } else {
      button->SetBounds(b.Design.X, b.Design.Y, kStepButtonWidth, kStepButtonHeight);
      StyleDialogButton(*button, kYellowHotTrack, WindowGlyph(b.Glyph));
      button->SetAlignment(taLeftJustify);
    }
    button->OnClick = [this](TObject* s) { Btn_Click(s); };
    this->*b.Field = button;
  }
  Btn_Prm_Gen->SetStyle(bsNormal);
  // Tab walks the steps from step 1 down, then the icons from left to right; the table above
  // is in the order of the click dispatch, which puts Close between the steps.
  for (TLbButton* icon : {Btn_Info, Btn_Opz, Btn_Close}) icon->SetTabOrder(ControlCount());
}

void TFTessaroneFirmWare::FormCreate(TObject*) {
  FState.Lang_Table.Clear();
  Layout_Window();
  FState.Set_Folders(FAppFolder);
  FState.Project_Name.clear();
  FState.Read_Setting();
  Enable_Update_Timer();
  FState.Main_Title = "Kastir - Tessaron SW58318 - EtherNet/IP / Modbus TCP Master ";
  SetCaption(FState.Main_Title);
  FState.SW_Code = TAppState::SW_Code_Const;
  FState.SW_Description = TAppState::SW_Description_Const;
  L_SW_Code->SetCaption(FState.SW_Code);
  L_SW_Desc->SetCaption(FState.SW_Description);
  FState.Load_Language();
  const std::string last = JoinPath(FState.Projects_Root, FState.Project_Name);
  // Project_Name keeps what the settings held even when its folder is gone; the labels show it.
  // Only a folder right under PROJECTS is a configuration, whatever the settings file says.
  const bool restorable = !FState.Project_Name.empty() && !Is_Unsafe_Project_Name(FState.Project_Name);
  FState.Project_Folder = restorable && DirectoryExists(last) ? last : std::string();
  Set_Lang();
  FState.Set_Files();
  FState.Row_Clipboard.Clear();
}

void TFTessaroneFirmWare::Layout_Window() {
  for (TControl* c : std::initializer_list<TControl*>{L_SW_Code, L_SW_Desc, L_Begin, L_Name_Conf, L_Name_Conf_L2, Shape2})
    c->Show();
  for (TLbButton* icon : {Btn_Info, Btn_Opz, Btn_Close}) icon->Show();

  for (std::size_t i = 0; i < std::size(kStepLabels); ++i) {
    TLabel* label = this->*kStepLabels[i];
    label->SetBounds(16, 128 + 44 * static_cast<int>(i), label->Width(), label->Height());
    label->Hide();
  }
  L_Kastir->Hide();
  for (const StepButton& b : kStepButtons)
    if (!IsIcon(b)) (this->*b.Field)->Hide();
  Btn_PROFIBUS_GSD->SetBounds(258, 300, kStepButtonWidth, kStepButtonHeight);

  for (TLabel* label : {L_Step_1, L_Step_2, L_Step_3, L_Step_4}) label->Show();
  L_Kastir->SetTop(L_Step_4->Top());
  L_Kastir->Show();
  for (TLbButton* step : {Btn_New, Btn_Open, Btn_Prm_Gen, Btn_Set_Access, Btn_CreateBin}) step->Show();

  const int bottom = Btn_CreateBin->Top();
  Shape1->SetBounds(10, bottom + 51, 674, 1);
  SetClientSize(694, bottom + 152);
}

void TFTessaroneFirmWare::Set_Lang() {
  L_Begin->SetCaption(Text(0));
  for (std::size_t i = 0; i < 8; ++i) (this->*kStepLabels[i])->SetCaption(Text(1 + static_cast<int>(i)));
  L_Step_9->SetCaption(Text(60));
  for (const StepButton& b : kStepButtons) {
    TLbButton* button = this->*b.Field;
    if (!IsIcon(b)) button->SetCaption(Text(b.Caption));
    button->SetHint(Text(b.Hint));
  }
  Show_Name_Labels();
}

void TFTessaroneFirmWare::Show_Name_Labels() {
  if (!FState.Project_Name.empty()) {
    L_Name_Conf->SetCaption(Text(11));
    L_Name_Conf_L2->SetCaption(FState.Project_Name);
  } else {
    L_Name_Conf->SetCaption(Text(9));
    L_Name_Conf_L2->SetCaption(Text(10));
  }
}

void TFTessaroneFirmWare::Change_Language() {
  Set_Lang();
  if (FBootTCP) FBootTCP->Set_Lang();
  if (FNew_Project) FNew_Project->Set_Lang();
  if (FOpenConf) FOpenConf->Set_Lang();
  if (FParGen) FParGen->Set_Lang();
  if (FSoftOptions) FSoftOptions->Set_Lang();
  for (const char* name : kRelabelledTables) {
    auto it = Table_Windows.find(name);
    if (it != Table_Windows.end() && it->second.Set_Lang) it->second.Set_Lang();
  }
}

void TFTessaroneFirmWare::Enable_Update_Timer() {
  Timer_Update->SetEnabled(FState.Opt_Enable_Internet == 1 && FState.Opt_Enable_Update == 1);
}

}  // namespace hd

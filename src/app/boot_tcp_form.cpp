#include "app/boot_tcp_form.h"

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/dialog_buttons.h"
#include "app/lb_button.h"
#include "app/ping_loop.h"
#include "app/start_program.h"
#include "app/update_job_file.h"
#include "app/window_looks.h"
#include "platform/application.h"
#include "platform/ext_ctrls.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/timers.h"

namespace hd {

namespace {

constexpr int kClientWidth = 350;
constexpr int kClientHeight = 233;
constexpr int kButtonPanelHeight = 43;
constexpr int kPartWidth = 45;
constexpr int kEditHeight = 21;
constexpr int kCheckWidth = 270;

// Page 1, every showing (left, top).
constexpr TPoint kIpAddressLabel{16, 75};
constexpr TPoint kIpParts[4] = {{35, 97}, {91, 97}, {147, 97}, {203, 97}};
constexpr TPoint kDots[3] = {{83, 105}, {139, 105}, {195, 105}};
constexpr TPoint kPingLabel{16, 136};
constexpr TPoint kPingButton{35, 155};
constexpr TPoint kPingResult{151, 163};

// Page 2, after Next.
constexpr TPoint kOptionsLabel{16, 75};
constexpr TPoint kFirmware{36, 96};
constexpr TPoint kReadFirmware{56, 119};
constexpr TPoint kConfiguration{36, 142};
constexpr TPoint kReadConfiguration{56, 165};
constexpr int kUpdateButtonLeft = 16;

// The ping loop on the platform's clock, handling the window's messages between tries, so
// that a test's virtual clock drives it as well.
class TWindowPingClock : public IPingClock {
 public:
  std::int64_t NowMs() override { return static_cast<std::int64_t>(Clock().NowMs()); }
  void Sleep(int ms) override { Clock().Sleep(static_cast<std::uint32_t>(ms)); }
  void ProcessMessages() override { Application().ProcessMessages(); }
};

bool IsDecimalByte(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  int v = 0;
  return TryStrToInt(text, v) && v >= 0 && v <= 255;
}

// The text before the first dot, and the trimmed rest after it; false without a dot.
bool SplitAtDot(const std::string& text, std::string& head, std::string& rest) {
  const auto dot = text.find('.');
  if (dot == std::string::npos) return false;
  head = text.substr(0, dot);
  rest = Trim(text.substr(dot + 1));
  return true;
}

void Place(TControl* c, TPoint p) { c->SetBounds(p.X, p.Y, c->Width(), c->Height()); }

}  // namespace

bool Valid_IP(const std::string& ip, std::string& ip1, std::string& ip2, std::string& ip3, std::string& ip4) {
  std::string rest1, rest2;
  if (!SplitAtDot(Trim(ip), ip1, rest1) || !SplitAtDot(rest1, ip2, rest2) || !SplitAtDot(rest2, ip3, ip4)) return false;
  return IsDecimalByte(ip1) && IsDecimalByte(ip2) && IsDecimalByte(ip3) && IsDecimalByte(ip4);
}

TFBootTCP::TFBootTCP(TComponent* owner, TAppState& state) : TForm(owner), state_(state) {
  SetName("FBootTCP");
  SetBorderStyle(bsSingle);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  CreateTitle();
  CreatePage1();
  CreatePage2();
  CreateButtons();
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

TFBootTCP::~TFBootTCP() = default;

void TFBootTCP::CreateTitle() {
  const TTitlePanel title = Make_Title_Panel(this);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;
}

void TFBootTCP::CreatePage1() {
  L_IP_Address = new TLabel(this);
  L_IP_Address->SetParent(this);
  TEdit** parts[4] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
  for (int i = 0; i < 4; ++i) {
    auto* e = new TEdit(this);
    e->SetParent(this);
    e->SetBounds(kIpParts[i].X, kIpParts[i].Y, kPartWidth, kEditHeight);
    *parts[i] = e;
  }
  E_IP1->OnKeyPress = [this](TObject* s, TKeyChar& k) { E_IP1KeyPress(s, k); };
  E_IP2->OnKeyPress = [this](TObject* s, TKeyChar& k) { E_IP2KeyPress(s, k); };
  E_IP3->OnKeyPress = [this](TObject* s, TKeyChar& k) { E_IP3KeyPress(s, k); };
  TLabel** dots[3] = {&Label2, &Label3, &Label4};
  for (int i = 0; i < 3; ++i) {
    auto* l = new TLabel(this);
    l->SetParent(this);
    l->SetCaption(".");
    *dots[i] = l;
  }
  L_Ping = new TLabel(this);
  L_Ping->SetParent(this);
  Btn_Ping = new TLbButton(this);
  Btn_Ping->SetParent(this);
  Btn_Ping->SetBounds(kPingButton.X, kPingButton.Y, 100, 25);
  StyleDialogButton(*Btn_Ping, kYellowHotTrack, DialogGlyph(TDialogGlyph::Ping));
  Btn_Ping->OnClick = [this](TObject* s) { LbButton1Click(s); };
  LPing = new TLabel(this);
  LPing->SetParent(this);
  TFont bold = LPing->Font();
  bold.Style = {fsBold};
  LPing->SetFont(bold);
}

void TFBootTCP::CreatePage2() {
  L_Options = new TLabel(this);
  L_Options->SetParent(this);
  TCheckBox** boxes[4] = {&CB_Firmware, &CB_Read_Firm, &CB_Conf, &CB_Read_Conf};
  for (TCheckBox** box : boxes) {
    auto* c = new TCheckBox(this);
    c->SetParent(this);
    c->SetBounds(0, 0, kCheckWidth, 17);
    *box = c;
  }
}

void TFBootTCP::CreateButtons() {
  P_Buttons = Make_Button_Panel(this, kButtonPanelHeight);
  Btn_Cancel = Make_Button(this, P_Buttons, "Btn_Cancel", Bounds(16, 8, 110, 27), DialogGlyph(TDialogGlyph::Cancel),
                           mrCancel);
  Btn_Next = Make_Button(this, P_Buttons, "Btn_Next", Bounds(kClientWidth - 16 - 110, 8, 110, 27),
                         DialogGlyph(TDialogGlyph::Next));
  Btn_Next->SetLayout(blGlyphRight);
  Btn_Next->OnClick = [this](TObject* s) { LbButton2Click(s); };
  Btn_Update = Make_Button(this, P_Buttons, "Btn_Update", Bounds(kUpdateButtonLeft, 8, 220, 27),
                           DialogGlyph(TDialogGlyph::Update));
  Btn_Update->OnClick = [this](TObject* s) { LbButton4Click(s); };
}

const std::string& TFBootTCP::Lang(int index) const { return state_.Lang_Table.Strings(index); }

void TFBootTCP::SetPinger(std::unique_ptr<IPinger> pinger) { pinger_ = std::move(pinger); }

void TFBootTCP::FormCreate(TObject*) {
  L_SW_Code->SetCaption(state_.SW_Code);
  SetClientSize(kClientWidth, kClientHeight);
  for (TCheckBox* c : {CB_Firmware, CB_Read_Firm, CB_Conf, CB_Read_Conf}) c->SetChecked(true);
  Set_Lang();
}

void TFBootTCP::Set_Lang() {
  SetCaption(Lang(1700));
  L_SW_Desc->SetCaption(Lang(1700));
  L_Ping->SetCaption(Lang(1702));
  Btn_Ping->SetCaption(Lang(1703));
  Btn_Cancel->SetCaption(Lang(1704));
  Btn_Next->SetCaption(Lang(1705));
  L_Options->SetCaption(Lang(1706));
  CB_Firmware->SetCaption(Lang(1707));
  CB_Read_Firm->SetCaption(Lang(1708));
  CB_Conf->SetCaption(Lang(1709));
  CB_Read_Conf->SetCaption(Lang(1710));
  Btn_Update->SetCaption(Lang(1711));
}

void TFBootTCP::ShowPage1() {
  Place(L_IP_Address, kIpAddressLabel);
  TEdit* parts[4] = {E_IP1, E_IP2, E_IP3, E_IP4};
  for (int i = 0; i < 4; ++i) Place(parts[i], kIpParts[i]);
  TLabel* dots[3] = {Label2, Label3, Label4};
  for (int i = 0; i < 3; ++i) Place(dots[i], kDots[i]);
  Place(L_Ping, kPingLabel);
  Place(Btn_Ping, kPingButton);
  Place(LPing, kPingResult);
  for (TControl* c : std::initializer_list<TControl*>{L_IP_Address, E_IP1, E_IP2, E_IP3, E_IP4, Label2, Label3, Label4,
                                                      L_Ping, Btn_Ping, LPing, Btn_Cancel, Btn_Next})
    c->Show();
  for (TControl* c :
       std::initializer_list<TControl*>{L_Options, CB_Firmware, CB_Read_Firm, CB_Conf, CB_Read_Conf, Btn_Update})
    c->Hide();
}

void TFBootTCP::ShowPage2() {
  for (TControl* c : std::initializer_list<TControl*>{L_IP_Address, E_IP1, E_IP2, E_IP3, E_IP4, Label2, Label3, Label4,
                                                      L_Ping, Btn_Ping, LPing, Btn_Cancel, Btn_Next})
    c->Hide();
  Place(L_Options, kOptionsLabel);
  Place(CB_Firmware, kFirmware);
  Place(CB_Read_Firm, kReadFirmware);
  Place(CB_Conf, kConfiguration);
  Place(CB_Read_Conf, kReadConfiguration);
  Btn_Update->SetLeft(kUpdateButtonLeft);
  for (TControl* c :
       std::initializer_list<TControl*>{L_Options, CB_Firmware, CB_Read_Firm, CB_Conf, CB_Read_Conf, Btn_Update})
    c->Show();
}

void TFBootTCP::FormShow(TObject*) {
  ShowPage1();
  LPing->SetCaption("");
  std::string ip1, ip2, ip3, ip4;
  if (!state_.Device_IP.empty() && Valid_IP(state_.Device_IP, ip1, ip2, ip3, ip4)) {
    E_IP1->SetText(ip1);
    E_IP2->SetText(ip2);
    E_IP3->SetText(ip3);
    E_IP4->SetText(ip4);
  }
  L_IP_Address->SetCaption(Lang(1701) + " HD58318");
  Esegui_Ping = false;
}

void TFBootTCP::DotMovesTo(TEdit* next, TKeyChar& key) {
  if (key != '.') return;
  key = 0;
  if (next->CanFocus()) next->SetFocus();
}

void TFBootTCP::E_IP1KeyPress(TObject*, TKeyChar& Key) { DotMovesTo(E_IP2, Key); }
void TFBootTCP::E_IP2KeyPress(TObject*, TKeyChar& Key) { DotMovesTo(E_IP3, Key); }
void TFBootTCP::E_IP3KeyPress(TObject*, TKeyChar& Key) { DotMovesTo(E_IP4, Key); }

std::string TFBootTCP::Typed_IP() const { return Join_IP(E_IP1->Text(), E_IP2->Text(), E_IP3->Text(), E_IP4->Text()); }

void TFBootTCP::LbButton1Click(TObject*) {
  Esegui_Ping = false;
  if (!pinger_) pinger_ = CreateSystemPinger();
  TWindowPingClock clock;
  const TPingLoopResult r = Run_Ping(*pinger_, clock, Typed_IP());
  Esegui_Ping = r.Found();
  TFont f = LPing->Font();
  f.Color = r.Found() ? clGreen : clRed;
  LPing->SetFont(f);
  LPing->SetCaption(Lang(r.TextIndex));
}

void TFBootTCP::LbButton2Click(TObject*) {
  if (!Esegui_Ping) {
    Show_Error(Lang(1715));
    return;
  }
  ShowPage2();
  state_.Device_IP = Typed_IP();
}

void TFBootTCP::Compile_XML_Parameter() {
  TUpdateJob job;
  job.Device_IP = Typed_IP();
  job.Master_Folder = state_.Master_Folder;
  job.Project_Folder = state_.Project_Folder;
  job.Operations = {CB_Firmware->Checked(), CB_Read_Firm->Checked(), CB_Conf->Checked(), CB_Read_Conf->Checked()};
  hd::Compile_XML_Parameter(state_.App_Folder, job);
}

void TFBootTCP::LbButton4Click(TObject*) {
  Compile_XML_Parameter();
  // The updater's own outcome is its business; the wizard only waits for it. An updater that
  // never started is told, or the user would wait for an update that is not coming.
  const std::string updater = state_.App_Folder + PathDelim + Updater_Program_Name;
  const TProgramResult run = Start_Program(updater, "", 0);
  if (run.Outcome == TProgramOutcome::NotStarted)
    Show_Error("Error! The updater \"" + updater + "\" could not be started: " + run.Error);
}

}  // namespace hd

#include "tables/device_command_form.h"

#include <algorithm>
#include <vector>

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/lb_button.h"
#include "app/window_looks.h"
#include "grid/stringgrid/column_grid.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/xml.h"
#include "tables/image_sizes.h"
#include "tables/table_grid.h"

namespace hd {

namespace {

constexpr int kClientWidth = 635, kClientHeight = 465;
constexpr int kButtonWidth = 110, kButtonHeight = 28;
const std::string kEnable = "Enable";
const std::string kDisable = "Disable";

TTableColumn Shown(int header, int width, TTableEditor editor = teNormal, std::vector<std::string> choices = {}) {
  TTableColumn c;
  c.HeaderText = header;
  c.Editor = editor;
  c.Choices = std::move(choices);
  c.Width = width;
  c.ReadOnly = editor == teNormal;
  return c;
}

// The status grid: what the converter reported, what Write Status sends, and the poll.
const TTableSection& Status_Grid() {
  static const TTableSection section{
      "", {Shown(1211, 85), Shown(1212, 85, teComboList, {kEnable, kDisable}), Shown(1213, 390)}, Device_Poll_Count};
  return section;
}

const TTableSection& Errors_Grid() {
  static const TTableSection section{"", {Shown(1216, 85), Shown(1217, 475)}, Device_Poll_Count};
  return section;
}

// "Read; Slave ID = 3; Type = Coil Status; ..." for each poll of the access-poll file, the read
// polls first; answers the error that ended the reading, or "".
std::string Read_Poll_Descriptions(const std::string& path, const TStringList& lang, std::vector<std::string>& out) {
  if (!FileExists(path)) return {};
  TXmlDocument doc;
  try {
    doc.LoadFromFile(path);
  } catch (const Exception& e) {
    return e.Message();
  }
  const TXmlNode root = doc.FirstChild();
  if (root.NodeType() != ntElement) return {};
  static const char* const kShown[] = {"Slave_ID", "Type", "Address", "NPoint", "Mnemonic"};
  const struct {
    const char* Section;
    int KindText, FirstLabel;
  } sections[] = {{"Modbus_Read", 1235, 1241}, {"Modbus_Write", 1236, 1246}};
  for (const auto& s : sections) {
    const TXmlNode section = root.FindNode(s.Section);
    if (!section) continue;
    for (const TXmlNode& row : section.ChildElements()) {
      if (out.size() >= static_cast<std::size_t>(Device_Poll_Count)) return {};
      std::string text = lang[s.KindText] + "; ";
      for (int i = 0; i < 5; ++i) text += lang[s.FirstLabel + i] + " = " + row.AttributeOr(kShown[i], "") + "; ";
      out.push_back(std::move(text));
    }
  }
  return {};
}

}  // namespace

TFAdvanceFunctions::TFAdvanceFunctions(TComponent* owner, TAppState& state) : TForm(owner), FState(state) {
  SetName("FAdvanceFunctions");
  SetBorderStyle(bsSingle);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  SetFont(Window_Font());
  SetShowHint(true);
  SetClientSize(kClientWidth, kClientHeight);
  const TTitlePanel title = Make_Title_Panel(this);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;
  Create_Address_Panel();
  P_Button = Make_Button_Panel(this, 40);
  Btn_Exit = Make_Button(this, P_Button, "Btn_Exit", Bounds(8, 6, kButtonWidth, kButtonHeight),
                         DialogGlyph(TDialogGlyph::OK));
  Btn_Exit->OnClick = [this](TObject* s) { Btn_ExitClick(s); };
  PageControl1 = new TPageControl(this);
  PageControl1->SetName("PageControl1");
  PageControl1->SetParent(this);
  PageControl1->SetAlign(alClient);
  Create_Poll_Pages();
  Create_Command_Pages();
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
}

TFAdvanceFunctions::~TFAdvanceFunctions() = default;

TTabSheet* TFAdvanceFunctions::Make_Page(const std::string& name) {
  auto* page = new TTabSheet(this);
  page->SetName(name);
  page->SetPageControl(PageControl1);
  return page;
}

TEdit* TFAdvanceFunctions::Make_Edit(TWinControl* parent, const std::string& name, const TRect& bounds) {
  auto* edit = new TEdit(this);
  edit->SetName(name);
  edit->SetParent(parent);
  edit->SetBoundsRect(bounds);
  return edit;
}

TComboBox* TFAdvanceFunctions::Make_Choice(TWinControl* parent, const std::string& name, const TRect& bounds) {
  auto* box = new TComboBox(this);
  box->SetName(name);
  box->SetParent(parent);
  box->SetStyle(csDropDownList);
  box->SetBoundsRect(bounds);
  return box;
}

void TFAdvanceFunctions::Create_Address_Panel() {
  Panel_IP_Address = new TPanel(this);
  Panel_IP_Address->SetName("Panel_IP_Address");
  Panel_IP_Address->SetParent(this);
  Panel_IP_Address->SetAlign(alTop);
  Panel_IP_Address->SetHeight(29);
  Panel_IP_Address->SetBevelOuter(bvNone);
  Panel_IP_Address->SetCaption("");
  L_IP_Address = Make_Label(this, Panel_IP_Address, "L_IP_Address", 10, 7);
  E_IP_Address = Make_Edit(Panel_IP_Address, "E_IP_Address", Bounds(110, 4, 140, 21));
}

void TFAdvanceFunctions::Create_Poll_Pages() {
  auto buttonPanel = [this](TTabSheet* page, const std::string& name) {
    auto* panel = new TPanel(this);
    panel->SetName(name);
    panel->SetParent(page);
    panel->SetAlign(alTop);
    panel->SetHeight(40);
    panel->SetBevelOuter(bvNone);
    panel->SetCaption("");
    return panel;
  };
  auto button = [this](TPanel* panel, const std::string& name, int index) {
    return Make_Button(this, panel, name, Bounds(8 + index * (kButtonWidth + 4), 6, kButtonWidth, kButtonHeight),
                       TBitmap());
  };
  TS_B0B1 = Make_Page("TS_B0B1");
  Panel_CMD = buttonPanel(TS_B0B1, "Panel_CMD");
  Btn_Read_Status = button(Panel_CMD, "Btn_Read_Status", 0);
  Btn_Write_Status = button(Panel_CMD, "Btn_Write_Status", 1);
  Btn_Copy = button(Panel_CMD, "Btn_Copy", 2);
  Btn_Read_Status->OnClick = [this](TObject* s) { Btn_Read_StatusClick(s); };
  Btn_Write_Status->OnClick = [this](TObject* s) { Btn_Write_StatusClick(s); };
  Btn_Copy->OnClick = [this](TObject* s) { Btn_CopyClick(s); };
  ACG = Make_Table_Grid(this, TS_B0B1, "ACG", Status_Grid());

  TS_B2 = Make_Page("TS_B2");
  Panel1 = buttonPanel(TS_B2, "Panel1");
  Btn_Read_Errors = button(Panel1, "Btn_Read_Errors", 0);
  Btn_Read_Errors->OnClick = [this](TObject* s) { Btn_Read_ErrorsClick(s); };
  ACG2 = Make_Table_Grid(this, TS_B2, "ACG2", Errors_Grid());
  for (int r = 1; r <= Device_Poll_Count; ++r) {
    ACG->SetCells(0, r, IntToStr(r));
    ACG2->SetCells(0, r, IntToStr(r));
  }
}

void TFAdvanceFunctions::Create_Command_Pages() {
  auto button = [this](TTabSheet* page, const std::string& name, int left, int top) {
    return Make_Button(this, page, name, Bounds(left, top, 140, kButtonHeight), TBitmap());
  };
  TS_B3B4 = Make_Page("TS_B3B4");
  L_RS_TransparentMode = Make_Label(this, TS_B3B4, "L_RS_TransparentMode", 16, 16, Bold_Font(8));
  Btn_Read_Status_Transparent_Mode = button(TS_B3B4, "Btn_Read_Status_Transparent_Mode", 16, 40);
  L_Status_TransparenMode = Make_Label(this, TS_B3B4, "L_Status_TransparenMode", 176, 47);
  L_Status_TransparenMode->SetCaption("--");
  L_WS_TransparentMode = Make_Label(this, TS_B3B4, "L_WS_TransparentMode", 16, 96, Bold_Font(8));
  CB_WS_TransparentMode = Make_Choice(TS_B3B4, "CB_WS_TransparentMode", Bounds(16, 124, 140, 21));
  Btn_Write_Status_Transparent_Mode = button(TS_B3B4, "Btn_Write_Status_Transparent_Mode", 176, 120);
  Btn_Read_Status_Transparent_Mode->OnClick = [this](TObject* s) { Btn_Read_Status_Transparent_ModeClick(s); };
  Btn_Write_Status_Transparent_Mode->OnClick = [this](TObject* s) { Btn_Write_Status_Transparent_ModeClick(s); };

  TS_B5B6 = Make_Page("TS_B5B6");
  L_Title_B5 = Make_Label(this, TS_B5B6, "L_Title_B5", 16, 16, Bold_Font(8));
  L_B5_IDDlave = Make_Label(this, TS_B5B6, "L_B5_IDDlave", 16, 48);
  E_B5_IDSlave = Make_Edit(TS_B5B6, "E_B5_IDSlave", Bounds(110, 44, 60, 21));
  CB_B5_EnableDisable = Make_Choice(TS_B5B6, "CB_B5_EnableDisable", Bounds(180, 44, 100, 21));
  Btn_B5_Write = button(TS_B5B6, "Btn_B5_Write", 296, 40);
  L_Title_B6 = Make_Label(this, TS_B5B6, "L_Title_B6", 16, 104, Bold_Font(8));
  L_B6_NumPoll = Make_Label(this, TS_B5B6, "L_B6_NumPoll", 16, 136);
  E_B6_NumPoll = Make_Edit(TS_B5B6, "E_B6_NumPoll", Bounds(110, 132, 60, 21));
  CB_B6_EnableDisable = Make_Choice(TS_B5B6, "CB_B6_EnableDisable", Bounds(180, 132, 100, 21));
  Btn_B6_Write = button(TS_B5B6, "Btn_B6_Write", 296, 128);
  E_B5_IDSlave->SetText("1");
  E_B6_NumPoll->SetText("1");
  Btn_B5_Write->OnClick = [this](TObject* s) { Btn_B5_WriteClick(s); };
  Btn_B6_Write->OnClick = [this](TObject* s) { Btn_B6_WriteClick(s); };
}

const std::string& TFAdvanceFunctions::Lang(int number) const { return FState.Lang_Table[number]; }

void TFAdvanceFunctions::FormCreate(TObject*) {
  L_SW_Code->SetCaption(FState.SW_Code);
  SetClientSize(kClientWidth, kClientHeight);
  PageControl1->SetActivePage(TS_B0B1);
  Set_Lang();
}

void TFAdvanceFunctions::Fill_Choices(TComboBox& box, int firstText) {
  box.Items().Clear();
  box.Items().Add(Lang(firstText));
  box.Items().Add(Lang(firstText + 1));
  box.SetItemIndex(0);
}

void TFAdvanceFunctions::Set_Lang() {
  SetCaption(Lang(1200));
  L_SW_Desc->SetCaption(Lang(1201));
  L_IP_Address->SetCaption(Lang(1202));
  TS_B0B1->SetCaption(Lang(1203));
  TS_B2->SetCaption(Lang(1204));
  TS_B3B4->SetCaption(Lang(1205));
  TS_B5B6->SetCaption(Lang(1206));
  Btn_Read_Status->SetCaption(Lang(1207));
  Btn_Write_Status->SetCaption(Lang(1208));
  Btn_Copy->SetCaption(Lang(1209));
  Set_Column_Headers(*ACG, Status_Grid(), 1210, FState.Lang_Table);
  Btn_Read_Errors->SetCaption(Lang(1214));
  Set_Column_Headers(*ACG2, Errors_Grid(), 1215, FState.Lang_Table);
  L_RS_TransparentMode->SetCaption(Lang(1218));
  Btn_Read_Status_Transparent_Mode->SetCaption(Lang(1219));
  L_WS_TransparentMode->SetCaption(Lang(1220));
  Btn_Write_Status_Transparent_Mode->SetCaption(Lang(1221));
  Fill_Choices(*CB_WS_TransparentMode, 1222);
  L_Title_B5->SetCaption(Lang(1224));
  L_B5_IDDlave->SetCaption(Lang(1225));
  Fill_Choices(*CB_B5_EnableDisable, 1226);
  Btn_B5_Write->SetCaption(Lang(1228));
  L_Title_B6->SetCaption(Lang(1229));
  L_B6_NumPoll->SetCaption(Lang(1230));
  Fill_Choices(*CB_B6_EnableDisable, 1231);
  Btn_B6_Write->SetCaption(Lang(1233));
  Btn_Exit->SetCaption(Lang(1234));
}

void TFAdvanceFunctions::FormShow(TObject*) {
  if (!IdUDPS1) {
    IdUDPS1 = Make_Endpoint();
    IdUDPS1->OnDatagram = [this](const std::string& bytes, const std::string&, int) { IdUDPS1UDPRead(bytes); };
  }
  // Without its endpoint the page still opens; each command then says why it cannot be sent.
  if (!IdUDPS1->Bind(Local_Port)) Show_Error(IdUDPS1->ErrorText());
  Last_CMD = arNone;
  const TParGenValues<std::string> address = ReadParGenTexts(
      FState.Path_ParGen, {{"PROFINET_IP1", "192"}, {"PROFINET_IP2", "168"}, {"PROFINET_IP3", "0"}, {"PROFINET_IP4", "5"}});
  E_IP_Address->SetText(address.Values[0] + "." + address.Values[1] + "." + address.Values[2] + "." +
                        address.Values[3]);
  if (!address.Error.empty()) Show_Error(address.Error);
  for (int r = 1; r <= Device_Poll_Count; ++r) ACG->SetCells(2, r, kEnable);
  Show_Poll_Descriptions();
}

void TFAdvanceFunctions::Show_Poll_Descriptions() {
  std::vector<std::string> descriptions;
  const std::string failure = Read_Poll_Descriptions(FState.Path_SetAccess, FState.Lang_Table, descriptions);
  // Both grids lose the descriptions of polls that are no longer in the file.
  for (int r = 1; r <= Device_Poll_Count; ++r) {
    const std::size_t i = static_cast<std::size_t>(r - 1);
    const std::string& text = i < descriptions.size() ? descriptions[i] : std::string();
    ACG->SetCells(3, r, text);
    ACG2->SetCells(2, r, text);
  }
  if (!failure.empty()) Show_Error(failure);
}

void TFAdvanceFunctions::FormClose(TObject*, TCloseAction&) {
  if (IdUDPS1) IdUDPS1->Close();
}

void TFAdvanceFunctions::Btn_ExitClick(TObject*) { SetModalResult(mrOk); }

void TFAdvanceFunctions::Send(const TDeviceCommand& command) {
  if (!IdUDPS1 || !IdUDPS1->Send(E_IP_Address->Text(), Device_Port, command.Bytes)) {
    Show_Error(IdUDPS1 ? IdUDPS1->ErrorText() : std::string("The UDP endpoint is not active"));
    return;
  }
  if (command.Last_CMD) Last_CMD = *command.Last_CMD;
}

void TFAdvanceFunctions::Btn_Read_StatusClick(TObject*) { Send(Read_Status_Command()); }

void TFAdvanceFunctions::Btn_Write_StatusClick(TObject*) {
  if (ACG->EditorMode()) ACG->SetEditorMode(false);
  std::vector<bool> disabled;
  for (int r = 1; r <= Device_Poll_Count; ++r) disabled.push_back(ACG->Cells(2, r) == kDisable);
  Send(Write_Status_Command(disabled));
}

void TFAdvanceFunctions::Btn_CopyClick(TObject*) {
  if (ACG->EditorMode()) ACG->SetEditorMode(false);
  for (int r = 1; r <= Device_Poll_Count; ++r) {
    const std::string status = ACG->Cells(1, r);
    if (status == kEnable || status == kDisable) ACG->SetCells(2, r, status);
  }
}

void TFAdvanceFunctions::Btn_Read_ErrorsClick(TObject*) { Send(Read_Errors_Command()); }

void TFAdvanceFunctions::Btn_Read_Status_Transparent_ModeClick(TObject*) {
  L_Status_TransparenMode->SetCaption("--");
  Send(Read_Transparent_Command());
}

void TFAdvanceFunctions::Btn_Write_Status_Transparent_ModeClick(TObject*) {
  Send(Write_Transparent_Command(CB_WS_TransparentMode->ItemIndex() == 0));
}

void TFAdvanceFunctions::Btn_B5_WriteClick(TObject*) {
  if (auto command = Slave_Polls_Command(E_B5_IDSlave->Text(), std::max(CB_B5_EnableDisable->ItemIndex(), 0)))
    Send(*command);
  else
    Show_Error(Lang(1239));
}

void TFAdvanceFunctions::Btn_B6_WriteClick(TObject*) {
  if (auto command = Single_Poll_Command(E_B6_NumPoll->Text(), std::max(CB_B6_EnableDisable->ItemIndex(), 0)))
    Send(*command);
  else
    Show_Error(Lang(1240));
}

void TFAdvanceFunctions::IdUDPS1UDPRead(const std::string& AData) {
  const TDeviceReply reply = Decode_Reply(Last_CMD, AData);
  switch (reply.Kind) {
    case TDeviceReply::PollStatus:
      for (std::size_t i = 0; i < reply.Disabled.size(); ++i)
        ACG->SetCells(1, static_cast<int>(i) + 1, reply.Disabled[i] ? kDisable : kEnable);
      break;
    case TDeviceReply::ErrorCounters:
      for (std::size_t i = 0; i < reply.Counters.size(); ++i)
        ACG2->SetCells(1, static_cast<int>(i) + 1, std::to_string(reply.Counters[i]));
      break;
    case TDeviceReply::TransparentMode:
      L_Status_TransparenMode->SetCaption(Lang(reply.Transparent ? 1238 : 1237));
      break;
    case TDeviceReply::Ignored: break;
  }
}

}  // namespace hd

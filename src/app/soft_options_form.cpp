#include "app/soft_options_form.h"

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/dialog_buttons.h"
#include "app/lb_button.h"
#include "app/main_form.h"
#include "app/version_check.h"
#include "app/window_glyphs.h"
#include "app/window_looks.h"
#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

constexpr int kFlagWidth = 42;
constexpr int kFlagHeight = 28;
// The language a file of the list names: its name without ".lng".
std::string LanguageOf(const std::string& fileName) {
  return fileName.size() >= 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
}

}  // namespace

TFSoftOptions::TFSoftOptions(TComponent* owner, TAppState& state, TFTessaroneFirmWare& main)
    : TForm(owner), FState(state), FMain(main) {
  SetName("FSoftOptions");
  SetBorderStyle(bsSingle);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  SetFont(Window_Font());
  SetShowHint(true);
  SetClientSize(440, 350);

  const TTitlePanel title = Make_Title_Panel(this);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;

  // The pages first: the window opens on them, and Tab reaches OK and Cancel last.
  PC_Options = new TPageControl(this);
  PC_Options->SetName("PC_Options");
  PC_Options->SetParent(this);
  PC_Options->SetBounds(8, 72, 424, 228);
  CreateLanguagePage();
  CreateConnectionPage();
  CreateSettingsPages();

  P_Button = Make_Button_Panel(this, 44);
  Btn_OK = Make_Button(this, P_Button, "Btn_OK", Bounds(224, 8, 100, 28), DialogGlyph(TDialogGlyph::OK));
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  Btn_Cancel = Make_Button(this, P_Button, "Btn_Cancel", Bounds(332, 8, 100, 28), DialogGlyph(TDialogGlyph::Cancel), mrCancel);

  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

TTabSheet* TFSoftOptions::MakePage(const std::string& name) {
  auto* page = new TTabSheet(this);
  page->SetName(name);
  page->SetPageControl(PC_Options);
  return page;
}

TCheckBox* TFSoftOptions::MakeCheckBox(TWinControl* parent, const std::string& name, const TRect& bounds) {
  auto* box = new TCheckBox(this);
  box->SetName(name);
  box->SetParent(parent);
  box->SetBoundsRect(bounds);
  box->SetTabStop(true);
  box->OnClick = [this](TObject* s) { CB_En_ConClick(s); };
  return box;
}

void TFSoftOptions::CreateLanguagePage() {
  TS_Language = MakePage("TS_Language");
  L_Sel_Lang = Make_Label(this, TS_Language, "L_Sel_Lang", 12, 10, Bold_Font(8));
  for (int k = 0; k < Slots_Per_Page; ++k) {
    const int left = k < 3 ? 24 : 218;
    const int top = 38 + (k % 3) * 38;
    const std::string n = std::to_string(k + 1);
    I_L[k] = new TImage(this);
    I_L[k]->SetName("I_L" + n);
    I_L[k]->SetParent(TS_Language);
    I_L[k]->SetBounds(left, top, kFlagWidth, kFlagHeight);
    I_L[k]->SetStretch(true);
    I_L[k]->SetCursor(crHandPoint);
    I_L[k]->OnClick = [this](TObject* s) { LangClick(s); };
    L_L[k] = Make_Label(this, TS_Language, "L_L" + n, left + kFlagWidth + 10, top + 7);
    L_L[k]->SetCursor(crHandPoint);
    L_L[k]->OnClick = [this](TObject* s) { LangClick(s); };
  }
  L_Page_Lang = Make_Label(this, TS_Language, "L_Page_Lang", 170, 164);
  Btn_Prev = Make_Button(this, TS_Language, "Btn_Prev", Bounds(12, 156, 100, 28), WindowGlyph("WGPREV"));
  Btn_Prev->OnClick = [this](TObject* s) { Btn_NextClick(s); };
  Btn_Next = Make_Button(this, TS_Language, "Btn_Next", Bounds(304, 156, 100, 28), DialogGlyph(TDialogGlyph::Next));
  Btn_Next->SetLayout(blGlyphRight);
  Btn_Next->OnClick = [this](TObject* s) { Btn_NextClick(s); };
}

void TFSoftOptions::CreateConnectionPage() {
  TS_Con_Options = MakePage("TS_Con_Options");
  CB_En_Con = MakeCheckBox(TS_Con_Options, "CB_En_Con", Bounds(16, 16, 380, 20));
  CB_Update = MakeCheckBox(TS_Con_Options, "CB_Update", Bounds(36, 42, 360, 20));
  Btn_Check_Update = Make_Button(this, TS_Con_Options, "Btn_Check_Update", Bounds(16, 80, 220, 28), WindowGlyph("WGCHECK"));
  Btn_Check_Update->OnClick = [this](TObject* s) { Btn_Check_UpdateClick(s); };
  LL_Check_Update = new TLinkLabel(this);
  LL_Check_Update->SetName("LL_Check_Update");
  LL_Check_Update->SetParent(TS_Con_Options);
  LL_Check_Update->SetBounds(16, 124, 380, 18);
  LL_Check_Update->OnLinkClick = [this](TObject* s, const std::string& link, TSysLinkType type) {
    LL_Check_UpdateLinkClick(s, link, type);
  };
}

void TFSoftOptions::CreateSettingsPages() {
  TS_Soft_Settings = MakePage("TS_Soft_Settings");
  CB_Soft_Set_Jump_Table = MakeCheckBox(TS_Soft_Settings, "CB_Soft_Set_Jump_Table", Bounds(16, 16, 390, 20));
  CB_DoubleClick_Auto_Size = MakeCheckBox(TS_Soft_Settings, "CB_DoubleClick_Auto_Size", Bounds(16, 42, 390, 20));
  TS_AdvanceFunctions = MakePage("TS_AdvanceFunctions");
  Btn_Advance_Functions =
      Make_Button(this, TS_AdvanceFunctions, "Btn_Advance_Functions", Bounds(16, 16, 240, 28), WindowGlyph("WGTOOLS"));
  Btn_Advance_Functions->OnClick = [this](TObject* s) { Btn_Advance_FunctionsClick(s); };
}

const std::string& TFSoftOptions::Text(int number) const { return FState.Lang_Table[number]; }

void TFSoftOptions::FormCreate(TObject*) {
  SL_Languages.Clear();
  L_SW_Code->SetCaption(FState.SW_Code);
  // The device command page stays out of reach in this product.
  TS_AdvanceFunctions->SetTabVisible(false);
  Set_Lang();
}

void TFSoftOptions::Set_Lang() {
  SetCaption(Text(300));
  L_SW_Desc->SetCaption(Text(301));
  TS_Language->SetCaption(Text(302));
  TS_Con_Options->SetCaption(Text(303));
  L_Page_Lang->SetCaption(Text(305) + "1" + Text(306) + "1");
  Btn_Prev->SetCaption(Text(307));
  Btn_Next->SetCaption(Text(308));
  CB_En_Con->SetCaption(Text(309));
  CB_Update->SetCaption(Text(310));
  Btn_Check_Update->SetCaption(Text(311));
  Btn_OK->SetCaption(Text(312));
  Btn_Cancel->SetCaption(Text(313));
  TS_AdvanceFunctions->SetCaption(Text(319));
  Btn_Advance_Functions->SetCaption(Text(320));
  TS_Soft_Settings->SetCaption(Text(321));
  CB_Soft_Set_Jump_Table->SetCaption(Text(322));
  CB_DoubleClick_Auto_Size->SetCaption(Text(323));
}

void TFSoftOptions::FormShow(TObject*) {
  Language_In_Use = FState.Current_Language;
  Create_Lang_List();
  Update_CheckBox();
  LL_Check_Update->Hide();
  PC_Options->SetActivePage(TS_Language);
  CB_En_Con->SetChecked(FState.Opt_Enable_Internet == 1);
  CB_Update->SetChecked(FState.Opt_Enable_Update == 1);
  CB_Soft_Set_Jump_Table->SetChecked(FState.Opt_Jump_Field_Tables == 1);
  CB_DoubleClick_Auto_Size->SetChecked(FState.Opt_Double_Click_Auto_Size == 1);
}

void TFSoftOptions::Create_Lang_List() {
  SL_Languages.Clear();
  // Read-only files are not offered, nor folders that merely carry the extension, nor files
  // whose extension differs in case (the loader would not open them on this file system).
  for (const TDirEntry& e : ListFolder(FState.Language_Folder))
    if (!e.IsDir && !e.ReadOnly && ExtractFileExt(e.Name) == Language_File_Ext) SL_Languages.Add(e.Name);
  SL_Languages.SetCaseSensitive(false);
  SL_Languages.Sort();
  Show_Page = 1;
  Update_Lang_Page(1);
}

int TFSoftOptions::Page_Count() const { return (SL_Languages.Count() + Slots_Per_Page - 1) / Slots_Per_Page; }

void TFSoftOptions::Update_Lang_Page(int Num_Page) {
  const int pages = Page_Count();
  L_Sel_Lang->SetCaption(Text(304) + Language_In_Use);
  L_Page_Lang->SetCaption(Text(305) + std::to_string(Num_Page) + Text(306) + std::to_string(pages));
  Btn_Prev->SetVisible(Num_Page != 1);
  Btn_Next->SetVisible(Num_Page != pages);
  const int first = (Num_Page - 1) * Slots_Per_Page;
  for (int k = 0; k < Slots_Per_Page; ++k) {
    const int entry = first + k;
    const bool shown = entry >= 0 && entry < SL_Languages.Count();
    L_L[k]->SetVisible(shown);
    I_L[k]->SetVisible(shown);
    if (!shown) continue;
    const std::string language = LanguageOf(SL_Languages[entry]);
    L_L[k]->SetCaption(language);
    ShowFlag(I_L[k], language);
  }
}

void TFSoftOptions::ShowFlag(TImage* image, const std::string& language) {
  std::string file = JoinPath(FState.Language_Folder, language + ".bmp");
  if (!FileExists(file)) file = JoinPath(FState.Language_Folder, "DefaultFlag.bmp");
  if (!FileExists(file)) return image->Hide();
  try {
    image->Picture().LoadFromFile(file, kSmallPicturePixels);
  } catch (const Exception&) {
    // A flag that is no picture leaves the slot with its name alone.
    image->Hide();
  }
}

void TFSoftOptions::Btn_NextClick(TObject* Sender) {
  if (Sender == Btn_Next && Page_Count() >= Show_Page + 1) ++Show_Page;
  if (Sender == Btn_Prev && Show_Page - 1 > 0) --Show_Page;
  Update_Lang_Page(Show_Page);
}

int TFSoftOptions::SlotOf(TObject* Sender) const {
  for (int k = 0; k < Slots_Per_Page; ++k)
    if (Sender == I_L[k] || Sender == L_L[k]) return k;
  return -1;
}

void TFSoftOptions::LangClick(TObject* Sender) {
  const int slot = SlotOf(Sender);
  const int entry = (Show_Page - 1) * Slots_Per_Page + slot;
  if (slot < 0 || entry >= SL_Languages.Count()) return;
  const std::string name = LanguageOf(SL_Languages[entry]);
  if (!Ask_Yes_No(Text(316) + Language_In_Use + Text(317) + name + Text(318))) return;
  Language_In_Use = name;
  // The program's language changes only on OK; the texts change now.
  const std::string kept = FState.Current_Language;
  FState.Current_Language = name;
  FState.Load_Language();
  FState.Current_Language = kept;
  FMain.Change_Language();
  // Set_Lang put the page label back to page 1; the slots still show the page the user is on.
  Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_CheckBox() {
  CB_Update->SetEnabled(CB_En_Con->Checked());
  Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::CB_En_ConClick(TObject*) { Update_CheckBox(); }

bool TFSoftOptions::Check_Version() { return FMain.HTTP1 && hd::Check_Version(*FMain.HTTP1, FMain.Version_Server); }

void TFSoftOptions::Btn_Check_UpdateClick(TObject*) {
  if (Check_Version())
    LL_Check_Update->SetCaption("<a href=\"" + Download_Page_Url() + "\">" + Text(314) + "</a>");
  else
    LL_Check_Update->SetCaption(Text(315));
  LL_Check_Update->Show();
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const std::string& Link, TSysLinkType) { Open_Link(Link); }

void TFSoftOptions::Btn_OKClick(TObject*) {
  FState.Current_Language = Language_In_Use;
  // A disabled update box still counts with its tick.
  FState.Opt_Enable_Internet = CB_En_Con->Checked() ? 1 : 0;
  FState.Opt_Enable_Update = CB_Update->Checked() ? 1 : 0;
  FState.Opt_Jump_Field_Tables = CB_Soft_Set_Jump_Table->Checked() ? 1 : 0;
  FState.Opt_Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->Checked() ? 1 : 0;
  FMain.Enable_Update_Timer();
  SetModalResult(mrOk);
}

void TFSoftOptions::Btn_Advance_FunctionsClick(TObject*) { FMain.Show_Table_Window("TFAdvanceFunctions"); }

}  // namespace hd

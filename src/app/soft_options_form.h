// The options window: the user-interface language chosen from the language files present,
// the internet and update-check options with a check on demand, and two table behaviours.
#pragma once

#include <array>
#include <string>

#include "platform/ext_ctrls.h"
#include "platform/page_control.h"
#include "platform/forms.h"
#include "platform/std_ctrls.h"
#include "platform/string_list.h"

namespace hd {

struct TAppState;
class TLbButton;
class TFTessaroneFirmWare;

class TFSoftOptions : public TForm {
 public:
  static constexpr int Slots_Per_Page = 6;

  // main: the window whose texts follow a language change and whose HTTP client and update
  // timer this window uses.
  TFSoftOptions(TComponent* owner, TAppState& state, TFTessaroneFirmWare& main);

  void Set_Lang();
  void FormShow(TObject* Sender);
  void Create_Lang_List();
  void Update_Lang_Page(int Num_Page);
  // Both page buttons.
  void Btn_NextClick(TObject* Sender);
  // All twelve pictures and labels of the language slots.
  void LangClick(TObject* Sender);
  void Update_CheckBox();
  // All four check boxes.
  void CB_En_ConClick(TObject* Sender);
  void Btn_Check_UpdateClick(TObject* Sender);
  void LL_Check_UpdateLinkClick(TObject* Sender, const std::string& Link, TSysLinkType LinkType);
  void Btn_OKClick(TObject* Sender);
  void Btn_Advance_FunctionsClick(TObject* Sender);
  // True when the maker's server names a newer version than the program's own.
  bool Check_Version();
  // The number of language pages: six languages to a page.
  int Page_Count() const;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TPageControl* PC_Options = nullptr;
  TTabSheet* TS_Language = nullptr;
  TLabel* L_Sel_Lang = nullptr;
  // The slots 1 to 6: I_L1/L_L1 to I_L3/L_L3 in the left column, I_L4/L_L4 to I_L6/L_L6 in
  // the right one.
  std::array<TImage*, Slots_Per_Page> I_L{};
  std::array<TLabel*, Slots_Per_Page> L_L{};
  TLabel* L_Page_Lang = nullptr;
  TLbButton* Btn_Prev = nullptr;
  TLbButton* Btn_Next = nullptr;
  TTabSheet* TS_Con_Options = nullptr;
  TCheckBox* CB_En_Con = nullptr;
  TCheckBox* CB_Update = nullptr;
  TLbButton* Btn_Check_Update = nullptr;
  TLinkLabel* LL_Check_Update = nullptr;
  TTabSheet* TS_Soft_Settings = nullptr;
  TCheckBox* CB_Soft_Set_Jump_Table = nullptr;
  TCheckBox* CB_DoubleClick_Auto_Size = nullptr;
  TTabSheet* TS_AdvanceFunctions = nullptr;
  TLbButton* Btn_Advance_Functions = nullptr;
  TPanel* P_Button = nullptr;
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;

  // The language page shown, from 1.
  int Show_Page = 1;
  // The language files found, sorted without regard to case.
  TStringList SL_Languages;
  // The language shown as selected; it becomes the program's language on OK.
  std::string Language_In_Use;

 private:
  void FormCreate(TObject* Sender);
  void CreateLanguagePage();
  void CreateConnectionPage();
  void CreateSettingsPages();
  TTabSheet* MakePage(const std::string& name);
  TCheckBox* MakeCheckBox(TWinControl* parent, const std::string& name, const TRect& bounds);
  void ShowFlag(TImage* image, const std::string& language);
  // The slot (0 to 5) a picture or label belongs to; -1 for another control.
  int SlotOf(TObject* Sender) const;
  const std::string& Text(int number) const;

  TAppState& FState;
  TFTessaroneFirmWare& FMain;
};

}  // namespace hd

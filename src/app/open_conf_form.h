// The window that lists the configurations under PROJECTS and lets the user choose one; the
// main window then makes the chosen one active.
#pragma once

#include <string>

#include "platform/ext_ctrls.h"
#include "platform/forms.h"
#include "platform/std_ctrls.h"
#include "platform/string_list.h"

namespace hd {

struct TAppState;
class TLbButton;

class TFOpenConf : public TForm {
 public:
  TFOpenConf(TComponent* owner, TAppState& state);

  void Set_Lang();
  void FormShow(TObject* Sender);
  void Load_Existing_Configuration();
  // Position of the name in SL, letters compared without regard to case; -1 when absent.
  int Search_Open_Conf(const std::string& name) const;
  void ListBox1Click(TObject* Sender);
  void Btn_OKClick(TObject* Sender);

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TLabel* Label1 = nullptr;
  TListBox* ListBox1 = nullptr;
  TPanel* P_Button = nullptr;
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;

  // The configurations found when the window was last shown.
  TStringList SL;
  // The chosen configuration, read by the main window after OK; kept between showings.
  std::string Name_Conf;

 private:
  void FormCreate(TObject* Sender);
  const std::string& Text(int number) const;

  TAppState& FState;
};

}  // namespace hd

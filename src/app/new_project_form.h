// The window that creates a new configuration: a folder under PROJECTS with its bin folder,
// which then becomes the active configuration.
#pragma once

#include <string>

#include "platform/ext_ctrls.h"
#include "platform/forms.h"
#include "platform/std_ctrls.h"

namespace hd {

struct TAppState;
class TLbButton;

class TFNew_Project : public TForm {
 public:
  TFNew_Project(TComponent* owner, TAppState& state);

  void Set_Lang();
  void FormShow(TObject* Sender);
  void E_New_ProjKeyPress(TObject* Sender, TKeyChar& Key);
  void Btn_OKClick(TObject* Sender);

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TLabel* Label1 = nullptr;
  TEdit* E_New_Proj = nullptr;
  TPanel* P_Button = nullptr;
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;

 private:
  void FormCreate(TObject* Sender);
  const std::string& Text(int number) const;

  TAppState& FState;
};

// A name that would leave the PROJECTS folder or name it: a path separator, "." or "..".
bool Is_Unsafe_Project_Name(const std::string& name);

}  // namespace hd

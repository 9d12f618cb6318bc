#include "app/new_project_form.h"

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/dialog_buttons.h"
#include "app/lb_button.h"
#include "app/window_looks.h"
#include "platform/files.h"
#include "platform/sysutils.h"

namespace hd {

bool Is_Unsafe_Project_Name(const std::string& name) {
  // Both separators: a configuration folder is carried between systems.
  return name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos;
}

TFNew_Project::TFNew_Project(TComponent* owner, TAppState& state) : TForm(owner), FState(state) {
  SetName("FNew_Project");
  SetBorderStyle(bsSingle);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  SetFont(Window_Font());
  SetShowHint(true);
  SetClientSize(331, 162);

  const TTitlePanel title = Make_Title_Panel(this);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;

  Label1 = Make_Label(this, this, "Label1", 16, 72);
  E_New_Proj = new TEdit(this);
  E_New_Proj->SetName("E_New_Proj");
  E_New_Proj->SetParent(this);
  E_New_Proj->SetBounds(16, 89, 299, 21);
  E_New_Proj->SetTabStop(true);
  E_New_Proj->OnKeyPress = [this](TObject* s, TKeyChar& k) { E_New_ProjKeyPress(s, k); };

  P_Button = Make_Button_Panel(this, 44);
  Btn_OK = Make_Button(this, P_Button, "Btn_OK", Bounds(115, 8, 100, 28), DialogGlyph(TDialogGlyph::OK));
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  Btn_Cancel = Make_Button(this, P_Button, "Btn_Cancel", Bounds(223, 8, 100, 28), DialogGlyph(TDialogGlyph::Cancel), mrCancel);

  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

const std::string& TFNew_Project::Text(int number) const { return FState.Lang_Table[number]; }

void TFNew_Project::FormCreate(TObject*) {
  L_SW_Code->SetCaption(FState.SW_Code);
  SetClientSize(331, 162);
  Set_Lang();
}

void TFNew_Project::Set_Lang() {
  SetCaption(Text(100));
  L_SW_Desc->SetCaption(Text(101));
  Label1->SetCaption(Text(102));
  E_New_Proj->SetHint(Text(108));
  Btn_OK->SetCaption(Text(103));
  Btn_OK->SetHint(Text(109));
  Btn_Cancel->SetCaption(Text(104));
  Btn_Cancel->SetHint(Text(110));
}

void TFNew_Project::FormShow(TObject*) {
  E_New_Proj->SetText("");
  if (E_New_Proj->CanFocus()) E_New_Proj->SetFocus();
}

void TFNew_Project::E_New_ProjKeyPress(TObject*, TKeyChar& Key) {
  if (Key == 13) Btn_OKClick(this);
}

void TFNew_Project::Btn_OKClick(TObject*) {
  // Taken exactly as typed: a blank before the name belongs to it. A name of blanks alone
  // names no configuration anyone could tell from another in a list.
  const std::string name = E_New_Proj->Text();
  if (Trim(name).empty()) return Show_Error(Text(107));
  if (Is_Unsafe_Project_Name(name)) return Show_Error(Text(105));
  const std::string folder = JoinPath(FState.Projects_Root, name);
  if (DirectoryExists(folder)) return Show_Error(Text(106));
  if (!CreateDir(folder)) return Show_Error(Text(105));
  ForceDirectories(JoinPath(folder, "bin"));
  FState.Project_Name = name;
  FState.Project_Folder = folder;
  FState.Set_Files();
  SetModalResult(mrOk);
}

}  // namespace hd

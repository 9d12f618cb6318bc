#include "app/open_conf_form.h"

#include "app/app_state.h"
#include "app/dialog_buttons.h"
#include "app/lb_button.h"
#include "app/window_looks.h"
#include "platform/files.h"
#include "platform/sysutils.h"

namespace hd {

TFOpenConf::TFOpenConf(TComponent* owner, TAppState& state) : TForm(owner), FState(state) {
  SetName("FOpenConf");
  SetBorderStyle(bsSizeable);
  SetPosition(poScreenCenter);
  SetFont(Window_Font());
  SetShowHint(true);
  // The controls are placed for this size; the anchors keep them in place when it changes.
  SetClientSize(377, 351);

  const TTitlePanel title = Make_Title_Panel(this);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;

  // The list first: the window opens on it, and Tab goes on to OK and Cancel.
  Label1 = Make_Label(this, this, "Label1", 16, 74);
  ListBox1 = new TListBox(this);
  ListBox1->SetName("ListBox1");
  ListBox1->SetParent(this);
  ListBox1->SetBounds(16, 92, 345, 207);
  ListBox1->SetAnchors({akLeft, akTop, akRight, akBottom});
  ListBox1->SetTabStop(true);
  ListBox1->OnClick = [this](TObject* s) { ListBox1Click(s); };

  P_Button = Make_Button_Panel(this, 44);
  Btn_OK = Make_Button(this, P_Button, "Btn_OK", Bounds(161, 8, 100, 28), DialogGlyph(TDialogGlyph::OK));
  Btn_OK->SetAnchors({akTop, akRight});
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  Btn_Cancel = Make_Button(this, P_Button, "Btn_Cancel", Bounds(269, 8, 100, 28), DialogGlyph(TDialogGlyph::Cancel), mrCancel);
  Btn_Cancel->SetAnchors({akTop, akRight});

  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
}

const std::string& TFOpenConf::Text(int number) const { return FState.Lang_Table[number]; }

void TFOpenConf::FormCreate(TObject*) {
  L_SW_Code->SetCaption(FState.SW_Code);
  SetClientSize(377, 351);
  Set_Lang();
}

void TFOpenConf::Set_Lang() {
  SetCaption(Text(200));
  L_SW_Desc->SetCaption(Text(201));
  Label1->SetCaption(Text(202));
  ListBox1->SetHint(Text(205));
  Btn_OK->SetCaption(Text(203));
  Btn_OK->SetHint(Text(206));
  Btn_Cancel->SetCaption(Text(204));
  Btn_Cancel->SetHint(Text(207));
}

void TFOpenConf::Load_Existing_Configuration() {
  SL.Clear();
  for (const std::string& name : ListSubFolders(FState.Projects_Root)) SL.Add(name);
}

int TFOpenConf::Search_Open_Conf(const std::string& name) const {
  for (int i = 0; i < SL.Count(); ++i)
    if (SameText(SL[i], name)) return i;
  return -1;
}

void TFOpenConf::FormShow(TObject*) {
  Load_Existing_Configuration();
  ListBox1->Items().Assign(SL);
  const std::string prefix = FState.Projects_Root + PathDelim;
  const std::string active =
      FState.Project_Folder.starts_with(prefix) ? FState.Project_Folder.substr(prefix.size()) : std::string();
  int index = Search_Open_Conf(active);
  if (index < 0 && SL.Count() > 0) index = 0;
  if (index < 0) return;
  ListBox1->SetItemIndex(index);
  Name_Conf = SL[index];
}

void TFOpenConf::ListBox1Click(TObject*) {
  if (ListBox1->ItemIndex() >= 0) Name_Conf = ListBox1->Items()[ListBox1->ItemIndex()];
}

void TFOpenConf::Btn_OKClick(TObject*) {
  // With nothing selected (an empty PROJECTS folder) OK changes nothing, as Cancel does: a
  // name kept from an earlier showing may no longer be listed.
  SetModalResult(ListBox1->ItemIndex() >= 0 ? mrOk : mrCancel);
}

}  // namespace hd

#include "app/about_form.h"

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/dialog_buttons.h"
#include "app/lb_button.h"
#include "app/version_check.h"
#include "app/window_glyphs.h"
#include "app/window_looks.h"
#include "platform/bitmap.h"

namespace hd {

TFAbout::TFAbout(TComponent* owner) : TForm(owner) {
  SetName("FAbout");
  SetBorderStyle(bsSingle);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  SetFont(Window_Font());
  SetCaption("About...");
  SetClientSize(406, 148);

  Image2 = new TImage(this);
  Image2->SetName("Image2");
  Image2->SetParent(this);
  Image2->SetBounds(12, 12, 64, 64);
  TBitmap device = WindowGlyph("WGDEVICE");
  device.SetTransparent(true);
  Image2->Picture().Assign(device);
  Image2->SetCursor(crHandPoint);
  Image2->OnClick = [this](TObject* s) { Label4Click(s); };

  Label1 = Make_Label(this, this, "Label1", 92, 12, Bold_Font(10));
  Label1->SetCaption("Software Tessaron ");
  Label2 = Make_Label(this, this, "Label2", 92, 32, Bold_Font(8));
  Label6 = Make_Label(this, this, "Label6", 92, 56);
  Label6->SetCaption("Software Code : ");
  Label9 = Make_Label(this, this, "Label9", 210, 56, Bold_Font(8));
  Label3 = Make_Label(this, this, "Label3", 92, 74);
  Label3->SetCaption("Version :");
  Label10 = Make_Label(this, this, "Label10", 210, 74, Bold_Font(8));
  Label8 = Make_Label(this, this, "Label8", 92, 92);
  Label8->SetCaption("Document Code :");
  Label12 = Make_Label(this, this, "Label12", 210, 92, Bold_Font(8));
  Label4 = Make_Label(this, this, "Label4", 92, 120, Link_Font());
  Label4->SetCaption(Maker_Web_Host);
  Label4->SetCursor(crHandPoint);
  Label4->OnClick = [this](TObject* s) { Label4Click(s); };

  LbButton1 = Make_Button(this, this, "LbButton1", Bounds(306, 112, 88, 28), DialogGlyph(TDialogGlyph::OK), mrOk);
  LbButton1->SetCaption("OK");

  OnShow = [this](TObject* s) { FormShow(s); };
}

void TFAbout::FormShow(TObject*) {
  Label2->SetCaption(TAppState::SW_Description_Const);
  Label9->SetCaption(TAppState::SW_Code_Const);
  Label10->SetCaption(Own_Version_Text);
  Label12->SetCaption("MN58318");
  SetClientSize(406, 148);
}

void TFAbout::Label4Click(TObject*) { Open_Link(Home_Page_Url()); }

}  // namespace hd

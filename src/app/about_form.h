// The about window: the program's name, code, version and document code, and the maker's
// web address.
#pragma once

#include "platform/ext_ctrls.h"
#include "platform/forms.h"
#include "platform/std_ctrls.h"

namespace hd {

class TLbButton;

class TFAbout : public TForm {
 public:
  explicit TFAbout(TComponent* owner);

  void FormShow(TObject* Sender);
  // A click on the picture or on the web address opens the maker's home page.
  void Label4Click(TObject* Sender);

  TImage* Image2 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label9 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label10 = nullptr;
  TLabel* Label8 = nullptr;
  TLabel* Label12 = nullptr;
  TLabel* Label4 = nullptr;
  TLbButton* LbButton1 = nullptr;
};

}  // namespace hd

// The windows of the CAN byte maps: the frames by Cob-ID in a list and, for the selected
// frame, eight fields, one per CAN data byte, each an image position or none. A field is
// checked when the user leaves it; OK writes the map file.
#pragma once

#include <array>
#include <string>

#include "platform/ext_ctrls.h"
#include "platform/forms.h"
#include "platform/std_ctrls.h"
#include "tables/can_byte_map.h"

namespace hd {

struct TAppState;
class TLbButton;

// Where a map window reads and writes.
struct TCanMapPaths {
  std::string TAppState::*Frames;
  std::string TAppState::*Map;
};

class TCANMapForm : public TForm {
 public:
  TCANMapForm(TComponent* owner, TAppState& state, const TCanMapKind& kind, TCanMapPaths paths);

  void Set_Lang();
  void FormCreate(TObject* Sender);
  // Rebuilds the list and the map from the files and shows the first frame.
  void FormShow(TObject* Sender);
  // Shows the selected frame's positions in the fields.
  void ListBox1Click(TObject* Sender);
  // Checks field k (1 to 8) and stores it in the frame the fields show; a refused value is
  // reported and the focus goes back to the field.
  void Edit_Exit(int k);
  // True when the map may be written; otherwise the reason was shown.
  virtual bool Controlla_dati() { return true; }
  // The OK button: check, write the map, close.
  void bitbtn1Click(TObject* Sender);

  TListBox* ListBox1 = nullptr;
  std::array<TPanel*, CAN_Frame_Bytes> Panel{};
  std::array<TShape*, CAN_Frame_Bytes> Shape{};
  std::array<TEdit*, CAN_Frame_Bytes> Edit{};
  std::array<TStaticText*, CAN_Frame_Bytes> Byte_Label{};   // before field k
  std::array<TStaticText*, CAN_Frame_Bytes> Image_Label{};  // after field k
  std::array<TStaticText*, CAN_Frame_Bytes> Not_In_Use{};
  TStaticText* ST_Title_Cob = nullptr;
  TStaticText* ST_Title_Bytes = nullptr;
  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TPanel* P_Button = nullptr;
  TLbButton* Btn_OK = nullptr;
  TLbButton* Btn_Cancel = nullptr;

  // The frames and their positions as the fields left them; written by OK only.
  TCanByteMap Map;

 protected:
  std::string Lang(int offset) const;
  TLangText Lang_Text() const;

  TAppState& FState;

 private:
  void Create_Byte_Panel(int k);
  // The field that holds the focus, 1 to 8, or 0.
  int Focused_Field() const;

  TCanMapPaths FPaths;
  // The frame the fields show: what they were filled from is where they are stored, whatever
  // the list has selected since.
  int FShown = -1;
};

}  // namespace hd

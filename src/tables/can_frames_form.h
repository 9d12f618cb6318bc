// The windows of the CAN frame tables: one grid of 500 frames with fixed column sizes, the
// four buttons of a rule table, and texts from a block of Lang_Table.
#pragma once

#include "tables/table_window.h"

namespace hd {

// What tells the receive window from the send window.
struct TCanFramesWindow {
  const char* Name;
  const TTableFile& File;
  // First number of the window's text block: caption, description, OK, Cancel, Delete Row,
  // Insert Row, then the column headers from column 0.
  int FirstText;
  int DeleteText;  // the delete question
  int PrefixText;  // the row prefix of the check's messages
};

class TCANFramesForm : public TRuleTableForm {
 public:
  TCANFramesForm(TComponent* owner, TAppState& state, const TCanFramesWindow& window);

  void Set_Lang();
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  // The OK button: check, save, close.
  void bitbtn1Click(TObject* Sender) { Btn_OKClick(Sender); }

  TExtColumnGrid* sga = nullptr;

 protected:
  std::vector<TExtColumnGrid*> Grids() const override { return {sga}; }
  TExtColumnGrid* Current_Grid() const override { return sga; }
  // Shows a failed check with the window's row prefix.
  bool Report(const TTableCheck& check) { return Report_Check(check, FWindow.PrefixText); }

 private:
  const TCanFramesWindow& FWindow;
};

}  // namespace hd

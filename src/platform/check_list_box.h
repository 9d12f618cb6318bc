// A list box whose items carry check boxes: a click on an item's box or the space bar toggles
// it and reports the toggle.
#pragma once

#include <vector>

#include "platform/std_ctrls.h"

namespace hd {

class TCheckListBox : public TCustomListBox {
 public:
  explicit TCheckListBox(TComponent* owner);
  const char* ClassName() const override { return "TCheckListBox"; }

  // Items past the list read unchecked; setting one notifies nothing.
  bool Checked(int index) const;
  void SetChecked(int index, bool value);

  // The user toggled an item's box.
  TNotifyEvent OnClickCheck;

  // The space bar toggles the current item.
  void Dispatch(TMessage& m) override;

 protected:
  virtual void ClickCheck();
  void ItemsSynced() override;

 private:
  void Toggled(int index, bool value);
  std::vector<bool> checked_;
};

}  // namespace hd

// The drop-down that edits a multi-line text in a popup memo. The lines live in MemoText; the
// edit shows them whole while typing is on, else the first line shortened to one line with
// "..." when more follows. Closing keeps the memo's edits, Escape restores the stored lines.
#pragma once

#include "grid/editors/dropdown/dropdown_edit.h"
#include "platform/memo.h"
#include "platform/string_list.h"

namespace hd {

class TPopupMenu;

class TExtMemoDropDown : public TExtCustomDropDown {
 public:
  explicit TExtMemoDropDown(TComponent* AOwner);
  ~TExtMemoDropDown() override;
  const char* ClassName() const override { return "TExtMemoDropDown"; }

  TStringList& MemoText() { return FMemoText; }
  void SetMemoText(const TStringList& Value);
  TMemo* Memo() const { return FMemo; }
  TPopupMenu* MemoPopup() const { return FMemoPopup; }
  void SetMemoPopup(TPopupMenu* Value) { FMemoPopup = Value; }
  // Applied at the next showing.
  TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
  void SetMemoScrollBars(TScrollStyle Value) { FMemoScrollBars = Value; }
  // Applied at once while the popup is down.
  bool MemoReadOnly() const { return FMemoReadOnly; }
  void SetMemoReadOnly(bool Value);
  // Entering the edit opens the popup.
  bool AutoDrop() const { return FAutoDrop; }
  void SetAutoDrop(bool Value) { FAutoDrop = Value; }
  // The one-line form of the lines as the edit shows them now.
  std::string Summary();

  TNotifyEvent OnMemoChange;

  void Dispatch(TMessage& m) override;

 protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void DoHideDropDown(bool CancelChanges) override;
  void DropDownFormHide() override;
  void ControlKeyDown(WORD& Key, TShiftState Shift) override;
  void ControlKeyUp(WORD& Key, TShiftState Shift) override;
  void ControlKeyPress(TKeyChar& Key) override;
  void Change() override;

 private:
  void MemoTextChanged();
  void MemoKeyPress(TKeyChar& Key);

  TPopupMenu* FMemoPopup = nullptr;
  TStringList FMemoText;
  TMemo* FMemo = nullptr;
  TScrollStyle FMemoScrollBars = ssNone;
  bool FMemoReadOnly = false;
  bool FInternalUpdate = false;
  bool FAutoDrop = false;
};

}  // namespace hd

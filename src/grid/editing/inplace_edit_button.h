// The grid's edit-button editors: TGridEditBtn for edEditBtn, edNumericEditBtn,
// edFloatEditBtn and edMaskEditBtn (the button lets the program compute a new value), and
// TGridUnitEditBtn for edUnitEditBtn, edNumericUnitEditBtn and edFloatUnitEditBtn (a value
// with a unit from a menu): the keys that end the edit, the characters each kind takes,
// paste, type-ahead and the walk to the cells beside.
#pragma once

#include "grid/editors/edit_button.h"

namespace hd {

class TGridEditorHost;

// The character rule of an editor kind: anything, digits and a leading minus, or a float.
enum class TEditBtnFilter { Plain, Numeric, Float, None };
TEditBtnFilter EditBtnFilterOf(int EditorKind);

class TGridEditBtn : public TEsgEditBtn {
 public:
  // AOwner: the grid whose editor it is; Host: what it asks of that grid.
  TGridEditBtn(TComponent* AOwner, TGridEditorHost& Host);
  const char* ClassName() const override { return "TGridEditBtn"; }

  void ReCreate() { RecreateWnd(); }
  // OnEllipsClick gives the new text; with StopEditAfterClick the edit ends.
  void ButtonClick(TObject* Sender);
  bool StopEditAfterClick() const { return FStopEditAfterClick; }
  void SetStopEditAfterClick(bool Value) { FStopEditAfterClick = Value; }
  // False after Backspace or Delete, so that type-ahead does not complete again.
  bool WorkMode() const { return FWorkMode; }

  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Change() override;
  void DblClick() override;
  void DoExit() override;

 private:
  void WMPaste();
  // Completes the typed prefix from the grid's lookup items.
  void DoLookup();

  bool FWorkMode = true;
  int FSelKeyDown = 0;
  bool FStopEditAfterClick = false;
  TGridEditorHost* FHost;
};

class TGridUnitEditBtn : public TEsgUnitEditBtn {
 public:
  TGridUnitEditBtn(TComponent* AOwner, TGridEditorHost& Host);
  const char* ClassName() const override { return "TGridUnitEditBtn"; }

  void ReCreate() { RecreateWnd(); }
  void ButtonClick(TObject* Sender);
  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoExit() override;

 private:
  TGridEditorHost* FHost;
};

// Whether the kind's filter takes a typed character; Ctrl tells a shortcut. A character not
// taken is dropped, with a beep when Beep is set.
bool EditBtnCharTaken(TEditBtnFilter Filter, TKeyChar& Ch, const std::string& Text, int SelStart, int SelLength,
                      bool Ctrl, bool& Beep);

}  // namespace hd

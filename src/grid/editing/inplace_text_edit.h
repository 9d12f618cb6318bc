// The grid's text editor: the platform in-place edit with what each text editor kind may type
// and paste, validation when Return, Tab or an arrow leaves it and when it loses the focus,
// a length limit, right alignment, word wrap and completion from the grid's lookup list.
#pragma once

#include <string>

#include "platform/grids.h"

namespace hd {

class TGridEditorHost;

class TExtInplaceEdit : public TInplaceEdit {
 public:
  // AOwner: the grid whose editor it is; Host: what it asks of that grid.
  TExtInplaceEdit(TComponent* AOwner, TGridEditorHost& Host);
  const char* ClassName() const override { return "TExtInplaceEdit"; }

  // The text is right-aligned; a change makes the window again.
  bool VAlign() const { return FValign; }
  void SetVAlign(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // The most characters the editor takes; 0 or less for no limit.
  int LengthLimit() const { return FLengthLimit; }
  void SetLengthLimit(int Value) { FLengthLimit = Value; }
  // Completes the typed prefix from the grid's lookup items (after each key release).
  void DoChange();
  // The cell the editor was loaded for (display column, row).
  int EditCol() const { return FColE; }
  int EditRow() const { return FRowE; }

  void UpdateContents() override;
  void WndProc(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(TKeyChar& Key) override;
  void Change() override;

 private:
  // The steps of the messages; true when the message is done with.
  // True when the key is settled here; Remark asks for the current row to be marked once the
  // platform's handling moved it.
  bool WMKeyDown(TMessage& Message, bool& Remark);
  bool WMChar(TMessage& Message);
  void WMPaste();
  void WMKillFocus(TMessage& Message);
  void WMSetFocus();
  // Whether the kind takes the character (it may be changed, as upper-cased); false drops it.
  bool FilterChar(TKeyChar& Ch, bool& KindRuleRan);
  // Whether the kind takes a pasted text (New may be changed).
  bool AcceptPaste(std::string& New) const;
  // After a refused value: the validation's proposal back with the caret where it was.
  void Refused(const std::string& Saved, int Caret);
  // The text to the cell, then validated; a refusal puts the proposal back in the editor.
  bool StoreAndValidate(const std::string& Text, const std::string& Saved);
  // The row grows to the lines of the text (SizeWhileTyping.Height).
  void GrowRow(const std::string& Text);
  bool CaretOnFirstLine();
  bool CaretOnLastLine();

  int FSelKeyDown = 0;
  int FOldSelStart = 0;
  int FLengthLimit = 0;
  bool FValign = false;
  bool FWordWrap = false;
  bool GotKey = false;
  bool FGotFocus = false;
  bool Workmode = true;
  int FColE = -1;
  int FRowE = -1;
  bool FAltBack = false;
  TGridEditorHost* FHost;
};

}  // namespace hd

// The grid's rich edit: the editor of edRichEdit cells, with sub- and superscript of the
// selection, Tab and the vertical arrows handed to the grid, the edit ended when the focus
// goes to the grid, and the row grown to the text while typing.
#pragma once

#include "platform/rich_edit.h"

namespace hd {

class TGridEditorHost;

class TExtRichEdit : public TRichEdit {
 public:
  // AOwner: the grid whose editor it is; Host: what it asks of that grid.
  TExtRichEdit(TComponent* AOwner, TGridEditorHost& Host);
  const char* ClassName() const override { return "TExtRichEdit"; }

  // Makes the window again before each use.
  void ReCreate() { RecreateWnd(); }
  // The selection's vertical offset: 0, 40 twips down, 40 twips up.
  void SelNormal();
  void SelSubscript();
  void SelSuperscript();
  bool IsSelNormal();
  bool IsSelSubscript();
  bool IsSelSuperscript();
  // Set while the set-up loads the editor: the row does not grow meanwhile.
  bool Locked() const { return FLocked; }
  void SetLocked(bool Value) { FLocked = Value; }
  // The size the text last asked for.
  int ReqWidth() const { return FReqWidth; }
  int ReqHeight() const { return FReqHeight; }

  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  void SetSelOffset(int Twips);
  bool SelOffsetIs(int Twips);
  void RequestedSize(const REQRESIZE& Request);

  TGridEditorHost* FHost;
  int FReqHeight = 0;
  int FReqWidth = 0;
  bool FLocked = false;
};

}  // namespace hd

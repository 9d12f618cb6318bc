// The custom editor link: a program derives from TEditLink to put a control of its own into
// a cell as the editor of edCustom cells, in place or on a small popup form. The grid opens,
// fills, reads and closes the link; the link ends the edit on the keys that leave it.
#pragma once

#include <functional>
#include <string>

#include "platform/component.h"
#include "platform/controls.h"

namespace hd {

class TExtStringGrid;
class TForm;

enum TEditStyle { esInplace, esPopup };

class TEditLink : public TComponent {
 public:
  explicit TEditLink(TComponent* AOwner);
  ~TEditLink() override;
  const char* ClassName() const override { return "TEditLink"; }

  // The contract a descendant fills in, in this order.
  // Ends the edit on a leaving key; wire the control's key-down event to it.
  virtual void EditKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  virtual TWinControl* GetEditControl() { return nullptr; }
  virtual void CreateEditor(TWinControl* AParent) { (void)AParent; }
  virtual void DestroyEditor() {}
  virtual void SetFocus(bool Value);
  // The control over r, less the grid's line width each way.
  virtual void SetRect(TRect r);
  virtual void SetVisible(bool Value);
  virtual void SetProperties() {}
  virtual void SetCellProps(TColor AColor, const TFont& AFont) {
    (void)AColor;
    (void)AFont;
  }
  virtual std::string GetEditorValue() { return {}; }
  virtual void SetEditorValue(const std::string& s) { (void)s; }

  // Hides the editor (storing its value) and, on a popup, frees the control and hides the form.
  void EditExit(TObject* Sender);
  // The popup form's deactivation.
  void FormExit(TObject* Sender);
  // The popup form for esPopup, else the grid.
  TWinControl* GetParent();
  // The raw text of the grid's current cell, and the edited value stored there.
  std::string GetCellValue();
  void SetCellValue(const std::string& s);
  void HideEditor();
  // Gives the control back its own window procedure and hides it (esInplace).
  void RestoreWinProc();

  TExtStringGrid* Grid() const { return FOwner; }
  void SetGrid(TExtStringGrid* Value) { FOwner = Value; }
  TPoint EditCell() const { return FEditCell; }
  void SetEditCell(TPoint Value) { FEditCell = Value; }
  bool WantKeyLeftRight() const { return FWantKeyLeftRight; }
  void SetWantKeyLeftRight(bool v) { FWantKeyLeftRight = v; }
  bool WantKeyUpDown() const { return FWantKeyUpDown; }
  void SetWantKeyUpDown(bool v) { FWantKeyUpDown = v; }
  bool WantKeyHomeEnd() const { return FWantKeyHomeEnd; }
  void SetWantKeyHomeEnd(bool v) { FWantKeyHomeEnd = v; }
  bool WantKeyPriorNext() const { return FWantKeyPriorNext; }
  void SetWantKeyPriorNext(bool v) { FWantKeyPriorNext = v; }
  bool WantKeyReturn() const { return FWantKeyReturn; }
  void SetWantKeyReturn(bool v) { FWantKeyReturn = v; }
  bool WantKeyEscape() const { return FWantKeyEscape; }
  void SetWantKeyEscape(bool v) { FWantKeyEscape = v; }
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool v) { FWantReturns = v; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool v) { FWantTabs = v; }
  TEditStyle EditStyle() const { return FEditStyle; }
  void SetEditStyle(TEditStyle v) { FEditStyle = v; }
  int PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(int v) { FPopupWidth = v; }
  int PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(int v) { FPopupHeight = v; }
  int PopupLeft() const { return FPopupLeft; }
  void SetPopupLeft(int v) { FPopupLeft = v; }
  int PopupTop() const { return FPopupTop; }
  void SetPopupTop(int v) { FPopupTop = v; }
  bool AutoPopupWidth() const { return FAutoPopupWidth; }
  void SetAutoPopupWidth(bool v) { FAutoPopupWidth = v; }
  // The popup form, made by the grid on first popup use and kept.
  TForm* PopupForm() const { return FPopupForm; }
  void SetPopupForm(TForm* Form);
  // Set while the link itself moves the focus back to the grid.
  bool ForcedExit() const { return FForcedExit; }
  bool SubClassed() const { return FSubClassed; }
  // The focus back to the grid, with ForcedExit set meanwhile.
  void FocusGrid();

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TExtStringGrid* FOwner = nullptr;
  bool FWantKeyLeftRight = false;
  bool FWantKeyUpDown = false;
  bool FWantKeyHomeEnd = false;
  bool FWantKeyPriorNext = false;
  bool FWantKeyReturn = false;
  bool FWantKeyEscape = false;
  TEditStyle FEditStyle = esInplace;
  TForm* FPopupForm = nullptr;
  int FPopupWidth = 0;
  int FPopupHeight = 0;
  bool FForcedExit = false;
  TPoint FEditCell{-1, -1};
  bool FAutoPopupWidth = false;
  int FPopupLeft = -1;
  int FPopupTop = -1;
  bool FSubClassed = false;
  bool FWantReturns = false;
  bool FWantTabs = false;
  // The control whose window procedure the grid's replaced, and that procedure.
  TWinControl* FHooked = nullptr;
  std::function<void(TMessage&)> FSavedProc;
};

}  // namespace hd

// The strips above and below a drop-down's popup content: a caption in markup with an image,
// a gradient and border, a row of push buttons and, in the footer, a size grip. Each strip
// keeps its own copy of the drop-down's header or footer appearance, refreshed at every show.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "grid/stringgrid/dropdown_appearance.h"
#include "platform/buttons.h"
#include "platform/controls.h"
#include "platform/ext_ctrls.h"

namespace hd {

class TExtCustomDropDown;
class TImageList;

using TDrawBackgroundEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, std::string& Text)>;

// A list of pointers whose indexed access refuses any index outside 0 .. Count - 1.
class TDbgList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  void* Items(int Index) const;
  void SetItems(int Index, void* Value);
  void Add(void* Item) { FItems.push_back(Item); }
  void Delete(int Index);
  void Clear() { FItems.clear(); }
  // Clears the list and appends ListA's items in order.
  void AssignList(const TDbgList& ListA);

 private:
  std::vector<void*> FItems;
};

enum TExtButtonStyle { tasButton, tasCheck };
enum TExtButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };


// The push button of the strips. A footer button with a modal result closes the popup (OK,
// Yes, All, Yes to all keep the edits; Cancel, Abort, Ignore, No, No to all cancel them).
class TExtButton : public TCustomControl {
 public:
  explicit TExtButton(TComponent* AOwner);
  ~TExtButton() override;
  const char* ClassName() const override { return "TExtButton"; }

  TExtButtonAppearance* Appearance() const { return FAppearance; }
  void SetAppearance(TExtButtonAppearance* Value) { FAppearance = Value; Invalidate(); }
  TImageList* Images() const { return FImages; }
  void SetImageList(TImageList* Value) { FImages = Value; }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; Invalidate(); }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  void AttachDropDown(TExtCustomDropDown* Value) { FExtDropDown = Value; }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  TExtButtonStyle Style() const { return FStyle; }
  void SetStyle(TExtButtonStyle Value) { FStyle = Value; }
  bool Down() const { return FDown; }
  void SetDown(bool Value) { SetDownState(Value); }
  TExtButtonState State() const { return FState; }
  bool MouseInControl() const { return FMouseInControl; }
  bool UnHotTimerRunning() const { return FUnHotTimer->Enabled(); }
  // Sized to the caption (and image) with the appearance's font: + 8 wide, + 4 high.
  void FitToContent();

  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnMouseEnter;

  void Click() override;
  void Dispatch(TMessage& m) override;
  // The face as Paint draws it (the parent's look under it first).
  virtual void DrawFace(TCanvas& Canvas);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void SetDownState(bool Value);
  void ButtonPressed(int Group, TExtButton* Sender);
  void UpdateTracking();
  void UnHotTimerTick();
  bool Inside(int X, int Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }

  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  int FOffSet = 4;
  bool FMouseInControl = false;
  bool FHot = false;
  TExtButtonStyle FStyle = tasButton;
  TExtButtonState FState = absUp;
  bool FMouseDownInControl = false;
  bool FGrouped = true;
  bool FDragging = false;
  bool FPropHot = false;
  TTimer* FUnHotTimer = nullptr;
  bool FInitialDown = false;
  bool FInternalClick = false;
  TExtButtonAppearance* FAppearance = nullptr;
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  TModalResult FModalResult = mrNone;
  TExtCustomDropDown* FExtDropDown = nullptr;
};

// What header and footer share: appearance copy, buttons, painting.
class TExtStrip : public TCustomControl {
 public:
  ~TExtStrip() override;
  const char* ClassName() const override { return "TExtStrip"; }

  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value) { FImages = Value; }
  TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
  const TDbgList& ButtonList() const { return FButtonList; }
  TExtButton* Button(int Index) const { return static_cast<TExtButton*>(FButtonList.Items(Index)); }
  // Takes the drop-down's images and a copy of its appearance (nil: no drop-down, no images).
  virtual void AttachDropDown(TExtCustomDropDown* Value) = 0;
  void BuildButtons();
  // The rectangle the buttons share.
  virtual TRect ButtonArea() const = 0;

  TDrawBackgroundEvent OnDrawBackGround;
  TGetTextEvent OnGetText;

  virtual void CreateButtons();
  virtual void FreeButtons();
  virtual void PlaceButtons();
  virtual void RefreshButtons();
  void Dispatch(TMessage& m) override;

 protected:
  explicit TExtStrip(TComponent* AOwner);
  virtual TStripAppearance& Strip() = 0;
  virtual TAppearanceButtons* ButtonItems() const = 0;
  virtual bool IsFooter() const { return false; }
  virtual void ButtonClicked(int Index) = 0;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Background, border, image and caption; the footer adds its grip.
  void PaintStrip(TCanvas& Canvas);

  TImageList* FImages = nullptr;
  TExtCustomDropDown* FExtDropDown = nullptr;
  TDbgList FButtonList;
};

class TExtHeader : public TExtStrip {
 public:
  explicit TExtHeader(TComponent* AOwner);
  const char* ClassName() const override { return "TExtHeader"; }
  THeaderAppearance& Appearance() { return FAppearance; }
  void SetAppearance(const THeaderAppearance& Value) { FAppearance.Assign(&Value); }
  // The drop-down's header buttons; nil without a drop-down.
  THeaderButtons* Buttons() const;
  void AttachDropDown(TExtCustomDropDown* Value) override;
  TRect ButtonArea() const override;

 protected:
  void Paint() override { PaintStrip(Canvas()); }
  TStripAppearance& Strip() override { return FAppearance; }
  TAppearanceButtons* ButtonItems() const override { return Buttons(); }
  void ButtonClicked(int Index) override;

 private:
  THeaderAppearance FAppearance;
};

class TExtFooter : public TExtStrip {
 public:
  explicit TExtFooter(TComponent* AOwner);
  const char* ClassName() const override { return "TExtFooter"; }
  TFooterAppearance& Appearance() { return FAppearance; }
  void SetAppearance(const TFooterAppearance& Value) { FAppearance.Assign(&Value); }
  TFooterButtons* Buttons() const;
  void AttachDropDown(TExtCustomDropDown* Value) override;
  TRect ButtonArea() const override;
  // The grip shows and works: SizeGrip on, a drop-down that is sizeable.
  bool GripActive() const;
  // The corner that starts sizing the popup.
  bool InGripZone(int X, int Y) const;

  void Dispatch(TMessage& m) override;

 protected:
  void Paint() override { PaintStrip(Canvas()); }
  TStripAppearance& Strip() override { return FAppearance; }
  TAppearanceButtons* ButtonItems() const override { return Buttons(); }
  bool IsFooter() const override { return true; }
  void ButtonClicked(int Index) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void RestoreCursor();
  TFooterAppearance FAppearance;
  TCursor FOldCursor = 0;
};

}  // namespace hd

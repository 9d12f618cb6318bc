// The analog clock: a dial drawn over a cached background, hands set by clicks near the hour
// or the minute and by keys, moved there in a short animation, an AM/PM box that rolls its
// text when it flips, or the running system time. The geometry and the key rules are pure
// functions below, so they are tested without a window.
#pragma once

#include <cstdint>
#include <memory>

#include "grid/foundation/theme.h"
#include "platform/bitmap.h"
#include "platform/classes.h"
#include "platform/controls.h"
#include "platform/dateutils.h"
#include "platform/picture.h"

namespace hd {

class TTimer;

enum TAMPMFrame { apRect, apRoundRect };
enum TWatchShape { wsCircle, wsRect, wsRoundRect };
enum TPointerStyle { psLine, psShortLine, psPointer, psLineArrow };
enum TWatchBorderStyle { wbLine, wbDoubleLine, wbNone };
enum TWatchGradient { wgRadial, wgVertical, wgDiagonalForward, wgDiagonalBackward };
enum TTickMarks { tmAll, tmHours, tmQuartHours, tmNone };
enum THourMarkStyle { hmsLine, hmsQuartDblLine };
enum TWatchStyle {
  wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray,
  wsSuperNova, wsSports, wsSmooth
};

// The dial square, its centre and radius in a client rectangle; Size 0 leaves a 10-pixel
// margin on the smaller side.
TRect WatchRectOf(const TRect& Client, int Size);
TPoint WatchCenterOf(const TRect& Dial);
inline int WatchRadiusOf(const TRect& Dial) { return Dial.Width() / 2; }
// The minute (0..59) a point points at, seen from the centre.
int MinuteAtPoint(TPoint Center, int X, int Y);
// The hour (0..23) a point points at, in the half of the day the AM flag names.
int HourAtPoint(TPoint Center, int X, int Y, bool AM);
// Round to nearest with halves to even, as the clock's pixel and step rules round.
int RoundEven(double Value);

// What a key does to the shown time.
struct TWatchKeyAction {
  enum TKind { akNone, akHour, akMinute, akTime } Kind = akNone;
  int Value = 0;          // the hour or minute given to SetHour or SetMinute
  bool Internal = false;  // without animation
  int NewHour = 0, NewMinute = 0;  // the time an akTime action sets
};
TWatchKeyAction WatchKeyAction(WORD Key, int Hour, int Minute);

// Whether the tick marks and numbers of a TickMarks value are drawn.
struct TWatchMarkChoice {
  bool QuarterMarks, OtherHourMarks, MinuteMarks, QuarterNumbers, OtherNumbers;
};
TWatchMarkChoice WatchMarkChoice(TTickMarks Marks, bool ShowNumbers);

// Whether the clock runs on the system time, with the second hand and an offset.
class TWatchSettings : public TPersistent {
 public:
  const char* ClassName() const override { return "TWatchSettings"; }
  bool Auto() const { return FAuto; }
  void SetAuto(bool Value);
  bool Second() const { return FSeconds; }
  void SetSecond(bool Value);
  // Minutes added to the system time.
  int TimeOffset() const { return FTimeOffset; }
  void SetTimeOffset(int Value);
  void Assign(const TPersistent* Source) override;

  TNotifyEvent OnChange;

 private:
  void Changed();

  bool FAuto = false;
  bool FSeconds = true;
  int FTimeOffset = 0;
};

// The clock's look; each changed value notifies the clock.
class TWatchAppearance : public TPersistent {
 public:
  TWatchAppearance();
  const char* ClassName() const override { return "TWatchAppearance"; }
  void Assign(const TPersistent* Source) override;

  int Size() const { return FSize; }
  void SetSize(int v) { Store(FSize, v); }
  TColor HourPointer() const { return FHourPointer; }
  void SetHourPointer(TColor v) { Store(FHourPointer, v); }
  TColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(TColor v) { Store(FBackgroundColor, v); }
  TColor MinutePointerShadow() const { return FMinutePointerShadow; }
  void SetMinutePointerShadow(TColor v) { Store(FMinutePointerShadow, v); }
  TColor BackgroundColorTo() const { return FBackgroundColorTo; }
  void SetBackgroundColorTo(TColor v) { Store(FBackgroundColorTo, v); }
  TColor HourPointerShadow() const { return FHourPointerShadow; }
  void SetHourPointerShadow(TColor v) { Store(FHourPointerShadow, v); }
  TColor SecondPointer() const { return FSecondPointer; }
  void SetSecondPointer(TColor v) { Store(FSecondPointer, v); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor v) { Store(FBorderColor, v); }
  TColor MinutePointer() const { return FMinutePointer; }
  void SetMinutePointer(TColor v) { Store(FMinutePointer, v); }
  const TFont& HourFont() const { return FHourFont; }
  void SetHourFont(const TFont& v);
  const TFont& AMPMFont() const { return FAMPMFont; }
  void SetAMPMFont(const TFont& v);
  const TPicture& Picture() const { return FPicture; }
  void SetPicture(const TPicture& v);
  TAMPMFrame AMPMFrame() const { return FAMPMFrame; }
  void SetAMPMFrame(TAMPMFrame v) { Store(FAMPMFrame, v); }
  TWatchShape Shape() const { return FWatchShape; }
  void SetShape(TWatchShape v) { Store(FWatchShape, v); }
  TPointerStyle PointerStyle() const { return FPointerStyle; }
  void SetPointerStyle(TPointerStyle v) { Store(FPointerStyle, v); }
  int HourPointerSize() const { return FHourPointerSize; }
  void SetHourPointerSize(int v) { Store(FHourPointerSize, v); }
  int SecondPointerSize() const { return FSecondPointerSize; }
  void SetSecondPointerSize(int v) { Store(FSecondPointerSize, v); }
  int MinutePointerSize() const { return FMinutePointerSize; }
  void SetMinutePointerSize(int v) { Store(FMinutePointerSize, v); }
  TColor HourColor() const { return FHourColor; }
  void SetHourColor(TColor v) { Store(FHourColor, v); }
  TColor MinuteColor() const { return FMinuteColor; }
  void SetMinuteColor(TColor v) { Store(FMinuteColor, v); }
  int CenterPointSize() const { return FCenterPointSize; }
  void SetCenterPointSize(int v) { Store(FCenterPointSize, v); }
  TColor CenterPointColor() const { return FCenterPointColor; }
  void SetCenterPointColor(TColor v) { Store(FCenterPointColor, v); }
  TColor CenterPointBorderColor() const { return FCenterPointBorderColor; }
  void SetCenterPointBorderColor(TColor v) { Store(FCenterPointBorderColor, v); }
  TWatchGradient BackgroundGradient() const { return FBackgroundGradient; }
  void SetBackgroundGradient(TWatchGradient v) { Store(FBackgroundGradient, v); }
  int HourMarkLength() const { return FHourMarkLength; }
  void SetHourMarkLength(int v) { Store(FHourMarkLength, v); }
  int HourMarkWidth() const { return FHourMarkWidth; }
  void SetHourMarkWidth(int v) { Store(FHourMarkWidth, v); }
  int MinuteMarkLength() const { return FMinuteMarkLength; }
  void SetMinuteMarkLength(int v) { Store(FMinuteMarkLength, v); }
  int MinuteMarkWidth() const { return FMinuteMarkWidth; }
  void SetMinuteMarkWidth(int v) { Store(FMinuteMarkWidth, v); }
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v) { Store(FBorderWidth, v); }
  TColor AMPMColor() const { return FAMPMColor; }
  void SetAMPMColor(TColor v) { Store(FAMPMColor, v); }
  TColor AMPMBorderColor() const { return FAMPMBorderColor; }
  void SetAMPMBorderColor(TColor v) { Store(FAMPMBorderColor, v); }
  TColor CenterPointOuterBorderColor() const { return FCenterPointOuterBorderColor; }
  void SetCenterPointOuterBorderColor(TColor v) { Store(FCenterPointOuterBorderColor, v); }
  TTickMarks TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMarks v) { Store(FTickMarks, v); }
  THourMarkStyle HourMarkStyle() const { return FHourMarkStyle; }
  void SetHourMarkStyle(THourMarkStyle v) { Store(FHourMarkStyle, v); }

  TNotifyEvent OnChange;

 private:
  template <class T>
  void Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
  }
  void Changed() {
    if (OnChange) OnChange(this);
  }

  int FSize = 0;
  TColor FHourPointer = clBlack;
  TColor FBackgroundColor = clWhite;
  TColor FMinutePointerShadow = clBtnShadow;
  TColor FBackgroundColorTo = clNone;
  TColor FHourPointerShadow = clBtnShadow;
  TColor FSecondPointerShadow = clBtnShadow;  // kept, not drawn
  TColor FSecondPointer = clRed;
  TColor FBorderColor = clBlack;
  TColor FMinutePointer = clBlack;
  TFont FHourFont;
  TFont FAMPMFont;
  TPicture FPicture;
  TAMPMFrame FAMPMFrame = apRect;
  TWatchShape FWatchShape = wsCircle;
  TPointerStyle FPointerStyle = psLine;
  TWatchBorderStyle FBorderStyle = wbLine;  // kept, not drawn
  int FHourPointerSize = 4;
  int FSecondPointerSize = 1;
  int FMinutePointerSize = 3;
  TColor FHourColor = clBlack;
  TColor FMinuteColor = clGray;
  int FCenterPointSize = 4;
  TColor FCenterPointColor = clBlack;
  TColor FCenterPointBorderColor = clNone;
  TWatchGradient FBackgroundGradient = wgVertical;
  int FRounding = 5;  // kept, not used
  int FHourMarkLength = 0;
  int FHourMarkWidth = 1;
  int FMinuteMarkLength = 0;
  int FMinuteMarkWidth = 1;
  int FBorderWidth = 4;
  TColor FAMPMColor = clWhite;
  TColor FAMPMBorderColor = clBlack;
  TColor FCenterPointOuterBorderColor = clNone;
  TTickMarks FTickMarks = tmAll;
  THourMarkStyle FHourMarkStyle = hmsLine;
};

class TExtWatch : public TCustomControl, public IDAZStyle {
 public:
  explicit TExtWatch(TComponent* AOwner);
  ~TExtWatch() override;
  const char* ClassName() const override { return "TExtWatch"; }

  // The time shown when Settings.Auto is off; setting it fires no event.
  TDateTime Time() const { return FTime; }
  void SetTime(TDateTime Value);
  // One part of the shown time, animated unless the change is the clock's own; SetMinute
  // refuses 60 and more with "Invalid time".
  void SetHour(int Value);
  void SetMinute(int Value);
  // The keys of the popup that hosts the clock: A, P, Page Up/Down, End, Home, Left, Right.
  void HandleKey(WORD Key);

  TWatchAppearance& Appearance() { return *FAppearance; }
  void SetAppearance(const TWatchAppearance& Value) { FAppearance->Assign(&Value); }
  TWatchSettings& Settings() { return *FSettings; }
  void SetSettings(const TWatchSettings& Value) { FSettings->Assign(&Value); }
  bool Animation() const { return FAnimation; }
  void SetAnimation(bool Value) { FAnimation = Value; }
  int AnimationFactor() const { return FAnimationFactor; }
  void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
  bool ShowAMPM() const { return FShowAMPM; }
  void SetShowAMPM(bool Value);
  bool ShowNumbers() const { return FShowNumbers; }
  void SetShowNumbers(bool Value);
  // The preset last chosen; choosing another resets the look to the defaults first.
  TWatchStyle Style() const { return FStyle; }
  void SetStyle(TWatchStyle Value);
  void SetComponentStyle(TDAZStyle AStyle) override;
  TDAZStyle GetComponentStyle() const override { return FDAZStyle; }

  bool AM() const { return FAM; }
  // The hand animation is running.
  bool Animating() const;
  TDateTime GetDisplayTime() const;
  TRect GetWatchRect() const;
  TPoint GetCenter() const;
  int GetRadius() const;
  TRect GetAMPMRect();
  int MinuteFromPoint(int X, int Y) const { return MinuteAtPoint(GetCenter(), X, Y); }
  int HourFromPoint(int X, int Y) const { return HourAtPoint(GetCenter(), X, Y, FAM); }
  // The dial without hands as last painted.
  const TBitmap& BackgroundCache() const { return FBKGCache; }

  TNotifyEvent OnChange;

  void Dispatch(TMessage& m) override;

 protected:
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

 private:
  friend struct TWatchPainter;
  void InternalSetTime(TDateTime Value);
  void SetAM(bool Value);
  void AnimationTimerTick();
  void WatchTimerTick();
  void SettingsChanged();
  void PaintAll(TCanvas& Canvas);
  void RepaintHands();
  void RollAMPM(bool ToPM);
  void Changed();
  bool CanAnimate() const;
  bool InDesignOrLoading() const;
  void ApplyPreset(TWatchStyle Value);

  std::unique_ptr<TWatchAppearance> FAppearance;
  std::unique_ptr<TWatchSettings> FSettings;
  TDateTime FTime = 0;
  TBitmap FBKGCache;
  TTimer* FWatchTimer = nullptr;
  bool FAnimation = true;
  int FAnimationFactor = 10;
  TTimer* FAnimationTimer = nullptr;
  int FCurrentHourTo = 0;
  int FCurrentMinuteTo = 0;
  int FMinuteFrom = 0;
  bool FHourAnimating = false;
  bool FInternalCall = false;
  // Set during an animation step: the step leaves the target alone.
  bool FAnimationStep = false;
  bool FAM = true;
  bool FShowAMPM = true;
  bool FShowNumbers = true;
  bool FInternalSet = false;
  TWatchStyle FStyle = wsClassic;
  TDAZStyle FDAZStyle = tsCustom;
};

// The component-style colours on a clock's look (the time picker applies them to the look
// it copies into its popup clock).
void ApplyWatchComponentStyle(TWatchAppearance& Appearance, TDAZStyle AStyle);

}  // namespace hd

#include "grid/editors/watch.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "platform/exceptions.h"
#include "platform/ext_ctrls.h"

namespace hd {

int RoundEven(double Value) { return static_cast<int>(std::nearbyint(Value)); }

TRect WatchRectOf(const TRect& Client, int Size) {
  const int w = Client.Width(), h = Client.Height();
  int side = Size > 0 ? std::min({Size, w, h}) : std::min(w, h) - 20;
  const int left = Client.Left + (w - side) / 2;
  const int top = Client.Top + (h - side) / 2;
  return Rect(left, top, left + side, top + side);
}

TPoint WatchCenterOf(const TRect& Dial) {
  return {Dial.Left + (Dial.Right - Dial.Left) / 2, Dial.Top + (Dial.Bottom - Dial.Top) / 2};
}

int MinuteAtPoint(TPoint Center, int X, int Y) {
  double dy = std::abs(Center.Y - Y), dx = std::abs(Center.X - X);
  if (dy == 0) dy = 1;
  if (dx == 0) dx = 1;
  const int m = RoundEven(std::atan(dy / dx) * 180 / std::numbers::pi / 6);
  int result;
  if (X >= Center.X && Y >= Center.Y)
    result = m + 15;
  else if (X <= Center.X && Y >= Center.Y)
    result = 45 - m;
  else if (X <= Center.X && Y <= Center.Y)
    result = m + 45;
  else
    result = 15 - m;
  return result < 0 || result > 59 ? 0 : result;
}

int HourAtPoint(TPoint Center, int X, int Y, bool AM) {
  const int h = RoundEven(MinuteAtPoint(Center, X, Y) / 5.0);
  if (h <= 0) return AM ? 0 : 12;
  const int hour = AM ? h : h + 12;
  return hour == 24 ? 0 : hour;
}

TWatchKeyAction WatchKeyAction(WORD Key, int Hour, int Minute) {
  using A = TWatchKeyAction;
  switch (Key) {
    case 'A': return Hour > 11 ? A{A::akHour, Hour - 12} : A{};
    case 'P': return Hour < 12 ? A{A::akHour, Hour + 12} : A{};
    case VK_PRIOR: return Hour <= 22 ? A{A::akHour, Hour + 1} : A{A::akHour, 0, true};
    case VK_NEXT: return Hour > 0 ? A{A::akHour, Hour - 1} : A{A::akHour, 23, true};
    case VK_END: return A{A::akMinute, 0};
    case VK_HOME: return A{A::akHour, 12, true};
    case VK_LEFT:
      if (Minute > 0) return A{A::akMinute, Minute - 1};
      return A{A::akTime, 0, false, Hour == 0 ? 23 : Hour - 1, 59};
    case VK_RIGHT: return A{A::akMinute, Minute < 59 ? Minute + 1 : 0};
    default: return A{};
  }
}

TWatchMarkChoice WatchMarkChoice(TTickMarks Marks, bool ShowNumbers) {
  TWatchMarkChoice c{};
  c.QuarterMarks = Marks != tmNone;
  c.OtherHourMarks = Marks == tmAll || Marks == tmHours;
  c.MinuteMarks = Marks == tmAll;
  c.QuarterNumbers = ShowNumbers && (Marks == tmAll || Marks == tmQuartHours);
  c.OtherNumbers = ShowNumbers && Marks == tmAll;
  return c;
}

// Settings.

void TWatchSettings::Changed() {
  if (OnChange) OnChange(this);
}

void TWatchSettings::SetAuto(bool Value) {
  if (FAuto == Value) return;
  FAuto = Value;
  Changed();
}

void TWatchSettings::SetSecond(bool Value) {
  if (FSeconds == Value) return;
  FSeconds = Value;
  Changed();
}

void TWatchSettings::SetTimeOffset(int Value) {
  if (FTimeOffset == Value) return;
  FTimeOffset = Value;
  Changed();
}

void TWatchSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TWatchSettings*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  FSeconds = s->FSeconds;
  FTimeOffset = s->FTimeOffset;
  SetAuto(s->FAuto);
}

// Appearance.

TWatchAppearance::TWatchAppearance() { FAMPMFont.Size = 10; }

void TWatchAppearance::SetHourFont(const TFont& v) {
  FHourFont = v;
  Changed();
}

void TWatchAppearance::SetAMPMFont(const TFont& v) {
  FAMPMFont = v;
  Changed();
}

void TWatchAppearance::SetPicture(const TPicture& v) {
  FPicture = v;
  Changed();
}

void TWatchAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TWatchAppearance*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  FSize = s->FSize;
  FHourPointer = s->FHourPointer;
  FBackgroundColor = s->FBackgroundColor;
  FMinutePointerShadow = s->FMinutePointerShadow;
  FBackgroundColorTo = s->FBackgroundColorTo;
  FHourPointerShadow = s->FHourPointerShadow;
  FSecondPointerShadow = s->FSecondPointerShadow;
  FSecondPointer = s->FSecondPointer;
  FBorderColor = s->FBorderColor;
  FMinutePointer = s->FMinutePointer;
  FHourFont = s->FHourFont;
  FAMPMFont = s->FAMPMFont;
  FPicture = s->FPicture;
  FAMPMFrame = s->FAMPMFrame;
  FWatchShape = s->FWatchShape;
  FPointerStyle = s->FPointerStyle;
  FBorderStyle = s->FBorderStyle;
  FHourPointerSize = s->FHourPointerSize;
  FSecondPointerSize = s->FSecondPointerSize;
  FMinutePointerSize = s->FMinutePointerSize;
  FHourColor = s->FHourColor;
  FMinuteColor = s->FMinuteColor;
  FCenterPointSize = s->FCenterPointSize;
  FCenterPointColor = s->FCenterPointColor;
  FCenterPointBorderColor = s->FCenterPointBorderColor;
  FBackgroundGradient = s->FBackgroundGradient;
  FRounding = s->FRounding;
  FHourMarkLength = s->FHourMarkLength;
  FHourMarkWidth = s->FHourMarkWidth;
  FMinuteMarkLength = s->FMinuteMarkLength;
  FMinuteMarkWidth = s->FMinuteMarkWidth;
  FBorderWidth = s->FBorderWidth;
  FAMPMColor = s->FAMPMColor;
  FAMPMBorderColor = s->FAMPMBorderColor;
  SetCenterPointOuterBorderColor(s->FCenterPointOuterBorderColor);
  SetTickMarks(s->FTickMarks);
  SetHourMarkStyle(s->FHourMarkStyle);
  // The copy is one change for whoever shows the look.
  Changed();
}

// The clock.

TExtWatch::TExtWatch(TComponent* AOwner)
    : TCustomControl(AOwner),
      FAppearance(std::make_unique<TWatchAppearance>()),
      FSettings(std::make_unique<TWatchSettings>()) {
  FAppearance->OnChange = [this](TObject*) { Invalidate(); };
  FSettings->OnChange = [this](TObject*) { SettingsChanged(); };
  FWatchTimer = new TTimer(this);
  FWatchTimer->SetInterval(100);
  FWatchTimer->SetEnabled(FSettings->Auto());
  FWatchTimer->OnTimer = [this](TObject*) { WatchTimerTick(); };
  // Asks for 1 ms; the layer's timers run it at their shortest interval.
  FAnimationTimer = new TTimer(this);
  FAnimationTimer->SetInterval(1);
  FAnimationTimer->SetEnabled(false);
  FAnimationTimer->OnTimer = [this](TObject*) { AnimationTimerTick(); };
  SetBounds(Left(), Top(), 180, 180);
}

TExtWatch::~TExtWatch() {
  // The timers are owned components; stop them before the state they tick on goes.
  FAnimationTimer->SetEnabled(false);
  FWatchTimer->SetEnabled(false);
}

bool TExtWatch::Animating() const { return FAnimationTimer->Enabled(); }

bool TExtWatch::InDesignOrLoading() const {
  return ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning);
}

bool TExtWatch::CanAnimate() const { return FAnimation && !FInternalCall && !InDesignOrLoading(); }

TDateTime TExtWatch::GetDisplayTime() const {
  if (!FSettings->Auto()) return FTime;
  return hd::Now() + FSettings->TimeOffset() / 1440.0;
}

TRect TExtWatch::GetWatchRect() const { return WatchRectOf(ClientRect(), FAppearance->Size()); }
TPoint TExtWatch::GetCenter() const { return WatchCenterOf(GetWatchRect()); }
int TExtWatch::GetRadius() const { return WatchRadiusOf(GetWatchRect()); }

void TExtWatch::SetTime(TDateTime Value) {
  if (Value == FTime) return;
  InternalSetTime(Value);
  RepaintHands();
}

void TExtWatch::InternalSetTime(TDateTime Value) {
  FTime = Value;
  int h, m, s, ms;
  DecodeTime(Value, h, m, s, ms);
  FInternalSet = true;
  SetAM(h < 12);
  FInternalSet = false;
}

void TExtWatch::Changed() {
  if (OnChange) OnChange(this);
}

void TExtWatch::SetHour(int Value) {
  int h, m, s, ms;
  DecodeTime(GetDisplayTime(), h, m, s, ms);
  if (h == Value) return;
  if (CanAnimate()) {
    FCurrentHourTo = Value;
    FHourAnimating = true;
    FAnimationTimer->SetEnabled(true);
    return;
  }
  // A change that is no animation step ends where it was asked to, so it reports itself.
  if (!FAnimationStep) FCurrentHourTo = Value;
  InternalSetTime(EncodeTime(Value, m, s, ms));
  RepaintHands();
  if (Value == FCurrentHourTo) Changed();
}

void TExtWatch::SetMinute(int Value) {
  int h, m, s, ms;
  DecodeTime(GetDisplayTime(), h, m, s, ms);
  if (Value >= 60 || Value < 0) throw EConvertError("Invalid time");
  if (m == Value) return;
  if (CanAnimate()) {
    FCurrentMinuteTo = Value;
    FHourAnimating = false;
    FMinuteFrom = m;
    FAnimationTimer->SetEnabled(true);
    return;
  }
  if (!FAnimation) FMinuteFrom = m;
  // Passing 12 o'clock forwards moves the hour on.
  if (Value == 0 && FMinuteFrom > 30) {
    h = h == 23 ? 0 : h + 1;
    FMinuteFrom = 0;
  }
  if (!FAnimationStep) FCurrentMinuteTo = Value;
  InternalSetTime(EncodeTime(h, Value, s, ms));
  RepaintHands();
  if (Value == FCurrentMinuteTo) Changed();
}

void TExtWatch::AnimationTimerTick() {
  if (!FAnimation || InDesignOrLoading()) return;
  int h, m, s, ms;
  DecodeTime(GetDisplayTime(), h, m, s, ms);
  const int factor = FAnimationFactor > 0 ? FAnimationFactor : 1;
  FInternalCall = true;
  FAnimationStep = true;
  struct Reset {
    TExtWatch& w;
    ~Reset() { w.FInternalCall = w.FAnimationStep = false; }
  } reset{*this};
  if (FHourAnimating) {
    const int target = FCurrentHourTo;
    const int step = RoundEven(std::abs(target - h) / static_cast<double>(factor));
    if (h > target - 1 && h < target + 1) {
      FAnimationTimer->SetEnabled(false);
      SetHour(target);
      return;
    }
    SetHour(h < target ? h + std::max(step, 1) : h - std::max(step, 1));
    return;
  }
  const int target = FCurrentMinuteTo;
  const bool wrapForward = target == 0 && m > 30;
  const int distance = wrapForward ? 60 - m : std::abs(target - m);
  const int step = std::max(RoundEven(distance / static_cast<double>(factor)), 1);
  if (m > target - 1 && m < target + 1) {
    FAnimationTimer->SetEnabled(false);
    SetMinute(target);
    return;
  }
  int next = m >= target && !wrapForward ? m - step : m + step;
  if (next >= 60) next = 0;
  if (next < 0) next = 0;
  SetMinute(next);
}

void TExtWatch::HandleKey(WORD Key) {
  if (FSettings->Auto()) return;
  int h, m, s, ms;
  DecodeTime(GetDisplayTime(), h, m, s, ms);
  const TWatchKeyAction a = WatchKeyAction(Key, h, m);
  const bool saved = FInternalCall;
  FInternalCall = FInternalCall || a.Internal;
  struct Reset {
    bool& flag;
    bool saved;
    ~Reset() { flag = saved; }
  } reset{FInternalCall, saved};
  switch (a.Kind) {
    case TWatchKeyAction::akHour: SetHour(a.Value); break;
    case TWatchKeyAction::akMinute: SetMinute(a.Value); break;
    case TWatchKeyAction::akTime:
      SetTime(EncodeTime(a.NewHour, a.NewMinute, s, 0));
      // Stepping back over the hour is the user's change as much as any other key.
      Changed();
      break;
    case TWatchKeyAction::akNone: break;
  }
}

void TExtWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (FSettings->Auto()) return;
  if (!TRegion::Ellipse(GetWatchRect()).Contains(X, Y)) {
    SetMinute(MinuteFromPoint(X, Y));
    return;
  }
  if (GetAMPMRect().Contains({X, Y})) {
    if (FAnimation) SetAM(!FAM);
    int h, m, s, ms;
    DecodeTime(GetDisplayTime(), h, m, s, ms);
    FCurrentHourTo = h < 12 ? h + 12 : h - 12;
    FInternalCall = true;
    SetHour(FCurrentHourTo);
    FInternalCall = false;
    return;
  }
  SetHour(HourFromPoint(X, Y));
}

void TExtWatch::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (!ComponentState().Contains(csDesigning)) SetCursor(GetAMPMRect().Contains({X, Y}) ? crHandPoint : crDefault);
}

void TExtWatch::SettingsChanged() {
  FWatchTimer->SetEnabled(FSettings->Auto());
  if (FSettings->Auto()) {
    FTime = hd::Now();
    int h, m, s, ms;
    DecodeTime(FTime, h, m, s, ms);
    FInternalSet = true;
    SetAM(h < 12);
    FInternalSet = false;
  }
  Invalidate();
}

void TExtWatch::WatchTimerTick() { RepaintHands(); }

void TExtWatch::SetShowAMPM(bool Value) {
  if (FShowAMPM == Value) return;
  FShowAMPM = Value;
  Invalidate();
}

void TExtWatch::SetShowNumbers(bool Value) {
  if (FShowNumbers == Value) return;
  FShowNumbers = Value;
  Invalidate();
}

void TExtWatch::SetAM(bool Value) {
  if (FAM == Value) return;
  FAM = Value;
  if (FAnimation && FShowAMPM && FAppearance->AMPMColor() != clNone && !FInternalSet) RollAMPM(!Value);
  Invalidate();
}

void TExtWatch::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = TabStop() ? DLGC_WANTARROWS | DLGC_WANTALLKEYS : 0; return;
    default: break;
  }
  TCustomControl::Dispatch(m);
}

}  // namespace hd

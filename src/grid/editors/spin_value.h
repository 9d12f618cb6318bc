// The value rules of the spin edit, free of any window: which typed characters a kind of
// value takes, how the part under the caret of a date or time steps, and how texts become
// values and values texts within their limits (equal limits meaning none).
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/dateutils.h"
#include "platform/regional.h"

namespace hd {

// The kind of value a spin edit holds. Ordinals are kept in stored forms.
enum TEsgSpinType { sptNormal, sptFloat, sptDate, sptTime };

// What the character check looks at: the edit's text, caret and selection (characters).
struct TSpinCharState {
  TEsgSpinType SpinType = sptNormal;
  std::string Text;
  int SelStart = 0;
  int SelLength = 0;
  int Precision = 0;
  bool EditorEnabled = true;
};

// Whether a typed character is taken (false: dropped with a beep).
bool SpinCharValid(const TSpinCharState& State, TKeyChar Key, const TFormatSettings& Fs);

// Values held within limits; equal limits mean no limit.
template <class T>
T HoldWithin(T Value, T Min, T Max) {
  if (Min == Max) return Value;
  if (Value < Min) return Min;
  if (Value > Max) return Max;
  return Value;
}

// Texts to values, with the fall-backs a bad text gives.
int SpinIntFromText(const std::string& Text, int MinValue);
double SpinFloatFromText(const std::string& Text, double MinValue, const TFormatSettings& Fs);
// "0" or an empty text is now.
TDateTime SpinDateFromText(const std::string& Text, TDateTime MinValue, const TFormatSettings& Fs);
TDateTime SpinTimeFromText(const std::string& Text, const TFormatSettings& Fs);

// Values to texts: Precision 0 is the general format, else fixed with that many decimals.
std::string SpinFloatText(double Value, int Precision, const TFormatSettings& Fs);
std::string SpinDateText(TDateTime Value, const TFormatSettings& Fs);
// With seconds the long time format, else hours and minutes ("h:nn").
std::string SpinTimeText(TDateTime Value, bool ShowSeconds, const TFormatSettings& Fs);

// The locale writes the month before the day.
bool MonthBeforeDay(const TFormatSettings& Fs);
// Steps the part of a date text under the caret (Delta +1 or -1): day, month or year, in the
// order of the short date format. A year keeps month and day where the calendar allows.
TDateTime StepDatePart(TDateTime Value, const std::string& Text, int Caret, int Delta, const TFormatSettings& Fs);
// Steps the part of a time text under the caret by its increment; down wraps past midnight.
struct TTimeSteps {
  int Hours = 1;
  int Minutes = 1;
  int Seconds = 1;
};
TDateTime StepTimePart(TDateTime Value, const std::string& Text, int Caret, bool Up, bool ShowSeconds,
                       const TTimeSteps& Steps, const TFormatSettings& Fs);

}  // namespace hd

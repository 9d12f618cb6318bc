// Dates and times as the platform's TDateTime: days since 1899-12-30, the time as the fraction.
// A negative value counts its days backwards and its time forwards: -1.25 is 1899-12-29 06:00.
#pragma once

#include <string>

#include "platform/regional.h"

namespace hd {

using TDateTime = double;

TDateTime EncodeDate(int year, int month, int day);  // EConvertError on an invalid date
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& out);
// Both round the value to the millisecond first, so 23:59:59.9996 decodes as the next day.
// A value outside years 1-9999 decodes as 0, 0, 0.
void DecodeDate(TDateTime dt, int& year, int& month, int& day);
void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec);
int DayOfWeek(TDateTime dt);  // 1 = Sunday
bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);
// The same day `months` later (earlier when negative), held to the month's last day; time kept.
TDateTime IncMonth(TDateTime dt, int months = 1);

TDateTime Now();
TDateTime Date();
TDateTime Time();

// Format characters as the platform's: d dd ddd dddd ddddd (short date) dddddd (long date),
// m mm mmm mmmm (minutes right after an hour), yy yyyy, h hh, n nn, s ss, z zzz, t tt (short and
// long time), am/pm a/p ampm (a 12-hour clock), c (date, and time unless midnight), / and : as the
// regional separators, quoted literals. An empty format is "c".
std::string FormatDateTime(const std::string& format, TDateTime dt);
std::string FormatDateTime(const std::string& format, TDateTime dt, const TFormatSettings& fs);
std::string DateToStr(TDateTime dt);
std::string TimeToStr(TDateTime dt);
std::string DateTimeToStr(TDateTime dt);
// Parsing with the regional short date format and separators: the order of the fields is the
// order of d, m and y in the short date format; two numbers take the current year; a year of
// one or two digits lies in the century window. Times are h[:n[:s[.z]]] with an optional
// am/pm text before or after. The whole text must be read.
bool TryStrToDate(const std::string& s, TDateTime& out);
bool TryStrToTime(const std::string& s, TDateTime& out);
bool TryStrToDateTime(const std::string& s, TDateTime& out);
bool TryStrToDate(const std::string& s, TDateTime& out, const TFormatSettings& fs);
bool TryStrToTime(const std::string& s, TDateTime& out, const TFormatSettings& fs);
bool TryStrToDateTime(const std::string& s, TDateTime& out, const TFormatSettings& fs);
TDateTime StrToDate(const std::string& s);  // EConvertError "'<text>' is not a valid date"
TDateTime StrToTime(const std::string& s);  // EConvertError "'<text>' is not a valid time"
TDateTime StrToDateTime(const std::string& s);  // EConvertError "'<text>' is not a valid date and time"

}  // namespace hd

// Dates and times as the platform's TDateTime: days since 1899-12-30, the time as the fraction.
#pragma once

#include <string>

namespace hd {

using TDateTime = double;

TDateTime EncodeDate(int year, int month, int day);  // EConvertError on an invalid date
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& out);
void DecodeDate(TDateTime dt, int& year, int& month, int& day);
void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec);
int DayOfWeek(TDateTime dt);  // 1 = Sunday
bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);

TDateTime Now();
TDateTime Date();
TDateTime Time();

// Format characters as the platform's: d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn s ss z zzz
// am/pm a/p ampm, / and : as the regional separators, c, quoted literals.
std::string FormatDateTime(const std::string& format, TDateTime dt);
std::string DateToStr(TDateTime dt);
std::string TimeToStr(TDateTime dt);
std::string DateTimeToStr(TDateTime dt);
// Parsing with the regional short date format and separators.
bool TryStrToDate(const std::string& s, TDateTime& out);
bool TryStrToTime(const std::string& s, TDateTime& out);
bool TryStrToDateTime(const std::string& s, TDateTime& out);
TDateTime StrToDate(const std::string& s);  // EConvertError "'<text>' is not a valid date"
TDateTime StrToTime(const std::string& s);  // EConvertError "'<text>' is not a valid time"
TDateTime StrToDateTime(const std::string& s);

}  // namespace hd

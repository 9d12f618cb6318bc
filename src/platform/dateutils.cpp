#include "platform/dateutils.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "platform/exceptions.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

constexpr int kDateDelta = 693594;  // days from 0001-01-01 (day 1) to 1899-12-30
constexpr std::int64_t kMSecsPerDay = 86400000;

// Day number counted from 0001-01-01 as day 1 and the milliseconds into that day.
struct TimeStamp {
  std::int64_t date = 0;
  int time = 0;
};

bool ToTimeStamp(TDateTime dt, TimeStamp& ts) {
  double ms = std::nearbyint(dt * static_cast<double>(kMSecsPerDay));
  if (!(std::fabs(ms) < 1e17)) return false;
  auto whole = static_cast<std::int64_t>(ms);
  ts.date = kDateDelta + whole / kMSecsPerDay;
  ts.time = static_cast<int>((whole < 0 ? -whole : whole) % kMSecsPerDay);
  return true;
}

bool DecodeDay(std::int64_t date, int& year, int& month, int& day) {
  if (date <= 0 || date > 3652059) return false;  // 0001-01-01 .. 9999-12-31
  constexpr int kD1 = 365, kD4 = kD1 * 4 + 1, kD100 = kD4 * 25 - 1, kD400 = kD100 * 4 + 1;
  int t = static_cast<int>(date) - 1;
  int y = 1 + t / kD400 * 400;
  t %= kD400;
  int i = t / kD100, d = t % kD100;
  if (i == 4) {
    --i;
    d += kD100;
  }
  y += i * 100;
  y += d / kD4 * 4;
  d %= kD4;
  i = d / kD1;
  d %= kD1;
  if (i == 4) {
    --i;
    d += kD1;
  }
  y += i;
  int m = 1;
  for (int len = DaysInAMonth(y, m); d >= len; len = DaysInAMonth(y, m)) {
    d -= len;
    ++m;
  }
  year = y;
  month = m;
  day = d + 1;
  return true;
}

int CurrentYear() {
  int y = 0, m = 0, d = 0;
  DecodeDate(Now(), y, m, d);
  return y;
}

std::string Padded(int value, int digits) {
  std::string s = std::to_string(value);
  if (static_cast<int>(s.size()) < digits) s.insert(0, static_cast<size_t>(digits) - s.size(), '0');
  return s;
}

bool StartsWithNoCase(const std::string& s, size_t i, const std::string& word) {
  return !word.empty() && s.size() - i >= word.size() && SameText(s.substr(i, word.size()), word);
}

// Writes a date-time in the platform's format characters.
class DateTimeWriter {
 public:
  DateTimeWriter(TDateTime dt, const TFormatSettings& fs) : fs_(fs) {
    DecodeDate(dt, year_, month_, day_);
    DecodeTime(dt, hour_, min_, sec_, msec_);
    dayOfWeek_ = DayOfWeek(dt);
  }

  void Append(const std::string& f, int level) {
    char last = ' ';
    for (size_t i = 0; i < f.size();) {
      char c = f[i];
      char token = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
      if (token >= 'A' && token <= 'Z') {
        if (token == 'M' && last == 'H') token = 'N';
        last = token;
      }
      size_t count = 1;
      while (i + count < f.size() && f[i + count] == c) ++count;
      i += AppendToken(f, i, token, static_cast<int>(count), level);
    }
  }

  std::string Result() const { return out_; }

 private:
  // Writes the token at f[i] and answers how many characters it took.
  size_t AppendToken(const std::string& f, size_t i, char token, int count, int level) {
    switch (token) {
      case 'Y': out_ += count <= 2 ? Padded(year_ % 100, 2) : Padded(year_, 4); return count;
      case 'M':
        if (count <= 2) out_ += Padded(month_, count);
        else if (month_ >= 1) out_ += count == 3 ? fs_.ShortMonthNames[month_ - 1] : fs_.LongMonthNames[month_ - 1];
        return count;
      case 'D': AppendDay(count, level); return count;
      case 'H': out_ += Padded(TwelveHourClock(f) ? (hour_ + 11) % 12 + 1 : hour_, count >= 2 ? 2 : 1); return count;
      case 'N': out_ += Padded(min_, count >= 2 ? 2 : 1); return count;
      case 'S': out_ += Padded(sec_, count >= 2 ? 2 : 1); return count;
      case 'Z': out_ += Padded(msec_, count >= 3 ? 3 : 1); return count;
      case 'T': Nested(count == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat, level); return count;
      case 'C':
        Nested(fs_.ShortDateFormat, level);
        if (hour_ != 0 || min_ != 0 || sec_ != 0 || msec_ != 0) {
          out_ += ' ';
          Nested(fs_.LongTimeFormat, level);
        }
        return count;
      case 'A': return AppendDayHalf(f, i);
      case '/': out_ += std::string(static_cast<size_t>(count), fs_.DateSeparator); return count;
      case ':': out_ += std::string(static_cast<size_t>(count), fs_.TimeSeparator); return count;
      case '\'':
      case '"': {
        size_t close = f.find(f[i], i + 1);
        if (close == std::string::npos) close = f.size();
        out_ += f.substr(i + 1, close - i - 1);
        return close < f.size() ? close - i + 1 : close - i;
      }
      default: out_ += f[i]; return 1;
    }
  }

  void AppendDay(int count, int level) {
    if (count <= 2) {
      out_ += Padded(day_, count);
    } else if (count == 3) {
      out_ += fs_.ShortDayNames[dayOfWeek_ - 1];
    } else if (count == 4) {
      out_ += fs_.LongDayNames[dayOfWeek_ - 1];
    } else {
      Nested(count == 5 ? fs_.ShortDateFormat : fs_.LongDateFormat, level);
    }
  }

  // am/pm and a/p copy the format's own letters; ampm writes the regional texts.
  size_t AppendDayHalf(const std::string& f, size_t i) {
    bool pm = hour_ >= 12;
    if (StartsWithNoCase(f, i, "am/pm")) {
      out_ += f.substr(pm ? i + 3 : i, 2);
      return 5;
    }
    if (StartsWithNoCase(f, i, "a/p")) {
      out_ += f[pm ? i + 2 : i];
      return 3;
    }
    if (StartsWithNoCase(f, i, "ampm")) {
      out_ += pm ? fs_.TimePMString : fs_.TimeAMString;
      return 4;
    }
    out_ += f[i];
    return 1;
  }

  // An hour is on the 12-hour clock when its format holds a day-half field, before the hour
  // (as some regions write it) or after it.
  static bool TwelveHourClock(const std::string& f) {
    for (size_t i = 0; i < f.size(); ++i) {
      if (f[i] == '\'' || f[i] == '"') {
        size_t close = f.find(f[i], i + 1);
        if (close == std::string::npos) return false;
        i = close;
      } else if (StartsWithNoCase(f, i, "am/pm") || StartsWithNoCase(f, i, "a/p") || StartsWithNoCase(f, i, "ampm")) {
        return true;
      }
    }
    return false;
  }

  void Nested(const std::string& f, int level) {
    if (level < 2) Append(f, level + 1);
  }

  const TFormatSettings& fs_;
  std::string out_;
  int year_ = 0, month_ = 0, day_ = 0, dayOfWeek_ = 1;
  int hour_ = 0, min_ = 0, sec_ = 0, msec_ = 0;
};

// Reads dates and times from text as the platform does.
class DateTimeScanner {
 public:
  DateTimeScanner(const std::string& s, const TFormatSettings& fs) : s_(s), fs_(fs) {}

  bool AtEnd() const { return pos_ >= s_.size(); }

  bool ScanDate(TDateTime& out) {
    int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
    if (!ScanNumber(n1, l1) || !ScanChar(fs_.DateSeparator) || !ScanNumber(n2, l2)) return false;
    int y = 0, m = 0, d = 0, yearLen = 4;
    const char order = DateOrder();
    if (ScanChar(fs_.DateSeparator)) {
      if (!ScanNumber(n3, l3)) return false;
      if (order == 'M') {
        m = n1, d = n2, y = n3, yearLen = l3;
      } else if (order == 'D') {
        d = n1, m = n2, y = n3, yearLen = l3;
      } else {
        y = n1, m = n2, d = n3, yearLen = l1;
      }
      if (yearLen <= 2) y = WindowedYear(y);
    } else {
      y = CurrentYear();
      if (order == 'D') {
        d = n1, m = n2;
      } else {
        m = n1, d = n2;
      }
    }
    ScanChar(fs_.DateSeparator);
    ScanBlanks();
    return TryEncodeDate(y, m, d, out);
  }

  bool ScanTime(TDateTime& out) {
    int baseHour = ScanDayHalf();
    if (baseHour >= 0) ScanBlanks();
    int hour = 0, min = 0, sec = 0, msec = 0, len = 0;
    if (!ScanNumber(hour, len)) return false;
    if (ScanChar(fs_.TimeSeparator)) {
      if (!ScanNumber(min, len)) return false;
      if (ScanChar(fs_.TimeSeparator)) {
        if (!ScanNumber(sec, len)) return false;
        if (ScanChar(fs_.DecimalSeparator) && !ScanNumber(msec, len)) return false;
      }
    }
    if (baseHour < 0) baseHour = ScanDayHalf();
    if (baseHour >= 0) {
      if (hour == 0 || hour > 12) return false;
      hour = hour % 12 + baseHour;
    }
    ScanBlanks();
    return TryEncodeTime(hour, min, sec, msec, out);
  }

 private:
  void ScanBlanks() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }

  // Up to four digits, as the platform stops once the number reaches 1000.
  bool ScanNumber(int& n, int& len) {
    ScanBlanks();
    size_t i = pos_;
    n = 0;
    while (i < s_.size() && s_[i] >= '0' && s_[i] <= '9' && n < 1000) n = n * 10 + (s_[i++] - '0');
    if (i == pos_) return false;
    len = static_cast<int>(i - pos_);
    pos_ = i;
    return true;
  }

  bool ScanChar(char c) {
    ScanBlanks();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  bool ScanWord(const std::string& word) {
    ScanBlanks();
    if (!StartsWithNoCase(s_, pos_, word)) return false;
    pos_ += word.size();
    return true;
  }

  // 0 for a morning text, 12 for an afternoon text, -1 when there is none.
  int ScanDayHalf() {
    if (ScanWord(fs_.TimeAMString) || ScanWord("AM")) return 0;
    if (ScanWord(fs_.TimePMString) || ScanWord("PM")) return 12;
    return -1;
  }

  // 'D', 'M' or 'Y': which field the short date format names first.
  char DateOrder() const {
    for (char c : fs_.ShortDateFormat) {
      char u = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
      if (u == 'D' || u == 'M' || u == 'Y') return u;
    }
    return 'M';
  }

  int WindowedYear(int y) const {
    if (fs_.TwoDigitYearCenturyWindow <= 0) return CurrentYear() / 100 * 100 + y;
    int base = CurrentYear() - fs_.TwoDigitYearCenturyWindow;
    y += base / 100 * 100;
    return y < base ? y + 100 : y;
  }

  const std::string& s_;
  const TFormatSettings& fs_;
  size_t pos_ = 0;
};

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInAMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& out) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month)) return false;
  int days = day;
  for (int m = 1; m < month; ++m) days += DaysInAMonth(year, m);
  int i = year - 1;
  out = static_cast<TDateTime>(i * 365 + i / 4 - i / 100 + i / 400 + days - kDateDelta);
  return true;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& out) {
  if (hour < 0 || hour >= 24 || min < 0 || min >= 60 || sec < 0 || sec >= 60 || msec < 0 || msec >= 1000) return false;
  out = static_cast<double>(((hour * 60 + min) * 60 + sec) * 1000 + msec) / static_cast<double>(kMSecsPerDay);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime dt = 0;
  if (!TryEncodeDate(year, month, day, dt)) throw EConvertError("Invalid argument to date encode");
  return dt;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
  TDateTime dt = 0;
  if (!TryEncodeTime(hour, min, sec, msec, dt)) throw EConvertError("Invalid argument to time encode");
  return dt;
}

void DecodeDate(TDateTime dt, int& year, int& month, int& day) {
  TimeStamp ts;
  if (!ToTimeStamp(dt, ts) || !DecodeDay(ts.date, year, month, day)) year = month = day = 0;
}

void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec) {
  TimeStamp ts;
  if (!ToTimeStamp(dt, ts)) ts.time = 0;
  hour = ts.time / 3600000;
  min = ts.time / 60000 % 60;
  sec = ts.time / 1000 % 60;
  msec = ts.time % 1000;
}

int DayOfWeek(TDateTime dt) {
  TimeStamp ts;
  if (!ToTimeStamp(dt, ts) || ts.date <= 0) return 1;
  return static_cast<int>(ts.date % 7) + 1;
}

TDateTime IncMonth(TDateTime dt, int months) {
  int y = 0, m = 0, d = 0;
  DecodeDate(dt, y, m, d);
  // Counted in 64 bits: any month count must end in EConvertError, not in an overflow.
  const std::int64_t total = std::int64_t{y} * 12 + (m - 1) + months;
  if (total < 12 || total >= 12 * 10000) throw EConvertError("Invalid argument to date encode");
  y = static_cast<int>(total / 12);
  m = static_cast<int>(total % 12) + 1;
  if (d > DaysInAMonth(y, m)) d = DaysInAMonth(y, m);
  TDateTime date = EncodeDate(y, m, d);
  double time = std::fabs(dt - std::trunc(dt));
  return date >= 0 ? date + time : date - time;
}

TDateTime Now() {
  auto now = std::chrono::system_clock::now();
  std::time_t t = std::chrono::system_clock::to_time_t(now);
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&t, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, local.tm_sec < 60 ? local.tm_sec : 59, static_cast<int>(ms));
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
  TDateTime now = Now();
  return now - std::trunc(now);
}

std::string FormatDateTime(const std::string& format, TDateTime dt, const TFormatSettings& fs) {
  DateTimeWriter w(dt, fs);
  w.Append(format.empty() ? "c" : format, 0);
  return w.Result();
}

std::string FormatDateTime(const std::string& format, TDateTime dt) { return FormatDateTime(format, dt, FormatSettings()); }

std::string DateToStr(TDateTime dt) {
  TFormatSettings fs = FormatSettings();
  return FormatDateTime(fs.ShortDateFormat, dt, fs);
}

std::string TimeToStr(TDateTime dt) {
  TFormatSettings fs = FormatSettings();
  return FormatDateTime(fs.LongTimeFormat, dt, fs);
}

std::string DateTimeToStr(TDateTime dt) { return FormatDateTime("c", dt); }

bool TryStrToDate(const std::string& s, TDateTime& out, const TFormatSettings& fs) {
  DateTimeScanner scan(s, fs);
  TDateTime d = 0;
  if (!scan.ScanDate(d) || !scan.AtEnd()) return false;
  out = d;
  return true;
}

bool TryStrToTime(const std::string& s, TDateTime& out, const TFormatSettings& fs) {
  DateTimeScanner scan(s, fs);
  TDateTime t = 0;
  if (!scan.ScanTime(t) || !scan.AtEnd()) return false;
  out = t;
  return true;
}

bool TryStrToDateTime(const std::string& s, TDateTime& out, const TFormatSettings& fs) {
  DateTimeScanner scan(s, fs);
  TDateTime d = 0, t = 0;
  if (!scan.ScanDate(d) || !(scan.AtEnd() || (scan.ScanTime(t) && scan.AtEnd())))
    return TryStrToTime(s, out, fs);
  out = d >= 0 ? d + t : d - t;
  return true;
}

bool TryStrToDate(const std::string& s, TDateTime& out) { return TryStrToDate(s, out, FormatSettings()); }
bool TryStrToTime(const std::string& s, TDateTime& out) { return TryStrToTime(s, out, FormatSettings()); }
bool TryStrToDateTime(const std::string& s, TDateTime& out) { return TryStrToDateTime(s, out, FormatSettings()); }

TDateTime StrToDate(const std::string& s) {
  TDateTime dt = 0;
  if (!TryStrToDate(s, dt)) throw EConvertError(Quoted(s) + " is not a valid date");
  return dt;
}

TDateTime StrToTime(const std::string& s) {
  TDateTime dt = 0;
  if (!TryStrToTime(s, dt)) throw EConvertError(Quoted(s) + " is not a valid time");
  return dt;
}

TDateTime StrToDateTime(const std::string& s) {
  TDateTime dt = 0;
  if (!TryStrToDateTime(s, dt)) throw EConvertError(Quoted(s) + " is not a valid date and time");
  return dt;
}

}  // namespace hd

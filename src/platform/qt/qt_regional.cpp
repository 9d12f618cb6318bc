#include <algorithm>
#include <cctype>

#include <QLocale>
#include <QString>

#include "platform/regional.h"

namespace hd {
namespace {

// A separator we can hold in one byte: ASCII as it is, any kind of space as a blank.
char SeparatorChar(const QString& s, char fallback) {
  if (s.size() != 1) return fallback;
  QChar c = s.at(0);
  if (c.unicode() < 0x80) return static_cast<char>(c.unicode());
  return c.isSpace() ? ' ' : fallback;
}

// Rewrites a locale pattern in the platform's format characters: months "m", minutes "n",
// "ampm" for the day-half text; a time-zone field is dropped.
std::string ToPlatformPattern(const QString& qt) {
  std::string out;
  const qsizetype n = qt.size();
  for (qsizetype i = 0; i < n;) {
    QChar c = qt.at(i);
    if (c == u'\'') {
      qsizetype close = qt.indexOf(u'\'', i + 1);
      if (close < 0) close = n - 1;
      out += qt.mid(i, close - i + 1).toStdString();
      i = close + 1;
      continue;
    }
    if (c.category() == QChar::Other_Format) {  // direction marks would not read back
      ++i;
      continue;
    }
    qsizetype run = 1;
    while (i + run < n && qt.at(i + run) == c) ++run;
    const int count = static_cast<int>(run);
    switch (c.unicode()) {
      case u'd': out += std::string(static_cast<size_t>(count), 'd'); break;
      case u'M': out += std::string(static_cast<size_t>(count), 'm'); break;
      case u'y': out += count <= 2 ? "yy" : "yyyy"; break;
      case u'h':
      case u'H': out += count >= 2 ? "hh" : "h"; break;
      case u'm': out += count >= 2 ? "nn" : "n"; break;
      case u's': out += count >= 2 ? "ss" : "s"; break;
      case u'z': out += count >= 3 ? "zzz" : "z"; break;
      case u'A':
      case u'a':
        out += "ampm";
        if (i + run < n && (qt.at(i + run) == u'P' || qt.at(i + run) == u'p')) ++run;
        break;
      case u't':
        while (!out.empty() && out.back() == ' ') out.pop_back();
        break;
      default:
        if (c.isLetter()) {
          out += '\'';
          out += qt.mid(i, run).toStdString();
          out += '\'';
        } else {
          out += qt.mid(i, run).toStdString();
        }
    }
    i += run;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// The first character between fields of a pattern that is neither a letter nor quoted.
char FieldSeparator(const std::string& pattern, char fallback) {
  bool quoted = false;
  for (char c : pattern) {
    if (c == '\'') quoted = !quoted;
    if (quoted || c == '\'') continue;
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x80 && !std::isalpha(u) && c != ' ') return c;
  }
  return fallback;
}

// The time pattern with a seconds field after its minutes.
std::string WithSeconds(const std::string& pattern) {
  bool quoted = false;
  size_t minutesEnd = std::string::npos;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '\'') quoted = !quoted;
    if (quoted) continue;
    if (pattern[i] == 's') return pattern;
    if (pattern[i] == 'n') minutesEnd = i + 1;
  }
  if (minutesEnd == std::string::npos) return pattern;
  return pattern.substr(0, minutesEnd) + ":ss" + pattern.substr(minutesEnd);
}

// Index of a currency layout in the platform's tables, or -1.
int CurrencyLayout(const QLocale& l, double value, const char* const* layouts, int count) {
  QString text = l.toCurrencyString(value, l.currencySymbol());
  text.replace(l.currencySymbol(), QStringLiteral("$"));
  std::string shape;
  bool inNumber = false;
  const QString group = l.groupSeparator();
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar c = text.at(i);
    // A group separator belongs to the number only between digits; after it, it is the gap.
    bool grouping = c == group && i + 1 < text.size() && text.at(i + 1).isDigit();
    if (c.isDigit() || c == l.decimalPoint() || grouping) {
      if (!inNumber) shape += '1';
      inNumber = true;
      continue;
    }
    inNumber = false;
    shape += c.isSpace() ? ' ' : (c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?');
  }
  for (int k = 0; k < count; ++k)
    if (shape == layouts[k]) return k;
  return -1;
}

TFormatSettings ReadSystemSettings() {
  static const char* const kPositive[] = {"$1", "1$", "$ 1", "1 $"};
  static const char* const kNegative[] = {"($1)", "-$1", "$-1", "$1-", "(1$)", "-1$", "1-$", "1$-",
                                          "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};
  const QLocale l = QLocale::system();
  TFormatSettings fs;
  fs.DecimalSeparator = SeparatorChar(l.decimalPoint(), '.');
  fs.ThousandSeparator = SeparatorChar(l.groupSeparator(), fs.DecimalSeparator == ',' ? '.' : ',');
  // The neutral locale's short date spells the month out; keep the numeric default there.
  std::string shortDate = ToPlatformPattern(l.dateFormat(QLocale::ShortFormat));
  if (l.language() != QLocale::C && shortDate.find("mmm") == std::string::npos) {
    // Short dates carry the full year, so that a date written and read back stays the same.
    size_t y = shortDate.find("yy");
    if (y != std::string::npos && shortDate.compare(y, 4, "yyyy") != 0) shortDate.insert(y, "yy");
    fs.ShortDateFormat = shortDate;
  }
  fs.DateSeparator = FieldSeparator(fs.ShortDateFormat, '/');
  fs.LongDateFormat = ToPlatformPattern(l.dateFormat(QLocale::LongFormat));
  fs.ShortTimeFormat = ToPlatformPattern(l.timeFormat(QLocale::ShortFormat));
  fs.TimeSeparator = FieldSeparator(fs.ShortTimeFormat, ':');
  // The locale's long time names the zone and may spell units out; the platform's long time is
  // the short one with seconds, which reads back.
  fs.LongTimeFormat = WithSeconds(fs.ShortTimeFormat);
  fs.TimeAMString = l.amText().toStdString();
  fs.TimePMString = l.pmText().toStdString();
  for (int m = 0; m < 12; ++m) {
    fs.ShortMonthNames[m] = l.monthName(m + 1, QLocale::ShortFormat).toStdString();
    fs.LongMonthNames[m] = l.monthName(m + 1, QLocale::LongFormat).toStdString();
  }
  for (int d = 0; d < 7; ++d) {
    int qtDay = d == 0 ? 7 : d;  // the platform counts from Sunday, the locale from Monday
    fs.ShortDayNames[d] = l.dayName(qtDay, QLocale::ShortFormat).toStdString();
    fs.LongDayNames[d] = l.dayName(qtDay, QLocale::LongFormat).toStdString();
  }
  if (!l.currencySymbol().isEmpty()) {
    fs.CurrencyString = l.currencySymbol().toStdString();
    fs.CurrencyFormat = std::max(0, CurrencyLayout(l, 1.0, kPositive, 4));
    // A negative layout of the locale's own that has no counterpart puts a minus before the
    // positive layout.
    static const int kMinusBefore[] = {1, 5, 9, 8};
    int neg = CurrencyLayout(l, -1.0, kNegative, 16);
    fs.NegCurrFormat = neg >= 0 ? neg : kMinusBefore[fs.CurrencyFormat];
  }
  return fs;
}

}  // namespace

TFormatSettings PlatformFormatSettings() {
  // The system locale is fixed for the life of the process here, so it is read once.
  static const TFormatSettings settings = ReadSystemSettings();
  return settings;
}

}  // namespace hd

// The condition language of grid filters and wildcard searches, and the readers of dates
// written in the user's regional order or in fixed month/day/year and day/month/year forms.
//
// A condition is a text of operands joined by "&" (and), "|", ";" or "^" (or), applied strictly
// from left to right; "(" and ")" group. An operand may compare (">", ">=", "<", "<="), negate
// ("!") and use the wildcards "*" and "?"; double quotes keep operator characters and spaces.
// Regional settings are read at each call. Nothing here raises.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/dateutils.h"

namespace hd {

char LocaleDateSeparator();
char LocaleTimeSeparator();
std::string LocaleShortDateFormat();
char LocaleThousandSeparator();
char LocaleDecimalSeparator();

// A condition that cannot be read (an unmatched "(", groups nested over 64 deep) matches nothing.
bool MatchFilter(const std::string& Condition, const std::string& Value, bool CaseSensitive);
// One operand; without CaseSensitive both texts are upper-cased first.
bool MatchOperand(const std::string& Operand, const std::string& Value, bool CaseSensitive);
// Comparison and wildcard match of one operand against a value.
bool MatchCondition(const std::string& Pattern, const std::string& Value);

// The first character of the set outside double quotes (0 when none), its position in Position
// (1-based, -1 when none).
char FindOperatorOutsideQuotes(std::string_view Operators, const std::string& Text, int& Position);
// The ")" closing the first "(", 0 when none.
int MatchingParenPos(const std::string& Text);
std::string RemoveSpacesOutsideQuotes(const std::string& Text);
// The decimal separator as ".", thousands separators removed.
std::string DotDecimalText(const std::string& Text);

// A date, with an optional time after a blank, in the day/month/year order of the short date
// format. False for anything else; a time part without a time separator leaves the date in
// DateTime and still answers false.
bool LocaleTextToDateTime(const std::string& Text, TDateTime& DateTime);
bool LooksLikeDate(const std::string& Text);
// "/", else ".", else "-" separates the fields. A year of one or two digits means 2000-2025 up
// to 25 and 1926-1999 above; a longer year is taken as written. 0 when unreadable.
TDateTime ShortDateUSToDate(const std::string& Text);
TDateTime ShortDateEUToDate(const std::string& Text);
// The next date of a series whose last step was Years, Months or Days (Delta days in all when
// more than one differs). Month steps wrap over any number of years and keep to the target
// month's last day; a date that would leave the platform's years is returned unchanged.
TDateTime AdjustDate(std::int16_t Years, std::int16_t Months, std::int16_t Days, double Delta, TDateTime Date);

}  // namespace hd

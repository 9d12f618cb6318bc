// Ordering of texts by the rules of the user's locale.
#pragma once

#include <string>

namespace hd {

// -1, 0 or 1 by the locale's collation; CaseSensitive off treats upper and lower case alike.
int LocaleCompare(const std::string& A, const std::string& B, bool CaseSensitive);

}  // namespace hd

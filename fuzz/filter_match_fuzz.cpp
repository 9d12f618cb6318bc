// The grid's filter conditions on any condition and value: no crash, no deep recursion.
#include "fuzz_support.h"
#include "grid/foundation/filter_match.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::TInput input(data, size);
  const std::string value = input.Text();
  const std::string condition = input.Rest();
  const bool sensitive = MatchFilter(condition, value, true);
  const bool insensitive = MatchFilter(condition, value, false);
  (void)sensitive;
  (void)insensitive;
  int position = 0;
  FindOperatorOutsideQuotes("(;^&|", condition, position);
  if (position != -1 && (position < 1 || position > static_cast<int>(condition.size())))
    fuzz::Broken("an operator position outside the text");
  const int close = MatchingParenPos(condition);
  if (close < 0 || close > static_cast<int>(condition.size()) || (close > 0 && condition[close - 1] != ')'))
    fuzz::Broken("a closing bracket position that holds no bracket");
  return 0;
}

// A language file laid over the built-in texts.
#include "app/app_state.h"
#include "fuzz_support.h"
#include "platform/text_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  static TAppState* state = [] {
    auto* s = new TAppState;
    s->Load_Default_Texts();
    return s;
  }();
  state->Load_Lng_File(fuzz::WriteScratchFile("Language.lng", data, size));
  if (state->Lang_Table.Count() != state->Lang_Table_Size) fuzz::Broken("the table changed its size");
  for (int k = 0; k < state->Lang_Table.Count(); ++k)
    if (!IsValidUtf8(state->Lang_Table[k])) fuzz::Broken("a text is not UTF-8");
  return 0;
}

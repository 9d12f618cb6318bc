// Edit masks on any mask, text and keys: the edit text keeps the mask's size and literals.
#include <algorithm>

#include "fuzz_support.h"
#include "platform/edit_mask.h"
#include "platform/sysutils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::TInput input(data, size);
  const TEditMask mask(input.Text());
  const std::u32string text = Utf8ToCodePoints(input.Text());
  auto whole = [&](const std::u32string& editText, const char* what) {
    if (static_cast<int>(editText.size()) != mask.Size()) fuzz::Broken(std::string(what) + ": wrong size");
    for (int i = 0; i < mask.Size(); ++i)
      if (!mask.IsInput(i) && editText[static_cast<std::size_t>(i)] != mask.Position(i).Char)
        fuzz::Broken(std::string(what) + ": a literal was overwritten");
  };
  whole(mask.EditTextOf(text), "text set by code");
  whole(mask.EditTextFromRaw(mask.RawOf(mask.EditTextOf(text))), "raw text");
  TMaskedText m(mask);
  m.Paste(text);
  whole(m.EditText(), "paste");
  // Each key is checked against the whole edit text, so keys are bounded by the mask's size
  // to keep a run linear in the input.
  const int keys = std::max(16, (1 << 20) / (mask.Size() + 1));
  int k = 0;
  for (std::uint8_t key = input.Byte(); key != 0 && k < keys; key = input.Byte(), ++k) {
    switch (key % 8) {
      case 0: m.Backspace(); break;
      case 1: m.Delete(); break;
      case 2: m.MoveLeft(key & 8); break;
      case 3: m.MoveRight(key & 8); break;
      case 4: m.MoveHome(key & 8); break;
      case 5: m.MoveEnd(key & 8); break;
      case 6: m.Paste(text.substr(0, key)); break;
      default: m.TypeChar(static_cast<char32_t>(key)); break;
    }
    whole(m.EditText(), "editing");
    if (m.SelStart() < 0 || m.SelStart() > mask.Size()) fuzz::Broken("the cursor left the text");
  }
  mask.FirstIncomplete(m.EditText());
  mask.TextOf(m.EditText());
  return 0;
}

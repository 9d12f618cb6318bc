// Loading the language table: the built-in English texts and the language files laid over them.
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "app/english_texts.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/text_file.h"

namespace hd {

namespace {

constexpr std::int32_t kTextCount = 2500;
const char kUnlistedText[] = " ";
const char kFallbackLanguage[] = "English";
constexpr std::string_view kPilcrow = "\xC2\xB6";  // U+00B6 once the file is decoded
constexpr std::string_view kComment = "/#/";
// A language file holds 2500 short texts; this only stops a runaway file.
constexpr std::uint64_t kMaxLanguageFileSize = 4 * 1024 * 1024;

// The language name comes from the settings file: one that would leave LANGUAGE (a path
// separator, a dot component) names no language file.
bool Is_Unsafe_Language_Name(const std::string& name) {
  return name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos ||
         name.find('\0') != std::string::npos;
}

// Optional sign and decimal digits only; a hexadecimal form is not a text number.
bool ReadTextNumber(const std::string& s, int& number) {
  std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
  if (i == s.size()) return false;
  for (std::size_t k = i; k < s.size(); ++k)
    if (s[k] < '0' || s[k] > '9') return false;
  return TryStrToInt(s, number);
}

// A line "STR<number> = <text>": true with the number and the text when it sets a text.
// The number is everything between "STR" and the first "=", so "STR12=x" sets text 12.
bool ParseLngLine(const std::string& raw, std::int32_t tableSize, int& number, std::string& text) {
  const std::string line = Trim(raw);
  if (!line.starts_with("STR")) return false;
  const std::size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  if (!ReadTextNumber(Trim(line.substr(3, eq - 3)), number)) return false;
  if (number < 0 || number >= tableSize) return false;
  text = Trim(line.substr(eq + 1));
  if (text.empty()) return false;
  // From here an emptied text still replaces the built-in one.
  if (const std::size_t c = text.find(kComment); c != std::string::npos) text = Trim(text.substr(0, c));
  // A pilcrow pair keeps the blanks between them: "¶ EtherNet/IP ¶".
  if (text.starts_with(kPilcrow)) text.erase(0, kPilcrow.size());
  if (const std::size_t p = text.find(kPilcrow); p != std::string::npos) text.resize(p);
  return true;
}

}  // namespace

void TAppState::Load_Default_Texts() {
  Lang_Table.Clear();
  const auto texts = English_Texts();
  auto next = texts.begin();
  for (int n = 0; n < kTextCount; ++n) {
    if (next != texts.end() && next->Number == n) {
      Lang_Table.Add(next->Text);
      ++next;
    } else {
      Lang_Table.Add(kUnlistedText);
    }
  }
  Lang_Table_Size = kTextCount;
}

void TAppState::Load_Lng_File(const std::string& fileName) {
  int number = 0;
  std::string text;
  for (const std::string& line : ReadTextLines(fileName, kMaxLanguageFileSize))
    if (ParseLngLine(line, Lang_Table_Size, number, text)) Lang_Table.SetStrings(number, text);
}

void TAppState::Load_Language() {
  Load_Default_Texts();
  const std::string file = JoinPath(Language_Folder, Current_Language + Language_File_Ext);
  if (!Is_Unsafe_Language_Name(Current_Language) && FileExists(file)) {
    Load_Lng_File(file);
    return;
  }
  Current_Language = kFallbackLanguage;
  const std::string fallback = JoinPath(Language_Folder, std::string(kFallbackLanguage) + Language_File_Ext);
  if (FileExists(fallback)) Load_Lng_File(fallback);
}

}  // namespace hd

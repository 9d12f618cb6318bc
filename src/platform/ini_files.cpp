#include "platform/ini_files.h"

#include "platform/files.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

bool IsSectionLine(const std::string& Line, std::string* Name = nullptr) {
  std::string t = Trim(Line);
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return false;
  if (Name) *Name = Trim(t.substr(1, t.size() - 2));
  return true;
}

bool IsCommentOrBlank(const std::string& Line) {
  std::string t = Trim(Line);
  return t.empty() || t[0] == ';' || t[0] == '#';
}

// The key of a key line (trimmed), or false for a line without "=".
bool KeyOf(const std::string& Line, std::string& Key) {
  if (IsCommentOrBlank(Line)) return false;
  std::size_t eq = Line.find('=');
  if (eq == std::string::npos) return false;
  Key = Trim(Line.substr(0, eq));
  return true;
}

bool HasNonAscii(const std::string& s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

}  // namespace

TMemIniFile::TMemIniFile(const std::string& FileName, TTextEncoding NewFileEncoding)
    : FFileName(FileName), FEncoding(NewFileEncoding) {
  if (!FileExists(FileName)) return;
  std::string bytes = ReadFileBytes(FileName);
  TTextEncoding detected = TTextEncoding::Windows1252;
  std::string text = DecodeText(bytes, &detected);
  // A file without a mark is taken as ANSI unless it evidently holds UTF-8 beyond ASCII, so
  // that writing it back never changes the bytes of lines nobody touched.
  FEncoding = detected == TTextEncoding::UTF8 && !HasNonAscii(bytes) ? TTextEncoding::Windows1252 : detected;
  if (text.find("\r\n") == std::string::npos && text.find('\n') != std::string::npos) FLineEnd = "\n";
  FLines = SplitLines(text);
}

int TMemIniFile::FindSection(const std::string& Section) const {
  std::string name;
  for (std::size_t i = 0; i < FLines.size(); ++i)
    if (IsSectionLine(FLines[i], &name) && SameText(name, Section)) return static_cast<int>(i);
  return -1;
}

int TMemIniFile::FindKey(int Header, const std::string& Ident) const {
  std::string key;
  for (std::size_t i = static_cast<std::size_t>(Header) + 1; i < FLines.size() && !IsSectionLine(FLines[i]); ++i)
    if (KeyOf(FLines[i], key) && SameText(key, Ident)) return static_cast<int>(i);
  return -1;
}

int TMemIniFile::SectionEnd(int Header) const {
  int end = Header + 1;
  std::string key;
  for (std::size_t i = static_cast<std::size_t>(Header) + 1; i < FLines.size() && !IsSectionLine(FLines[i]); ++i)
    if (KeyOf(FLines[i], key)) end = static_cast<int>(i) + 1;
  return end;
}

bool TMemIniFile::SectionExists(const std::string& Section) const { return FindSection(Section) >= 0; }

std::vector<std::string> TMemIniFile::ReadSections() const {
  std::vector<std::string> names;
  std::string name;
  for (const std::string& line : FLines)
    if (IsSectionLine(line, &name)) names.push_back(name);
  return names;
}

bool TMemIniFile::ValueExists(const std::string& Section, const std::string& Ident) const {
  int header = FindSection(Section);
  return header >= 0 && FindKey(header, Ident) >= 0;
}

std::string TMemIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                    const std::string& Default) const {
  int header = FindSection(Section);
  int line = header < 0 ? -1 : FindKey(header, Ident);
  if (line < 0) return Default;
  const std::string& text = FLines[static_cast<std::size_t>(line)];
  return text.substr(text.find('=') + 1);
}

int TMemIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int Default) const {
  std::string text = Trim(ReadString(Section, Ident, ""));
  // "x" alone is no prefix of this file's integers.
  if (!text.empty() && (text[0] == 'x' || text[0] == 'X')) return Default;
  int value = 0;
  return TryStrToInt(text, value) ? value : Default;
}

void TMemIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
  int header = FindSection(Section);
  if (header < 0) {
    if (!FLines.empty() && !Trim(FLines.back()).empty()) FLines.emplace_back();
    FLines.push_back("[" + Section + "]");
    FLines.push_back(Ident + "=" + Value);
    return;
  }
  int line = FindKey(header, Ident);
  if (line >= 0) {
    std::string& text = FLines[static_cast<std::size_t>(line)];
    text = text.substr(0, text.find('=') + 1) + Value;
    return;
  }
  FLines.insert(FLines.begin() + SectionEnd(header), Ident + "=" + Value);
}

void TMemIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

void TMemIniFile::UpdateFile() const {
  std::string text;
  for (const std::string& line : FLines) text += line + FLineEnd;
  WriteFileAtomic(FFileName, EncodeText(text, FEncoding));
}

}  // namespace hd

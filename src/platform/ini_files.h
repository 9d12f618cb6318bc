// INI files read whole into memory and written back whole: sections and keys are found without
// regard to case, every line keeps its place (comments and other sections included), and the
// file goes back in the encoding it came in.
#pragma once

#include <string>
#include <vector>

#include "platform/text_file.h"

namespace hd {

class TMemIniFile {
 public:
  // Reads the file; a missing file reads as empty and is written in NewFileEncoding.
  // EFOpenError when it exists but cannot be read.
  explicit TMemIniFile(const std::string& FileName, TTextEncoding NewFileEncoding = TTextEncoding::Windows1252);

  const std::string& FileName() const { return FFileName; }
  // The byte-order mark's encoding; without one, UTF-8 when the text holds UTF-8 beyond ASCII,
  // else the ANSI code page (Windows-1252).
  TTextEncoding Encoding() const { return FEncoding; }

  bool SectionExists(const std::string& Section) const;
  // The names of the sections in file order.
  std::vector<std::string> ReadSections() const;
  bool ValueExists(const std::string& Section, const std::string& Ident) const;
  // The text after the first "=" of the key's line; Default when the key is missing.
  std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) const;
  // Decimal, or hexadecimal after "0x" or "$"; Default when missing or not a whole number.
  int ReadInteger(const std::string& Section, const std::string& Ident, int Default) const;
  // A key present keeps its line; a new key follows the last key of its section; a new section
  // is added at the end.
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value);
  void WriteInteger(const std::string& Section, const std::string& Ident, int Value);
  // Writes the whole file back (creating it), replacing the old one only once complete;
  // EFCreateError when it cannot be written.
  void UpdateFile() const;

 private:
  // Index of the section's header line, or -1.
  int FindSection(const std::string& Section) const;
  // Index of the key's line inside the section starting at header line Header, or -1.
  int FindKey(int Header, const std::string& Ident) const;
  // The index one past the section's last key line.
  int SectionEnd(int Header) const;

  std::string FFileName;
  TTextEncoding FEncoding = TTextEncoding::Windows1252;
  std::string FLineEnd = "\r\n";
  std::vector<std::string> FLines;
};

}  // namespace hd

// Text files: tolerant decoding on read, chosen encoding and line ends on write.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

namespace hd {

enum class TTextEncoding { UTF8, UTF8BOM, UTF16LE, UTF16BE, Windows1252 };

// Byte-order mark first (UTF-8, UTF-16 LE/BE); without one, valid UTF-8 as such, else Windows-1252.
std::string DecodeText(const std::string& bytes, TTextEncoding* detected = nullptr);
// The same; valid UTF-8 without a mark is handed back without a copy.
std::string DecodeText(std::string&& bytes, TTextEncoding* detected = nullptr);
bool IsValidUtf8(const std::string& bytes);
// Valid UTF-8 as it is; each byte outside a valid sequence is read as Windows-1252, so text
// of unknown origin (a folder name) can be written where only UTF-8 may stand.
std::string ValidUtf8(const std::string& text);
std::string Windows1252ToUtf8(const std::string& bytes);
// Characters Windows-1252 cannot hold become '?'.
std::string Utf8ToWindows1252(const std::string& utf8);
// The OEM code page of a Western European console (850), for field files that ask for it.
// Characters it cannot hold become '?'.
std::string OemToUtf8(const std::string& bytes);
std::string Utf8ToOem(const std::string& utf8);
std::string EncodeText(const std::string& utf8, TTextEncoding encoding);

// Lines split at CR, LF or CR LF; a final line end adds no empty line.
std::vector<std::string> SplitLines(const std::string& text);
// Decoded to UTF-8; EFOpenError, also for a file over maxBytes.
std::string ReadTextFile(const std::string& path, std::uint64_t maxBytes = kNoFileSizeLimit);
std::vector<std::string> ReadTextLines(const std::string& path, std::uint64_t maxBytes = kNoFileSizeLimit);
// Every line followed by lineEnd, encoded, written through the atomic replace.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines,
                    const std::string& lineEnd = "\r\n", TTextEncoding encoding = TTextEncoding::UTF8);

}  // namespace hd

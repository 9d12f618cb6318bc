// A grid's page set-up kept in one section of an INI file: integers in signed decimal (system
// colours negative), flags "Y" or "N", the title lines on one line with "\n" between them.
#pragma once

#include <string>

namespace hd {

class TPrintSettings;
class TMemIniFile;

// The stored keys in their order; keys already in the section keep their place.
void WritePrintSettings(const TPrintSettings& Settings, TMemIniFile& File, const std::string& Section);
// Missing or unreadable values take the load defaults (spacings 20, margins 100, Arial 10 ...);
// out-of-range choices leave the setting as it is, and font styles are only added.
void ReadPrintSettings(TPrintSettings& Settings, const TMemIniFile& File, const std::string& Section);

// The whole file read, the section written or read, and the file written back (a missing one
// is created); EFCreateError when it cannot be written.
void SavePrintSettingsToIni(const TPrintSettings& Settings, const std::string& FileName, const std::string& Section);
void LoadPrintSettingsFromIni(TPrintSettings& Settings, const std::string& FileName, const std::string& Section);

}  // namespace hd

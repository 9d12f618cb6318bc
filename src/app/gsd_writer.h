// The PROFIBUS DP device description (GSD) of a converter's PROFIBUS slave side: fixed
// keywords and one input or output module for every started 64 bytes of the EtherNet/IP
// input and output sizes.
#pragma once

#include <string>
#include <vector>

namespace hd {

class IFileWriterUi;

constexpr const char* Gsd_Missing_ParGen_Message =
    "Error! Please set the Set Communication Parameter before to create the GSD file";
constexpr const char* Gsd_Overwrite_Question = "File already exists! Do you want to overwrite the file?";

// The GSD step: reads the sizes from ParGen.xml, asks for a file name starting in the
// configuration folder, asks before replacing a file, then writes.
void Save_GSD_File(IFileWriterUi& ui, const std::string& pathParGen, const std::string& projectFolder);

// Writes the description for In input and Out output bytes, replacing the file.
void Create_GSD_File(const std::string& fileName, int In, int Out);
std::vector<std::string> Build_GSD_Lines(int In, int Out);

// The chosen name kept when it already ends in its first ".gsd" (any case), else with ".gsd" added.
std::string GSD_File_Name(const std::string& chosen);

}  // namespace hd

// The CANopen electronic data sheet (EDS) of a converter's CANopen side: the fixed
// communication objects, one object group per configured PDO and one manufacturer object per
// configured SDO index, read from the configuration's PDO and SDO-server tables.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dateutils.h"

namespace hd {

class IFileWriterUi;

constexpr int Max_PDO = 30;

struct SDO_Sub_Type {
  std::uint8_t Sub = 0;
  std::uint8_t Quantity = 0;  // data bytes
  bool Readonly = false;
  std::string Mnemonic;
};

struct SDO_Index {
  std::uint16_t Index = 0;
  std::vector<SDO_Sub_Type> Sub_Indexs;
};

struct TPdoEntry {
  std::int32_t COB_ID = 0;
  std::int32_t Dimension = 0;  // mapped bytes
};

class TEdsWriter {
 public:
  // The table files; an empty path or a missing file gives an empty table.
  TEdsWriter(std::string pathPDO, std::string pathSDOServer);

  // Reads the tables and writes the data sheet stamped with `now`, replacing the file.
  // A missing or non-numeric SDO Index, SubIndex or NByte raises EConvertError and no file
  // is written.
  void Create_EDS_File(const std::string& fileName, TDateTime now);
  void Create_EDS_File(const std::string& fileName) { Create_EDS_File(fileName, Now()); }
  // The lines Create_EDS_File writes.
  std::vector<std::string> Build_EDS_Lines(TDateTime now);

  void Read_PDO_Table();
  void Read_SDO_Table();
  int Find_SDO_Index(std::uint16_t index) const;  // position in the list, -1 when absent
  void Sort_SDO_Sub_Indexs();

  int NrOfRXPDO() const { return nrOfRXPDO_; }
  int NrOfTXPDO() const { return nrOfTXPDO_; }
  const std::vector<SDO_Index>& SDO_Indexes() const { return sdo_; }

 private:
  using TLines = std::vector<std::string>;
  void WriteFileInfo(TLines& out, TDateTime now) const;
  void WriteDeviceInfo(TLines& out) const;
  void WriteObjectLists(TLines& out) const;
  void WritePdoObjects(TLines& out) const;
  void WriteSdoObject(TLines& out, const SDO_Index& index) const;

  std::string pathPDO_;
  std::string pathSDOServer_;
  TPdoEntry rxPdo_[Max_PDO];
  TPdoEntry txPdo_[Max_PDO];
  int nrOfRXPDO_ = 0;
  int nrOfTXPDO_ = 0;
  std::vector<SDO_Index> sdo_;
};

// The stamps of the data sheet: "07-03-2024" and "09:05AM"; noon is "12:mmPM".
std::string EDS_Date(TDateTime dt);
std::string EDS_Time(TDateTime dt);

// The EDS step: asks for a file name starting in the configuration folder and, when one is
// confirmed, writes the data sheet there.
void Save_EDS_File(IFileWriterUi& ui, const std::string& projectFolder, const std::string& pathPDO,
                   const std::string& pathSDOServer);

}  // namespace hd

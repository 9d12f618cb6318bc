// The Modbus TCP master requests: the file ModbusTCPM_SetAccess.xml described as a table, and
// the check of the read and write requests before they are saved.
#pragma once

#include <string>

#include "tables/table_check.h"
#include "tables/table_file.h"

namespace hd {

// Columns of the read grid; column n holds the n-th attribute of a "Modbus_Read" row.
enum TModbusReadColumn {
  rcIP_Address = 1, rcPort, rcSlave_ID, rcType, rcAddress, rcNPoint, rcPollTime, rcMaxError, rcPosition, rcBit,
  rcSwap, rcSwap_Word, rcMnemonic
};
// Columns of the write grid, as the attributes of a "Modbus_Write" row.
enum TModbusWriteColumn {
  wcIP_Address = 1, wcPort, wcSlave_ID, wcType, wcAddress, wcNPoint, wcPollTime, wcOnChange, wcMaxError,
  wcPosition, wcBit, wcSwap, wcSwap_Word, wcForce_F16, wcMnemonic
};

// Root "EtherNetIP_to_Modbus_TCP_Master", version 1.300, sections "Modbus_Read" (13 attributes)
// and "Modbus_Write" (15); Swap, Swap_Word and Force_F16 read as "N" when missing, every other
// attribute is required. The key is the Slave IP Address, trimmed.
const TTableFile& ModbusTCPM_SetAccess_File();

// The row prefix of the check's messages ("Error row ").
constexpr int Modbus_Check_Prefix_Text = 1333;

// True when the text is NOT an address of four numbers 0 to 255 joined by ".".
bool Check_IP_Address(const std::string& IP_Address);

// The read requests, bounded by the image of nByteIn bytes, then the write requests, bounded
// by nByteOut; stops at the first failed test. Grid 0 of the result is the read grid.
TTableCheck Controllo_dati(const TCellTableView& read, const TCellTableView& write, int nByteIn, int nByteOut);

}  // namespace hd

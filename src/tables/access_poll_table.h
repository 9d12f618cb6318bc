// The access polls of a Modbus master that addresses its slaves by number alone: the file
// described as a table, and the check of the read and write polls before they are saved.
#pragma once

#include "tables/table_check.h"
#include "tables/table_file.h"

namespace hd {

// Columns of the read grid; column n holds the n-th attribute of a "Modbus_Read" row.
enum TPollReadColumn {
  prSlave_ID = 1, prType, prAddress, prNPoint, prPollTime, prMaxError, prPosition, prBit, prSwap, prMnemonic
};
// Columns of the write grid, as the attributes of a "Modbus_Write" row.
enum TPollWriteColumn {
  pwSlave_ID = 1, pwType, pwAddress, pwNPoint, pwPollTime, pwOnChange, pwMaxError, pwPosition, pwBit, pwSwap,
  pwForce_F16, pwMnemonic
};

// Root "EtherNetIP_to_Modbus" without a version, sections "Modbus_Read" (10 attributes) and
// "Modbus_Write" (12); Swap and Force_F16 read as "N" when missing, every other attribute is
// required. The key is the Slave ID, trimmed.
const TTableFile& Access_Poll_File();

// The row prefix of the check's messages ("Error row ").
constexpr int Access_Poll_Prefix_Text = 631;

// The read polls, bounded by the image of nByteIn bytes, then the write polls, bounded by
// nByteOut; stops at the first failed test. Grid 0 of the result is the read grid.
TTableCheck Check_Access_Polls(const TCellTableView& read, const TCellTableView& write, int nByteIn, int nByteOut);

}  // namespace hd

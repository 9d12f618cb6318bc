// The CAN frames the converter receives from the bus and sends on it: both files described as
// tables, and the check of their rows before they are saved.
#pragma once

#include "tables/table_check.h"
#include "tables/table_file.h"

namespace hd {

// Columns of the receive table, as the attributes of a "Receive_Frames" row.
enum TCanReceiveColumn { rfCob_Id = 1, rfType, rfDimension, rfTimeOut, rfMnemonic };
// Columns of the send table, as the attributes of a "Send_Frames" row.
enum TCanSendColumn { sfCob_Id = 1, sfType, sfDimension, sfSend_Type, sfTimer_Send, sfMnemonic };

// Root "PROFINET_to_Receive_CAN", version 1.100, section "Receive_Frames" of 500 rows; every
// attribute required. The key is the Cob-ID, untrimmed: a Cob-ID of blanks is still a frame.
const TTableFile& CAN_Receive_Frames_File();
// Root "PROFINET_to_Send_CAN", version 1.100, section "Send_Frames" of 500 rows.
const TTableFile& CAN_Send_Frames_File();

// The row prefixes of the checks' messages ("Error row ").
constexpr int CAN_Receive_Prefix_Text = 1912;
constexpr int CAN_Send_Prefix_Text = 2113;

// Type, Cob-ID within the type's bound, Dimension 1 to 8 and TimeOut 0 to 10000000 ms.
TTableCheck Check_CAN_Receive_Frames(const TCellTableView& grid);
// As the receive check, with Dimension 0 to 8 and the Timer Send for the time-out.
TTableCheck Check_CAN_Send_Frames(const TCellTableView& grid);

}  // namespace hd

// The windows of the CAN frames: the two frame tables and their byte maps, each behind a step
// this product hides.
#include "tables/can_receive_frames_form.h"
#include "tables/can_receive_map_form.h"
#include "tables/can_send_frames_form.h"
#include "tables/can_send_map_form.h"
#include "tables/table_windows.h"

namespace hd {

TTableWindowFamily CAN_Windows() {
  return {
      Table_Window<TFCAN_Rec_Frames>("TFCAN_Rec_Frames", TRelabel::OnLanguageChange),
      Table_Window<TF_Rec_Info>("TF_Rec_Info", TRelabel::OnLanguageChange),
      Table_Window<TFCAN_Send_Frame>("TFCAN_Send_Frame", TRelabel::OnLanguageChange),
      Table_Window<TF_Sen_Info>("TF_Sen_Info", TRelabel::OnLanguageChange),
  };
}

}  // namespace hd

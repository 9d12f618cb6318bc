#include "tables/can_send_frames_form.h"

#include "app/app_state.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/can_frame_tables.h"

namespace hd {

namespace {

const TCanFramesWindow& Window() {
  static const TCanFramesWindow window{"FCAN_Send_Frame", CAN_Send_Frames_File(), 2100, 2119, CAN_Send_Prefix_Text};
  return window;
}

}  // namespace

TFCAN_Send_Frame::TFCAN_Send_Frame(TComponent* owner, TAppState& state) : TCANFramesForm(owner, state, Window()) {}

bool TFCAN_Send_Frame::Controllo_dati() { return Report(Check_CAN_Send_Frames(*sga)); }

std::string TFCAN_Send_Frame::Table_Path() const { return FState.Path_Send_Frame; }

}  // namespace hd

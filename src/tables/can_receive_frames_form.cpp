#include "tables/can_receive_frames_form.h"

#include "app/app_state.h"
#include "grid/stringgrid/column_grid.h"
#include "tables/can_frame_tables.h"

namespace hd {

namespace {

const TCanFramesWindow& Window() {
  static const TCanFramesWindow window{"FCAN_Rec_Frames", CAN_Receive_Frames_File(), 1900, 1918,
                                       CAN_Receive_Prefix_Text};
  return window;
}

}  // namespace

TFCAN_Rec_Frames::TFCAN_Rec_Frames(TComponent* owner, TAppState& state) : TCANFramesForm(owner, state, Window()) {}

bool TFCAN_Rec_Frames::Controllo_dati() { return Report(Check_CAN_Receive_Frames(*sga)); }

std::string TFCAN_Rec_Frames::Table_Path() const { return FState.Path_Receive_Frame; }

}  // namespace hd

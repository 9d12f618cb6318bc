#include "tables/can_send_map_form.h"

#include "app/app_state.h"

namespace hd {

TF_Sen_Info::TF_Sen_Info(TComponent* owner, TAppState& state)
    : TCANMapForm(owner, state, CAN_Send_Map(), {&TAppState::Path_Send_Frame, &TAppState::Path_Send_Info}) {
  SetName("F_Sen_Info");
}

}  // namespace hd

#include "tables/can_receive_map_form.h"

#include "app/app_dialogs.h"
#include "app/app_state.h"

namespace hd {

TF_Rec_Info::TF_Rec_Info(TComponent* owner, TAppState& state)
    : TCANMapForm(owner, state, CAN_Receive_Map(), {&TAppState::Path_Receive_Frame, &TAppState::Path_Receive_Info}) {
  SetName("F_Rec_Info");
}

bool TF_Rec_Info::Controlla_dati() {
  const std::optional<TSharedByte> shared = Map.Find_Shared_Byte();
  if (!shared) return true;
  Show_Error(Map.Shared_Byte_Message(*shared, Lang_Text()));
  return false;
}

}  // namespace hd

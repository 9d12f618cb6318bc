// The receive byte map: into which byte of the EtherNet/IP input image each data byte of a
// received CAN frame goes. OK refuses an input byte fed by two data bytes.
#pragma once

#include "tables/can_map_form.h"

namespace hd {

class TF_Rec_Info : public TCANMapForm {
 public:
  TF_Rec_Info(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TF_Rec_Info"; }

  bool Controlla_dati() override;
};

}  // namespace hd

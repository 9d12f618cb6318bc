// The send byte map: which byte of the EtherNet/IP output image fills each data byte of a
// sent CAN frame. One output byte may fill any number of data bytes.
#pragma once

#include "tables/can_map_form.h"

namespace hd {

class TF_Sen_Info : public TCANMapForm {
 public:
  TF_Sen_Info(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TF_Sen_Info"; }
};

}  // namespace hd

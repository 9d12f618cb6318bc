// The receive frames window: the CAN frames the converter takes from the bus, each with its
// Cob-ID, frame format, length and time-out. Its step is hidden in this product.
#pragma once

#include "tables/can_frames_form.h"

namespace hd {

class TFCAN_Rec_Frames : public TCANFramesForm {
 public:
  TFCAN_Rec_Frames(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFCAN_Rec_Frames"; }

  bool Controllo_dati() override;

 protected:
  std::string Table_Path() const override;
};

}  // namespace hd

// The send frames window: the CAN frames the converter puts on the bus, each with its Cob-ID,
// frame format, length, and whether it goes on a data change or on a timer. Its step is
// hidden in this product.
#pragma once

#include "tables/can_frames_form.h"

namespace hd {

class TFCAN_Send_Frame : public TCANFramesForm {
 public:
  TFCAN_Send_Frame(TComponent* owner, TAppState& state);
  const char* ClassName() const override { return "TFCAN_Send_Frame"; }

  bool Controllo_dati() override;

 protected:
  std::string Table_Path() const override;
};

}  // namespace hd

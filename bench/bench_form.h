// The window every grid benchmark draws in: a form of 800 x 600 client pixels filled by its grid.
#pragma once

#include <memory>

#include "platform/forms.h"
#include "platform/gui_application.h"

namespace hd::bench {

inline std::unique_ptr<TForm> MakeBenchForm() {
  EnsureGuiApplication();
  auto form = std::make_unique<TForm>(nullptr);
  form->SetClientSize(800, 600);
  return form;
}

template <class TGridClass>
TGridClass* FillBenchForm(TForm& Form, TGridClass* Grid) {
  Grid->SetParent(&Form);
  Grid->SetBounds(0, 0, 800, 600);
  return Grid;
}

}  // namespace hd::bench

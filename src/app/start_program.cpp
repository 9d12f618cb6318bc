#include "app/start_program.h"

#include <exception>

namespace hd {

TProgramResult Start_Program(const std::string& NomeSW, const std::string& Parameter, std::uint8_t /*tipo*/,
                             std::chrono::milliseconds limit) {
  try {
    return RunProgramAndWait(NomeSW, Parameter, limit, std::chrono::milliseconds(10));
  } catch (const std::exception& e) {
    // A start that raises counts as a start that failed, with the error as its reason.
    TProgramResult failed;
    failed.Error = e.what();
    return failed;
  }
}

}  // namespace hd

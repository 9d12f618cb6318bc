#include "app/start_program.h"

#include <exception>

namespace hd {

TProgramOutcome Start_Program(const std::string& NomeSW, const std::string& Parameter, std::uint8_t /*tipo*/,
                              std::chrono::milliseconds limit) {
  try {
    return RunProgramAndWait(NomeSW, Parameter, limit, std::chrono::milliseconds(10)).Outcome;
  } catch (const std::exception&) {
    // A start that raises counts as a start that failed: the caller goes on without a message.
    return TProgramOutcome::NotStarted;
  }
}

}  // namespace hd

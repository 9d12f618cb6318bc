// Starting an external program (the updater) and waiting for it to end.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "platform/process.h"

namespace hd {

// How long Start_Program waits before it gives up on the program and lets the caller go on.
constexpr std::chrono::milliseconds Start_Program_Limit{150000};

// Starts NomeSW with the parameter text Parameter (empty for none) and returns when it has
// ended or `limit` after its start, whichever comes first; at once when it cannot be started,
// with the reason in the result's Error. The program is never terminated. Window messages are
// not handled while it waits. tipo asks for the program to be shown (0) or hidden (other
// values); programs here own their windows, so the platform has no show mode to pass it to.
TProgramResult Start_Program(const std::string& NomeSW, const std::string& Parameter, std::uint8_t tipo,
                             std::chrono::milliseconds limit = Start_Program_Limit);

}  // namespace hd

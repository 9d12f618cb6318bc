// Starting other programs and opening documents with the desktop's handler.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace hd {

enum class TProgramOutcome {
  NotStarted,  // the file could not be started
  Ended,       // it ended within the limit
  StillRunning // the limit passed; it is left running and reaped later
};

struct TProgramResult {
  TProgramOutcome Outcome = TProgramOutcome::NotStarted;
  int ExitCode = -1;   // of an ended program; 128 + signal when a signal ended it
  int ProcessId = 0;   // of a started program, so a caller can follow one left running
  std::string Error;   // why a program that was not started could not be, for the user
};

// Splits a parameter text as the platform's command line does: blanks separate, double quotes
// group, a doubled quote inside quotes is a quote.
std::vector<std::string> SplitCommandLine(const std::string& parameters);

// Starts the program file with the parameter text (no shell) and waits, polling every
// pollInterval, until it ends or the limit passes. Never kills it. Messages are not handled
// meanwhile. The working folder is the program's own folder.
TProgramResult RunProgramAndWait(const std::string& file, const std::string& parameters,
                                 std::chrono::milliseconds limit,
                                 std::chrono::milliseconds pollInterval = std::chrono::milliseconds(10));

// Opens a link or file with the desktop's default handler; false when none could be started.
bool OpenWithDefaultHandler(const std::string& target);

}  // namespace hd

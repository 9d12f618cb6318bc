// The program's start: the windows created in their fixed order, then the message loop until
// the main window closes.
#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>

namespace hd {

class TFTessaroneFirmWare;

// Makes one window of the program; the main window exists already and takes the new window
// into its registry.
using TWindowMaker = std::function<void(TFTessaroneFirmWare& main)>;

// The class names of the program's windows in creation order, the main window first. Each
// window's creation handler runs before the next window exists, and every window after the
// main one takes its texts from the table the main window has loaded.
std::span<const char* const> Startup_Order();

struct TProgramStart {
  // The program's folder: settings, configurations, languages and the updater lie there.
  std::string App_Folder;
  // Makers of the windows of other layers, by class name; each is created at its place in
  // the start-up order. The core's own windows need no entry here.
  std::map<std::string, TWindowMaker> Layer_Windows;
  // Runs when every window exists, before the loop (tests set up fakes here).
  std::function<void(TFTessaroneFirmWare& main)> Before_Run;
};

// Creates the windows, runs the message loop until the main window closes, then frees the
// windows. Returns the program's exit code.
int Run_Program(const TProgramStart& start);

}  // namespace hd

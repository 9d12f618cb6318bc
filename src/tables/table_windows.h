// The table layer's windows as the program's start-up creates them. Each family of windows
// has a file of its own that lists its windows with Table_Window; a new family adds its file
// and one line to Table_Layer_Windows() (table_windows.cpp).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form.h"
#include "app/program_start.h"
#include "platform/application.h"

namespace hd {

// Makers of the table windows by class name: each creates its window and registers it with
// the main window, whose steps then open it.
std::map<std::string, TWindowMaker> Table_Layer_Windows();

// Whether the main window re-applies a window's texts after the user picks another language.
enum class TRelabel { OnLanguageChange, KeepsTexts };

using TTableWindowFamily = std::vector<std::pair<std::string, TWindowMaker>>;

// The maker of window class F, built with its owner and the shared state and registered under
// className; the main window re-labels only the windows of its own list, and those only when
// they are registered with their Set_Lang.
template <class F>
std::pair<std::string, TWindowMaker> Table_Window(const std::string& className, TRelabel relabel) {
  return {className, [className, relabel](TFTessaroneFirmWare& main) {
            F* form = nullptr;
            Application().CreateForm(form, main.State());
            std::function<void()> setLang;
            if (relabel == TRelabel::OnLanguageChange) setLang = [form] { form->Set_Lang(); };
            main.Table_Windows[className] = {form, std::move(setLang)};
          }};
}

// The families, one file each.
TTableWindowFamily Modbus_Windows();   // Modbus TCP master requests, access polls, device page
TTableWindowFamily DMX_Windows();      // DMX default values
TTableWindowFamily CANopen_Windows();  // SDO server and client, PDO, node guarding, device restart
TTableWindowFamily Bus_Frame_Windows();  // NMEA 2000 and J1939 frames
TTableWindowFamily CAN_Windows();      // CAN frame tables and their byte maps

}  // namespace hd

// The configurator started with its table windows on an active configuration, so that a test
// opens a table window as a user would: through the main window's step (the device command
// page through the options window's button, the access-poll window, which nothing opens,
// directly), with the window's path slot pointed at a file of the configuration folder.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/program_fixture.h"

namespace hd::testkit {

// How one table window is reached: its class name, the path slot it reads and writes, the
// file that the fixture points the slot at, and what opens it.
struct TTableStep {
  std::string Window;
  std::string TAppState::*Path = nullptr;
  std::string File;
  // Queues `inside` for the window's modal loop (and what the windows on the way need), then
  // opens it.
  std::function<void(TFTessaroneFirmWare& main, test::TGuiKit& kit, test::TGuiKit::TModalAction inside)> Open;
};

// Every table window of the program, in start-up order; a new window adds its line.
const std::vector<TTableStep>& Table_Steps();

class TableWindowFixture : public testing_app::ProgramFixture {
 protected:
  TableWindowFixture();

  // A file of the active configuration's folder.
  std::string ConfigFile(const std::string& name) const { return Projects(kConfiguration) + "/" + name; }
  void WriteConfigFile(const std::string& name, const std::string& bytes) const {
    Folder.Write("PROJECTS/" + std::string(kConfiguration) + "/" + name, bytes);
  }
  std::string ReadConfigFile(const std::string& name) const {
    return Folder.Read("PROJECTS/" + std::string(kConfiguration) + "/" + name);
  }

  // Points the window's path slot at its file and opens it through its step; `inside` runs in
  // the window's modal loop and must close it. Answers the window as its class.
  template <class F>
  F* Open(TFTessaroneFirmWare& main, const std::string& window, const std::function<void(F& form)>& inside) {
    F* form = nullptr;
    OpenStep(main, window, [&](TCustomForm* f) {
      form = dynamic_cast<F*>(f);
      ASSERT_NE(form, nullptr) << f->Name() << " opened for " << window;
      inside(*form);
    });
    return form;
  }
  void OpenStep(TFTessaroneFirmWare& main, const std::string& window, test::TGuiKit::TModalAction inside);

  static constexpr const char* kConfiguration = "Plant 1";
};

}  // namespace hd::testkit

// The configurator started on a temporary program folder inside the headless kit: the test's
// script runs inside the program's message loop, with a recording HTTP client and link opener.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_dialogs.h"
#include "app/app_state.h"
#include "app/lb_button.h"
#include "app/main_form.h"
#include "app/program_start.h"
#include "platform/net.h"
#include "testkit/gui_kit.h"
#include "testkit/temp_folder.h"

namespace hd::testing_app {

// Answers the version requests from a queue of replies (nothing: the request failed).
class TRecordingHttp : public IHttpClient {
 public:
  std::optional<std::string> Get(const THttpRequest& request) override {
    Requests.push_back(request);
    if (Replies.empty()) return std::nullopt;
    auto reply = Replies.front();
    Replies.pop_front();
    return reply;
  }
  std::vector<THttpRequest> Requests;
  std::deque<std::optional<std::string>> Replies;
};

class ProgramFixture : public ::testing::Test {
 protected:
  ProgramFixture() {
    previous_opener_ = Set_Link_Opener([this](const std::string& link) { Links.push_back(link); });
  }
  ~ProgramFixture() override { Set_Link_Opener(previous_opener_); }

  using TScript = std::function<void(TFTessaroneFirmWare& main)>;

  // Starts the program on the test's folder and runs the script inside its message loop; the
  // main window is closed afterwards unless the script closed it.
  void Run(const TScript& script) {
    TProgramStart start;
    start.App_Folder = Folder.Path();
    start.Layer_Windows = Layer_Windows;
    start.Before_Run = [this](TFTessaroneFirmWare& main) {
      auto http = std::make_unique<TRecordingHttp>();
      Http = http.get();
      main.HTTP1 = std::move(http);
      if (Before_Run) Before_Run(main);
    };
    Kit.OnModal([&](TCustomForm* form) {
      auto* main = dynamic_cast<TFTessaroneFirmWare*>(form);
      ASSERT_NE(main, nullptr);
      script(*main);
      if (main->Visible()) Kit.Click(main->Btn_Close);
    });
    Run_Program(start);
    Http = nullptr;
  }

  // Queues what happens inside the window the click opens, then clicks.
  void ClickInto(TControl* button, test::TGuiKit::TModalAction inside) {
    Kit.OnModal(std::move(inside));
    Kit.Click(button);
  }

  // The texts of the message boxes shown so far, from the given one on.
  std::vector<std::string> BoxTexts(std::size_t from = 0) const {
    std::vector<std::string> texts;
    for (std::size_t i = from; i < Kit.MessageBoxes().size(); ++i) texts.push_back(Kit.MessageBoxes()[i].Text);
    return texts;
  }

  // The settings file read back as the program reads it.
  std::unique_ptr<TAppState> SavedSettings() const {
    auto state = std::make_unique<TAppState>();
    state->App_Folder = Folder.Path();
    state->Read_Setting();
    return state;
  }
  std::string Projects(const std::string& name = {}) const {
    return name.empty() ? Folder.File("PROJECTS") : Folder.File("PROJECTS/" + name);
  }
  // Copies the language files and flags the build ships into the test's LANGUAGE folder.
  void ShipLanguageFiles() const {
    namespace fs = std::filesystem;
    fs::create_directories(Folder.File("LANGUAGE"));
    for (const auto& e : fs::directory_iterator(fs::path(HD_PROGRAM_DIR) / "LANGUAGE"))
      fs::copy_file(e.path(), fs::path(Folder.File("LANGUAGE")) / e.path().filename(),
                    fs::copy_options::overwrite_existing);
  }

  test::TGuiKit Kit;
  testkit::TempFolder Folder;
  // Runs when every window exists, before the loop.
  TScript Before_Run;
  // The windows of other layers the program creates at start-up (none: the core's alone).
  std::map<std::string, TWindowMaker> Layer_Windows;
  TRecordingHttp* Http = nullptr;
  std::vector<std::string> Links;

 private:
  TLinkOpener previous_opener_;
};

// The settings file as the program writes it.
inline std::string SettingsXml(const std::string& project, const std::string& ip, const std::string& language,
                               const std::string& internet, const std::string& update) {
  return "<Conf_Settings><lastproj><projectname>" + project + "</projectname></lastproj><lastipadd><ipaddress>" + ip +
         "</ipaddress></lastipadd><lastlang><language>" + language +
         "</language></lastlang><lastinternet><enable_internet>" + internet + "</enable_internet><enable_update>" +
         update + "</enable_update><enable_jump_field_tables>0</enable_jump_field_tables>"
                  "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>";
}

}  // namespace hd::testing_app

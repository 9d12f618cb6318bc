// Pictures of the configurator's windows for review, under $HD_TEST_TMP/window_*.png.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/about_form.h"
#include "app/boot_tcp_form.h"
#include "app/new_project_form.h"
#include "app/open_conf_form.h"
#include "app/par_gen_form.h"
#include "app/program_fixture.h"
#include "app/soft_options_form.h"

namespace hd {
namespace {

using testing_app::ProgramFixture;

// A device that always answers, without any traffic.
class TAnsweringPinger : public IPinger {
 public:
  TPingResult Echo(const std::string&, int payloadSize, int) override { return {TPingStatus::Reply, payloadSize}; }
};

class WindowPicturesTest : public ProgramFixture {
 protected:
  void Render(TControl* window, const std::string& name) {
    const std::string path = Kit.RenderPng(window, "window_" + name);
    ASSERT_FALSE(path.empty()) << name;
    EXPECT_GT(std::filesystem::file_size(path), 1000u) << path;
  }
};

TEST_F(WindowPicturesTest, CoreWindows) {
  ShipLanguageFiles();
  Folder.Write("LANGUAGE/Italiano.lng", "STR15 = Nuova Configurazione\r\n");
  std::filesystem::create_directories(Projects("Plant 1"));
  std::filesystem::create_directories(Projects("Plant 2"));
  Before_Run = [](TFTessaroneFirmWare& main) { main.FBootTCP->SetPinger(std::make_unique<TAnsweringPinger>()); };
  Run([&](TFTessaroneFirmWare& main) {
    Render(&main, "main");
    ClickInto(main.Btn_New, [&](TCustomForm* f) {
      Kit.Type("Plant 3");
      Render(f, "new_configuration");
      Kit.Click(dynamic_cast<TFNew_Project*>(f)->Btn_OK);
    });
    Render(&main, "main_with_configuration");
    ClickInto(main.Btn_Prm_Gen, [&](TCustomForm* f) {
      Render(f, "communication_parameters");
      Kit.Click(main.FParGen->Btn_Cancel);
    });
    ClickInto(main.Btn_CreateBin, [&](TCustomForm* f) {
      TFBootTCP& wizard = *main.FBootTCP;
      Render(f, "update_wizard_ping");
      Kit.Click(wizard.Btn_Ping);
      Kit.Click(wizard.Btn_Next);
      Render(f, "update_wizard_options");
      Kit.CloseByTitleBar(f);
    });
    ClickInto(main.Btn_Open, [&](TCustomForm* f) {
      Render(f, "open_configuration");
      Kit.Click(dynamic_cast<TFOpenConf*>(f)->Btn_Cancel);
    });
    ClickInto(main.Btn_Opz, [&](TCustomForm* f) {
      auto* options = dynamic_cast<TFSoftOptions*>(f);
      Render(f, "options_language");
      options->PC_Options->SetActivePage(options->TS_Con_Options);
      Render(f, "options_connection");
      options->PC_Options->SetActivePage(options->TS_Soft_Settings);
      Render(f, "options_settings");
      Kit.Click(options->Btn_Cancel);
    });
    ClickInto(main.Btn_Info, [&](TCustomForm* f) {
      Render(f, "about");
      Kit.Click(dynamic_cast<TFAbout*>(f)->LbButton1);
    });
  });
}

}  // namespace
}  // namespace hd

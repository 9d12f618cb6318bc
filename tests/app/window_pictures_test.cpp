// The configurator's windows as the user sees them: in each picture every caption and text is
// drawn in its control's font colour, or greyed where the control is disabled. The pictures
// stay under $HD_TEST_TMP/window_*.png for review (scripts/review-pictures.sh).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/about_form.h"
#include "app/boot_tcp_form.h"
#include "app/new_project_form.h"
#include "app/open_conf_form.h"
#include "app/par_gen_form.h"
#include "app/program_fixture.h"
#include "app/soft_options_form.h"
#include "app/testkit/window_picture.h"

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
  testkit::TWindowPicture Render(TControl* window, const std::string& name) {
    return testkit::RenderWindow(Kit, window, "window_" + name);
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
      auto* open = dynamic_cast<TFOpenConf*>(f);
      EXPECT_TRUE(Render(f, "open_configuration").Shows(open->ListBox1, open->ListBox1->Font().Color))
          << "the configurations are listed";
      Kit.Click(open->Btn_Cancel);
    });
    ClickInto(main.Btn_Opz, [&](TCustomForm* f) {
      auto* options = dynamic_cast<TFSoftOptions*>(f);
      EXPECT_TRUE(Render(f, "options_language").Shows(options->I_L[0], RGB(200, 16, 46))) << "the English flag's red";
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

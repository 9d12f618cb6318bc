#include "app/program_start.h"

#include <array>

#include "app/about_form.h"
#include "app/boot_tcp_form.h"
#include "app/main_form.h"
#include "app/new_project_form.h"
#include "app/open_conf_form.h"
#include "app/par_gen_form.h"
#include "app/soft_options_form.h"
#include "platform/application.h"

namespace hd {
namespace {

constexpr std::array<const char*, 24> kStartupOrder = {
    "TFTessaroneFirmWare", "TFNew_Project", "TFOpenConf", "TFAbout",
    "TFParGen", "TFSetAccess", "TFReceiveNMEA", "TFTransmitNMEA",
    "TFSet_SDO_Server_Access", "TFSet_SDO_Client_Access", "TFSet_PDO_Access", "TFSoftOptions",
    "TFBootTCP", "TFAdvanceFunctions", "TFModbus_TCP_Master_Set_Access", "TFDMXDefVal",
    "TFReceiveJ1939", "TFTransmitJ1939", "TFCAN_Rec_Frames", "TF_Rec_Info",
    "TFCAN_Send_Frame", "TF_Sen_Info", "TFNodeGuard", "TFReStart_Devices",
};

// The configurator core's windows after the main one.
const std::map<std::string, TWindowMaker>& CoreWindows() {
  static const std::map<std::string, TWindowMaker> makers = {
      {"TFNew_Project", [](TFTessaroneFirmWare& m) { Application().CreateForm(m.FNew_Project, m.State()); }},
      {"TFOpenConf", [](TFTessaroneFirmWare& m) { Application().CreateForm(m.FOpenConf, m.State()); }},
      {"TFAbout", [](TFTessaroneFirmWare& m) { Application().CreateForm(m.FAbout); }},
      {"TFParGen", [](TFTessaroneFirmWare& m) { Application().CreateForm(m.FParGen, m.State()); }},
      {"TFSoftOptions", [](TFTessaroneFirmWare& m) { Application().CreateForm(m.FSoftOptions, m.State(), m); }},
      {"TFBootTCP", [](TFTessaroneFirmWare& m) { Application().CreateForm(m.FBootTCP, m.State()); }},
  };
  return makers;
}

void CreateWindows(TFTessaroneFirmWare& main, const std::map<std::string, TWindowMaker>& layerWindows) {
  for (const char* name : kStartupOrder) {
    if (const auto core = CoreWindows().find(name); core != CoreWindows().end())
      core->second(main);
    else if (const auto other = layerWindows.find(name); other != layerWindows.end())
      other->second(main);
  }
}

}  // namespace

std::span<const char* const> Startup_Order() { return kStartupOrder; }

int Run_Program(const TProgramStart& start) {
  TApplication& app = Application();
  app.Initialize();
  app.SetMainFormOnTaskbar(true);
  TFTessaroneFirmWare* main = nullptr;
  app.CreateForm(main, start.App_Folder);
  CreateWindows(*main, start.Layer_Windows);
  if (start.Before_Run) start.Before_Run(*main);
  app.Run();
  app.FreeForms();
  return 0;
}

}  // namespace hd

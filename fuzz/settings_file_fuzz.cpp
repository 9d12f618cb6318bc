// The settings file: read whatever lies there, and what a save writes reads back the same.
#include "app/app_state.h"
#include "fuzz_support.h"

namespace {

bool SameSettings(const hd::TAppState& a, const hd::TAppState& b) {
  return a.Project_Name == b.Project_Name && a.Device_IP == b.Device_IP && a.Current_Language == b.Current_Language &&
         a.Opt_Enable_Internet == b.Opt_Enable_Internet && a.Opt_Enable_Update == b.Opt_Enable_Update &&
         a.Opt_Jump_Field_Tables == b.Opt_Jump_Field_Tables &&
         a.Opt_Double_Click_Auto_Size == b.Opt_Double_Click_Auto_Size;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::WriteScratchFile("Tessaron.xml", data, size);
  TAppState state;
  state.Set_Folders(fuzz::ScratchFolder());
  state.Read_Setting();
  state.Save_Setting();
  TAppState back;
  back.Set_Folders(fuzz::ScratchFolder());
  back.Read_Setting();
  if (!SameSettings(state, back)) fuzz::Broken("saved settings read back different");
  return 0;
}

// The compile of a Modbus TCP request file into the bank images.
#include "app/bank_compile.h"
#include "fuzz_support.h"
#include "platform/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  const std::string path = fuzz::WriteScratchFile("ModbusTCPM_SetAccess.xml", data, size);
  static TBankCompile compile;
  try {
    compile.Build_Bin_Banks(fuzz::ScratchFolder() + "/no ParGen.xml", path);
  } catch (const Exception&) {
    if (!compile.Bank1().empty()) fuzz::Broken("a failed compile left images to save");
    return 0;
  }
  if (compile.Bank2().size() != Bank2_Size) fuzz::Broken("the request table is not whole");
  if (compile.Request_Count() < 0 || compile.Request_Count() > Modbus_Rules_Count)
    fuzz::Broken("request count out of range");
  return 0;
}

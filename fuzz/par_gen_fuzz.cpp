// ParGen.xml: read whatever lies there, check it as the window does, and what a save writes
// reads back the same.
#include "app/par_gen.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  const std::string path = fuzz::WriteScratchFile("ParGen.xml", data, size);
  TParGen p;
  LoadParGen(p, path);
  Controllo_Dati(p);
  SaveParGen(p, path);
  TParGen back;
  LoadParGen(back, path);
  if (!(back == p)) fuzz::Broken("saved communication parameters read back different");
  return 0;
}

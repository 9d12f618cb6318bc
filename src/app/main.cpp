// The configurator's entry point.
#include "app/program_start.h"
#include "platform/files.h"

int main() {
  hd::TProgramStart start;
  start.App_Folder = hd::ExeFolder();
  return hd::Run_Program(start);
}

// The configurator's entry point: the core's start-up with the table layer's windows.
#include "app/program_start.h"
#include "platform/files.h"
#include "tables/table_windows.h"

int main() {
  hd::TProgramStart start;
  start.App_Folder = hd::ExeFolder();
  start.Layer_Windows = hd::Table_Layer_Windows();
  return hd::Run_Program(start);
}

// The configurator's entry point.
#include "app/program_start.h"
#include "platform/files.h"

int main() { return hd::Run_Program({.App_Folder = hd::ExeFolder()}); }

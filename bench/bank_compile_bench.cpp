// The compile of a configuration with a full request table, beside a bare pugixml parse of the
// same two files: the compile should cost at most about twice the parse.
// Build_Bin_Banks/AgainstParse runs both in one loop, alternating, and reports the ratio.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <string>

#include "app/bank_compile.h"
#include "bench_helpers.h"
#include "app/par_gen.h"
#include "platform/xml.h"

namespace {

namespace fs = std::filesystem;

std::string RequestRow(int i, bool write) {
  std::string n = std::to_string(i);
  std::string row = "<row IP_Address=\"192.168." + std::to_string(i % 256) + ".10\" Port=\"502\" Slave_ID=\"" +
                    std::to_string(i % 247 + 1) + "\" Type=\"" + (i % 2 ? "Coil Status" : "Holding Register") +
                    "\" Address=\"" + n + "\" NPoint=\"" + std::to_string(i % 100 + 1) +
                    "\" PollTime=\"100\"" + (write ? " OnChange=\"N\"" : "") + " MaxError=\"3\" Position=\"" +
                    std::to_string(i % 496) + "\" Bit=\"" + (i % 2 ? "0" : "") +
                    "\" Swap=\"N\" Swap_Word=\"Y\"" + (write ? " Force_F16=\"N\"" : "") + " Mnemonic=\"Request " + n +
                    "\"/>";
  return row;
}

// A configuration folder with the default ParGen.xml and 512 read and 512 write requests.
class Configuration {
 public:
  Configuration() {
    folder_ = (fs::temp_directory_path() / ("hd-bench-" + std::to_string(::getpid()))).string();
    fs::create_directories(folder_);
    hd::SaveParGen(hd::TParGen{}, ParGen());
    std::ofstream out(Requests(), std::ios::binary);
    out << "<EtherNetIP_to_Modbus_TCP_Master>\n  <Modbus_Read>\n";
    for (int i = 0; i < 512; ++i) out << "    " << RequestRow(i, false) << "\n";
    out << "  </Modbus_Read>\n  <Modbus_Write>\n";
    for (int i = 0; i < 512; ++i) out << "    " << RequestRow(i, true) << "\n";
    out << "  </Modbus_Write>\n</EtherNetIP_to_Modbus_TCP_Master>\n<!--SW_VERSION = 1.300-->\n";
  }
  ~Configuration() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }

  const std::string& Folder() const { return folder_; }
  std::string ParGen() const { return folder_ + "/ParGen.xml"; }
  std::string Requests() const { return folder_ + "/ModbusTCPM_SetAccess.xml"; }

 private:
  std::string folder_;
};

const Configuration& Config() {
  static Configuration config;
  return config;
}

void BM_ParseBothFiles(benchmark::State& state) {
  const Configuration& c = Config();
  for (auto _ : state) {
    pugi::xml_document parGen, requests;
    benchmark::DoNotOptimize(parGen.load_file(c.ParGen().c_str()));
    benchmark::DoNotOptimize(requests.load_file(c.Requests().c_str()));
  }
}
BENCHMARK(BM_ParseBothFiles)->Unit(benchmark::kMicrosecond);

// The platform's XML loader alone: the floor under the compile.
void BM_LoadBothFilesThroughThePlatform(benchmark::State& state) {
  const Configuration& c = Config();
  for (auto _ : state) {
    hd::TXmlDocument parGen, requests;
    parGen.LoadFromFile(c.ParGen());
    requests.LoadFromFile(c.Requests());
    benchmark::DoNotOptimize(requests.FirstChild().ChildCount());
  }
}
BENCHMARK(BM_LoadBothFilesThroughThePlatform)->Unit(benchmark::kMicrosecond);

void BM_Build_Bin_Banks(benchmark::State& state) {
  const Configuration& c = Config();
  hd::TBankCompile compile;
  for (auto _ : state) {
    compile.Build_Bin_Banks(c.ParGen(), c.Requests());
    benchmark::DoNotOptimize(compile.Bank2().data());
  }
  if (compile.Request_Count() != 1024) state.SkipWithError("the request file did not compile to 1024 requests");
}
BENCHMARK(BM_Build_Bin_Banks)->Unit(benchmark::kMicrosecond);

void BM_Build_Bin_Banks_AgainstParse(benchmark::State& state) {
  const Configuration& c = Config();
  hd::TBankCompile compile;
  hd::bench::CompareAlternating(
      state, 1e6, "compile_us",
      [&] {
        compile.Build_Bin_Banks(c.ParGen(), c.Requests());
        benchmark::DoNotOptimize(compile.Bank2().data());
      },
      "parse_us",
      [&] {
        pugi::xml_document parGen, requests;
        benchmark::DoNotOptimize(parGen.load_file(c.ParGen().c_str()));
        benchmark::DoNotOptimize(requests.load_file(c.Requests().c_str()));
      });
  if (compile.Request_Count() != 1024) state.SkipWithError("the request file did not compile to 1024 requests");
}
BENCHMARK(BM_Build_Bin_Banks_AgainstParse)->Name("Build_Bin_Banks/AgainstParse")->Unit(benchmark::kMicrosecond);

// For scale only: the save syncs three files to disk, which the parse does not.
void BM_Build_And_Save_Bin_Banks(benchmark::State& state) {
  const Configuration& c = Config();
  hd::TBankCompile compile;
  for (auto _ : state) {
    compile.Build_Bin_Banks(c.ParGen(), c.Requests());
    compile.Save_Bin_Banks(c.Folder());
  }
}
BENCHMARK(BM_Build_And_Save_Bin_Banks)->Unit(benchmark::kMicrosecond);

}  // namespace

// The request window's check against the compile: a row the check passes compiles into the
// numbers the check read, and a row it refuses stops the compile.
#include <array>
#include <string>

#include "app/bank_compile.h"
#include "app/modbus_request.h"
#include "fuzz_support.h"
#include "platform/exceptions.h"
#include "platform/text_file.h"
#include "platform/xml.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hd;
  fuzz::TInput input(data, size);
  const bool write = input.Byte() & 1;
  std::array<std::string, Request_Field_Count> fields;
  for (std::string& f : fields) {
    f = ValidUtf8(input.Text());
    std::erase(f, '\0');  // an attribute holds no NUL
  }
  // The port is the one field the compile reads more leniently (502 when unusable).
  const int port = RequestNumber(fields[stPort]);
  if (port < 0 || port > 65535) return 0;

  TModbusRequest request;
  const bool passes = !ReadModbusRequest(write ? TRequestTable::rtWrite : TRequestTable::rtRead, fields,
                                         std::nullopt, request);

  static const char* const kNames[] = {"IP_Address", "Port", "Slave_ID", "Type", "Address",
                                       "NPoint", "PollTime", "MaxError", "Position", "Bit"};
  TXmlDocument doc;
  doc.SetActive(true);
  TXmlNode root = doc.AddChild("EtherNetIP_to_Modbus_TCP_Master");
  TXmlNode reads = root.AddChild("Modbus_Read");
  TXmlNode writes = root.AddChild("Modbus_Write");
  TXmlNode row = (write ? writes : reads).AddChild("row");
  for (std::size_t i = 0; i < fields.size(); ++i) row.SetAttribute(kNames[i], fields[i]);
  if (write) row.SetAttribute("OnChange", "N");
  const std::string text = doc.SaveToString(xlCompact);
  const std::string path =
      fuzz::WriteScratchFile("ModbusTCPM_SetAccess.xml", reinterpret_cast<const std::uint8_t*>(text.data()), text.size());

  TBankCompile compile;
  try {
    compile.Build_Bin_Banks(fuzz::ScratchFolder() + "/no ParGen.xml", path);
  } catch (const EConvertError&) {
    if (passes) fuzz::Broken("a row the check passes does not compile");
    return 0;
  }
  if (!passes) fuzz::Broken("a row the check refuses compiles");
  const Modbus_Rule& r = compile.Modbus_Rules()[0];
  if (r.IP_Address != request.IP_Address || r.Port != request.Port || r.Slave_ID != request.Slave_ID ||
      r.Address != request.Address || r.NPoint != request.NPoint || r.PollTime != request.PollTime ||
      r.MaxError != request.MaxError || r.Position != request.Position || r.Bit != request.Bit ||
      r.Function != request.Function)
    fuzz::Broken("the compile wrote other numbers than the check read");
  return 0;
}

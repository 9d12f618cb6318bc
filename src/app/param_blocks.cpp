#include "app/param_blocks.h"

#include <algorithm>
#include <array>
#include <optional>

#include "app/par_gen.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/xml.h"

namespace hd {

namespace {

// Offsets shared by both blocks unless named for one of them.
constexpr int ofTimeOut = 32;
constexpr int ofCyclic = 36;
constexpr int ofEtherNetIP_IP = 40;
constexpr int ofEtherNetIP_SM = 44;
constexpr int ofEtherNetIP_GAT = 48;
constexpr int ofPort1 = 54;
constexpr int ofPort2 = 56;
constexpr int ofRequestCount = 72;
constexpr int ofImageBase = 76;
constexpr int ofNB_Input = 116;
constexpr int ofNB_Output = 120;
constexpr int ofImageBase2 = 196;
constexpr int ofMainDiagnostic = 300;
constexpr int ofMainMasterIP = 304;
constexpr int ofMainMasterSM = 308;
constexpr int ofMainMasterGAT = 312;
constexpr int ofK64Diagnostic = 384;
constexpr int ofK64MasterIP = 388;
constexpr int ofK64MasterSM = 392;
constexpr int ofK64MasterGAT = 396;

constexpr std::uint32_t MainImageBase = 0x58000;
constexpr std::uint32_t K64ImageBase = 0x80000;
constexpr std::uint16_t EtherNetIPPort = 44818;
constexpr std::array<std::uint8_t, 4> NoGateway = {255, 255, 255, 255};

// The elements of ParGen.xml as the compile reads them.
class TParGenReader {
 public:
  explicit TParGenReader(const TXmlNode& root) : root_(root) {}

  std::optional<std::string> Text(const std::string& name) const {
    if (root_.NodeType() != ntElement) return std::nullopt;
    TXmlNode node = root_.FindNode(name);
    return node ? node.TryText() : std::nullopt;
  }

  bool IsOn(const std::string& name) const { return Text(name) == "1"; }

  // The element's number, or its default when it is missing or not a number.
  std::uint32_t Number(const std::string& name) const {
    int v = 0;
    std::optional<std::string> t = Text(name);
    if (!t || !TryStrToInt(*t, v)) v = StrToInt(ParGenDefault(name));
    return static_cast<std::uint32_t>(v);
  }

  std::array<std::uint8_t, 4> Address(const std::string& prefix) const {
    std::array<std::uint8_t, 4> a{};
    for (int i = 0; i < 4; ++i) a[i] = static_cast<std::uint8_t>(Number(prefix + std::to_string(i + 1)));
    return a;
  }

  std::uint32_t Diagnostic() const {
    if (!IsOn("EtherNetIP_EN_Diagnostic")) return 0;
    std::optional<std::string> t = Text("EtherNetIP_Diagn_Add");
    if (!t) return 0;
    // The device counts the diagnostic byte from 1 so that 0 can mean "off".
    return static_cast<std::uint32_t>(StrToIntDef(*t, 0)) + 1;
  }

 private:
  TXmlNode root_;
};

void CopyMainToK64(const TMain_Params& m, int from, TK64_Block& k, int to, int count) {
  k.CopyFrom(m.Bytes().data() + from, to, count);
}

// The values that do not depend on the file.
void SetFixedValues(TMain_Params& m, TK64_Block& k) {
  m.SetWord(58, 0);
  m.SetByte(96, 0x80);
  m.SetByte(97, 0);
  m.SetByte(99, 0);
  m.SetDWord(132, 0);
  m.SetDWord(ofImageBase, MainImageBase);
  m.SetDWord(ofImageBase2, MainImageBase);
  for (int of : {96, 97, 99}) k.SetByte(of, m.Byte(of));
  k.SetDWord(132, m.DWord(132));
  k.SetDWord(ofImageBase, K64ImageBase);
  k.SetDWord(ofImageBase2, K64ImageBase);
}

void ReadEtherNetIP(const TParGenReader& r, TMain_Params& m, TK64_Block& k) {
  m.SetAddress(ofEtherNetIP_IP, r.Address("EtherNetIP_IP"));
  m.SetAddress(ofEtherNetIP_SM, r.Address("EtherNetIP_SM"));
  m.SetAddress(ofEtherNetIP_GAT, r.IsOn("EtherNetIP_EN_GAT") ? r.Address("EtherNetIP_GAT") : NoGateway);
  CopyMainToK64(m, ofEtherNetIP_IP, k, ofEtherNetIP_IP, 12);
  m.SetWord(ofPort1, EtherNetIPPort);
  m.SetWord(ofPort2, EtherNetIPPort);
  k.SetWord(ofPort1, EtherNetIPPort);
  k.SetWord(ofPort2, EtherNetIPPort);
  m.SetDWord(ofNB_Input, r.Number("EtherNetIP_NB_Input"));
  m.SetDWord(ofNB_Output, r.Number("EtherNetIP_NB_Output"));
  CopyMainToK64(m, ofNB_Input, k, ofNB_Input, 8);
  m.SetDWord(ofMainDiagnostic, r.Diagnostic());
  k.SetDWord(ofK64Diagnostic, m.DWord(ofMainDiagnostic));
}

void ReadModbusTCPMaster(const TParGenReader& r, TMain_Params& m, TK64_Block& k) {
  m.SetDWord(ofTimeOut, r.Number("Modbus_TCP_Master_TimeOut"));
  m.SetDWord(ofCyclic, r.Number("Modbus_TCP_Master_Cyclic"));
  k.SetDWord(ofTimeOut, m.DWord(ofTimeOut));
  k.SetDWord(ofCyclic, m.DWord(ofCyclic));
  m.SetAddress(ofMainMasterIP, r.Address("Modbus_TCP_Master_IP"));
  m.SetAddress(ofMainMasterSM, r.Address("Modbus_TCP_Master_SM"));
  m.SetAddress(ofMainMasterGAT,
               r.IsOn("Modbus_TCP_Master_EN_GAT") ? r.Address("Modbus_TCP_Master_GAT") : NoGateway);
  CopyMainToK64(m, ofMainMasterIP, k, ofK64MasterIP, 12);
}

}  // namespace

void Reset_Main_Params(TMain_Params& m) {
  m.Clear();
  m.SetWord(16, 8);
  m.SetDWord(20, 1);
  m.SetWord(52, 10000);
  m.SetWord(ofPort1, EtherNetIPPort);
  m.SetWord(ofPort2, EtherNetIPPort);
  m.SetWord(64, 8);
  m.SetDWord(68, 1);
  m.SetByte(96, 0x80);
  m.SetDWord(132, 1);
}

void Reset_K64_Block(TK64_Block& k) {
  k.Clear();
  k.SetDWord(0, 250000);
  k.SetDWord(4, 250000);
  k.SetDWord(12, 9600);
  // The second processor's own addresses until ParGen.xml gives the converter's.
  k.SetAddress(ofEtherNetIP_IP, {192, 168, 2, 205});
  k.SetAddress(ofEtherNetIP_SM, {255, 255, 255, 0});
  k.SetAddress(ofEtherNetIP_GAT, NoGateway);
  k.SetWord(52, 10000);
  k.SetWord(ofPort1, 10001);
  k.SetWord(ofPort2, 10001);
  for (int of = 436; of <= 443; ++of) k.SetByte(of, 8);
}

void Read_ParGen_File(const std::string& path, TMain_Params& m, TK64_Block& k) {
  SetFixedValues(m, k);
  if (!FileExists(path)) return;
  TXmlDocument doc;
  doc.SetActive(true);
  doc.LoadFromFile(path);
  TParGenReader reader(doc.FirstChild());
  ReadEtherNetIP(reader, m, k);
  ReadModbusTCPMaster(reader, m, k);
}

void Set_Request_Count(TMain_Params& m, TK64_Block& k, std::uint32_t count) {
  m.SetDWord(ofRequestCount, count);
  k.SetDWord(ofRequestCount, count);
}

int Put_Main_Params(const TMain_Params& m, std::span<std::uint8_t> buffer) {
  CheckImageFits(0, Bank1_Size, buffer);
  std::span<const std::uint8_t> src = m.Bytes();
  auto out = buffer.begin();
  std::fill(out, out + Bank1_Size, 0);
  std::copy(src.begin(), src.begin() + TMain_Params::Head_Size, out);
  std::copy(src.begin() + TMain_Params::Head_Size, src.end(), out + TMain_Params::Tail_Bank1_Offset);
  PutLE32(buffer.data() + Block_Sum_Offset, ByteSum(buffer.first(Block_Sum_Offset)));
  return Bank1_Size;
}

int Put_K64_Block(TK64_Block& k, int position, std::span<std::uint8_t> destination) {
  CheckImageFits(position, K64_Block_Size, destination);
  k.SetDWord(Block_Sum_Offset, ByteSum(k.Bytes().first(Block_Sum_Offset)));
  std::copy(k.Bytes().begin(), k.Bytes().end(), destination.begin() + position);
  return position + K64_Block_Size;
}

}  // namespace hd

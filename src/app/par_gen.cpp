#include "app/par_gen.h"

#include <optional>

#include "platform/exceptions.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "platform/xml.h"

namespace hd {

namespace {

using P = TParGen;

constexpr TParGenElement Text(const char* name, const char* def, std::string P::*field) {
  return {name, def, field, nullptr};
}
constexpr TParGenElement Check(const char* name, bool P::*field) { return {name, "0", nullptr, field}; }

const std::array<TParGenElement, 33> kElements = {{
    Text("EtherNetIP_IP1", "192", &P::EtherNetIP_IP1),
    Text("EtherNetIP_IP2", "168", &P::EtherNetIP_IP2),
    Text("EtherNetIP_IP3", "0", &P::EtherNetIP_IP3),
    Text("EtherNetIP_IP4", "5", &P::EtherNetIP_IP4),
    Text("EtherNetIP_SM1", "255", &P::EtherNetIP_SM1),
    Text("EtherNetIP_SM2", "255", &P::EtherNetIP_SM2),
    Text("EtherNetIP_SM3", "255", &P::EtherNetIP_SM3),
    Text("EtherNetIP_SM4", "0", &P::EtherNetIP_SM4),
    Text("EtherNetIP_GAT1", "192", &P::EtherNetIP_GAT1),
    Text("EtherNetIP_GAT2", "168", &P::EtherNetIP_GAT2),
    Text("EtherNetIP_GAT3", "0", &P::EtherNetIP_GAT3),
    Text("EtherNetIP_GAT4", "1", &P::EtherNetIP_GAT4),
    Check("EtherNetIP_EN_GAT", &P::EtherNetIP_EN_GAT),
    Text("EtherNetIP_PORT", ParGenEtherNetIPPort, &P::EtherNetIP_PORT),
    Text("EtherNetIP_NB_Input", "496", &P::EtherNetIP_NB_Input),
    Text("EtherNetIP_NB_Output", "496", &P::EtherNetIP_NB_Output),
    Check("EtherNetIP_EN_Diagnostic", &P::EtherNetIP_EN_Diagnostic),
    Text("EtherNetIP_Diagn_Add", "0", &P::EtherNetIP_Diagn_Add),
    Text("Modbus_TCP_Master_TimeOut", "1000", &P::Modbus_TCP_Master_TimeOut),
    Text("Modbus_TCP_Master_Cyclic", "100", &P::Modbus_TCP_Master_Cyclic),
    Text("Modbus_TCP_Master_IP1", "192", &P::Modbus_TCP_Master_IP1),
    Text("Modbus_TCP_Master_IP2", "168", &P::Modbus_TCP_Master_IP2),
    Text("Modbus_TCP_Master_IP3", "0", &P::Modbus_TCP_Master_IP3),
    Text("Modbus_TCP_Master_IP4", "10", &P::Modbus_TCP_Master_IP4),
    Text("Modbus_TCP_Master_SM1", "255", &P::Modbus_TCP_Master_SM1),
    Text("Modbus_TCP_Master_SM2", "255", &P::Modbus_TCP_Master_SM2),
    Text("Modbus_TCP_Master_SM3", "255", &P::Modbus_TCP_Master_SM3),
    Text("Modbus_TCP_Master_SM4", "0", &P::Modbus_TCP_Master_SM4),
    Text("Modbus_TCP_Master_GAT1", "192", &P::Modbus_TCP_Master_GAT1),
    Text("Modbus_TCP_Master_GAT2", "168", &P::Modbus_TCP_Master_GAT2),
    Text("Modbus_TCP_Master_GAT3", "0", &P::Modbus_TCP_Master_GAT3),
    Text("Modbus_TCP_Master_GAT4", "1", &P::Modbus_TCP_Master_GAT4),
    Check("Modbus_TCP_Master_EN_GAT", &P::Modbus_TCP_Master_EN_GAT),
}};

void SetDefault(TParGen& p, const TParGenElement& e) {
  if (e.Text)
    p.*e.Text = e.Default;
  else
    p.*e.Checked = false;
}

// A text that is not an integer reads as -1, which fails every range.
int CheckValue(const std::string& text) {
  int v = 0;
  return TryStrToInt(text, v) ? v : -1;
}

bool InRange(const std::string& text, int lo, int hi) {
  int v = CheckValue(text);
  return v >= lo && v <= hi;
}

// Four address parts share a range and consecutive message texts.
std::optional<TParGenCheck> CheckAddress(const TParGen& p, std::array<std::string P::*, 4> parts, int firstText) {
  for (int i = 0; i < 4; ++i)
    if (!InRange(p.*parts[i], 0, 255)) return TParGenCheck{firstText + i, ""};
  return std::nullopt;
}

std::optional<TParGenCheck> CheckEtherNetIP(const TParGen& p) {
  if (auto f = CheckAddress(p, {&P::EtherNetIP_IP1, &P::EtherNetIP_IP2, &P::EtherNetIP_IP3, &P::EtherNetIP_IP4}, 445))
    return f;
  if (auto f = CheckAddress(p, {&P::EtherNetIP_SM1, &P::EtherNetIP_SM2, &P::EtherNetIP_SM3, &P::EtherNetIP_SM4}, 449))
    return f;
  if (p.EtherNetIP_EN_GAT) {
    if (auto f = CheckAddress(
            p, {&P::EtherNetIP_GAT1, &P::EtherNetIP_GAT2, &P::EtherNetIP_GAT3, &P::EtherNetIP_GAT4}, 453))
      return f;
  }
  if (CheckValue(p.EtherNetIP_PORT) != 44818) return TParGenCheck{457, ""};
  if (!InRange(p.EtherNetIP_NB_Input, 0, 500)) return TParGenCheck{458, "500"};
  if (!InRange(p.EtherNetIP_NB_Output, 0, 496)) return TParGenCheck{459, "496"};
  if (p.EtherNetIP_EN_Diagnostic) {
    // The diagnostic byte lies inside the output array; with 0 output bytes no address fits.
    int last = CheckValue(p.EtherNetIP_NB_Output) - 1;
    if (!InRange(p.EtherNetIP_Diagn_Add, 0, last)) return TParGenCheck{498, IntToStr(last)};
  }
  return std::nullopt;
}

std::optional<TParGenCheck> CheckModbusTCPMaster(const TParGen& p) {
  if (!InRange(p.Modbus_TCP_Master_TimeOut, 0, 100000)) return TParGenCheck{484, ""};
  if (!InRange(p.Modbus_TCP_Master_Cyclic, 0, 10000)) return TParGenCheck{485, ""};
  if (auto f = CheckAddress(p,
                            {&P::Modbus_TCP_Master_IP1, &P::Modbus_TCP_Master_IP2, &P::Modbus_TCP_Master_IP3,
                             &P::Modbus_TCP_Master_IP4},
                            486))
    return f;
  if (auto f = CheckAddress(p,
                            {&P::Modbus_TCP_Master_SM1, &P::Modbus_TCP_Master_SM2, &P::Modbus_TCP_Master_SM3,
                             &P::Modbus_TCP_Master_SM4},
                            490))
    return f;
  if (p.Modbus_TCP_Master_EN_GAT) {
    if (auto f = CheckAddress(p,
                              {&P::Modbus_TCP_Master_GAT1, &P::Modbus_TCP_Master_GAT2, &P::Modbus_TCP_Master_GAT3,
                               &P::Modbus_TCP_Master_GAT4},
                              494))
      return f;
  }
  return std::nullopt;
}

void BuildDocument(const TParGen& p, TXmlDocument& doc) {
  doc.SetActive(true);
  doc.Clear();
  TXmlNode root = doc.AddChild("Par_Gen");
  doc.AddComment("SW_VERSION = 1.300");
  for (const TParGenElement& e : kElements) {
    std::string text = e.Text ? p.*e.Text : std::string(p.*e.Checked ? "1" : "0");
    root.AddChild(e.Name).SetText(text);
  }
}

}  // namespace

TParGen::TParGen() { ResetParGen(*this); }

const std::array<TParGenElement, 33>& ParGenElements() { return kElements; }

std::string ParGenDefault(std::string_view name) {
  for (const TParGenElement& e : kElements)
    if (name == e.Name) return e.Default;
  return {};
}

void ResetParGen(TParGen& p) {
  for (const TParGenElement& e : kElements) SetDefault(p, e);
}

std::string LoadParGen(TParGen& p, const std::string& path) {
  ResetParGen(p);
  if (!FileExists(path)) return {};
  TXmlDocument doc;
  try {
    doc.SetActive(true);
    doc.LoadFromFile(path);
  } catch (const Exception& e) {
    return e.Message();
  }
  // Every reader of the configuration files takes the first node as the root, so a file that
  // starts with a declaration or a comment reads as all defaults.
  TXmlNode root = doc.FirstChild();
  if (root.NodeType() != ntElement) return {};
  for (const TParGenElement& e : kElements) {
    TXmlNode node = root.FindNode(e.Name);
    std::optional<std::string> text = node ? node.TryText() : std::nullopt;
    if (!text) continue;
    if (e.Text)
      p.*e.Text = *text;
    else
      p.*e.Checked = *text == "1";
  }
  p.EtherNetIP_PORT = ParGenEtherNetIPPort;
  return {};
}

void SaveParGen(const TParGen& p, const std::string& path) {
  TXmlDocument doc;
  BuildDocument(p, doc);
  doc.SaveToFile(path);
}

std::string ParGenToXml(const TParGen& p) {
  TXmlDocument doc;
  BuildDocument(p, doc);
  return doc.SaveToString();
}

TParGenCheck Controllo_Dati(const TParGen& p) {
  if (auto f = CheckEtherNetIP(p)) return *f;
  if (auto f = CheckModbusTCPMaster(p)) return *f;
  return {};
}

}  // namespace hd

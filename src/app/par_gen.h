// The communication parameters of a configuration (ParGen.xml) and their check, without a
// window: the communication-parameters window edits a TParGen, the compile reads the same file.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace hd {

// The fields as the user typed them; the check boxes are separate flags.
struct TParGen {
  std::string EtherNetIP_IP1, EtherNetIP_IP2, EtherNetIP_IP3, EtherNetIP_IP4;
  std::string EtherNetIP_SM1, EtherNetIP_SM2, EtherNetIP_SM3, EtherNetIP_SM4;
  std::string EtherNetIP_GAT1, EtherNetIP_GAT2, EtherNetIP_GAT3, EtherNetIP_GAT4;
  bool EtherNetIP_EN_GAT = false;
  std::string EtherNetIP_PORT;
  std::string EtherNetIP_NB_Input;
  std::string EtherNetIP_NB_Output;
  bool EtherNetIP_EN_Diagnostic = false;
  std::string EtherNetIP_Diagn_Add;
  std::string Modbus_TCP_Master_TimeOut;
  std::string Modbus_TCP_Master_Cyclic;
  std::string Modbus_TCP_Master_IP1, Modbus_TCP_Master_IP2, Modbus_TCP_Master_IP3, Modbus_TCP_Master_IP4;
  std::string Modbus_TCP_Master_SM1, Modbus_TCP_Master_SM2, Modbus_TCP_Master_SM3, Modbus_TCP_Master_SM4;
  std::string Modbus_TCP_Master_GAT1, Modbus_TCP_Master_GAT2, Modbus_TCP_Master_GAT3, Modbus_TCP_Master_GAT4;
  bool Modbus_TCP_Master_EN_GAT = false;

  TParGen();  // every field at its default

  friend bool operator==(const TParGen&, const TParGen&) = default;
};

// The first failing check: the index of its message in Lang_Table and the part composed after
// that text (the limit of a size check), or TextIndex -1 when every check passed.
struct TParGenCheck {
  int TextIndex = -1;
  std::string Suffix;

  bool Passed() const { return TextIndex < 0; }
  std::string Message(const std::function<std::string(int)>& langText) const {
    return langText(TextIndex) + Suffix;
  }
  friend bool operator==(const TParGenCheck&, const TParGenCheck&) = default;
};

// Fields of the window, the file and the compile use the same element names.
struct TParGenElement {
  const char* Name;
  const char* Default;  // the text a missing element reads as; "0"/"1" for a check box
  std::string TParGen::*Text;  // null for a check box
  bool TParGen::*Checked;      // null for a text field
};
// The 33 elements in file order.
const std::array<TParGenElement, 33>& ParGenElements();
// Default text of an element; empty for a name that is not one of the 33.
std::string ParGenDefault(std::string_view name);

constexpr const char* ParGenEtherNetIPPort = "44818";

// Every field to its default.
void ResetParGen(TParGen& p);
// Fills the fields from the file; a missing, unreadable or partial file gives defaults, and the
// port is always 44818. Answers why an existing file could not be read (naming it), so that
// the user learns that saving will replace it; empty otherwise.
std::string LoadParGen(TParGen& p, const std::string& path);
// Writes the file as the window saves it: root Par_Gen, then the version comment, the texts as
// typed and the check boxes as "1" or "0". EFCreateError when it cannot be written.
void SaveParGen(const TParGen& p, const std::string& path);
std::string ParGenToXml(const TParGen& p);

// The window's checks in their order, stopping at the first failure.
TParGenCheck Controllo_Dati(const TParGen& p);

}  // namespace hd

#include "app/testkit/expected_banks.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace hd::testkit {

namespace {

struct Field {
  int offset;
  int size;
  const char* name;
};

// A bank image built field by field; each field keeps its name, so a comparison can say
// which field a differing byte belongs to.
class Image {
 public:
  explicit Image(std::size_t size) : b_(size, 0) {}

  void U8(int of, std::uint8_t v, const char* name) { Put(of, 1, v, name); }
  void U16(int of, std::uint16_t v, const char* name) { Put(of, 2, v, name); }
  void U32(int of, std::uint32_t v, const char* name) { Put(of, 4, v, name); }
  // The first number of the dotted form first.
  void Addr(int of, Address a, const char* name) {
    for (int i = 0; i < 4; ++i) b_.at(of + i) = a[i];
    fields_.push_back({of, 4, name});
  }
  // Sum of bytes 0 to 2043 into 2044.
  void Sum() {
    std::uint32_t sum = 0;
    for (int i = 0; i < 2044; ++i) sum += b_[i];
    U32(2044, sum, "byte sum");
  }
  const Bytes& Take() const { return b_; }

  // "name" or "byte 2 of name (4 bytes at 40)"; the first field written at the offset wins.
  std::string Describe(int of) const {
    for (const Field& f : fields_) {
      if (of < f.offset || of >= f.offset + f.size) continue;
      if (f.size == 1) return f.name;
      return "byte " + std::to_string(of - f.offset) + " of " + f.name + " (" + std::to_string(f.size) +
             " bytes at " + std::to_string(f.offset) + ")";
    }
    return "no field, always 0";
  }

 private:
  void Put(int of, int size, std::uint32_t v, const char* name) {
    for (int i = 0; i < size; ++i) b_.at(of + i) = static_cast<std::uint8_t>(v >> (8 * i));
    fields_.push_back({of, size, name});
  }

  Bytes b_;
  std::vector<Field> fields_;
};

// What a configuration without ParGen.xml leaves in the ParGen fields.
ParGenValues NoParGen() {
  ParGenValues z;
  z.IP = z.SM = z.GAT = z.MasterIP = z.MasterSM = z.MasterGAT = Address{};
  z.NB_Input = z.NB_Output = z.TimeOut = z.Cyclic = 0;
  return z;
}

// The fields both blocks take from ParGen.xml; the diagnostic and the Modbus TCP side sit at
// `tail` and the twelve bytes after it.
void ParGenFields(Image& i, const ParGenValues& v, int tail) {
  i.U32(32, v.TimeOut, "time-out");
  i.U32(36, v.Cyclic, "cyclic delay");
  i.Addr(40, v.IP, "EtherNet/IP address");
  i.Addr(44, v.SM, "EtherNet/IP subnet mask");
  i.Addr(48, v.GAT, "EtherNet/IP gateway");
  i.U32(116, v.NB_Input, "input size");
  i.U32(120, v.NB_Output, "output size");
  i.U32(tail, v.Diagnostic, "diagnostic");
  i.Addr(tail + 4, v.MasterIP, "Modbus TCP address");
  i.Addr(tail + 8, v.MasterSM, "Modbus TCP subnet mask");
  i.Addr(tail + 12, v.MasterGAT, "Modbus TCP gateway");
}

Image Bank1Image(const std::optional<ParGenValues>& p, std::uint32_t requests) {
  Image m(2048);
  m.U16(16, 8, "fixed value 8");
  m.U32(20, 1, "fixed value 1");
  m.U16(52, 10000, "fixed value 10000");
  m.U16(54, 44818, "EtherNet/IP port");
  m.U16(56, 44818, "EtherNet/IP port");
  m.U16(64, 8, "fixed value 8");
  m.U32(68, 1, "fixed value 1");
  m.U32(72, requests, "request count");
  m.U32(76, 360448, "fixed value 360448");
  m.U8(96, 128, "fixed value 128");
  m.U32(196, 360448, "fixed value 360448");
  ParGenFields(m, p.value_or(NoParGen()), 300);
  m.Sum();
  return m;
}

Image BankK64Image(const std::optional<ParGenValues>& p, std::uint32_t requests) {
  Image k(2048);
  k.U32(0, 250000, "fixed value 250000");
  k.U32(4, 250000, "fixed value 250000");
  k.U32(12, 9600, "fixed value 9600");
  k.U16(52, 10000, "fixed value 10000");
  k.U32(72, requests, "request count");
  k.U32(76, 524288, "fixed value 524288");
  k.U8(96, 128, "fixed value 128");
  k.U32(196, 524288, "fixed value 524288");
  for (int of = 436; of <= 443; ++of) k.U8(of, 8, "fixed value 8");
  // Without ParGen.xml the block keeps its reset addresses and ports.
  ParGenValues none = NoParGen();
  none.IP = {192, 168, 2, 205};
  none.SM = {255, 255, 255, 0};
  none.GAT = {255, 255, 255, 255};
  k.U16(54, p ? 44818 : 10001, "EtherNet/IP port");
  k.U16(56, p ? 44818 : 10001, "EtherNet/IP port");
  ParGenFields(k, p.value_or(none), 384);
  k.Sum();
  return k;
}

Image Bank2Image(const std::vector<ExpectedRule>& rules) {
  Image t(32768);
  int of = 0;
  for (const ExpectedRule& r : rules) {
    t.U16(of + 0, r.Position, "position");
    t.U16(of + 2, r.Bit, "bit");
    t.U32(of + 4, r.PollTime, "poll time");
    t.U8(of + 8, r.Slave_ID, "slave identifier");
    t.U8(of + 9, r.Function, "function code");
    t.U16(of + 10, r.Address, "address");
    t.U16(of + 12, r.NPoint, "point count");
    t.U16(of + 14, r.Port, "port");
    // a.b.c.d as one 32-bit number: d comes first in the file
    t.Addr(of + 16, {r.IP[3], r.IP[2], r.IP[1], r.IP[0]}, "IP address");
    t.U32(of + 24, r.MaxError, "error limit");
    t.U8(of + 30, r.NByte, "data byte count");
    t.U8(of + 31, r.Flags, "flags");
    of += 32;
  }
  return t;
}

const char* FileName(TBankFile bank) {
  switch (bank) {
    case TBankFile::Bank1: return "bank1.bin";
    case TBankFile::Bank2: return "bank2.bin";
    case TBankFile::BankK64: return "bank_K64_1.bin";
  }
  return "";
}

}  // namespace

Bytes ExpectedBank1(const std::optional<ParGenValues>& p, std::uint32_t requests) {
  return Bank1Image(p, requests).Take();
}

Bytes ExpectedBankK64(const std::optional<ParGenValues>& p, std::uint32_t requests) {
  return BankK64Image(p, requests).Take();
}

Bytes ExpectedBank2(const std::vector<ExpectedRule>& rules) { return Bank2Image(rules).Take(); }

std::string BankFieldAt(TBankFile bank, int offset) {
  switch (bank) {
    case TBankFile::Bank1: return Bank1Image(ParGenValues{}, 0).Describe(offset);
    case TBankFile::BankK64: return BankK64Image(ParGenValues{}, 0).Describe(offset);
    case TBankFile::Bank2: break;
  }
  return "record " + std::to_string(offset / 32) + ", " + Bank2Image({ExpectedRule{}}).Describe(offset % 32);
}

::testing::AssertionResult SameBank(TBankFile bank, const Bytes& actual, const Bytes& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  ::testing::AssertionResult failure = ::testing::AssertionFailure() << FileName(bank);
  if (actual.size() != expected.size())
    failure << " is " << actual.size() << " bytes long, expected " << expected.size() << ";";
  const auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
  if (a == actual.end() || e == expected.end()) return failure;
  const auto of = static_cast<int>(a - actual.begin());
  std::size_t differing = 0;
  for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) differing += actual[i] != expected[i];
  return failure << " differs first at offset " << of << ", " << BankFieldAt(bank, of) << ": " << int{*a}
                 << ", expected " << int{*e} << "; differing bytes: " << differing;
}

std::uint32_t StoredSum(const Bytes& image) {
  return image.at(2044) | (image.at(2045) << 8) | (image.at(2046) << 16) | (std::uint32_t{image.at(2047)} << 24);
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace hd::testkit

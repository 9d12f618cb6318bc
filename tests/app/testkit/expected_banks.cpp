#include "app/testkit/expected_banks.h"

#include <fstream>
#include <iterator>

namespace hd::testkit {

namespace {

class Image {
 public:
  explicit Image(std::size_t size) : b_(size, 0) {}

  void U8(int of, std::uint8_t v) { b_.at(of) = v; }
  void U16(int of, std::uint16_t v) {
    U8(of, v & 0xFF);
    U8(of + 1, v >> 8);
  }
  void U32(int of, std::uint32_t v) {
    U16(of, v & 0xFFFF);
    U16(of + 2, v >> 16);
  }
  void Addr(int of, Address a) {
    for (int i = 0; i < 4; ++i) U8(of + i, a[i]);
  }
  // Sum of bytes 0 to 2043 into 2044.
  Bytes Summed() {
    std::uint32_t sum = 0;
    for (int i = 0; i < 2044; ++i) sum += b_[i];
    U32(2044, sum);
    return b_;
  }
  Bytes Take() { return b_; }

 private:
  Bytes b_;
};

}  // namespace

Bytes ExpectedBank1(const std::optional<ParGenValues>& p, std::uint32_t requests) {
  Image m(2048);
  m.U16(16, 8);
  m.U32(20, 1);
  m.U16(52, 10000);
  m.U16(54, 44818);
  m.U16(56, 44818);
  m.U16(64, 8);
  m.U32(68, 1);
  m.U32(72, requests);
  m.U32(76, 360448);
  m.U8(96, 128);
  m.U32(196, 360448);
  if (p) {
    m.U32(32, p->TimeOut);
    m.U32(36, p->Cyclic);
    m.Addr(40, p->IP);
    m.Addr(44, p->SM);
    m.Addr(48, p->GAT);
    m.U32(116, p->NB_Input);
    m.U32(120, p->NB_Output);
    m.U32(300, p->Diagnostic);
    m.Addr(304, p->MasterIP);
    m.Addr(308, p->MasterSM);
    m.Addr(312, p->MasterGAT);
  }
  return m.Summed();
}

Bytes ExpectedBankK64(const std::optional<ParGenValues>& p, std::uint32_t requests) {
  Image k(2048);
  k.U32(0, 250000);
  k.U32(4, 250000);
  k.U32(12, 9600);
  k.Addr(40, {192, 168, 2, 205});
  k.Addr(44, {255, 255, 255, 0});
  k.Addr(48, {255, 255, 255, 255});
  k.U16(52, 10000);
  k.U16(54, 10001);
  k.U16(56, 10001);
  k.U32(72, requests);
  k.U32(76, 524288);
  k.U8(96, 128);
  k.U32(196, 524288);
  for (int of = 436; of <= 443; ++of) k.U8(of, 8);
  if (p) {
    k.U32(32, p->TimeOut);
    k.U32(36, p->Cyclic);
    k.Addr(40, p->IP);
    k.Addr(44, p->SM);
    k.Addr(48, p->GAT);
    k.U16(54, 44818);
    k.U16(56, 44818);
    k.U32(116, p->NB_Input);
    k.U32(120, p->NB_Output);
    k.U32(384, p->Diagnostic);
    k.Addr(388, p->MasterIP);
    k.Addr(392, p->MasterSM);
    k.Addr(396, p->MasterGAT);
  }
  return k.Summed();
}

Bytes ExpectedBank2(const std::vector<ExpectedRule>& rules) {
  Image t(32768);
  int of = 0;
  for (const ExpectedRule& r : rules) {
    t.U16(of + 0, r.Position);
    t.U16(of + 2, r.Bit);
    t.U32(of + 4, r.PollTime);
    t.U8(of + 8, r.Slave_ID);
    t.U8(of + 9, r.Function);
    t.U16(of + 10, r.Address);
    t.U16(of + 12, r.NPoint);
    t.U16(of + 14, r.Port);
    // a.b.c.d as one 32-bit number: d comes first in the file
    for (int i = 0; i < 4; ++i) t.U8(of + 16 + i, r.IP[3 - i]);
    t.U32(of + 24, r.MaxError);
    t.U8(of + 30, r.NByte);
    t.U8(of + 31, r.Flags);
    of += 32;
  }
  return t.Take();
}

std::uint32_t StoredSum(const Bytes& image) {
  return image.at(2044) | (image.at(2045) << 8) | (image.at(2046) << 16) | (std::uint32_t{image.at(2047)} << 24);
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace hd::testkit

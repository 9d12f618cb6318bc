// Property records: their bytes, the extended number, and reading them back.
#include "platform/property_stream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "platform/exceptions.h"
#include "testkit/temp_folder.h"

namespace hd {
namespace {

std::string Bytes(std::initializer_list<int> List) {
  std::string out;
  for (int b : List) out += static_cast<char>(b);
  return out;
}

std::string Written(const std::function<void(TPropertyWriter&)>& Write) {
  TMemoryStream s;
  TPropertyWriter w(s);
  Write(w);
  return s.Bytes();
}

TEST(PropertyStreamTest, RecordIsByteExact) {
  const std::string rec = Written([](TPropertyWriter& w) {
    w.BeginRecord("TGridCellIO");
    w.WriteInteger("Col", 1);
    w.WriteInteger("Row", 300);
    w.WriteString("Cell", "ab");
    w.WriteBoolean("HasProp", false);
    w.EndRecord();
  });
  EXPECT_EQ(rec, std::string("TPF0\x0BTGridCellIO\x00", 17) + "\x03" "Col\x02\x01" + "\x03" "Row\x03" + Bytes({0x2C, 0x01}) +
                     "\x04" "Cell\x06\x02" "ab" + "\x07" "HasProp\x08" + Bytes({0, 0}));
}

TEST(PropertyStreamTest, ValuesTakeTheirTags) {
  struct Case {
    const char* what;
    std::function<void(TPropertyWriter&)> write;
    std::string value;  // the bytes after the name "P"
  };
  const std::string cyrillic = "\xD0\x96\xD0\xB8";  // two letters, two bytes each
  const std::vector<Case> cases{
      {"int8 low", [](TPropertyWriter& w) { w.WriteInteger("P", -128); }, Bytes({2, 0x80})},
      {"int8 high", [](TPropertyWriter& w) { w.WriteInteger("P", 127); }, Bytes({2, 0x7F})},
      {"int16", [](TPropertyWriter& w) { w.WriteInteger("P", -129); }, Bytes({3, 0x7F, 0xFF})},
      {"int16 high", [](TPropertyWriter& w) { w.WriteInteger("P", 32767); }, Bytes({3, 0xFF, 0x7F})},
      {"int32", [](TPropertyWriter& w) { w.WriteInteger("P", 32768); }, Bytes({4, 0, 0x80, 0, 0})},
      {"int32 low", [](TPropertyWriter& w) { w.WriteInteger("P", -2147483648LL); }, Bytes({4, 0, 0, 0, 0x80})},
      {"false", [](TPropertyWriter& w) { w.WriteBoolean("P", false); }, Bytes({8})},
      {"true", [](TPropertyWriter& w) { w.WriteBoolean("P", true); }, Bytes({9})},
      {"ident", [](TPropertyWriter& w) { w.WriteIdent("P", "taCenter"); }, "\x07\x08taCenter"},
      {"set", [](TPropertyWriter& w) { w.WriteSet("P", {"fsBold", "fsItalic"}); },
       "\x0B\x06" "fsBold\x08" "fsItalic" + Bytes({0})},
      {"colour by name", [](TPropertyWriter& w) { w.WriteColor("P", clWindow); }, "\x07\x08" "clWindow"},
      {"colour by number", [](TPropertyWriter& w) { w.WriteColor("P", 0x00123456); }, Bytes({4, 0x56, 0x34, 0x12, 0})},
      {"short string", [](TPropertyWriter& w) { w.WriteString("P", "abcdefghij"); }, "\x06\x0A" "abcdefghij"},
      {"utf-8 string", [](TPropertyWriter& w) { w.WriteString("P", "caf\xC3\xA9"); }, Bytes({20, 5, 0, 0, 0}) + "caf\xC3\xA9"},
      {"wide string", [&](TPropertyWriter& w) { w.WriteString("P", cyrillic); }, Bytes({18, 2, 0, 0, 0, 0x16, 0x04, 0x38, 0x04})},
      {"surrogate pair", [](TPropertyWriter& w) { w.WriteString("P", "\xF0\x9F\x98\x80"); },
       Bytes({18, 2, 0, 0, 0, 0x3D, 0xD8, 0x00, 0xDE})},
      {"long string", [](TPropertyWriter& w) { w.WriteString("P", std::string(256, 'x')); },
       Bytes({12, 0, 1, 0, 0}) + std::string(256, 'x')},
      {"extended", [](TPropertyWriter& w) { w.WriteExtended("P", 1.0); }, Bytes({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})},
      {"list", [](TPropertyWriter& w) { w.WriteList("P", {"a", ""}); }, Bytes({1, 6, 1, 'a', 18, 0, 0, 0, 0, 0})},
      {"binary", [](TPropertyWriter& w) { w.WriteBinary("P", "xy"); }, Bytes({10, 2, 0, 0, 0, 'x', 'y'})},
  };
  for (const Case& c : cases) {
    const std::string bytes = Written(c.write);
    EXPECT_EQ(bytes, "\x01P" + c.value) << c.what;
    // Every value reads back as written.
    TMemoryStream s(std::string("TPF0\x01T\x00", 7) + bytes + Bytes({0, 0}));
    const TPropertyRecord rec = TPropertyReader(s).ReadRecord();
    ASSERT_EQ(rec.Properties.size(), 1U) << c.what;
    EXPECT_EQ(Written([&](TPropertyWriter& w) {
                const TPropertyValue& v = rec.Properties[0];
                switch (v.Type) {
                  case TValueType::vaInt8: case TValueType::vaInt16: case TValueType::vaInt32:
                    w.WriteInteger(v.Name, v.Int); break;
                  case TValueType::vaFalse: case TValueType::vaTrue: w.WriteBoolean(v.Name, v.AsBoolean()); break;
                  case TValueType::vaIdent: w.WriteIdent(v.Name, v.Text); break;
                  case TValueType::vaSet: w.WriteSet(v.Name, v.Items); break;
                  case TValueType::vaExtended: w.WriteExtended(v.Name, v.Ext); break;
                  case TValueType::vaList: w.WriteList(v.Name, v.Items); break;
                  case TValueType::vaBinary: w.WriteBinary(v.Name, v.Text); break;
                  default: w.WriteString(v.Name, v.AsString());
                }
              }),
              bytes)
        << c.what;
  }
}

TEST(PropertyStreamTest, ColoursReadByNameOrNumber) {
  TMemoryStream s(Written([](TPropertyWriter& w) {
    w.BeginRecord("T");
    w.WriteColor("A", clBtnFace);
    w.WriteColor("B", 0x00123456);
    w.WriteIdent("C", "notAColour");
    w.EndRecord();
  }));
  const TPropertyRecord rec = TPropertyReader(s).ReadRecord();
  EXPECT_EQ(rec.Find("A")->AsColor(), clBtnFace);
  EXPECT_EQ(rec.Find("B")->AsColor(), 0x00123456);
  EXPECT_THROW(rec.Find("C")->AsColor(), EReadError);
  EXPECT_THROW(rec.Find("B")->AsString(), EReadError);
  EXPECT_EQ(rec.Find("D"), nullptr);
}

std::string Ext(double V) {
  std::uint8_t b[10];
  DoubleToExtended(V, b);
  return std::string(reinterpret_cast<const char*>(b), 10);
}

double FromExt(std::uint64_t Mant, unsigned SignExp) {
  std::uint8_t b[10];
  for (int i = 0; i < 8; ++i) b[i] = static_cast<std::uint8_t>(Mant >> (8 * i));
  b[8] = static_cast<std::uint8_t>(SignExp);
  b[9] = static_cast<std::uint8_t>(SignExp >> 8);
  return ExtendedToDouble(b);
}

TEST(PropertyStreamTest, ExtendedNumbersConvertExactlyAndRoundToNearestEven) {
  using L = std::numeric_limits<double>;
  EXPECT_EQ(Ext(0.1), Bytes({0x00, 0xD0, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}));
  EXPECT_EQ(Ext(-2.0), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}));
  EXPECT_EQ(Ext(0.0), std::string(10, '\0'));
  // The smallest subnormal double is 2^-1074, a normal extended number.
  EXPECT_EQ(Ext(L::denorm_min()), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xCD, 0x3B}));
  for (double v : {0.0, -0.0, 1.0, -2.5, 3.141592653589793, 1e300, -1e-300, L::max(), L::min(), L::denorm_min(),
                   L::denorm_min() * 12345, L::infinity(), -L::infinity()}) {
    std::uint8_t b[10];
    DoubleToExtended(v, b);
    const double back = ExtendedToDouble(b);
    EXPECT_EQ(back, v) << v;
    EXPECT_EQ(std::signbit(back), std::signbit(v)) << v;
  }
  std::uint8_t nan[10];
  DoubleToExtended(L::quiet_NaN(), nan);
  EXPECT_TRUE(std::isnan(ExtendedToDouble(nan)));

  const std::uint64_t one = std::uint64_t{1} << 63;
  EXPECT_EQ(FromExt(one | 0x400, 0x3FFF), 1.0);                                  // a half: to even
  EXPECT_EQ(FromExt(one | 0xC00, 0x3FFF), 1.0 + 2 * L::epsilon());               // a half: to even, up
  EXPECT_EQ(FromExt(one | 0x401, 0x3FFF), 1.0 + L::epsilon());                   // above a half
  EXPECT_EQ(FromExt(~std::uint64_t{0}, 0x3FFF), 2.0);                            // carries into the exponent
  EXPECT_EQ(FromExt(one, 0x3FFF + 1024), L::infinity());                         // beyond the range
  EXPECT_EQ(FromExt(one, 0xBFFF + 1024), -L::infinity());
  EXPECT_EQ(FromExt(one, 0x3FFF - 1075), 0.0);                                   // half the smallest: to even
  EXPECT_EQ(FromExt(one | 1, 0x3FFF - 1075), L::denorm_min());
  EXPECT_EQ(FromExt(one, 0x3FFF - 2000), 0.0);
  EXPECT_EQ(FromExt(one >> 1, 0), 0.0);                                          // an extended subnormal
}

TEST(PropertyStreamTest, BrokenRecordsFailWithTheReadError) {
  const std::string good = Written([](TPropertyWriter& w) {
    w.BeginRecord("TGridCellIO");
    w.WriteString("Cell", "text");
    w.WriteExtended("V", 2.5);
    w.WriteList("L", {"a", "b"});
    w.WriteBinary("B", "data");
    w.WriteSet("S", {"fsBold"});
    w.EndRecord();
  });
  {
    TMemoryStream s(good);
    const TPropertyRecord rec = TPropertyReader(s).ReadRecord();
    EXPECT_EQ(rec.ClassName, "TGridCellIO");
    EXPECT_EQ(rec.Find("V")->Ext, 2.5);
    EXPECT_EQ(rec.Find("L")->Items, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(s.Position(), s.Size());
  }
  // Every record cut short fails.
  for (std::size_t n = 0; n < good.size(); ++n) {
    TMemoryStream s(good.substr(0, n));
    EXPECT_THROW(TPropertyReader(s).ReadRecord(), EReadError) << n;
  }
  const std::vector<std::string> bad{
      "TPF1" + good.substr(4),                                               // no signature
      std::string("TPF0\x01T\x00\x01P\x63", 10) + Bytes({0, 0}),             // an unknown tag
      std::string("TPF0\x01T\x00\x01P\x0A", 10) + Bytes({0xFF, 0xFF, 0xFF, 0x7F}),  // a length beyond the stream
      std::string("TPF0\x01T\x00\x01P\x12", 10) + Bytes({0xFF, 0xFF, 0xFF, 0xFF}),  // a negative count
      std::string("TPF0\x01T\x00\x00\x01", 9),                               // a child object
  };
  for (const std::string& b : bad) {
    TMemoryStream s(b);
    EXPECT_THROW(TPropertyReader(s).ReadRecord(), EReadError);
  }
}

TEST(PropertyStreamTest, FileStreamsAreLeftRightAfterEachRecord) {
  testkit::TempFolder dir;
  const std::string big(1000, 'x');
  const std::string bytes = Written([&](TPropertyWriter& w) {
    w.BeginRecord("A");
    w.WriteString("S", big);
    w.EndRecord();
    w.BeginRecord("B");
    w.WriteInteger("I", 5);
    w.EndRecord();
  });
  const std::string path = dir.Write("r.bin", bytes + "\x01");
  TFileStream f(path, fmOpenRead);
  TPropertyReader r(f);
  EXPECT_EQ(r.ReadRecord().Find("S")->AsString(), big);
  EXPECT_EQ(f.Position(), static_cast<std::int64_t>(bytes.size()) - 13);
  EXPECT_EQ(r.ReadRecord().Find("I")->AsInteger(), 5);
  EXPECT_EQ(f.Position(), static_cast<std::int64_t>(bytes.size()));
  EXPECT_THROW(r.ReadRecord(), EReadError);
}

}  // namespace
}  // namespace hd

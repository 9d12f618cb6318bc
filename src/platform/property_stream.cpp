// Property records on streams.
#include "platform/property_stream.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/color_idents.h"
#include "platform/exceptions.h"
#include "platform/text_file.h"

namespace hd {

namespace {

constexpr char kSignature[4] = {'T', 'P', 'F', '0'};

// The code points of valid UTF-8 (anything else is first read as Windows-1252).
std::u32string CodePoints(const std::string& Utf8) {
  const std::string s = ValidUtf8(Utf8);
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    const int len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    char32_t cp = len == 1 ? b : b & (len == 4 ? 0x07 : len == 3 ? 0x0F : 0x1F);
    for (int k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0x3F);
    out += cp;
    i += static_cast<std::size_t>(len);
  }
  return out;
}

std::string Utf16Units(const std::string& Utf8, std::int32_t& Count) {
  std::string out;
  Count = 0;
  const auto unit = [&](char16_t u) {
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
    ++Count;
  };
  for (char32_t cp : CodePoints(Utf8)) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      unit(static_cast<char16_t>(0xD800 + (cp >> 10)));
      unit(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      unit(static_cast<char16_t>(cp));
    }
  }
  return out;
}

void AppendUtf8(std::string& Out, char32_t Cp) {
  if (Cp >= 0xD800 && Cp < 0xE000) Cp = 0xFFFD;
  if (Cp < 0x80) {
    Out += static_cast<char>(Cp);
  } else if (Cp < 0x800) {
    Out += static_cast<char>(0xC0 | (Cp >> 6));
    Out += static_cast<char>(0x80 | (Cp & 0x3F));
  } else if (Cp < 0x10000) {
    Out += static_cast<char>(0xE0 | (Cp >> 12));
    Out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Cp & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (Cp >> 18));
    Out += static_cast<char>(0x80 | ((Cp >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (Cp & 0x3F));
  }
}

// UTF-16 little-endian units as UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::string& Units) {
  std::string out;
  for (std::size_t i = 0; i + 1 < Units.size(); i += 2) {
    char32_t u = static_cast<unsigned char>(Units[i]) | (static_cast<unsigned char>(Units[i + 1]) << 8);
    if (u >= 0xD800 && u < 0xDC00 && i + 3 < Units.size()) {
      const char32_t lo = static_cast<unsigned char>(Units[i + 2]) | (static_cast<unsigned char>(Units[i + 3]) << 8);
      if (lo >= 0xDC00 && lo < 0xE000) {
        u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
        i += 2;
      }
    }
    AppendUtf8(out, u);
  }
  return out;
}

[[noreturn]] void ReadFault(const std::string& What) { throw EReadError(What); }

}  // namespace

void DoubleToExtended(double Value, std::uint8_t Out[10]) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(Value);
  const unsigned sign = static_cast<unsigned>(bits >> 63);
  const int exp = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t frac = bits & ((std::uint64_t{1} << 52) - 1);
  std::uint64_t mant = 0;
  unsigned eexp = 0;
  if (exp == 0x7FF) {
    eexp = 0x7FFF;
    mant = (std::uint64_t{1} << 63) | (frac << 11);
  } else if (exp == 0 && frac != 0) {
    // A subnormal double is a normal extended number.
    const int top = 63 - std::countl_zero(frac);
    mant = frac << (63 - top);
    eexp = static_cast<unsigned>(top - 1074 + 16383);
  } else if (exp != 0) {
    mant = (std::uint64_t{1} << 63) | (frac << 11);
    eexp = static_cast<unsigned>(exp - 1023 + 16383);
  }
  for (int i = 0; i < 8; ++i) Out[i] = static_cast<std::uint8_t>(mant >> (8 * i));
  const unsigned se = (sign << 15) | eexp;
  Out[8] = static_cast<std::uint8_t>(se & 0xFF);
  Out[9] = static_cast<std::uint8_t>(se >> 8);
}

double ExtendedToDouble(const std::uint8_t In[10]) {
  std::uint64_t mant = 0;
  for (int i = 0; i < 8; ++i) mant |= static_cast<std::uint64_t>(In[i]) << (8 * i);
  const unsigned se = In[8] | (static_cast<unsigned>(In[9]) << 8);
  const std::uint64_t sign = static_cast<std::uint64_t>(se >> 15) << 63;
  const unsigned eexp = se & 0x7FFF;
  const std::uint64_t inf = sign | (std::uint64_t{0x7FF} << 52);
  if (eexp == 0x7FFF) {
    if ((mant << 1) == 0) return std::bit_cast<double>(inf);
    return std::bit_cast<double>(inf | (std::uint64_t{1} << 51) | ((mant << 1) >> 12));
  }
  if (mant == 0) return std::bit_cast<double>(sign);
  int e = eexp == 0 ? -16382 : static_cast<int>(eexp) - 16383;
  const int shift = std::countl_zero(mant);
  mant <<= shift;
  e -= shift;
  if (e > 1023) return std::bit_cast<double>(inf);
  // Rounds away `Drop` low bits, to the nearest, halves to even.
  const auto round = [](std::uint64_t M, int Drop) -> std::uint64_t {
    if (Drop >= 65) return 0;
    if (Drop == 64) return M > (std::uint64_t{1} << 63) ? 1 : 0;
    const std::uint64_t q = M >> Drop;
    const std::uint64_t rem = M & ((std::uint64_t{1} << Drop) - 1);
    const std::uint64_t half = std::uint64_t{1} << (Drop - 1);
    return rem > half || (rem == half && (q & 1)) ? q + 1 : q;
  };
  if (e >= -1022) {
    std::uint64_t m = round(mant, 11);
    if (m == (std::uint64_t{1} << 53)) {
      m >>= 1;
      if (++e > 1023) return std::bit_cast<double>(inf);
    }
    return std::bit_cast<double>(sign | (static_cast<std::uint64_t>(e + 1023) << 52) | (m & ((std::uint64_t{1} << 52) - 1)));
  }
  // Below the normal range: a subnormal double (a carry into bit 52 is the smallest normal one).
  return std::bit_cast<double>(sign | round(mant, 11 + (-1022 - e)));
}

bool TPropertyValue::IsInteger() const {
  return Type == TValueType::vaInt8 || Type == TValueType::vaInt16 || Type == TValueType::vaInt32;
}

bool TPropertyValue::IsString() const {
  return Type == TValueType::vaString || Type == TValueType::vaLString || Type == TValueType::vaWString ||
         Type == TValueType::vaUTF8String;
}

std::int64_t TPropertyValue::AsInteger() const {
  if (!IsInteger()) ReadFault("Invalid property value of " + Name);
  return Int;
}

bool TPropertyValue::AsBoolean() const {
  if (Type != TValueType::vaFalse && Type != TValueType::vaTrue) ReadFault("Invalid property value of " + Name);
  return Type == TValueType::vaTrue;
}

const std::string& TPropertyValue::AsString() const {
  if (!IsString()) ReadFault("Invalid property value of " + Name);
  return Text;
}

const std::string& TPropertyValue::AsIdent() const {
  if (Type != TValueType::vaIdent) ReadFault("Invalid property value of " + Name);
  return Text;
}

TColor TPropertyValue::AsColor() const {
  if (IsInteger()) return static_cast<TColor>(Int);
  TColor c = 0;
  if (Type != TValueType::vaIdent || !IdentToColor(Text, c)) ReadFault("Invalid property value of " + Name);
  return c;
}

const TPropertyValue* TPropertyRecord::Find(const std::string& Name) const {
  for (const TPropertyValue& p : Properties)
    if (p.Name == Name) return &p;
  return nullptr;
}

void TPropertyWriter::WriteName(const std::string& Text) {
  if (Text.size() > 255) throw EWriteError("Name too long for a property record: " + Text.substr(0, 32));
  Byte(static_cast<std::uint8_t>(Text.size()));
  out_.append(Text);
}

void TPropertyWriter::Int32(std::int32_t V) {
  const auto u = static_cast<std::uint32_t>(V);
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                             static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
  out_.append(reinterpret_cast<const char*>(b), 4);
}

void TPropertyWriter::BeginRecord(const std::string& ClassName) {
  out_.append(kSignature, 4);
  open_ = true;
  WriteName(ClassName);
  Byte(0);
}

void TPropertyWriter::EndRecord() {
  Byte(0);
  Byte(0);
  open_ = false;
  Settle();
}

void TPropertyWriter::Settle() {
  // A record goes to the stream in one piece.
  if (open_ || out_.empty()) return;
  s_.WriteBuffer(out_.data(), static_cast<std::int64_t>(out_.size()));
  out_.clear();
}

void TPropertyWriter::WriteInteger(const std::string& Name, std::int64_t Value) {
  WriteName(Name);
  if (Value >= -128 && Value <= 127) {
    Byte(static_cast<std::uint8_t>(TValueType::vaInt8));
    Byte(static_cast<std::uint8_t>(static_cast<std::int8_t>(Value)));
  } else if (Value >= -32768 && Value <= 32767) {
    Byte(static_cast<std::uint8_t>(TValueType::vaInt16));
    const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(Value));
    Byte(static_cast<std::uint8_t>(u));
    Byte(static_cast<std::uint8_t>(u >> 8));
  } else {
    Byte(static_cast<std::uint8_t>(TValueType::vaInt32));
    Int32(static_cast<std::int32_t>(Value));
  }
  Settle();
}

void TPropertyWriter::WriteBoolean(const std::string& Name, bool Value) {
  WriteName(Name);
  Byte(static_cast<std::uint8_t>(Value ? TValueType::vaTrue : TValueType::vaFalse));
  Settle();
}

void TPropertyWriter::WriteIdent(const std::string& Name, const std::string& Ident) {
  WriteName(Name);
  Byte(static_cast<std::uint8_t>(TValueType::vaIdent));
  WriteName(Ident);
  Settle();
}

void TPropertyWriter::WriteSet(const std::string& Name, const std::vector<std::string>& Members) {
  WriteName(Name);
  Byte(static_cast<std::uint8_t>(TValueType::vaSet));
  for (const std::string& m : Members) WriteName(m);
  Byte(0);
  Settle();
}

void TPropertyWriter::WriteColor(const std::string& Name, TColor Value) {
  std::string ident;
  if (ColorToIdent(Value, ident)) WriteIdent(Name, ident);
  else WriteInteger(Name, static_cast<std::int32_t>(Value));
}

void TPropertyWriter::WriteStringValue(const std::string& Utf8) {
  // Plain ASCII, the common case, is never wide.
  if (!Utf8.empty() && std::none_of(Utf8.begin(), Utf8.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
    if (Utf8.size() >= 256) {
      Byte(static_cast<std::uint8_t>(TValueType::vaLString));
      Int32(static_cast<std::int32_t>(Utf8.size()));
    } else {
      Byte(static_cast<std::uint8_t>(TValueType::vaString));
      Byte(static_cast<std::uint8_t>(Utf8.size()));
    }
    out_.append(Utf8);
    Settle();
    return;
  }
  std::int32_t count = 0;
  const std::string units = Utf16Units(Utf8, count);
  const std::size_t n = Utf8.size();
  if (n >= 2 * static_cast<std::size_t>(count)) {
    Byte(static_cast<std::uint8_t>(TValueType::vaWString));
    Int32(count);
    out_.append(units);
  } else if (std::any_of(Utf8.begin(), Utf8.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
    Byte(static_cast<std::uint8_t>(TValueType::vaUTF8String));
    Int32(static_cast<std::int32_t>(n));
    out_.append(Utf8);
  } else if (n >= 256) {
    Byte(static_cast<std::uint8_t>(TValueType::vaLString));
    Int32(static_cast<std::int32_t>(n));
    out_.append(Utf8);
  } else {
    Byte(static_cast<std::uint8_t>(TValueType::vaString));
    Byte(static_cast<std::uint8_t>(n));
    out_.append(Utf8);
  }
  Settle();
}

void TPropertyWriter::WriteString(const std::string& Name, const std::string& Utf8) {
  WriteName(Name);
  WriteStringValue(Utf8);
  Settle();
}

void TPropertyWriter::WriteExtended(const std::string& Name, double Value) {
  WriteName(Name);
  Byte(static_cast<std::uint8_t>(TValueType::vaExtended));
  std::uint8_t b[10];
  DoubleToExtended(Value, b);
  out_.append(reinterpret_cast<const char*>(b), 10);
  Settle();
}

void TPropertyWriter::WriteList(const std::string& Name, const std::vector<std::string>& Items) {
  WriteName(Name);
  Byte(static_cast<std::uint8_t>(TValueType::vaList));
  for (const std::string& item : Items) WriteStringValue(item);
  Byte(0);
  Settle();
}

void TPropertyWriter::WriteBinary(const std::string& Name, const std::string& Bytes) {
  WriteName(Name);
  Byte(static_cast<std::uint8_t>(TValueType::vaBinary));
  Int32(static_cast<std::int32_t>(Bytes.size()));
  out_.append(Bytes);
  Settle();
}

void TPropertyReader::Begin() {
  start_ = s_.Position();
  at_ = 0;
  buf_.clear();
  if (auto* ms = dynamic_cast<TMemoryStream*>(&s_)) {
    // Read in place: no copy of a memory stream's bytes.
    data_ = ms->Bytes().data() + start_;
    avail_ = static_cast<std::size_t>(std::max<std::int64_t>(0, ms->Size() - start_));
    memory_ = true;
  } else {
    data_ = nullptr;
    avail_ = 0;
    memory_ = false;
  }
}

void TPropertyReader::Finish() { s_.SetPosition(start_ + static_cast<std::int64_t>(at_)); }

const char* TPropertyReader::Take(std::size_t Count) {
  if (avail_ - at_ < Count) {
    if (memory_) ReadFault("Stream read error");
    // A length beyond what the stream holds fails before anything is allocated for it.
    const std::int64_t left = s_.Size() - (start_ + static_cast<std::int64_t>(avail_));
    const std::size_t missing = Count - (avail_ - at_);
    if (left < 0 || static_cast<std::uint64_t>(left) < missing) ReadFault("Stream read error");
    const std::size_t chunk = std::min<std::size_t>(static_cast<std::size_t>(left), std::max<std::size_t>(missing, 256));
    s_.SetPosition(start_ + static_cast<std::int64_t>(avail_));
    buf_.resize(avail_ + chunk);
    s_.ReadBuffer(buf_.data() + avail_, static_cast<std::int64_t>(chunk));
    avail_ += chunk;
    data_ = buf_.data();
  }
  const char* p = data_ + at_;
  at_ += Count;
  return p;
}

std::uint8_t TPropertyReader::Byte() { return static_cast<std::uint8_t>(*Take(1)); }

std::int32_t TPropertyReader::Int32() {
  const auto* b = reinterpret_cast<const std::uint8_t*>(Take(4));
  return static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
}

std::string TPropertyReader::ReadBytes(std::int64_t Count) {
  if (Count < 0) ReadFault("Stream read error");
  if (Count == 0) return {};
  return std::string(Take(static_cast<std::size_t>(Count)), static_cast<std::size_t>(Count));
}

std::string TPropertyReader::ReadShort() { return ReadBytes(Byte()); }

std::string TPropertyReader::ReadStringValue(TValueType Type) {
  switch (Type) {
    case TValueType::vaString:
      return ReadShort();
    case TValueType::vaLString:
    case TValueType::vaUTF8String:
      return ValidUtf8(ReadBytes(Int32()));
    case TValueType::vaWString: {
      const std::int32_t count = Int32();
      if (count < 0) ReadFault("Stream read error");
      return Utf16ToUtf8(ReadBytes(std::int64_t{count} * 2));
    }
    default:
      ReadFault("Invalid property value");
  }
}

TPropertyValue TPropertyReader::ReadValue(TValueType Type) {
  TPropertyValue v;
  v.Type = Type;
  switch (Type) {
    case TValueType::vaInt8:
      v.Int = static_cast<std::int8_t>(Byte());
      break;
    case TValueType::vaInt16: {
      const std::uint16_t lo = Byte();
      v.Int = static_cast<std::int16_t>(lo | (Byte() << 8));
      break;
    }
    case TValueType::vaInt32:
      v.Int = Int32();
      break;
    case TValueType::vaExtended: {
      v.Ext = ExtendedToDouble(reinterpret_cast<const std::uint8_t*>(Take(10)));
      break;
    }
    case TValueType::vaFalse:
    case TValueType::vaTrue:
      break;
    case TValueType::vaIdent:
      v.Text = ReadShort();
      break;
    case TValueType::vaSet:
      for (std::string m = ReadShort(); !m.empty(); m = ReadShort()) v.Items.push_back(m);
      break;
    case TValueType::vaString:
    case TValueType::vaLString:
    case TValueType::vaWString:
    case TValueType::vaUTF8String:
      v.Text = ReadStringValue(Type);
      break;
    case TValueType::vaList:
      for (auto t = static_cast<TValueType>(Byte()); t != TValueType::vaNull; t = static_cast<TValueType>(Byte()))
        v.Items.push_back(ReadStringValue(t));
      break;
    case TValueType::vaBinary:
      v.Text = ReadBytes(Int32());
      break;
    default:
      ReadFault("Invalid property value");
  }
  return v;
}

TPropertyRecord TPropertyReader::ReadRecord() {
  Begin();
  // The stream stands after what was read, also when the record is broken.
  struct TFinish {
    TPropertyReader& r;
    ~TFinish() { r.Finish(); }
  } finish{*this};
  if (std::memcmp(Take(4), kSignature, 4) != 0) ReadFault("Invalid stream format");
  TPropertyRecord rec;
  rec.ClassName = ReadShort();
  ReadShort();  // the object name
  for (std::string name = ReadShort(); !name.empty(); name = ReadShort()) {
    TPropertyValue v = ReadValue(static_cast<TValueType>(Byte()));
    v.Name = std::move(name);
    rec.Properties.push_back(std::move(v));
  }
  if (Byte() != 0) ReadFault("Invalid stream format");  // child objects are never written
  return rec;
}

}  // namespace hd

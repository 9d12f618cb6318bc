// Objects as records of named, tagged property values: the binary form components are kept in
// on streams and on the clipboard. A record is "TPF0", the class name, an empty object name,
// the properties in the order they are written (each its dotted name and a tagged value), and
// two zero bytes. All numbers are little endian.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/streams.h"
#include "platform/types.h"

namespace hd {

// The value tags.
enum class TValueType : std::uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaWString = 18,
  vaUTF8String = 20,
};

// An 80-bit extended-precision number from a double and back, exactly where it fits: every
// double converts without loss; an extended one beyond the double's range becomes an infinity,
// a finer one is rounded to the nearest double (halves to even).
void DoubleToExtended(double Value, std::uint8_t Out[10]);
double ExtendedToDouble(const std::uint8_t In[10]);

// One property as read: its name, its tag and the value the tag carries.
struct TPropertyValue {
  std::string Name;
  TValueType Type = TValueType::vaNull;
  std::int64_t Int = 0;             // vaInt8, vaInt16, vaInt32
  double Ext = 0;                   // vaExtended
  std::string Text;                 // strings (UTF-8), identifiers, binary data
  std::vector<std::string> Items;   // set members, list strings

  bool IsInteger() const;
  bool IsString() const;
  // The value as an integer, Boolean or string; EReadError when the tag holds another kind.
  std::int64_t AsInteger() const;
  bool AsBoolean() const;
  const std::string& AsString() const;
  const std::string& AsIdent() const;
  // An identifier naming a standard colour, or an integer.
  TColor AsColor() const;
};

struct TPropertyRecord {
  std::string ClassName;
  std::vector<TPropertyValue> Properties;
  // The property of that name, or null.
  const TPropertyValue* Find(const std::string& Name) const;
};

class TPropertyWriter {
 public:
  explicit TPropertyWriter(TStream& Stream) : s_(Stream) {}

  // "TPF0", the class name and the empty object name.
  void BeginRecord(const std::string& ClassName);
  // The end of the properties and of the (empty) list of children.
  void EndRecord();

  // By size: tag 2 with one byte, 3 with two, else 4 with four.
  void WriteInteger(const std::string& Name, std::int64_t Value);
  void WriteBoolean(const std::string& Name, bool Value);
  // Enumerations by their value's name.
  void WriteIdent(const std::string& Name, const std::string& Ident);
  void WriteSet(const std::string& Name, const std::vector<std::string>& Members);
  // A standard colour by its name, any other as an integer.
  void WriteColor(const std::string& Name, TColor Value);
  // The smallest form that holds the text (see WriteStringValue).
  void WriteString(const std::string& Name, const std::string& Utf8);
  void WriteExtended(const std::string& Name, double Value);
  void WriteList(const std::string& Name, const std::vector<std::string>& Items);
  void WriteBinary(const std::string& Name, const std::string& Bytes);

  // A string value with its tag: UTF-16 when its UTF-8 form takes at least two bytes per
  // character, else UTF-8 when it holds a byte above 127, else a long or a short plain string.
  void WriteStringValue(const std::string& Utf8);

 private:
  void WriteName(const std::string& Text);
  void Byte(std::uint8_t B) { out_ += static_cast<char>(B); }
  void Int32(std::int32_t V);
  // Hands what is buffered to the stream unless a record is open.
  void Settle();
  TStream& s_;
  std::string out_;
  bool open_ = false;
};

class TPropertyReader {
 public:
  explicit TPropertyReader(TStream& Stream) : s_(Stream) {}
  // One whole record; EReadError for a record without its signature, a value of an unknown
  // tag, or a stream that ends inside the record.
  TPropertyRecord ReadRecord();

 private:
  TPropertyValue ReadValue(TValueType Type);
  std::string ReadStringValue(TValueType Type);
  std::string ReadShort();
  std::string ReadBytes(std::int64_t Count);
  std::uint8_t Byte();
  std::int32_t Int32();
  // The next Count bytes of the record; EReadError when the stream ends first.
  const char* Take(std::size_t Count);
  void Begin();
  void Finish();
  TStream& s_;
  // A memory stream is read in place; another one through buf_.
  const char* data_ = nullptr;
  std::size_t avail_ = 0, at_ = 0;
  std::int64_t start_ = 0;
  bool memory_ = false;
  std::string buf_;
};

}  // namespace hd

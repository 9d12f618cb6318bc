#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/exceptions.h"
#include "platform/float_format_p.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

// Written-out widths and precisions stop growing at six digits; a "*" value beyond that is
// refused rather than padded to gigabytes.
constexpr std::int64_t kMaxWidth = 999999;

// One "%..." directive of a format text.
struct Directive {
  bool leftAlign = false;
  int width = -1;
  int precision = -1;
  char type = '\0';
};

class Formatter {
 public:
  Formatter(const std::string& format, std::initializer_list<TFormatArg> args, const TFormatSettings& fs)
      : format_(format), args_(args.begin(), args.end()), fs_(fs) {}

  std::string Run() {
    std::string out;
    for (size_t i = 0; i < format_.size();) {
      if (format_[i] != '%') {
        out += format_[i++];
      } else if (i + 1 < format_.size() && format_[i + 1] == '%') {
        out += '%';
        i += 2;
      } else {
        ++i;
        Directive d = ReadDirective(i);
        out += Pad(Convert(d), d);
      }
    }
    return out;
  }

 private:
  [[noreturn]] void Invalid() const {
    throw EConvertError("Format '" + format_ + "' invalid or incompatible with argument");
  }

  const TFormatArg& NextArg() {
    if (next_ >= args_.size()) throw EConvertError("No argument for format '" + format_ + "'");
    return args_[next_++];
  }

  // A run of digits, or "*" taking the next integer argument; -1 when neither is there.
  int ReadNumber(size_t& i) {
    if (i < format_.size() && format_[i] == '*') {
      ++i;
      const auto* v = std::get_if<std::int64_t>(&NextArg().Value());
      if (!v || *v > kMaxWidth || *v < -kMaxWidth) Invalid();
      return static_cast<int>(*v);
    }
    if (i >= format_.size() || format_[i] < '0' || format_[i] > '9') return -1;
    int n = 0;
    for (; i < format_.size() && format_[i] >= '0' && format_[i] <= '9'; ++i)
      if (n * 10 + 9 <= kMaxWidth) n = n * 10 + (format_[i] - '0');
    return n;
  }

  Directive ReadDirective(size_t& i) {
    Directive d;
    int n = ReadNumber(i);
    if (n >= 0 && i < format_.size() && format_[i] == ':') {
      next_ = static_cast<size_t>(n);
      ++i;
      n = -1;
    }
    if (n < 0) {
      if (i < format_.size() && format_[i] == '-') {
        d.leftAlign = true;
        ++i;
      }
      n = ReadNumber(i);
    }
    d.width = n;
    if (i < format_.size() && format_[i] == '.') {
      ++i;
      d.precision = ReadNumber(i);
    }
    if (i >= format_.size()) Invalid();
    d.type = static_cast<char>(format_[i] >= 'A' && format_[i] <= 'Z' ? format_[i] + 32 : format_[i]);
    ++i;
    return d;
  }

  std::string Convert(const Directive& d) {
    const auto& v = NextArg().Value();
    const auto* i = std::get_if<std::int64_t>(&v);
    const auto* f = std::get_if<double>(&v);
    const auto* s = std::get_if<std::string>(&v);
    switch (d.type) {
      case 'd':
        if (!i) Invalid();
        return IntegerText(*i < 0, std::to_string(*i < 0 ? -static_cast<std::uint64_t>(*i) : static_cast<std::uint64_t>(*i)), d);
      case 'u':
        if (!i) Invalid();
        return IntegerText(false, std::to_string(Pattern(*i)), d);
      case 'x':
        if (!i) Invalid();
        return IntegerText(false, IntToHex(Pattern(*i), 0), d);
      case 'e':
      case 'f':
      case 'g':
      case 'n':
      case 'm':
        if (s) Invalid();
        return FloatText(f ? *f : static_cast<double>(*i), d);
      case 's':
        if (!s) Invalid();
        return d.precision >= 0 && static_cast<size_t>(d.precision) < s->size() ? s->substr(0, static_cast<size_t>(d.precision)) : *s;
      default:
        Invalid();
    }
  }

  // Negative values of 32-bit range read as their 32-bit pattern, as the platform's integers do.
  static std::uint64_t Pattern(std::int64_t v) {
    if (v < 0 && v >= INT32_MIN) return static_cast<std::uint32_t>(v);
    return static_cast<std::uint64_t>(v);
  }

  static std::string IntegerText(bool negative, std::string digits, const Directive& d) {
    if (d.precision > 0 && static_cast<int>(digits.size()) < d.precision)
      digits.insert(0, static_cast<size_t>(d.precision) - digits.size(), '0');
    return negative ? "-" + digits : digits;
  }

  std::string FloatText(double value, const Directive& d) const {
    if (!std::isfinite(value)) return FloatToText(value, ffGeneral, 15, 0, fs_);
    const int prec = d.precision;
    switch (d.type) {
      case 'e':
        return FloatToText(value, ffExponent, prec < 0 ? 15 : prec, 3, fs_);
      case 'g':
        return FloatToText(value, ffGeneral, prec < 0 ? 15 : prec, 0, fs_);
      default: {
        // Fixed forms keep the point for any size the 64-bit range can show.
        int decimals = prec < 0 ? (d.type == 'm' ? fs_.CurrencyDecimals : 2) : (prec > 18 ? 18 : prec);
        DecimalNumber dn = ToDecimal(value, 15, decimals);
        if (dn.exponent > 18) return FloatToText(value, ffGeneral, 15, 0, fs_);
        std::string amount = FixedDigits(dn, decimals, d.type == 'f' ? '\0' : fs_.ThousandSeparator, fs_.DecimalSeparator);
        if (d.type == 'm') return CurrencyText(amount, dn.negative, fs_);
        return dn.negative ? "-" + amount : amount;
      }
    }
  }

  static std::string Pad(const std::string& text, const Directive& d) {
    if (d.width <= 0 || static_cast<int>(text.size()) >= d.width) return text;
    std::string fill(static_cast<size_t>(d.width) - text.size(), ' ');
    return d.leftAlign ? text + fill : fill + text;
  }

  const std::string& format_;
  std::vector<TFormatArg> args_;
  const TFormatSettings& fs_;
  size_t next_ = 0;
};

}  // namespace

std::string Format(const std::string& format, std::initializer_list<TFormatArg> args, const TFormatSettings& fs) {
  return Formatter(format, args, fs).Run();
}

std::string Format(const std::string& format, std::initializer_list<TFormatArg> args) {
  return Format(format, args, FormatSettings());
}

}  // namespace hd

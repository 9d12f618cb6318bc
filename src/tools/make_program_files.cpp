// Writes the files the program ships beside its executable: LANGUAGE/English.lng from the
// built-in texts, the flag pictures English.bmp and DefaultFlag.bmp, and the MASTER folder
// where the firmware images go. Run by the build with the program folder as its argument.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <string_view>

#include "app/english_texts.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTextCount = 2500;
constexpr std::string_view kPilcrow = "\xC2\xB6";
constexpr int kFlagWidth = 42;
constexpr int kFlagHeight = 28;

struct Rgb {
  std::uint8_t r, g, b;
};

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// The line that gives the text back through the language-file reader: a text with blanks or
// control characters at either end is held between two pilcrows.
bool LngLine(int number, const std::string& text, std::string& line) {
  if (text.find(kPilcrow) != std::string::npos || text.find("/#/") != std::string::npos) return false;
  const bool guarded = text.empty() || IsTrimmed(text.front()) || IsTrimmed(text.back());
  line = "STR" + std::to_string(number) + " = ";
  line += guarded ? std::string(kPilcrow) + text + std::string(kPilcrow) : text;
  return true;
}

bool WriteLanguageFile(const fs::path& file) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << "\xEF\xBB\xBF";  // the mark tells the reader the file is UTF-8
  out << "[English]\r\n";
  out << "Texts of the user interface, one per line: STR<number> = <text>.\r\n";
  out << "A text between two pilcrows keeps the blanks at its ends.\r\n\r\n";
  const auto texts = hd::English_Texts();
  auto next = texts.begin();
  for (int n = 0; n < kTextCount; ++n) {
    std::string text = " ";
    if (next != texts.end() && next->Number == n) text = (next++)->Text;
    std::string line;
    if (!LngLine(n, text, line)) {
      std::cerr << "text " << n << " cannot be written to a language file\n";
      return false;
    }
    out << line << "\r\n";
  }
  return static_cast<bool>(out);
}

void Put16(std::ofstream& out, std::uint16_t v) { out.put(char(v & 0xFF)).put(char(v >> 8)); }
void Put32(std::ofstream& out, std::uint32_t v) {
  Put16(out, std::uint16_t(v & 0xFFFF));
  Put16(out, std::uint16_t(v >> 16));
}

// A 24-bit bottom-up BMP of the picture given pixel by pixel.
bool WriteBmp(const fs::path& file, int w, int h, const std::function<Rgb(int x, int y)>& pixel) {
  const int stride = (w * 3 + 3) / 4 * 4;
  const std::uint32_t imageSize = std::uint32_t(stride * h);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.put('B').put('M');
  Put32(out, 54 + imageSize);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, std::uint32_t(w));
  Put32(out, std::uint32_t(h));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);
  Put32(out, imageSize);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const Rgb c = pixel(x, y);
      out.put(char(c.b)).put(char(c.g)).put(char(c.r));
    }
    for (int pad = w * 3; pad < stride; ++pad) out.put(0);
  }
  return static_cast<bool>(out);
}

bool OnBorder(int x, int y) { return x == 0 || y == 0 || x == kFlagWidth - 1 || y == kFlagHeight - 1; }

constexpr Rgb kFrame{96, 96, 96};

// A red cross on white.
Rgb EnglishFlag(int x, int y) {
  if (OnBorder(x, y)) return kFrame;
  const int half = 3;
  const int cx = kFlagWidth / 2, cy = kFlagHeight / 2;
  const bool cross = (x >= cx - half && x < cx + half) || (y >= cy - half && y < cy + half);
  return cross ? Rgb{200, 16, 46} : Rgb{255, 255, 255};
}

// A plain globe on pale blue, for languages without a flag of their own.
Rgb DefaultFlag(int x, int y) {
  if (OnBorder(x, y)) return kFrame;
  const double cx = (kFlagWidth - 1) / 2.0, cy = (kFlagHeight - 1) / 2.0, r = 9.5;
  const double dx = x - cx, dy = y - cy;
  const double d = std::hypot(dx, dy);
  const Rgb line{40, 70, 130};
  if (std::abs(d - r) < 0.75) return line;
  if (d < r) {
    const bool equator = std::abs(dy) < 0.5;
    const bool meridian = std::abs(dx) < 0.5;
    // An ellipse through the poles, half as wide as the globe.
    const bool curve = std::abs(std::hypot(dx * 2, dy) - r) < 0.9;
    if (equator || meridian || curve) return line;
    return Rgb{250, 250, 250};
  }
  return Rgb{170, 200, 235};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_program_files PROGRAM_FOLDER\n";
    return 2;
  }
  const fs::path program = argv[1];
  std::error_code ec;
  fs::create_directories(program / "LANGUAGE", ec);
  fs::create_directories(program / "MASTER", ec);
  if (!fs::is_directory(program / "LANGUAGE") || !fs::is_directory(program / "MASTER")) {
    std::cerr << "cannot create the folders in " << program << '\n';
    return 1;
  }
  const fs::path language = program / "LANGUAGE";
  if (!WriteLanguageFile(language / "English.lng")) return 1;
  if (!WriteBmp(language / "English.bmp", kFlagWidth, kFlagHeight, EnglishFlag)) return 1;
  if (!WriteBmp(language / "DefaultFlag.bmp", kFlagWidth, kFlagHeight, DefaultFlag)) return 1;
  return 0;
}

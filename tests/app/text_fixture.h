// Expected texts of the file-writer tests, written as raw-string fixtures.
#pragma once

#include <string>
#include <vector>

namespace hd::testing_app {

// Lines joined the way the writers save them: every line ended by CR LF.
inline std::string CrLfText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Splits a raw-string fixture at LF; the line end right after its opening quote is dropped,
// and its last line end adds no empty line.
inline std::vector<std::string> FixtureLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = text.starts_with('\n') ? 1 : 0;
  while (start < text.size()) {
    const auto end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace hd::testing_app

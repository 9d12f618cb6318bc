// The system clipboard: Unicode text and formats registered by name, each held as bytes.
// Every access goes through a sink: the program's is the windowing system's clipboard, where
// each format travels under a MIME type; tests install one that keeps the data in memory.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>


namespace hd {

using TClipboardFormat = unsigned;
// Standard formats keep the platform's numbers. Text in this layer is UTF-8: CF_TEXT and
// CF_UNICODETEXT name the same text.
constexpr TClipboardFormat CF_TEXT = 1, CF_UNICODETEXT = 13;

// The same number for the same name (case ignored) during the run; registered formats share
// the numbers of registered window messages, from 0xC000 up.
TClipboardFormat RegisterClipboardFormat(const std::string& name);
// The registered name of a format; empty for a standard or unknown number.
std::string ClipboardFormatName(TClipboardFormat format);

// The whole content of the clipboard: bytes per format.
using TClipboardData = std::map<TClipboardFormat, std::string>;

class TClipboardSink {
 public:
  virtual ~TClipboardSink() = default;
  // Replaces the content; an empty map empties the clipboard.
  virtual void SetData(const TClipboardData& data) = 0;
  virtual bool HasFormat(TClipboardFormat format) = 0;
  virtual std::optional<std::string> GetData(TClipboardFormat format) = 0;
  // The formats present now.
  virtual std::vector<TClipboardFormat> Formats() = 0;
};

// Installs a sink (not owned); nullptr restores the windowing system's. Returns the previous.
TClipboardSink* SetClipboardSink(TClipboardSink* sink);
TClipboardSink& ClipboardSink();

// The program's one clipboard object. Between Open and the matching Close the formats set
// make up one content (the first one set empties what was there), handed over at the last
// Close; a format set outside Open replaces the content on its own.
class TClipboard {
 public:
  void Open();
  void Close();
  void Clear();

  std::string AsText();
  void SetAsText(const std::string& text);
  bool HasFormat(TClipboardFormat format);
  // The bytes held under a format; empty when the format is absent.
  std::string GetAsBytes(TClipboardFormat format);
  void SetAsBytes(TClipboardFormat format, const std::string& bytes);
  int FormatCount();
  TClipboardFormat Formats(int index);

 private:
  void Adding();

  int open_count_ = 0;
  bool emptied_ = false;
  TClipboardData pending_;
};

TClipboard& Clipboard();

}  // namespace hd

#include "platform/clipboard.h"

#include <algorithm>

#include "platform/exceptions.h"
#include "platform/messages.h"
#include "platform/native_bridge_p.h"

namespace hd {
namespace {

TClipboardSink* g_sink = nullptr;

std::map<TClipboardFormat, std::string>& FormatNames() {
  static std::map<TClipboardFormat, std::string> names;
  return names;
}

// One text, whichever of the two text formats names it.
TClipboardFormat Normal(TClipboardFormat format) { return format == CF_TEXT ? CF_UNICODETEXT : format; }

}  // namespace

TClipboardFormat RegisterClipboardFormat(const std::string& name) {
  TClipboardFormat format = RegisterWindowMessage(name);
  FormatNames().try_emplace(format, name);
  return format;
}

std::string ClipboardFormatName(TClipboardFormat format) {
  auto it = FormatNames().find(format);
  return it == FormatNames().end() ? std::string() : it->second;
}

TClipboardSink* SetClipboardSink(TClipboardSink* sink) {
  TClipboardSink* previous = g_sink;
  g_sink = sink;
  return previous;
}

TClipboardSink& ClipboardSink() { return g_sink ? *g_sink : NativeClipboardSink(); }

void TClipboard::Open() {
  if (open_count_++ == 0) {
    emptied_ = false;
    pending_.clear();
  }
}

void TClipboard::Close() {
  if (open_count_ == 0) return;
  if (--open_count_ > 0) return;
  if (emptied_) {
    // Handed over even when the sink fails, so that the next Open starts afresh.
    TClipboardData data = std::move(pending_);
    pending_.clear();
    emptied_ = false;
    ClipboardSink().SetData(data);
  }
}

void TClipboard::Adding() {
  if (!emptied_) {
    pending_.clear();
    emptied_ = true;
  }
}

void TClipboard::Clear() {
  Open();
  Adding();
  Close();
}

std::string TClipboard::AsText() { return GetAsBytes(CF_UNICODETEXT); }

void TClipboard::SetAsText(const std::string& text) { SetAsBytes(CF_UNICODETEXT, text); }

bool TClipboard::HasFormat(TClipboardFormat format) {
  format = Normal(format);
  if (emptied_) return pending_.count(format) > 0;
  return ClipboardSink().HasFormat(format);
}

std::string TClipboard::GetAsBytes(TClipboardFormat format) {
  format = Normal(format);
  if (emptied_) {
    auto it = pending_.find(format);
    return it == pending_.end() ? std::string() : it->second;
  }
  return ClipboardSink().GetData(format).value_or(std::string());
}

void TClipboard::SetAsBytes(TClipboardFormat format, const std::string& bytes) {
  Open();
  Adding();
  pending_[Normal(format)] = bytes;
  Close();
}

int TClipboard::FormatCount() {
  if (emptied_) return static_cast<int>(pending_.size());
  return static_cast<int>(ClipboardSink().Formats().size());
}

TClipboardFormat TClipboard::Formats(int index) {
  std::vector<TClipboardFormat> all;
  if (emptied_) {
    for (const auto& [format, bytes] : pending_) all.push_back(format);
  } else {
    all = ClipboardSink().Formats();
  }
  if (index < 0 || index >= static_cast<int>(all.size())) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return all[static_cast<size_t>(index)];
}

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}

}  // namespace hd

#include "platform/regional.h"

#include <mutex>

namespace hd {
namespace {

std::mutex& ProviderMutex() {
  static std::mutex m;
  return m;
}

std::function<TFormatSettings()>& Provider() {
  static std::function<TFormatSettings()> provider;
  return provider;
}

}  // namespace

TFormatSettings FormatSettings() {
  std::function<TFormatSettings()> provider;
  {
    std::lock_guard<std::mutex> lock(ProviderMutex());
    provider = Provider();
  }
  return provider ? provider() : PlatformFormatSettings();
}

void SetFormatSettingsProvider(std::function<TFormatSettings()> provider) {
  std::lock_guard<std::mutex> lock(ProviderMutex());
  Provider() = std::move(provider);
}

TFormatSettings InvariantFormatSettings() {
  TFormatSettings fs;
  fs.ShortDateFormat = "mm/dd/yyyy";
  fs.LongDateFormat = "dddd, dd mmmm yyyy";
  fs.ShortTimeFormat = "hh:nn";
  fs.LongTimeFormat = "hh:nn:ss";
  fs.CurrencyString = "\xC2\xA4";  // the generic currency sign
  return fs;
}

}  // namespace hd

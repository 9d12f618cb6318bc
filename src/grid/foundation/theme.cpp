#include "grid/foundation/theme.h"

#include <algorithm>

#include "platform/application.h"
#include "platform/exceptions.h"
#include "platform/registry.h"
#include "platform/themes.h"

namespace hd {
namespace {

// The store keeps the "General" subkey when the office version is installed for the user.
std::string GeneralKey(const char* common) { return std::string(common) + "\\General"; }

class TPlatformUserSettings : public TUserSettingsReader {
 public:
  bool KeyExists(const std::string& Key) override {
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    return reg.KeyExists(Key);
  }
  std::optional<int> ReadInteger(const std::string& Key, const std::string& Name) override {
    TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (!reg.OpenKeyReadOnly(Key) || !reg.ValueExists(Name)) return std::nullopt;
    try {
      return reg.ReadInteger(Name);
    } catch (const ERegistryException&) {
      return std::nullopt;  // a value of another type counts as missing
    }
  }
};

TThemeNotifier* g_notifier = nullptr;

}  // namespace

std::string GetDefaultFontName() { return IsVistaOrLater() ? "Segoe UI" : "Tahoma"; }

TUserSettingsReader& PlatformUserSettings() {
  static TPlatformUserSettings settings;
  return settings;
}

int GetInstalledOfficeVersion(TUserSettingsReader& Settings) {
  if (Settings.KeyExists(GeneralKey(kOffice2010Key))) return 2;
  if (Settings.KeyExists(GeneralKey(kOffice2007Key))) return 1;
  return 0;
}

int GetInstalledOfficeVersion() { return GetInstalledOfficeVersion(PlatformUserSettings()); }

int ReadOfficeThemeValue(TUserSettingsReader& Settings, const std::string& Key) {
  return Settings.ReadInteger(Key, "Theme").value_or(-1);
}

int GetXPThemeColor() {
  if (!IsWinXPOrLater() || !ThemesActive() || !IsComCtl6()) return 0;
  const std::string color = CurrentThemeNames().ColorName;
  if (color.find("NormalColor") != std::string::npos) return 1;
  if (color.find("HomeStead") != std::string::npos) return 2;
  if (color.find("Metallic") != std::string::npos) return 3;
  return 0;
}

TOfficeTheme GetOfficeTheme(TUserSettingsReader& Settings) {
  // A 14.0 value decides alone, even one outside 1..3; only a missing one falls back.
  int v = ReadOfficeThemeValue(Settings, kOffice2010Key);
  if (v != -1) {
    switch (v) {
      case 1: return ot2010Blue;
      case 2: return ot2010Silver;
      case 3: return ot2010Black;
      default: return ot2003Blue;
    }
  }
  v = ReadOfficeThemeValue(Settings, kOffice2007Key);
  if (v != -1) {
    switch (v) {
      case 1: return ot2007Blue;
      case 2: return ot2007Silver;
      case 3: return ot2007Black;
      default: return ot2003Blue;
    }
  }
  switch (GetXPThemeColor()) {
    case 0: return ot2003Classic;
    case 2: return ot2003Olive;
    case 3: return ot2003Silver;
    default: return ot2003Blue;
  }
}

TOfficeTheme GetOfficeTheme() { return GetOfficeTheme(PlatformUserSettings()); }

void THandleList::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index > Limit) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

HWND THandleList::Items(int Index) const {
  CheckIndex(Index, Count() - 1);
  return items_[static_cast<size_t>(Index)];
}

void THandleList::SetItems(int Index, HWND Value) {
  CheckIndex(Index, Count() - 1);
  items_[static_cast<size_t>(Index)] = Value;
}

int THandleList::Add(HWND Value) {
  items_.push_back(Value);
  return Count() - 1;
}

void THandleList::Insert(int Index, HWND Value) {
  CheckIndex(Index, Count());
  items_.insert(items_.begin() + Index, Value);
}

void THandleList::Delete(int Index) {
  CheckIndex(Index, Count() - 1);
  items_.erase(items_.begin() + Index);
}

void THandleList::DeleteValue(HWND Value) {
  if (int i = IndexOf(Value); i >= 0) Delete(i);
}

bool THandleList::HasValue(HWND Value) const { return IndexOf(Value) >= 0; }

int THandleList::IndexOf(HWND Value) const {
  auto it = std::find(items_.begin(), items_.end(), Value);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TThemeNotifier(AOwner, PlatformUserSettings()) {}

TThemeNotifier::TThemeNotifier(TComponent* AOwner, TUserSettingsReader& Settings) : TComponent(AOwner) {
  if (ComponentState().Contains(csDesigning)) return;
  switch (GetInstalledOfficeVersion(Settings)) {
    case 2: FKey = kOffice2010Key; break;
    case 1: FKey = kOffice2007Key; break;
    default: break;
  }
}

TThemeNotifier::~TThemeNotifier() {
  if (g_notifier == this) g_notifier = nullptr;
}

void TThemeNotifier::RegisterWindow(HWND Hwnd) {
  if (FKey.empty()) return;
  std::lock_guard lock(FLock);
  if (!FWinList.HasValue(Hwnd)) FWinList.Add(Hwnd);
}

void TThemeNotifier::UnRegisterWindow(HWND Hwnd) {
  if (FKey.empty()) return;
  std::lock_guard lock(FLock);
  FWinList.DeleteValue(Hwnd);
}

std::vector<HWND> TThemeNotifier::RegisteredWindows() const {
  std::lock_guard lock(FLock);
  std::vector<HWND> out;
  for (int i = 0; i < FWinList.Count(); ++i) out.push_back(FWinList.Items(i));
  return out;
}

TThemeNotifier* GetThemeNotifier(TComponent* AOwner) {
  if (!g_notifier) {
    TCustomForm* main = Application().MainForm();
    g_notifier = new TThemeNotifier(main && main->Handle() != 0 ? main : AOwner);
  }
  return g_notifier;
}

}  // namespace hd

// The looks the grid follows: the style vocabulary of styled controls, the platform checks, the
// office colour scheme the user picked, and the shared notifier that tells grids the scheme
// may have changed.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/component.h"
#include "platform/messages.h"
#include "platform/types.h"

namespace hd {

// Ordinals are kept in stored grid settings.
enum TDAZStyle {
  tsOffice2003Blue,
  tsOffice2003Silver,
  tsOffice2003Olive,
  tsOffice2003Classic,
  tsOffice2007Luna,
  tsOffice2007Obsidian,
  tsWindowsXP,
  tsWhidbey,
  tsCustom,
  tsOffice2007Silver,
  tsWindowsVista,
  tsWindows7,
  tsTerminal,
  tsOffice2010Blue,
  tsOffice2010Silver,
  tsOffice2010Black,
};

// The office colour scheme found in the user's settings.
enum TOfficeTheme {
  ot2003Blue,
  ot2003Silver,
  ot2003Olive,
  ot2003Classic,
  ot2007Blue,
  ot2007Silver,
  ot2007Black,
  ot2010Blue,
  ot2010Silver,
  ot2010Black,
  otUnknown,
};

struct TColorTone {
  TColor BrushColor = clNone;
  TColor BorderColor = clNone;
  TColor TextColor = clNone;
  friend bool operator==(const TColorTone&, const TColorTone&) = default;
};

// The colours of a control in each of its states.
struct TColorTones {
  TColorTone Background;
  TColorTone Foreground;
  TColorTone Selected;
  TColorTone Hover;
  TColorTone Disabled;
  friend bool operator==(const TColorTones&, const TColorTones&) = default;
};

// Controls that take a component style.
class IDAZStyle {
 public:
  virtual ~IDAZStyle() = default;
  virtual void SetComponentStyle(TDAZStyle AStyle) = 0;
  virtual TDAZStyle GetComponentStyle() const = 0;
};

// Controls that take colour tones.
class IDAZTones {
 public:
  virtual ~IDAZTones() = default;
  virtual void SetColorTones(TColorTones ATones) = 0;
};

// This platform always has what these ask about: the checks stay so that callers read as on
// any platform.
constexpr bool IsWinXPOrLater() { return true; }
constexpr bool IsVistaOrLater() { return true; }
constexpr bool IsComCtl6() { return true; }
// The name of the desktop's default font; the platform's font mapping serves it.
std::string GetDefaultFontName();

// What the scheme detection reads of the current user's settings. The platform's store is
// read through PlatformUserSettings(); tests give their own.
class TUserSettingsReader {
 public:
  virtual ~TUserSettingsReader() = default;
  virtual bool KeyExists(const std::string& Key) = 0;
  // The integer value Name of Key; nothing when the key or the value is missing or no integer.
  virtual std::optional<int> ReadInteger(const std::string& Key, const std::string& Name) = 0;
};

// The platform's user-settings store (the current user's root).
TUserSettingsReader& PlatformUserSettings();

inline constexpr const char* kOffice2010Key = "Software\\Microsoft\\Office\\14.0\\Common";
inline constexpr const char* kOffice2007Key = "Software\\Microsoft\\Office\\12.0\\Common";

// 2 for office 14.0 settings, 1 for 12.0, 0 for neither.
int GetInstalledOfficeVersion(TUserSettingsReader& Settings);
int GetInstalledOfficeVersion();
// The value "Theme" of the key, or -1 when it is missing.
int ReadOfficeThemeValue(TUserSettingsReader& Settings, const std::string& Key);
// The colour scheme of the running visual style: 1 NormalColor, 2 HomeStead, 3 Metallic, 0
// anything else or no active style.
int GetXPThemeColor();
TOfficeTheme GetOfficeTheme(TUserSettingsReader& Settings);
TOfficeTheme GetOfficeTheme();

// Window handles kept as integers, in the order they were added.
class THandleList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  HWND Items(int Index) const;
  void SetItems(int Index, HWND Value);
  int Add(HWND Value);
  void Insert(int Index, HWND Value);
  void Delete(int Index);
  // Removes the first occurrence; nothing when the value is not there.
  void DeleteValue(HWND Value);
  bool HasValue(HWND Value) const;
  int IndexOf(HWND Value) const;

 private:
  void CheckIndex(int Index, int Limit) const;
  std::vector<HWND> items_;
};

// Tells that the office colour scheme may have changed: wParam the settings root, lParam the
// address of the watched key's path.
constexpr UINT WM_OFFICETHEMECHANGED = 2993;

// The process's one notifier of office scheme changes. Only a user with office 12.0 or 14.0
// settings has a key to watch, and only then are windows registered; the platform's store
// holds no such settings, so here the notifier has no key and registering has no effect.
class TThemeNotifier : public TComponent {
 public:
  explicit TThemeNotifier(TComponent* AOwner);
  TThemeNotifier(TComponent* AOwner, TUserSettingsReader& Settings);
  ~TThemeNotifier() override;
  const char* ClassName() const override { return "TThemeNotifier"; }

  // The office settings key a change is looked for under, or "" when there is none.
  const std::string& Key() const { return FKey; }
  // Each window once; nothing without a key.
  void RegisterWindow(HWND Hwnd);
  void UnRegisterWindow(HWND Hwnd);
  // The windows to tell about a change, in registration order.
  std::vector<HWND> RegisteredWindows() const;

  TNotifyEvent OnOfficeThemeChange;

 private:
  std::string FKey;
  // Registration runs on the GUI thread; whoever tells the windows may walk the list from
  // another, so both go through the lock.
  mutable std::mutex FLock;
  THandleList FWinList;
};

// The shared notifier, created on the first call with the main form as owner when it has a
// window, else with AOwner; forgotten when it is destroyed.
TThemeNotifier* GetThemeNotifier(TComponent* AOwner);

}  // namespace hd

#include "app/settings_store.h"

#include <cstdint>

namespace vev {
namespace {

struct StoredSetting {
  const char* name;
  std::int32_t Settings::*field;
  bool onOff = true;  // 0 or 1; any other stored number reads as on
};

// In the order they are written.
constexpr StoredSetting kStoredSettings[] = {
    {"shading", &Settings::shading, false},
    {"tex", &Settings::textures},
    {"IDHelp", &Settings::idHelp},
    {"sound", &Settings::soundEnabled},
    {"joyflag", &Settings::joystickEnabled},
    {"clamptex", &Settings::clampTextures},
    {"panel", &Settings::panel},
    {"simpleshapes", &Settings::simpleShapes},
    {"attack", &Settings::attack},
};

constexpr std::int32_t kVersion = 322;

}  // namespace

Settings readSettings(SettingsStore& store) {
  const Settings defaults;
  Settings settings;
  for (const StoredSetting& stored : kStoredSettings) {
    const std::int32_t value = store.readSettingNumber(stored.name, defaults.*stored.field);
    settings.*stored.field = stored.onOff ? (value != 0 ? 1 : 0) : value;
  }
  return settings;
}

int writeSettings(SettingsStore& store, const Settings& settings) {
  int failed = 0;
  for (const StoredSetting& stored : kStoredSettings) {
    failed |= store.writeSettingNumber(stored.name, settings.*stored.field);
  }
  return failed;
}

int writeVersionStamp(SettingsStore& store) {
  const int failed = store.writeSettingText("author", "Arno Veld");
  return failed | store.writeSettingNumber("vers\u00e3o", kVersion);
}

}  // namespace vev

#pragma once

#include <cstdint>
#include <string_view>

#include "app/settings.h"

namespace vev {

// The user's persistent store of named values. The desktop program keeps it in the user's
// configuration directory; tests keep it in memory or in a file of their own.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // 0 when the value was stored, 1 when the store cannot be written.
  virtual int writeSettingNumber(std::string_view name, std::int32_t value) = 0;
  virtual int writeSettingText(std::string_view name, std::string_view text) = 0;
  // The stored number, or `fallback` when the store, or a number under that name, cannot be read.
  virtual std::int32_t readSettingNumber(std::string_view name, std::int32_t fallback) = 0;
};

// The nine stored settings, each defaulted when absent; `collisionDebug` starts off.
Settings readSettings(SettingsStore& store);

// Writes the nine stored settings in their fixed order; 0 when all were stored, 1 otherwise.
int writeSettings(SettingsStore& store, const Settings& settings);

// The author's name and the version, written at every start and never read.
int writeVersionStamp(SettingsStore& store);

}  // namespace vev

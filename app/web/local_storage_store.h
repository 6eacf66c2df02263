#pragma once

#include "app/settings_store.h"

namespace vev {

// The settings kept in the browser's localStorage for this page's origin, each under
// "VEV_krl/NAME" as a decimal number or a text. A browser that refuses the storage (private
// windows may) reads the defaults and reports each write as failed.
class LocalStorageStore final : public SettingsStore {
 public:
  int writeSettingNumber(std::string_view name, std::int32_t value) override;
  int writeSettingText(std::string_view name, std::string_view text) override;
  std::int32_t readSettingNumber(std::string_view name, std::int32_t fallback) override;
};

}  // namespace vev

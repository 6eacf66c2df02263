#pragma once

#include <QSettings>
#include <QString>

#include "app/settings_store.h"

namespace vev {

// The settings store in an INI file through QSettings: by default the user's VEV_krl.ini in the
// user's configuration directory.
class QtSettingsStore final : public SettingsStore {
 public:
  QtSettingsStore();
  // A store in a file of its own.
  explicit QtSettingsStore(const QString& fileName);

  int writeSettingNumber(std::string_view name, std::int32_t value) override;
  int writeSettingText(std::string_view name, std::string_view text) override;
  std::int32_t readSettingNumber(std::string_view name, std::int32_t fallback) override;

  QString fileName() const { return settings_.fileName(); }

 private:
  int write(std::string_view name, const QVariant& value);

  QSettings settings_;
};

}  // namespace vev

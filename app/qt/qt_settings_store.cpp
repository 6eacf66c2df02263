#include "app/qt/qt_settings_store.h"

#include <limits>

namespace vev {
namespace {

// The application name "VEV" followed by "_krl", as the store has always been named.
constexpr const char* kStoreName = "VEV_krl";

QString keyOf(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kStoreName)) {}

QtSettingsStore::QtSettingsStore(const QString& fileName)
    : settings_(fileName, QSettings::IniFormat) {}

int QtSettingsStore::writeSettingNumber(std::string_view name, std::int32_t value) {
  return write(name, value);
}

int QtSettingsStore::writeSettingText(std::string_view name, std::string_view text) {
  return write(name, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::int32_t QtSettingsStore::readSettingNumber(std::string_view name, std::int32_t fallback) {
  if (settings_.status() != QSettings::NoError) return fallback;
  const QVariant value = settings_.value(keyOf(name));
  bool isNumber = false;
  const qlonglong number = value.toLongLong(&isNumber);
  if (!value.isValid() || !isNumber) return fallback;
  if (number < std::numeric_limits<std::int32_t>::min() ||
      number > std::numeric_limits<std::int32_t>::max()) {
    return fallback;
  }
  return static_cast<std::int32_t>(number);
}

int QtSettingsStore::write(std::string_view name, const QVariant& value) {
  if (!settings_.isWritable()) return 1;
  settings_.setValue(keyOf(name), value);
  settings_.sync();
  return settings_.status() == QSettings::NoError ? 0 : 1;
}

}  // namespace vev

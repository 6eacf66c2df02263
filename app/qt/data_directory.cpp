#include "app/qt/data_directory.h"

#include <QCoreApplication>
#include <QDir>

namespace vev {
namespace {

bool holdsScene(const QString& dir) {
  return QDir(dir).exists("sw");
}

}  // namespace

QString findDataDirectory(const QString& requested) {
  if (!requested.isEmpty()) return requested;
  const QString candidates[] = {
      QDir::currentPath(),
      QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(VEV_INSTALLED_DATA_DIR)),
      QStringLiteral(VEV_SOURCE_DATA_DIR),
  };
  for (const QString& dir : candidates) {
    if (holdsScene(dir)) return QDir::cleanPath(dir);
  }
  return QDir::currentPath();
}

}  // namespace vev

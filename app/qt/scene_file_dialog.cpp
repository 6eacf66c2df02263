#include "app/qt/scene_file_dialog.h"

#include <QFile>
#include <QFileDialog>

namespace vev {

std::string chooseSceneFile(const QString& startDir) {
  QFileDialog dialog(nullptr, QObject::tr("Select Input File"), startDir,
                     QObject::tr("KR Universal File (*.zsf)"));
  dialog.setObjectName("sceneFileDialog");
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  // Scene files are named in lower case, and file names here are case-sensitive.
  dialog.setDefaultSuffix("zsf");
  // The same dialog on every desktop, one that scripts and tests can drive.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? std::string() : QFile::encodeName(files.front()).toStdString();
}

}  // namespace vev

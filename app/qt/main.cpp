#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QSurfaceFormat>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "app/qt/about_dialog.h"
#include "app/qt/data_directory.h"
#include "app/qt/leak_check.h"
#include "app/qt/main_window.h"
#include "app/qt/program_options.h"
#include "app/qt/qt_settings_store.h"
#include "app/qt/scripted_run.h"
#include "app/qt/surface_format.h"
#include "app/replay_file.h"
#include "app/version.h"

namespace {

// A texture that cannot be read is shown in a message box, except in a scripted run, which no
// one is there to answer: it is told on standard error.
vev::UnreadableTextureHandler textureReporter(bool interactive) {
  if (!interactive) {
    return [](const std::string& path) {
      std::fprintf(stderr, "Could Not read texture: %s\n", path.c_str());
    };
  }
  return [](const std::string& path) {
    QMessageBox::warning(nullptr, QObject::tr("Could Not read texture"),
                         QString::fromLocal8Bit(path.c_str()));
  };
}

// Prints the usage or the version and exits (the parser does), without opening the display; a
// "-h" that turns out to be an option's value comes back for the window.
void answerHelpOrVersion(int argc, char** argv) {
  const QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName("vev");
  QCoreApplication::setApplicationVersion(vev::kProgramVersion);
  QString error;
  vev::parseProgramOptions(QCoreApplication::arguments(), error);
}

}  // namespace

int main(int argc, char** argv) {
  if (vev::asksForHelpOrVersion(argc, argv)) answerHelpOrVersion(argc, argv);
  QSurfaceFormat::setDefaultFormat(vev::viewSurfaceFormat());
  QApplication application(argc, argv);
  QApplication::setApplicationName("VEV");
  QApplication::setApplicationVersion(vev::kProgramVersion);

  QString error;
  const std::optional<vev::ProgramOptions> options =
      vev::parseProgramOptions(QApplication::arguments(), error);
  if (!options) {
    std::fprintf(stderr, "vev: %s\n", qPrintable(error));
    return 2;
  }
  if (options->showAbout) {
    vev::AboutDialog about;
    about.exec();
  }

  // A replay that cannot be read plays nothing.
  std::optional<vev::Replay> replay;
  QStringList addFiles = options->addFiles;
  QStringList ownFiles = options->ownFiles;
  if (!options->replayPath.isEmpty()) {
    std::string reason;
    replay = vev::readReplay(QFile::encodeName(options->replayPath).toStdString(), reason);
    if (!replay) {
      std::fprintf(stderr, "vev: %s: %s\n", qPrintable(options->replayPath), reason.c_str());
      return 1;
    }
    addFiles.clear();
    for (const std::string& file : replay->setup.addFiles) {
      addFiles.push_back(QFile::decodeName(file.c_str()));
    }
    // A game flown with files alone has them in place of the demonstration.
    if (!replay->setup.demo) std::swap(addFiles, ownFiles);
  }
  vev::MainWindow window(vev::ViewSetup{
      vev::findDataDirectory(options->dataDir), std::make_unique<vev::QtSettingsStore>(),
      textureReporter(options->frames == 0), options->attack, options->frames > 0, addFiles,
      options->recordPath, std::move(replay), ownFiles, options->flyFile, options->net});
  if (options->watch) window.setWatching(true);
  const vev::ScriptedRun run(window.view(), *options);
  window.show();
  const int status = QApplication::exec();
  vev::keepGlDriverLoaded();
  return run.saveScreenshot() ? status : 1;
}

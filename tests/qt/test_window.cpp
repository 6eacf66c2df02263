#include "tests/qt/test_window.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QToolBar>

#include "app/qt/qt_settings_store.h"

namespace vev::test {
namespace {

constexpr const char* kPlayerCraft = R"(10 qt test player
two cameras ahead of a hull
name=Player
pos=0 0 0
*CAMERA
name=cockpit
pos=0 1 0
tang=1 0 0
norm=0 1 0
zoom=45
*CAMERA
name=chase
pos=-10 3 0
tang=1 0 0
norm=0 1 0
zoom=60
*QUAD
name=hull
dif=70 70 80 100
verts=-2 0 -1 2 0 -1 2 0 1 -2 0 1
*END
)";

bool copy(const QString& from, const QString& to) {
  return QFile::copy(QStringLiteral(VEV_SOURCE_DIR "/") + from, to);
}

}  // namespace

SceneFolder::SceneFolder() {
  QDir(dir_.path()).mkdir("sw");
  const QString sw = dir_.path() + "/sw/";
  QFile player(sw + "m-bird.ssp.zsf");
  player.open(QIODevice::WriteOnly);
  player.write(kPlayerCraft);
  copy("tests/data/render/fleet-craft.zsf", sw + "golden-bird.ssp.zsf");
  copy("tests/data/render/checker.bmp", sw + "checker.bmp");
}

QString SceneFolder::writeFile(const QString& name, const char* text) const {
  const QString path = QDir(dir_.path()).filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(text);
  return path;
}

TestWindow::TestWindow(const std::function<void(const QString&)>& prepareSettings,
                       const QString& recordPath)
    : settingsFile_(settingsDir_.filePath("VEV_krl.ini")),
      unreadable_(std::make_shared<std::vector<std::string>>()) {
  if (prepareSettings) prepareSettings(settingsFile_);
  window_ = std::make_unique<MainWindow>(
      ViewSetup{folder_.path(),
                std::make_unique<QtSettingsStore>(settingsFile_),
                [list = unreadable_](const std::string& path) { list->push_back(path); },
                std::nullopt,
                false,
                {},
                recordPath,
                std::nullopt,
                {},
                {},
                {}});
}

TestWindow::~TestWindow() = default;

bool TestWindow::start() {
  window_->show();
  window_->activateWindow();
  if (!QTest::qWaitForWindowExposed(window_.get())) return false;
  return waitFrames(1);
}

void TestWindow::stop() {
  window_.reset();
}

bool TestWindow::waitFrames(int count) {
  // Steps taken from now on: one already taken but not yet painted does not count.
  const int target = view().stepsTaken() + count;
  return QTest::qWaitFor([&] { return view().paintedStep() >= target; }, 10000);
}

void TestWindow::clickCommand(int id) {
  QWidget* button = window_->toolbar().widgetForAction(&action(id));
  QTest::mouseClick(button, Qt::LeftButton);
}

Identity& player(ViewState& state) {
  return *state.model.scene;
}

}  // namespace vev::test

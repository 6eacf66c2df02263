#pragma once

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/main_window.h"

namespace vev::test {

// A data folder whose sw/ holds small craft under the demonstration's names: the player (two
// cameras, the first one first, and a hull) and, 60 m ahead of it, the renderer's
// fleet craft with its texture.
class SceneFolder {
 public:
  SceneFolder();

  QString path() const { return dir_.path(); }
  // Writes a scene file into the folder (not into sw/) and returns its path.
  QString writeFile(const QString& name, const char* text) const;

 private:
  QTemporaryDir dir_;
};

// The program's main window over a SceneFolder, with its settings in a file of its own, shown
// and past its first frame.
class TestWindow {
 public:
  // `prepareSettings`, when given, is handed the settings file before the window exists;
  // `recordPath`, when given, is where the game's replay is written.
  explicit TestWindow(const std::function<void(const QString&)>& prepareSettings = {},
                      const QString& recordPath = {});
  ~TestWindow();

  // Shows the window and waits for its first frame; false when it does not come.
  bool start();
  // Closes the window as the program ends: sound closes and the settings are written.
  void stop();
  // Lets at least `count` more steps run and be painted.
  bool waitFrames(int count);
  // Presses a command's toolbar button.
  void clickCommand(int id);

  MainWindow& window() { return *window_; }
  SceneView& view() { return window_->view(); }
  ViewState& state() { return window_->view().state(); }
  QAction& action(int id) { return *window_->commandAction(id); }
  const QString& settingsFile() const { return settingsFile_; }
  const SceneFolder& folder() const { return folder_; }
  const std::vector<std::string>& unreadableTextures() const { return *unreadable_; }

 private:
  SceneFolder folder_;
  QTemporaryDir settingsDir_;
  QString settingsFile_;
  std::shared_ptr<std::vector<std::string>> unreadable_;
  std::unique_ptr<MainWindow> window_;
};

// The player craft's Identity (the first one of the scene).
Identity& player(ViewState& state);

}  // namespace vev::test

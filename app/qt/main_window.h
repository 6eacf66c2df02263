#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>

#include "app/qt/command_actions.h"
#include "app/qt/scene_view.h"

namespace vev {

// The main window: the menus, the dockable toolbar of commands and the view. The document the
// window's own menus speak of is always empty; the commands act on the view's scene.
class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(ViewSetup setup, QWidget* parent = nullptr);
  ~MainWindow() override;

  SceneView& view() { return *view_; }
  QToolBar& toolbar() { return *toolbar_; }
  QAction* commandAction(int id) const { return actions_->action(id); }
  // The status bar's message: a label of its own, which the toolbar's status tips do not clear.
  QString statusText() const { return statusLabel_->text(); }
  // Reloads the scene files that change on disk, as the View menu's item does.
  void setWatching(bool on);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildGameMenu();
  void buildViewMenu();
  void setFullScreen(bool on);
  void setPaused(bool on);
  void restoreWindowState();
  void saveWindowState();
  // Shows what the view has to tell in the status bar and over the view (and on standard error in
  // a scripted run), and names the controlled craft in the title.
  void tellNews();
  // The status bar's message for a few seconds, then "PAUSED" while paused, or nothing.
  void showStatus(const QString& text);
  void showTitle();
  void buildDocumentMenus();
  void runCommandOf(int id);
  void runSceneCommand(int id);
  void refreshCommands();
  void keepKeysOnTheView();

  QString dataDir_;
  QString windowStateFile_;  // the settings file, where the window keeps its size and places
  bool newsOnStandardError_;
  SceneView* view_;
  CommandActions* actions_;
  QToolBar* toolbar_;
  QShortcut* leaveFullScreen_;
  QString title_;
  QLabel* statusLabel_;
  QLabel* delayLabel_;  // the input delay, while a game for two is played
  QTimer statusTimer_;
};

}  // namespace vev

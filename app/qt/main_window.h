#pragma once

#include <QMainWindow>
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

  SceneView& view() { return *view_; }
  QToolBar& toolbar() { return *toolbar_; }
  QAction* commandAction(int id) const { return actions_->action(id); }

 private:
  void buildMenus();
  void buildDocumentMenus();
  void runCommandOf(int id);
  void refreshCommands();
  void keepKeysOnTheView();

  QString dataDir_;
  SceneView* view_;
  CommandActions* actions_;
  QToolBar* toolbar_;
};

}  // namespace vev

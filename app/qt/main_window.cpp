#include "app/qt/main_window.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QStatusBar>
#include <utility>

#include "app/commands.h"
#include "app/qt/about_dialog.h"
#include "app/qt/scene_file_dialog.h"

namespace vev {

MainWindow::MainWindow(ViewSetup setup, QWidget* parent)
    : QMainWindow(parent),
      dataDir_(setup.dataDir),
      view_(new SceneView(std::move(setup), this)),
      actions_(new CommandActions(this)),
      toolbar_(new QToolBar(tr("Commands"), this)) {
  setWindowTitle(tr("Untitled - VEV"));
  setCentralWidget(view_);
  toolbar_->setObjectName("commandBar");
  toolbar_->setMovable(true);
  toolbar_->setFloatable(true);
  toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
  toolbar_->setIconSize(QSize(24, 24));
  actions_->fillToolbar(*toolbar_);
  addToolBar(Qt::TopToolBarArea, toolbar_);
  buildMenus();
  statusBar();
  resize(800, 600);
  view_->setFocus();

  connect(actions_, &CommandActions::commandTriggered, this, &MainWindow::runCommandOf);
  // Queued: the frame may have switched a setting off (a joystick that cannot be queried).
  connect(view_, &SceneView::frameFinished, this, &MainWindow::refreshCommands,
          Qt::QueuedConnection);
  refreshCommands();
  keepKeysOnTheView();
}

// The view takes every key. A menu closed with Escape leaves the focus on the menu bar, and the
// toolbar can take it too; once no menu or dialog is open, the focus goes back to the view.
void MainWindow::keepKeysOnTheView() {
  connect(
      qApp, &QApplication::focusChanged, this,
      [this](QWidget*, QWidget* now) {
        if (!now || now == view_ || QApplication::activePopupWidget() ||
            QApplication::activeModalWidget()) {
          return;
        }
        if (isAncestorOf(now) || toolbar_->isAncestorOf(now) || now == toolbar_) {
          view_->setFocus();
        }
      },
      Qt::QueuedConnection);
}

void MainWindow::buildMenus() {
  buildDocumentMenus();
  QMenu* shading = menuBar()->addMenu(tr("&Shading"));
  shading->addAction(actions_->action(kToggleWireFrame));
  shading->addAction(actions_->action(kToggleFlat));

  QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
  QAction* showToolbar = toolbar_->toggleViewAction();
  showToolbar->setText(tr("&Toolbar"));
  viewMenu->addAction(showToolbar);

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(tr("&About VEV..."), this, [this] {
    AboutDialog about(this);
    about.exec();
  });
}

// The document and editing commands every such program has. The document is empty, so there is
// nothing for them to open, save or edit; only Exit does something.
void MainWindow::buildDocumentMenus() {
  QMenu* file = menuBar()->addMenu(tr("&Don't Click Here"));
  file->addAction(tr("&New"));
  file->addAction(tr("&Open..."));
  file->addAction(tr("&Save"));
  file->addAction(tr("Save &As..."));
  file->addSeparator();
  file->addAction(tr("E&xit"), this, &QWidget::close);

  QMenu* edit = menuBar()->addMenu(tr("&Neither Here"));
  for (const QString& text : {tr("&Undo"), tr("Cu&t"), tr("&Copy"), tr("&Paste")}) {
    edit->addAction(text)->setEnabled(false);
  }
}

void MainWindow::runCommandOf(int id) {
  const QString sceneDir = QDir(dataDir_).filePath("sw");
  const QString startDir = QDir(sceneDir).exists() ? sceneDir : QDir::currentPath();
  runCommand(
      view_->state(), id, [&startDir] { return chooseSceneFile(startDir); },
      view_->onUnreadableTexture());
  refreshCommands();
  view_->setFocus();
}

void MainWindow::refreshCommands() {
  actions_->refresh(view_->state().settings);
}

}  // namespace vev

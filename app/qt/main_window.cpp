#include "app/qt/main_window.h"

#include "app/qt/net_game_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "app/qt/about_dialog.h"
#include "app/qt/qt_settings_store.h"
#include "app/qt/scene_file_dialog.h"
#include "app/shown_messages.h"
#include "sim/node_kind.h"

namespace vev {
namespace {

// The window's own settings sit beside the program's in the same file, under keys of their own.
constexpr const char* kGeometryKey = "windowGeometry";
constexpr const char* kStateKey = "windowState";
constexpr int kNewsMs = 5000;

QString settingsFileOf(const ViewSetup& setup) {
  const auto* store = dynamic_cast<const QtSettingsStore*>(setup.settings.get());
  return store ? store->fileName() : QString();
}

}  // namespace

MainWindow::MainWindow(ViewSetup setup, QWidget* parent)
    : QMainWindow(parent),
      dataDir_(setup.dataDir),
      windowStateFile_(settingsFileOf(setup)),
      newsOnStandardError_(setup.newsOnStandardError),
      view_(new SceneView(std::move(setup), this)),
      actions_(new CommandActions(this)),
      toolbar_(new QToolBar(tr("Commands"), this)),
      leaveFullScreen_(new QShortcut(QKeySequence(Qt::Key_Escape), this)),
      statusLabel_(new QLabel(this)),
      delayLabel_(new QLabel(this)) {
  setWindowTitle(tr("VEV"));
  setCentralWidget(view_);
  toolbar_->setObjectName("commandBar");
  toolbar_->setMovable(true);
  toolbar_->setFloatable(true);
  toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
  toolbar_->setIconSize(QSize(24, 24));
  actions_->fillToolbar(*toolbar_);
  addToolBar(Qt::TopToolBarArea, toolbar_);
  buildMenus();
  statusBar()->addPermanentWidget(statusLabel_, 1);
  delayLabel_->setObjectName("inputDelay");
  delayLabel_->hide();
  statusBar()->addPermanentWidget(delayLabel_);
  statusTimer_.setSingleShot(true);
  connect(&statusTimer_, &QTimer::timeout, this,
          [this] { statusLabel_->setText(view_->paused() ? tr("PAUSED") : QString()); });
  resize(800, 600);
  restoreWindowState();
  view_->setFocus();
  // Escape belongs to the scene's keys, but for leaving full screen.
  leaveFullScreen_->setEnabled(false);
  connect(leaveFullScreen_, &QShortcut::activated, this, [this] { setFullScreen(false); });

  connect(actions_, &CommandActions::commandTriggered, this, &MainWindow::runCommandOf);
  // Queued: the frame may have switched a setting off (a joystick that cannot be queried).
  connect(view_, &SceneView::frameFinished, this, &MainWindow::refreshCommands,
          Qt::QueuedConnection);
  connect(view_, &SceneView::frameFinished, this, &MainWindow::tellNews, Qt::QueuedConnection);
  connect(view_, &SceneView::newsArrived, this, &MainWindow::tellNews, Qt::QueuedConnection);
  connect(view_, &SceneView::newsArrived, this, &MainWindow::refreshCommands, Qt::QueuedConnection);
  connect(view_, &SceneView::restartAsked, this, [this] { runCommandOf(kRestart); });
  refreshCommands();
  keepKeysOnTheView();
}

MainWindow::~MainWindow() = default;

void MainWindow::closeEvent(QCloseEvent* event) {
  saveWindowState();
  QMainWindow::closeEvent(event);
}

void MainWindow::restoreWindowState() {
  if (windowStateFile_.isEmpty()) return;
  const QSettings stored(windowStateFile_, QSettings::IniFormat);
  restoreGeometry(stored.value(kGeometryKey).toByteArray());
  restoreState(stored.value(kStateKey).toByteArray());
}

void MainWindow::saveWindowState() {
  if (windowStateFile_.isEmpty()) return;
  // Full screen is a moment's choice; the window is kept as it was before.
  if (isFullScreen()) setFullScreen(false);
  QSettings stored(windowStateFile_, QSettings::IniFormat);
  stored.setValue(kGeometryKey, saveGeometry());
  stored.setValue(kStateKey, saveState());
}

void MainWindow::tellNews() {
  ViewState& state = view_->state();
  for (const std::string& item : state.news) {
    showStatus(QString::fromStdString(item));
    showInView(state.shownMessages, item, kShownMessageFrames);
    if (newsOnStandardError_) std::fprintf(stderr, "%s\n", item.c_str());
  }
  state.news.clear();
  showTitle();
}

void MainWindow::showStatus(const QString& text) {
  statusLabel_->setText(text);
  statusTimer_.start(kNewsMs);
}

void MainWindow::showTitle() {
  const Identity* controlled = view_->state().model.controlled;
  QString title = tr("VEV");
  if (controlled) {
    const QString craft = QString::fromStdString(controlled->name);
    title = isDestroyed(*controlled) ? tr("VEV \u2014 %1 (destroyed)").arg(craft)
                                     : tr("VEV \u2014 %1").arg(craft);
  }
  if (title != title_) {
    title_ = title;
    setWindowTitle(title);
  }
}

void MainWindow::setFullScreen(bool on) {
  menuBar()->setVisible(!on);
  toolbar_->setVisible(!on);
  statusBar()->setVisible(!on);
  leaveFullScreen_->setEnabled(on);
  actions_->action(kToggleFullScreen)->setChecked(on);
  if (on) {
    showFullScreen();
  } else {
    showNormal();
  }
  view_->setFocus();
}

void MainWindow::setWatching(bool on) {
  view_->setWatching(on);
  actions_->action(kToggleWatch)->setChecked(on);
}

void MainWindow::setPaused(bool on) {
  view_->setPaused(on);
  actions_->action(kTogglePause)->setChecked(on);
  statusTimer_.stop();
  statusLabel_->setText(on ? tr("PAUSED") : QString());
  showPausedInView(view_->state().shownMessages, on);
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

  buildViewMenu();
  buildGameMenu();

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(tr("&About VEV..."), this, [this] {
    AboutDialog about(this);
    about.exec();
  });
}

// Our own commands, beside the toolbar's switch. Pause and full screen are the window's
// shortcuts, so a scene file's keys lose only those two (Escape only while full screen).
void MainWindow::buildViewMenu() {
  QMenu* viewMenu = menuBar()->addMenu(tr("&View"));
  QAction* showToolbar = toolbar_->toggleViewAction();
  showToolbar->setText(tr("&Toolbar"));
  viewMenu->addAction(showToolbar);
  viewMenu->addSeparator();
  viewMenu->addAction(actions_->action(kToggleAttack));
  viewMenu->addAction(actions_->action(kRestart));
  viewMenu->addAction(actions_->action(kFlyCraft));
  viewMenu->addAction(actions_->action(kToggleWatch));
  viewMenu->addSeparator();
  QAction* pause = actions_->action(kTogglePause);
  pause->setShortcut(QKeySequence(Qt::Key_Pause));
  pause->setShortcutContext(Qt::WindowShortcut);
  viewMenu->addAction(pause);
  QAction* fullScreen = actions_->action(kToggleFullScreen);
  fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
  fullScreen->setShortcutContext(Qt::WindowShortcut);
  viewMenu->addAction(fullScreen);
  addAction(pause);
  addAction(fullScreen);
}

// A game for two: hosting waits for a player, joining connects to a host; either starts from the
// demonstration as it loads.
void MainWindow::buildGameMenu() {
  QMenu* game = menuBar()->addMenu(tr("&Game"));
  for (const bool host : {true, false}) {
    game->addAction(host ? tr("&Host a game\u2026") : tr("&Join a game\u2026"), this, [this, host] {
      if (view_->inNetworkGame()) {
        showStatus(tr("A game for two is already running"));
        return;
      }
      NetGameDialog dialog(host, windowStateFile_, this);
      if (dialog.exec() != QDialog::Accepted) return;
      view_->startNetworkGame(dialog.options());
      refreshCommands();
      tellNews();
      view_->setFocus();
    });
  }
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
  switch (id) {
    case kRestart:
      // A restart starts a new flight: it runs, whether or not the old one was paused.
      setPaused(false);
      view_->restart();
      break;
    case kTogglePause:
      setPaused(!view_->paused());
      break;
    case kToggleFullScreen:
      setFullScreen(!isFullScreen());
      break;
    case kToggleWatch:
      setWatching(!view_->watching());
      break;
    default:
      runSceneCommand(id);
      break;
  }
  refreshCommands();
  tellNews();
  view_->setFocus();
}

void MainWindow::runSceneCommand(int id) {
  const QString sceneDir = QDir(dataDir_).filePath("sw");
  const QString startDir = QDir(sceneDir).exists() ? sceneDir : QDir::currentPath();
  runCommand(view_->state(), id, [&startDir] { return chooseSceneFile(startDir); });
}

void MainWindow::refreshCommands() {
  actions_->refresh(view_->state().settings);
  const bool alone = !view_->inNetworkGame();
  for (const int id : {kAddIdentity, kFlyCraft, kNextIdentity, kPreviousIdentity,
                       kToggleSimpleShapes, kToggleAttack, kToggleWatch}) {
    if (QAction* action = actions_->action(id)) action->setEnabled(alone);
  }
  // The game's pilot is the host's, whatever this player keeps as his own.
  if (!alone) actions_->action(kToggleAttack)->setChecked(view_->state().pilot.attack);
  const std::optional<int> delay = view_->inputDelay();
  if (delay) {
    delayLabel_->setText(*delay == 1 ? tr("Input delay: 1 frame")
                                     : tr("Input delay: %1 frames").arg(*delay));
  }
  delayLabel_->setVisible(delay.has_value());
}

}  // namespace vev

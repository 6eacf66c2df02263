#include "app/qt/scene_view.h"

#include <QFile>
#include <QKeyEvent>
#include <algorithm>
#include <cstdio>
#include <set>
#include <utility>

#include "app/asset_refresh.h"
#include "app/commands.h"
#include "app/demo_pilot.h"
#include "app/demo_scene.h"
#include "app/frame.h"
#include "app/game_step.h"
#include "app/key_state.h"
#include "app/own_craft.h"
#include "app/qt/surface_format.h"
#include "app/qt/virtual_keys.h"
#include "app/reload.h"
#include "app/scene_hashes.h"
#include "model/path.h"
#include "render/viewport.h"
#include "sim/node_kind.h"
#include "sim/state_checksum.h"
#include "sound/openal_sound_library.h"
#include "sound/sound_shutdown.h"
#include "sound/sound_switch.h"

namespace vev {

SceneView::SceneView(ViewSetup setup, QWidget* parent)
    : QOpenGLWidget(parent),
      dataDir_(std::move(setup.dataDir)),
      store_(std::move(setup.settings)),
      onUnreadableTexture_(std::move(setup.onUnreadableTexture)),
      attackOverride_(setup.attack),
      addFiles_(std::move(setup.addFiles)),
      flyFile_(std::move(setup.flyFile)),
      view_(std::make_unique<OpenAlSoundLibrary>()),
      recordPath_(std::move(setup.recordPath)),
      replay_(std::move(setup.replay)),
      netOptions_(std::move(setup.net)) {
  setObjectName("sceneView");
  setFormat(viewSurfaceFormat());
  setFocusPolicy(Qt::StrongFocus);
  view_.joystick = &joystick_;
  view_.dataDir = QFile::encodeName(dataDir_).toStdString();
  for (const QString& file : setup.ownFiles) {
    view_.ownFiles.push_back(QFile::encodeName(file).toStdString());
  }
  view_.onUnreadableTexture = onUnreadableTexture_;
  if (!view_.soundTable.ready()) std::fputs("No sound device: running without sound\n", stderr);
  writeVersionStamp(*store_);
  connect(&timer_, &QTimer::timeout, this, &SceneView::onTick);
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this,
          [this](const QString& path) { changedFiles_.insert(path); });
  timer_.start(kTimerIntervalMs);
}

SceneView::~SceneView() {
  timer_.stop();
  if (recorder_.isOpen() && !recorder_.finish(stateChecksum(view_.model))) {
    std::fprintf(stderr, "vev: cannot write the replay %s\n", qPrintable(recordPath_));
  }
  shutdownSound(view_.sounds);
  // Settings that were never read are not written over the stored ones.
  if (settingsRead_) writeSettings(*store_, view_.settings);
}

void SceneView::initializeGL() {
  view_.settings = readSettings(*store_);
  if (attackOverride_) view_.settings.attack = *attackOverride_ ? 1 : 0;
  if (replay_) view_.settings.attack = replay_->setup.attack ? 1 : 0;
  settingsRead_ = true;
  if (view_.ownFiles.empty()) {
    loadDemonstration();
  } else {
    loadOwnScene(view_, view_.ownFiles, onUnreadableTexture_);
  }
  // As a command of the first frame, so that a recording of the game holds it.
  if (!flyFile_.isEmpty()) {
    view_.commands.emplace_back(GameCommand::Kind::flyFile,
                                QFile::encodeName(flyFile_).toStdString());
  }
  noteLoadedFiles();
  if (replay_) checkReplayScene();
  if (!recordPath_.isEmpty()) startRecording();
  if (netOptions_.active()) startNetworkGame(netOptions_);
}

// Until the other player is there, the view shows the scene as it was loaded.
void SceneView::startNetworkGame(const NetOptions& options) {
  std::string error;
  const GameSetup setup{true, {}, view_.settings.attack != 0};
  net_ = startNetGame(options, view_, setup, error);
  if (!net_) {
    view_.news.push_back("No game for two: " + error);
    return;
  }
  view_.news.push_back(options.host ? "Waiting for a player on port " + std::to_string(options.port)
                                    : "Joining " + options.joinAddress);
}

std::optional<int> SceneView::inputDelay() const {
  if (!net_ || net_->game->session().state() != LockstepSession::State::playing) return {};
  return net_->game->session().delay();
}

void SceneView::serviceNetworkGame() {
  NetGame& game = *net_->game;
  game.session().service(0);
  while (const std::optional<PauseChange> change = game.session().takePauseChange()) {
    paused_ = change->paused;
    if (paused_) silenceLoops(view_.sounds);
    view_.news.push_back(game.session().otherPlayer() +
                         (paused_ ? " paused the game" : " goes on with the game"));
  }
  game.tellNews(view_);
  if (game.session().state() == LockstepSession::State::ended && !game.started()) net_.reset();
}

void SceneView::loadDemonstration() {
  SceneAssets assets = view_.assets(onUnreadableTexture_);
  const std::string& dataDir = view_.dataDir;
  if (!holdsDemoScene(dataDir)) {
    std::fprintf(stderr, "vev: no sw/ folder in %s: starting without the demonstration\n",
                 dataDir.empty() ? "the working directory" : dataDir.c_str());
  }
  loadDemoScene(view_.model, assets, dataDir);
  for (const QString& file : addFiles_) {
    addSceneFile(view_, QFile::encodeName(file).toStdString(), onUnreadableTexture_);
  }
}

// A replay of another scene does not play: it is told which file differs, and the view waits.
void SceneView::checkReplayScene() {
  const std::string difference =
      sceneDifference(replay_->files, sceneFileHashes(view_.model, view_.dataDir));
  if (difference.empty()) return;
  std::fprintf(stderr, "vev: the replay was recorded with another scene: %s\n", difference.c_str());
  view_.news.push_back("The replay was recorded with another scene: " + difference);
  replay_.reset();
  paused_ = true;
}

void SceneView::startRecording() {
  std::vector<std::string> added = view_.ownFiles;
  for (const QString& file : addFiles_) added.push_back(QFile::encodeName(file).toStdString());
  const GameSetup setup{view_.ownFiles.empty(), added, view_.settings.attack != 0};
  if (!recorder_.open(QFile::encodeName(recordPath_).toStdString(), setup,
                      sceneFileHashes(view_.model, view_.dataDir))) {
    std::fprintf(stderr, "vev: cannot write the replay %s\n", qPrintable(recordPath_));
  }
}

// The frame's inputs: the network game's, once both players' have come; the replay's next frame
// while one plays; else the keyboard's.
std::optional<FrameInputs> SceneView::nextInputs() {
  if (net_) {
    std::optional<FrameInputs> inputs = net_->game->nextFrame(view_);
    if (!inputs && net_->game->started()) net_->game->session().noteStall(stepsTaken_ + 1);
    return inputs;
  }
  if (!replay_) return takeFrameInputs(view_);
  view_.commands.clear();
  return replay_->frames[replayFrame_++];
}

// At its last frame a replay says whether it came out as recorded; the player flies on from there.
void SceneView::endReplay() {
  const bool same = stateChecksum(view_.model) == replay_->finalChecksum;
  const char* verdict = same ? "The replay has ended as it was recorded"
                             : "The replay has ended in another state than it was recorded in";
  view_.news.push_back(verdict);
  replay_.reset();
}

void SceneView::resizeGL(int width, int height) {
  const qreal ratio = devicePixelRatioF();
  vev::resize(view_.viewport, static_cast<int>(width * ratio), static_cast<int>(height * ratio));
}

// A paint draws the latest state; only the timer steps the simulation.
void SceneView::paintGL() {
  // A paint that arrives while a scene file loads (a message box about a texture lets the window
  // repaint) leaves the last frame on screen.
  if (view_.model.frameReady == 0) return;
  const bool fresh = paintedStep_ != stepsTaken_;
  drawFrame(view_, [this, fresh] {
    if (fresh) emit framePresented();
  });
  if (!fresh) return;
  paintedStep_ = stepsTaken_;
}

void SceneView::onTick() {
  noteLoadedFiles();
  if (watching_ && !net_) reloadChangedFiles();
  if (net_) serviceNetworkGame();
  const auto stepless = [this] {
    if (!view_.news.empty()) emit newsArrived();
  };
  if (paused_ || view_.model.frameReady == 0) return stepless();
  if (replay_ && replayFrame_ == replay_->frames.size()) endReplay();
  const std::optional<FrameInputs> next = nextInputs();
  if (!next) return stepless();
  const FrameInputs& inputs = *next;
  const bool restarts =
      std::any_of(inputs.commands.begin(), inputs.commands.end(),
                  [](const GameCommand& c) { return c.kind == GameCommand::Kind::restart; });
  // The texture objects belong to this view's context.
  if (restarts) makeCurrent();
  stepFrame(view_, inputs);
  if (restarts) doneCurrent();
  if (net_) net_->game->afterStep(view_);
  ++stepsTaken_;
  recorder_.record(inputs);
  update();
  emit frameFinished();
}

void SceneView::noteLoadedFiles() {
  for (const Identity* it = view_.model.scene.get(); it; it = it->next.get()) {
    if (it->sourcePath.empty()) continue;
    const QString path = QFile::decodeName(it->sourcePath.c_str());
    if (loadedFiles_.contains(path)) continue;
    loadedFiles_.insert(path);
    watch(path);
  }
  for (const Identity* it = view_.model.scene.get(); it; it = it->next.get()) {
    for (const std::string& asset : assetPathsOf(*it)) {
      const QString path = QFile::decodeName(nativePath(asset).c_str());
      if (assetFiles_.contains(path)) continue;
      assetFiles_.insert(path, asset);
      watch(path);
    }
  }
}

void SceneView::watch(const QString& path) {
  if (watching_ && QFile::exists(path)) watcher_.addPath(path);
}

void SceneView::setWatching(bool on) {
  watching_ = on;
  changedFiles_.clear();
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  for (const QString& path : loadedFiles_) watch(path);
  for (const QString& path : assetFiles_.keys()) watch(path);
}

// An editor that saves by writing a new file and renaming it over the old one takes the watched
// file away: it is watched again as soon as it is back.
void SceneView::reloadChangedFiles() {
  const QStringList watched = watcher_.files();
  for (const QString& path : loadedFiles_.values() + assetFiles_.keys()) {
    if (!watched.contains(path) && QFile::exists(path) && watcher_.addPath(path)) {
      changedFiles_.insert(path);
    }
  }
  if (changedFiles_.isEmpty() || view_.model.frameReady == 0) return;
  const QSet<QString> changed = std::exchange(changedFiles_, {});
  std::set<std::string> assets;
  for (const QString& path : changed) {
    if (assetFiles_.contains(path)) {
      assets.insert(assetFiles_.value(path));
    } else {
      reloadSceneFile(view_, QFile::encodeName(path).toStdString(), onUnreadableTexture_);
    }
  }
  refreshAssets(view_, assets);
  update();
}

void SceneView::restart() {
  view_.commands.emplace_back(GameCommand::Kind::restart);
}

void SceneView::setPaused(bool paused) {
  if (net_ && paused != paused_) net_->game->session().sendPause(stepsTaken_, paused);
  paused_ = paused;
  if (paused_) silenceLoops(view_.sounds);
  update();
}

void SceneView::keyPressEvent(QKeyEvent* event) {
  const Identity* controlled = view_.model.controlled;
  if (event->key() == Qt::Key_R && !event->isAutoRepeat() && controlled &&
      isDestroyed(*controlled)) {
    emit restartAsked();
  }
  if (!event->isAutoRepeat()) {
    const KeyCode code = virtualKeyOf(event->key(), event->modifiers());
    keyDown(view_.model.keyState, code);
    keyDown(view_.pressedSinceStep, code);
  }
  event->accept();
}

void SceneView::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) {
    keyUp(view_.model.keyState, virtualKeyOf(event->key(), event->modifiers()));
  }
  event->accept();
}

void SceneView::focusOutEvent(QFocusEvent* event) {
  releaseAllKeys(view_.model.keyState);
  releaseAllKeys(view_.pressedSinceStep);
  QOpenGLWidget::focusOutEvent(event);
}

bool SceneView::focusNextPrevChild(bool) {
  return false;
}

}  // namespace vev

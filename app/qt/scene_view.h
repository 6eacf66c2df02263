#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QOpenGLWidget>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>

#include "app/net_options.h"
#include "app/qt/sdl_joystick.h"
#include "app/replay_file.h"
#include "app/settings_store.h"
#include "app/view_state.h"
#include "scenefile/texture_loader.h"

namespace vev {

// What the view is started with.
struct ViewSetup {
  QString dataDir;                          // the folder holding the demonstration's sw/
  std::unique_ptr<SettingsStore> settings;  // read once the GL context exists, written at the end
  UnreadableTextureHandler onUnreadableTexture;
  std::optional<bool> attack;        // the pilot asked for on the command line, over the stored one
  bool newsOnStandardError = false;  // a scripted run tells the status bar's news there as well
  QStringList addFiles;              // added once the demonstration is loaded
  QString recordPath;                // where the game's replay is written; empty: nowhere
  std::optional<Replay> replay;      // a game to play again instead of the keyboard
  QStringList ownFiles;              // flown alone instead of the demonstration
  QString flyFile;                   // its craft put in the player's place at the first frame
  NetOptions net;                    // a two-player game to host or join
};

// The view: owns the scene and everything a frame works on, ticks every 40 ms and paints one
// frame per tick, and turns key events into the key state. The demonstration is loaded once the
// GL context exists. When the view goes, sound is closed and then the settings are saved.
class SceneView final : public QOpenGLWidget {
  Q_OBJECT

 public:
  static constexpr int kTimerIntervalMs = 40;

  SceneView(ViewSetup setup, QWidget* parent = nullptr);
  ~SceneView() override;

  ViewState& state() { return view_; }

  // Releases the scene and loads the demonstration again, as at start-up, with the next step.
  void restart();
  // While on, every scene file loaded since start-up is watched, and a file that changes on disk
  // is loaded again in place of its Identities before the next frame (see reloadSceneFile); so
  // are the bitmaps and samples they name, which are read again (see refreshAssets).
  void setWatching(bool on);
  bool watching() const { return watching_; }
  // Stops the simulation, the pilot and the sound, and keeps showing the last frame; and back.
  // In a network game, the other player's game pauses and goes on with this one.
  void setPaused(bool paused);
  // While a network game is being started or played: adding files, reloading them and the
  // settings that change the simulation are kept for games of one.
  bool inNetworkGame() const { return net_.has_value(); }
  // The input delay in frames while a network game is played with the other player.
  std::optional<int> inputDelay() const;
  // Hosts or joins a game for two; its news tells how it goes.
  void startNetworkGame(const NetOptions& options);
  bool paused() const { return paused_; }
  const UnreadableTextureHandler& onUnreadableTexture() const { return onUnreadableTexture_; }
  // Steps taken so far, and the last of them painted.
  int stepsTaken() const { return stepsTaken_; }
  int paintedStep() const { return paintedStep_; }

 signals:
  // A new step has been drawn and is about to be shown; its pixels can be read now.
  void framePresented();
  // The step has run and its news is waiting; settings may have changed in it.
  void frameFinished();
  // R was pressed while the controlled craft is destroyed.
  void restartAsked();
  // News arrived while no step ran (a network game's joins, departures and refusals).
  void newsArrived();

 protected:
  void initializeGL() override;
  void resizeGL(int width, int height) override;
  void paintGL() override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Tab belongs to the scene files' keys, not to focus changes.
  bool focusNextPrevChild(bool next) override;

 private:
  void onTick();
  std::optional<FrameInputs> nextInputs();
  // Takes what the other player sent: his pauses, and the news of the game; ends the network
  // game when it could not begin.
  void serviceNetworkGame();
  // The demonstration from the data folder, and the files given to add to it.
  void loadDemonstration();
  void startRecording();
  void checkReplayScene();
  void endReplay();
  void noteLoadedFiles();
  void reloadChangedFiles();
  void watch(const QString& path);

  QString dataDir_;
  std::unique_ptr<SettingsStore> store_;
  UnreadableTextureHandler onUnreadableTexture_;
  std::optional<bool> attackOverride_;
  QStringList addFiles_;
  QString flyFile_;
  ViewState view_;
  SdlJoystick joystick_;
  QTimer timer_;
  bool settingsRead_ = false;
  bool paused_ = false;
  QFileSystemWatcher watcher_;
  QSet<QString> loadedFiles_;               // every scene file loaded since start-up
  QHash<QString, std::string> assetFiles_;  // the bitmaps and samples they name, as named
  QSet<QString> changedFiles_;              // changed since the last tick; each is reloaded once
  bool watching_ = false;
  QString recordPath_;
  ReplayRecorder recorder_;
  std::optional<Replay> replay_;
  std::size_t replayFrame_ = 0;
  int stepsTaken_ = 0;
  int paintedStep_ = 0;
  NetOptions netOptions_;
  std::optional<NetStart> net_;
};

}  // namespace vev

#pragma once

#include <QOpenGLWidget>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

#include "app/qt/sdl_joystick.h"
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

  // Releases the scene and loads the demonstration again, as at start-up.
  void restart();
  // Stops the simulation, the pilot and the sound, and keeps showing the last frame; and back.
  void setPaused(bool paused);
  bool paused() const { return paused_; }
  const UnreadableTextureHandler& onUnreadableTexture() const { return onUnreadableTexture_; }
  int framesPainted() const { return framesPainted_; }

 signals:
  // The frame has been drawn and is about to be shown; its pixels can be read now.
  void framePresented();
  // The whole frame, simulation included, has run; settings may have changed in it.
  void frameFinished();

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

  QString dataDir_;
  std::unique_ptr<SettingsStore> store_;
  UnreadableTextureHandler onUnreadableTexture_;
  std::optional<bool> attackOverride_;
  ViewState view_;
  SdlJoystick joystick_;
  QTimer timer_;
  bool settingsRead_ = false;
  bool paused_ = false;
  int framesPainted_ = 0;
};

}  // namespace vev

#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include "app/qt/program_options.h"
#include "app/qt/scene_view.h"

namespace vev {

// The parts of a run that a script asks for: quitting after a number of frames and keeping the
// last frame's image for a screenshot.
class ScriptedRun final : public QObject {
  Q_OBJECT

 public:
  ScriptedRun(SceneView& view, const ProgramOptions& options);

  // Writes the screenshot, when one was asked for; false, with a message, when it cannot be.
  bool saveScreenshot() const;

 private:
  void onFramePresented();

  SceneView& view_;
  int frames_;
  QString screenshotPath_;
  QImage lastFrame_;
  int presented_ = 0;
};

}  // namespace vev

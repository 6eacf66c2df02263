#include "app/qt/scripted_run.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace vev {

ScriptedRun::ScriptedRun(SceneView& view, const ProgramOptions& options)
    : view_(view), frames_(options.frames), screenshotPath_(options.screenshotPath) {
  if (frames_ > 0 || !screenshotPath_.isEmpty()) {
    connect(&view_, &SceneView::framePresented, this, &ScriptedRun::onFramePresented);
  }
}

bool ScriptedRun::saveScreenshot() const {
  if (screenshotPath_.isEmpty()) return true;
  if (!lastFrame_.isNull() && lastFrame_.save(screenshotPath_, "PNG")) return true;
  std::fprintf(stderr, "vev: cannot write the screenshot %s\n", qPrintable(screenshotPath_));
  return false;
}

void ScriptedRun::onFramePresented() {
  ++presented_;
  if (frames_ > 0 && presented_ > frames_) return;
  // Inside the paint, the view's framebuffer holds this frame.
  if (!screenshotPath_.isEmpty()) lastFrame_ = view_.grabFramebuffer();
  // Quitting from within the paint would tear the window down under it.
  if (presented_ == frames_) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}

}  // namespace vev

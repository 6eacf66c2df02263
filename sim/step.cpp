#include "sim/step.h"

#include <chrono>
#include <optional>

#include "sim/collision_world.h"
#include "sim/controls.h"
#include "sim/dynamics.h"
#include "sim/explosion_clocks.h"
#include "sim/sweep.h"

namespace vev {
namespace {

void ensureControlled(ModelState& model) {
  if (!model.controlled) model.controlled = model.scene.get();
}

// Reads the clock around a stage only when timings were asked for.
template <typename Stage>
void timed(double* ms, Stage&& stage) {
  if (!ms) {
    stage();
    return;
  }
  const auto start = std::chrono::steady_clock::now();
  stage();
  *ms +=
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

void stepSimulation(ModelState& model, const KeyStates& keys, const PilotTurn& pilot,
                    const StepReport& report, const KeyStates& secondKeys) {
  StepTimings* timings = report.timings;
  ensureControlled(model);
  timed(timings ? &timings->controlsMs : nullptr, [&] { stepControls(model, keys, secondKeys); });
  timed(timings ? &timings->sweepMs : nullptr, [&] { sweepSpent(model); });
  if (pilot) pilot(model);
  ensureControlled(model);
  advanceExplosionClocks(model);
  double collisionsMs = 0.0;
  double* collisionClock = timings ? &collisionsMs : nullptr;
  timed(timings ? &timings->dynamicsMs : nullptr, [&] {
    std::optional<CollisionWorld> world;
    timed(collisionClock, [&] { world.emplace(model); });
    stepDynamics(model, *world, report.collisionLines, collisionClock);
  });
  if (timings) {
    timings->collisionsMs += collisionsMs;
    timings->dynamicsMs -= collisionsMs;
  }
}

}  // namespace vev

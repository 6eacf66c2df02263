// Times the node control step over a chain of parts, each the only child of the one before and
// each turning on a held key, against the chain's length; the fitted complexity shows the step
// stays linear however deep the parts are nested.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/model_state.h"
#include "sim/node_control.h"

namespace vev {
namespace {

constexpr KeyCode kTurnKey = 84;

Identity& chainOfTurningParts(ModelState& model, int length) {
  Identity& craft = appendIdentity(model.scene, newIdentity());
  std::unique_ptr<SceneNode>* link = &craft.nodes;
  for (int i = 0; i < length; ++i) {
    *link = std::make_unique<SceneNode>();
    SceneNode& node = **link;
    node.kind = "QUAD";
    node.active = 1;
    node.childCount = i + 1 < length ? 1 : 0;
    node.pose = std::make_unique<Pose>(unitPose());
    node.body = std::make_unique<BodyState>();
    node.body->rotation[0] =
        ControlChannel{.increaseKey = kTurnKey, .rate = 10.0f, .roomUp = 1000.0f, .unlimited = 1};
    link = &node.next;
  }
  craft.keys[kTurnKey] = 1;
  return craft;
}

void BM_StepNodesDeepChain(benchmark::State& state) {
  ModelState model;
  Identity& craft = chainOfTurningParts(model, static_cast<int>(state.range(0)));
  for (auto _ : state) stepNodes(model, craft, craft.nodes.get(), &craft.pose);
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_StepNodesDeepChain)
    ->RangeMultiplier(4)
    ->Range(256, 16384)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

}  // namespace
}  // namespace vev

BENCHMARK_MAIN();

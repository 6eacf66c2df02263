#include "app/fight_run.h"

#include <algorithm>
#include <limits>
#include <map>
#include <memory>

#include "app/demo_scene.h"
#include "app/frame.h"
#include "app/game_step.h"
#include "app/scripted_gunner.h"
#include "app/view_state.h"
#include "sim/node_kind.h"
#include "sound/silent_sound_library.h"

namespace vev {
namespace {

// The craft that can be damaged, other than the player's, in list order.
std::vector<Identity*> opponentsOf(const ModelState& model) {
  std::vector<Identity*> list;
  for (Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (it != model.controlled && it->damage && !isShot(*it)) list.push_back(it);
  }
  return list;
}

// The damage an Identity has taken, and what its parts were charged this step and take next.
int absorbed(const Identity& identity) {
  int total = identity.damage ? identity.damage->taken : 0;
  for (const SceneNode* node = identity.nodes.get(); node; node = node->sibling) {
    total += node->hits;
  }
  return total;
}

// A shot is linked right after its shooter, behind the shooter's earlier shots.
const Identity* shooterOf(const Identity& shot, const Identity* head) {
  const Identity* shooter = nullptr;
  for (const Identity* it = head; it && it != &shot; it = it->next.get()) {
    if (!isShot(*it)) shooter = it;
  }
  return shooter;
}

bool explodedThisStep(const Identity& shot, float frameStep) {
  if (!shot.nodes || !isKind(*shot.nodes, "EXPLOSION")) return false;
  const float* clock = paramSlot(*shot.nodes, 0);
  return clock && *clock == frameStep;
}

// Who dealt whom how much in one fight: each shot that hit this step is charged to the craft
// nearest to it among those that received damage in the step.
class DamageLedger {
 public:
  void before(const ModelState& model) {
    absorbedBefore_.clear();
    for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
      if (it->damage && !isShot(*it)) absorbedBefore_[it] = absorbed(*it);
    }
  }

  void after(const ModelState& model, FightResult& result) {
    // Walked from the scene, since a craft destroyed in the step may have left it.
    std::map<const Identity*, int> received;
    for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
      const auto before = absorbedBefore_.find(it);
      if (before != absorbedBefore_.end() && absorbed(*it) > before->second) {
        received[it] = absorbed(*it) - before->second;
      }
    }
    if (received.count(model.controlled)) result.taken += received[model.controlled];
    // A shot may cross several faces of its victim in one step: the victim's damage is shared
    // among the shots that hit it, in proportion to their power.
    std::map<const Identity*, std::vector<const Identity*>> shotsAt;
    const float frameStep = model.frameStepSeconds();
    for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
      if (!isShot(*it) || !explodedThisStep(*it, frameStep)) continue;
      if (const Identity* victim = nearest(received, it->pose.position)) {
        shotsAt[victim].push_back(it);
      }
    }
    for (const auto& [victim, shots] : shotsAt) {
      int power = 0;
      for (const Identity* shot : shots) power += shot->damage ? shot->damage->power : 0;
      int left = received[victim];
      for (std::size_t i = 0; i < shots.size() && power > 0; ++i) {
        const int own = shots[i]->damage ? shots[i]->damage->power : 0;
        const int amount = i + 1 == shots.size() ? left : received[victim] * own / power;
        left -= amount;
        charge(shooterOf(*shots[i], model.scene.get()), victim, amount, model.controlled, result);
      }
    }
  }

 private:
  static const Identity* nearest(const std::map<const Identity*, int>& received, const Vec3& at) {
    const Identity* best = nullptr;
    float bestSquared = std::numeric_limits<float>::max();
    for (const auto& [identity, amount] : received) {
      const Vec3 offset = identity->pose.position - at;
      if (amount > 0 && dot(offset, offset) < bestSquared) {
        best = identity;
        bestSquared = dot(offset, offset);
      }
    }
    return best;
  }

  static void charge(const Identity* shooter, const Identity* victim, int amount,
                     const Identity* player, FightResult& result) {
    if (!shooter) return;
    if (shooter == player) {
      if (victim != player) result.dealt += amount;
      return;
    }
    result.opponentsDealt += amount;
    if (victim != player) result.friendlyFire += amount;
  }

  std::map<const Identity*, int> absorbedBefore_;
};

bool inScene(const ModelState& model, const Identity* identity) {
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (it == identity) return true;
  }
  return false;
}

void measureDistances(const ModelState& model, FightResult& result) {
  for (const Identity* opponent : opponentsOf(model)) {
    const float distance = length(opponent->pose.position - model.controlled->pose.position);
    result.closestApproach = std::min(result.closestApproach, distance);
    result.farthestOpponent = std::max(result.farthestOpponent, distance);
  }
}

void loadFight(ViewState& view, const std::string& dataDir) {
  SceneAssets assets = view.assets({});
  loadDemoScene(view.model, assets, dataDir);
  view.model.controlled = view.model.scene.get();
  view.settings.attack = 1;
  view.settings.soundEnabled = 0;
}

}  // namespace

std::vector<std::string> demoOpponents(const std::string& dataDir) {
  ViewState view{std::make_unique<SilentSoundLibrary>()};
  loadFight(view, dataDir);
  std::vector<std::string> names;
  for (const Identity* opponent : opponentsOf(view.model)) names.push_back(opponent->hudName);
  return names;
}

FightResult flyFight(const FightSetup& setup) {
  ViewState view{std::make_unique<SilentSoundLibrary>()};
  loadFight(view, setup.dataDir);
  FightResult result;
  result.throttlePercent = setup.throttlePercent;
  result.target = "passive";
  result.closestApproach = std::numeric_limits<float>::max();
  const std::vector<Identity*> opponents = opponentsOf(view.model);
  const Identity* player = view.model.controlled;
  const Identity* wanted = nullptr;
  if (setup.opponent >= 0 && setup.opponent < static_cast<int>(opponents.size())) {
    wanted = opponents[static_cast<std::size_t>(setup.opponent)];
    result.target = wanted->hudName;
  }
  const ScriptedGunner gunner(static_cast<float>(setup.throttlePercent) / 100.0f);
  const float frameStep = view.model.frameStepSeconds();
  DamageLedger ledger;
  for (int frame = 1; frame <= setup.frames; ++frame) {
    FrameInputs inputs = takeFrameInputs(view);
    if (setup.opponent >= 0 && player) {
      inputs.keys = gunner.keys(*player, wanted, view.model.scene.get(), frameStep);
    }
    ledger.before(view.model);
    stepFrame(view, inputs);
    ledger.after(view.model, result);
    measureDistances(view.model, result);
    const double now = frame * static_cast<double>(frameStep);
    if (wanted && (!inScene(view.model, wanted) || isDestroyed(*wanted))) {
      result.targetDestroyed = now;
      wanted = nullptr;
    }
    if (!result.playerDestroyed && (!inScene(view.model, player) || isDestroyed(*player))) {
      result.playerDestroyed = now;
      player = nullptr;
    }
  }
  return result;
}

}  // namespace vev

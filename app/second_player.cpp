#include "app/second_player.h"

#include "app/attack_pilot.h"
#include "sim/node_kind.h"

namespace vev {
namespace {

bool isOtherCraft(const ModelState& model, const Identity& it) {
  return &it != model.controlled && !isShot(it) && it.damage != nullptr;
}

// The first craft after the controlled one, in list order and round to its start, that `fits`.
template <typename Fits>
Identity* nextCraft(ModelState& model, Fits fits) {
  Identity* start = model.controlled ? model.controlled : model.scene.get();
  if (!start) return nullptr;
  for (Identity* it = start->next.get(); it; it = it->next.get()) {
    if (isOtherCraft(model, *it) && fits(*it)) return it;
  }
  for (Identity* it = model.scene.get(); it && it != start; it = it->next.get()) {
    if (isOtherCraft(model, *it) && fits(*it)) return it;
  }
  return nullptr;
}

}  // namespace

Identity* secondPlayerCraft(ModelState& model) {
  for (Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (it->secondPlayer) return it;
  }
  return nullptr;
}

void joinSecondPlayer(ModelState& model) {
  if (secondPlayerCraft(model)) return;
  if (!model.controlled) model.controlled = model.scene.get();
  const Identity* first = model.controlled;
  Identity* craft =
      first ? nextCraft(model,
                        [first](const Identity& it) {
                          return !first->sourcePath.empty() && it.sourcePath == first->sourcePath;
                        })
            : nullptr;
  if (!craft) craft = nextCraft(model, [](const Identity&) { return true; });
  if (!craft) return;
  releasePilotKeys(*craft);
  craft->secondPlayer = true;
}

void leaveSecondPlayer(ModelState& model) {
  Identity* craft = secondPlayerCraft(model);
  if (!craft) return;
  craft->secondPlayer = false;
  releasePilotKeys(*craft);
}

void firstPlayerLeaves(ModelState& model) {
  Identity* craft = secondPlayerCraft(model);
  if (!craft) return;
  craft->secondPlayer = false;
  if (model.controlled) releasePilotKeys(*model.controlled);
  model.controlled = craft;
}

}  // namespace vev

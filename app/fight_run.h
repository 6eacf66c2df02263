#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vev {

// One fight of the demonstration under the attack pilot: the player's craft flown by a scripted
// gunner at a fixed throttle against a chosen opponent, or left alone (passive).
struct FightSetup {
  std::string dataDir;  // holding sw/
  int throttlePercent = 50;
  int opponent = -1;  // index among the computer-flown craft; -1: passive
  int frames = 3000;
};

// What a fight came to. Times are in seconds from the start; damage in strength points.
struct FightResult {
  int throttlePercent = 0;
  std::string target;                     // the opponent's HUD name; "passive"
  std::optional<double> targetDestroyed;  // when the chosen opponent was destroyed
  std::optional<double> playerDestroyed;  // when the player's craft was destroyed
  int dealt = 0;                          // by the player's shots to any opponent
  int taken = 0;                          // by the player's craft
  int opponentsDealt = 0;                 // by the opponents' shots, to anyone
  int friendlyFire = 0;                   // by the opponents' shots to opponents
  float closestApproach = 0.0f;           // of any opponent to the player, metres
  float farthestOpponent = 0.0f;          // from the player, metres
};

// The HUD names of the demonstration's computer-flown craft, in list order.
std::vector<std::string> demoOpponents(const std::string& dataDir);

// Flies one fight headless: no picture, no sound; the same setup gives the same result.
FightResult flyFight(const FightSetup& setup);

}  // namespace vev

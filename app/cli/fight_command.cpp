#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/cli/arguments.h"
#include "app/cli/command_usage.h"
#include "app/cli/commands.h"
#include "app/demo_scene.h"
#include "app/fight_run.h"
#include "app/json_text.h"

namespace vev {
namespace {

constexpr int kThrottles[] = {10, 30, 50, 75, 100};

struct FightOptions {
  int frames = 3000;
  int throttle = 0;  // 0: every throttle of the table
  std::string json;
};

bool parseFightOptions(const std::vector<std::string>& args, FightOptions& options,
                       std::string& error) {
  ArgumentParser parser;
  parser.option("--frames", [&options](const std::string& value) {
    return parseWhole(value, 1, 1 << 20, options.frames);
  });
  parser.option("--throttle", [&options](const std::string& value) {
    return parseWhole(value, 1, 100, options.throttle);
  });
  parser.option("--json", [&options](const std::string& value) {
    options.json = value;
    return true;
  });
  std::vector<std::string> plain;
  if (!parser.parse(args, plain, error)) return false;
  if (!plain.empty()) {
    error = "takes no scene files: it flies the demonstration";
    return false;
  }
  return true;
}

std::string seconds(const std::optional<double>& time, const char* otherwise) {
  if (!time) return otherwise;
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", *time);
  return text;
}

void printRow(const FightResult& row) {
  const char* throttle = row.target == "passive" ? "-" : nullptr;
  std::printf("%8s %-12s %9s %9s %7d %7d %9d %9d %8.1f %8.0f\n",
              throttle ? throttle : (std::to_string(row.throttlePercent) + "%").c_str(),
              row.target.c_str(), seconds(row.targetDestroyed, "-").c_str(),
              seconds(row.playerDestroyed, "survived").c_str(), row.dealt, row.taken,
              row.opponentsDealt, row.friendlyFire, static_cast<double>(row.closestApproach),
              static_cast<double>(row.farthestOpponent));
}

Json optionalSeconds(const std::optional<double>& time) {
  return time ? Json(*time) : Json(nullptr);
}

Json rowJson(const FightResult& row) {
  return {{"throttle", row.target == "passive" ? Json(nullptr) : Json(row.throttlePercent)},
          {"target", row.target},
          {"targetDestroyedSeconds", optionalSeconds(row.targetDestroyed)},
          {"playerDestroyedSeconds", optionalSeconds(row.playerDestroyed)},
          {"damageDealt", row.dealt},
          {"damageTaken", row.taken},
          {"opponentsDamage", row.opponentsDealt},
          {"friendlyFire", row.friendlyFire},
          {"closestApproach", row.closestApproach},
          {"farthestOpponent", row.farthestOpponent}};
}

bool writeJson(const std::string& path, int frames, const std::vector<FightResult>& rows) {
  Json list = Json::array();
  for (const FightResult& row : rows) list.push_back(rowJson(row));
  const Json json = {{"frames", frames}, {"rows", list}};
  std::ofstream out(path, std::ios::binary);
  out << jsonText(json, {"rows"});
  return static_cast<bool>(out);
}

}  // namespace

int runFight(const std::vector<std::string>& args) {
  FightOptions options;
  std::string error;
  if (!parseFightOptions(args, options, error)) {
    std::fprintf(stderr, "vev-scene fight: %s\n%.*s", error.c_str(),
                 static_cast<int>(kFightUsage.size()), kFightUsage.data());
    return 2;
  }
  if (!holdsDemoScene({})) {
    std::fprintf(
        stderr, "vev-scene fight: no sw/ folder here: the fight reads the demonstration from it\n");
    return 1;
  }
  std::printf("vev-scene fight: %d frames a fight, the opponents under the attack pilot\n",
              options.frames);
  std::printf("%8s %-12s %9s %9s %7s %7s %9s %9s %8s %8s\n", "throttle", "target", "target s",
              "player s", "dealt", "taken", "opp.dealt", "friendly", "closest", "farthest");
  std::vector<FightResult> rows;
  const std::vector<std::string> opponents = demoOpponents({});
  for (const int throttle : kThrottles) {
    if (options.throttle != 0 && options.throttle != throttle) continue;
    for (std::size_t i = 0; i < opponents.size(); ++i) {
      rows.push_back(flyFight(FightSetup{{}, throttle, static_cast<int>(i), options.frames}));
      printRow(rows.back());
      std::fflush(stdout);
    }
  }
  rows.push_back(flyFight(FightSetup{{}, 0, -1, options.frames}));
  printRow(rows.back());
  if (!options.json.empty() && !writeJson(options.json, options.frames, rows)) {
    std::fprintf(stderr, "vev-scene fight: cannot write %s\n", options.json.c_str());
    return 1;
  }
  return 0;
}

}  // namespace vev

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <string>

#include "tests/cli/scene_tool.h"

namespace {

using vev::test::parseJson;
using vev::test::readFile;
using vev::test::runScene;
using vev::test::ScratchFolder;

// The whole balance table, and the 50 % rows again on their own: the same rows, since every
// fight starts afresh from the same scene and keys.
TEST(Fight, TableIsTheSameWhenFlownAgainAndMeetsTheBalanceGoals) {
  const ScratchFolder folder("fight");
  const std::string all = (folder.path / "all.json").string();
  const std::string half = (folder.path / "half.json").string();
  const auto run = runScene("fight --json '" + all + "'");
  ASSERT_EQ(run.status, 0) << run.err;
  ASSERT_EQ(runScene("fight --throttle 50 --json '" + half + "'").status, 0);
  const QJsonArray rows = parseJson(readFile(all))["rows"].toArray();
  const QJsonArray halfRows = parseJson(readFile(half))["rows"].toArray();
  ASSERT_EQ(rows.size(), 5 * 6 + 1);
  ASSERT_EQ(halfRows.size(), 6 + 1);
  for (int i = 0; i < halfRows.size(); ++i) {
    const int inAll = i < 6 ? 2 * 6 + i : rows.size() - 1;
    EXPECT_EQ(rows[inAll].toObject(), halfRows[i].toObject()) << i;
  }
  EXPECT_NE(run.out.find("passive"), std::string::npos) << run.out;

  // Left alone, the player's craft falls within a minute to opponents that loiter near the
  // wreck; they seldom hit each other.
  const QJsonObject passive = rows.last().toObject();
  EXPECT_LE(passive["playerDestroyedSeconds"].toDouble(1e9), 60.0);
  EXPECT_LE(passive["farthestOpponent"].toDouble(), 1500.0);
  int friendly = 0, opponents = 0;
  for (const QJsonValue& row : rows) {
    friendly += row["friendlyFire"].toInt();
    opponents += row["opponentsDamage"].toInt();
    // No opponent comes within 5 m of the player, whatever the player does.
    EXPECT_GE(row["closestApproach"].toDouble(), 5.0)
        << row["throttle"].toInt() << " " << row["target"].toString().toStdString();
  }
  EXPECT_LT(friendly * 20, opponents);
  // From 30 % throttle up, every fighter falls within 30 s while the player's craft still flies,
  // and the cruiser within a minute.
  for (const QJsonValue& value : rows) {
    const QJsonObject row = value.toObject();
    const QString target = row["target"].toString();
    const int throttle = row["throttle"].toInt();
    if (target == "passive" || throttle < 30) continue;
    const double fell = row["targetDestroyedSeconds"].toDouble(1e9);
    EXPECT_LE(fell, target == "ZETA 1" ? 60.0 : 30.0) << throttle << " " << target.toStdString();
    EXPECT_GT(row["playerDestroyedSeconds"].toDouble(1e9), fell) << throttle;
  }
}

}  // namespace

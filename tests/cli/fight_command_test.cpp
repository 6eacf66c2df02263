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
TEST(Fight, TableOfEveryThrottleAndOpponentIsTheSameWhenFlownAgain) {
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
}

}  // namespace

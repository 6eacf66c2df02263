#include <gtest/gtest.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonObject>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cli/scene_tool.h"

namespace vev::test {
namespace {

// Ports of this test process's own, so that two suites running at once do not meet.
std::string testPort(int offset) {
  return std::to_string(20000 + (getpid() % 10000) * 4 + offset);
}

// Runs a shell script in `folder`, with $S the vev-scene binary and $SW the demonstration's
// folder. Every process it starts is bounded by `timeout`, generously.
int runScript(const std::filesystem::path& folder, const std::string& script) {
  const std::string command = "cd '" + folder.string() +
                              "' && S='" VEV_SCENE_BINARY "' SW='" VEV_SOURCE_DIR "/sw' bash -c '" +
                              script + "'";
  return std::system(command.c_str());
}

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++n;
  }
  return n;
}

TEST(NetGameTest, TwoPlayersOverASlowLossyLinkAgreeAtEveryChecksumAndWithTheReplay) {
  ScratchFolder folder("net_pair");
  std::ofstream(folder.path / "keys.txt") << "10 down 84\n200 up 84\n300 down 32\n320 up 32\n";
  const std::string port = testPort(0);
  const std::string game = "--demo --frames 3000 --checksum-every 25 --keys keys.txt ";
  ASSERT_EQ(runScript(folder.path,
                      "ln -s \"$SW\" sw; timeout 300 \"$S\" run " + game +
                          "--pilot attack --host " + port +
                          " >host.out 2>host.err & "
                          "timeout 300 \"$S\" run " +
                          game + "--join 127.0.0.1:" + port +
                          " --net-faults 100,5,20 --record guest.vrp >guest.out 2>guest.err; "
                          "guest=$?; wait $! && exit $guest"),
            0)
      << readFile(folder.path / "host.err") << readFile(folder.path / "guest.err");
  const std::string host = readFile(folder.path / "host.out");
  EXPECT_EQ(count(host, " checksum "), 120);
  EXPECT_EQ(readFile(folder.path / "guest.out"), host)
      << readFile(folder.path / "host.err") << readFile(folder.path / "guest.err");
  EXPECT_NE(readFile(folder.path / "guest.err").find(" stalls, "), std::string::npos);
  EXPECT_EQ(runScript(folder.path, "\"$S\" run --replay guest.vrp --checksum-every 25 >replay.out"),
            0);
  EXPECT_EQ(readFile(folder.path / "replay.out"), host);
}

TEST(NetGameTest, WrongPeersAndMissingHostsAreToldWhatIsWrong) {
  ScratchFolder folder("net_refusals");
  const std::string port = testPort(1);
  // A copy of the demonstration whose cruiser differs by one byte.
  ASSERT_EQ(runScript(folder.path,
                      "mkdir other && cp -r \"$SW\" other/sw && "
                      "echo >>other/sw/cruiser.ssp.zsf && ln -s \"$SW\" sw"),
            0);
  const std::string join = "timeout 60 \"$S\" run --demo --frames 5 --join 127.0.0.1:" + port;
  runScript(folder.path, "timeout 60 \"$S\" run --demo --frames 5 --host " + port + " --key w " +
                             ">/dev/null 2>host.err & sleep 1; "
                             "\"$S\" run --demo --frames 5 --host " +
                             port +
                             " 2>taken.err; "
                             "(cd other && " +
                             join + " --key w 2>../scene.err); " + join +
                             " --key x 2>key.err; kill $!");
  EXPECT_NE(readFile(folder.path / "taken.err").find("port " + port + " is taken"),
            std::string::npos);
  EXPECT_NE(readFile(folder.path / "scene.err").find("refused: sw/cruiser.ssp.zsf differs"),
            std::string::npos);
  EXPECT_NE(readFile(folder.path / "key.err").find("refused: the game key differs"),
            std::string::npos);
  EXPECT_NE(readFile(folder.path / "host.err").find("Guest was refused: the game key differs"),
            std::string::npos);
  EXPECT_EQ(runScript(folder.path, join + " 2>nobody.err"), 256);
  EXPECT_NE(readFile(folder.path / "nobody.err").find("nobody hosts at 127.0.0.1:" + port),
            std::string::npos);
}

TEST(NetGameTest, AKilledPlayersCraftGoesToThePilotAndTheGameGoesOn) {
  ScratchFolder folder("net_kill");
  const std::string port = testPort(2);
  ASSERT_EQ(
      runScript(folder.path,
                "ln -s \"$SW\" sw; timeout 300 \"$S\" run --demo --frames 1200 --json host.json "
                "--host " +
                    port +
                    " --player Ann >host.out 2>host.err & host=$!; "
                    "stdbuf -oL \"$S\" run --demo --frames 3000 --checksum-every 1 --join "
                    "127.0.0.1:" +
                    port +
                    " --player Bob >guest.out 2>/dev/null & guest=$!; "
                    "for i in $(seq 3000); do grep -q \"^frame 1000 \" guest.out && break; "
                    "sleep 0.1; done; kill -9 $guest; wait $host"),
      0)
      << readFile(folder.path / "host.err");
  const std::string news = readFile(folder.path / "host.err");
  EXPECT_NE(news.find("Bob left the game"), std::string::npos);
  EXPECT_NE(news.find("network game: 1200 frames"), std::string::npos);
  // Bob's M-BIRD is nobody's any more, and the demonstration pilot holds its throttle keys.
  const QJsonArray identities =
      parseJson(readFile(folder.path / "host.json"))["identities"].toArray();
  bool found = false;
  for (const QJsonValue& value : identities) {
    const QJsonObject identity = value.toObject();
    EXPECT_FALSE(identity["secondPlayer"].toBool()) << identity["hudName"].toString().toStdString();
    if (identity["hudName"].toString() != "ZETA 2") continue;
    found = true;
    const QJsonObject keys = identity["keys"].toObject();
    EXPECT_TRUE(keys.contains("84") || keys.contains("66")) << "no pilot flies Bob's craft";
  }
  EXPECT_TRUE(found);
}

// Two players whose states part (one side's craft nudged by a test hook after frame 40) both stop
// at the next exchange of checksums and write the state and inputs where they say.
TEST(NetGameTest, PlayersWhoseStatesPartBothStopAndWriteTheirFiles) {
  ScratchFolder folder("net_desync");
  const std::string port = testPort(3);
  const std::string game = "timeout 120 \"$S\" run --demo --frames 200 ";
  runScript(folder.path, "ln -s \"$SW\" sw; " + game + "--host " + port +
                             " --desync-at 40 2>host.err & " + game + "--join 127.0.0.1:" + port +
                             " 2>guest.err; wait $!");
  for (const char* side : {"host.err", "guest.err"}) {
    const std::string news = readFile(folder.path / side);
    EXPECT_NE(news.find("Out of sync at frame 50; the state is in "), std::string::npos)
        << side << ": " << news;
    const std::size_t state = news.find("the state is in ");
    const std::size_t inputs = news.find(", the inputs in ");
    if (state == std::string::npos || inputs == std::string::npos) continue;
    const std::size_t from = state + std::string("the state is in ").size();
    const std::filesystem::path statePath = news.substr(from, inputs - from);
    const std::size_t end = news.find('\n', inputs);
    const std::size_t inputsFrom = inputs + std::string(", the inputs in ").size();
    const std::filesystem::path inputsPath = news.substr(inputsFrom, end - inputsFrom);
    EXPECT_NE(readFile(statePath).find("\"identities\""), std::string::npos) << statePath;
    EXPECT_EQ(readFile(inputsPath).rfind("VEV replay\n", 0), 0u) << inputsPath;
    std::filesystem::remove(statePath);
    std::filesystem::remove(inputsPath);
  }
}

}  // namespace
}  // namespace vev::test

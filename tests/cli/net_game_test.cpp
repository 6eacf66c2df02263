#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cli/scene_tool.h"

namespace vev::test {
namespace {

// Ports of this test process's own, so that two suites running at once do not meet.
std::string testPort(int offset) {
  return std::to_string(20000 + (getpid() % 10000) * 3 + offset);
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
  const std::string game = "--demo --frames 1000 --checksum-every 25 --keys keys.txt ";
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
  EXPECT_EQ(count(host, " checksum "), 40);
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
                "ln -s \"$SW\" sw; timeout 300 \"$S\" run --demo --frames 700 --host " + port +
                    " --player Ann >host.out 2>host.err & host=$!; "
                    "stdbuf -oL \"$S\" run --demo --frames 3000 --checksum-every 1 --join "
                    "127.0.0.1:" +
                    port +
                    " --player Bob >guest.out 2>/dev/null & guest=$!; "
                    "for i in $(seq 3000); do grep -q \"^frame 500 \" guest.out && break; "
                    "sleep 0.1; done; kill -9 $guest; wait $host"),
      0)
      << readFile(folder.path / "host.err");
  const std::string news = readFile(folder.path / "host.err");
  EXPECT_NE(news.find("Bob left the game"), std::string::npos);
  EXPECT_NE(news.find("network game: 700 frames"), std::string::npos);
}

}  // namespace
}  // namespace vev::test

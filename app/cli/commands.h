#pragma once

#include <string>
#include <vector>

namespace vev {

// Each subcommand of vev-scene takes the arguments after its name and returns the exit status.
int runCheck(const std::vector<std::string>& args);
int runDump(const std::vector<std::string>& args);
int runRender(const std::vector<std::string>& args);
int runRun(const std::vector<std::string>& args);
int runBench(const std::vector<std::string>& args);
// bench --net: a two-player game over loopback at added latencies.
int runNetBench(const std::vector<std::string>& args);
int runFight(const std::vector<std::string>& args);

}  // namespace vev

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/commands.h"

namespace {

struct Command {
  std::string_view name;
  int (*run)(const std::vector<std::string>& args);
  std::string_view usage;
};

constexpr Command kCommands[] = {
    {"check", vev::runCheck, "check FILE...           report lines the loader skips or misreads"},
    {"dump", vev::runDump, "dump FILE...            print the loaded scene as JSON"},
    {"render", vev::runRender, "render FILE... -o PNG  draw the loaded scene into a PNG file"},
    {"run", vev::runRun, "run (--demo [FILE...] | FILE...) --frames N  fly the scene headless"},
    {"bench", vev::runBench, "bench (--demo | FILE...)  time the stages of the frame"},
};

int usage() {
  std::fprintf(stderr, "usage: vev-scene COMMAND ...\n");
  for (const Command& command : kCommands) {
    std::fprintf(stderr, "  vev-scene %.*s\n", static_cast<int>(command.usage.size()),
                 command.usage.data());
  }
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string_view name = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const Command& command : kCommands) {
    if (command.name == name) return command.run(args);
  }
  return usage();
}

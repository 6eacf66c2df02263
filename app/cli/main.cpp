#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/command_usage.h"
#include "app/cli/commands.h"
#include "app/version.h"

namespace {

constexpr std::string_view kCheckUsage = "usage: vev-scene check FILE...\n";
constexpr std::string_view kDumpUsage = "usage: vev-scene dump FILE...\n";

struct Command {
  std::string_view name;
  int (*run)(const std::vector<std::string>& args);
  std::string_view summary;
  std::string_view usage;
};

constexpr Command kCommands[] = {
    {"check", vev::runCheck, "check FILE...           report lines the loader skips or misreads",
     kCheckUsage},
    {"dump", vev::runDump, "dump FILE...            print the loaded scene as JSON", kDumpUsage},
    {"render", vev::runRender, "render FILE... -o PNG  draw the loaded scene into a PNG file",
     vev::kRenderUsage},
    {"run", vev::runRun, "run (--demo [FILE...] | FILE...) --frames N  fly the scene headless",
     vev::kRunUsage},
    {"bench", vev::runBench, "bench (--demo | FILE...)  time the stages of the frame",
     vev::kBenchUsage},
    {"fight", vev::runFight, "fight [--json OUT]      fly the balance table of the demonstration",
     vev::kFightUsage},
};

void printUsage(std::FILE* out) {
  std::fprintf(out, "usage: vev-scene COMMAND ...\n");
  for (const Command& command : kCommands) {
    std::fprintf(out, "  vev-scene %.*s\n", static_cast<int>(command.summary.size()),
                 command.summary.data());
  }
  std::fprintf(out, "  vev-scene COMMAND --help  what COMMAND takes\n");
}

bool isHelp(std::string_view arg) {
  return arg == "--help" || arg == "-h";
}

// --help or -h among a command's options (before a "--" that ends them) asks for its usage.
bool asksForHelp(const std::vector<std::string>& args) {
  const auto end = std::find(args.begin(), args.end(), "--");
  return std::any_of(args.begin(), end, [](const std::string& arg) { return isHelp(arg); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printUsage(stderr);
    return 2;
  }
  const std::string_view name = argv[1];
  if (isHelp(name)) {
    printUsage(stdout);
    return 0;
  }
  if (name == "--version") {
    std::printf("vev-scene %s\n", vev::kProgramVersion);
    return 0;
  }
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const Command& command : kCommands) {
    if (command.name != name) continue;
    if (!asksForHelp(args)) return command.run(args);
    std::fwrite(command.usage.data(), 1, command.usage.size(), stdout);
    return 0;
  }
  std::fprintf(stderr, "vev-scene: unknown command %.*s\n", static_cast<int>(name.size()),
               name.data());
  printUsage(stderr);
  return 2;
}

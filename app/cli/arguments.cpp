#include "app/cli/arguments.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <cstdio>
#include <utility>

namespace vev {

bool parseWhole(std::string_view text, std::int64_t low, std::int64_t high, std::int64_t& value) {
  std::int64_t parsed = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (failure != std::errc() || end != text.data() + text.size()) return false;
  if (parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

bool parseWhole(std::string_view text, int low, int high, int& value) {
  std::int64_t parsed = 0;
  if (!parseWhole(text, std::int64_t{low}, std::int64_t{high}, parsed)) return false;
  value = static_cast<int>(parsed);
  return true;
}

bool parsePilot(std::string_view text, bool& attack) {
  if (text != "demo" && text != "attack") return false;
  attack = text == "attack";
  return true;
}

ArgumentParser::ArgumentParser() : app_(std::make_unique<CLI::App>()) {
  // Our usage lines stand for help; --help is an unknown option like any other.
  app_->set_help_flag();
  // Unknown options are collected rather than thrown, so that the first one can be named.
  app_->allow_extras();
}

ArgumentParser::~ArgumentParser() = default;

void ArgumentParser::flag(const std::string& name, std::function<void()> set) {
  app_->add_flag_callback(name, std::move(set));
}

void ArgumentParser::option(const std::string& name, std::function<bool(const std::string&)> take) {
  app_->add_option_function<std::string>(
          name,
          [name, take](const std::string& value) {
            if (!take(value)) {
              throw CLI::ValidationError("bad value for " + name + ": " + value);
            }
          })
      ->trigger_on_parse();
}

bool ArgumentParser::parse(const std::vector<std::string>& args, std::vector<std::string>& plain,
                           std::string& error) {
  app_->add_option("plain", plain);
  try {
    // CLI11 takes the arguments last first.
    app_->parse(std::vector<std::string>(args.rbegin(), args.rend()));
  } catch (const CLI::ArgumentMismatch&) {
    // An option takes whatever follows it as its value: only the last argument can lack one,
    // given bare or as "--name=".
    error = args.back().substr(0, args.back().find('=')) + " needs a value";
    return false;
  } catch (const CLI::ParseError& failure) {
    error = failure.what();
    return false;
  }
  // The extras hold the unknown options and the "--" that ended the options, if any.
  for (const std::string& extra : app_->remaining()) {
    if (extra == "--") continue;
    error = "unknown option " + extra;
    return false;
  }
  return true;
}

bool parseFileArguments(const std::string& command, const std::vector<std::string>& args,
                        std::vector<std::string>& files) {
  std::string error;
  if (ArgumentParser().parse(args, files, error) && !files.empty()) return true;
  if (!error.empty()) std::fprintf(stderr, "vev-scene %s: %s\n", command.c_str(), error.c_str());
  std::fprintf(stderr, "usage: vev-scene %s FILE...\n", command.c_str());
  return false;
}

}  // namespace vev

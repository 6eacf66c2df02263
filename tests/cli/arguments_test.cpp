#include "app/cli/arguments.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vev {
namespace {

struct Parsed {
  bool ok = false;
  std::string error;
  std::vector<std::string> plain;
  bool flag = false;
  std::int64_t count = 0;
};

// A command with a flag --on and an option --count of 1 to 9.
Parsed parse(const std::vector<std::string>& args) {
  Parsed parsed;
  ArgumentParser parser;
  parser.flag("--on", [&parsed] { parsed.flag = true; });
  parser.option("--count", [&parsed](const std::string& value) {
    return parseWhole(value, 1, 9, parsed.count);
  });
  parsed.ok = parser.parse(args, parsed.plain, parsed.error);
  return parsed;
}

TEST(ArgumentParser, TakesOptionsAnywhereAndReportsInOurWords) {
  const Parsed good = parse({"a", "--count", "3", "b", "--on", "--count=4", "--", "--c"});
  ASSERT_TRUE(good.ok) << good.error;
  EXPECT_EQ(good.plain, (std::vector<std::string>{"a", "b", "--c"}));
  EXPECT_TRUE(good.flag);
  EXPECT_EQ(good.count, 4) << "the last of a repeated option";

  EXPECT_EQ(parse({"a", "--off"}).error, "unknown option --off");
  EXPECT_EQ(parse({"a", "--count"}).error, "--count needs a value");
  EXPECT_EQ(parse({"--count", "--on"}).error, "bad value for --count: --on");
  EXPECT_EQ(parse({"--count", "+3"}).error, "bad value for --count: +3");
}

}  // namespace
}  // namespace vev

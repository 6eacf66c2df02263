#include "app/settings_store.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vev {
namespace {

// A store in memory that records the order of writes and can refuse them all.
class MemoryStore : public SettingsStore {
 public:
  int writeSettingNumber(std::string_view name, std::int32_t value) override {
    if (readOnly) return 1;
    numbers[std::string(name)] = value;
    order.emplace_back(name);
    return 0;
  }
  int writeSettingText(std::string_view name, std::string_view text) override {
    if (readOnly) return 1;
    texts[std::string(name)] = text;
    order.emplace_back(name);
    return 0;
  }
  std::int32_t readSettingNumber(std::string_view name, std::int32_t fallback) override {
    const auto found = numbers.find(std::string(name));
    return found == numbers.end() ? fallback : found->second;
  }

  bool readOnly = false;
  std::map<std::string, std::int32_t> numbers;
  std::map<std::string, std::string> texts;
  std::vector<std::string> order;
};

TEST(SettingsStore, AnEmptyStoreGivesTheFirstRunDefaults) {
  MemoryStore store;
  const Settings settings = readSettings(store);
  EXPECT_EQ(settings.shading, 's');
  EXPECT_EQ(settings.textures, 1);
  EXPECT_EQ(settings.idHelp, 0);
  EXPECT_EQ(settings.soundEnabled, 1);
  EXPECT_EQ(settings.joystickEnabled, 1);
  EXPECT_EQ(settings.clampTextures, 1);
  EXPECT_EQ(settings.panel, 1);
  EXPECT_EQ(settings.simpleShapes, 0);
  EXPECT_EQ(settings.attack, 0);
  EXPECT_EQ(settings.collisionDebug, 0);
}

TEST(SettingsStore, WritesTheNineSettingsInOrderAndReadsThemBack) {
  MemoryStore store;
  Settings settings;
  settings.shading = 'w';
  settings.textures = 0;
  settings.idHelp = 1;
  settings.soundEnabled = 0;
  settings.joystickEnabled = 0;
  settings.clampTextures = 0;
  settings.panel = 0;
  settings.simpleShapes = 1;
  settings.attack = 1;
  settings.collisionDebug = 1;
  EXPECT_EQ(writeSettings(store, settings), 0);
  EXPECT_EQ(store.order, (std::vector<std::string>{"shading", "tex", "IDHelp", "sound", "joyflag",
                                                   "clamptex", "panel", "simpleshapes", "attack"}));
  EXPECT_EQ(store.numbers["shading"], 119);

  const Settings read = readSettings(store);
  EXPECT_EQ(read.shading, 'w');
  EXPECT_EQ(read.textures, 0);
  EXPECT_EQ(read.idHelp, 1);
  EXPECT_EQ(read.soundEnabled, 0);
  EXPECT_EQ(read.joystickEnabled, 0);
  EXPECT_EQ(read.clampTextures, 0);
  EXPECT_EQ(read.panel, 0);
  EXPECT_EQ(read.simpleShapes, 1);
  EXPECT_EQ(read.attack, 1);
  EXPECT_EQ(read.collisionDebug, 0) << "never stored";

  // Edited by hand: an on/off setting other than 0 is on, as 1, so that one toggle turns it off.
  store.numbers["panel"] = 2;
  store.numbers["sound"] = -5;
  EXPECT_EQ(readSettings(store).panel, 1);
  EXPECT_EQ(readSettings(store).soundEnabled, 1);
}

TEST(SettingsStore, VersionStampNamesTheAuthorAndVersion) {
  MemoryStore store;
  EXPECT_EQ(writeVersionStamp(store), 0);
  EXPECT_EQ(store.texts["author"], "Arno Veld");
  EXPECT_EQ(store.numbers["vers\u00e3o"], 322);
}

TEST(SettingsStore, AStoreThatCannotBeWrittenReportsIt) {
  MemoryStore store;
  store.readOnly = true;
  EXPECT_EQ(writeSettings(store, Settings{}), 1);
  EXPECT_EQ(writeVersionStamp(store), 1);
}

}  // namespace
}  // namespace vev

#include "hud/control_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hud/hud.h"
#include "tests/hud/hud_scene.h"
#include "tests/hud/scene_files.h"

namespace vev::test {
namespace {

using Lines = std::vector<std::string>;

Lines texts(const std::vector<PanelLine>& lines) {
  Lines out;
  for (const PanelLine& line : lines) out.push_back(line.text);
  return out;
}

TEST(KeyName, LettersDigitsFunctionKeysKeypadAndTheNamedKeys) {
  const std::pair<int, const char*> cases[] = {
      {32, "32"},       {16, "SHIFT"},    {84, "T"},        {110, "NUN DEL"}, {65, "A"},
      {90, "Z"},        {48, "0"},        {57, "9"},        {112, "F1"},      {123, "F12"},
      {96, "NUM 0"},    {105, "NUM 9"},   {8, "BCK SPS"},   {9, "TAB"},       {13, "ENTER"},
      {17, "CTRL"},     {20, "CPS LOCK"}, {27, "ESC"},      {33, "PG UP"},    {34, "PG DN"},
      {35, "END"},      {36, "HOME"},     {37, "LFT CURS"}, {38, "UP CURS"},  {39, "RGH CURS"},
      {40, "DWN CURS"}, {45, "INS"},      {46, "DEL"},      {93, "PRT MENU"}, {106, "AST"},
      {107, "+"},       {109, "-"},       {111, "/"},       {144, "NLOCK"},   {145, "SC LOCK"},
      {0, "0"},         {124, "124"},     {108, "108"},     {399, "399"},     {-5, "-5"},
  };
  for (const auto& [code, name] : cases) EXPECT_EQ(keyName(code), name) << code;
}

TEST(ControlPanel, ListsTheCraftsChannelsThenEachNodeWithABody) {
  HudScene hud;
  BodyState& own = hud.controlled.body;
  own.rotation[0].increaseKey = 38;
  own.rotation[0].decreaseKey = 40;
  own.translation[2].decreaseKey = 66;  // no increase key: not listed
  own.rail.increaseKey = 81;
  hud.addItem("HUDSTRING").name = "no body";
  SceneNode& gear = hud.addItem("QUAD");
  gear.name = "gear";
  gear.body = std::make_unique<BodyState>();
  SceneNode& wing = hud.addItem("QUAD");
  wing.name = "wing";
  wing.body = std::make_unique<BodyState>();
  wing.body->spin[2] = {46, 34};
  wing.body->translation[0] = {87, 83};
  EXPECT_EQ(texts(controlPanelLines(hud.controlled)),
            (Lines{"ROT X-UP CURS DWN CURS", "CARRIL-Q 0", "gear", "wing", "TRANSLAT X-W S",
                   "OPT3-DEL PG DN"}));
}

TEST(ControlPanel, JetThrottleFromASceneFile) {
  HudSceneFiles files;
  ASSERT_TRUE(files.load("throttle-craft.zsf"));
  EXPECT_EQ(texts(controlPanelLines(*files.model.scene)),
            (Lines{"ROT Y-LFT CURS RGH CURS", "engine", "OPT 1-T B"}));
}

// A craft whose file writes its key list shows that list alone, in the items' colours; an item
// without a colour is not drawn.
TEST(ControlPanel, AWrittenKeyListTakesThePlaceOfTheChannels) {
  HudScene hud;
  hud.controlled.body.rotation[0] = {38, 40};
  SceneNode& fly = hud.addItem("HELPSTRING");
  fly.name = "FLY  ARROWS";
  fly.shape->diffuse = {1.0f, 0.6f, 0.1f, 1.0f};
  hud.addItem("HELPSTRING").shape.reset();
  hud.addItem("HELPSTRING").name = "FIRE  SPACE";
  const std::vector<PanelLine> lines = controlPanelLines(hud.controlled);
  EXPECT_EQ(texts(lines), (Lines{"FLY  ARROWS", "FIRE  SPACE"}));
  EXPECT_FLOAT_EQ(lines[0].colour.green, 0.6f);
}

}  // namespace
}  // namespace vev::test

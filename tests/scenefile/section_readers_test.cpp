#include "scenefile/section_readers.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/scenefile/scene_test_support.h"

namespace vev {
namespace {

using testing::readSectionText;
using testing::RecordedAssets;

float slot(const SceneNode& node, int index) {
  const float* value = paramSlot(node, index);
  return value ? *value : -999.0f;
}

class SectionReaders : public ::testing::Test {
 protected:
  std::unique_ptr<SceneNode> read(SectionReader reader, const std::string& text,
                                  const std::string& directory = "") {
    return readSectionText(reader, text, recorded, directory);
  }

  RecordedAssets recorded;
};

TEST_F(SectionReaders, QuadSectionBuildsShapePoseAndOutline) {
  const auto node = read(readQuadSection,
                         "name=hull\ndif=80 80 80 100\npos=0 0 0\ntang=1 0 0\nnorm=0 1 0\n"
                         "verts=0 0 0 1 0 0 1 1 0 0 1 0\n*");
  EXPECT_EQ(node->name, "hull");
  ASSERT_TRUE(node->shape);
  EXPECT_FLOAT_EQ(node->shape->diffuse[0], 0.8f);
  EXPECT_FLOAT_EQ(node->shape->diffuse[3], 1.0f);
  EXPECT_EQ(node->shape->lit, 0);
  ASSERT_TRUE(node->pose);
  EXPECT_EQ(node->pose->binormal, (Vec3{0, 0, 1}));
  EXPECT_EQ(node->pose->collision, 1);
  EXPECT_EQ(node->vertices.size(), 4u);
  EXPECT_FALSE(node->body);
}

TEST_F(SectionReaders, QuadParametersInTheirSlots) {
  const auto node = read(readQuadSection, "th=1\ndens=2\nbackface=3\ndist=4\nhead=5\npitch=6\n*");
  for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(slot(*node, i), i + 1.0f) << "dim" << i;
}

TEST_F(SectionReaders, WallAndBeamKeepHeightAndThicknessInOppositeSlots) {
  const std::string text = "hi=2\nthi=0.5\nhf=3\nthf=0.25\nwid=7\n*";
  const auto wall = read(readWallSection, text);
  EXPECT_FLOAT_EQ(slot(*wall, 0), 7.0f);
  EXPECT_FLOAT_EQ(slot(*wall, 1), 2.0f);
  EXPECT_FLOAT_EQ(slot(*wall, 2), 3.0f);
  EXPECT_FLOAT_EQ(slot(*wall, 3), 0.5f);
  EXPECT_FLOAT_EQ(slot(*wall, 4), 0.25f);

  const auto beam = read(readBeamSection, text);
  EXPECT_FLOAT_EQ(slot(*beam, 0), 7.0f);
  EXPECT_FLOAT_EQ(slot(*beam, 1), 0.5f);
  EXPECT_FLOAT_EQ(slot(*beam, 2), 0.25f);
  EXPECT_FLOAT_EQ(slot(*beam, 3), 2.0f);
  EXPECT_FLOAT_EQ(slot(*beam, 4), 3.0f);
}

TEST_F(SectionReaders, WallWindowFillsTheLastFourSlots) {
  const auto wall = read(readWallSection, "wid=1\nwindow=5 6 7 8\n*");
  ASSERT_EQ(wall->params.size(), 3u);
  for (int i = 5; i < 9; ++i) EXPECT_FLOAT_EQ(slot(*wall, i), static_cast<float>(i));
}

TEST_F(SectionReaders, BeamNoseAfterCellKeepsTheNose) {
  const auto beam = read(readBeamSection, "cell=1 2 3 4\nnose=5 6 7 8\n*");
  for (int i = 5; i < 9; ++i) EXPECT_FLOAT_EQ(slot(*beam, i), static_cast<float>(i));
}

TEST_F(SectionReaders, CameraCoordTypeHoldsOnlyAfterThePose) {
  const auto before = read(readCameraSection, "coordtype=1\npos=0 0 0\nzoom=30\n*");
  ASSERT_TRUE(before->pose);
  EXPECT_EQ(before->pose->coordType, 0);
  EXPECT_FLOAT_EQ(before->pose->zoom, 30.0f);

  const auto after = read(readCameraSection, "pos=0 0 0\ntang=1 0 0\nnorm=0 1 0\ncoordtype=1\n*");
  EXPECT_EQ(after->pose->coordType, 1);
}

TEST_F(SectionReaders, ZoomBeforeAnyPoseWritesNothing) {
  const auto camera = read(readCameraSection, "zoom=30\ncoordtype=2\nname=eye\n*");
  EXPECT_FALSE(camera->pose);
  EXPECT_EQ(camera->name, "eye");
}

TEST_F(SectionReaders, JetThrustFlameAndEngineSound) {
  const auto jet = read(readJetSection,
                        "maxthrust=200\nflamediam=0.5\nflamelength=3\nsound=engine.wav\n"
                        "soundrange=150\n*",
                        "sw\\");
  EXPECT_FLOAT_EQ(slot(*jet, 0), 200.0f);
  EXPECT_FLOAT_EQ(slot(*jet, 1), 0.5f);
  EXPECT_FLOAT_EQ(slot(*jet, 2), 3.0f);
  ASSERT_TRUE(jet->sound);
  EXPECT_EQ(jet->sound->path, "sw\\engine.wav");
  EXPECT_FLOAT_EQ(jet->sound->range, 150.0f);
  EXPECT_EQ(jet->sound->entry, 0);
  EXPECT_EQ(recorded.loadedSamples, std::vector<std::string>{"sw/engine.wav"});
}

TEST_F(SectionReaders, SoundRangeBeforeTheFileNameStays) {
  const auto jet = read(readJetSection, "soundrange=80\nsound=a.wav\n*");
  ASSERT_TRUE(jet->sound);
  EXPECT_FLOAT_EQ(jet->sound->range, 80.0f);
  EXPECT_EQ(jet->sound->path, "a.wav");
}

TEST_F(SectionReaders, LaserCannonClearsCollisionAndReadsItsFireKey) {
  const auto cannon = read(readLaserCannonSection,
                           "pos=1 0 0\ntang=1 0 0\nnorm=0 1 0\nfire=32 0 0.2 junk\n"
                           "inflict=10\nveloc=300\nlength=2\nrange=1000\n*");
  ASSERT_TRUE(cannon->pose);
  EXPECT_EQ(cannon->pose->collision, 0);
  ASSERT_TRUE(cannon->body);
  EXPECT_EQ(cannon->body->fireKey, 32);
  EXPECT_FLOAT_EQ(cannon->body->fireDuration, 0.2f);
  EXPECT_FLOAT_EQ(slot(*cannon, 0), 10.0f);
  EXPECT_FLOAT_EQ(slot(*cannon, 1), 300.0f);
  EXPECT_FLOAT_EQ(slot(*cannon, 2), 2.0f);
  EXPECT_FLOAT_EQ(slot(*cannon, 3), 1000.0f);
}

TEST_F(SectionReaders, LaserCannonWithoutPoseStaysWithoutOne) {
  const auto cannon = read(readLaserCannonSection, "inflict=10\n*");
  EXPECT_FALSE(cannon->pose);
}

TEST_F(SectionReaders, ExplosionLeavesItsClockSlotToTheSimulation) {
  const auto explosion =
      read(readExplosionSection, "pos=0 0 0\ndetonate=69 0 1.5\nmax=4\ntime=2\ntype=1\nsize=9\n*");
  EXPECT_EQ(explosion->pose->collision, 0);
  EXPECT_EQ(explosion->body->fireKey, 69);
  EXPECT_FLOAT_EQ(explosion->body->fireDuration, 1.5f);
  EXPECT_FLOAT_EQ(slot(*explosion, 0), 0.0f);
  EXPECT_FLOAT_EQ(slot(*explosion, 1), 4.0f);
  EXPECT_FLOAT_EQ(slot(*explosion, 2), 2.0f);
  EXPECT_FLOAT_EQ(slot(*explosion, 3), 1.0f);
  EXPECT_FLOAT_EQ(slot(*explosion, 4), 9.0f);
}

TEST_F(SectionReaders, HudLineAndClosedShareTheFirstSlot) {
  const auto item = read(readHudItemSection, "lin=2\nclosed=1\n*");
  EXPECT_FLOAT_EQ(slot(*item, 0), 1.0f);
}

TEST_F(SectionReaders, SpeedMeterUnitsAndDigits) {
  const auto meter = read(readHudItemSection,
                          "text=SPEED\ncolor=0 100 0 100\ncolor2=10 10 10 100\npos=0 0 1\n"
                          "dist=2\nlin=1\ncol=3\nunits=1\nshowunits=2\ndigits=4\n*");
  EXPECT_EQ(meter->name, "SPEED");
  EXPECT_FLOAT_EQ(slot(*meter, 0), 1.0f);
  EXPECT_FLOAT_EQ(slot(*meter, 1), 3.0f);
  EXPECT_FLOAT_EQ(slot(*meter, 2), 1.0f);
  EXPECT_FLOAT_EQ(slot(*meter, 3), 2.0f);
  EXPECT_FLOAT_EQ(slot(*meter, 4), 4.0f);
  EXPECT_FLOAT_EQ(meter->shape->diffuse[1], 1.0f);
  EXPECT_FLOAT_EQ(meter->shape->ambient[0], 0.1f);
  EXPECT_EQ(meter->shape->lit, 1);
  EXPECT_EQ(meter->pose->collision, 0);
  EXPECT_FLOAT_EQ(meter->pose->dist, 2.0f);
}

TEST_F(SectionReaders, HudCentreAndRangeSlots) {
  const auto radar = read(readHudItemSection, "cx=1\ncy=2\nthi=3\nhi=4\nrange=5\ntarget=0 0 0\n*");
  for (int i = 0; i < 5; ++i) EXPECT_FLOAT_EQ(slot(*radar, i), i + 1.0f);
  EXPECT_EQ(radar->vertices.size(), 1u);
}

TEST_F(SectionReaders, ControlledSoundGoesIntoTheBodyOnceThereIsOne) {
  const auto early = read(readQuadSection, "controledsound=horn.wav\ncontrolsoundrange=9\n*");
  EXPECT_FALSE(early->body);
  EXPECT_FALSE(early->sound);
  EXPECT_TRUE(recorded.loadedSamples.empty());

  const auto late = read(readQuadSection,
                         "pivot=0 0 0\ncontroledsound=horn.wav\ncontrolsoundrange=9\n"
                         "controlsound=72 0\n*",
                         "craft/");
  ASSERT_TRUE(late->body && late->body->sound);
  EXPECT_EQ(late->body->sound->path, "craft/horn.wav");
  EXPECT_FLOAT_EQ(late->body->sound->range, 9.0f);
  EXPECT_EQ(late->body->playKey, 72);
  EXPECT_FALSE(late->sound);
}

TEST_F(SectionReaders, SameSoundTwiceGivesTwoEntriesOverOneSample) {
  read(readJetSection, "sound=engine.wav\n*");
  read(readJetSection, "sound=engine.wav\n*");
  EXPECT_EQ(recorded.sounds.entries().size(), 2u);
  EXPECT_EQ(recorded.loadedSamples.size(), 1u);
}

TEST_F(SectionReaders, TextureIsResolvedAgainstTheSceneDirectoryAndReadOnce) {
  const auto first = read(readQuadSection, "texture=hull.bmp-5\n*", "sw\\");
  ASSERT_TRUE(first->shape);
  EXPECT_EQ(first->shape->texturePath, "sw\\hull.bmp");
  EXPECT_EQ(first->shape->mapping, 5);
  const auto second = read(readWallSection, "texture=hull.bmp-6\n*", "sw\\");
  EXPECT_EQ(recorded.textures.entries().size(), 1u);
  EXPECT_EQ(recorded.unreadableTextures, std::vector<std::string>{"sw\\hull.bmp"});
}

TEST_F(SectionReaders, TextureNameIsCutAtItsFirstDash) {
  const auto node = read(readQuadSection, "texture=my-hull.bmp-5\n*");
  EXPECT_EQ(node->shape->texturePath, "my");
  EXPECT_EQ(node->shape->mapping, 0);
}

TEST_F(SectionReaders, ChildsSetsTheCountAndItsCopy) {
  const auto node = read(readBeamSection, "childs=3\n*");
  EXPECT_EQ(node->childCount, 3);
  EXPECT_EQ(node->dirty, 3);
}

TEST_F(SectionReaders, SectionWithoutFieldLinesLeavesTheNodeEmpty) {
  const auto node = read(readWallSection, "*");
  EXPECT_FALSE(node->shape || node->pose || node->body || node->sound);
  EXPECT_TRUE(node->params.empty());
}

// Whether a section kind accepts a keyword: an accepted line changes the node.
struct AcceptanceCase {
  const char* kind;
  SectionReader read;
  const char* line;
  bool accepted;
};

bool untouched(const SceneNode& node) {
  return node.name.empty() && !node.shape && !node.pose && !node.body && !node.sound &&
         node.vertices.empty() && node.params.empty() && node.childCount == 0;
}

void PrintTo(const AcceptanceCase& c, std::ostream* os) {
  *os << c.kind << " " << c.line;
}

class KeywordAcceptance : public ::testing::TestWithParam<AcceptanceCase> {};

TEST_P(KeywordAcceptance, FollowsTheKindsKeywordList) {
  RecordedAssets recorded;
  const AcceptanceCase& c = GetParam();
  const auto node = readSectionText(c.read, std::string(c.line) + "\n*", recorded);
  EXPECT_EQ(!untouched(*node), c.accepted) << c.kind << " " << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KeywordAcceptance,
    ::testing::Values(
        AcceptanceCase{"WALL", readWallSection, "texture=a.bmp-1", true},
        AcceptanceCase{"WALL", readWallSection, "verts=0 0 0", false},
        AcceptanceCase{"WALL", readWallSection, "sound=a.wav", false},
        AcceptanceCase{"WALL", readWallSection, "colision=0", true},
        AcceptanceCase{"QUAD", readQuadSection, "cell=1 2 3 4", false},
        AcceptanceCase{"beam", readBeamSection, "verts=0 0 0", false},
        AcceptanceCase{"beam", readBeamSection, "maps=1 2 3 4 5 6 7 8 9 10 11 12", true},
        AcceptanceCase{"CAMERA", readCameraSection, "dif=1 1 1 1", false},
        AcceptanceCase{"CAMERA", readCameraSection, "colision=1", false},
        AcceptanceCase{"CAMERA", readCameraSection, "childs=1", true},
        AcceptanceCase{"JET", readJetSection, "colision=1", true},
        AcceptanceCase{"JET", readJetSection, "texture=a.bmp-1", false},
        AcceptanceCase{"JET", readJetSection, "fire=32 0 1", false},
        AcceptanceCase{"LASERCANNON", readLaserCannonSection, "amb=1 1 1 1", true},
        AcceptanceCase{"LASERCANNON", readLaserCannonSection, "colision=1", false},
        AcceptanceCase{"LASERCANNON", readLaserCannonSection, "detonate=32 0 1", false},
        AcceptanceCase{"EXPLOSION", readExplosionSection, "amb=1 1 1 1", false},
        AcceptanceCase{"EXPLOSION", readExplosionSection, "spec=1 1 1 1", true},
        AcceptanceCase{"EXPLOSION", readExplosionSection, "inflict=3", false},
        AcceptanceCase{"HUD", readHudItemSection, "controltx=1 2 3 4 5 0", true},
        AcceptanceCase{"HUD", readHudItemSection, "controlty=1 2 3 4 5 0", false},
        AcceptanceCase{"HUD", readHudItemSection, "pivot=1 1 1", false},
        AcceptanceCase{"HUD", readHudItemSection, "childs=1", false},
        AcceptanceCase{"HUD", readHudItemSection, "dif=1 1 1 1", false},
        AcceptanceCase{"HUD", readHudItemSection, "wire=1", false},
        AcceptanceCase{"HUD", readHudItemSection, "vector=1 2 3", true},
        AcceptanceCase{"QUAD", readQuadSection, "joykeys=1 2 3 4", false},
        AcceptanceCase{"QUAD", readQuadSection, "damage=1 2 3 4 5 6", false},
        AcceptanceCase{"QUAD", readQuadSection, "Pos=1 2 3", false}));

TEST(SectionKeywords, NameTheirReaderExactly) {
  EXPECT_EQ(findSectionReader("WALLW"), readWallSection);
  EXPECT_EQ(findSectionReader("SMQUAD"), readQuadSection);
  EXPECT_EQ(findSectionReader("HANGED"), readBeamSection);
  EXPECT_EQ(findSectionReader("SPEEDMETER"), readHudItemSection);
  EXPECT_EQ(findSectionReader("NAME3"), readHudItemSection);
  EXPECT_EQ(findSectionReader("quad"), nullptr);
  EXPECT_EQ(findSectionReader("QUAD "), nullptr);
  EXPECT_EQ(findSectionReader("END"), nullptr);
}

}  // namespace
}  // namespace vev

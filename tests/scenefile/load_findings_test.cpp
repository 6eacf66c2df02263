#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scenefile/load_report_fixture.h"

namespace vev {
namespace {

using Findings = std::vector<std::string>;

// Lines 1 to 3; a test's sections start on line 4.
const std::string kHead = "10 test scene\nsecond line\nname=test\n";

std::string noAxes(const std::string& where, const std::string& missing =
                                                 "no `tang` and no "
                                                 "`norm`, or ones of 0 0 0") {
  return where + " has " + missing +
         ", so it has no axes: it collapses to a point and points nowhere";
}

class LoadFindings : public testing::LoadReportTest {
 protected:
  LoadFindings() {
    dir.write("hull.bmp", testing::smallBitmap());
    dir.write("engine.wav", testing::silentWav());
  }

  std::string inDir(const std::string& name) const { return (dir.path() / name).string(); }
};

// Every value shape once, every kind of section, the orders that the readers rely on kept.
const std::string kCleanFile =
    "10 clean\n"
    "every value shape\n"
    "name=CLEAN\n"
    "pos=0 0 0\n"
    "tang=1 0 0\n"
    "norm=0 1 0\n"
    "pivot=0 0 1\n"
    "controlrx=38 40 45 -1000 1000 1\n"
    "controlcarril=65 90 1.5 -2 2 0 0 0 1\n"
    "controlactivate=13 0 1.5 0 0 0\n"
    "derivcontrol=84 0 0 85 86 0\n"
    "joykeys=38 40 37 39\n"
    "changetarget=33 34\n"
    "cvv=1 0 0 0 1 0 0 0 1\n"
    "cmm=0.5 0 0 0 0.5 0 0 0 -2e-1\n"
    "damage=100 10 0 0 1 13\n"
    "sound=engine.wav\n"
    "soundrange=500\n"
    "\n"
    "*QUAD\n"
    "name=hull\n"
    "childs=2\n"
    "dif=70 70 80 100\n"
    "amb=10 10 10 100\n"
    "spec=50 50 50 100\n"
    "wire=0\n"
    "texture=hull.bmp-1\n"
    "maps=0 0 0 1 0 0 1 1 0 0 1 0\n"
    "pos=0 0 0\n"
    "tang=1 0 0\n"
    "norm=0 1 0\n"
    "colision=1\n"
    "th=.1\n"
    "verts=-1 0 -1 1 0 -1 1 0 1 -1 0 1\n"
    "*JET\n"
    "pos=0 0 -2\n"
    "tang=0 0 -1\n"
    "norm=0 1 0\n"
    "pivot=0 0 0\n"
    "controledsound=engine.wav\n"
    "controlsound=72 0\n"
    "controlsoundrange=100\n"
    "maxthrust=200\n"
    "sound=engine.wav\n"
    "*CAMERA\n"
    "pos=0 1 0\n"
    "tang=0 0 1\n"
    "norm=0 1 0\n"
    "coordtype=1\n"
    "zoom=45\n"
    "*HUDLINE\n"
    "color=0 100 0 100\n"
    "pos=0 0 1\n"
    "dist=2\n"
    "closed=1\n"
    "verts=-1 -1 0 1 -1 0 1 1 0\n"
    "*HUDSTRING\n"
    "text=VEV  MK 2 \n"
    "color=20 70 40 100\n"
    "lin=+1\n"
    "*END\n";

std::string withCrLf(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

TEST_F(LoadFindings, ACleanFileWithEveryValueShapeReportsNothing) {
  EXPECT_EQ(findings(kCleanFile), Findings{});
  EXPECT_EQ(findings(withCrLf(kCleanFile)), Findings{});
}

TEST_F(LoadFindings, AKeywordTheSectionDoesNotUseIsToldOncePerLine) {
  EXPECT_EQ(findings(kHead + "childs=1\n*WALL\nverts=0 0 0 1 0 0\nfoo=bar=1\n*END\n"),
            (Findings{"4: keyword `childs` is not used in the identity header",
                      "6: keyword `verts` is not used in WALL sections",
                      "7: keyword `foo` is not used in WALL sections"}));
}

TEST_F(LoadFindings, ALineWithoutEqualsSignIsSkippedButABlankLineSaysNothing) {
  EXPECT_EQ(findings(kHead + "*QUAD\npos 0 0 0\n\n   \nname=a\n*END\n"),
            Findings{"5: `pos 0 0 0` has no `=`, so the line is skipped"});
}

TEST_F(LoadFindings, AShortLineNamesTheLinesItTakesIn) {
  EXPECT_EQ(findings(kHead +
                     "*QUAD\npos=1 2\nname=lost ship\n*CAMERA\npos=1\nname=a b\nname=c d\n*END\n"),
            (Findings{noAxes("4: QUAD"),
                      "5: `pos` expects 3 values, found 2; line 6 is read as part of it",
                      "7: CAMERA has no `zoom`, so it sees nothing", noAxes("7: CAMERA"),
                      "8: `pos` expects 3 values, found 1; lines 9 to 10 are read as part of it"}));
}

TEST_F(LoadFindings, ExtraMissingAndEmptyValuesAreTold) {
  EXPECT_EQ(
      findings(kHead + "*QUAD\npos=1 2 3 4\ntang=1  0 0\ndif=50 50 50 \nnorm= 0 1 0\n*END\n"),
      (Findings{"5: `pos` expects 3 values, found 4; the rest of the line is ignored",
                "6: `tang` has two blanks in a row, which make an empty value (read as 0)",
                "7: `dif` expects 4 values, found 3; the missing values read as 0",
                "8: `norm` starts with a blank, which makes an empty first value (read as 0)"}));
}

TEST_F(LoadFindings, AVertexListEndsDirectlyAfterItsLastNumber) {
  EXPECT_EQ(
      findings(kHead + "*QUAD\nverts=0 0 0 1 0 0 \na b c\n*QUAD\nverts=0 0 0 1 0\nd e\n*END\n"),
      (Findings{"5: `verts` ends in a blank, which starts a further vertex; line 6 is read "
                "as part of it",
                "8: `verts` holds 5 values, which is not a whole number of vertices (x y z "
                "each); line 9 is read as part of it"}));
}

TEST_F(LoadFindings, AValueThatIsNotANumberIsToldWithWhatItReadsAs) {
  EXPECT_EQ(findings(kHead + "*LASERCANNON\npos=1 x 3\ndif=50.9 50 50 100\nfire=500 0 0.1\n"
                             "norm=a b c\ninflict=inf\nveloc=12abc\n*END\n"),
            (Findings{"4: LASERCANNON has no `range`, so it never fires", noAxes("4: LASERCANNON"),
                      "5: `pos` value `x` is not a number (read as 0)",
                      "6: `dif` value `50.9` is not a whole number (read as 50)",
                      "7: `fire` key code 500 is no key (keys are 1 to 399), so no key is used",
                      "8: `norm` value `a` is not a number (read as 0)",
                      "9: `inflict` value `inf` is not a number (read as 0)",
                      "10: `veloc` value `12abc` is not a number (read as 12)"}));
}

TEST_F(LoadFindings, ACutNameARealBeyondRangeAndAZeroAxisAreToldAsSuch) {
  const std::string name(120, 'n');
  EXPECT_EQ(
      findings(kHead + "*QUAD\nname=" + name + "\npos=1e39 0 -1e39\ntang=-0 -0 -0\n" +
               "norm=0 1 0\n*END\n"),
      (Findings{noAxes("4: QUAD \"" + name.substr(0, 99) + "\"", "no `tang`, or a `tang` of 0 0 0"),
                "5: `name` value is longer than 99 characters; only its first 99 are kept",
                "6: `pos` value `1e39` is beyond the largest real (read as 3.40282e+38)"}));
}

TEST_F(LoadFindings, ARecordWrittenBeforeItExistsIsNotUsed) {
  const std::string noPose =
      "comes before the node has a pose (from `pos`, `tang`, `norm` or `colision`), so it is "
      "not used";
  EXPECT_EQ(findings(kHead +
                     "*CAMERA\nzoom=45\ncoordtype=1\npos=0 0 0\n*QUAD\ncontroledsound=engine.wav\n"
                     "controlsoundrange=10\npivot=0 0 0\ncontroledsound=engine.wav\n*RADAR\n"
                     "dist=2\n*END\n"),
            (Findings{"4: CAMERA has no `zoom`, so it sees nothing", noAxes("4: CAMERA"),
                      "5: `zoom` " + noPose, "6: `coordtype` " + noPose,
                      "9: `controledsound` comes before the node has controls (from `pivot`, a "
                      "`control...` line or another key line), so it is not used",
                      "10: `controlsoundrange` comes before the node has controls (from `pivot`, "
                      "a `control...` line or another key line), so it is not used",
                      "14: `dist` " + noPose}));
}

TEST_F(LoadFindings, AnOrderThatLeavesAValueUnusedIsToldAtThatValue) {
  EXPECT_EQ(findings(kHead + "norm=0 1 0\ntang=1 0 0\n*CAMERA\nnorm=0 1 0\ntang=1 0 0\nnorm=0 1 0\n"
                             "coordtype=1\ntang=1 0 0\nzoom=30\npos=0 0 0\n*END\n"),
            (Findings{"5: `tang` comes after the `norm` of line 4, whose binormal was worked "
                      "out from the tangent before it",
                      "10: `coordtype` is set back to 0 by the `tang` of line 11",
                      "11: `tang` comes after the `norm` of line 9, whose binormal was worked "
                      "out from the tangent before it"}));
}

TEST_F(LoadFindings, ASectionKeywordThatNamesNoKindSkipsItsSection) {
  EXPECT_EQ(findings(kHead + "*quad\npos=0 0 0\n*QUAD \n*\nQUAD\n*FLAG\n*QUAD\nhull*END\n"),
            (Findings{"4: section keyword `quad` is not known: section keywords are upper case; "
                      "the section's lines are skipped",
                      "6: section keyword `QUAD ` is not known: the blanks are part of it; the "
                      "section's lines are skipped",
                      "7: a `*` alone on its line opens a section without a keyword (the keyword "
                      "goes directly after the `*`); the section's lines are skipped",
                      "9: section keyword `FLAG` is not known; the section's lines are skipped",
                      "11: `hull` before the `*` is dropped"}));
}

TEST_F(LoadFindings, ChildrenThatNeverComeAndAMissingEndAreTold) {
  EXPECT_EQ(findings(kHead + "*QUAD\nchilds=3\n*QUAD\n*QUAD\n"),
            (Findings{"4: the QUAD section declares 3 children in `childs`, but the file ends "
                      "after 2 of them",
                      "7: the file ends without `*END`"}));
  EXPECT_EQ(findings(kHead + "*QUAD\nchilds=2\n*QUAD\nchilds=1\n*QUAD\n*END\n"),
            Findings{"6: the QUAD section declares 1 child in `childs`, but the file ends after "
                     "none of them"});
  EXPECT_EQ(findings(kHead + "*QUAD\npos=0 0 0"),
            (Findings{noAxes("4: QUAD"), "5: the file ends without `*END`"}));
  EXPECT_EQ(findings(kHead + "*end\n"),
            (Findings{"4: section keyword `end` is not known: section keywords are upper case; "
                      "the section's lines are skipped",
                      "4: the file ends without `*END`"}));
}

TEST_F(LoadFindings, AFirstLineShorterThanTwoCharactersTakesTheHeaderALineLate) {
  EXPECT_EQ(findings("1\nsecond\nname=lost\n*END\n"),
            Findings{"1: the first line holds fewer than two characters, so line 3 is skipped "
                     "with the header"});
}

TEST_F(LoadFindings, EveryLineNamingATextureThatCannotBeShownIsTold) {
  test::BitmapFile palette;
  palette.width = 4;
  palette.height = 4;
  palette.bitsPerPixel = 8;
  palette.palette.assign(1024, 0);
  palette.pixels.assign(16, 0);
  dir.write("palette.bmp", palette.bytes());
  dir.write("text.bmp", {'h', 'i'});
  EXPECT_EQ(
      findings(kHead + "*QUAD\ntexture=missing.bmp-1\n*QUAD\ntexture=missing.bmp-1\n"
                       "texture=palette.bmp-1\ntexture=text.bmp-1\ntexture=hull.bmp\npos=0 0 -1\n"
                       "*END\n"),
      (Findings{"5: `texture` file `" + inDir("missing.bmp") + "` does not exist",
                "7: `texture` file `" + inDir("missing.bmp") + "` does not exist",
                "8: `texture` file `" + inDir("palette.bmp") +
                    "` is not an uncompressed 24-bit bitmap, so it shows black",
                "9: `texture` file `" + inDir("text.bmp") +
                    "` cannot be read as a bitmap: it does not start as a bitmap does (with `BM`)",
                "10: `texture` has no `-` after its file name; line 11 is read as part of "
                "it"}));
}

TEST_F(LoadFindings, TexturesWithoutRowsAndKeywordsAfterAnUnusedOneSayWhatHappens) {
  test::BitmapFile topDown = test::threeByTwo();
  topDown.height = -2;
  dir.write("upside.bmp", topDown.bytes());
  test::BitmapFile empty;
  dir.write("empty.bmp", empty.bytes());
  EXPECT_EQ(
      findings(kHead + "*QUAD\ntexture=upside.bmp-1\ntexture=empty.bmp-1\nfoo=pos=7 7 7\n"
                       "*END\n"),
      (Findings{noAxes("4: QUAD"),
                "5: `texture` file `" + inDir("upside.bmp") +
                    "` stores its rows top row first, which is not converted, so its faces are "
                    "drawn untextured in their lit colour",
                "6: `texture` file `" + inDir("empty.bmp") +
                    "` holds no pixels, so its faces are drawn untextured in their lit colour",
                "7: keyword `foo` is not used in QUAD sections",
                "7: keyword `pos` after `foo=` on the same line is read as a line of its own and "
                "applied"}));
}

// What loads but shows nothing: title lines that read like field lines, a picture without `maps`
// or with rows not padded to four bytes, HUD items without colour or text, a cannon without a fire
// key or a range.
TEST_F(LoadFindings, WhatLoadsButDoesNothingIsTold) {
  test::BitmapFile unpadded = test::threeByTwo();
  unpadded.imageSize = 0;
  unpadded.pixels.resize(18);
  dir.write("tight.bmp", unpadded.bytes());
  dir.write("hull.bmp", test::threeByTwo().bytes());
  EXPECT_EQ(
      findings("name=FORGOTTEN\n*QUAD\nname=x\n" +
               std::string("*QUAD\nname=skin\ntexture=hull.bmp-5\n"
                           "*QUAD\ntexture=tight.bmp-5\nmaps=0 0 0 1 0 0 0 0 0 0 1 0\n*HUDLINE\n"
                           "verts=0 0 0 0 1 1\n*HUDSTRING\ncolor=100 100 100 100\n*LASERCANNON\n"
                           "name=gun\ncontrolactivate=32 1 0.1 0 0 0\n*END\n")),
      (Findings{"1: line 1 reads like a field or section line, but the first two lines of a file "
                "are its title and are skipped",
                "2: line 2 reads like a field or section line, but the first two lines of a file "
                "are its title and are skipped",
                "4: QUAD \"skin\" has a `texture` but no `maps`, so it is painted in one colour of "
                "the texture",
                "8: `texture` file `" + inDir("tight.bmp") +
                    "` does not pad its rows to four bytes, so its picture is sheared",
                "10: HUDLINE has no `color`, so it is not drawn",
                "12: HUDSTRING has no `text`, so it shows nothing",
                "14: LASERCANNON \"gun\" has `controlactivate` but no `fire` key, so it never "
                "fires",
                "14: LASERCANNON \"gun\" has no `range`, so it never fires"}));
}

// Told alike with and without a sound device, so that the window's count is the checker's.
TEST_F(LoadFindings, ASoundThatCannotBeReadOrDecodedIsTold) {
  dir.write("noise.wav", {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v'});
  const std::string scene =
      kHead + "sound=missing.wav\n*JET\nsound=noise.wav\nsound=engine.wav\n*END\n";
  const Findings told{
      "4: `sound` file `" + inDir("missing.wav") + "` does not exist",
      "6: `sound` file `" + inDir("noise.wav") + "` cannot be read or decoded as a sound"};
  EXPECT_EQ(findings(scene), told);
  table.close();
  EXPECT_EQ(findings(scene), told);
}

}  // namespace
}  // namespace vev

#include "render/stroke_font.h"

namespace vev {
namespace {

// Glyph points are given in sevenths of the cell, as the font was drawn.
constexpr GlyphPoint g(float x, float y) {
  return {x / 7.0f, y / 7.0f};
}

constexpr GlyphPoint kPlus[] = {g(3.5, 6), g(3.5, 1), g(3.5, 3.5), g(6, 3.5), g(1, 3.5)};
constexpr GlyphPoint kComma[] = {g(5, 1), g(3, 3)};
constexpr GlyphPoint kMinus[] = {g(2, 3), g(6, 3)};
constexpr GlyphPoint kPoint[] = {g(3.5, 1), g(3.5, 3)};
constexpr GlyphPoint kSlash[] = {g(5, 6), g(1, 2)};
constexpr GlyphPoint kDigit0[] = {g(4, 6), g(2, 6), g(1, 5), g(1, 3), g(2, 2),
                                  g(4, 2), g(5, 3), g(5, 5), g(4, 6)};
constexpr GlyphPoint kDigit1[] = {g(3, 6), g(3, 2)};
constexpr GlyphPoint kDigit2[] = {g(1, 6), g(4, 6), g(5, 5), g(1, 2), g(5, 2)};
constexpr GlyphPoint kDigit3[] = {g(1, 6), g(4, 6), g(5, 5), g(4, 4), g(3, 4),
                                  g(4, 4), g(5, 3), g(4, 2), g(1, 2)};
constexpr GlyphPoint kDigit4[] = {g(5, 2), g(5, 6), g(2, 4), g(6, 4)};
constexpr GlyphPoint kDigit5[] = {g(5, 6), g(1, 6), g(1, 4), g(4, 4), g(5, 3), g(4, 2), g(1, 2)};
constexpr GlyphPoint kDigit6[] = {g(5, 6), g(2, 6), g(1, 5), g(1, 2),
                                  g(4, 2), g(5, 3), g(4, 4), g(1, 4)};
constexpr GlyphPoint kDigit7[] = {g(1, 6), g(5, 6), g(2, 2)};
constexpr GlyphPoint kDigit8[] = {g(4, 6), g(2, 6), g(1, 5), g(5, 3), g(4, 2),
                                  g(2, 2), g(1, 3), g(5, 5), g(4, 6)};
constexpr GlyphPoint kDigit9[] = {g(1, 2), g(4, 2), g(5, 3), g(5, 5), g(4, 6),
                                  g(2, 6), g(1, 5), g(2, 4), g(5, 4)};
constexpr GlyphPoint kLetterA[] = {g(6, 1), g(6, 5), g(2, 5), g(2, 1), g(2, 3), g(6, 3)};
constexpr GlyphPoint kLetterB[] = {g(2, 1), g(2, 5), g(5, 5), g(6, 4), g(5, 3),
                                   g(2, 3), g(5, 3), g(6, 2), g(5, 1), g(2, 1)};
constexpr GlyphPoint kLetterC[] = {g(6, 5), g(3, 5), g(2, 4), g(2, 2), g(3, 1), g(6, 1)};
constexpr GlyphPoint kLetterD[] = {g(2, 1), g(2, 5), g(5, 5), g(6, 4), g(6, 2), g(5, 1), g(2, 1)};
constexpr GlyphPoint kLetterE[] = {g(6, 1), g(3, 1), g(2, 2), g(2, 3), g(4, 3),
                                   g(2, 3), g(2, 4), g(3, 5), g(6, 5)};
constexpr GlyphPoint kLetterF[] = {g(2, 1), g(2, 2), g(2, 3), g(4, 3),
                                   g(2, 3), g(2, 4), g(3, 5), g(6, 5)};
constexpr GlyphPoint kLetterG[] = {g(6, 5), g(3, 5), g(2, 4), g(2, 2), g(3, 1),
                                   g(5, 1), g(6, 2), g(5, 3), g(3, 3)};
constexpr GlyphPoint kLetterH[] = {g(6, 5), g(6, 1), g(6, 3), g(2, 3), g(2, 5), g(2, 1)};
constexpr GlyphPoint kLetterI[] = {g(4, 5), g(4, 1)};
constexpr GlyphPoint kLetterJ[] = {g(2, 5), g(6, 5), g(6, 2), g(5, 1), g(3, 1), g(2, 2), g(2, 3)};
constexpr GlyphPoint kLetterK[] = {g(2, 5), g(2, 3), g(6, 5), g(2, 3), g(6, 1), g(2, 3), g(2, 1)};
constexpr GlyphPoint kLetterL[] = {g(2, 5), g(2, 1), g(6, 1)};
constexpr GlyphPoint kLetterM[] = {g(6, 1), g(6, 5), g(4, 3), g(2, 5), g(2, 1)};
constexpr GlyphPoint kLetterN[] = {g(6, 5), g(6, 1), g(2, 5), g(2, 1)};
constexpr GlyphPoint kLetterO[] = {g(5, 5), g(3, 5), g(2, 4), g(2, 2), g(2, 2),
                                   g(3, 1), g(5, 1), g(6, 2), g(6, 4), g(5, 5)};
constexpr GlyphPoint kLetterQ[] = {g(5, 5), g(3, 5), g(2, 4), g(2, 2), g(2, 2), g(3, 1),
                                   g(5, 1), g(6, 2), g(6, 4), g(5, 5), g(7, 0)};
constexpr GlyphPoint kLetterP[] = {g(2, 1), g(2, 3), g(5, 3), g(6, 4), g(5, 5), g(2, 5), g(2, 3)};
constexpr GlyphPoint kLetterR[] = {g(2, 1), g(2, 5), g(5, 5), g(6, 4), g(5, 3), g(2, 3), g(6, 1)};
constexpr GlyphPoint kLetterS[] = {g(6, 5), g(3, 5), g(2, 4), g(3, 3),
                                   g(5, 3), g(6, 2), g(5, 1), g(2, 1)};
constexpr GlyphPoint kLetterT[] = {g(6, 5), g(2, 5), g(4, 5), g(3, 1)};
constexpr GlyphPoint kLetterU[] = {g(2, 5), g(2, 2), g(3, 1), g(5, 1), g(6, 2), g(6, 5)};
constexpr GlyphPoint kLetterV[] = {g(2, 5), g(4, 1), g(6, 5)};
constexpr GlyphPoint kLetterW[] = {g(6, 5), g(6, 1), g(4, 3), g(2, 1), g(2, 5)};
constexpr GlyphPoint kLetterX[] = {g(2, 5), g(6, 1), g(4, 3), g(2, 1), g(6, 5)};
constexpr GlyphPoint kLetterY[] = {g(2, 5), g(4, 3), g(6, 5), g(4, 3), g(4, 1)};
constexpr GlyphPoint kLetterZ[] = {g(2, 5), g(6, 5), g(2, 1), g(6, 1)};

}  // namespace

std::span<const GlyphPoint> buildGlyph(char code) {
  switch (code) {
    case '+':
      return kPlus;
    case ',':
      return kComma;
    case '-':
      return kMinus;
    case '.':
      return kPoint;
    case '/':
      return kSlash;
    case '0':
      return kDigit0;
    case '1':
      return kDigit1;
    case '2':
      return kDigit2;
    case '3':
      return kDigit3;
    case '4':
      return kDigit4;
    case '5':
      return kDigit5;
    case '6':
      return kDigit6;
    case '7':
      return kDigit7;
    case '8':
      return kDigit8;
    case '9':
      return kDigit9;
    case 'A':
      return kLetterA;
    case 'B':
      return kLetterB;
    case 'C':
      return kLetterC;
    case 'D':
      return kLetterD;
    case 'E':
      return kLetterE;
    case 'F':
      return kLetterF;
    case 'G':
      return kLetterG;
    case 'H':
      return kLetterH;
    case 'I':
      return kLetterI;
    case 'J':
      return kLetterJ;
    case 'K':
      return kLetterK;
    case 'L':
      return kLetterL;
    case 'M':
      return kLetterM;
    case 'N':
      return kLetterN;
    case 'O':
      return kLetterO;
    case 'P':
      return kLetterP;
    case 'Q':
      return kLetterQ;
    case 'R':
      return kLetterR;
    case 'S':
      return kLetterS;
    case 'T':
      return kLetterT;
    case 'U':
      return kLetterU;
    case 'V':
      return kLetterV;
    case 'W':
      return kLetterW;
    case 'X':
      return kLetterX;
    case 'Y':
      return kLetterY;
    case 'Z':
      return kLetterZ;
    default:
      return {};
  }
}

}  // namespace vev

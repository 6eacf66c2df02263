#include "render/shape_builders.h"

namespace vev {

ShapeBuilder solidBuilder(std::string_view kind) {
  if (kind == "QUAD" || kind == "SMQUAD") return buildQuad;
  if (kind == "QUADBEAMSM" || kind == "HANGED" || kind == "QUADBEAM" || kind == "SMQUADBEAM" ||
      kind == "SMQUADBEAML") {
    return buildQuadBeam;
  }
  if (kind == "RETIBEAM") return buildRetiBeam;
  if (kind == "JET") return buildJet;
  if (kind == "LASERCANNON") return buildLaserCannon;
  if (kind == "CROUNDBEAMC" || kind == "SMROUNDBEAMC" || kind == "CROUNDBEAM" ||
      kind == "ROUNDBEAM") {
    return buildRoundBeam;
  }
  return nullptr;
}

}  // namespace vev

#pragma once

#include "tools/image.h"

// The demonstration's pictures, each drawn from a fixed seed. Hull pictures tile across u, the
// direction a face's map repeats along; sky pictures fade to the star field at their edges so
// that neighbouring backdrops meet without a visible border.
namespace vev::assets {

Image makePlating();      // the m-bird's light grey panels with rivets and hatches
Image makeGold();         // golden-bird: brushed gold panels
Image makeBlack();        // black-bird: graphite weave with a red flash
Image makeCruiserHull();  // the cruiser's steel plates with rows of lit windows
Image makeCyphoraSkin();  // cyphora: teal and violet cells
Image makeStars();        // the sky all round
Image makeNebula();       // a magenta and blue cloud with stars
Image makePlanet();       // a banded giant lit from one side, with stars around it

}  // namespace vev::assets

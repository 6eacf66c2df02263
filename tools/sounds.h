#pragma once

#include <vector>

// The demonstration's samples at `kSampleRate`, each from a fixed seed, peaks normalised. The two
// engine hums hold a whole number of periods of every component, so they loop without a click.
namespace vev::assets {

std::vector<double> makeEngineHum();   // a fighter's engine, 1 s loop at 55 Hz
std::vector<double> makeCruiserHum();  // the cruiser's deeper, throbbing engine, 1 s loop
std::vector<double> makeLaserZap();    // a falling chirp, 0.22 s
std::vector<double> makeHitCrack();    // a sharp crack with a thump, 0.35 s
std::vector<double> makeExplosion();   // a crack, then a long falling rumble, 2 s

}  // namespace vev::assets

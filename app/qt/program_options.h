#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "app/net_options.h"

namespace vev {

// How the program was asked to run.
struct ProgramOptions {
  QString dataDir;             // --data DIR: the folder holding sw/; empty to look for one
  bool showAbout = true;       // --no-about skips the About dialog
  int frames = 0;              // --frames N: quit after N frames; 0 runs until the window closes
  QString screenshotPath;      // --screenshot PATH: the last frame as PNG
  std::optional<bool> attack;  // --pilot demo|attack: which pilot flies the others, kept as set
  bool watch = false;          // --watch: reload scene files that change on disk
  QStringList addFiles;        // --add FILE...: added after the demonstration, as from the toolbar
  QStringList ownFiles;        // FILE... without --add: flown alone, the first one controlled
  QString flyFile;             // --fly FILE: its craft put in the player's place
  QString recordPath;          // --record FILE: write the game's replay
  QString replayPath;          // --replay FILE: play a recorded game again
  NetOptions net;              // --host [PORT], --join HOST[:PORT], --key WORD, --player NAME
};

// The options of a command line (its first entry is the program). Nothing, with `error` set, when
// it cannot be understood; "--help" and "--version" are handled by printing and exiting.
std::optional<ProgramOptions> parseProgramOptions(const QStringList& arguments, QString& error);

// Whether the command line asks only for the usage or the version, which need no display.
bool asksForHelpOrVersion(int argc, const char* const* argv);

}  // namespace vev

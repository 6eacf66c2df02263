#include "app/qt/program_options.h"

#include <QCommandLineParser>
#include <string_view>

namespace vev {

namespace {

// --host takes its port only when one follows.
QStringList withHostPort(QStringList arguments) {
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    std::uint16_t port = 0;
    if (arguments[i] == "--host" &&
        (i + 1 == arguments.size() || !parsePort(arguments[i + 1].toStdString(), port))) {
      arguments.insert(i + 1, QString::number(kDefaultGamePort));
    }
  }
  return arguments;
}

// The network game the options ask for; false, with `error` set, when they cannot be understood.
bool readNetOptions(const QCommandLineParser& parser, NetOptions& net, QString& error) {
  net.host = parser.isSet("host");
  if (net.host && !parsePort(parser.value("host").toStdString(), net.port)) {
    error = QObject::tr("--host takes a port from 1 to 65535");
    return false;
  }
  if (parser.isSet("join") && !parseJoinAddress(parser.value("join").toStdString(), net)) {
    error = QObject::tr("--join takes HOST or HOST:PORT");
    return false;
  }
  if (net.host && !net.joinAddress.empty()) {
    error = QObject::tr("--host and --join do not go together");
    return false;
  }
  net.gameKey = parser.value("key").toStdString();
  net.player = parser.value("player").toStdString();
  if (net.player.empty()) net.player = net.host ? "Host" : "Guest";
  return true;
}

}  // namespace

std::optional<ProgramOptions> parseProgramOptions(const QStringList& arguments, QString& error) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QObject::tr("Space-combat flight demonstration"));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption data("data", QObject::tr("Read the demonstration from DIR/sw."), "DIR");
  const QCommandLineOption noAbout("no-about", QObject::tr("Start without the About dialog."));
  const QCommandLineOption frames("frames", QObject::tr("Quit after N frames."), "N");
  const QCommandLineOption screenshot(
      "screenshot", QObject::tr("Save the last frame as a PNG image at PATH."), "PATH");
  const QCommandLineOption pilot(
      "pilot", QObject::tr("Who flies the other craft: demo, or attack to fight you."), "PILOT");
  const QCommandLineOption watch("watch",
                                 QObject::tr("Reload the scene files that change while it runs."));
  const QCommandLineOption add(
      "add",
      QObject::tr("Add the scene file FILE (and those that follow) after the demonstration."),
      "FILE");
  const QCommandLineOption fly(
      "fly", QObject::tr("Fly the craft of FILE, put beside the demonstration's player."), "FILE");
  const QCommandLineOption record("record", QObject::tr("Write the game's replay to FILE."),
                                  "FILE");
  const QCommandLineOption replay("replay", QObject::tr("Play the game recorded in FILE again."),
                                  "FILE");
  const QCommandLineOption host("host", QObject::tr("Host a game for two on PORT (27600)."),
                                "PORT");
  const QCommandLineOption join("join", QObject::tr("Join the game hosted at HOST[:PORT]."),
                                "HOST");
  const QCommandLineOption key("key", QObject::tr("Play only with a player who gives WORD."),
                               "WORD");
  const QCommandLineOption player("player", QObject::tr("Your name in a game for two."), "NAME");
  parser.addOptions({data, noAbout, frames, screenshot, pilot, watch, add, fly, record, replay,
                     host, join, key, player});
  parser.addPositionalArgument(
      "FILE",
      QObject::tr("Scene files to fly alone, the first one's craft yours (after --add: more "
                  "files to add)."),
      "[FILE...]");
  parser.process(withHostPort(arguments));
  const bool ownFiles = !parser.positionalArguments().isEmpty() && !parser.isSet(add);
  if (ownFiles && (parser.isSet(fly) || parser.isSet(replay))) {
    error = QObject::tr("scene files to fly alone go without --fly and --replay");
    return std::nullopt;
  }

  ProgramOptions options;
  if (!readNetOptions(parser, options.net, error)) return std::nullopt;
  if (options.net.active() &&
      (ownFiles || parser.isSet(replay) || parser.isSet(add) || parser.isSet(fly))) {
    error = QObject::tr("a game for two flies the demonstration as it is");
    return std::nullopt;
  }
  options.dataDir = parser.value(data);
  options.recordPath = parser.value(record);
  options.replayPath = parser.value(replay);
  // A run that quits by itself has no one to close the dialog.
  options.showAbout = !parser.isSet(noAbout) && !parser.isSet(frames);
  options.screenshotPath = parser.value(screenshot);
  options.watch = parser.isSet(watch);
  options.addFiles = parser.values(add);
  if (ownFiles) {
    options.ownFiles = parser.positionalArguments();
  } else {
    options.addFiles += parser.positionalArguments();
  }
  options.flyFile = parser.value(fly);
  if (parser.isSet(frames)) {
    bool isNumber = false;
    options.frames = parser.value(frames).toInt(&isNumber);
    if (!isNumber || options.frames < 1) {
      error = QObject::tr("--frames needs a positive number, not \"%1\"").arg(parser.value(frames));
      return std::nullopt;
    }
  }
  if (parser.isSet(pilot)) {
    const QString name = parser.value(pilot);
    if (name != "demo" && name != "attack") {
      error = QObject::tr("--pilot is demo or attack, not \"%1\"").arg(name);
      return std::nullopt;
    }
    options.attack = name == "attack";
  }
  return options;
}

bool asksForHelpOrVersion(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") return false;
    if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v" ||
        arg == "--version") {
      return true;
    }
  }
  return false;
}

}  // namespace vev

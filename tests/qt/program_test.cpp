#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

#include "tests/hud/comma_locale.h"
#include "tests/qt/test_window.h"

namespace vev::test {
namespace {

struct Run {
  int status = -1;
  QString errors;
};

// Runs the program with `arguments` in `workingDir`, its settings in a folder of its own, with
// `variables` added to the environment.
Run runProgram(const QStringList& arguments, const QString& workingDir,
               const QList<std::pair<QString, QString>>& variables = {}) {
  QTemporaryDir config;
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_CONFIG_HOME", config.path());
  for (const auto& [name, value] : variables) environment.insert(name, value);
  program.setProcessEnvironment(environment);
  program.setWorkingDirectory(workingDir);
  program.start(VEV_BINARY, arguments);
  Run run;
  if (!program.waitForFinished(120000)) {
    program.kill();
    program.waitForFinished();
    return run;
  }
  run.errors = QString::fromLocal8Bit(program.readAllStandardError());
  if (program.exitStatus() == QProcess::NormalExit) run.status = program.exitCode();
  return run;
}

// The share of pixels that are not the clear colour.
double drawnShare(const QImage& image) {
  qsizetype drawn = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) drawn += (image.pixel(x, y) & 0xffffff) != 0;
  }
  return static_cast<double>(drawn) / static_cast<double>(image.width() * image.height());
}

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void aScriptedRunFliesTheSceneAndSavesItsLastFrame() {
    const SceneFolder scene;
    QTemporaryDir out;
    const QString shot = out.filePath("shot.png");
    const Run run =
        runProgram({"--no-about", "--frames", "100", "--screenshot", shot, "--data", scene.path()},
                   out.path());
    QVERIFY2(run.status == 0, qPrintable(run.errors));
    const QImage image(shot);
    QVERIFY(!image.isNull());
    QVERIFY(image.width() > 100 && image.height() > 100);
    QVERIFY2(drawnShare(image) > 0.005, "the fleet craft ahead of the player is in view");
  }

  // The HUD's numbers ("2.33" and not "2,33") must not follow a locale with a decimal comma. The
  // player starts with 7 of its 300 points of damage taken, so its HUD shows a fraction.
  void theDemonstrationLooksTheSameInACommaLocale() {
    const QString locales = QString::fromStdString(commaLocaleDirectory());
    QVERIFY2(!locales.isEmpty(), "localedef could not build the comma locale");
    QTemporaryDir out;
    const std::filesystem::path data = out.filePath("data").toStdString();
    std::filesystem::create_directories(data);
    std::filesystem::copy(std::filesystem::path(VEV_SOURCE_DIR) / "sw", data / "sw");
    QFile craft(QString::fromStdString((data / "sw" / "m-bird.ssp.zsf").string()));
    QVERIFY(craft.open(QIODevice::ReadOnly));
    QByteArray text = craft.readAll();
    craft.close();
    QVERIFY(text.contains("damage=450 0 0 "));
    text.replace("damage=450 0 0 ", "damage=450 0 7 ");
    QVERIFY(craft.open(QIODevice::WriteOnly | QIODevice::Truncate));
    craft.write(text);
    craft.close();
    QList<QImage> shots;
    for (const QString& locale : {QString("C.UTF-8"), QString(kCommaLocale)}) {
      const QString shot = out.filePath(locale + ".png");
      const Run run = runProgram({"--no-about", "--frames", "30", "--screenshot", shot, "--data",
                                  QString::fromStdString(data.string())},
                                 out.path(), {{"LOCPATH", locales}, {"LC_ALL", locale}});
      QVERIFY2(run.status == 0, qPrintable(run.errors));
      shots.append(QImage(shot));
    }
    QVERIFY(!shots[0].isNull());
    QVERIFY(shots[0] == shots[1]);
  }

  // ALSA with an empty configuration has no device, on any machine.
  void withoutASoundDeviceItSaysSoInOneLine() {
    QTemporaryDir dir;
    QFile emptyConfig(dir.filePath("asound.conf"));
    QVERIFY(emptyConfig.open(QIODevice::WriteOnly));
    emptyConfig.close();
    const QList<std::pair<QString, QString>> noDevice = {
        {"ALSOFT_DRIVERS", "alsa"},
        {"ALSA_CONFIG_PATH", emptyConfig.fileName()},
        {"XDG_RUNTIME_DIR", dir.path()}};
    const Run run = runProgram({"--no-about", "--frames", "3"}, dir.path(), noDevice);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.errors, QString("No sound device: running without sound\n"));
  }

  // --add loads files after the demonstration as the toolbar's add command does, and a scripted
  // run tells the status bar's news on standard error.
  void addedFilesJoinTheSceneAsFromTheToolbar() {
    const SceneFolder scene;
    const QString box =
        scene.writeFile("box.zsf",
                        "10 box\na square\nname=BOX\n*QUAD\npos=10 0 0\ntang=1 0 0\nnorm=0 1 0\n"
                        "verts=0 0 0 1 0 0 1 1 0\n*END\n");
    const QString junk = scene.writeFile("junk.zsf", "10 junk\nnothing\n*QUAD\nfoo=1\n*END\n");
    const Run run = runProgram(
        {"--no-about", "--frames", "3", "--watch", "--data", scene.path(), "--add", box, junk},
        scene.path(), {{"ALSOFT_DRIVERS", "null"}});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.errors.contains("Added BOX from box.zsf\n"), qPrintable(run.errors));
    QVERIFY2(run.errors.contains("Added an Identity with no name from junk.zsf: 2 findings; "
                                 "run vev-scene check junk.zsf\n"),
             qPrintable(run.errors));
  }

  // Files given alone are flown alone; --fly puts a craft into the demonstration in the player's
  // place. A file without a craft leaves the demonstration as it was.
  void anAuthorsOwnCraftIsFlown() {
    const SceneFolder scene;
    const QString mine =
        scene.writeFile("mine.zsf",
                        "10 mine\nmy craft\nname=MINE\n*CAMERA\npos=0 0 0\ntang=1 0 0\nnorm=0 1 0\n"
                        "zoom=45\n*END\n");
    const QString none = scene.writeFile("none.zsf", "10 none\nno part\nname=NONE\n*END\n");
    const QStringList quick{"--no-about", "--frames", "3", "--data", scene.path()};
    Run run = runProgram(quick + QStringList{mine}, scene.path());
    QCOMPARE(run.status, 0);
    QVERIFY2(run.errors.contains("Added MINE from mine.zsf\n") && !run.errors.contains("M-BIRD"),
             qPrintable(run.errors));
    run = runProgram(quick + QStringList{"--fly", mine}, scene.path());
    QVERIFY2(run.errors.contains("Flying MINE from mine.zsf\n"), qPrintable(run.errors));
    run = runProgram(quick + QStringList{"--fly", none}, scene.path());
    QVERIFY2(run.errors.contains("Cannot fly none.zsf: it holds no craft\n"),
             qPrintable(run.errors));
  }

  // Without --no-about too: a run that quits by itself shows no dialog to wait on.
  void itStartsFromAFolderWithoutAScene() {
    QTemporaryDir empty;
    const Run run = runProgram({"--frames", "3", "--data", empty.path()}, empty.path());
    QVERIFY2(run.status == 0, qPrintable(run.errors));
    QVERIFY2(run.errors.contains("vev: no sw/ folder in " + empty.path() +
                                 ": starting without the demonstration"),
             qPrintable(run.errors));
  }

  // Asked from a terminal without a window system, as a packager's script or a man page check
  // does.
  void helpAndVersionNeedNoDisplay() {
    QTemporaryDir empty;
    const QList<std::pair<QString, QString>> noDisplay{
        {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
    for (const char* option : {"--help", "-h", "--version"}) {
      QProcess program;
      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
      for (const auto& [name, value] : noDisplay) environment.remove(name);
      program.setProcessEnvironment(environment);
      program.start(VEV_BINARY, {option});
      QVERIFY(program.waitForFinished(30000));
      QCOMPARE(program.exitCode(), 0);
      const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
      QVERIFY2(out.contains(QString(option) == "--version" ? "vev 3.22" : "--frames"),
               qPrintable(out));
    }
  }

  void aBadFrameCountIsRefused() {
    QTemporaryDir empty;
    const Run run = runProgram({"--no-about", "--frames", "none"}, empty.path());
    QCOMPARE(run.status, 2);
    QVERIFY(run.errors.contains("--frames"));
  }
};

}  // namespace vev::test

QTEST_MAIN(vev::test::ProgramTest)
#include "program_test.moc"

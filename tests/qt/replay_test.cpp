#include <QTemporaryDir>
#include <QtTest>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/commands.h"
#include "sim/state_checksum.h"
#include "tests/qt/test_window.h"

namespace vev::test {

// What vev-scene prints and whether it succeeded, run from `directory`.
struct ToolRun {
  int status = -1;
  std::string out;
};

ToolRun runTool(const QString& directory, const std::string& args) {
  const std::string command =
      "cd '" + directory.toStdString() + "' && '" VEV_SCENE_BINARY "' " + args + " 2>&1";
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    run.out.append(buffer, n);
  }
  run.status = pclose(pipe);
  return run;
}

class ReplayTest : public QObject {
  Q_OBJECT

 private slots:
  // Keys pressed in the window and a command from the toolbar, recorded as they are played, fly
  // again headless to the window's last state.
  void aGameRecordedInTheWindowReplaysHeadlessToTheSameState() {
    QTemporaryDir dir;
    const QString path = dir.filePath("game.vrp");
    TestWindow test({}, path);
    QVERIFY(test.start());
    QTest::keyPress(&test.view(), Qt::Key_Space);
    QTest::keyPress(&test.view(), Qt::Key_Left);
    QVERIFY(test.waitFrames(8));
    QTest::keyRelease(&test.view(), Qt::Key_Left);
    test.clickCommand(kNextIdentity);
    QVERIFY(test.waitFrames(8));
    QTest::keyRelease(&test.view(), Qt::Key_Space);
    QVERIFY(test.waitFrames(2));
    char expected[64];
    std::snprintf(expected, sizeof expected, "checksum %016llx\n",
                  static_cast<unsigned long long>(stateChecksum(test.state().model)));
    test.stop();

    const ToolRun run = runTool(test.folder().path(),
                                "run --replay '" + path.toStdString() + "' --checksum-every 1");
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.ends_with(expected), run.out.c_str());
  }
};

}  // namespace vev::test

QTEST_MAIN(vev::test::ReplayTest)
#include "replay_test.moc"

#include <unistd.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace vev::test {
namespace {

QProcess* startProgram(const QStringList& arguments, const QString& configDir) {
  auto* program = new QProcess;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_CONFIG_HOME", configDir);
  program->setProcessEnvironment(environment);
  program->start(VEV_BINARY, arguments);
  return program;
}

}  // namespace

class NetPlayTest : public QObject {
  Q_OBJECT

 private slots:
  // Each player looks out of his own M-BIRD's cockpit; the host's news tells who joined.
  void twoWindowsPlayOneGameEachFromItsOwnCockpit() {
    QTemporaryDir out;
    const QString port = QString::number(21000 + getpid() % 9000);
    const QStringList common = {"--frames", "200", "--data", VEV_SOURCE_DIR, "--pilot", "attack"};
    std::unique_ptr<QProcess> host(
        startProgram(common + QStringList{"--host", port, "--player", "Ann", "--screenshot",
                                          out.filePath("host.png")},
                     out.filePath("host")));
    QTest::qWait(500);
    std::unique_ptr<QProcess> guest(
        startProgram(common + QStringList{"--join", "127.0.0.1:" + port, "--player", "Bob",
                                          "--screenshot", out.filePath("guest.png")},
                     out.filePath("guest")));
    for (QProcess* program : {host.get(), guest.get()}) {
      if (!program->waitForFinished(180000)) program->kill();
      program->waitForFinished();
    }
    const QString hostNews = QString::fromLocal8Bit(host->readAllStandardError());
    const QString guestNews = QString::fromLocal8Bit(guest->readAllStandardError());
    QVERIFY2(host->exitCode() == 0 && guest->exitCode() == 0, qPrintable(hostNews + guestNews));
    QVERIFY2(hostNews.contains("Bob joined the game"), qPrintable(hostNews));
    QVERIFY2(guestNews.contains("Joined Ann's game"), qPrintable(guestNews));
    const QImage hostView(out.filePath("host.png"));
    const QImage guestView(out.filePath("guest.png"));
    QVERIFY(!hostView.isNull() && !guestView.isNull());
    QVERIFY2(hostView != guestView, "the two players look out of different cockpits");
  }
};

}  // namespace vev::test

QTEST_MAIN(vev::test::NetPlayTest)
#include "net_play_test.moc"

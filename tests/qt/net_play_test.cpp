#include <unistd.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <optional>
#include <vector>

#include "app/qt/main_window.h"
#include "app/qt/qt_settings_store.h"
#include "app/second_player.h"
#include "model/vector3.h"

namespace vev::test {
namespace {

QProcess* startProgram(const QString& program, const QStringList& arguments,
                       const QString& configDir) {
  auto* process = new QProcess;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_CONFIG_HOME", configDir);
  process->setProcessEnvironment(environment);
  process->setWorkingDirectory(VEV_SOURCE_DIR);
  process->start(program, arguments);
  return process;
}

// Where a point of the world lies in a picture taken through `camera`, in pixels from the top
// left; nothing when it is behind the camera.
std::optional<QPoint> projected(const Vec3& point, const Vec3& eye, const Vec3& tangent,
                                const Vec3& normal, float zoomDegrees, QSize size) {
  const Vec3 offset = point - eye;
  const float ahead = dot(offset, tangent);
  if (ahead <= 0.0f) return std::nullopt;
  const Vec3 right = cross(tangent, normal);
  const float scale = 1.0f / (ahead * std::tan(zoomDegrees * 3.14159265f / 360.0f));
  const float aspect = static_cast<float>(size.width()) / static_cast<float>(size.height());
  const float x = dot(offset, right) * scale / aspect;
  const float y = dot(offset, normal) * scale;
  return QPoint(static_cast<int>(std::lround((x + 1.0f) * size.width() / 2.0f)),
                static_cast<int>(std::lround((1.0f - y) * size.height() / 2.0f)));
}

// Pixels of the 15 x 15 square about `at` in which the two pictures differ.
int differingAround(const QImage& a, const QImage& b, QPoint at) {
  int count = 0;
  for (int y = at.y() - 7; y <= at.y() + 7; ++y) {
    for (int x = at.x() - 7; x <= at.x() + 7; ++x) {
      if (a.valid(x, y) && b.valid(x, y) && a.pixel(x, y) != b.pixel(x, y)) ++count;
    }
  }
  return count;
}

// Pixels of the 15 x 15 square about `at` brighter than the dark sky.
int litAround(const QImage& image, QPoint at) {
  int count = 0;
  for (int y = at.y() - 7; y <= at.y() + 7; ++y) {
    for (int x = at.x() - 7; x <= at.x() + 7; ++x) {
      if (image.valid(x, y) && qGray(image.pixel(x, y)) > 60) ++count;
    }
  }
  return count;
}

Vec3 vec(const QJsonValue& value) {
  const QJsonArray a = value.toArray();
  return {static_cast<float>(a[0].toDouble()), static_cast<float>(a[1].toDouble()),
          static_cast<float>(a[2].toDouble())};
}

// The picture with `craft` moved out of sight for one paint, and its poses put back exactly.
QImage withoutCraft(SceneView& view, Identity& craft) {
  const Pose pose = craft.pose;
  std::vector<Pose> nodePoses;
  for (SceneNode* node = craft.nodes.get(); node; node = node->next.get()) {
    if (node->pose) nodePoses.push_back(*node->pose);
  }
  const Vec3 away{0.0f, 100000.0f, 0.0f};
  craft.pose.position = craft.pose.position + away;
  for (SceneNode* node = craft.nodes.get(); node; node = node->next.get()) {
    if (node->pose) node->pose->position = node->pose->position + away;
  }
  const QImage picture = view.grabFramebuffer();
  craft.pose = pose;
  std::size_t at = 0;
  for (SceneNode* node = craft.nodes.get(); node; node = node->next.get()) {
    if (node->pose) *node->pose = nodePoses[at++];
  }
  return picture;
}

}  // namespace

class NetPlayTest : public QObject {
  Q_OBJECT

 private slots:
  // A host in a vev process and a player joining in this one, each looking out of his own
  // cockpit: each sees the other's M-BIRD where the game's state puts it. The joining player sees
  // the input delay in the status bar, plays under the host's pilot, and keeps his own.
  void twoWindowsPlayOneGameEachSeeingTheOther() {
    QTemporaryDir out;
    const QString port = QString::number(21000 + getpid() % 9000);
    std::unique_ptr<QProcess> host(
        startProgram(VEV_BINARY,
                     {"--frames", "200", "--data", VEV_SOURCE_DIR, "--pilot", "attack", "--host",
                      port, "--player", "Ann", "--screenshot", out.filePath("host.png"), "--record",
                      out.filePath("host.vrp")},
                     out.filePath("host")));
    QTest::qWait(500);
    NetOptions net;
    net.joinAddress = "127.0.0.1";
    net.port = static_cast<std::uint16_t>(port.toInt());
    net.player = "Bob";
    const QString settingsFile = out.filePath("guest.ini");
    auto window =
        std::make_unique<MainWindow>(ViewSetup{VEV_SOURCE_DIR,
                                               std::make_unique<QtSettingsStore>(settingsFile),
                                               {},
                                               std::nullopt,
                                               false,
                                               {},
                                               {},
                                               std::nullopt,
                                               {},
                                               {},
                                               net});
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    SceneView& view = window->view();
    ViewState& state = view.state();
    QVERIFY(QTest::qWaitFor([&] { return view.stepsTaken() >= 5; }, 30000));
    const auto* delay = window->findChild<QLabel*>("inputDelay");
    QVERIFY(delay && delay->isVisible());
    QVERIFY2(delay->text().startsWith("Input delay: "), qPrintable(delay->text()));
    QVERIFY(state.pilot.attack);

    // Turned about until the host's craft is ahead.
    Identity* own = secondPlayerCraft(state.model);
    Identity* other = state.model.controlled;
    QVERIFY(own && other);
    const auto seen = [&]() -> std::optional<QPoint> {
      const Pose& camera = *state.model.activeCamera;
      return projected(other->pose.position, camera.position, camera.tangent, camera.normal,
                       camera.zoom, QSize(view.width(), view.height()));
    };
    const auto central = [&] {
      const std::optional<QPoint> at = seen();
      return at && std::abs(at->x() - view.width() / 2) < view.width() / 4 &&
             std::abs(at->y() - view.height() / 2) < view.height() / 4;
    };
    QTest::keyPress(&view, Qt::Key_Left);
    const bool turned = QTest::qWaitFor(central, 20000);
    QTest::keyRelease(&view, Qt::Key_Left);
    QVERIFY(turned);
    QVERIFY(QTest::qWaitFor(central, 5000));
    const QImage picture = view.grabFramebuffer();
    const QPoint at = *seen();
    QVERIFY2(differingAround(picture, withoutCraft(view, *other), at) > 20,
             "the host's M-BIRD is not drawn where the state puts it");

    // The event loop runs on meanwhile, or this player would fall silent and leave the game.
    QVERIFY(QTest::qWaitFor([&] { return host->state() == QProcess::NotRunning; }, 120000));
    const QString hostNews = QString::fromLocal8Bit(host->readAllStandardError());
    QVERIFY2(host->exitCode() == 0, qPrintable(hostNews));
    QVERIFY2(hostNews.contains("Bob joined the game"), qPrintable(hostNews));
    window.reset();
    QCOMPARE(QSettings(settingsFile, QSettings::IniFormat).value("attack").toInt(), 0);

    // The host's last picture against its game replayed headless: the joining player's M-BIRD
    // is where that state puts it.
    std::unique_ptr<QProcess> replay(startProgram(
        VEV_SCENE_BINARY,
        {"run", "--replay", out.filePath("host.vrp"), "--json", out.filePath("host.json")},
        out.filePath("host")));
    QVERIFY(replay->waitForFinished(120000) && replay->exitCode() == 0);
    QFile json(out.filePath("host.json"));
    QVERIFY(json.open(QIODevice::ReadOnly));
    const QJsonObject game = QJsonDocument::fromJson(json.readAll()).object();
    const QJsonArray identities = game["identities"].toArray();
    const QJsonObject camera = game["camera"].toObject();
    const QJsonObject cameraPose = identities[camera["identity"].toInt()]
                                       .toObject()["nodes"]
                                       .toArray()[camera["node"].toInt()]
                                       .toObject()["pose"]
                                       .toObject();
    std::optional<Vec3> guestCraft;
    for (const QJsonValue& identity : identities) {
      if (identity["secondPlayer"].toBool()) guestCraft = vec(identity["pose"]["position"]);
    }
    QVERIFY(guestCraft);
    const QImage hostView(out.filePath("host.png"));
    const std::optional<QPoint> guestSeen =
        projected(*guestCraft, vec(cameraPose["position"]), vec(cameraPose["tangent"]),
                  vec(cameraPose["normal"]), static_cast<float>(cameraPose["zoom"].toDouble()),
                  hostView.size());
    QVERIFY(guestSeen && hostView.rect().contains(*guestSeen));
    QVERIFY2(litAround(hostView, *guestSeen) > 10, "the guest's M-BIRD is not where it should be");
  }
};

}  // namespace vev::test

QTEST_MAIN(vev::test::NetPlayTest)
#include "net_play_test.moc"

#include <QFile>
#include <QImage>
#include <QStatusBar>
#include <QTest>

#include "app/commands.h"
#include "tests/qt/test_window.h"

namespace vev::test {
namespace {

// A square 10 m ahead of the player's cockpit, facing it, in `colour` (percent).
QByteArray boxFile(const char* colour) {
  return QByteArray(
             "10 box\na square ahead of the cockpit\nname=BOX\npos=0 0 0\n*QUAD\nname=face\n"
             "dif=") +
         colour + "\npos=10 1 0\ntang=0 0 1\nnorm=0 1 0\nverts=-2 -2 0 2 -2 0 2 2 0 -2 2 0\n*END\n";
}

// A square 10 m ahead of the player's cockpit showing skin.bmp, one texel of it over the face.
constexpr const char* kSkinnedBox =
    "10 skinned\na textured square ahead of the cockpit\nname=SKINNED\npos=0 0 0\n*QUAD\n"
    "name=face\ndif=100 100 100 100\ntexture=skin.bmp-1\npos=10 1 0\ntang=0 0 1\nnorm=0 1 0\n"
    "verts=-2 -2 0 2 -2 0 2 2 0 -2 2 0\n*END\n";

void paintBitmap(const QString& path, Qt::GlobalColor colour) {
  QImage image(2, 2, QImage::Format_RGB888);
  image.fill(colour);
  QVERIFY(image.save(path, "BMP"));
}

void rewrite(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text);
}

Identity* named(ModelState& model, const std::string& name) {
  for (Identity* it = model.scene.get(); it; it = it->next.get()) {
    if (it->name == name) return it;
  }
  return nullptr;
}

QRgb centrePixel(TestWindow& test) {
  const QImage frame = test.view().grabFramebuffer();
  return frame.pixel(frame.width() / 2, frame.height() / 2);
}

// A window with the box added from a file of its own and the file watched.
struct WatchedBox {
  WatchedBox() {
    path = test.folder().writeFile("box.zsf", boxFile("0 80 0 100").constData());
    ok = test.start() && addSceneFile(test.state(), path.toStdString(), {});
    test.window().setWatching(true);
    ok = ok && test.waitFrames(2);
  }
  TestWindow test;
  QString path;
  bool ok = false;
};

}  // namespace

class ReloadTest : public QObject {
  Q_OBJECT

 private slots:
  void aChangedColourShowsWithinAFewFrames() {
    WatchedBox box;
    QVERIFY(box.ok);
    const QRgb before = centrePixel(box.test);
    QVERIFY(qGreen(before) > 100);
    rewrite(box.path, boxFile("80 0 0 100"));
    QTRY_VERIFY_WITH_TIMEOUT(qRed(centrePixel(box.test)) > 100, 3000);
    // The news of a frame reaches the status bar after the frame, from the event loop.
    QTRY_VERIFY_WITH_TIMEOUT(box.test.window().statusText().startsWith("Reloaded BOX"), 3000);
  }

  void controlAndTargetsFollowTheReloadedCraft() {
    WatchedBox box;
    QVERIFY(box.ok);
    ModelState& model = box.test.state().model;
    Identity* old = named(model, "BOX");
    player(box.test.state()).target = old;
    model.controlled = old;
    rewrite(box.path, boxFile("80 0 0 100"));
    QTRY_VERIFY_WITH_TIMEOUT(named(model, "BOX")->nodes->shape->diffuse[0] > 0.5f, 3000);
    Identity* fresh = named(model, "BOX");
    QCOMPARE(model.controlled, fresh);
    QCOMPARE(player(box.test.state()).target, fresh);
    QVERIFY(box.test.waitFrames(2));
  }

  void anEditedBitmapShowsInTheNextPictures() {
    TestWindow test;
    const QString path = test.folder().writeFile("skinned.zsf", kSkinnedBox);
    const QString skin = test.folder().path() + "/skin.bmp";
    paintBitmap(skin, Qt::red);
    QVERIFY(test.start() && addSceneFile(test.state(), path.toStdString(), {}));
    test.window().setWatching(true);
    QVERIFY(test.waitFrames(2));
    QVERIFY(qRed(centrePixel(test)) > 100 && qGreen(centrePixel(test)) < 50);
    paintBitmap(skin, Qt::green);
    QTRY_VERIFY_WITH_TIMEOUT(qGreen(centrePixel(test)) > 100, 3000);
    QVERIFY(qRed(centrePixel(test)) < 50);
    QTRY_VERIFY_WITH_TIMEOUT(test.window().statusText() == "Reread skin.bmp", 3000);
  }

  void garbageOrADeletedFileKeepsWhatWasLoaded() {
    WatchedBox box;
    QVERIFY(box.ok);
    ModelState& model = box.test.state().model;
    Identity* old = named(model, "BOX");
    rewrite(box.path, QByteArray("\x01\x02 not a scene \xff\n\n*"));
    QTRY_VERIFY_WITH_TIMEOUT(box.test.window().statusText().startsWith("Kept BOX"), 3000);
    QCOMPARE(named(model, "BOX"), old);
    QVERIFY(QFile::remove(box.path));
    QVERIFY(box.test.waitFrames(5));
    QCOMPARE(named(model, "BOX"), old);
    rewrite(box.path, boxFile("0 0 80 100"));
    QTRY_VERIFY_WITH_TIMEOUT(named(model, "BOX")->nodes->shape->diffuse[2] > 0.5f, 3000);
  }
};

}  // namespace vev::test

QTEST_MAIN(vev::test::ReloadTest)
#include "reload_test.moc"

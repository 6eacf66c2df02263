#include <QImage>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <memory>

#include "app/commands.h"
#include "sim/node_kind.h"
#include "tests/qt/test_window.h"

namespace vev::test {
namespace {

constexpr const char* kJunk = R"(10 junk
a file written in haste
*QUAD
pos=0 0 5
dif=50 50
nonsense=1
*END
)";

// The second craft of the test scene (the fleet craft), given a damage record.
Identity& fleetCraft(TestWindow& test) {
  Identity& craft = *player(test.state()).next;
  if (!craft.damage) craft.damage = std::make_unique<DamageState>();
  craft.damage->strength = 10;
  craft.damage->removal = 1;
  return craft;
}

// Pixels of the "DESTROYED" banner's colour in the middle fifth of the view's height.
int bannerPixels(TestWindow& test) {
  const QImage frame = test.view().grabFramebuffer();
  int count = 0;
  for (int y = frame.height() * 2 / 5; y < frame.height() * 3 / 5; ++y) {
    for (int x = 0; x < frame.width(); ++x) {
      const QColor c = frame.pixelColor(x, y);
      count += c.red() > 200 && c.green() > 30 && c.green() < 110 && c.blue() < 90;
    }
  }
  return count;
}

}  // namespace

class PlayTest : public QObject {
  Q_OBJECT

 private slots:
  void statusBarTellsOfADestroyedCraftAndAnAddedFile() {
    TestWindow test;
    QVERIFY(test.start());
    Identity& craft = fleetCraft(test);
    craft.damage->taken = 11;
    QVERIFY(test.waitFrames(2));
    QCOMPARE(test.window().statusText(), QString::fromStdString(craft.name + " destroyed"));

    const QString junk = test.folder().writeFile("junk.zsf", kJunk);
    QVERIFY(addSceneFile(test.state(), junk.toStdString(), {}));
    QVERIFY(test.waitFrames(1));
    QVERIFY2(
        test.window().statusText().startsWith("Added an Identity with no name from junk.zsf: "),
        qPrintable(test.window().statusText()));
    QVERIFY(test.window().statusText().endsWith("findings; run vev-scene check junk.zsf"));
  }

  void pauseHoldsTheSceneStillAndTheTitleNamesTheCraft() {
    TestWindow test;
    QVERIFY(test.start());
    QCOMPARE(test.window().windowTitle(), QString("VEV \u2014 Player"));
    ModelState& model = test.state().model;
    Identity& craft = *player(test.state()).next;
    QTest::keyClick(&test.window(), Qt::Key_Pause);
    QVERIFY(test.view().paused());
    QCOMPARE(test.window().statusText(), QString("PAUSED"));
    const Vec3 position = craft.pose.position;
    const int tickBefore = test.state().pilot.pilotTick;
    QTest::qWait(50 * 40);
    QCOMPARE(test.state().pilot.pilotTick, tickBefore);
    QCOMPARE(craft.pose.position, position);

    QTest::keyClick(&test.window(), Qt::Key_Pause);
    QVERIFY(!test.view().paused());
    QVERIFY(test.waitFrames(3));
    QVERIFY(test.state().pilot.pilotTick != tickBefore);
    QVERIFY(model.frameReady == 1);
  }

  // In full screen, where no status bar shows: the banner across the middle, the message in the
  // view, the title; R builds the demonstration again.
  void destructionOfTheControlledCraftIsShownAndRRestarts() {
    TestWindow test;
    QVERIFY(test.start());
    QTest::keyClick(&test.window(), Qt::Key_F11);
    QTRY_VERIFY(test.window().isFullScreen());
    QVERIFY(test.waitFrames(2));
    const int before = bannerPixels(test);
    Identity& own = player(test.state());
    own.damage = std::make_unique<DamageState>();
    own.damage->strength = 10;
    own.damage->removal = 1;
    own.damage->taken = 11;
    QVERIFY(test.waitFrames(3));
    QVERIFY(isDestroyed(own));
    QCOMPARE(test.window().windowTitle(), QString("VEV \u2014 Player (destroyed)"));
    QCOMPARE(test.window().statusText(), QString("Your Player is destroyed: press R to restart"));
    QCOMPARE(test.state().shownMessages.back().text, test.window().statusText().toStdString());
    QCOMPARE(test.state().model.activeCamera, &test.state().model.freeCamera);
    QVERIFY2(bannerPixels(test) > before + 200, "DESTROYED is drawn across the middle");

    QTest::keyClick(&test.view(), Qt::Key_R);
    QVERIFY(test.waitFrames(2));
    QVERIFY(!isDestroyed(player(test.state())));
    QVERIFY(test.state().shownMessages.empty() && test.window().statusText().isEmpty());
    QCOMPARE(test.window().windowTitle(), QString("VEV \u2014 Player"));
    QVERIFY(test.window().isFullScreen());
  }

  void fullScreenAndBackRestoresTheWindow() {
    TestWindow test;
    QVERIFY(test.start());
    const QSize size = test.window().size();
    QTest::keyClick(&test.window(), Qt::Key_F11);
    QTRY_VERIFY(test.window().isFullScreen());
    QVERIFY(!test.window().menuBar()->isVisible());
    QTest::keyClick(&test.window(), Qt::Key_Escape);
    QTRY_VERIFY(!test.window().isFullScreen());
    QTRY_COMPARE(test.window().size(), size);
    QVERIFY(test.window().menuBar()->isVisible());
  }
};

}  // namespace vev::test

QTEST_MAIN(vev::test::PlayTest)
#include "play_test.moc"

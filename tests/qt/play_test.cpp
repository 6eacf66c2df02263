#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <memory>

#include "app/commands.h"
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

}  // namespace

class PlayTest : public QObject {
  Q_OBJECT

 private slots:
  void statusBarTellsOfADestroyedCraftAndAnAddedFile() {
    TestWindow test;
    QVERIFY(test.start());
    QStatusBar& status = *test.window().statusBar();
    Identity& craft = fleetCraft(test);
    craft.damage->taken = 11;
    QVERIFY(test.waitFrames(2));
    QCOMPARE(status.currentMessage(), QString::fromStdString(craft.name + " destroyed"));

    const QString junk = test.folder().writeFile("junk.zsf", kJunk);
    QVERIFY(addSceneFile(test.state(), junk.toStdString(), {}));
    QVERIFY(test.waitFrames(1));
    QVERIFY2(status.currentMessage().startsWith("Added an Identity with no name from junk.zsf: "),
             qPrintable(status.currentMessage()));
    QVERIFY(status.currentMessage().endsWith("findings; run vev-scene check junk.zsf"));
  }

  void pauseHoldsTheSceneStillAndTheTitleNamesTheCraft() {
    TestWindow test;
    QVERIFY(test.start());
    QCOMPARE(test.window().windowTitle(), QString("VEV \u2014 Player"));
    ModelState& model = test.state().model;
    Identity& craft = *player(test.state()).next;
    QTest::keyClick(&test.window(), Qt::Key_Pause);
    QVERIFY(test.view().paused());
    QCOMPARE(test.window().statusBar()->currentMessage(), QString("PAUSED"));
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

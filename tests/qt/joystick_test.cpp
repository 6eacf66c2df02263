#include <SDL.h>

#include <QTest>

#include "app/commands.h"
#include "tests/qt/test_window.h"

namespace vev::test {
namespace {

constexpr KeyCode kUp = 38, kDown = 40, kLeft = 37, kRight = 39;

void giveJoystickKeys(ViewState& state) {
  player(state).body.joyKeys = {kUp, kDown, kLeft, kRight};
}

}  // namespace

class JoystickTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    QCOMPARE(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
  }
  void cleanupTestCase() { SDL_QuitSubSystem(SDL_INIT_JOYSTICK); }

  void aDeflectedStickPressesTheCraftsJoystickKeys() {
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 0, 0);
    QVERIFY2(index >= 0, SDL_GetError());
    SDL_Joystick* stick = SDL_JoystickOpen(index);
    QVERIFY(stick);
    // Pushed forward (toward y's minimum) and right, both past the dead zone.
    SDL_JoystickSetVirtualAxis(stick, 1, -30000);
    SDL_JoystickSetVirtualAxis(stick, 0, 30000);

    TestWindow test;
    QVERIFY(test.start());
    giveJoystickKeys(test.state());
    QVERIFY(test.waitFrames(2));
    const KeyStates& keys = player(test.state()).keys;
    QCOMPARE(keys[kDown], 1);
    QCOMPARE(keys[kUp], 0);
    QCOMPARE(keys[kRight], 1);
    QCOMPARE(keys[kLeft], 0);

    // Back inside the dead zone: released, even while the keyboard holds them.
    SDL_JoystickSetVirtualAxis(stick, 1, 3000);
    SDL_JoystickSetVirtualAxis(stick, 0, -3000);
    QTest::keyPress(&test.view(), Qt::Key_Down);
    QVERIFY(test.waitFrames(2));
    QCOMPARE(keys[kDown], 0);
    QCOMPARE(keys[kRight], 0);
    QCOMPARE(test.state().settings.joystickEnabled, 1);

    test.stop();
    SDL_JoystickClose(stick);
    SDL_JoystickDetachVirtual(index);
  }

  void withoutAJoystickTheSettingSwitchesOff() {
    QCOMPARE(SDL_NumJoysticks(), 0);
    TestWindow test;
    QVERIFY(test.start());
    QVERIFY(test.action(kToggleJoystick).isChecked());
    giveJoystickKeys(test.state());
    QVERIFY(test.waitFrames(1));
    QCOMPARE(test.state().settings.joystickEnabled, 0);
    QTRY_VERIFY(!test.action(kToggleJoystick).isChecked());
    QTest::keyPress(&test.view(), Qt::Key_Up);
    QVERIFY(test.waitFrames(1));
    QCOMPARE(player(test.state()).keys[kUp], 1);
  }
};

}  // namespace vev::test

QTEST_MAIN(vev::test::JoystickTest)
#include "joystick_test.moc"

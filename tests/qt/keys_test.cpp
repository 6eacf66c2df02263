#include <QTest>
#include <QWidget>

#include "tests/qt/test_window.h"

namespace vev::test {
namespace {

constexpr KeyCode kRight = 39, kCtrl = 17, kT = 84, kSpace = 32, kTab = 9, kShift = 16;

}  // namespace

class KeysTest : public QObject {
  Q_OBJECT

 private slots:
  void keypadSixIsItsOwnKeyAndTheRightArrow() {
    TestWindow test;
    QVERIFY(test.start());
    const KeyStates& keys = test.state().model.keyState;
    QTest::keyPress(&test.view(), Qt::Key_6, Qt::KeypadModifier);
    QCOMPARE(keys[102], 1);
    QCOMPARE(keys[kRight], 1);
    QTest::keyRelease(&test.view(), Qt::Key_6, Qt::KeypadModifier);
    QCOMPARE(keys[102], 0);
    QCOMPARE(keys[kRight], 0);

    // With NumLock off the keypad reports the key it stands for; it is still keypad 6.
    QTest::keyPress(&test.view(), Qt::Key_Right, Qt::KeypadModifier);
    QCOMPARE(keys[102], 1);
    QTest::keyRelease(&test.view(), Qt::Key_6, Qt::KeypadModifier);
    QCOMPARE(keys[102], 0);
  }

  void autoRepeatedEventsAreIgnored() {
    TestWindow test;
    QVERIFY(test.start());
    QTest::keyPress(&test.view(), Qt::Key_T);
    QKeyEvent repeatedRelease(QEvent::KeyRelease, Qt::Key_T, Qt::NoModifier, "t", true);
    QApplication::sendEvent(&test.view(), &repeatedRelease);
    QCOMPARE(test.state().model.keyState[kT], 1);
    QTest::keyRelease(&test.view(), Qt::Key_T);
    QCOMPARE(test.state().model.keyState[kT], 0);
  }

  void tabSpaceAndModifiersReachTheView() {
    TestWindow test;
    QVERIFY(test.start());
    QVERIFY(QTest::qWaitForWindowActive(&test.window()));
    QWidget* focused = QApplication::focusWidget();
    QCOMPARE(focused, &test.view());
    QTest::keyPress(focused, Qt::Key_Tab);
    QTest::keyPress(focused, Qt::Key_Space);
    QTest::keyPress(focused, Qt::Key_Shift, Qt::ShiftModifier);
    const KeyStates& keys = test.state().model.keyState;
    QCOMPARE(keys[kTab], 1);
    QCOMPARE(keys[kSpace], 1);
    QCOMPARE(keys[kShift], 1);
    QCOMPARE(QApplication::focusWidget(), &test.view());
  }

  void ctrlWithTheKeypadFliesTheFreeCamera() {
    TestWindow test;
    QVERIFY(test.start());
    ModelState& model = test.state().model;
    model.activeCamera = &model.freeCamera;
    const float startX = model.freeCamera.position[0];

    QTest::keyPress(&test.view(), Qt::Key_9, Qt::KeypadModifier);
    QVERIFY(test.waitFrames(2));
    QCOMPARE(model.freeCamera.position[0], startX);

    QTest::keyPress(&test.view(), Qt::Key_Control, Qt::ControlModifier);
    QCOMPARE(model.keyState[kCtrl], 1);
    QVERIFY(test.waitFrames(2));
    QVERIFY(model.freeCamera.position[0] >= startX + 1.0f);
  }

  void keysHeldWhenTheWindowLosesFocusAreReleased() {
    TestWindow test;
    QVERIFY(test.start());
    QVERIFY(QTest::qWaitForWindowActive(&test.window()));
    QTest::keyPress(&test.view(), Qt::Key_T);
    QTest::keyPress(&test.view(), Qt::Key_8, Qt::KeypadModifier);
    QCOMPARE(test.state().model.keyState[kT], 1);

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    const KeyStates& keys = test.state().model.keyState;
    QTRY_COMPARE(keys[kT], 0);
    QCOMPARE(keys[104], 0);
    QCOMPARE(keys[38], 0);
  }

  // Keys go to the widget with the focus, wherever that is.
  void keysReachTheViewAgainAfterAMenuIsClosedWithEscape() {
    TestWindow test;
    QVERIFY(test.start());
    QVERIFY(QTest::qWaitForWindowActive(&test.window()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    QTRY_COMPARE(QApplication::focusWidget(), &test.view());

    QTest::keyPress(QApplication::focusWidget(), Qt::Key_T);
    QVERIFY(test.waitFrames(2));
    QCOMPARE(test.state().model.controlled->keys[kT], 1);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_T);
  }
};

}  // namespace vev::test

QTEST_MAIN(vev::test::KeysTest)
#include "keys_test.moc"

#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "app/commands.h"
#include "app/qt/about_dialog.h"
#include "tests/app/flag_commands.h"
#include "tests/qt/test_window.h"

namespace vev::test {

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void toolbarShowsTheCommandsInOrderWithSeparators() {
    TestWindow test;
    QToolBar& toolbar = test.window().toolbar();
    const QList<QAction*> shown = toolbar.actions();
    const std::span<const int> layout = toolbarLayout();
    QCOMPARE(shown.size(), static_cast<qsizetype>(layout.size()));
    for (qsizetype i = 0; i < shown.size(); ++i) {
      const int id = layout[static_cast<std::size_t>(i)];
      if (id == kToolbarSeparator) {
        QVERIFY(shown[i]->isSeparator());
        continue;
      }
      QCOMPARE(shown[i], &test.action(id));
      QVERIFY2(!shown[i]->icon().isNull(), qPrintable(QString::number(id)));
      QVERIFY(!shown[i]->toolTip().isEmpty());
      QCOMPARE(toolbar.widgetForAction(shown[i])->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(test.action(kAddIdentity).toolTip(), QString("Add an Identity to the scene"));
    QVERIFY(!test.action(kIdentityLabel).isEnabled());
    QVERIFY(!test.action(kCameraLabel).isEnabled());
    QVERIFY(test.action(kGraphicsLabel).isEnabled());
    QVERIFY(toolbar.isMovable());
    QCOMPARE(toolbar.allowedAreas(), Qt::AllToolBarAreas);
  }

  void eachToolbarToggleFlipsItsSettingAndItsCheckedState() {
    TestWindow test;
    QVERIFY(test.start());
    Settings& settings = test.state().settings;
    for (const auto& [id, flag] : kFlagCommands) {
      const std::int32_t before = settings.*flag;
      QCOMPARE(test.action(id).isChecked(), before != 0);
      test.clickCommand(id);
      QCOMPARE(settings.*flag, before == 0 ? 1 : 0);
      QCOMPARE(test.action(id).isChecked(), before == 0);
      QVERIFY(test.waitFrames(1));
      test.clickCommand(id);
      QCOMPARE(settings.*flag, before);
      QCOMPARE(test.action(id).isChecked(), before != 0);
    }
  }

  void wireWhileFlatGoesStraightToWireAndFlatTwiceReturnsToSolid() {
    TestWindow test;
    QVERIFY(test.start());
    QAction& flat = test.action(kToggleFlat);
    QAction& wire = test.action(kToggleWireFrame);
    QCOMPARE(flat.text(), QString("&Flat"));
    QCOMPARE(wire.text(), QString("&Wire"));
    flat.trigger();
    QCOMPARE(test.state().settings.shading, 'f');
    QVERIFY(flat.isChecked());
    test.clickCommand(kToggleWireFrame);
    QCOMPARE(test.state().settings.shading, 'w');
    QVERIFY(wire.isChecked());
    QVERIFY(!flat.isChecked());
    flat.trigger();
    flat.trigger();
    QCOMPARE(test.state().settings.shading, 's');
    QVERIFY(!flat.isChecked());
    QVERIFY(!wire.isChecked());
  }

  void nextAndPreviousControlledSkipShots() {
    TestWindow test;
    QVERIFY(test.start());
    ModelState& model = test.state().model;
    Identity& first = player(test.state());
    QCOMPARE(model.controlled, &first);
    Identity& shot = insertIdentityAfter(first, newIdentity());
    shot.name = "AMMO";
    Identity& fleet = *shot.next;
    QCOMPARE(QString::fromStdString(fleet.name), QString("Lattice Runner"));
    Pose* camera = model.activeCamera;

    test.clickCommand(kNextIdentity);
    QVERIFY(test.waitFrames(1));  // applied with the next step
    QCOMPARE(model.controlled, &fleet);
    test.clickCommand(kPreviousIdentity);
    QVERIFY(test.waitFrames(1));
    QCOMPARE(model.controlled, &first);
    test.clickCommand(kPreviousIdentity);
    QVERIFY(test.waitFrames(1));
    QCOMPARE(model.controlled, lastIdentity(model.scene.get()));
    test.clickCommand(kNextIdentity);
    QVERIFY(test.waitFrames(1));
    QCOMPARE(model.controlled, &first);
    QCOMPARE(model.activeCamera, camera);
  }

  void nextCameraCyclesTheCamerasThenTheFreeCamera() {
    TestWindow test;
    QVERIFY(test.start());
    ModelState& model = test.state().model;
    const SceneNode& cockpit = *player(test.state()).nodes;
    const SceneNode& chase = *cockpit.next;
    QCOMPARE(model.activeCamera, cockpit.pose.get());
    test.clickCommand(kNextCamera);
    QCOMPARE(model.activeCamera, chase.pose.get());
    test.clickCommand(kNextCamera);
    QCOMPARE(model.activeCamera, &model.freeCamera);
    test.clickCommand(kNextCamera);
    QCOMPARE(model.activeCamera, cockpit.pose.get());
  }

  void helpShowsTheAboutDialogWithTheControls() {
    TestWindow test;
    QVERIFY(test.start());
    QAction* about = nullptr;
    for (QAction* menu : test.window().menuBar()->actions()) {
      if (menu->text() != "&Help") continue;
      about = menu->menu()->actions().front();
    }
    QVERIFY(about);
    QString helpText;
    QTimer::singleShot(0, [&helpText] {
      auto* dialog = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      helpText = dialog->findChild<QLabel*>("helpText")->text();
      dialog->accept();
    });
    about->trigger();
    QCOMPARE(helpText, QString::fromLatin1(kHelpText));
    QVERIFY(helpText.startsWith("Cursor Arrows or Joystick: SpaceCraft Orientaion\nDelete/PGDN"));
  }

  void theMenusHoldTheirCommands() {
    TestWindow test;
    QStringList titles;
    for (QAction* menu : test.window().menuBar()->actions()) titles << menu->text();
    QCOMPARE(titles, (QStringList{"&Don't Click Here", "&Neither Here", "&Shading", "&View",
                                  "&Game", "&Help"}));
    const QList<QAction*> shading = test.window().menuBar()->actions()[2]->menu()->actions();
    QCOMPARE(shading, (QList<QAction*>{&test.action(kToggleWireFrame), &test.action(kToggleFlat)}));
    QCOMPARE(test.window().menuBar()->actions()[3]->menu()->actions().front()->text(),
             QString("&Toolbar"));
  }

  void theViewKeepsTheKeyboardWhenButtonsArePressed() {
    TestWindow test;
    QVERIFY(test.start());
    QVERIFY(QTest::qWaitForWindowActive(&test.window()));
    test.clickCommand(kToggleTextures);
    QCOMPARE(QApplication::focusWidget(), &test.view());
  }
};

}  // namespace vev::test

QTEST_MAIN(vev::test::CommandsTest)
#include "commands_test.moc"

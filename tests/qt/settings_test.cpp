#include <QSettings>
#include <QTest>

#include "app/commands.h"
#include "tests/qt/test_window.h"

namespace vev::test {

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void firstRunStartsWithTheDefaults() {
    TestWindow test;
    QVERIFY(test.start());
    const Settings& settings = test.state().settings;
    QCOMPARE(settings.shading, 's');
    QCOMPARE(settings.textures, 1);
    QCOMPARE(settings.idHelp, 0);
    QCOMPARE(settings.soundEnabled, 1);
    QCOMPARE(settings.joystickEnabled, 1);
    QCOMPARE(settings.clampTextures, 1);
    QCOMPARE(settings.panel, 1);
    QCOMPARE(settings.simpleShapes, 0);
    QVERIFY(test.action(kToggleTextures).isChecked());
    QVERIFY(test.action(kToggleSound).isChecked());
    QVERIFY(!test.action(kToggleWireFrame).isChecked());
    QVERIFY(!test.action(kToggleIdHelp).isChecked());
  }

  void authorAndVersionAreWrittenAtStart() {
    TestWindow test;
    const QSettings stored(test.settingsFile(), QSettings::IniFormat);
    QCOMPARE(stored.value("author").toString(), QString("Arno Veld"));
    QCOMPARE(stored.value(QString::fromUtf8("vers\u00e3o")).toInt(), 322);
    QVERIFY2(!stored.contains("shading"), "the settings are written only at the end");
  }

  void settingsAreWrittenWhenTheProgramEnds() {
    TestWindow test;
    QVERIFY(test.start());
    for (const int id : {int{kToggleWireFrame}, int{kToggleTextures}, int{kToggleIdHelp},
                         int{kToggleSimpleShapes}, int{kToggleCollisionDebug}}) {
      test.clickCommand(id);
    }
    test.stop();
    const QSettings stored(test.settingsFile(), QSettings::IniFormat);
    QCOMPARE(stored.value("shading").toInt(), int{'w'});
    QCOMPARE(stored.value("tex").toInt(), 0);
    QCOMPARE(stored.value("IDHelp").toInt(), 1);
    QCOMPARE(stored.value("sound").toInt(), 1);
    QCOMPARE(stored.value("joyflag").toInt(), 1);
    QCOMPARE(stored.value("clamptex").toInt(), 1);
    QCOMPARE(stored.value("panel").toInt(), 1);
    QCOMPARE(stored.value("simpleshapes").toInt(), 1);
    QVERIFY(!stored.contains("collisionDebug"));
  }

  void storedSettingsAreReadAtStart() {
    TestWindow test([](const QString& file) {
      QSettings stored(file, QSettings::IniFormat);
      stored.setValue("shading", int{'f'});
      stored.setValue("panel", 0);
      stored.setValue("sound", "not a number");
    });
    QVERIFY(test.start());
    QCOMPARE(test.state().settings.shading, 'f');
    QCOMPARE(test.state().settings.panel, 0);
    QCOMPARE(test.state().settings.soundEnabled, 1);
    QVERIFY(test.action(kToggleFlat).isChecked());
    QVERIFY(!test.action(kTogglePanel).isChecked());
  }

  void anUnreadableStoreGivesTheDefaults() {
    TestWindow test([](const QString& name) {
      QFile file(name);
      file.open(QIODevice::WriteOnly);
      file.write("[General\nshading=119\n\xff\xfe\x01=");
    });
    QVERIFY(test.start());
    QCOMPARE(test.state().settings.shading, 's');
  }
};

}  // namespace vev::test

QTEST_MAIN(vev::test::SettingsTest)
#include "settings_test.moc"

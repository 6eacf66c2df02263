#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/commands.h"
#include "tests/qt/test_window.h"

namespace vev::test {
namespace {

constexpr const char* kVisitor = R"(10 qt test visitor
a craft added from the toolbar
name=Visitor
pos=0 0 10
*QUAD
name=plate
verts=-1 -1 0 1 -1 0 1 1 0 -1 1 0
*END
)";

int countIdentities(const ModelState& model) {
  int count = 0;
  for (const Identity* it = model.scene.get(); it; it = it->next.get()) ++count;
  return count;
}

// Answers the scene file dialog as soon as it is up; `answer` gets the dialog.
void whenTheDialogOpens(std::function<void(QFileDialog&)> answer) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer)] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll->stop();
    poll->deleteLater();
    answer(*dialog);
  });
  poll->start(20);
}

}  // namespace

class AddFileTest : public QObject {
  Q_OBJECT

 private slots:
  void theChosenFileAddsItsIdentity() {
    TestWindow test;
    QVERIFY(test.start());
    const QString path = test.folder().writeFile("visitor.zsf", kVisitor);
    const int before = countIdentities(test.state().model);
    QString title;
    QStringList filters;
    whenTheDialogOpens([&](QFileDialog& dialog) {
      title = dialog.windowTitle();
      filters = dialog.nameFilters();
      dialog.selectFile(path);
      static_cast<QDialog&>(dialog).accept();
    });
    test.clickCommand(kAddIdentity);
    QCOMPARE(title, QString("Select Input File"));
    QCOMPARE(filters, QStringList{"KR Universal File (*.zsf)"});
    QCOMPARE(countIdentities(test.state().model), before + 1);
    const Identity& added = *lastIdentity(test.state().model.scene.get());
    QCOMPARE(QString::fromStdString(added.name), QString("Visitor"));
    QCOMPARE(test.state().model.frameReady, 1);
    QVERIFY(test.waitFrames(2));
    QCOMPARE(added.pose.position[2], 10.0f);
  }

  void aCancelledDialogChangesNothing() {
    TestWindow test;
    QVERIFY(test.start());
    const int before = countIdentities(test.state().model);
    bool asked = false;
    whenTheDialogOpens([&](QFileDialog& dialog) {
      asked = true;
      dialog.reject();
    });
    test.clickCommand(kAddIdentity);
    QVERIFY(asked);
    QCOMPARE(countIdentities(test.state().model), before);
    QVERIFY(test.waitFrames(1));
  }
};

}  // namespace vev::test

QTEST_MAIN(vev::test::AddFileTest)
#include "add_file_test.moc"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

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

// Answers the scene file dialog once it is up; `answer` gets the dialog. A modal window still up
// two seconds after the answer is closed and named in `leftOver`, so that a dialog the answer did
// not close fails the test instead of hanging it. Polling ends once the dialog has closed.
void whenTheDialogOpens(std::function<void(QFileDialog&)> answer, QString& leftOver) {
  auto* poll = new QTimer(qApp);
  auto answered = std::make_shared<QElapsedTimer>();
  QObject::connect(poll, &QTimer::timeout, [poll, answered, &leftOver, answer = std::move(answer)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (answered->isValid()) {
      if (!modal) {
        poll->stop();
        poll->deleteLater();
      } else if (answered->elapsed() > 2000) {
        leftOver = modal->metaObject()->className();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) leftOver += ": " + box->text();
        modal->close();
      }
      return;
    }
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog || !dialog->isVisible()) return;
    answered->start();
    answer(*dialog);
  });
  poll->start(20);
}

// Types the path into the dialog's file name box and opens it, as a user would.
void openPath(QFileDialog& dialog, const QString& path) {
  dialog.findChild<QLineEdit*>("fileNameEdit")->setText(path);
  static_cast<QDialog&>(dialog).accept();
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
    QString leftOver;
    whenTheDialogOpens(
        [&](QFileDialog& dialog) {
          title = dialog.windowTitle();
          filters = dialog.nameFilters();
          openPath(dialog, path);
        },
        leftOver);
    test.clickCommand(kAddIdentity);
    QCOMPARE(leftOver, QString());
    QCOMPARE(title, QString("Select Input File"));
    QCOMPARE(filters, QStringList{"KR Universal File (*.zsf)"});
    QVERIFY(test.waitFrames(1));  // the file is added with the next step
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
    QString leftOver;
    whenTheDialogOpens(
        [&](QFileDialog& dialog) {
          asked = true;
          dialog.reject();
        },
        leftOver);
    test.clickCommand(kAddIdentity);
    QVERIFY(asked);
    QCOMPARE(leftOver, QString());
    QCOMPARE(countIdentities(test.state().model), before);
    QVERIFY(test.waitFrames(1));
  }
};

}  // namespace vev::test

QTEST_MAIN(vev::test::AddFileTest)
#include "add_file_test.moc"

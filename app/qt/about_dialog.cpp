#include "app/qt/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/version.h"

namespace vev {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("aboutDialog");
  setWindowTitle(tr("About VEV"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(tr("<b>VEV</b>"), this);
  layout->addWidget(title);
  layout->addWidget(new QLabel(tr("Space-combat flight demonstration"), this));
  layout->addWidget(new QLabel(tr("Version %1").arg(kProgramVersion), this));
  layout->addSpacing(12);
  layout->addWidget(new QLabel(tr("Control:"), this));
  auto* help = new QLabel(QString::fromLatin1(kHelpText), this);
  help->setObjectName("helpText");
  help->setTextFormat(Qt::PlainText);
  layout->addWidget(help);
  auto* moreKeys = new QLabel(QString::fromLatin1(kMoreKeysText), this);
  moreKeys->setObjectName("moreKeysText");
  moreKeys->setTextFormat(Qt::PlainText);
  layout->addWidget(moreKeys);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vev

#include "app/qt/net_game_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSettings>

namespace vev {
namespace {

constexpr const char* kPortKey = "network/port";
constexpr const char* kAddressKey = "network/address";
constexpr const char* kPlayerKey = "network/player";
constexpr const char* kGameKeyKey = "network/gamekey";

}  // namespace

NetGameDialog::NetGameDialog(bool host, const QString& settingsFile, QWidget* parent)
    : QDialog(parent), host_(host), settingsFile_(settingsFile) {
  setWindowTitle(host ? tr("Host a game") : tr("Join a game"));
  const QSettings stored(settingsFile_, QSettings::IniFormat);
  auto* form = new QFormLayout(this);
  port_ = new QSpinBox(this);
  port_->setRange(1, 65535);
  port_->setValue(stored.value(kPortKey, kDefaultGamePort).toInt());
  if (!host) {
    address_ = new QLineEdit(stored.value(kAddressKey, "127.0.0.1").toString(), this);
    form->addRow(tr("Host's address"), address_);
  }
  form->addRow(tr("Port"), port_);
  player_ = new QLineEdit(stored.value(kPlayerKey, host ? "Host" : "Guest").toString(), this);
  form->addRow(tr("Your name"), player_);
  gameKey_ = new QLineEdit(stored.value(kGameKeyKey).toString(), this);
  form->addRow(tr("Game key"), gameKey_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

NetOptions NetGameDialog::options() const {
  QSettings stored(settingsFile_, QSettings::IniFormat);
  stored.setValue(kPortKey, port_->value());
  stored.setValue(kPlayerKey, player_->text());
  stored.setValue(kGameKeyKey, gameKey_->text());
  NetOptions options;
  options.host = host_;
  options.port = static_cast<std::uint16_t>(port_->value());
  if (address_) {
    stored.setValue(kAddressKey, address_->text());
    options.joinAddress = address_->text().trimmed().toStdString();
  }
  options.player = player_->text().trimmed().toStdString();
  if (options.player.empty()) options.player = host_ ? "Host" : "Guest";
  options.gameKey = gameKey_->text().toStdString();
  return options;
}

}  // namespace vev

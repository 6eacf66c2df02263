#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>

#include "app/net_options.h"

namespace vev {

// "Host a game…" and "Join a game…": the port, the host's address (joining only), the player's
// name and the "Game key". What was entered last is offered again, kept in `settingsFile`.
class NetGameDialog final : public QDialog {
  Q_OBJECT

 public:
  NetGameDialog(bool host, const QString& settingsFile, QWidget* parent = nullptr);

  // The game the player asked for; kept in the settings file.
  NetOptions options() const;

 private:
  bool host_;
  QString settingsFile_;
  QSpinBox* port_;
  QLineEdit* address_ = nullptr;
  QLineEdit* player_;
  QLineEdit* gameKey_;
};

}  // namespace vev

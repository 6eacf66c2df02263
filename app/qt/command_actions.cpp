#include "app/qt/command_actions.h"

#include <QIcon>
#include <QString>

#include "app/commands.h"

namespace vev {
namespace {

// The icon of each toolbar command, in the resources under :/icons.
const char* iconName(int id) {
  switch (id) {
    case kAddIdentity:
      return "add-identity";
    case kFlyCraft:
      return "fly-craft";
    case kToggleIdHelp:
      return "identity-help";
    case kNextIdentity:
      return "next-identity";
    case kPreviousIdentity:
      return "previous-identity";
    case kIdentityLabel:
      return "identities-label";
    case kCameraLabel:
      return "camera-label";
    case kGraphicsLabel:
      return "graphics-label";
    case kNextCamera:
      return "next-camera";
    case kToggleWireFrame:
      return "wireframe";
    case kToggleTextures:
      return "textures";
    case kToggleSound:
      return "sound";
    case kToggleJoystick:
      return "joystick";
    case kToggleClampTextures:
      return "clamp-textures";
    case kToggleCollisionDebug:
      return "collision-debug";
    case kTogglePanel:
      return "panel";
    case kToggleSimpleShapes:
      return "simple-shapes";
    case kRestart:
      return "restart";
    default:
      return nullptr;
  }
}

// The menu's words for the two shading commands; every other command shows its description.
QString actionText(const Command& command) {
  if (command.id == kToggleWireFrame) return QObject::tr("&Wire");
  if (command.id == kToggleFlat) return QObject::tr("&Flat");
  if (command.id == kToggleAttack) return QObject::tr("Opponents &attack");
  if (command.id == kRestart) return QObject::tr("&Restart demonstration");
  if (command.id == kTogglePause) return QObject::tr("&Pause");
  if (command.id == kToggleFullScreen) return QObject::tr("&Full Screen");
  if (command.id == kToggleWatch) return QObject::tr("&Reload changed files");
  if (command.id == kFlyCraft) return QObject::tr("F&ly a craft…");
  return QString::fromUtf8(command.description().data(),
                           static_cast<qsizetype>(command.description().size()));
}

}  // namespace

CommandActions::CommandActions(QObject* parent) : QObject(parent) {
  for (const Command& command : commands()) {
    auto* action = new QAction(actionText(command), this);
    const QString description = QString::fromUtf8(
        command.description().data(), static_cast<qsizetype>(command.description().size()));
    action->setToolTip(description);
    action->setStatusTip(description);
    action->setObjectName(QString::number(command.id));
    if (const char* icon = iconName(command.id)) {
      action->setIcon(QIcon(QStringLiteral(":/icons/%1.png").arg(QLatin1String(icon))));
    }
    action->setCheckable(command.kind == CommandKind::Toggle);
    action->setEnabled(command.kind != CommandKind::DisabledLabel);
    const int id = command.id;
    connect(action, &QAction::triggered, this, [this, id] { emit commandTriggered(id); });
    actions_[id] = action;
  }
}

QAction* CommandActions::action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void CommandActions::fillToolbar(QToolBar& toolbar) const {
  for (const int id : toolbarLayout()) {
    if (id == kToolbarSeparator) {
      toolbar.addSeparator();
      continue;
    }
    QAction* command = action(id);
    toolbar.addAction(command);
    toolbar.widgetForAction(command)->setFocusPolicy(Qt::NoFocus);
  }
}

void CommandActions::refresh(const Settings& settings) {
  for (const auto& [id, action] : actions_) {
    if (const std::optional<bool> checked = commandChecked(id, settings)) {
      action->setChecked(*checked);
    }
  }
}

}  // namespace vev

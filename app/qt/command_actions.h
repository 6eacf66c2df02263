#pragma once

#include <QAction>
#include <QObject>
#include <QToolBar>
#include <map>

#include "app/settings.h"

namespace vev {

// One action per command, with the command's text as tool tip and status tip, its icon, and for
// the toggles a checked state kept in step with the settings. Owned by `parent`.
class CommandActions final : public QObject {
  Q_OBJECT

 public:
  explicit CommandActions(QObject* parent);

  // The action of a command, or null for an unknown identifier.
  QAction* action(int id) const;
  // Fills the toolbar in the toolbar's order, with its separators; its buttons take no focus.
  void fillToolbar(QToolBar& toolbar) const;
  // Shows each toggle on while its setting holds.
  void refresh(const Settings& settings);

 signals:
  void commandTriggered(int id);

 private:
  std::map<int, QAction*> actions_;
};

}  // namespace vev

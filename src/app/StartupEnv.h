#pragma once
// What the start-up takes from its surroundings: where the program was started from, its
// command line, the lock that keeps it to one running copy, and how a modal window runs.

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

namespace qv {

struct StartupEnv {
  QString startFolder;        // the executable's folder
  QStringList arguments;      // the command line after the program's own name
  QString instanceLockPath;   // the single-instance lock file
  // Runs a modal window to its end; tests drive the window here instead.
  std::function<int(QDialog&)> execDialog = [](QDialog& dialog) { return dialog.exec(); };
  // Runs the tie-sheet layout window that the team commands show before printing.
  std::function<int(QDialog&)> execTeamLayout = [](QDialog& dialog) { return dialog.exec(); };

  // The running program's own: its folder, its arguments and the machine-wide lock.
  static StartupEnv ofApplication();
};

}  // namespace qv

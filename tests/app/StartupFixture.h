#pragma once
// A program folder copied from the sample, a lock of the test's own, and the main window
// started on it with the selection window driven by the test.

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "app/FrmInsatsuSeigyo.h"
#include "app/FrmTaikai.h"
#include "app/StartupEnv.h"
#include "support/TestProgram.h"

namespace qv::test {

// Copies samples/program into folder; false when a copy failed.
bool CopySampleProgram(const QString& folder);

class StartupFixture {
 public:
  StartupFixture();

  QString programFolder() const { return tp.folder(); }
  QString dataFolder() const { return tp.folder() + QStringLiteral("data/"); }
  QString sampleTai() const;

  // Builds the main window and runs its load; the selection window does what selectWith
  // says (キャンセル when empty).
  FrmInsatsuSeigyo& start();

  TestProgram tp;
  QTemporaryDir lockDir;
  StartupEnv env;
  std::function<void(FrmTaikai&)> selectWith;
  int selectionShown = 0;
  std::unique_ptr<FrmInsatsuSeigyo> window;
};

}  // namespace qv::test

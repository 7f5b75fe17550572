#include "app/StartupEnv.h"

#include <QCoreApplication>

#include "platform/widgets/SingleInstance.h"

namespace qv {

StartupEnv StartupEnv::ofApplication() {
  StartupEnv env;
  env.startFolder = QCoreApplication::applicationDirPath();
  env.arguments = QCoreApplication::arguments().mid(1);
  env.instanceLockPath = platform::SingleInstanceLock::defaultPath();
  return env;
}

}  // namespace qv

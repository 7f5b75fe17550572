// The printing program of the Quorvane suite.

#include <QApplication>

#include "app/RunProgram.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return qv::RunProgram(qv::StartupEnv::ofApplication());
}

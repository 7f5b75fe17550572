#pragma once
// A print device on a recording surface at 100 pixels per millimetre, opened on a job
// with the program folder of a fresh test program.

#include <gtest/gtest.h>

#include "platform/Numbers.h"
#include "print/PrintDevice.h"
#include "print/RecordingSurface.h"
#include "support/TestProgram.h"

namespace qv::test {

class PrintDeviceFixture : public ::testing::Test {
 protected:
  static constexpr double kPxPerMm = 100;

  void SetUp() override { device.OpenPrint(surface, QStringLiteral("ＭＳ 明朝"), t.folder()); }

  static int px(double mm) { return platform::roundHalfEven(mm * kPxPerMm); }
  static double mm(int pixels) { return pixels / kPxPerMm; }

  TestProgram t;
  RecordingSurface surface{kPxPerMm};
  PrintDevice& device = t.program.device;
};

}  // namespace qv::test

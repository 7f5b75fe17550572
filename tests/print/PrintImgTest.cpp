// The print-image recorder, switched on: a job goes to PrintImg.PAG and PrintImg.IDX.

#include <gmock/gmock.h>

#include "platform/TextFile.h"
#include "print/PrintDeviceFixture.h"

namespace qv::test {
namespace {

using ::testing::ElementsAre;

TEST(PrintImg, RecordsTheJobInsteadOfPrintingIt) {
  TestProgram t;
  RecordingSurface surface;
  PrintDevice& device = t.program.device;
  device.PrintImgOn = true;
  device.PrintImgFolder = t.folder();
  device.OpenPrint(surface, QStringLiteral("ＭＳ 明朝"), t.folder());
  device.SetColor(255, 0, 0);
  device.PrintStr(10, 20, 5, 5, 5, 0, QStringLiteral("大会"));
  device.OutputLine(1, 2, 3, 4.5);
  device.NewPage();
  device.OutputRect(1, 2, 3, 4, true);
  device.ClosePrint();

  EXPECT_TRUE(surface.calls.empty());
  const auto pag = platform::readTextLines(t.folder() + "PrintImg.PAG");
  ASSERT_TRUE(pag);
  EXPECT_THAT(*pag, ElementsAre("#SCO,255,0,0", "#OSY,10,20,5,5,5,\"大会\"", "#OLI,1,2,3,4.5",
                                "#OPA", "SOR,", "#SOF,0,0", "#SFA,1,1", "#SFO,ＭＳ 明朝",
                                "#SCO,255,0,0", "#SFI,0,1", "#SWI,0.1", "#SDE,False",
                                "#ORE,1,2,3,4,True", "#CLO"));
  // Page 2 begins after "#OPA": the byte position of "SOR" in the CP932 file.
  const QByteArray pagBytes = [&] {
    QFile f(t.folder() + "PrintImg.PAG");
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }();
  const auto idx = platform::readTextLines(t.folder() + "PrintImg.IDX");
  ASSERT_TRUE(idx);
  ASSERT_EQ(idx->size(), 2);
  EXPECT_EQ(idx->at(0), "1");
  EXPECT_EQ(idx->at(1).toLongLong(), pagBytes.indexOf("SOR,") + 1);
}

}  // namespace
}  // namespace qv::test

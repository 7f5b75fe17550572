// External characters: the definition file and the pieces drawn in a character's cell.

#include <gmock/gmock.h>

#include "print/PrintDeviceFixture.h"

namespace qv::test {
namespace {

using Kind = SurfaceCall::Kind;
using PrintDeviceGaiji = PrintDeviceFixture;

TEST_F(PrintDeviceGaiji, ReadsDefinitionsAndSkipsLinesMissingPieces) {
  t.writeFile(QStringLiteral("外字定義.txt"),
              {QStringLiteral("X,2,0,0,50,100,A,50,0,50,100,B"),
               QStringLiteral(""),
               QStringLiteral("Q,2,0,0,50,100,A"),             // second piece missing
               QStringLiteral("R"),                            // no piece count
               QStringLiteral("髙,1,10.5,-20,150,99.5,高,extra"),  // fields after the last piece
               QStringLiteral("Z,-1")});
  device.ReadGaijiFile(t.folder() + "外字定義.txt");
  ASSERT_EQ(device.GaijiCount(), 2);
  EXPECT_EQ(device.Gaiji[0].Char, QStringLiteral("X"));
  ASSERT_EQ(device.Gaiji[0].Parts.size(), 2u);
  EXPECT_EQ(device.Gaiji[0].Parts[1].OffsetX, 50);
  EXPECT_EQ(device.Gaiji[0].Parts[1].Text, QStringLiteral("B"));
  const GaijiPart& p = device.Gaiji[1].Parts.at(0);
  EXPECT_EQ(p.OffsetX, 10);  // halves round to even
  EXPECT_EQ(p.OffsetY, -20);
  EXPECT_EQ(p.Width, 150);
  EXPECT_EQ(p.Height, 100);
  EXPECT_EQ(p.Text, QStringLiteral("高"));

  device.ReadGaijiFile(t.folder() + "none.txt");
  EXPECT_EQ(device.GaijiCount(), 0);
}

TEST_F(PrintDeviceGaiji, PiecesFillTheCellAndTheFirstDefinitionWins) {
  t.writeFile(QStringLiteral("外字定義.txt"),
              {QStringLiteral("XY,1,0,0,100,100,W"),  // more than one character: never matches
               QStringLiteral("X,2,0,0,50,100,A,50,0,50,100,B"),
               QStringLiteral("X,1,0,0,100,100,Z")});
  device.PrintStr(10, 20, 5, 6, 6, 0, QStringLiteral("aXb"));

  const auto drawn = surface.drawnTexts();
  ASSERT_EQ(drawn.size(), 4u);
  // "a", then X's two pieces in its cell at 13 mm, each as tall as the cell and half as wide.
  EXPECT_EQ(drawn[0].text, QStringLiteral("a"));
  EXPECT_EQ(drawn[1].text, QStringLiteral("A"));
  EXPECT_EQ(drawn[1].at, QPoint(px(13), px(20)));
  EXPECT_EQ(drawn[1].font.heightPx, px(5));
  EXPECT_EQ(drawn[1].font.halfWidthPx, px(3) / 2);
  EXPECT_EQ(drawn[2].text, QStringLiteral("B"));
  EXPECT_EQ(drawn[2].at, QPoint(px(16), px(20)));
  // X is half width: "b" follows half a pitch later, in the text's own font again.
  EXPECT_EQ(drawn[3].text, QStringLiteral("b"));
  EXPECT_EQ(drawn[3].at, QPoint(px(16), px(20)));
  EXPECT_EQ(drawn[3].font, drawn[0].font);
  EXPECT_EQ(surface.count(Kind::TextOut), 2);  // each piece is one string
}

TEST_F(PrintDeviceGaiji, MissingFileGivesAnEmptyTable) {
  device.PrintStr(10, 20, 5, 5, 5, 0, QStringLiteral("X"));
  EXPECT_EQ(device.GaijiCount(), 0);
  EXPECT_EQ(surface.drawnTexts().at(0).text, QStringLiteral("X"));
}

TEST_F(PrintDeviceGaiji, TableIsReloadedAtEachJob) {
  const QString path = t.writeFile(QStringLiteral("外字定義.txt"), {QStringLiteral("X,1,0,0,100,100,Y")});
  device.OutputLine(0, 0, 1, 1);
  EXPECT_EQ(device.GaijiCount(), 1);
  device.ClosePrint();
  QFile::remove(path);
  device.OpenPrint(QStringLiteral("ＭＳ 明朝"), t.folder());
  EXPECT_EQ(device.GaijiCount(), 1);  // kept until the next job starts
  device.OutputLine(0, 0, 1, 1);
  EXPECT_EQ(device.GaijiCount(), 0);
}

TEST_F(PrintDeviceGaiji, DefinitionsWithAbsurdNumbersAreNotReadAndPrintAsThemselves) {
  t.writeFile(QStringLiteral("外字定義.txt"),
              {QStringLiteral("@,1,,,,-2147483648,"),
               QStringLiteral("#,1,0,0,1e300,100,A"),
               QStringLiteral("%,2,0,0,50,100,A,-1001,0,50,100,B"),
               QStringLiteral("X,1,-1000,1000,1000,-1000,Z")});  // at the limits: read
  device.PrintStr(10, 20, 5, 5, 5, 0, QStringLiteral("@#%"));
  ASSERT_EQ(device.GaijiCount(), 1);
  EXPECT_EQ(device.Gaiji[0].Char, QStringLiteral("X"));
  const auto drawn = surface.drawnTexts();
  ASSERT_EQ(drawn.size(), 3u);
  for (size_t k = 0; k < drawn.size(); ++k) {
    EXPECT_EQ(drawn[k].text, QStringLiteral("@#%").mid(static_cast<qsizetype>(k), 1));
    EXPECT_EQ(drawn[k].font.heightPx, px(5));
  }
}

}  // namespace
}  // namespace qv::test

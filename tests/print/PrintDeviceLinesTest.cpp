// Lines, boxes and pictures.

#include <gmock/gmock.h>

#include <QImage>

#include "print/PrintDeviceFixture.h"

namespace qv::test {
namespace {

using Kind = SurfaceCall::Kind;
using PrintDeviceLines = PrintDeviceFixture;

TEST_F(PrintDeviceLines, OpenBoxIsFourEdgesLeftBottomRightTop) {
  device.SetColor(0, 0, 128);
  device.OutputRect(10, 20, 30, 50, false);
  const auto lines = surface.callsOf(Kind::Line);
  ASSERT_EQ(lines.size(), 4u);
  const std::pair<QPointF, QPointF> expected[] = {{{10, 20}, {10, 50}},
                                                  {{10, 50}, {30, 50}},
                                                  {{30, 50}, {30, 20}},
                                                  {{30, 20}, {10, 20}}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(lines[i].from, expected[i].first) << i;
    EXPECT_EQ(lines[i].to, expected[i].second) << i;
    EXPECT_EQ(lines[i].color, Rgb(0, 0, 128));
  }
  EXPECT_EQ(surface.count(Kind::Box), 0);
}

TEST_F(PrintDeviceLines, FilledBoxIsOneBoxWithTheFill) {
  device.OutputRect(10, 20, 30, 50, true);
  device.SetFill(Rgb(200, 200, 200), FillSolid);
  device.OutputRect(1, 2, 3, 4, true);
  const auto boxes = surface.callsOf(Kind::Box);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].from, QPointF(10, 20));
  EXPECT_EQ(boxes[0].to, QPointF(30, 50));
  EXPECT_EQ(boxes[0].fillStyle, FillTransparent);  // a job starts with no fill
  EXPECT_EQ(boxes[0].color, Rgb(0, 0, 0));
  EXPECT_EQ(boxes[1].fillStyle, FillSolid);
  EXPECT_EQ(boxes[1].fillColor, Rgb(200, 200, 200));
  EXPECT_EQ(surface.count(Kind::Line), 0);
}

class PrintDevicePicture : public PrintDeviceFixture {
 protected:
  QString picture(const QString& name, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QString path = t.folder() + name;
    image.save(path);
    return path;
  }
};

TEST_F(PrintDevicePicture, FitsKeepingItsAspectRatio) {
  const QString wide = picture(QStringLiteral("wide.png"), 200, 100);
  const QString tall = picture(QStringLiteral("tall.png"), 100, 200);
  struct Case {
    const char* label;
    QString file;
    double x, y, w, h;
    bool stretch;
    QRectF drawn;
  } const cases[] = {
      {"wide in a square box: centred down", wide, 10, 10, 50, 50, false, {10, 22.5, 50, 25}},
      {"tall in a square box: centred across", tall, 10, 10, 50, 50, false, {22.5, 10, 25, 50}},
      {"no width: from the height", wide, 5, 6, 0, 20, false, {5, 6, 40, 20}},
      {"no height: from the width", tall, 5, 6, 20, 0, false, {5, 6, 20, 40}},
      {"stretched fills the box", wide, 10, 10, 50, 50, true, {10, 10, 50, 50}},
  };
  for (const Case& c : cases) {
    surface.calls.clear();
    device.ImageStretch = c.stretch;
    device.OutputImage(c.x, c.y, c.w, c.h, c.file, -1);
    const auto pics = surface.callsOf(Kind::Picture);
    ASSERT_EQ(pics.size(), 1u) << c.label;
    EXPECT_EQ(QRectF(pics[0].from, QSizeF(pics[0].to.x(), pics[0].to.y())), c.drawn) << c.label;
    EXPECT_EQ(pics[0].file, c.file);
  }
}

TEST_F(PrintDevicePicture, MissingOrUnreadablePicturePrintsNothingAndTheJobGoesOn) {
  device.OutputImage(10, 10, 50, 50, t.folder() + "missing.png", -1);
  EXPECT_TRUE(surface.calls.empty());  // not even the document is started
  EXPECT_FALSE(device.DocStarted);

  const QString broken = t.writeFile(QStringLiteral("broken.png"), {QStringLiteral("not a picture")});
  device.OutputImage(10, 10, 50, 50, broken, -1);
  device.OutputLine(0, 0, 10, 10);
  EXPECT_EQ(surface.count(Kind::Picture), 0);
  EXPECT_EQ(surface.count(Kind::Line), 1);
}

TEST_F(PrintDeviceLines, LinesKeepColourAndWidthOnLaterPages) {
  device.SetColor(255, 0, 0);
  device.SetDrawWidth(0.3);
  device.NewPage();
  device.OutputLine(0, 0, 10, 0);
  EXPECT_EQ(surface.callsOf(Kind::Line).at(0).color, Rgb(255, 0, 0));
  ASSERT_EQ(surface.count(Kind::LineWidth), 1);
  EXPECT_EQ(surface.callsOf(Kind::LineWidth)[0].width, 30);
}

}  // namespace
}  // namespace qv::test

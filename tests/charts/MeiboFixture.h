#pragma once
// A small tournament built in code for the roster tests, a print device on a recording
// surface at 100 pixels per millimetre, and the roster files read back.

#include <gtest/gtest.h>

#include <QFile>

#include <initializer_list>

#include "charts/SankashaMeibo.h"
#include "platform/Cp932.h"
#include "print/RecordingSurface.h"
#include "program/ChartFiles.h"
#include "support/TestProgram.h"

namespace qv::test {

class MeiboFixture : public ::testing::Test {
 protected:
  static constexpr double kPxPerMm = 100;

  void SetUp() override {
    t.program.taikai.DataFolder = t.folder();
    t.program.device.OpenPrint(surface, QStringLiteral("ＭＳ 明朝"), t.folder());
  }

  static SankashaRec entry(const QString& text) {
    SankashaRec s;
    s.Name = text;
    return s;
  }

  // Appends an event with these entry texts.
  ShumokuRec& addEvent(const QString& abbreviation, const QString& seibetsu,
                       const QString& shubetsu, std::initializer_list<QString> entries) {
    TaikaiRec& taikai = t.program.taikai.Taikai;
    ShumokuRec& e = taikai.Shumoku.emplace_back();
    e.Name = abbreviation;
    e.Ryakugou = abbreviation;
    e.Seibetsu = seibetsu;
    e.Shubetsu = shubetsu;
    for (const QString& text : entries) e.Sankasha.push_back(entry(text));
    e.SankashaCount = static_cast<int>(e.Sankasha.size());
    taikai.ShumokuCount = static_cast<int>(taikai.Shumoku.size());
    return e;
  }

  // The file's bytes: CP932 with CR LF after every line.
  QByteArray fileBytes(const QString& name) const {
    QFile f(t.folder() + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // The file's lines, checked for CR LF line ends.
  QStringList fileLines(const QString& name) const {
    const QByteArray bytes = fileBytes(name);
    if (bytes.isEmpty()) return {};
    EXPECT_TRUE(bytes.endsWith("\r\n")) << name.toStdString();
    QStringList lines = platform::decodeCp932(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
  }

  // Prints the roster into the box and writes its files as the print run does; returns the
  // further sheets it started.
  int printRoster(float left, float top, float right, float bottom) {
    const ChartResult printed =
        PrintSankashaMeibo(t.program.chartEnv(), AreaRect{left, right, top, bottom});
    WriteChartFiles(t.program, printed.Files);
    return printed.SheetsStarted;
  }

  static int px(double mm) { return static_cast<int>(std::lround(mm * kPxPerMm)); }

  TestProgram t;
  RecordingSurface surface{kPxPerMm};
};

}  // namespace qv::test

#pragma once
// Opening a data file written into a fresh program folder, which serves as data folder.

#include <gtest/gtest.h>

#include <QStringList>

#include <optional>

#include "data/TaikaiFile.h"
#include "platform/ProgramEnd.h"
#include "program/Program.h"
#include "support/TestProgram.h"

namespace qv::test {

class TaikaiFileTest : public ::testing::Test {
 protected:
  TaikaiFileTest() { tp.program.taikai.DataFolder = tp.folder(); }

  // Writes 大会.tai and opens it; the ProgramEnd it threw, if any.
  std::optional<platform::ProgramEnd> open(const QStringList& lines,
                                           const QString& name = QStringLiteral("大会.tai")) {
    tp.writeFile(name, lines);
    return openExisting(name);
  }
  std::optional<platform::ProgramEnd> openExisting(const QString& name = QStringLiteral("大会.tai")) {
    try {
      read = ReadTaikaiFile(tp.program, name);
    } catch (const platform::ProgramEnd& end) {
      return end;
    }
    return std::nullopt;
  }

  const ShumokuRec& event(size_t i) const { return tp.program.taikai.Taikai.Shumoku.at(i); }
  const SankashaRec& entry(size_t e, size_t i) const { return event(e).Sankasha.at(i); }

  TestProgram tp;
  bool read = false;
};

}  // namespace qv::test

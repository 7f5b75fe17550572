// The player dictionary is read as a print run begins, when its bracket pages may look
// names up in it: bilingual names, or names replaced by their dictionary reading.

#include <memory>

#include "PrintRunFixture.h"
#include "data/SenshuJisho.h"
#include "data/Spreadsheet.h"

namespace qv::test {
namespace {

// A dictionary of one row.
class OneRowSheet : public Spreadsheet {
 public:
  QString ExcelGetCell(int row, int column) override {
    if (row != 1) return {};
    return column == 1 ? QStringLiteral("山田") : column == 3 ? QStringLiteral("YAMADA") : QString();
  }
  void ExcelBeginSheet(const QString&, float, float, float, float, const QString&) override {}
  void ExcelWriteEntry(const QString&, int, int, int) override {}
  void ExcelClose() override {}
};

using PrintRunDictionaryTest = PrintRunFixture;

TEST_F(PrintRunDictionaryTest, ReadAtTheStartOfARunWhoseDrawsLookNamesUp) {
  const struct {
    bool nikokugo, kanaKanji, autoLayout;
    int entries;  // dictionary entries after the run
  } cases[] = {
      {false, false, false, 0}, {true, false, false, 2}, {false, true, false, 2},
      {false, false, true, 0},  {true, false, true, 2},  {false, true, true, 2},
  };
  for (const auto& c : cases) {
    Program& p = program();
    p.senshuJisho = SenshuJishoState{};
    p.spreadsheet = std::make_unique<OneRowSheet>();
    p.taikai.sw.Nikokugo = c.nikokugo;
    p.run.KanaKanji = c.kanaKanji;
    if (c.autoLayout)
      printAuto();
    else
      print();
    EXPECT_EQ(p.senshuJisho.SenshuJishoCount, c.entries)
        << "nikokugo " << c.nikokugo << " kana " << c.kanaKanji << " auto " << c.autoLayout;
  }
}

}  // namespace
}  // namespace qv::test

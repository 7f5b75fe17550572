#pragma once
// The spreadsheet layer that the charts write through and the player-name dictionary reads
// through. This program keeps no spreadsheet: NullSpreadsheet does nothing and reads every
// cell as empty. A working layer replaces it without touching the callers.

#include <QString>

namespace qv {

class Spreadsheet {
 public:
  virtual ~Spreadsheet() = default;

  // Text of a cell of the open sheet, row and column counted from 1. Past the last filled
  // row it must be the empty text: the dictionary reader stops at the first empty row.
  virtual QString ExcelGetCell(int row, int column) = 0;
  // A chart's sheet: its title, the chart's print box in millimetres and the tournament date.
  virtual void ExcelBeginSheet(const QString& title, float left, float top, float right,
                               float bottom, const QString& date) = 0;
  // League charts pass the knock-out count and the block index; knock-out pages two zeros.
  virtual void ExcelWriteEntry(const QString& blockName, int blockCount, int value1,
                               int value2) = 0;
  virtual void ExcelClose() = 0;
};

class NullSpreadsheet final : public Spreadsheet {
 public:
  QString ExcelGetCell(int row, int column) override;
  void ExcelBeginSheet(const QString& title, float left, float top, float right, float bottom,
                       const QString& date) override;
  void ExcelWriteEntry(const QString& blockName, int blockCount, int value1, int value2) override;
  void ExcelClose() override;
};

}  // namespace qv

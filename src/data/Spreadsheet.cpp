#include "data/Spreadsheet.h"

namespace qv {

QString NullSpreadsheet::ExcelGetCell(int, int) { return QString(); }

void NullSpreadsheet::ExcelBeginSheet(const QString&, float, float, float, float, const QString&) {}

void NullSpreadsheet::ExcelWriteEntry(const QString&, int, int, int) {}

void NullSpreadsheet::ExcelClose() {}

}  // namespace qv

#include "app/CupsJobOptions.h"

#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>

namespace qv {

namespace {

// Qt's key for the CUPS job options of its print engine (private, stable since Qt 4).
constexpr auto kCupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);
const QString kTitlePref = QStringLiteral("TitlePref");

bool isCupsPdf(const QString& makeAndModel) {
  return makeAndModel.contains(QStringLiteral("CUPS-PDF"), Qt::CaseInsensitive);
}

}  // namespace

QStringList CupsJobOptions(const QStringList& options, const QString& makeAndModel) {
  QStringList out;
  bool hasTitlePref = false;
  // Pairs only: the engine reads a value after every name.
  for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
    if (options[i] == kTitlePref) {
      if (!isCupsPdf(makeAndModel)) continue;
      hasTitlePref = true;
    }
    out << options[i] << options[i + 1];
  }
  if (isCupsPdf(makeAndModel) && !hasTitlePref) out << kTitlePref << QStringLiteral("1");
  return out;
}

void ApplyCupsJobOptions(QPrinter& printer) {
  if (printer.outputFormat() != QPrinter::NativeFormat) return;
  QPrintEngine* engine = printer.printEngine();
  const QVariant current = engine->property(kCupsOptionsKey);
  // An engine without CUPS (another platform's) answers nothing.
  if (!current.isValid()) return;
  engine->setProperty(kCupsOptionsKey,
                      CupsJobOptions(current.toStringList(), QPrinterInfo(printer).makeAndModel()));
}

}  // namespace qv

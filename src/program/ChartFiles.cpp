#include "program/ChartFiles.h"

#include "data/Model.h"
#include "platform/TextFile.h"

namespace qv {

bool WriteChartFiles(Model& model, const std::vector<ChartFile>& files) {
  bool all = true;
  for (const ChartFile& file : files) {
    const QString path = model.taikai.DataFolder + file.FileName;
    QString error;
    if (platform::writeTextLines(path, file.Lines, &error)) continue;
    model.messages.warn(QStringLiteral("CSVファイルを書き込めません"),
                        path + QStringLiteral("\n") + error);
    all = false;
  }
  return all;
}

}  // namespace qv

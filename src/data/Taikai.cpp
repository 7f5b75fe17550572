#include "data/Taikai.h"

#include "data/Model.h"

namespace qv {

QString SideFileName(const QString& taikaiFileName, const QString& ext) {
  return taikaiFileName.left(std::max<qsizetype>(0, taikaiFileName.size() - 3)) + ext;
}

bool IsTaikaiOption(const TaikaiSwitches& sw, const QString& word) {
  return sw.TaikaiOptions.contains(word, Qt::CaseSensitive);
}

}  // namespace qv

#include "data/Taikai.h"

#include "data/Model.h"
#include "platform/ProgramEnd.h"

namespace qv {

QString SideFileName(const QString& taikaiFileName, const QString& ext) {
  return taikaiFileName.left(std::max<qsizetype>(0, taikaiFileName.size() - 3)) + ext;
}

bool IsTaikaiOption(const TaikaiSwitches& sw, const QString& word) {
  return sw.TaikaiOptions.contains(word, Qt::CaseSensitive);
}

void FatalDataFileMsg(Model& model, const QString& title, const QString& message) {
  model.messages.show(title, message, platform::MsgIcon::None, platform::MsgButtons::Ok);
  throw platform::ProgramEnd(title, message);
}

}  // namespace qv

#include "app/TeamMeisaiProgram.h"

#include "platform/Messages.h"
#include "platform/Process.h"

namespace qv {

bool StartTeamMeisaiProgram(platform::MessageSink& messages, const QString& programFolder,
                            const QString& detailFile) {
  const QString program = programFolder + kTeamMeisaiProgram;
  QString error;
  if (platform::startProgram(program, {detailFile}, &error)) return true;
  messages.warn(QStringLiteral("団体戦明細プログラムを起動できません"),
                program + QStringLiteral("\n") + error);
  return false;
}

}  // namespace qv

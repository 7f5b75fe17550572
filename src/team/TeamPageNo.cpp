#include "team/TeamPageNo.h"

#include "data/BunshouItems.h"
#include "data/TextVars.h"
#include "print/PrintDevice.h"

namespace qv {

void PrintTeamPageNo(PrintDevice& device, const BunshouState& bunshou, TextVarState& textVars,
                     int page) {
  const long long n = static_cast<long long>(page) + bunshou.FirstPageNo - 1;
  SetTextVar(textVars, QStringLiteral("頁"),
             n >= 1 ? QStringLiteral("- %1 -").arg(n) : QString());
  for (size_t i = 0; i < bunshou.BunshouItems.size(); ++i) {
    if (bunshou.BunshouItems[i].Text == QStringLiteral("&頁") && bunshou.BunshouItemOn[i])
      device.PrintLayoutItem(bunshou.BunshouItems[i], textVars);
  }
}

SheetStarted TeamPageStarted(PrintDevice& device, const BunshouState& bunshou,
                             TextVarState& textVars, int& pageCount) {
  return [&device, &bunshou, &textVars, &pageCount] {
    ++pageCount;
    PrintTeamPageNo(device, bunshou, textVars, pageCount);
  };
}

}  // namespace qv

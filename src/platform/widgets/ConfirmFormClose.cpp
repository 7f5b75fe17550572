#include "platform/widgets/ConfirmFormClose.h"

#include "platform/Messages.h"

namespace qv {

int ConfirmFormClose(UnloadMode mode, platform::MessageSink& messages) {
  if (mode != UnloadMode::CloseBox) return 0;
  messages.show(QStringLiteral("画面の終了"), QStringLiteral("終了はメニューを選択して下さい"),
                platform::MsgIcon::None, platform::MsgButtons::Ok);
  return 1;
}

}  // namespace qv

#pragma once
// The program ends only from its menu: a window's close box is refused with a message.

namespace platform {
class MessageSink;
}

namespace qv {

// How a window is being closed.
enum class UnloadMode {
  CloseBox = 0,  // the user, from the window's close box or system menu
  Code = 1,      // the program itself
};

// 1 (the close is cancelled) for the close box, after the message; 0 otherwise.
int ConfirmFormClose(UnloadMode mode, platform::MessageSink& messages);

}  // namespace qv

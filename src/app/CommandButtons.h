#pragma once
// The main window's eight command buttons stay disabled while a print or export command
// runs, so that no second command starts in between, and are given back when it ends,
// however it ends: the three team buttons as the tournament has team events, the others
// as they were.

#include <array>

class QPushButton;

namespace qv {

class FrmInsatsuSeigyo;

class CommandButtonsOff {
 public:
  explicit CommandButtonsOff(FrmInsatsuSeigyo& window);
  ~CommandButtonsOff();
  CommandButtonsOff(const CommandButtonsOff&) = delete;
  CommandButtonsOff& operator=(const CommandButtonsOff&) = delete;

 private:
  FrmInsatsuSeigyo& window_;
  std::array<bool, 5> others_{};  // CmdAuto, CmdLayout, CmdInsatsu, CmdReturn, CmdDelete
};

}  // namespace qv

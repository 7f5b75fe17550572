#include "app/CommandButtons.h"

#include <QPushButton>

#include "app/FrmInsatsuSeigyo.h"

namespace qv {

namespace {

std::array<QPushButton*, 5> otherButtons(const FrmInsatsuSeigyo& w) {
  return {w.CmdAuto, w.CmdLayout, w.CmdInsatsu, w.CmdReturn, w.CmdDelete};
}

}  // namespace

CommandButtonsOff::CommandButtonsOff(FrmInsatsuSeigyo& window) : window_(window) {
  const auto others = otherButtons(window_);
  for (size_t i = 0; i < others.size(); ++i) others_[i] = others[i]->isEnabled();
  for (QPushButton* b : {window_.CmdTeam, window_.CmdTeamX, window_.CmdTeamE}) b->setEnabled(false);
  for (QPushButton* b : others) b->setEnabled(false);
}

CommandButtonsOff::~CommandButtonsOff() {
  for (QPushButton* b : {window_.CmdTeam, window_.CmdTeamX, window_.CmdTeamE})
    b->setEnabled(window_.HasTeamEvents);
  // A button that was off before the command (one whose window is not there) stays off.
  const auto others = otherButtons(window_);
  for (size_t i = 0; i < others.size(); ++i) others[i]->setEnabled(others_[i]);
}

}  // namespace qv

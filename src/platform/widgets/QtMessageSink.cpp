#include "platform/widgets/QtMessageSink.h"

#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace platform {

namespace {

QMessageBox::Icon boxIcon(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

struct MsgButtonChoice {
  QMessageBox::StandardButton button;
  const char16_t* text;  // as the Japanese system labels them
  MsgAnswer answer;
};

constexpr MsgButtonChoice kOk{QMessageBox::Ok, u"OK", MsgAnswer::Ok};
constexpr MsgButtonChoice kCancel{QMessageBox::Cancel, u"キャンセル", MsgAnswer::Cancel};
constexpr MsgButtonChoice kYes{QMessageBox::Yes, u"はい(&Y)", MsgAnswer::Yes};
constexpr MsgButtonChoice kNo{QMessageBox::No, u"いいえ(&N)", MsgAnswer::No};

std::vector<MsgButtonChoice> buttonsOf(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::OkCancel: return {kOk, kCancel};
    case MsgButtons::YesNo: return {kYes, kNo};
    case MsgButtons::YesNoCancel: return {kYes, kNo, kCancel};
    case MsgButtons::Ok: break;
  }
  return {kOk};
}

}  // namespace

MsgAnswer QtMessageSink::show(const QString& title, const QString& text, MsgIcon icon,
                              MsgButtons buttons) {
  QMessageBox box(boxIcon(icon), title, text);
  const std::vector<MsgButtonChoice> choices = buttonsOf(buttons);
  for (const MsgButtonChoice& choice : choices)
    box.addButton(choice.button)->setText(QString::fromUtf16(choice.text));
  box.setDefaultButton(choices.front().button);
  // Esc answers with the last button (Cancel or No); a lone OK answers OK.
  box.setEscapeButton(choices.back().button);
  box.exec();
  const auto clicked = box.standardButton(box.clickedButton());
  for (const MsgButtonChoice& choice : choices)
    if (choice.button == clicked) return choice.answer;
  return choices.back().answer;
}

}  // namespace platform

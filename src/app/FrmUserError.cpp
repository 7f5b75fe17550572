#include "app/FrmUserError.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "platform/ProgramEnd.h"

namespace qv {

namespace {

constexpr int kLabelPointSize = 12;
constexpr int kTitlePointSize = 24;

QFont gothicBold(int pointSize) {
  QFont f(QStringLiteral("ＭＳ ゴシック"));
  f.setPointSize(pointSize);
  f.setBold(true);
  return f;
}

}  // namespace

FrmUserError::FrmUserError(bool userErrorContinue, QWidget* parent)
    : QDialog(parent), userErrorContinue_(userErrorContinue) {
  setObjectName(QStringLiteral("FrmUserError"));
  setWindowTitle(UserErrorCaption());
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 24);
  layout->setSpacing(10);
  for (int i = 0; i < static_cast<int>(Label1.size()); ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1_%1").arg(i));
    label->setFont(gothicBold(i == 3 ? kTitlePointSize : kLabelPointSize));
    label->setAlignment(Qt::AlignCenter);
    label->installEventFilter(this);
    Label1.at(i) = label;
  }
  Label1[3]->setText(UserErrorLabelText(3, userErrorContinue_));
  for (int i : {0, 1, 2}) Label1.at(i)->setText(UserErrorLabelText(i, true));
  QFont italic = Label1[4]->font();
  italic.setItalic(true);
  Label1[4]->setFont(italic);
  // Top to bottom: the large heading, the three explaining lines, then what to do.
  for (int i : {3, 0, 1, 2, 5, 4}) layout->addWidget(Label1.at(i));

  Form_Load();
}

void FrmUserError::Form_Load() {
  Label1[5]->setText(UserErrorLabelText(5, userErrorContinue_));
  Label1[4]->setText(UserErrorLabelText(4, userErrorContinue_));
}

void FrmUserError::Form_Click() {
  if (userErrorContinue_) {
    accept();
  } else {
    endsProgram_ = true;
    reject();
  }
}

void FrmUserError::Label1_Click(int) { Form_Click(); }

void FrmUserError::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Form_Click();
    return;
  }
  QDialog::mouseReleaseEvent(event);
}

bool FrmUserError::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    for (std::size_t i = 0; i < Label1.size(); ++i) {
      if (watched == Label1[i] && mouse->button() == Qt::LeftButton &&
          Label1[i]->rect().contains(mouse->position().toPoint())) {
        Label1_Click(static_cast<int>(i));
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FrmUserErrorPrompt::ShowUserError(bool userErrorContinue) {
  FrmUserError form(userErrorContinue, parent_);
  form.exec();
  if (form.EndsProgram())
    throw platform::ProgramEnd(UserErrorCaption(), UserErrorLabelText(5, userErrorContinue));
}

}  // namespace qv

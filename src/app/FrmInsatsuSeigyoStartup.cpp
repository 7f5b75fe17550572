// The start of the program in the main window's load, the opening of a tournament, and
// the end of the program.

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/FrmInsatsuSeigyo.h"
#include "app/FrmTaikai.h"
#include "app/FrmWait.h"
#include "app/ProgramFolder.h"
#include "charts/ChartUtil.h"
#include "data/Dates.h"
#include "data/InsatsuSeigyo.h"
#include "data/Kankyou.h"
#include "data/Taikai.h"
#include "data/TextVars.h"
#include "platform/Files.h"
#include "platform/widgets/SingleInstance.h"
#include "program/OpenTaikai.h"
#include "program/Program.h"

namespace qv {

namespace {

// The spreadsheet templates of the suite: nothing here opens them, but a program folder
// without them is not a complete installation.
const char16_t* const kTemplateFiles[] = {
    u"大会結果報告原紙.xls", u"大会結果入賞原紙.xls", u"大会結果Best8原紙.xls",
    u"参加者名簿原紙.xls",   u"自動配置原紙08.xls",   u"自動配置原紙16.xls",
    u"自動配置原紙32.xls",   u"対戦結果明細原紙.xls", u"対戦表原紙.xls",
};

[[noreturn]] void endProgram(platform::MessageSink& messages, const QString& title,
                             const QString& text) {
  messages.show(title, text, platform::MsgIcon::None, platform::MsgButtons::Ok);
  throw platform::ProgramEnd(title, text);
}

}  // namespace

void FrmInsatsuSeigyo::Form_Load() {
  InitProgram();

  SelectedPageColor = TxtPage[0]->palette().color(QPalette::Base);
  NormalPageColor = TxtPage[1]->palette().color(QPalette::Base);
  HasTeamEvents = program_.team.TeamShumokuCount >= 1;
  for (QPushButton* b : {CmdTeam, CmdTeamX, CmdTeamE}) b->setEnabled(HasTeamEvents);
  LblDate->setText(program_.taikai.Taikai.KaisaiBi);
  if (IsTaikaiOption(program_.taikai.sw, QStringLiteral("YOJ"))) {
    ChkBilingal->setVisible(true);
    ChkBilingal->setChecked(program_.taikai.sw.Nikokugo);
  }
  ChkKNKNJ->setChecked(program_.run.KanaKanji);
  ChkMark->setChecked(program_.taikai.sw.ShumokuRyakugouHyouji);
  ChkSeed->setChecked(program_.run.SeedInsatsu);
  if (LayoutResizeEnabled) platform::SaveFormLayout(*this, layout_);
  ShowPageList();
}

void FrmInsatsuSeigyo::InitProgram() {
  instanceLock_ = std::make_unique<platform::SingleInstanceLock>(env_.instanceLockPath);
  if (!instanceLock_->tryAcquire()) {
    instanceLock_.reset();
    endProgram(program_.messages, QStringLiteral("Quorvaneシステム"),
               QStringLiteral("既に起動されています"));
  }
  program_.run.OutputDeviceName = QStringLiteral("Printer");
  program_.programFolder = ProgramFolderOf(env_.startFolder);

  wait_ = new FrmWait(this);
  wait_->show();
  for (const char16_t* name : kTemplateFiles) CheckTemplateFile(QString::fromUtf16(name));
  QCoreApplication::processEvents();  // paints the please-wait window

  program_.kankyou.KankyouShoujou = QStringLiteral("Orvandi県協会");
  program_.textVars.TextVars.clear();
  program_.kankyou.LeagueJuniHantei = QStringLiteral("多勝少敗");
  ReadKankyouTeigi(program_);
  program_.taikai.Shokaisens.clear();
  InitLabelSheets(program_.labelSheets);
  InitInsatsuSeigyo(program_);

  if (!env_.arguments.isEmpty()) OpenTaikaiFile(env_.arguments.first());
  wait_->hide();
  LayoutResizeEnabled = false;
  SelectTaikai();
}

void FrmInsatsuSeigyo::CheckTemplateFile(const QString& fileName) {
  const QFileInfo file(program_.programFolder + fileName);
  if (file.isFile() && !file.isHidden()) return;
  endProgram(program_.messages, QStringLiteral("ファイルが見つからないため実行できません"),
             QStringLiteral("「") + fileName + QStringLiteral("」がインストールされていません"));
}

void FrmInsatsuSeigyo::OpenTaikaiFile(const QString& path) {
  // A relative path names a file of the folder the program was started in.
  const QFileInfo file(path.trimmed());
  program_.taikai.DataFolder = platform::withTrailingSeparator(file.absolutePath());
  if (OpenTaikai(program_, file.fileName()) == OpenTaikaiResult::Opened) SetTaikaiTextVars();
}

void FrmInsatsuSeigyo::SelectTaikai() {
  FrmTaikai form(program_, LayoutResizeEnabled, this);
  form.Form_Load();
  env_.execDialog(form);
  form.ThrowIfEnded();
  // Cancelled, the tournament loaded before stays as it is: nothing is read again.
  if (form.OpenResult() == OpenTaikaiResult::Opened) SetTaikaiTextVars();
}

// The page phrases' "&" placeholders of the tournament; the first event is current.
void FrmInsatsuSeigyo::SetTaikaiTextVars() {
  const TaikaiRec& t = program_.taikai.Taikai;
  TextVarState& vars = program_.textVars;
  const QString wareki = ToWarekiDate(t.KaisaiBi, program_.clock);
  SetTextVar(vars, QStringLiteral("大会名"), t.Name);
  SetTextVar(vars, QStringLiteral("開催日"), wareki);
  SetTextVar(vars, QStringLiteral("会場名"), t.Kaijou);
  SetTextVar(vars, QStringLiteral("開催日会場名"), wareki + QStringLiteral("　") + t.Kaijou);
  program_.kekka.ShumokuIndex = 0;
}

void FrmInsatsuSeigyo::CmdReturn_Click() {
  if (LayoutResizeEnabled) platform::ClearFormLayout(*this, layout_);
  ended_ = true;
  close();
  QCoreApplication::exit(0);
}

}  // namespace qv

#include "StartupFixture.h"

#include "platform/Files.h"
#include "support/SampleTournament.h"

namespace qv::test {

bool CopySampleProgram(const QString& folder) {
  if (!QDir().mkpath(folder)) return false;
  const QDir from(SampleProgramFolder());
  for (const QString& name : from.entryList(QDir::Files)) {
    if (!platform::copyFile(from.filePath(name), platform::joinPath(folder, name))) return false;
  }
  return true;
}

StartupFixture::StartupFixture() {
  CopySampleProgram(tp.folder());
  CopySampleData(dataFolder());
  env.startFolder = tp.folder();
  env.instanceLockPath = lockDir.path() + QStringLiteral("/print.lock");
  env.execDialog = [this](QDialog& dialog) {
    ++selectionShown;
    auto& form = static_cast<FrmTaikai&>(dialog);
    if (selectWith) {
      selectWith(form);
    } else {
      form.CmdCancel_Click();
    }
    return form.result();
  };
}

QString StartupFixture::sampleTai() const { return dataFolder() + SampleTaikaiFileName(); }

FrmInsatsuSeigyo& StartupFixture::start() {
  window = std::make_unique<FrmInsatsuSeigyo>(tp.program, env);
  window->Form_Load();
  return *window;
}

}  // namespace qv::test

#include "data/Cyusen.h"

#include <algorithm>

#include "data/Fields.h"
#include "data/Model.h"
#include "data/Taikai.h"
#include "platform/Files.h"
#include "platform/TextFile.h"

namespace qv {

namespace {

bool isBlankLine(const QString& line) {
  for (const QChar c : line)
    if (c != QChar(' ')) return false;
  return true;
}

}  // namespace

void ReadCyusenFile(Model& model) {
  CyusenState& state = model.cyusen;
  state = CyusenState{};
  const TaikaiState& t = model.taikai;
  const QString path =
      platform::joinPath(t.DataFolder, SideFileName(t.TaikaiFileName, QStringLiteral("csn")));
  auto reader = platform::TextFileReader::open(path);
  if (!reader) return;
  platform::warnUndecodable(model.messages, path, reader->lines());

  while (!reader->atEnd()) {
    const QString line = reader->readLine();
    if (isBlankLine(line)) break;
    CyusenRec rec;
    // Short lines leave the missing fields empty; a number that is not one reads as 0.
    SplitToFields(line, rec.Name, rec.No, rec.Field3, rec.Field4, rec.Field5, rec.Field6,
                  rec.Field7, rec.Field8, rec.Field9, rec.Field10);
    state.Cyusen.push_back(std::move(rec));
    ++state.CyusenCount;
  }
}

void ReadCyusenFileIfEmpty(Model& model) {
  if (model.cyusen.CyusenCount == 0) ReadCyusenFile(model);
}

int FindCyusen(const CyusenState& state, const QString& name, int no) {
  for (size_t i = 0; i < state.Cyusen.size(); ++i) {
    const CyusenRec& rec = state.Cyusen[i];
    if (rec.Name == name && rec.No == no) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace qv

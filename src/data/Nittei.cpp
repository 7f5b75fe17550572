#include "data/Nittei.h"

#include "data/Fields.h"
#include "data/Model.h"
#include "platform/Blanks.h"
#include "platform/Files.h"
#include "platform/TextFile.h"

namespace qv {

namespace {

// Fields 2 … count + 1 of a line; a line that ends early (or is missing when the file ends
// inside a group) gives empty texts.
QStringList columnsOf(const QStringList& fields, int count) {
  QStringList columns;
  columns.reserve(count);
  for (int c = 1; c <= count; ++c) columns << (c < fields.size() ? fields[c] : QString());
  return columns;
}

}  // namespace

void ReadNitteiFile(Model& model) {
  NitteiState& state = model.nittei;
  state = NitteiState{};
  const TaikaiState& t = model.taikai;
  const QString path = platform::joinPath(t.DataFolder, t.NitteiFileName);
  auto reader = platform::TextFileReader::open(path);
  if (!reader) return;
  platform::warnUndecodable(model.messages, path, reader->lines());

  while (!reader->atEnd()) {
    const QString first = reader->readLine();
    if (platform::trimBlanks(first).isEmpty()) break;
    const QStringList fields1 = first.split(QChar(','));
    const QString key = platform::trimBlanks(fields1[0]);
    if (key.isEmpty()) break;
    const QStringList fields2 = reader->readLine().split(QChar(','));
    const QStringList fields3 = reader->readLine().split(QChar(','));

    NitteiRec rec;
    rec.ColumnCount = static_cast<int>(fields1.size()) - 1;
    const qsizetype dash = key.indexOf(QChar('-'));
    if (dash >= 0) {
      rec.Title = key.left(dash);
      rec.Number = LngOrDefault(key.mid(dash + 1), 0);
    } else {
      rec.Title = key;
    }
    rec.Line1 = columnsOf(fields1, rec.ColumnCount);
    rec.Line2 = columnsOf(fields2, rec.ColumnCount);
    rec.Line3 = columnsOf(fields3, rec.ColumnCount);
    state.Nittei.push_back(std::move(rec));
    ++state.NitteiCount;
  }
}

int FindNitteiIndex(const NitteiState& state, const QString& key, int number) {
  for (size_t i = 0; i < state.Nittei.size(); ++i) {
    const NitteiRec& rec = state.Nittei[i];
    if (rec.Title == key && rec.Number == number) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace qv

#pragma once
// The compressed streams of a PDF file (page contents, fonts, images), inflated, in file
// order. Two files that draw the same things hold the same streams, whatever their dates
// and names, so comparing them compares what the pages show, line by line.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

namespace qv::test {

inline std::vector<QByteArray> InflatedPdfStreams(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = file.readAll();
  std::vector<QByteArray> out;
  qsizetype from = 0;
  for (;;) {
    const qsizetype key = data.indexOf(">>\nstream\n", from);
    if (key < 0) break;
    const qsizetype start = key + 10;
    const qsizetype end = data.indexOf("endstream", start);
    if (end < 0) break;
    from = end + 9;
    const qsizetype obj = data.lastIndexOf(" obj", key);
    if (obj < 0 || !data.sliced(obj, key - obj).contains("/FlateDecode")) continue;
    // qUncompress takes the expected size first; it grows its buffer when that is short.
    QByteArray packed(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(4 * (end - start) + 64), packed.data());
    packed += data.sliced(start, end - start);
    out.push_back(qUncompress(packed));
  }
  return out;
}

// Whether two PDF files hold the same streams; otherwise names the first line that differs.
inline ::testing::AssertionResult SamePdfStreams(const QString& a, const QString& b) {
  const std::vector<QByteArray> sa = InflatedPdfStreams(a), sb = InflatedPdfStreams(b);
  if (sa.empty()) return ::testing::AssertionFailure() << "no streams in " << a.toStdString();
  if (sa.size() != sb.size())
    return ::testing::AssertionFailure() << sa.size() << " streams against " << sb.size();
  for (size_t i = 0; i < sa.size(); ++i) {
    if (sa[i] == sb[i]) continue;
    const QList<QByteArray> la = sa[i].split('\n'), lb = sb[i].split('\n');
    qsizetype line = 0;
    while (line < la.size() && line < lb.size() && la[line] == lb[line]) ++line;
    return ::testing::AssertionFailure()
           << "stream " << i << " line " << line + 1 << ": \""
           << (line < la.size() ? la[line].left(100).toStdString() : "") << "\" against \""
           << (line < lb.size() ? lb[line].left(100).toStdString() : "") << "\"";
  }
  return ::testing::AssertionSuccess();
}

}  // namespace qv::test

#pragma once
// Code page 932 (Windows Shift_JIS), the encoding of every file of the suite and of the
// printer's text calls. Built over iconv's "CP932" (not "SHIFT_JIS", which maps 0x817C
// to U+2212 instead of the U+FF0D that Windows gives).

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace platform {

// Decodes CP932 bytes. A byte sequence that is not valid CP932 becomes U+FFFD, one per
// bad byte, so a damaged file still reads to its end.
QString decodeCp932(QByteArrayView bytes);

// Encodes to CP932. The signs 〜 − — ‖ ¢ £ ¬ (U+301C, U+2212, U+2014, U+2016, U+00A2,
// U+00A3, U+00AC) take the codes of their full-width forms, as Windows writes them; any
// other character that CP932 cannot hold becomes "?".
QByteArray encodeCp932(QStringView text);

// The text as CP932 holds it, in one pass: what encodeCp932 then decodeCp932 give (each
// character the one its code decodes to, "?" for one CP932 cannot hold).
QString roundTripCp932(QStringView text);

// Byte length of the text in CP932: 2 for a full-width character, 1 for a half-width one.
// Characters CP932 cannot hold count as one byte (they print as "?").
int lenAnsi(QStringView text);

// True when the character takes two bytes in CP932 (full width).
bool isFullWidth(char32_t ch);

}  // namespace platform

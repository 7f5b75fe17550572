#pragma once
// Full-width / half-width conversion as Windows does it for code page 932 text: every
// result stays holdable in CP932.

#include <QString>
#include <QStringView>

namespace platform {

// Half-width letters, digits, signs, the blank and half-width katakana become their
// full-width forms; a half-width kana followed by a voiced or semi-voiced mark becomes one
// character (ｶﾞ -> ガ, ﾊﾟ -> パ). "\" has two full-width candidates (￥ and ＼) and stays
// as it is. Anything else is kept.
QString toFullWidth(QStringView text);

// The reverse: full-width letters, digits, signs, the blank and katakana become half-width
// (ガ -> ｶﾞ, two characters); ’ ‘ narrow to "'", ” “ to '"', ‐ to "-". Characters
// without a half-width form (hiragana, kanji, ヶ) and the backslash forms ￥ ＼ are kept.
QString toHalfWidth(QStringView text);

}  // namespace platform

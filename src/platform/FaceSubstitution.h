#pragma once
// The data name the Windows Japanese faces; here they print in the IPA faces.

namespace platform {

// Maps "ＭＳ 明朝", "ＭＳ Ｐ明朝", "MS Mincho", "MS PMincho" to IPAMincho and the
// corresponding Gothic names to IPAGothic for every QFont made afterwards. Safe to call
// more than once. Needs the application's font database (a QGuiApplication).
void installFaceSubstitutions();

}  // namespace platform

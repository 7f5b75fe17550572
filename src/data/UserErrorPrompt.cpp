#include "data/UserErrorPrompt.h"

namespace qv {

QString UserErrorCaption() { return QStringLiteral("ファイルが書き換えられました"); }

QString UserErrorLabelText(int index, bool userErrorContinue) {
  switch (index) {
    case 0: return QStringLiteral("ファイルが他のソフト等により書き換えられたものと思われます。");
    case 1: return QStringLiteral("このデータの処理で問題が発生した場合は、サポートできません。");
    case 2: return QStringLiteral("ただし、データをメールでやり取りしただけであれば、");
    case 3: return QStringLiteral("!!! 保証できないデータです !!!");
    case 4:
      return userErrorContinue ? QString()
                               : QStringLiteral("連絡先：Quorvane サポート窓口（大会運営ソフト担当）");
    case 5:
      return userErrorContinue ? QStringLiteral("画面をクリックすると処理を継続します。")
                               : QStringLiteral("対処方法をお知らせしますので下記にご連絡ください。");
    default: return {};
  }
}

}  // namespace qv

#include "documents/TpdParseError.h"

namespace kestrel {

TpdParseError TpdParseError::TypeMismatch() {
    return TpdParseError{QStringLiteral("型が一致しません。"), 13, 0, QString()};
}

TpdParseError TpdParseError::OutOfRange() {
    return TpdParseError{QStringLiteral("インデックスが有効範囲にありません。"), 9, 0, QString()};
}

TpdParseError TpdParseError::Overflow() {
    return TpdParseError{QStringLiteral("オーバーフローしました。"), 6, 0, QString()};
}

TpdParseError TpdParseError::PastEnd() {
    return TpdParseError{QStringLiteral("ファイルにこれ以上データがありません。"), 62, 0, QString()};
}

TpdParseError TpdParseError::FileNotFound() {
    return TpdParseError{QStringLiteral("ファイルが見つかりません。"), 53, 0, QString()};
}

TpdParseError TpdParseError::Text(const QString& text) {
    return TpdParseError{text, 0, 0, QString()};
}

QString TpdParseError::Where(const QString& fileName) const {
    QString text = fileName;
    if (line > 0) {
        text += QStringLiteral(": ") + QString::number(line) + QStringLiteral("行目");
    }
    if (!key.isEmpty()) {
        text += QStringLiteral(": ") + key;
    }
    return text;
}

} // namespace kestrel

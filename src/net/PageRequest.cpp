#include "net/PageRequest.h"

namespace kestrel {

QString PageRequest::RoundText(int32_t round) {
    return QStringLiteral("%1").arg(round, 4, 10, QLatin1Char('0'));
}

QString PageRequest::ProgressMessage(int32_t round, const QString& what) {
    return QStringLiteral("第") + QString::number(round) + what;
}

QStringList PageRequest::Fetch(clsHtmlGet& get, const QString& url, const QString& message) {
    get.SetProgressDialogMessage(message);
    QStringList pieces;
    if (get.GetHttp(url, QString(), clsWinInet::kCodeUtf8) > 0) {
        get.GetTextData(pieces);
    }
    return pieces;
}

QString PageRequest::IndexErrorText() {
    return QStringLiteral("インデックスが有効範囲にありません。");
}

QString PageRequest::NumberErrorText() {
    return QStringLiteral("型が一致しません。");
}

} // namespace kestrel

#include "net/PageRequest.h"

#include "net/clsHtmlToto.h"

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
    // A page the server sent with an error status is no round page, whatever its text says.
    if (get.GetHttp(url, QString(), clsWinInet::kCodeUtf8) > 0 &&
        get.WinInet().LastFailure() != HttpFailure::HttpStatus) {
        get.GetTextData(pieces);
    }
    return pieces;
}

QString PageRequest::HeaderText(const QString& group, const QString& what) {
    return group.isEmpty() ? QStringLiteral("totoGOAL3") + what
                           : QStringLiteral("totoGOAL3-") + group + QStringLiteral("組") + what;
}

bool PageRequest::FindHeader(PieceReader& reader, const QString& check, const QString& notShown,
                             int32_t& round, qsizetype& next) {
    for (qsizetype i = 0; i < reader.Size(); ++i) {
        if (reader.At(i) == notShown) {
            return false;
        }
        if (clsHtmlToto::GetKaisaikai(reader.At(i), round, check)) {
            next = i + 1;
            return true;
        }
    }
    return false;
}

void PageRequest::ReportUnexpected(const ErrorReporter& error, const QString& procedure,
                                   bool numberError) {
    error.ReportUnexpected(procedure, numberError ? NumberErrorText() : IndexErrorText(),
                           numberError ? kNumberErrorNumber : kIndexErrorNumber);
}

QString PageRequest::IndexErrorText() {
    return QStringLiteral("インデックスが有効範囲にありません。");
}

QString PageRequest::NumberErrorText() {
    return QStringLiteral("型が一致しません。");
}

} // namespace kestrel
